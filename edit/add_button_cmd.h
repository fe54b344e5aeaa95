#ifndef QB_EDIT_ADD_BUTTON_CMD_H
#define QB_EDIT_ADD_BUTTON_CMD_H
#include "model/buttonAttributes.h"
#include "model/button_defaults.h"
#include <QtCore/QPoint>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QUndoCommand>

class picker_document;

// One new button, appended to a document. The attributes are fixed at
// construction from the values new buttons take; redo appends them again,
// so a redo after other edits puts the button at the end of the list.
class add_button_cmd : public QUndoCommand
{
public:
    // A selection button for the nodes, at a picker point.
    add_button_cmd(picker_document* document, QPoint const& point, button_defaults const& defaults,
                   QStringList const& nodes, QString const& text);
    // A command button holding one script.
    add_button_cmd(picker_document* document, QPoint const& point, button_defaults const& defaults,
                   QString const& text, int language, QString const& label, QString const& command);

    int id() const override;
    void redo() override;
    void undo() override;

    // The button to be added; the command editor fills it in before push.
    buttonAttributes* attributes() { return &attributes_; }

private:
    void init(QPoint const& point, button_defaults const& defaults);
    void refresh();

    picker_document* document_;
    buttonAttributes attributes_;
    int index_ = -1;
};
#endif
