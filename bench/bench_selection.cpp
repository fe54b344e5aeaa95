// One host selection change of 10,000 names conformed over 3 tabs of 1,000
// buttons with 4 nodes each, through the plug-in's own handler; the conform
// alone beside the plain linear matching measured in the same run.
#include "canvas/picker_view.h"
#include "plugin/picker_main.h"
#include "window/picker_window.h"
#include <benchmark/benchmark.h>
#include <qbhost/host_session.h>
#include <QtCore/QElapsedTimer>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QTabWidget>

namespace {

QString node(int i)
{
    return QStringLiteral("hero:ctrl_%1").arg(i);
}

// The plain linear matching, as the baseline: every node of every button
// looked up in the host's list by walking it, no hash. Returns the number
// of buttons wholly selected, so that the work cannot be dropped.
int linearConform(const picker_window& window, const QStringList& names)
{
    int lit = 0;
    for (int t = 0; t < window.tabs()->count(); ++t) {
        const picker_view* view = qobject_cast<const picker_view*>(window.tabs()->widget(t));
        for (const buttonRecord& b : view->buttons()) {
            int count = 0;
            for (const QString& n : b.nodes)
                count += names.contains(n) ? 1 : 0;
            lit += count == b.nodes.size() ? 1 : 0;
        }
    }
    return lit;
}

void selectionChange(benchmark::State& state)
{
    qbhost::HostSession& host = qbhost::HostSession::instance();
    host.resetForTest();
    // 12,000 nodes: 3 tabs x 1,000 buttons x 4 nodes, each tab its own.
    for (int i = 0; i < 12000; ++i)
        host.createNode(QStringLiteral("transform"), node(i));
    QDockWidget dock;
    auto* window = new picker_window(&dock);
    dock.setWidget(window);
    picker_main::window_ = &dock;
    for (int t = 0; t < 3; ++t) {
        if (t > 0)
            window->new_tab();
        QList<buttonAttributes> buttons;
        for (int b = 0; b < 1000; ++b) {
            buttonAttributes a;
            a.position = QPoint((b % 40) * 12, (b / 40) * 12);
            const int base = t * 4000 + b * 4;
            a.nodes = QStringList{node(base), node(base + 1), node(base + 2), node(base + 3)};
            buttons << a;
        }
        qobject_cast<picker_view*>(window->tabs()->widget(t))->document()->set_buttons(buttons);
    }
    // Two selections of 10,000 names that light the buttons differently.
    QStringList first, second;
    for (int i = 0; i < 10000; ++i) {
        first << node(i);
        second << node(11999 - i);
    }
    bool flip = false;
    const bool wholeHandler = state.range(0) != 0;
    double baselineMs = 0;
    if (!wholeHandler) {
        QElapsedTimer baseline;
        baseline.start();
        benchmark::DoNotOptimize(linearConform(*window, first));
        baselineMs = double(baseline.nsecsElapsed()) / 1e6;
    }
    qint64 runs = 0;
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state) {
        ++runs;
        if (wholeHandler) {
            // The host's own part (building its selection list) included.
            host.setSelection(flip ? second : first);
            picker_main::selectionChangedFn(nullptr);
        } else {
            window->setSelection(flip ? second : first);
        }
        flip = !flip;
    }
    if (!wholeHandler) {
        const double ms = double(timer.nsecsElapsed()) / 1e6 / double(qMax<qint64>(runs, 1));
        state.counters["linear_ms"] = baselineMs;
        state.counters["ratio"] = ms > 0 ? baselineMs / ms : 0;
    }
    state.SetLabel(wholeHandler ? "handler with host read-back: 10,000 names, 3 tabs x 1,000 buttons x 4 nodes"
                                : "conform only: 10,000 names, 3 tabs x 1,000 buttons x 4 nodes");
    picker_main::window_ = nullptr;
    picker_window::selection_.clear();
}
BENCHMARK(selectionChange)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
