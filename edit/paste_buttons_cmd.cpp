#include "edit/paste_buttons_cmd.h"
#include "canvas/picker_view.h"
#include "edit/saved_buttons.h"
#include "edit/undo_ids.h"

#include <climits>

namespace {
int clamped(qint64 v)
{
    return int(qBound(qint64(INT_MIN), v, qint64(INT_MAX)));
}
} // namespace

paste_buttons_cmd::paste_buttons_cmd(picker_view* view, QList<buttonAttributes> const& items, bool inPlace)
    : QUndoCommand(QObject::tr("Paste Buttons")), view_(view), items_(items), bounds_(0, 0, -1, -1),
      inPlace_(inPlace)
{
    if (items_.isEmpty())
        return;
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const buttonAttributes& b : items_) {
        left = qMin(left, b.position.x());
        top = qMin(top, b.position.y());
        right = qMax(right, b.position.x());
        bottom = qMax(bottom, b.position.y());
    }
    bounds_.setCoords(left, top, right, bottom);
}

int paste_buttons_cmd::id() const
{
    return paste_buttons_id;
}

QPoint paste_buttons_cmd::offset() const
{
    if (inPlace_ || items_.isEmpty())
        return QPoint(0, 0);
    const QPoint m = view_->mapToPicker(QPoint((view_->width() - 1) / 2, (view_->height() - 1) / 2));
    // In 64 bits: positions from another process may sit near the int limits.
    const qint64 cx = (qint64(bounds_.left()) + bounds_.right()) / 2;
    const qint64 cy = (qint64(bounds_.top()) + bounds_.bottom()) / 2;
    return QPoint(clamped(m.x() - cx), clamped(m.y() - cy));
}

void paste_buttons_cmd::redo()
{
    const QPoint shift = offset();
    indices_.clear();
    for (const buttonAttributes& item : items_) {
        buttonAttributes copy = item;
        copy.position = QPoint(clamped(qint64(item.position.x()) + shift.x()),
                               clamped(qint64(item.position.y()) + shift.y()));
        indices_.append(view_->push_button(copy, -1));
    }
    view_->clear_selected();
    view_->select_list(indices_, true);
    bring_into_view();
    emit view_->changed();
    view_->update_toolbox();
}

void paste_buttons_cmd::bring_into_view()
{
    // Test and frame the pasted buttons' own boxes, so that whole buttons,
    // labels included, come into view, whatever the zoom and shift.
    QRect pasted;
    bool any = false;
    for (int i : indices_) {
        if (i < 0 || i >= view_->buttons().size())
            continue;
        pasted = any ? pasted.united(view_->buttons()[i].rect) : view_->buttons()[i].rect;
        any = true;
    }
    const QRect canvas(0, 0, view_->width(), view_->height());
    if (!any || canvas.contains(view_->mapToScreen(pasted)))
        view_->update();
    else
        view_->frameBounds(pasted, true);
}

void paste_buttons_cmd::undo()
{
    remove_buttons(view_, indices_);
    view_->clear_selected();
    view_->update();
    emit view_->changed();
    view_->update_toolbox();
}
