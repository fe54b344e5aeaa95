#include "canvas/select_button_cmd.h"
#include "canvas/marquee_overlay.h"
#include "canvas/picker_view.h"
#include "edit/move_buttons_cmd.h"
#include "window/picker_window.h"
#include <cmath>

select_button_cmd::select_button_cmd(picker_view* view, QPoint const& press, int modifiers)
    : view_(view), press_(press), last_(press), generation_(view->buttons_generation())
{
    if (modifiers & Qt::ShiftModifier) {
        snapshot_ = button_set::fromStringList(picker_window::selection_);
        additive_ = true;
    }
    edit_ = (modifiers & Qt::ControlModifier) != 0;

    picker_window* window = view->window();
    buttonRecord* b = view->find_button(press);
    if (!b) {
        if (!additive_ && window)
            window->clearAllSelected();
        return;
    }
    // clearAllSelected may repaint, never change the list: b stays valid.
    if (!edit_) {
        if (!additive_ && window)
            window->clearAllSelected();
        if (b->state == 1) {
            if (additive_) {
                b->unselect(false);
                view->conform_to_selection();
                view->update();
            }
        } else {
            b->select(false);
            view->conform_to_selection();
            view->update();
        }
        return;
    }
    if (b->state == 1 && !additive_) {
        moving_ = true;
        save_buttons();
    } else if (b->state == 1) {
        b->unselect(false);
        view->update();
    } else {
        if (!additive_)
            view->clear_selected(); // this canvas only
        b->select(false);
        moving_ = true;
        save_buttons();
        view->update();
    }
}

select_button_cmd::phase select_button_cmd::current_phase() const
{
    return moving_ ? phase::move : (started_ ? phase::marquee : phase::click);
}

bool select_button_cmd::buttons_replaced() const
{
    return !view_ || view_->buttons_generation() != generation_;
}

void select_button_cmd::save_buttons()
{
    const QList<buttonRecord>& buttons = view_->buttons();
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons[i].state == 1) {
            savedIndices_.append(i);
            savedPositions_.append(buttons[i].position);
        }
    }
}

QPoint select_button_cmd::delta() const
{
    const float inverse = 1.0f / float(view_->zoom());
    return QPoint(int(std::trunc(float(last_.x() - press_.x()) * inverse)),
                  int(std::trunc(float(last_.y() - press_.y()) * inverse)));
}

void select_button_cmd::move_buttons()
{
    if (!savedIndices_.isEmpty()) {
        const QPoint d = delta();
        for (int i = 0; i < savedIndices_.size(); ++i)
            view_->button(savedIndices_[i])->moveTo(savedPositions_[i] + d);
    }
    view_->update();
}

void select_button_cmd::update(QPoint const& point, int)
{
    // A list replaced under the drag (a load, an undo, a host callback)
    // leaves nothing for this tracker to act on.
    if (buttons_replaced() || point == last_)
        return;
    last_ = point;
    if (moving_) {
        move_buttons();
        return;
    }
    marquee_overlay* marquee = view_->marquee();
    if (!started_) {
        if (std::abs(last_.x() - press_.x()) + std::abs(last_.y() - press_.y()) < 4)
            return;
        started_ = true;
        marquee->setAnchor(press_);
    }
    marquee->setCorner(last_);
    const QRect band = marquee->bounds();
    if (additive_) {
        // Back to the selection held at the press, names included, so that
        // buttons the band has left again are not sent to the host.
        picker_window::selection_.clear();
        for (const QString& n : snapshot_.names())
            picker_window::selection_.append(n);
        view_->conform_to_set(snapshot_);
    } else {
        view_->clear_selected();
    }
    view_->select_bounds(band, additive_);
    if (!edit_)
        view_->conform_to_selected();
    view_->update();
}

void select_button_cmd::finish()
{
    if (!view_)
        return;
    marquee_overlay* marquee = view_->marquee();
    const bool shown = !marquee->isEmpty();
    if (shown)
        marquee->reset();
    if (!edit_) {
        if (picker_window* window = view_->window())
            window->postSelection();
        view_->update();
        view_->update_toolbox();
        return;
    }
    if (moving_) {
        if (last_ != press_ && !buttons_replaced())
            view_->undoStack()->push(new move_buttons_cmd(view_, savedPositions_, savedIndices_, delta()));
        view_->update_toolbox();
        return;
    }
    if (shown)
        view_->update();
    view_->update_toolbox();
}
