#include "edit/add_button_cmd.h"
#include "document/picker_document.h"
#include "edit/undo_ids.h"

add_button_cmd::add_button_cmd(picker_document* document, QPoint const& point, button_defaults const& defaults,
                               QStringList const& nodes, QString const& text)
    : QUndoCommand(text), document_(document)
{
    init(point, defaults);
    attributes_.label = defaults.label;
    attributes_.kind = kSelectionButton;
    attributes_.language = kMelScript;
    attributes_.nodes = nodes;
}

add_button_cmd::add_button_cmd(picker_document* document, QPoint const& point, button_defaults const& defaults,
                               QString const& text, int language, QString const& label, QString const& command)
    : QUndoCommand(text), document_(document)
{
    init(point, defaults);
    attributes_.kind = kCommandButton;
    attributes_.language = language;
    attributes_.label = label;
    attributes_.nodes = QStringList{command};
}

void add_button_cmd::init(QPoint const& point, button_defaults const& defaults)
{
    attributes_.position = point;
    attributes_.size = defaults.size;
    attributes_.color = defaults.color;
    attributes_.labelColor = defaults.labelColor;
}

int add_button_cmd::id() const
{
    return add_button_id;
}

void add_button_cmd::redo()
{
    index_ = document_->push_button(attributes_, -1);
    refresh();
}

void add_button_cmd::undo()
{
    // Buttons made outside the stack (add many) are only ever appended, so
    // the index stays this button's; the bound guards a list replaced since.
    if (!document_->valid_index(index_))
        return;
    document_->pop_button(index_);
    refresh();
}

void add_button_cmd::refresh()
{
    document_->conform_to_selection();
    document_->edit_done();
}
