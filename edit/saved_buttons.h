#ifndef QB_EDIT_SAVED_BUTTONS_H
#define QB_EDIT_SAVED_BUTTONS_H
// The pair that commands removing buttons share (delete, cut, and the undo of paste): what to
// keep of the selected buttons, and how to put them back where they were.
#include "model/buttonAttributes.h"
#include <QtCore/QList>
#include <QtCore/QVector>

class picker_document;

// The list positions (ascending) and attributes of the fully selected
// buttons; partly selected ones are left alone.
void save_selected_buttons(picker_document* document, QVector<int>& indices, QList<buttonAttributes>& attributes);

// Removes the buttons at the saved positions, highest first so that the
// lower ones stay valid; positions the list no longer has are skipped.
void remove_buttons(picker_document* document, QVector<int> const& indices);

// Inserts each saved button at its old position, lowest first, so that
// every one returns to its place in the list and in the drawing order.
void restore_buttons(picker_document* document, QVector<int> const& indices, QList<buttonAttributes> const& attributes);
#endif
