#include "edit/delete_buttons_cmd.h"
#include "canvas/picker_view.h"
#include "edit/saved_buttons.h"
#include "edit/undo_ids.h"

delete_buttons_cmd::delete_buttons_cmd(picker_view* view) : QUndoCommand(QObject::tr("Delete Button")), view_(view)
{
    save_selected_buttons(view, indices_, attributes_);
    if (indices_.size() > 1)
        setText(QObject::tr("Delete Buttons"));
}

int delete_buttons_cmd::id() const
{
    return delete_buttons_id;
}

void delete_buttons_cmd::redo()
{
    remove_buttons(view_, indices_);
    if (indices_.isEmpty())
        return;
    view_->update();
    emit view_->changed();
    view_->update_toolbox();
}

void delete_buttons_cmd::undo()
{
    restore_buttons(view_, indices_, attributes_);
}
