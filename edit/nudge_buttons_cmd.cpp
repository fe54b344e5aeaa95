#include "edit/nudge_buttons_cmd.h"
#include "canvas/picker_view.h"
#include "edit/undo_ids.h"

nudge_buttons_cmd::nudge_buttons_cmd(picker_view* view, QPoint const& delta)
    : QUndoCommand(QObject::tr("Button Move")), view_(view), delta_(delta)
{
    const QList<buttonRecord>& buttons = view->buttons();
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons[i].state != 1)
            continue;
        indices_.append(i);
        starts_.append(buttons[i].position);
    }
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
    const int count = view_->buttons().size();
    for (int i = 0; i < indices_.size(); ++i)
        if (indices_[i] < count)
            view_->button(indices_[i])->moveTo(moved ? starts_[i] + delta_ : starts_[i]);
    view_->update();
    emit view_->changed();
    view_->update_toolbox();
}
