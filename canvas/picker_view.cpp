#include "canvas/picker_view.h"
#include "window/picker_window.h"

picker_view::picker_view(picker_window* window) : QWidget(window), window_(window)
{
    setMouseTracking(true);
}

picker_view::~picker_view() = default;
