#include "edit/add_button_cmd.h"
#include "canvas/picker_view.h"
#include "edit/undo_ids.h"
#include "window/picker_window.h"

namespace {
// New buttons take the toolbox's size and colours; until the toolbox row
// exists those are its starting values, which the attributes default to.
buttonAttributes new_button(picker_view* view, QPoint const& point)
{
    buttonAttributes b;
    b.position = view->mapToPicker(point);
    return b;
}
} // namespace

add_button_cmd::add_button_cmd(picker_view* view, QPoint const& point, QString const& text)
    : QUndoCommand(text), view_(view), attributes_(new_button(view, point))
{
    attributes_.kind = kSelectionButton;
    attributes_.language = kMelScript;
    attributes_.nodes = picker_window::selection_;
}

add_button_cmd::add_button_cmd(picker_view* view, QPoint const& point, QString const& text, int language,
                               QString const& label, QString const& script)
    : QUndoCommand(text), view_(view), attributes_(new_button(view, point))
{
    attributes_.kind = kCommandButton;
    attributes_.language = language;
    attributes_.label = label;
    attributes_.nodes = QStringList{script};
}

int add_button_cmd::id() const
{
    return add_button_id;
}

void add_button_cmd::redo()
{
    index_ = view_->push_button(attributes_, -1);
    view_->conform_to_selection();
    view_->update();
    emit view_->changed();
}

void add_button_cmd::undo()
{
    if (index_ >= 0 && index_ < view_->buttons().size())
        view_->pop_button(index_);
    view_->conform_to_selection();
    view_->update();
    emit view_->changed();
}
