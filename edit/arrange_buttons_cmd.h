#ifndef QB_EDIT_ARRANGE_BUTTONS_CMD_H
#define QB_EDIT_ARRANGE_BUTTONS_CMD_H
#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtCore/QVector>
#include <QUndoCommand>

class picker_document;

// Aligns or distributes the selected buttons. Everything is worked out at
// construction; undo returns each button to its own old place.
class arrange_buttons_cmd : public QUndoCommand
{
public:
    enum mode { align_horizontal = 0, align_vertical = 1, distribute_horizontal = 2, distribute_vertical = 3 };

    arrange_buttons_cmd(picker_document* document, int mode);

    int id() const override;
    void redo() override;
    void undo() override;

private:
    picker_document* document_;
    int mode_;
    QVector<int> indices_;   // ordered by the mode's key
    QVector<QPoint> olds_;   // parallel to indices_
    QPoint average_;
    // Spans the centres, widened so that its width and height are the next
    // multiple of the button count above the span.
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};
#endif
