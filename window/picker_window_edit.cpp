// The Picker menu's authoring items: each acts on the current canvas, and
// only while the host has something selected to make buttons for.
#include "window/picker_window.h"
#include "canvas/picker_view.h"

void picker_window::add_one_button()
{
    picker_view* view = frontPicker();
    if (selection_.isEmpty() || !view)
        return;
    view->add_one_button();
    view->frame_view();
}

void picker_window::add_many_buttons()
{
    picker_view* view = frontPicker();
    if (selection_.isEmpty() || !view)
        return;
    view->add_many_buttons();
    view->frame_view();
}

void picker_window::update_button()
{
    picker_view* view = frontPicker();
    if (selection_.isEmpty() || !view)
        return;
    view->update_button();
}
