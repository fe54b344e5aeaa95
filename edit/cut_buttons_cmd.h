#ifndef QB_EDIT_CUT_BUTTONS_CMD_H
#define QB_EDIT_CUT_BUTTONS_CMD_H
#include "model/buttonAttributes.h"
#include <QtCore/QList>
#include <QtCore/QVector>
#include <QUndoCommand>

class picker_document;

// Removes the selected buttons of a canvas; undo puts them back at their
// list positions, selected. The window copies attributes() to the
// clipboard before pushing it.
class cut_buttons_cmd : public QUndoCommand
{
public:
    explicit cut_buttons_cmd(picker_document* document);

    int id() const override;
    void redo() override;
    void undo() override;

    const QList<buttonAttributes>& attributes() const { return attributes_; }
    const QVector<int>& indices() const { return indices_; }

private:
    picker_document* document_;
    QVector<int> indices_;
    QList<buttonAttributes> attributes_;
};
#endif
