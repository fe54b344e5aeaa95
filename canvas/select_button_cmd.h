#ifndef QB_CANVAS_SELECT_BUTTON_CMD_H
#define QB_CANVAS_SELECT_BUTTON_CMD_H
#include "canvas/picker_mouse_cmd.h"
#include "model/button_set.h"
#include <QtCore/QPoint>
#include <QtCore/QPointer>
#include <QtCore/QVector>

class picker_view;
struct buttonRecord;

// The left-button tracker on selection buttons and empty canvas: a click
// selects, a drag of 4 pixels or more becomes a rubber band, and with Ctrl
// held the selected buttons follow the mouse and the drag is pushed as one
// move command on release. With Alt (and without Ctrl) it selects the
// other side: the nodes of the mirrored names of what it clicks or bands,
// with Shift added to the selection together with their own.
class select_button_cmd : public picker_mouse_cmd
{
public:
    select_button_cmd(picker_view* view, QPoint const& press, int modifiers);

    void update(QPoint const& point, int modifiers) override;
    void finish() override;

    void save_buttons();
    void move_buttons();

    enum class phase { click, marquee, move };
    phase current_phase() const;

private:
    void select_band(const QRect& band);
    void select_mirrored(const QRect& band);
    void add_mirrored(const buttonRecord& button) const;
    QPoint delta() const;
    bool buttons_replaced() const;

    QPointer<picker_view> view_;
    QPoint press_;
    QPoint last_;
    button_set snapshot_;
    QVector<int> savedIndices_;
    QVector<QPoint> savedPositions_;
    bool additive_ = false;
    bool edit_ = false;
    bool started_ = false;
    bool moving_ = false;
    bool mirror_ = false;
    quint64 generation_ = 0;
};
#endif
