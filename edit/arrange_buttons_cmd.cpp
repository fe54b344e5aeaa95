#include "edit/arrange_buttons_cmd.h"
#include "document/picker_document.h"
#include "edit/undo_ids.h"

arrange_buttons_cmd::arrange_buttons_cmd(picker_document* document, int mode)
    : QUndoCommand(QObject::tr("Arrange Buttons")), document_(document), mode_(mode)
{
    const QList<buttonRecord>& buttons = document->buttons();
    qint64 sumX = 0, sumY = 0;
    for (int i : document->selected_indices()) {
        const QPoint p = buttons[i].position;
        if (indices_.isEmpty()) {
            left_ = right_ = p.x();
            top_ = bottom_ = p.y();
        } else {
            left_ = qMin(left_, p.x());
            right_ = qMax(right_, p.x());
            top_ = qMin(top_, p.y());
            bottom_ = qMax(bottom_, p.y());
        }
        sumX += p.x();
        sumY += p.y();
        // Stable insertion by the mode's key: before the first placed
        // button whose key is strictly greater, so equal keys keep list order.
        const bool byX = mode == align_horizontal || mode == distribute_horizontal;
        const int key = byX ? p.x() : p.y();
        int at = 0;
        while (at < olds_.size() && (byX ? olds_[at].x() : olds_[at].y()) <= key)
            ++at;
        indices_.insert(at, i);
        olds_.insert(at, p);
    }
    const int n = indices_.size();
    if (n == 0)
        return;
    average_ = QPoint(int(sumX / n), int(sumY / n));
    const int width = right_ - left_ + 1;
    const int height = bottom_ - top_ + 1;
    right_ += n - width % n;
    bottom_ += n - height % n;
}

int arrange_buttons_cmd::id() const
{
    return arrange_buttons_id;
}

void arrange_buttons_cmd::redo()
{
    const int n = indices_.size();
    if (n < 2)
        return;
    const int stepX = (right_ - left_ + 1) / (n - 1);
    const int stepY = (bottom_ - top_ + 1) / (n - 1);
    const int count = document_->buttons().size();
    for (int i = 0; i < n; ++i) {
        if (indices_[i] >= count)
            continue;
        QPoint p = document_->buttons()[indices_[i]].position;
        switch (mode_) {
        case align_horizontal: p.setY(average_.y()); break;
        case align_vertical: p.setX(average_.x()); break;
        case distribute_horizontal: p.setX(left_ + i * stepX); break;
        case distribute_vertical: p.setY(top_ + i * stepY); break;
        default: break;
        }
        document_->move_button(indices_[i], p);
    }
    document_->edit_done();
}

void arrange_buttons_cmd::undo()
{
    if (indices_.isEmpty())
        return;
    const int count = document_->buttons().size();
    for (int i = 0; i < indices_.size(); ++i)
        if (indices_[i] < count)
            document_->move_button(indices_[i], olds_[i]);
    document_->edit_done();
}
