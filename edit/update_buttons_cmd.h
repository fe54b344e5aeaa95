#ifndef QB_EDIT_UPDATE_BUTTONS_CMD_H
#define QB_EDIT_UPDATE_BUTTONS_CMD_H
#include <QtCore/QStringList>
#include <QUndoCommand>

class picker_document;
struct buttonRecord;

// Points a button at other nodes. It holds the node list that the next
// redo or undo puts on the button, and swaps: the swap is its own inverse.
class update_buttons_cmd : public QUndoCommand
{
public:
    // The button is found by identity; one not in the document makes a
    // command that changes nothing.
    update_buttons_cmd(picker_document* document, const buttonRecord* button, QStringList const& nodes);

    int id() const override;
    void redo() override;
    void undo() override;

private:
    picker_document* document_;
    int index_;
    QStringList nodes_;
};
#endif
