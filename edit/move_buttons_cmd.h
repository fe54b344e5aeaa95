#ifndef QB_EDIT_MOVE_BUTTONS_CMD_H
#define QB_EDIT_MOVE_BUTTONS_CMD_H
#include <QtCore/QPoint>
#include <QtCore/QPointer>
#include <QtCore/QVector>
#include <QUndoCommand>

class picker_document;

// A finished Ctrl-drag of selected buttons. Pushed when the drag ends, with
// the buttons already at their new places; redo puts them there again.
class move_buttons_cmd : public QUndoCommand
{
public:
    move_buttons_cmd(picker_document* document, QVector<QPoint> const& starts, QVector<int> const& indices,
                     QPoint const& delta);

    int id() const override;
    void redo() override;
    void undo() override;

private:
    void place(bool moved);

    picker_document* document_;
    QVector<QPoint> starts_;
    QVector<int> indices_;
    QPoint delta_;
};
#endif
