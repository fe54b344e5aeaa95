// The canvas's edit slots: each pushes one command on the canvas's undo
// stack (add many excepted, which installs its tracker).
#include "canvas/picker_view.h"
#include "edit/add_button_cmd.h"
#include "edit/add_manybuttons_cmd.h"
#include "edit/arrange_buttons_cmd.h"
#include "edit/delete_buttons_cmd.h"
#include "edit/nudge_buttons_cmd.h"
#include "edit/update_buttons_cmd.h"
#include "window/picker_window.h"

void picker_view::add_one_button()
{
    undo_.push(new add_button_cmd(this, pressPoint_, tr("Add One Button")));
}

void picker_view::add_many_buttons()
{
    set_tracker(new add_manybuttons_cmd(this));
    adjustCursor(true);
}

void picker_view::update_button()
{
    if (any_selected())
        undo_.push(new update_buttons_cmd(this, pressed_, picker_window::selection_));
}

void picker_view::delete_button()
{
    if (any_selected())
        undo_.push(new delete_buttons_cmd(this));
}

void picker_view::nudge_buttons(int dx, int dy)
{
    if (any_selected())
        undo_.push(new nudge_buttons_cmd(this, QPoint(dx, dy)));
}

void picker_view::nudge_left()
{
    nudge_buttons(-1, 0);
}

void picker_view::nudge_right()
{
    nudge_buttons(1, 0);
}

void picker_view::nudge_up()
{
    nudge_buttons(0, -1);
}

void picker_view::nudge_down()
{
    nudge_buttons(0, 1);
}

void picker_view::align_horizontal()
{
    undo_.push(new arrange_buttons_cmd(this, arrange_buttons_cmd::align_horizontal));
}

void picker_view::align_vertical()
{
    undo_.push(new arrange_buttons_cmd(this, arrange_buttons_cmd::align_vertical));
}

void picker_view::distribute_horizontal()
{
    undo_.push(new arrange_buttons_cmd(this, arrange_buttons_cmd::distribute_horizontal));
}

void picker_view::distribute_vertical()
{
    undo_.push(new arrange_buttons_cmd(this, arrange_buttons_cmd::distribute_vertical));
}
