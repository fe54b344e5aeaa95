// The cost of mirroring every edit into the scene: one edit and the scene
// write that follows for a window of 1,000 buttons, without and with a 1024
// by 1024 background, and for three tabs of 1,000 of which one changed (the
// last, then the middle one, whose unchanged neighbours make two joins),
// beside serialising everything and compressing with qCompress at level 9.
#include "bench_support.h"
#include "canvas/picker_view.h"
#include "model/scene_data.h"
#include "window/picker_window.h"
#include "document/scene_store.h"
#include <benchmark/benchmark.h>
#include <qbhost/host_session.h>
#include <QtCore/QElapsedTimer>
#include <QtWidgets/QTabWidget>
#include <memory>

namespace {

enum Case { NoBackground, Background, ThreeTabs, ThreeTabsMiddle };

void fillTab(picker_view* view)
{
    QList<buttonAttributes> buttons;
    for (int i = 0; i < 1000; ++i) {
        buttonAttributes b;
        b.position = QPoint((i % 40) * 14, (i / 40) * 14);
        b.size = 12;
        b.color = 0x00b22222u + uint(i);
        b.label = (i % 5 == 0) ? QStringLiteral("B%1").arg(i) : QString();
        b.nodes = QStringList{QStringLiteral("hero:ctrl_%1").arg(i), QStringLiteral("hero:ctrl_%1_fk").arg(i)};
        buttons << b;
    }
    view->document()->set_buttons(buttons);
}

std::unique_ptr<picker_window> makeWindow(Case which)
{
    auto window = std::make_unique<picker_window>(nullptr);
    fillTab(window->frontPicker());
    if (which == ThreeTabs || which == ThreeTabsMiddle) {
        for (int t = 1; t < 3; ++t) {
            window->new_tab();
            fillTab(window->frontPicker());
        }
    }
    // The unchanged tabs on both sides of the changed one: two joins.
    if (which == ThreeTabsMiddle)
        window->tabs()->setCurrentIndex(1);
    if (which == Background) {
        window->frontPicker()->document()->setBackground(QStringLiteral("1024"),
                                             QPixmap::fromImage(bench_support::busyBackground()));
    }
    return window;
}

// The straightforward path: the whole window serialised and compressed with
// qCompress at level 9 on every edit.
QString baselineText(const picker_window& window)
{
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        window.streamTo(stream);
    }
    return QStringLiteral("fileInfo \"QuillbrookPickerData\" \"") + QLatin1String(qCompress(bytes, 9).toBase64())
           + QStringLiteral("\"; file -modified 1;");
}

// One edit of the front tab, as a move command makes it: a button moved in
// place, back and forth so that the picker stays as it was made.
void editFront(picker_window& window, qint64 run)
{
    picker_view* view = window.frontPicker();
    const int index = int(run % view->buttons().size());
    buttonRecord* b = view->document()->button(index);
    b->moveTo(b->position + QPoint(run % 2 ? -1 : 1, 0));
}

// Per-edit scene sync: the window's own write beside the baseline measured
// in the same run, with the ratio and both value sizes. The machine is
// shared: the CPU times are printed beside the wall times.
void updateSceneData(benchmark::State& state)
{
    const Case which = Case(state.range(0));
    auto window = makeWindow(which);
    qbhost::HostSession& host = qbhost::HostSession::instance();

    constexpr int kBaselineRuns = 5;
    QElapsedTimer timer;
    timer.start();
    double cpu = bench_support::cpuMs();
    qint64 baselineChars = 0;
    for (int i = 0; i < kBaselineRuns; ++i) {
        editFront(*window, i);
        baselineChars = baselineText(*window).size();
    }
    const double baselineMs = double(timer.nsecsElapsed()) / 1e6 / kBaselineRuns;
    const double baselineCpuMs = (bench_support::cpuMs() - cpu) / kBaselineRuns;

    qint64 bytes = 0;
    qint64 runs = 0;
    timer.restart();
    cpu = bench_support::cpuMs();
    for (auto _ : state) {
        editFront(*window, runs);
        window->scene()->write();
        bytes = host.pendingIdle().last().text.size();
        host.discardIdle();
        ++runs;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6 / double(qMax<qint64>(runs, 1));
    const double runCpuMs = (bench_support::cpuMs() - cpu) / double(qMax<qint64>(runs, 1));
    state.counters["queued_chars"] = double(bytes);
    state.counters["baseline_chars"] = double(baselineChars);
    state.counters["baseline_ms"] = baselineMs;
    state.counters["ratio"] = ms > 0 ? baselineMs / ms : 0;
    state.counters["cpu_ms"] = runCpuMs;
    state.counters["baseline_cpu_ms"] = baselineCpuMs;
    state.counters["cpu_ratio"] = runCpuMs > 0 ? baselineCpuMs / runCpuMs : 0;
    static const char* const labels[] = {"1000 buttons, no background", "1000 buttons, 1024x1024 background",
                                         "3 tabs of 1000 buttons, one changed",
                                         "3 tabs of 1000 buttons, the middle one changed"};
    state.SetLabel(
        QStringLiteral("%1, %2").arg(QLatin1String(labels[which]), QLatin1String(sceneDataCompressor())).toStdString());
}
BENCHMARK(updateSceneData)
    ->Arg(NoBackground)
    ->Arg(Background)
    ->Arg(ThreeTabs)
    ->Arg(ThreeTabsMiddle)
    ->Unit(benchmark::kMillisecond);

} // namespace
