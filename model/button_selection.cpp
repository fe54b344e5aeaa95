#include "model/button_selection.h"

bool conform_buttons(QList<buttonRecord>& buttons, const button_set& set)
{
    bool changed = false;
    for (buttonRecord& b : buttons) {
        const int n = b.nodes.size();
        if (b.flags.size() != n)
            b.flags.resize(n);
        b.resolve();
        int count = 0;
        for (int i = 0; i < n; ++i) {
            // By node: the host's own name for what the stored name stands for.
            const bool on = set.contains(b.hostNames.at(i));
            b.flags[i] = on ? 1 : 0;
            count += on ? 1 : 0;
        }
        const qint16 state = count == n ? kSelected : (count > 0 ? kPartlySelected : kUnselected);
        if (state != b.state) {
            b.state = state;
            changed = true;
        }
    }
    return changed;
}

void append_selected(const QList<buttonRecord>& buttons, button_set& set)
{
    for (const buttonRecord& b : buttons) {
        if (b.kind != kSelectionButton)
            continue;
        b.resolve();
        const int n = qMin(b.nodes.size(), b.flags.size());
        for (int i = 0; i < n; ++i)
            if (b.flags.at(i) == 1)
                set.add(b.hostNames.at(i));
    }
}

bool any_selected(const QList<buttonRecord>& buttons)
{
    for (const buttonRecord& b : buttons)
        if (b.state != kUnselected)
            return true;
    return false;
}

bool clear_selected(QList<buttonRecord>& buttons)
{
    bool any = false;
    for (buttonRecord& b : buttons) {
        if (b.state != kUnselected) {
            b.unselect(false);
            any = true;
        }
    }
    return any;
}
