// The picker's select directive against the stand-in host, with 200, 1,600
// and 10,000 names: the time per name must stay flat as the selection
// grows (the host selects name by name, adding to what is selected).
#include "plugin/picker_main.h"
#include <benchmark/benchmark.h>
#include <qbhost/host_session.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>
#include <QtCore/QElapsedTimer>

#include <algorithm>

namespace {

// Seconds per name of one select directive over count names.
double secondsPerName(int count)
{
    qbhost::HostSession& host = qbhost::HostSession::instance();
    host.resetForTest();
    MStringArray names;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("hero:ctrl_%1").arg(i);
        host.createNode(QStringLiteral("transform"), name);
        names.append(MString(name.toUtf8().constData()));
    }
    picker_main command;
    QElapsedTimer timer;
    timer.start();
    command.process_command(MString("select"), names);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (host.selection().size() != count)
        return -1.0;
    return seconds / count;
}

void selectDirectivePerName(benchmark::State& state)
{
    // The best of the runs for each size: the machine's other load shows
    // as noise, not as growth.
    double small = 1e9, middle = 1e9, large = 1e9;
    for (auto _ : state) {
        small = std::min(small, secondsPerName(200));
        middle = std::min(middle, secondsPerName(1600));
        large = std::min(large, secondsPerName(10000));
    }
    state.counters["us_per_name_200"] = small * 1e6;
    state.counters["us_per_name_1600"] = middle * 1e6;
    state.counters["us_per_name_10000"] = large * 1e6;
    // Flat means at most 2 (10,000 names against 200, same run).
    state.counters["ratio_10000_to_200"] = small > 0 ? large / small : -1;
    qbhost::HostSession::instance().resetForTest();
}
BENCHMARK(selectDirectivePerName)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
