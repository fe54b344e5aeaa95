#ifndef QB_EDIT_PASTE_BUTTONS_CMD_H
#define QB_EDIT_PASTE_BUTTONS_CMD_H
#include "model/buttonAttributes.h"
#include "model/picker_extensions.h"
#include <QtCore/QList>
#include <QtCore/QRect>
#include <QtCore/QVector>
#include <QUndoCommand>

class picker_document;

// What a paste needs of the canvas it lands on.
class paste_view
{
public:
    virtual ~paste_view();
    // The picker point at the middle of the canvas.
    virtual QPoint centre_point() const = 0;
    // Brings the pasted buttons' boxes (picker units) into view: framed
    // when the canvas does not show them whole.
    virtual void reveal(const QRect& pasted) = 0;
};

// Appends copies of clipboard buttons to a document, centred on the
// canvas's visible area or at their own positions (in place; also without
// a canvas), and selects exactly them.
class paste_buttons_cmd : public QUndoCommand
{
public:
    // The canvas (not owned) shows the document and outlives its commands.
    paste_buttons_cmd(picker_document* document, paste_view* view, QList<buttonAttributes> const& items,
                      bool inPlace, picker_pictures const& pictures = picker_pictures());

    int id() const override;
    void redo() override;
    void undo() override;

    // From the smallest to the largest item position; (0, 0, -1, -1) empty.
    const QRect& source_bounds() const { return bounds_; }
    const QVector<int>& indices() const { return indices_; }

private:
    QPoint offset() const;
    void bring_into_view();

    picker_document* document_;
    paste_view* view_;
    QList<buttonAttributes> items_;
    picker_pictures pictures_; // those the items show
    QVector<int> indices_;
    QRect bounds_;
    bool inPlace_;
};
#endif
