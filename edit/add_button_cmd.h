#ifndef QB_EDIT_ADD_BUTTON_CMD_H
#define QB_EDIT_ADD_BUTTON_CMD_H
#include "model/buttonAttributes.h"
#include <QtCore/QPoint>
#include <QtCore/QString>
#include <QtWidgets/QUndoCommand>

class picker_view;

// Adds one button at a canvas point; undo takes it away again.
class add_button_cmd : public QUndoCommand
{
public:
    // A selection button for the window selection list.
    add_button_cmd(picker_view* view, QPoint const& point, QString const& text);
    // A command button running script in language.
    add_button_cmd(picker_view* view, QPoint const& point, QString const& text, int language,
                   QString const& label, QString const& script);

    int id() const override;
    void redo() override;
    void undo() override;

    // The button to be added; the command editor fills it in before push.
    buttonAttributes* attributes() { return &attributes_; }
    int index() const { return index_; }

private:
    picker_view* view_;
    buttonAttributes attributes_;
    int index_ = -1;
};
#endif
