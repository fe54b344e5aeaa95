#ifndef QB_CANVAS_ADD_MANYBUTTONS_CMD_H
#define QB_CANVAS_ADD_MANYBUTTONS_CMD_H
#include "canvas/picker_mouse_cmd.h"
#include <QtCore/QPoint>
#include <QtCore/QPointer>
#include <QtCore/QVector>

class picker_view;

// Lays out one button per selected node while the user drags: installed
// by the Add Many Buttons action, it waits for the next press, makes a row
// there and spreads it along the drag. Its buttons are made outside the
// undo stack and stay when the tracker goes.
class add_manybuttons_cmd : public picker_mouse_cmd
{
public:
    explicit add_manybuttons_cmd(picker_view* view);

    void update(QPoint const& point, int modifiers) override;
    void finish() override;

    void set_pressed() { pressed_ = true; }

private:
    void create(QPoint const& point);
    void spread(QPoint const& point);

    QPointer<picker_view> view_;
    QVector<int> created_;
    QPoint start_;
    bool started_ = false;
    bool pressed_ = false;
};
#endif
