#ifndef QB_EDIT_MIRROR_BUTTONS_CMD_H
#define QB_EDIT_MIRROR_BUTTONS_CMD_H
#include "model/buttonAttributes.h"
#include <QtCore/QList>
#include <QtCore/QVector>
#include <QUndoCommand>

class picker_document;

// Mirror Buttons and Flip Buttons on the fully selected buttons, about the
// picker's own axis or else the middle of the selection: Mirror appends
// mirrored copies (none of a button whose every name maps to itself) and
// selects exactly them; Flip moves and renames the buttons in place. One
// undo step either way.
class mirror_buttons_cmd : public QUndoCommand
{
public:
    enum mode_t { copy, flip };
    mirror_buttons_cmd(picker_document* document, mode_t mode);

    // Nothing to make or change: not worth an undo step.
    bool is_empty() const { return after_.isEmpty(); }
    const QList<buttonAttributes>& result() const { return after_; }

    int id() const override;
    void redo() override;
    void undo() override;

private:
    picker_document* document_;
    mode_t mode_;
    QVector<int> sources_;           // the selected buttons at construction
    QList<buttonAttributes> before_; // flip: what they were
    QList<buttonAttributes> after_;  // the copies, or what flip makes of the sources
    QVector<int> targets_;           // flip: sources_; copy: where the copies went
};
#endif
