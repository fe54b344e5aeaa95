// One host selection change of 10,000 names conformed over 3 tabs of 1,000
// buttons with 4 nodes each, through the plug-in's own handler; the conform
// alone beside the plain linear matching measured in the same run. A third
// run gives a tenth of the buttons' names as partial paths ("grp|ctrl"),
// which light by the node they stand for, not by their text; a fourth
// matches names as text alone, as the picker did before names were
// resolved to nodes, for a figure of the same run to hold the others to.
#include "canvas/picker_view.h"
#include "model/node_names.h"
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

// The button's name of node i: its own name, or for every tenth its
// partial path under the group it lives in.
QString buttonName(int i, bool partialPaths)
{
    if (partialPaths && i % 10 == 0)
        return QStringLiteral("hero:grp_%1|").arg(i / 10) + node(i);
    return node(i);
}

void selectionChange(benchmark::State& state)
{
    qbhost::HostSession& host = qbhost::HostSession::instance();
    host.resetForTest();
    const bool partialPaths = state.range(0) == 2;
    const bool asText = state.range(0) == 3;
    node_names* resolver = node_names::installed();
    if (asText)
        node_names::install(nullptr);
    // 12,000 nodes: 3 tabs x 1,000 buttons x 4 nodes, each tab its own;
    // every tenth below a group of its own.
    for (int i = 0; i < 12000; ++i) {
        if (i % 10 == 0) {
            const QString group = QStringLiteral("hero:grp_%1").arg(i / 10);
            host.createNode(QStringLiteral("transform"), group);
            host.createNode(QStringLiteral("transform"), node(i), group);
        } else {
            host.createNode(QStringLiteral("transform"), node(i));
        }
    }
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
            a.nodes = QStringList{buttonName(base, partialPaths), buttonName(base + 1, partialPaths),
                                  buttonName(base + 2, partialPaths), buttonName(base + 3, partialPaths)};
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
    const bool wholeHandler = state.range(0) == 1;
    double baselineMs = 0;
    if (!wholeHandler) {
        QElapsedTimer baseline;
        baseline.start();
        benchmark::DoNotOptimize(linearConform(*window, first));
        baselineMs = double(baseline.nsecsElapsed()) / 1e6;
        // The names resolved once, as a picker shown in the panel has them.
        window->setSelection(second);
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
    state.SetLabel(wholeHandler   ? "handler with host read-back: 10,000 names, 3 tabs x 1,000 buttons x 4 nodes"
                   : partialPaths ? "conform only, a tenth of the buttons' names partial paths"
                   : asText       ? "conform only, names matched as text (no resolution)"
                                  : "conform only: 10,000 names, 3 tabs x 1,000 buttons x 4 nodes");
    node_names::install(resolver);
    picker_main::window_ = nullptr;
    picker_window::selection_.clear();
}
BENCHMARK(selectionChange)->Arg(1)->Arg(0)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace
