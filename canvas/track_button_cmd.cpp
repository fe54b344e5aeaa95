#include "canvas/track_button_cmd.h"
#include "canvas/picker_view.h"
#include "document/host_port.h"

track_button_cmd::track_button_cmd(picker_view* view, QPoint const& press, const buttonRecord* button, bool mirrored)
    : view_(view),
      index_(view->document()->index_of(button)),
      rect_(view->mapToScreen(button->rect)),
      generation_(view->document()->generation()),
      mirrored_(mirrored)
{
    update(press, 0);
}

bool track_button_cmd::button_there() const
{
    return view_ && view_->document()->generation() == generation_ && view_->document()->valid_index(index_);
}

void track_button_cmd::update(QPoint const& point, int)
{
    if (!button_there())
        return;
    picker_document* document = view_->document();
    const int inside = rect_.contains(point) ? kSelected : kUnselected;
    if (document->buttons()[index_].state == inside)
        return;
    if (inside)
        document->select(index_, false);
    else
        document->unselect(index_, false);
}

void track_button_cmd::finish()
{
    if (!button_there() || view_->buttons()[index_].state == kUnselected) {
        if (view_)
            view_->update_toolbox();
        return;
    }
    // Copied: the script may be queued after the list changes.
    buttonAttributes attributes = view_->buttons()[index_].attributes();
    if (mirrored_ && !attributes.nodes.isEmpty())
        attributes.nodes[0] = view_->document()->side().mirror_script(attributes.nodes.first());
    run_command_button(attributes);
    if (button_there())
        view_->document()->unselect(index_, false);
    view_->update_toolbox();
}
