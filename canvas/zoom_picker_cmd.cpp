#include "canvas/zoom_picker_cmd.h"
#include "canvas/picker_view.h"
#include "render/view_transform.h"

zoom_picker_cmd::zoom_picker_cmd(picker_view* view, const QPoint& press)
    : view_(view), press_(press), last_(press), startZoom_(float(view->zoom()))
{
}

void zoom_picker_cmd::update(const QPoint& point, int)
{
    if (point == last_)
        return;
    last_ = point;
    const int d = (point.x() - press_.x()) + (point.y() - press_.y());
    view_->setZoom(stepped_zoom(startZoom_, d, 20), press_);
}

void zoom_picker_cmd::finish() {}
