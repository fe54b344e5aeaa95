#include "edit/cut_buttons_cmd.h"
#include "canvas/picker_view.h"
#include "edit/saved_buttons.h"
#include "edit/undo_ids.h"

cut_buttons_cmd::cut_buttons_cmd(picker_view* view) : QUndoCommand(QObject::tr("Cut Button")), view_(view)
{
    save_selected_buttons(view_, indices_, attributes_);
    if (attributes_.size() > 1)
        setText(QObject::tr("Cut Buttons"));
}

int cut_buttons_cmd::id() const
{
    return cut_buttons_id;
}

void cut_buttons_cmd::redo()
{
    remove_buttons(view_, indices_);
    // The buttons left stay in step with the host, as after a delete.
    view_->conform_to_selection();
    view_->update();
    emit view_->changed();
    view_->update_toolbox();
}

void cut_buttons_cmd::undo()
{
    restore_buttons(view_, indices_, attributes_);
    view_->conform_to_selection();
    view_->select_list(indices_, true);
    view_->update();
    emit view_->changed();
    view_->update_toolbox();
}
