#include "canvas/add_manybuttons_cmd.h"
#include "canvas/picker_view.h"
#include "model/window_selection.h"

#include <cstdlib>

add_manybuttons_cmd::add_manybuttons_cmd(picker_view* view) : view_(view) {}

void add_manybuttons_cmd::update(QPoint const& point, int)
{
    if (!pressed_ || !view_)
        return;
    if (!started_)
        create(point);
    else
        spread(point);
}

void add_manybuttons_cmd::create(QPoint const& point)
{
    started_ = true;
    const button_defaults& tools = view_->defaults();
    const QStringList names = window_selection::names();
    start_ = view_->mapToPicker(point);
    const int s = tools.size;
    for (int i = 0; i < names.size(); ++i) {
        buttonAttributes b;
        b.position = QPoint(start_.x() + i * (s + 1), start_.y());
        b.size = s;
        b.kind = kSelectionButton;
        b.language = kMelScript;
        b.color = tools.color;
        b.labelColor = tools.labelColor;
        b.nodes = QStringList{names[i]};
        created_.append(view_->document()->push_button(b, -1));
    }
    view_->update();
}

void add_manybuttons_cmd::spread(QPoint const& point)
{
    const int m = created_.size();
    if (m < 1)
        return;
    const QPoint p = view_->mapToPicker(point);
    const int s = view_->defaults().size;
    const int dx = (p.x() - start_.x()) / m;
    const int dy = (p.y() - start_.y()) / m;
    int stepX, stepY;
    if (std::abs(dy) < std::abs(dx)) {
        stepX = qMax(s, std::abs(dx)) * (dx > 0 ? 1 : -1);
        stepY = dy;
    } else {
        stepY = qMax(s, std::abs(dy)) * (dy > 0 ? 1 : -1);
        stepX = dx;
    }
    picker_document* document = view_->document();
    for (int i = 0; i < m; ++i)
        if (document->valid_index(created_[i]))
            document->move_button(created_[i], start_ + QPoint(i * stepX, i * stepY));
    view_->update();
}

void add_manybuttons_cmd::finish()
{
    if (!view_)
        return;
    view_->document()->conform_to_selection();
    view_->document()->edit_done();
    view_->adjustCursor(true);
}
