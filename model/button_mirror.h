#ifndef QB_MODEL_BUTTON_MIRROR_H
#define QB_MODEL_BUTTON_MIRROR_H
// Buttons mirrored about a vertical axis: what Mirror Buttons, Flip Buttons
// and qbx mirror share.
#include "model/buttonAttributes.h"
#include "model/mirror_settings.h"
#include <QtCore/QList>

// Twice the x of the axis, so that the middle between two positions is
// exact: the picker's own axis when it has one, else the middle of the
// buttons' positions (their centres, so that a lone button and a mirrored
// pair keep their places). 0 for no buttons without an axis.
qint64 mirror_axis_twice(const mirror_settings& settings, const QList<buttonAttributes>& buttons);

// True when the button names nothing of a side: every node name of a
// selection button, or the script of a command button, maps to itself.
bool mirrors_to_itself(const buttonAttributes& button, const side_rules& rules);

// The button's mirror image: its position about the axis, its names (or
// script) and label by the rules, its colours swapped by the settings' pair,
// its shape flipped.
buttonAttributes mirrored_button(const buttonAttributes& button, const side_rules& rules,
                                 const mirror_settings& settings, qint64 twiceAxis);

// The same names, in any order: a button's partner already in the picker.
bool same_names(const buttonAttributes& a, const buttonAttributes& b);
#endif
