#include "canvas/shift_picker_cmd.h"
#include "canvas/picker_view.h"

shift_picker_cmd::shift_picker_cmd(picker_view* view, const QPoint& press)
    : view_(view), press_(press), last_(press), startShift_(view->shift())
{
}

void shift_picker_cmd::update(const QPoint& point, int)
{
    if (point == last_)
        return;
    view_->setShift(startShift_ + (point - press_));
    last_ = point;
}

void shift_picker_cmd::finish() {}
