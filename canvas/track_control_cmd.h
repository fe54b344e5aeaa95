#ifndef QB_CANVAS_TRACK_CONTROL_CMD_H
#define QB_CANVAS_TRACK_CONTROL_CMD_H
#include "canvas/picker_mouse_cmd.h"
#include "model/button_control.h"
#include <QtCore/QPointF>
#include <QtCore/QPointer>
#include <QtCore/QStringList>
#include <memory>

class picker_view;

// The left-button tracker on a slider or pad: the handle follows the
// pointer, and the host is sent the latest value at most once per turn of
// the event loop, all of one drag inside one undo chunk, so that one host
// undo takes the drag back. Escape puts the value back where it began. On
// a toggle, a release over it steps the attribute to its next value.
class track_control_cmd : public picker_mouse_cmd
{
public:
    track_control_cmd(picker_view* view, int index, const QPoint& press);
    ~track_control_cmd() override;

    void update(const QPoint& point, int modifiers) override;
    void finish() override;
    // Escape: the value back to where the drag began, and the drag over.
    void cancel();

    // The texts that set every node's attributes (a pad: both) to value.
    static QString set_text(const QStringList& nodes, const QStringList& attributes, const QPointF& value);
    // Ctrl-click: every attribute back to its default, one undo step.
    static void reset_to_default(picker_view* view, int index);

    struct queue; // what is yet to go to the host, shared with the turn's flush

private:
    bool control_there() const;
    void send_now();

    QPointer<picker_view> view_;
    int index_;
    quint64 generation_;
    button_control control_;
    QStringList nodes_;
    QPointF start_;
    QPointF value_;
    QRect rect_; // canvas box at the press
    bool live_ = false; // a usable slider or pad
    bool over_ = true;  // a toggle: the pointer is over it
    std::shared_ptr<queue> queue_;
};
#endif
