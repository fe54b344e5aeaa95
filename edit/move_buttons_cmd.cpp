#include "edit/move_buttons_cmd.h"
#include "document/picker_document.h"
#include "edit/undo_ids.h"

move_buttons_cmd::move_buttons_cmd(picker_document* document, QVector<QPoint> const& starts, QVector<int> const& indices,
                                   QPoint const& delta)
    : QUndoCommand(QObject::tr("Move Buttons")), document_(document), starts_(starts), indices_(indices), delta_(delta)
{
}

int move_buttons_cmd::id() const
{
    return move_buttons_id;
}

void move_buttons_cmd::redo()
{
    place(true);
}

void move_buttons_cmd::undo()
{
    place(false);
}

void move_buttons_cmd::place(bool moved)
{
    const int count = document_->buttons().size();
    for (int i = 0; i < indices_.size() && i < starts_.size(); ++i) {
        if (indices_[i] < 0 || indices_[i] >= count)
            continue;
        document_->move_button(indices_[i], moved ? starts_[i] + delta_ : starts_[i]);
    }
    document_->edit_done();
}
