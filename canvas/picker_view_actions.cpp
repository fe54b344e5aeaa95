// The canvas's actions: its context menu "Picker" with the "Buttons"
// submenu, the keyboard-only nudges, and how the menu is shown and which of
// its entries are live.
#include "canvas/picker_view.h"
#include "canvas/qt_compat.h"
#include "window/nested_loop.h"
#include "window/picker_window.h"
#include "window/shortcut_dispatch.h"

#include <QtCore/QPointer>
#include <QtGui/QIcon>
#include <QtGui/QMouseEvent>
#include <QAction>
#include <QtWidgets/QMenu>

QAction* picker_view::make_action(const QString& text, void (picker_view::*slot)())
{
    QAction* action = new QAction(text, this);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, slot);
    addAction(action); // the canvas's own dispatch searches this list
    return action;
}

void picker_view::make_actions()
{
    // Menu titles are plain text; entry titles are translated.
    menu_ = new QMenu(QString::fromLatin1("Picker"), this);

    addOneAction_ = make_action(tr("Add One Button"), &picker_view::add_one_button);
    addManyAction_ = make_action(tr("Add Many Buttons"), &picker_view::add_many_buttons);
    updateAction_ = make_action(tr("Update Button"), &picker_view::update_button);
    deleteAction_ = make_action(tr("Delete Button"), &picker_view::delete_button);
    setWidgetShortcut(deleteAction_, QKeySequence(Qt::Key_Backspace));
    menu_->addActions({addOneAction_, addManyAction_, updateAction_, deleteAction_});
    menu_->addSeparator();
    // Its text is set each time the menu opens (plain, not translated).
    commandAction_ = make_action(tr("Add Command Button..."), &picker_view::add_command_button);
    menu_->addAction(commandAction_);
    menu_->addSeparator();

    resetViewAction_ = make_action(tr("Reset View"), &picker_view::reset_view);
    setWidgetShortcut(resetViewAction_, QKeySequence(Qt::Key_H));
    frameViewAction_ = make_action(tr("Frame View"), &picker_view::frame_view);
    setWidgetShortcut(frameViewAction_, QKeySequence(Qt::Key_F));
    menu_->addActions({resetViewAction_, frameViewAction_});
    menu_->addSeparator();

    buttonsMenu_ = menu_->addMenu(QString::fromLatin1("Buttons"));
    alignHorizontalAction_ = make_action(tr("Align Horizontally"), &picker_view::align_horizontal);
    alignHorizontalAction_->setIcon(QIcon(QString::fromLatin1(":/resources/align-horizontal.png")));
    alignVerticalAction_ = make_action(tr("Align Vertically"), &picker_view::align_vertical);
    alignVerticalAction_->setIcon(QIcon(QString::fromLatin1(":/resources/align-vertical.png")));
    distributeHorizontalAction_ = make_action(tr("Distribute Horizontally"), &picker_view::distribute_horizontal);
    distributeHorizontalAction_->setIcon(QIcon(QString::fromLatin1(":/resources/distribute-horizontal.png")));
    distributeVerticalAction_ = make_action(tr("Distribute Vertically"), &picker_view::distribute_vertical);
    distributeVerticalAction_->setIcon(QIcon(QString::fromLatin1(":/resources/distribute-vertical.png")));
    buttonsMenu_->addActions({alignHorizontalAction_, alignVerticalAction_, distributeHorizontalAction_,
                              distributeVerticalAction_});
    buttonsMenu_->addSeparator();
    increaseSizeAction_ = make_action(tr("Increase Size"), &picker_view::adjust_size_up);
    // "+" is typed with Shift on many keyboards, and the dispatch compares
    // the whole modifier state.
    shortcut_dispatch::set_widget_shortcuts(
        increaseSizeAction_, {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal),
                              QKeySequence(QString::fromLatin1("Shift++"), QKeySequence::NativeText)});
    decreaseSizeAction_ = make_action(tr("Decrease Size"), &picker_view::adjust_size_down);
    setWidgetShortcut(decreaseSizeAction_, QKeySequence(Qt::Key_Minus));
    buttonsMenu_->addActions({increaseSizeAction_, decreaseSizeAction_});

    // In no menu: only the keys reach them.
    nudgeLeftAction_ = make_action(tr("Nudge Left"), &picker_view::nudge_left);
    setWidgetShortcut(nudgeLeftAction_, QKeySequence(Qt::Key_Left));
    nudgeRightAction_ = make_action(tr("Nudge Right"), &picker_view::nudge_right);
    setWidgetShortcut(nudgeRightAction_, QKeySequence(Qt::Key_Right));
    nudgeUpAction_ = make_action(tr("Nudge Up"), &picker_view::nudge_up);
    setWidgetShortcut(nudgeUpAction_, QKeySequence(Qt::Key_Up));
    nudgeDownAction_ = make_action(tr("Nudge Down"), &picker_view::nudge_down);
    setWidgetShortcut(nudgeDownAction_, QKeySequence(Qt::Key_Down));
}

void picker_view::show_context_menu(QMouseEvent* e, const QPoint& point)
{
    buttonRecord* b = find_button(point);
    pressed_ = b;
    const bool hostSelection = !picker_window::selection_.isEmpty();
    if (!b) {
        updateAction_->setEnabled(false);
        deleteAction_->setEnabled(any_selected());
    } else if (b->kind == kCommandButton) {
        updateAction_->setEnabled(false);
        deleteAction_->setEnabled(true);
    } else {
        updateAction_->setEnabled(hostSelection);
        deleteAction_->setEnabled(true);
    }
    addOneAction_->setEnabled(hostSelection);
    addManyAction_->setEnabled(true);
    name_command_action();

    // The menu runs its own event loop, in which a host callback (a scene
    // reset) may close this tab. An entry chosen acts before exec returns,
    // on a canvas still alive; after it, touch nothing unless it still is.
    QPointer<picker_view> self(this);
    {
        const nested_loop loop(QStringLiteral("context menu"));
        menu_->exec(qt_compat::global_position(e), addOneAction_);
    }
    e->accept();
    if (!self)
        return;
    deleteAction_->setEnabled(true); // Backspace deletes whatever is selected later
    setFocus(Qt::MouseFocusReason);
    adjustCursor(false);
}
