// Command buttons on the canvas: the context menu's command entry and the
// editor it opens.
#include "canvas/picker_view.h"
#include "edit/add_button_cmd.h"
#include "edit/picker_editCmdDialog.h"

#include <QtCore/QPointer>
#include <QAction>

#include <memory>

void picker_view::name_command_action()
{
    // Plain texts: the entry keeps one translated title only at creation.
    const bool edit = pressed_ && pressed_->kind == kCommandButton;
    commandAction_->setText(QString::fromLatin1(edit ? "Edit Command Button..." : "Add Command Button..."));
}

void picker_view::add_command_button()
{
    QPointer<picker_view> self(this);
    buttonRecord* b = find_button(pressPoint_);
    if (b && b->kind == kCommandButton) {
        // Edited on a copy, written back only when accepted: a cancelled
        // edit leaves the button as it was, even after Test.
        const int index = index_of(b);
        const quint64 generation = generation_;
        buttonAttributes copy = b->attributes();
        const bool accepted = picker_editCmdDialog::do_dialog(this, &copy);
        if (!self || !accepted)
            return;
        // The editor's event loop may have let the list change under it;
        // then the position no longer names the edited button.
        if (generation_ != generation || index < 0 || index >= buttons_.size())
            return;
        buttonRecord& record = *button(index);
        static_cast<buttonAttributes&>(record) = copy;
        record.flags.resize(record.nodes.size());
        make_button_label(copy, &record);
        emit changed();
        update();
        return;
    }
    std::unique_ptr<add_button_cmd> command(
        new add_button_cmd(this, pressPoint_, tr("Add Command Button"), kMelScript, QString(), QString()));
    const bool accepted = picker_editCmdDialog::do_dialog(this, command->attributes());
    if (!self || !accepted)
        return; // unpushed, so nothing half-made reaches the stack
    undo_.push(command.release());
}
