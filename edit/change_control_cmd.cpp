#include "edit/change_control_cmd.h"
#include "document/picker_document.h"
#include "edit/undo_ids.h"

change_control_cmd::change_control_cmd(picker_document* document, int index, const buttonAttributes& edited)
    : QUndoCommand(QObject::tr("Edit Control")), document_(document), index_(index), other_(edited)
{
}

int change_control_cmd::id() const
{
    return change_control_id;
}

void change_control_cmd::swap()
{
    if (!document_->valid_index(index_))
        return;
    const buttonAttributes now = document_->buttons()[index_].attributes();
    document_->set_button_attributes(index_, other_);
    other_ = now;
    document_->edit_done();
}

void change_control_cmd::redo()
{
    swap();
}

void change_control_cmd::undo()
{
    swap();
}
