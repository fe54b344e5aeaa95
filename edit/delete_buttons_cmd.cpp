#include "edit/delete_buttons_cmd.h"
#include "document/picker_document.h"
#include "edit/saved_buttons.h"
#include "edit/undo_ids.h"

delete_buttons_cmd::delete_buttons_cmd(picker_document* document) : QUndoCommand(QObject::tr("Delete Button")), document_(document)
{
    save_selected_buttons(document, indices_, attributes_);
    if (indices_.size() > 1)
        setText(QObject::tr("Delete Buttons"));
}

int delete_buttons_cmd::id() const
{
    return delete_buttons_id;
}

void delete_buttons_cmd::redo()
{
    remove_buttons(document_, indices_);
    if (indices_.isEmpty())
        return;
    document_->edit_done();
}

void delete_buttons_cmd::undo()
{
    restore_buttons(document_, indices_, attributes_);
}
