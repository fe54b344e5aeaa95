#ifndef QB_EDIT_CHANGE_MIRROR_CMD_H
#define QB_EDIT_CHANGE_MIRROR_CMD_H
#include "model/mirror_settings.h"
#include <QUndoCommand>

class picker_document;

// A picker's mirror settings replaced (the rules dialog, Set Mirror Axis):
// stored with the picker, so an undo step like any other edit.
class change_mirror_cmd : public QUndoCommand
{
public:
    change_mirror_cmd(picker_document* document, const mirror_settings& settings, const QString& text);

    int id() const override;
    void redo() override;
    void undo() override;

private:
    void apply(const mirror_settings& settings);

    picker_document* document_;
    mirror_settings before_;
    mirror_settings after_;
};
#endif
