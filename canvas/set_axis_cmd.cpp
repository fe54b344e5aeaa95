#include "canvas/set_axis_cmd.h"
#include "canvas/picker_view.h"
#include "edit/change_mirror_cmd.h"

set_axis_cmd::set_axis_cmd(picker_view* view) : view_(view) {}

void set_axis_cmd::press(QPoint const& point)
{
    press_ = point;
    pressed_ = true;
}

void set_axis_cmd::update(QPoint const&, int) {}

void set_axis_cmd::finish()
{
    if (!view_)
        return;
    view_->adjustCursor(true);
    if (!pressed_)
        return;
    picker_document* document = view_->document();
    mirror_settings settings = document->mirror();
    settings.hasAxis = true;
    settings.axis = view_->mapToPicker(press_).x();
    if (settings != document->mirror())
        document->undoStack()->push(new change_mirror_cmd(document, settings, picker_view::tr("Set Mirror Axis")));
}
