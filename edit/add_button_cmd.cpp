#include "edit/add_button_cmd.h"
#include "canvas/picker_view.h"
#include "edit/undo_ids.h"
#include "window/picker_window.h"

add_button_cmd::add_button_cmd(picker_view* view, QPoint const& point, QString const& text)
    : QUndoCommand(text), view_(view)
{
    init(point);
    attributes_.label = view->window()->toolbox().label;
    attributes_.kind = kSelectionButton;
    attributes_.language = kMelScript;
    attributes_.nodes = picker_window::selection_;
}

add_button_cmd::add_button_cmd(picker_view* view, QPoint const& point, QString const& text, int language,
                               QString const& label, QString const& command)
    : QUndoCommand(text), view_(view)
{
    init(point);
    attributes_.kind = kCommandButton;
    attributes_.language = language;
    attributes_.label = label;
    attributes_.nodes = QStringList{command};
}

void add_button_cmd::init(QPoint const& point)
{
    const picker_window::toolboxState& tools = view_->window()->toolbox();
    attributes_.position = view_->mapToPicker(point);
    attributes_.size = tools.size;
    attributes_.color = tools.color;
    attributes_.labelColor = tools.labelColor;
}

int add_button_cmd::id() const
{
    return add_button_id;
}

void add_button_cmd::redo()
{
    index_ = view_->push_button(attributes_, -1);
    refresh();
}

void add_button_cmd::undo()
{
    // Buttons made outside the stack (add many) are only ever appended, so
    // the index stays this button's; the bound guards a list replaced since.
    if (index_ < 0 || index_ >= view_->buttons().size())
        return;
    view_->pop_button(index_);
    refresh();
}

void add_button_cmd::refresh()
{
    view_->conform_to_selection();
    view_->update();
    emit view_->changed();
    view_->update_toolbox();
}
