#include "edit/nudge_buttons_cmd.h"
#include "document/picker_document.h"
#include "edit/undo_ids.h"

nudge_buttons_cmd::nudge_buttons_cmd(picker_document* document, QPoint const& delta)
    : QUndoCommand(QObject::tr("Button Move")), document_(document), delta_(delta)
{
    indices_ = document->selected_indices();
    for (int i : indices_)
        starts_.append(document->buttons()[i].position);
}

int nudge_buttons_cmd::id() const
{
    return nudge_buttons_id;
}

void nudge_buttons_cmd::redo()
{
    place(true);
}

void nudge_buttons_cmd::undo()
{
    place(false);
}

bool nudge_buttons_cmd::mergeWith(QUndoCommand const* other)
{
    if (other->id() != id())
        return false;
    const nudge_buttons_cmd* next = static_cast<const nudge_buttons_cmd*>(other);
    if (next->indices_ != indices_)
        return false;
    delta_ += next->delta_;
    return true;
}

void nudge_buttons_cmd::place(bool moved)
{
    if (indices_.isEmpty())
        return;
    const int count = document_->buttons().size();
    for (int i = 0; i < indices_.size(); ++i)
        if (indices_[i] < count)
            document_->move_button(indices_[i], moved ? starts_[i] + delta_ : starts_[i]);
    document_->edit_done();
}
