#ifndef QB_CANVAS_PICKER_MOUSE_CMD_H
#define QB_CANVAS_PICKER_MOUSE_CMD_H
#include <QtCore/QPoint>

// A mouse interaction in progress on a canvas, from press to release. The
// canvas decodes the events and feeds it canvas points; it owns the tracker
// and deletes it after finish().
class picker_mouse_cmd
{
public:
    virtual void update(const QPoint& point, int modifiers) = 0;
    virtual void finish() = 0;
    virtual ~picker_mouse_cmd();
};
#endif
