// Controls against the stand-in host, through the plug-in's own code: a
// drag of 100 mouse moves queues at most one text per turn of the event
// loop (a text per move is the straightforward baseline), and a value set
// in the host reaches the one control of 200 that shows it (a walk over
// every button is the baseline), each measured in the same run.
#include "canvas/picker_view.h"
#include "plugin/maya_host_port.h"
#include "window/picker_window.h"
#include <benchmark/benchmark.h>
#include <qbhost/host_session.h>
#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QTabWidget>

namespace {

QString node(int i)
{
    return QStringLiteral("face:ctrl_%1").arg(i);
}

// count nodes with a float attribute "brow" from -1 to 1, and a window
// whose one tab holds a slider on each.
picker_view* controls_window(QDockWidget* dock, int count)
{
    qbhost::HostSession& host = qbhost::HostSession::instance();
    host.resetForTest();
    for (int i = 0; i < count; ++i) {
        host.createNode(QStringLiteral("transform"), node(i));
        host.executeMel(QStringLiteral("addAttr -ln brow -min -1 -max 1 -at \"float\" %1").arg(node(i)));
    }
    auto* window = new picker_window(dock);
    dock->setWidget(window);
    dock->resize(900, 900);
    dock->show();
    QList<buttonAttributes> buttons;
    for (int i = 0; i < count; ++i) {
        buttonAttributes a;
        a.position = QPoint(60 + (i % 4) * 110, 10 + (i / 4) * 14);
        a.nodes = QStringList{node(i)};
        a.control.kind = button_control::Slider;
        a.control.attributes = QStringList{QStringLiteral("brow")};
        a.control.min = QPointF(-1, 0);
        a.control.max = QPointF(1, 0);
        a.control.length = 100;
        buttons << a;
    }
    picker_view* view = window->frontPicker();
    view->document()->set_buttons(buttons);
    emit view->changed(); // the window watches the new controls' nodes
    QCoreApplication::processEvents();
    return view;
}

void mouse(picker_view* view, QEvent::Type type, QPoint pos, Qt::MouseButtons held)
{
    QMouseEvent e(type, QPointF(pos), QPointF(view->mapToGlobal(pos)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(view, &e);
}

void dragOf100Moves(benchmark::State& state)
{
    QDockWidget dock;
    picker_view* view = controls_window(&dock, 1);
    qbhost::HostSession& host = qbhost::HostSession::instance();
    const QRect box = view->mapToScreen(view->buttons()[0].rect);
    // Moves delivered between two turns of the event loop.
    const int perTurn = int(state.range(0));
    int worst = 0;
    qint64 texts = 0, drags = 0;
    for (auto _ : state) {
        host.discardIdle();
        mouse(view, QEvent::MouseButtonPress, box.center(), Qt::LeftButton);
        QCoreApplication::processEvents();
        int before = host.pendingIdleCount();
        worst = qMax(worst, before);
        for (int m = 0; m < 100; ++m) {
            mouse(view, QEvent::MouseMove, QPoint(box.left() + m % box.width(), box.center().y()), Qt::LeftButton);
            if ((m + 1) % perTurn != 0)
                continue;
            QCoreApplication::processEvents();
            worst = qMax(worst, host.pendingIdleCount() - before);
            before = host.pendingIdleCount();
        }
        mouse(view, QEvent::MouseButtonRelease, QPoint(box.left() + 40, box.center().y()), Qt::NoButton);
        texts += host.pendingIdleCount();
        ++drags;
    }
    host.discardIdle();
    // The straightforward way sends a text for every move: 101 a drag.
    const double perDrag = double(texts) / double(qMax<qint64>(drags, 1));
    state.counters["max_texts_per_turn"] = worst;
    state.counters["texts_per_drag"] = perDrag;
    state.counters["baseline_texts_per_drag"] = 101;
    state.counters["ratio"] = perDrag > 0 ? 101.0 / perDrag : 0; // texts saved, times
    state.SetLabel(QStringLiteral("one slider, 100 moves, %1 a turn").arg(perTurn).toStdString());
}
BENCHMARK(dragOf100Moves)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// The straightforward update: every button looked at for the node and
// attribute, then the whole canvas repainted.
int walk_every_button(picker_view* view, const QString& n, const QString& attribute, double value)
{
    int hit = 0;
    for (const buttonRecord& b : view->buttons())
        if (b.control.isActive() && b.nodes.contains(n) && b.control.attributes.contains(attribute)) {
            benchmark::DoNotOptimize(value);
            ++hit;
        }
    view->update();
    return hit;
}

void hostToPicker200(benchmark::State& state)
{
    QDockWidget dock;
    picker_view* view = controls_window(&dock, 200);
    host_port& port = host_port::current();
    maya_host_port* maya = dynamic_cast<maya_host_port*>(&port);
    if (!maya || view->controls().readings().size() != 200) {
        state.SkipWithError("the plug-in's host port is not installed");
        return;
    }
    const QString brow = QStringLiteral("brow");
    QElapsedTimer baselineTimer;
    baselineTimer.start();
    for (int i = 0; i < 2000; ++i)
        benchmark::DoNotOptimize(walk_every_button(view, node(i % 200), brow, 0.001 * i));
    const double baselineUs = double(baselineTimer.nsecsElapsed()) / 1e3 / 2000;
    QCoreApplication::processEvents();
    qint64 runs = 0;
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state) {
        // What the host's attribute-change callback hands the port.
        maya->attribute_set(node(int(runs % 200)), brow, 0.001 * double(runs % 1000), false);
        ++runs;
    }
    const double us = double(timer.nsecsElapsed()) / 1e3 / double(qMax<qint64>(runs, 1));
    state.counters["update_us"] = us;
    state.counters["baseline_us"] = baselineUs;
    state.counters["ratio"] = us > 0 ? baselineUs / us : 0;
    state.SetLabel("200 sliders on 200 nodes, one attribute set");
    QCoreApplication::processEvents();
}
BENCHMARK(hostToPicker200)->Unit(benchmark::kMicrosecond);

// The same through the host: setAttr run as MEL, its callback, the port.
void setAttrThroughHost(benchmark::State& state)
{
    QDockWidget dock;
    picker_view* view = controls_window(&dock, 200);
    qbhost::HostSession& host = qbhost::HostSession::instance();
    qint64 runs = 0;
    for (auto _ : state) {
        host.executeMel(QStringLiteral("setAttr face:ctrl_%1.brow %2").arg(runs % 200).arg(0.001 * double(runs % 1000)),
                        nullptr, false);
        ++runs;
    }
    benchmark::DoNotOptimize(view->controls().readings().size());
    state.SetLabel("setAttr in MEL, with its callback, 200 sliders");
    QCoreApplication::processEvents();
}
BENCHMARK(setAttrThroughHost)->Unit(benchmark::kMicrosecond);

} // namespace
