#include "edit/add_manybuttons_cmd.h"
#include "canvas/picker_view.h"
#include "window/picker_window.h"

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
    const picker_window::toolboxState& tools = view_->window()->toolbox();
    const QStringList names = picker_window::selection_;
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
        created_.append(view_->push_button(b, -1));
    }
    view_->update();
}

void add_manybuttons_cmd::spread(QPoint const& point)
{
    const int m = created_.size();
    if (m < 1)
        return;
    const QPoint p = view_->mapToPicker(point);
    const int s = view_->window()->toolbox().size;
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
    const int count = view_->buttons().size();
    for (int i = 0; i < m; ++i)
        if (created_[i] < count)
            view_->button(created_[i])->moveTo(start_ + QPoint(i * stepX, i * stepY));
    view_->update();
}

void add_manybuttons_cmd::finish()
{
    if (!view_)
        return;
    view_->conform_to_selection();
    view_->update();
    emit view_->changed();
    view_->update_toolbox();
    view_->adjustCursor(true);
}
