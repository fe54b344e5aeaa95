#include "edit/saved_buttons.h"
#include "document/picker_document.h"

void save_selected_buttons(picker_document* document, QVector<int>& indices, QList<buttonAttributes>& attributes)
{
    indices = document->selected_indices();
    for (int i : indices)
        attributes.append(document->buttons()[i].attributes());
}

void restore_buttons(picker_document* document, QVector<int> const& indices, QList<buttonAttributes> const& attributes)
{
    if (indices.isEmpty())
        return;
    for (int i = 0; i < indices.size() && i < attributes.size(); ++i)
        document->push_button(attributes[i], indices[i]);
    document->edit_done();
}

void remove_buttons(picker_document* document, QVector<int> const& indices)
{
    for (int i = indices.size() - 1; i >= 0; --i)
        if (indices[i] >= 0 && indices[i] < document->buttons().size())
            document->pop_button(indices[i]);
}
