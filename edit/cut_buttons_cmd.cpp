#include "edit/cut_buttons_cmd.h"
#include "document/picker_document.h"
#include "edit/saved_buttons.h"
#include "edit/undo_ids.h"

cut_buttons_cmd::cut_buttons_cmd(picker_document* document) : QUndoCommand(QObject::tr("Cut Button")), document_(document)
{
    save_selected_buttons(document_, indices_, attributes_);
    if (attributes_.size() > 1)
        setText(QObject::tr("Cut Buttons"));
}

int cut_buttons_cmd::id() const
{
    return cut_buttons_id;
}

void cut_buttons_cmd::redo()
{
    remove_buttons(document_, indices_);
    // The buttons left stay in step with the host, as after a delete.
    document_->conform_to_selection();
    document_->edit_done();
}

void cut_buttons_cmd::undo()
{
    restore_buttons(document_, indices_, attributes_);
    document_->conform_to_selection();
    document_->select_list(indices_, true);
    document_->edit_done();
}
