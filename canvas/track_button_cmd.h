#ifndef QB_CANVAS_TRACK_BUTTON_CMD_H
#define QB_CANVAS_TRACK_BUTTON_CMD_H
#include "canvas/picker_mouse_cmd.h"
#include <QtCore/QPointer>
#include <QtCore/QRect>

class picker_view;
struct buttonRecord;

// The left-button tracker on a command button: the button shows pressed
// while the pointer is over it, and its script runs when released there;
// mirrored (an Alt-click), the script runs with the other side's names.
class track_button_cmd : public picker_mouse_cmd
{
public:
    track_button_cmd(picker_view* view, QPoint const& press, const buttonRecord* button, bool mirrored = false);

    void update(QPoint const& point, int modifiers) override;
    void finish() override;

private:
    // False when the canvas's list changed under the drag.
    bool button_there() const;

    QPointer<picker_view> view_;
    int index_;
    QRect rect_;
    quint64 generation_;
    bool mirrored_;
};
#endif
