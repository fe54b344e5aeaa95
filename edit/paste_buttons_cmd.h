#ifndef QB_EDIT_PASTE_BUTTONS_CMD_H
#define QB_EDIT_PASTE_BUTTONS_CMD_H
#include "model/buttonAttributes.h"
#include <QtCore/QList>
#include <QtCore/QRect>
#include <QtCore/QVector>
#include <QUndoCommand>

class picker_view;

// Appends copies of clipboard buttons to a canvas, centred on its visible
// area or at their own positions (in place), and selects exactly them.
class paste_buttons_cmd : public QUndoCommand
{
public:
    paste_buttons_cmd(picker_view* view, QList<buttonAttributes> const& items, bool inPlace);

    int id() const override;
    void redo() override;
    void undo() override;

    // From the smallest to the largest item position; (0, 0, -1, -1) empty.
    const QRect& source_bounds() const { return bounds_; }
    const QVector<int>& indices() const { return indices_; }

private:
    QPoint offset() const;
    void bring_into_view();

    picker_view* view_;
    QList<buttonAttributes> items_;
    QVector<int> indices_;
    QRect bounds_;
    bool inPlace_;
};
#endif
