#ifndef QB_EDIT_DELETE_BUTTONS_CMD_H
#define QB_EDIT_DELETE_BUTTONS_CMD_H
#include "model/buttonAttributes.h"
#include <QtCore/QList>
#include <QtCore/QVector>
#include <QUndoCommand>

class picker_document;

// Removes the fully selected buttons; undo puts each back at its old list
// position with its old attributes.
class delete_buttons_cmd : public QUndoCommand
{
public:
    explicit delete_buttons_cmd(picker_document* document);

    int id() const override;
    void redo() override;
    void undo() override;

private:
    picker_document* document_;
    QVector<int> indices_;
    QList<buttonAttributes> attributes_;
};
#endif
