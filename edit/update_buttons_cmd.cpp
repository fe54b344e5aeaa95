#include "edit/update_buttons_cmd.h"
#include "document/picker_document.h"
#include "edit/undo_ids.h"

update_buttons_cmd::update_buttons_cmd(picker_document* document, const buttonRecord* button,
                                       QStringList const& nodes)
    : QUndoCommand(QObject::tr("Button Update")), document_(document), index_(document->index_of(button)),
      nodes_(nodes)
{
}

int update_buttons_cmd::id() const
{
    return update_buttons_id;
}

void update_buttons_cmd::redo()
{
    if (!document_->valid_index(index_))
        return;
    const QStringList before = document_->buttons()[index_].nodes;
    document_->set_button_nodes(index_, nodes_);
    nodes_ = before;
    document_->select(index_, false);
    document_->conform_to_selection();
    document_->edit_done();
}

void update_buttons_cmd::undo()
{
    redo();
}
