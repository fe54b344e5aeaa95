#include "edit/update_buttons_cmd.h"
#include "canvas/picker_view.h"
#include "edit/undo_ids.h"

update_buttons_cmd::update_buttons_cmd(picker_view* view, buttonRecord* button, QStringList const& nodes)
    : QUndoCommand(QObject::tr("Button Update")), view_(view), index_(view->index_of(button)), nodes_(nodes)
{
}

int update_buttons_cmd::id() const
{
    return update_buttons_id;
}

void update_buttons_cmd::redo()
{
    if (index_ < 0 || index_ >= view_->buttons().size())
        return;
    buttonRecord* b = view_->button(index_);
    b->nodes.swap(nodes_);
    b->flags.resize(b->nodes.size()); // new flags clear
    b->select(false);
    view_->conform_to_selection();
    view_->update();
    emit view_->changed();
    view_->update_toolbox();
}

void update_buttons_cmd::undo()
{
    redo();
}
