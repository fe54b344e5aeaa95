#include "window/toolbox_state.h"

toolbox_state toolbox_state::collect(const QList<buttonRecord>& buttons)
{
    toolbox_state state;
    for (const buttonRecord& b : buttons) {
        if (b.state != 1)
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

QString toolbox_state::common_label() const
{
    return labels.size() == 1 ? *labels.constBegin() : QString();
}
