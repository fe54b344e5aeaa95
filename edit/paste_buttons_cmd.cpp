#include "edit/paste_buttons_cmd.h"
#include "document/picker_document.h"
#include "edit/saved_buttons.h"
#include "edit/undo_ids.h"

#include <climits>

namespace {
int clamped(qint64 v)
{
    return int(qBound(qint64(INT_MIN), v, qint64(INT_MAX)));
}
} // namespace

paste_view::~paste_view() = default;

paste_buttons_cmd::paste_buttons_cmd(picker_document* document, paste_view* view, QList<buttonAttributes> const& items,
                                     bool inPlace, picker_pictures const& pictures)
    : QUndoCommand(QObject::tr("Paste Buttons")), document_(document), view_(view), items_(items),
      pictures_(pictures), bounds_(0, 0, -1, -1), inPlace_(inPlace)
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
    if (inPlace_ || items_.isEmpty() || !view_)
        return QPoint(0, 0);
    const QPoint m = view_->centre_point();
    // In 64 bits: positions from another process may sit near the int limits.
    const qint64 cx = (qint64(bounds_.left()) + bounds_.right()) / 2;
    const qint64 cy = (qint64(bounds_.top()) + bounds_.bottom()) / 2;
    return QPoint(clamped(m.x() - cx), clamped(m.y() - cy));
}

void paste_buttons_cmd::redo()
{
    const QPoint shift = offset();
    indices_.clear();
    // The pictures come first: a picture the picker lacks is drawn as none.
    if (!pictures_.isEmpty())
        document_->add_pictures(pictures_);
    for (const buttonAttributes& item : items_) {
        buttonAttributes copy = item;
        copy.position = QPoint(clamped(qint64(item.position.x()) + shift.x()),
                               clamped(qint64(item.position.y()) + shift.y()));
        indices_.append(document_->push_button(copy, -1));
    }
    document_->clear_selected();
    document_->select_list(indices_, true);
    bring_into_view();
    document_->edit_done();
}

void paste_buttons_cmd::bring_into_view()
{
    // The pasted buttons' own boxes, so that whole buttons, labels
    // included, come into view, whatever the zoom and shift.
    QRect pasted;
    bool any = false;
    for (int i : indices_) {
        if (!document_->valid_index(i))
            continue;
        pasted = any ? pasted.united(document_->buttons()[i].rect) : document_->buttons()[i].rect;
        any = true;
    }
    if (any && view_)
        view_->reveal(pasted);
}

void paste_buttons_cmd::undo()
{
    remove_buttons(document_, indices_);
    document_->clear_selected();
    document_->edit_done();
}
