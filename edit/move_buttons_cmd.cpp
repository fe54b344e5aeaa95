#include "edit/move_buttons_cmd.h"
#include "canvas/picker_view.h"
#include "edit/undo_ids.h"

move_buttons_cmd::move_buttons_cmd(picker_view* view, QVector<QPoint> const& starts, QVector<int> const& indices,
                                   QPoint const& delta)
    : QUndoCommand(QObject::tr("Move Buttons")), view_(view), starts_(starts), indices_(indices), delta_(delta)
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
    const int count = view_->buttons().size();
    for (int i = 0; i < indices_.size() && i < starts_.size(); ++i) {
        if (indices_[i] < 0 || indices_[i] >= count)
            continue;
        view_->button(indices_[i])->moveTo(moved ? starts_[i] + delta_ : starts_[i]);
    }
    view_->update();
    emit view_->changed();
    view_->update_toolbox();
}
