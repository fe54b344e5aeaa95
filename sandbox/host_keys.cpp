#include "sandbox/host_keys.h"
#include <QtGui/QKeyEvent>
#include <QAction>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>

namespace {

void collect_actions(const QList<QAction*>& actions, QList<QPointer<QAction>>* out)
{
    for (QAction* a : actions) {
        if (a->menu())
            collect_actions(a->menu()->actions(), out);
        else if (!a->isSeparator())
            out->append(a);
    }
}

} // namespace

host_keys::host_keys(QMainWindow* mainWindow, const QList<QDockWidget*>& ownDocks)
    : QObject(mainWindow), mainWindow_(mainWindow)
{
    for (QDockWidget* d : ownDocks)
        ownDocks_.append(d);
    qApp->installEventFilter(this);
}

host_keys::~host_keys()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

QDockWidget* host_keys::panelOf(QWidget* widget) const
{
    if (!mainWindow_)
        return nullptr;
    for (QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        QDockWidget* dock = qobject_cast<QDockWidget*>(w);
        if (!dock || dock->parentWidget() != mainWindow_)
            continue;
        if (!ownDocks_.contains(dock))
            return dock;
    }
    return nullptr;
}

bool host_keys::triggerMenuShortcut(const QKeyEvent* event) const
{
    if (!mainWindow_ || !mainWindow_->menuBar())
        return false;
    const QKeySequence pressed(int(event->modifiers()) | event->key());
    QList<QPointer<QAction>> actions;
    collect_actions(mainWindow_->menuBar()->actions(), &actions);
    for (const QPointer<QAction>& a : actions) {
        if (!a || !a->isEnabled() || !a->shortcuts().contains(pressed))
            continue;
        // Once the key event is done: the action may run a dialog's loop or
        // quit the host, and the panel's window is still delivering it.
        const QPointer<QAction> action = a;
        QMetaObject::invokeMethod(
            a, [action]() {
                if (action && action->isEnabled())
                    action->activate(QAction::Trigger);
            },
            Qt::QueuedConnection);
        return true;
    }
    return false;
}

bool host_keys::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) || !watched->isWidgetType())
        return false;
    QWidget* widget = static_cast<QWidget*>(watched);
    QDockWidget* panel = panelOf(widget);
    if (!panel)
        return false;
    QKeyEvent* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::ShortcutOverride) {
        // The panel wants every key as a key press: no shortcut of the main
        // window's map is tried while it has focus.
        key->accept();
        return true;
    }
    // A key press reaches the dock itself only when every widget of the
    // panel under the focus has left it unhandled (or nothing in it has
    // focus): now it is the main window's.
    if (widget != panel)
        return false;
    if (!triggerMenuShortcut(key))
        return false;
    key->accept();
    return true;
}
