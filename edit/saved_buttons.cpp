#include "edit/saved_buttons.h"
#include "canvas/picker_view.h"

void save_selected_buttons(picker_view* view, QVector<int>& indices, QList<buttonAttributes>& attributes)
{
    const QList<buttonRecord>& buttons = view->buttons();
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons[i].state != 1)
            continue;
        indices.append(i);
        attributes.append(buttons[i].attributes());
    }
}

void restore_buttons(picker_view* view, QVector<int> const& indices, QList<buttonAttributes> const& attributes)
{
    if (indices.isEmpty())
        return;
    for (int i = 0; i < indices.size() && i < attributes.size(); ++i)
        view->push_button(attributes[i], indices[i]);
    view->update();
    emit view->changed();
    view->update_toolbox();
}

void remove_buttons(picker_view* view, QVector<int> const& indices)
{
    for (int i = indices.size() - 1; i >= 0; --i)
        if (indices[i] >= 0 && indices[i] < view->buttons().size())
            view->pop_button(indices[i]);
}
