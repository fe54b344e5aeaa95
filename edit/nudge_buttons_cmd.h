#ifndef QB_EDIT_NUDGE_BUTTONS_CMD_H
#define QB_EDIT_NUDGE_BUTTONS_CMD_H
#include <QtCore/QPoint>
#include <QtCore/QVector>
#include <QUndoCommand>

class picker_document;

// A keyboard nudge of the selected buttons. A run of nudges of the same
// buttons merges into one step that undoes back to where the run began.
class nudge_buttons_cmd : public QUndoCommand
{
public:
    nudge_buttons_cmd(picker_document* document, QPoint const& delta);

    int id() const override;
    void redo() override;
    void undo() override;
    bool mergeWith(QUndoCommand const* other) override;

private:
    void place(bool moved);

    picker_document* document_;
    QPoint delta_;
    QVector<int> indices_;
    QVector<QPoint> starts_;
};
#endif
