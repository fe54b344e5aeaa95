#ifndef QB_CANVAS_ZOOM_PICKER_CMD_H
#define QB_CANVAS_ZOOM_PICKER_CMD_H
#include "canvas/picker_mouse_cmd.h"

class picker_view;

// Zoom drag about the press point: right or down zooms in, left or up out,
// one step per 20 pixels after the first 40.
class zoom_picker_cmd : public picker_mouse_cmd
{
public:
    zoom_picker_cmd(picker_view* view, const QPoint& press);
    void update(const QPoint& point, int modifiers) override;
    void finish() override;

private:
    picker_view* view_;
    QPoint press_;
    QPoint last_;
    float startZoom_;
};
#endif
