#ifndef QB_UI_SHORTCUT_DISPATCH_H
#define QB_UI_SHORTCUT_DISPATCH_H
// The host takes most keys before the toolkit's shortcut map sees them, so
// the window and the canvases match key presses against their own action
// lists. Shared by both.
#include <QtCore/QList>
#include <QtGui/QKeySequence>

class QAction;
class QKeyEvent;

class shortcut_dispatch
{
public:
    // One shortcut, live only while a widget holding the action has focus.
    static void set_widget_shortcut(QAction* action, const QKeySequence& sequence);
    // Several shortcuts for one action, all with widget context.
    static void set_widget_shortcuts(QAction* action, const QList<QKeySequence>& sequences);
    // Triggers every enabled action with a shortcut equal to the event's
    // modifiers and key; true when any was triggered.
    static bool trigger_matching(const QList<QAction*>& actions, const QKeyEvent* event);
};
#endif
