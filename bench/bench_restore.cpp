// Opening a scene with large pickers: the restore of a scene value holding
// 3 tabs of 1,000 labelled buttons with a background, from the Base64 text
// to canvases whose buttons and labels are ready to paint. Every run
// restores a value of its own (other labels, another background), so that
// nothing a previous run decoded or rendered is there to be reused.
#include "bench_support.h"
#include "canvas/picker_view.h"
#include "model/picker_stream.h"
#include "model/scene_data.h"
#include "window/picker_window.h"
#include <benchmark/benchmark.h>
#include <qbhost/host_session.h>
#include <QtCore/QElapsedTimer>
#include <QtWidgets/QTabWidget>
#include <memory>

namespace {

constexpr int kRuns = 8;

// Written without a window, so that no label is rendered before the runs.
QByteArray sceneValue(int run)
{
    const QImage img = bench_support::busyBackground(run);
    picker_window_data window;
    window.current = 0;
    for (int t = 0; t < 3; ++t) {
        picker_tab_data tab;
        tab.name = QStringLiteral("Tab %1").arg(t);
        tab.backgroundName = QStringLiteral("1024");
        tab.background = img;
        for (int i = 0; i < 1000; ++i) {
            buttonAttributes b;
            b.position = QPoint((i % 40) * 14, (i / 40) * 14);
            b.size = 12;
            b.color = 0x00b22222u + uint(i);
            b.label = QStringLiteral("R%1B%2").arg(run).arg(i);
            b.nodes = QStringList{QStringLiteral("hero:ctrl_%1").arg(i)};
            tab.buttons << b;
        }
        window.tabs << tab;
    }
    QByteArray bytes;
    {
        QDataStream s(&bytes, QIODevice::WriteOnly);
        writeWindowStream(s, window);
    }
    return encodeSceneData(bytes);
}

void restore(benchmark::State& state)
{
    QList<QByteArray> values;
    for (int run = 0; run < kRuns; ++run)
        values << sceneValue(run);
    auto window = std::make_unique<picker_window>(nullptr);
    qbhost::HostSession& host = qbhost::HostSession::instance();
    constexpr double kBudgetMs = 100.0;
    QElapsedTimer timer;
    qint64 runs = 0;
    timer.start();
    const double cpu = bench_support::cpuMs();
    for (auto _ : state) {
        QDataStream in(decodeSceneData(values.at(int(runs % kRuns))));
        window->streamFrom(in);
        ++runs;
        state.PauseTiming();
        host.discardIdle();
        state.ResumeTiming();
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6 / double(qMax<qint64>(runs, 1));
    const double runCpuMs = (bench_support::cpuMs() - cpu) / double(qMax<qint64>(runs, 1));
    state.counters["value_chars"] = double(values.first().size());
    state.counters["tabs"] = double(window->tabs()->count());
    // Above 1: inside the 100 ms budget by that factor. The machine may be
    // shared: the CPU time is printed beside the wall time.
    state.counters["budget_ratio"] = ms > 0 ? kBudgetMs / ms : 0;
    state.counters["cpu_ms"] = runCpuMs;
    state.counters["cpu_budget_ratio"] = runCpuMs > 0 ? kBudgetMs / runCpuMs : 0;
    state.SetLabel("3 tabs of 1000 labelled buttons, 1024x1024 background");
}
BENCHMARK(restore)->Iterations(kRuns)->Unit(benchmark::kMillisecond);

} // namespace
