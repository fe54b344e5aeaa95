#ifndef QB_CANVAS_SHIFT_PICKER_CMD_H
#define QB_CANVAS_SHIFT_PICKER_CMD_H
#include "canvas/picker_mouse_cmd.h"

class picker_view;

// Pan drag: the picker follows the pointer from where it was at the press.
class shift_picker_cmd : public picker_mouse_cmd
{
public:
    shift_picker_cmd(picker_view* view, const QPoint& press);
    void update(const QPoint& point, int modifiers) override;
    void finish() override;

private:
    picker_view* view_;
    QPoint press_;
    QPoint last_;
    QPoint startShift_;
};
#endif
