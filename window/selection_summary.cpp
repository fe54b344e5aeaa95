#include "window/selection_summary.h"

selection_summary selection_summary::collect(const QList<buttonRecord>& buttons)
{
    selection_summary state;
    for (const buttonRecord& b : buttons) {
        if (b.state != kSelected)
            continue;
        if (!state.first)
            state.first = &b;
        state.colors.insert(b.color);
        state.sizes.insert(b.size);
        state.labels.insert(b.label);
        state.labelColors.insert(b.labelColor);
    }
    return state;
}

QString selection_summary::common_label() const
{
    return labels.size() == 1 ? *labels.constBegin() : QString();
}
