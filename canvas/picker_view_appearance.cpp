// The canvas's part of appearance editing: the size keys and the way back
// to the window's toolbox.
#include "canvas/picker_view.h"
#include "edit/appearance_cmds.h"
#include "window/picker_window.h"

void picker_view::adjust_size_up()
{
    if (any_selected())
        undo_.push(new adjust_size_cmd(this, 1));
}

void picker_view::adjust_size_down()
{
    if (any_selected())
        undo_.push(new adjust_size_cmd(this, -1));
}

void picker_view::update_toolbox() const
{
    if (window_)
        window_->updateControls();
}
