#include "ui/shortcut_dispatch.h"
#include <QtGui/QKeyEvent>
#include <QtCore/QPointer>
#include <QAction>

void shortcut_dispatch::set_widget_shortcut(QAction* action, const QKeySequence& sequence)
{
    action->setShortcut(sequence);
    action->setShortcutContext(Qt::WidgetShortcut);
}

void shortcut_dispatch::set_widget_shortcuts(QAction* action, const QList<QKeySequence>& sequences)
{
    action->setShortcuts(sequences);
    action->setShortcutContext(Qt::WidgetShortcut);
}

bool shortcut_dispatch::trigger_matching(const QList<QAction*>& actions, const QKeyEvent* event)
{
    const QKeySequence pressed(int(event->modifiers()) | event->key());
    // A triggered action may delete others (closing a tab takes its canvas's
    // actions with it): hold them by guarded pointers.
    QList<QPointer<QAction>> guarded;
    for (QAction* a : actions)
        guarded.append(a);
    bool matched = false;
    for (const QPointer<QAction>& action : guarded) {
        if (!action || !action->isEnabled())
            continue;
        for (const QKeySequence& s : action->shortcuts()) {
            if (s == pressed) {
                action->activate(QAction::Trigger);
                matched = true;
                break;
            }
        }
    }
    return matched;
}
