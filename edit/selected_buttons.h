#ifndef QB_EDIT_SELECTED_BUTTONS_H
#define QB_EDIT_SELECTED_BUTTONS_H
// What delete and cut save of a canvas and how their undo puts it back.
#include "model/buttonAttributes.h"
#include <QtCore/QList>
#include <QtCore/QVector>

class picker_view;

// The list positions and attributes of the fully selected buttons (state 1;
// partly selected ones are not taken), in list order.
void save_selected_buttons(picker_view* view, QVector<int>& indices, QList<buttonAttributes>& attributes);
// Puts each button back at its saved list position, lowest first, so that
// every one regains its place in the list and in the drawing order.
void restore_buttons(picker_view* view, QVector<int> const& indices, QList<buttonAttributes> const& attributes);
#endif
