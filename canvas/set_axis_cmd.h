#ifndef QB_CANVAS_SET_AXIS_CMD_H
#define QB_CANVAS_SET_AXIS_CMD_H
#include "canvas/picker_mouse_cmd.h"
#include <QtCore/QPoint>
#include <QtCore/QPointer>

class picker_view;

// Set Mirror Axis: installed by the menu item, it waits for the next left
// press, and on its release puts the picker's vertical mirror axis at the
// press (one undo step). Replaced by another tracker before a press, it
// does nothing.
class set_axis_cmd : public picker_mouse_cmd
{
public:
    explicit set_axis_cmd(picker_view* view);

    // The canvas hands it the press it waits for.
    void press(QPoint const& point);
    void update(QPoint const& point, int modifiers) override;
    void finish() override;

private:
    QPointer<picker_view> view_;
    QPoint press_;
    bool pressed_ = false;
};
#endif
