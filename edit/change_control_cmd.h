#ifndef QB_EDIT_CHANGE_CONTROL_CMD_H
#define QB_EDIT_CHANGE_CONTROL_CMD_H
#include "model/buttonAttributes.h"
#include <QUndoCommand>

class picker_document;

// A control edited through its editor: its attributes, range and track,
// swapped with what it had.
class change_control_cmd : public QUndoCommand
{
public:
    change_control_cmd(picker_document* document, int index, const buttonAttributes& edited);

    int id() const override;
    void redo() override;
    void undo() override;

private:
    void swap();

    picker_document* document_;
    int index_;
    buttonAttributes other_;
};
#endif
