#include "edit/change_mirror_cmd.h"
#include "document/picker_document.h"
#include "edit/undo_ids.h"

change_mirror_cmd::change_mirror_cmd(picker_document* document, const mirror_settings& settings, const QString& text)
    : QUndoCommand(text), document_(document), before_(document->mirror()), after_(settings)
{
}

int change_mirror_cmd::id() const
{
    return change_mirror_id;
}

void change_mirror_cmd::apply(const mirror_settings& settings)
{
    document_->set_mirror(settings);
    document_->edit_done();
}

void change_mirror_cmd::redo()
{
    apply(after_);
}

void change_mirror_cmd::undo()
{
    apply(before_);
}
