#include "canvas/canvas_menu.h"
#include "canvas/add_manybuttons_cmd.h"
#include "canvas/picker_view.h"
#include "canvas/set_axis_cmd.h"
#include "document/host_port.h"
#include "document/picker_document.h"
#include "edit/add_button_cmd.h"
#include "edit/appearance_cmds.h"
#include "edit/change_control_cmd.h"
#include "edit/picker_controlDialog.h"
#include "edit/arrange_buttons_cmd.h"
#include "edit/delete_buttons_cmd.h"
#include "edit/mirror_buttons_cmd.h"
#include "edit/paste_buttons_cmd.h"
#include "edit/nudge_buttons_cmd.h"
#include "edit/picker_editCmdDialog.h"
#include "edit/update_buttons_cmd.h"
#include "model/control_outline.h"
#include "model/picker_image.h"
#include "model/window_selection.h"
#include "ui/nested_loop.h"
#include "ui/picker_dialogs.h"
#include "ui/qt_compat.h"
#include "ui/shortcut_dispatch.h"

#include <QtCore/QDir>
#include <QtCore/QPointer>
#include <QtGui/QIcon>
#include <QtGui/QMouseEvent>
#include <QAction>
#include <QtWidgets/QMenu>

#include <memory>

canvas_menu::canvas_menu(picker_view* view) : QObject(view), view_(view)
{
    make_actions();
}

QAction* canvas_menu::make_action(const QString& text, void (canvas_menu::*slot)())
{
    QAction* action = new QAction(text, view_);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, slot);
    view_->addAction(action); // the canvas's own dispatch searches this list
    return action;
}

QAction* canvas_menu::make_view_action(const QString& text, void (picker_view::*slot)())
{
    QAction* action = new QAction(text, view_);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, view_, slot);
    view_->addAction(action);
    return action;
}

void canvas_menu::make_actions()
{
    // Menu titles are plain text; entry titles are translated.
    menu_ = new QMenu(QString::fromLatin1("Picker"), view_);

    addOneAction_ = make_action(picker_view::tr("Add One Button"), &canvas_menu::add_one_button);
    addManyAction_ = make_action(picker_view::tr("Add Many Buttons"), &canvas_menu::add_many_buttons);
    updateAction_ = make_action(picker_view::tr("Update Button"), &canvas_menu::update_button);
    deleteAction_ = make_action(picker_view::tr("Delete Button"), &canvas_menu::delete_button);
    shortcut_dispatch::set_widget_shortcut(deleteAction_, QKeySequence(Qt::Key_Backspace));
    menu_->addActions({addOneAction_, addManyAction_});
    controlsMenu_ = menu_->addMenu(QString::fromLatin1("Add Buttons from Controls"));
    controlsMenu_->addActions({make_action(picker_view::tr("Front"), &canvas_menu::add_from_front),
                               make_action(picker_view::tr("Side"), &canvas_menu::add_from_side),
                               make_action(picker_view::tr("Top"), &canvas_menu::add_from_top)});
    menu_->addActions({updateAction_, deleteAction_});
    menu_->addSeparator();
    // Its text is set each time the menu opens (plain, not translated).
    commandAction_ = make_action(picker_view::tr("Add Command Button..."), &canvas_menu::add_command_button);
    setImageAction_ = make_action(picker_view::tr("Set Image..."), &canvas_menu::set_image);
    removeImageAction_ = make_action(picker_view::tr("Remove Image"), &canvas_menu::remove_image);
    menu_->addActions({commandAction_, setImageAction_, removeImageAction_});
    menu_->addSeparator();
    controlActions_[0] = make_action(picker_view::tr("Add Slider\u2026"), &canvas_menu::add_slider);
    controlActions_[1] = make_action(picker_view::tr("Add Pad\u2026"), &canvas_menu::add_pad);
    controlActions_[2] = make_action(picker_view::tr("Add Toggle\u2026"), &canvas_menu::add_toggle);
    menu_->addActions({controlActions_[0], controlActions_[1], controlActions_[2]});
    menu_->addSeparator();

    QAction* resetView = make_view_action(picker_view::tr("Reset View"), &picker_view::reset_view);
    shortcut_dispatch::set_widget_shortcut(resetView, QKeySequence(Qt::Key_H));
    QAction* frameView = make_view_action(picker_view::tr("Frame View"), &picker_view::frame_view);
    shortcut_dispatch::set_widget_shortcut(frameView, QKeySequence(Qt::Key_F));
    menu_->addActions({resetView, frameView});
    menu_->addSeparator();

    buttonsMenu_ = menu_->addMenu(QString::fromLatin1("Buttons"));
    const struct {
        const char* text;
        const char* icon;
        void (canvas_menu::*slot)();
    } arranging[] = {
        {"Align Horizontally", ":/resources/align-horizontal.png", &canvas_menu::align_horizontal},
        {"Align Vertically", ":/resources/align-vertical.png", &canvas_menu::align_vertical},
        {"Distribute Horizontally", ":/resources/distribute-horizontal.png", &canvas_menu::distribute_horizontal},
        {"Distribute Vertically", ":/resources/distribute-vertical.png", &canvas_menu::distribute_vertical},
    };
    for (const auto& a : arranging) {
        QAction* action = make_action(picker_view::tr(a.text), a.slot);
        action->setIcon(QIcon(QString::fromLatin1(a.icon)));
        buttonsMenu_->addAction(action);
    }
    buttonsMenu_->addSeparator();
    QAction* mirror = make_action(picker_view::tr("Mirror Buttons"), &canvas_menu::mirror_buttons);
    shortcut_dispatch::set_widget_shortcut(mirror, QKeySequence(Qt::Key_M));
    QAction* flip = make_action(picker_view::tr("Flip Buttons"), &canvas_menu::flip_buttons);
    shortcut_dispatch::set_widget_shortcut(flip, QKeySequence(Qt::SHIFT | Qt::Key_M));
    buttonsMenu_->addActions({mirror, flip});
    buttonsMenu_->addSeparator();
    QAction* increase = make_action(picker_view::tr("Increase Size"), &canvas_menu::adjust_size_up);
    // "+" is typed with Shift on many keyboards, and the dispatch compares
    // the whole modifier state.
    shortcut_dispatch::set_widget_shortcuts(
        increase, {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal),
                   QKeySequence(QString::fromLatin1("Shift++"), QKeySequence::NativeText)});
    QAction* decrease = make_action(picker_view::tr("Decrease Size"), &canvas_menu::adjust_size_down);
    shortcut_dispatch::set_widget_shortcut(decrease, QKeySequence(Qt::Key_Minus));
    buttonsMenu_->addActions({increase, decrease});

    // In no menu: only the keys reach them.
    const struct {
        const char* text;
        Qt::Key key;
        void (canvas_menu::*slot)();
    } nudges[] = {
        {"Nudge Left", Qt::Key_Left, &canvas_menu::nudge_left},
        {"Nudge Right", Qt::Key_Right, &canvas_menu::nudge_right},
        {"Nudge Up", Qt::Key_Up, &canvas_menu::nudge_up},
        {"Nudge Down", Qt::Key_Down, &canvas_menu::nudge_down},
    };
    for (const auto& n : nudges)
        shortcut_dispatch::set_widget_shortcut(make_action(picker_view::tr(n.text), n.slot), QKeySequence(n.key));
}

void canvas_menu::show_at(QMouseEvent* e, const QPoint&)
{
    const buttonRecord* b = view_->pressed_button();
    const picker_document* document = view_->document();
    const bool hostSelection = !window_selection::names().isEmpty();
    if (!b) {
        updateAction_->setEnabled(false);
        deleteAction_->setEnabled(document->any_selected());
    } else if (b->kind == kCommandButton) {
        updateAction_->setEnabled(false);
        deleteAction_->setEnabled(true);
    } else {
        updateAction_->setEnabled(hostSelection);
        deleteAction_->setEnabled(true);
    }
    addOneAction_->setEnabled(hostSelection);
    addManyAction_->setEnabled(true);
    controlsMenu_->setEnabled(hostSelection);
    setImageAction_->setEnabled(document->any_selected());
    bool pictured = false;
    for (const buttonRecord& button : document->buttons())
        pictured = pictured || (button.state == kSelected && !button.image.isEmpty());
    removeImageAction_->setEnabled(pictured);
    name_command_action();
    // A control's own entry edits it; the others add, with nodes to set.
    const buttonRecord* pressed = view_->pressed_button();
    static const char* const adds[] = {"Add Slider\u2026", "Add Pad\u2026", "Add Toggle\u2026"};
    static const char* const edits[] = {"Edit Slider\u2026", "Edit Pad\u2026", "Edit Toggle\u2026"};
    for (int k = 0; k < 3; ++k) {
        const bool edit = pressed && pressed->control.kind == k + 1;
        controlActions_[k]->setText(QString::fromUtf8(edit ? edits[k] : adds[k]));
        controlActions_[k]->setEnabled(edit || hostSelection);
    }

    // The menu runs its own event loop, in which a host callback (a scene
    // reset) may close this tab. An entry chosen acts before exec returns,
    // on a canvas still alive; after it, touch nothing unless it still is.
    QPointer<picker_view> self(view_);
    {
        const nested_loop loop(QStringLiteral("context menu"));
        menu_->exec(qt_compat::global_position(e), addOneAction_);
    }
    e->accept();
    if (!self)
        return;
    deleteAction_->setEnabled(true); // Backspace deletes whatever is selected later
    view_->setFocus(Qt::MouseFocusReason);
    view_->adjustCursor(false);
}

void canvas_menu::name_command_action()
{
    // Plain texts: the entry keeps one translated title only at creation.
    const buttonRecord* pressed = view_->pressed_button();
    const bool edit = pressed && pressed->kind == kCommandButton;
    commandAction_->setText(QString::fromLatin1(edit ? "Edit Command Button..." : "Add Command Button..."));
}

// ---- edits

void canvas_menu::add_one_button()
{
    picker_document* document = view_->document();
    document->undoStack()->push(new add_button_cmd(document, view_->mapToPicker(view_->pressPoint_),
                                                   view_->defaults(), window_selection::names(),
                                                   picker_view::tr("Add One Button")));
}

void canvas_menu::add_slider()
{
    add_control(button_control::Slider);
}

void canvas_menu::add_pad()
{
    add_control(button_control::Pad);
}

void canvas_menu::add_toggle()
{
    add_control(button_control::Toggle);
}

void canvas_menu::add_control(int kind)
{
    picker_document* document = view_->document();
    QPointer<picker_view> self(view_);
    const buttonRecord* pressed = view_->pressed_button();
    if (pressed && pressed->control.kind == kind) {
        const int index = document->index_of(pressed);
        buttonAttributes edited = pressed->attributes();
        // The editor's loop lets host callbacks run: the canvas may be gone
        // after it, or its list changed.
        const quint64 generation = document->generation();
        if (!picker_controlDialog::do_dialog(view_, &edited) || !self || document->generation() != generation
            || !document->valid_index(index))
            return;
        if (edited != document->buttons()[index].attributes())
            document->undoStack()->push(new change_control_cmd(document, index, edited));
        return;
    }
    if (window_selection::names().isEmpty())
        return;
    static const char* const undoTexts[] = {"", "Add Slider", "Add Pad", "Add Toggle"};
    auto command = std::make_unique<add_button_cmd>(document, view_->mapToPicker(view_->pressPoint_),
                                                    view_->defaults(), window_selection::names(),
                                                    picker_view::tr(undoTexts[kind]));
    buttonAttributes* attributes = command->attributes();
    attributes->label.clear(); // the track is the control's face
    attributes->control.kind = button_control::kind_t(kind);
    attributes->control.attributes = QStringList();
    if (kind == button_control::Pad)
        attributes->control.attributes = QStringList{QString(), QString()};
    if (!picker_controlDialog::do_dialog(view_, attributes) || !self)
        return;
    document->undoStack()->push(command.release());
}

void canvas_menu::add_many_buttons()
{
    view_->set_tracker(new add_manybuttons_cmd(view_));
    view_->adjustCursor(true);
}

void canvas_menu::update_button()
{
    picker_document* document = view_->document();
    if (document->any_selected())
        document->undoStack()->push(
            new update_buttons_cmd(document, view_->pressed_button(), window_selection::names()));
}

void canvas_menu::delete_button()
{
    picker_document* document = view_->document();
    if (document->any_selected())
        document->undoStack()->push(new delete_buttons_cmd(document));
}

void canvas_menu::nudge_buttons(int dx, int dy)
{
    picker_document* document = view_->document();
    if (document->any_selected())
        document->undoStack()->push(new nudge_buttons_cmd(document, QPoint(dx, dy)));
}

void canvas_menu::nudge_left()
{
    nudge_buttons(-1, 0);
}

void canvas_menu::nudge_right()
{
    nudge_buttons(1, 0);
}

void canvas_menu::nudge_up()
{
    nudge_buttons(0, -1);
}

void canvas_menu::nudge_down()
{
    nudge_buttons(0, 1);
}

void canvas_menu::arrange(int mode)
{
    picker_document* document = view_->document();
    document->undoStack()->push(new arrange_buttons_cmd(document, mode));
}

void canvas_menu::align_horizontal()
{
    arrange(arrange_buttons_cmd::align_horizontal);
}

void canvas_menu::align_vertical()
{
    arrange(arrange_buttons_cmd::align_vertical);
}

void canvas_menu::distribute_horizontal()
{
    arrange(arrange_buttons_cmd::distribute_horizontal);
}

void canvas_menu::distribute_vertical()
{
    arrange(arrange_buttons_cmd::distribute_vertical);
}

void canvas_menu::adjust_size_up()
{
    picker_document* document = view_->document();
    if (document->any_selected())
        document->undoStack()->push(new adjust_size_cmd(document, 1));
}

void canvas_menu::adjust_size_down()
{
    picker_document* document = view_->document();
    if (document->any_selected())
        document->undoStack()->push(new adjust_size_cmd(document, -1));
}

void canvas_menu::mirror_buttons()
{
    picker_document* document = view_->document();
    std::unique_ptr<mirror_buttons_cmd> command(new mirror_buttons_cmd(document, mirror_buttons_cmd::copy));
    // Only centre-line buttons selected (or none): nothing to undo.
    if (!command->is_empty())
        document->undoStack()->push(command.release());
}

void canvas_menu::flip_buttons()
{
    picker_document* document = view_->document();
    std::unique_ptr<mirror_buttons_cmd> command(new mirror_buttons_cmd(document, mirror_buttons_cmd::flip));
    if (!command->is_empty())
        document->undoStack()->push(command.release());
}

void canvas_menu::add_from_front()
{
    add_from_controls(int(control_view::Front));
}

void canvas_menu::add_from_side()
{
    add_from_controls(int(control_view::Side));
}

void canvas_menu::add_from_top()
{
    add_from_controls(int(control_view::Top));
}

void canvas_menu::add_from_controls(int which)
{
    const control_view view = control_view(which);
    const QStringList names = window_selection::names();
    if (names.isEmpty())
        return;
    host_port& host = host_port::current();
    const QList<control_curves> controls = host.curves_of(names);
    // A rig's arrangement fills most of what the canvas shows; one control
    // alone gets a box a few buttons wide where the menu was opened.
    const int size = qMax(1, view_->defaults().size);
    QRect area;
    if (controls.size() == 1) {
        area = QRect(0, 0, 4 * size, 4 * size);
        area.moveCenter(view_->mapToPicker(view_->pressPoint_));
    } else {
        const QRect shown = view_->mapToPicker(view_->rect());
        area = QRect(0, 0, qMax(size, shown.width() * 4 / 5), qMax(size, shown.height() * 4 / 5));
        area.moveCenter(shown.center());
    }
    const control_buttons made = buttons_from_controls(controls, view, area, view_->defaults());
    const QString report = control_buttons_report(made, view);
    if (!report.isEmpty())
        host.warn(report);
    if (made.buttons.isEmpty())
        return;
    picker_document* document = view_->document();
    auto* command = new paste_buttons_cmd(document, view_, made.buttons, true);
    command->setText(picker_view::tr("Add Buttons from Controls"));
    document->undoStack()->push(command);
}

void canvas_menu::set_mirror_axis()
{
    view_->set_tracker(new set_axis_cmd(view_));
    view_->adjustCursor(true);
}

// ---- command buttons and the background: each runs a dialog

void canvas_menu::add_command_button()
{
    QPointer<picker_view> self(view_);
    picker_document* document = view_->document();
    const int index = view_->button_index_at(view_->pressPoint_);
    if (index >= 0 && document->buttons()[index].kind == kCommandButton) {
        // Edited on a copy, written back only when accepted: a cancelled
        // edit leaves the button as it was, even after Test.
        const quint64 generation = document->generation();
        buttonAttributes copy = document->buttons()[index].attributes();
        const bool accepted = picker_editCmdDialog::do_dialog(view_, &copy);
        if (!self || !accepted)
            return;
        // The editor's event loop may have let the list change under it;
        // then the position no longer names the edited button.
        if (document->generation() != generation || !document->valid_index(index))
            return;
        document->set_button_attributes(index, copy);
        document->edit_done();
        return;
    }
    std::unique_ptr<add_button_cmd> command(new add_button_cmd(
        document, view_->mapToPicker(view_->pressPoint_), view_->defaults(), picker_view::tr("Add Command Button"),
        kMelScript, QString(), QString()));
    const bool accepted = picker_editCmdDialog::do_dialog(view_, command->attributes());
    if (!self || !accepted)
        return; // unpushed, so nothing half-made reaches the stack
    document->undoStack()->push(command.release());
}

void canvas_menu::change_background()
{
    // Every dialog here runs its own event loop, during which the host may
    // close this tab (a new scene): check before touching anything after.
    QPointer<picker_view> self(view_);
    picker_document* document = view_->document();
    picker_dialogs& dialogs = picker_dialogs::current();
    const QString path = dialogs.getOpenFileName(view_, picker_view::tr("Choose Background"), QString(),
                                                 picker_view::tr("Images (*.png *.xpm *.jpg)"));
    if (!self)
        return;
    if (!path.isEmpty()) {
        const QPixmap image(path);
        if (image.isNull()) {
            // An unreadable file must not cost the picker its current image.
            dialogs.warning(view_, picker_view::tr("Background"),
                            picker_view::tr("Could not read the image \"%1\".").arg(QDir::toNativeSeparators(path)),
                            QMessageBox::Ok, QMessageBox::NoButton);
            return;
        }
        // Named by content: a name from a counter of this process would be
        // given again tomorrow, to another picture.
        QString name = contentImageName(image.toImage());
        if (name.isEmpty())
            name = QString::number(image.cacheKey());
        document->choose_background(name, image);
        return;
    }
    if (document->background().isNull())
        return;
    const QMessageBox::StandardButton answer =
        dialogs.question(view_, picker_view::tr("Background"), picker_view::tr("Remove current background image?"),
                         QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
    if (!self || answer != QMessageBox::Yes)
        return;
    document->choose_background(QStringLiteral("0"), QPixmap());
}

void canvas_menu::set_image()
{
    QPointer<picker_view> self(view_);
    picker_dialogs& dialogs = picker_dialogs::current();
    const QString path = dialogs.getOpenFileName(view_, picker_view::tr("Choose Image"), QString(),
                                                 picker_view::tr("Images (*.png *.xpm *.jpg)"));
    if (!self || path.isEmpty())
        return;
    QImage image(path);
    if (image.isNull() || qint64(image.width()) * image.height() > kMaxImagePixels) {
        dialogs.warning(view_, picker_view::tr("Image"),
                        picker_view::tr("Could not read the image \"%1\".").arg(QDir::toNativeSeparators(path)),
                        QMessageBox::Ok, QMessageBox::NoButton);
        return;
    }
    picker_document* document = view_->document();
    if (!document->any_selected())
        return;
    // Kept once in the picker by its content, whichever buttons show it.
    const QString name = document->add_picture(image);
    if (!name.isEmpty())
        document->undoStack()->push(new change_image_cmd(document, name));
}

void canvas_menu::remove_image()
{
    picker_document* document = view_->document();
    if (document->any_selected())
        document->undoStack()->push(new change_image_cmd(document, QString()));
}
