#ifndef QB_EDIT_ADD_BUTTON_CMD_H
#define QB_EDIT_ADD_BUTTON_CMD_H
#include "model/buttonAttributes.h"
#include <QtCore/QPoint>
#include <QtCore/QString>
#include <QUndoCommand>

class picker_view;

// One new button, appended to the canvas. The attributes are fixed at
// construction from the window's tool values; redo appends them again, so
// a redo after other edits puts the button at the end of the list.
class add_button_cmd : public QUndoCommand
{
public:
    // A selection button for the window selection list, at a canvas point.
    add_button_cmd(picker_view* view, QPoint const& point, QString const& text);
    // A command button holding one script.
    add_button_cmd(picker_view* view, QPoint const& point, QString const& text, int language,
                   QString const& label, QString const& command);

    int id() const override;
    void redo() override;
    void undo() override;

    // The button to be added; the command editor fills it in before push.
    buttonAttributes* attributes() { return &attributes_; }

private:
    void init(QPoint const& point);
    void refresh();

    picker_view* view_;
    buttonAttributes attributes_;
    int index_ = -1;
};
#endif
