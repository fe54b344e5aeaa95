#include "canvas/track_button_cmd.h"
#include "canvas/picker_view.h"

track_button_cmd::track_button_cmd(picker_view* view, QPoint const& press, buttonRecord* button)
    : view_(view),
      index_(view->index_of(button)),
      rect_(view->mapToScreen(button->rect)),
      generation_(view->buttons_generation())
{
    update(press, 0);
}

buttonRecord* track_button_cmd::button() const
{
    if (!view_ || view_->buttons_generation() != generation_ || index_ < 0 || index_ >= view_->buttons().size())
        return nullptr;
    return view_->button(index_);
}

void track_button_cmd::update(QPoint const& point, int)
{
    buttonRecord* b = button();
    if (!b)
        return;
    const int inside = rect_.contains(point) ? 1 : 0;
    if (b->state == inside)
        return;
    if (inside)
        b->select(false);
    else
        b->unselect(false);
    view_->update();
}

void track_button_cmd::finish()
{
    buttonRecord* b = button();
    if (!b || b->state == 0) {
        if (view_)
            view_->update_toolbox();
        return;
    }
    // Copied: the script may be queued after the list changes.
    const buttonAttributes attributes = b->attributes();
    view_->do_button_action(attributes);
    if ((b = button()))
        b->unselect(false);
    view_->update();
    view_->update_toolbox();
}
