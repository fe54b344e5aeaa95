#ifndef QB_MODEL_BUTTON_SELECTION_H
#define QB_MODEL_BUTTON_SELECTION_H
// Selection bookkeeping over a canvas's button list, apart from the widget:
// every button's per-node flags and selection state follow from a set of
// selected node names.
#include "model/buttonRecord.h"
#include "model/button_set.h"
#include <QtCore/QList>

// Re-derives every button's flags and state (0 none, 1 all, 2 some of its
// nodes in the set; an empty node list counts as all). True when some state
// changed; flag changes alone do not count.
bool conform_buttons(QList<buttonRecord>& buttons, const button_set& set);

// Adds the flagged names of the selection buttons (kind 0) to the set.
void append_selected(const QList<buttonRecord>& buttons, button_set& set);

// True when some button has a non-zero state.
bool any_selected(const QList<buttonRecord>& buttons);

// Unselects (keeping the window selection list in step) every button whose
// state is not 0; true when there was one.
bool clear_selected(QList<buttonRecord>& buttons);
#endif
