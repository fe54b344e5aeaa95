#include "canvas/select_button_cmd.h"
#include "canvas/marquee_overlay.h"
#include "canvas/picker_view.h"
#include "edit/move_buttons_cmd.h"
#include "document/host_port.h"
#include "model/window_selection.h"
#include <cmath>

select_button_cmd::select_button_cmd(picker_view* view, QPoint const& press, int modifiers)
    : view_(view), press_(press), last_(press), generation_(view->document()->generation())
{
    if (modifiers & Qt::ShiftModifier) {
        snapshot_ = button_set::fromStringList(window_selection::names());
        additive_ = true;
    }
    edit_ = (modifiers & Qt::ControlModifier) != 0;
    mirror_ = (modifiers & Qt::AltModifier) && !edit_;

    picker_document* document = view->document();
    const int b = document->index_of(view->find_button(press));
    if (b < 0) {
        if (!additive_)
            view->clear_all_selected();
        return;
    }
    // Clearing the selection never changes the list: b stays valid.
    if (mirror_) {
        if (!additive_)
            view->clear_all_selected();
        add_mirrored(document->buttons()[b]);
        document->conform_to_selection();
        return;
    }
    if (!edit_) {
        if (!additive_)
            view->clear_all_selected();
        if (document->buttons()[b].state == kSelected) {
            if (additive_) {
                document->unselect(b, false);
                document->conform_to_selection();
            }
        } else {
            document->select(b, false);
            document->conform_to_selection();
        }
        return;
    }
    const bool selected = document->buttons()[b].state == kSelected;
    if (selected && !additive_) {
        moving_ = true;
        save_buttons();
    } else if (selected) {
        document->unselect(b, false);
    } else {
        if (!additive_)
            document->clear_selected(); // this canvas only
        document->select(b, false);
        moving_ = true;
        save_buttons();
    }
}

select_button_cmd::phase select_button_cmd::current_phase() const
{
    return moving_ ? phase::move : (started_ ? phase::marquee : phase::click);
}

bool select_button_cmd::buttons_replaced() const
{
    return !view_ || view_->document()->generation() != generation_;
}

void select_button_cmd::save_buttons()
{
    savedIndices_ = view_->document()->selected_indices();
    for (int i : savedIndices_)
        savedPositions_.append(view_->buttons()[i].position);
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
            view_->document()->move_button(savedIndices_[i], savedPositions_[i] + d);
    }
    view_->update();
}

void select_button_cmd::select_band(const QRect& band)
{
    // Every button the band touches: added to the selection (Shift), or
    // toggled.
    picker_document* document = view_->document();
    const QList<buttonRecord>& buttons = document->buttons();
    for (int i = 0; i < buttons.size(); ++i) {
        if (!view_->touches(buttons[i], band))
            continue;
        if (buttons[i].state != kSelected)
            document->select(i, false);
        else if (!additive_)
            document->unselect(i, false);
    }
}

void select_button_cmd::add_mirrored(const buttonRecord& button) const
{
    // The mirrored names whether or not the picker has buttons for them:
    // the host selects the nodes.
    if (button.kind != kSelectionButton)
        return;
    const side_rules& side = view_->document()->side();
    for (const QString& name : button.nodes) {
        if (additive_)
            window_selection::add(name);
        window_selection::add(side.mirror_name(name));
    }
}

void select_button_cmd::select_mirrored(const QRect& band)
{
    QStringList& names = window_selection::names();
    names.clear();
    if (additive_)
        for (const QString& n : snapshot_.names())
            names.append(n);
    picker_document* document = view_->document();
    for (const buttonRecord& b : document->buttons())
        if (view_->touches(b, band))
            add_mirrored(b);
    document->conform_to_selection();
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
    picker_document* document = view_->document();
    if (mirror_) {
        select_mirrored(band);
        view_->update();
        return;
    }
    if (additive_) {
        // Back to the selection held at the press, names included, so that
        // buttons the band has left again are not sent to the host.
        QStringList& names = window_selection::names();
        names.clear();
        for (const QString& n : snapshot_.names())
            names.append(n);
        document->conform_to_set(snapshot_);
    } else {
        document->clear_selected();
    }
    select_band(band);
    if (!edit_)
        document->conform_to_selected();
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
        host_port::current().request_selection(window_selection::names());
        view_->update();
        view_->update_toolbox();
        return;
    }
    if (moving_) {
        if (last_ != press_ && !buttons_replaced())
            view_->undoStack()->push(
                new move_buttons_cmd(view_->document(), savedPositions_, savedIndices_, delta()));
        else if (last_ == press_ && !buttons_replaced())
            view_->reset_control_at(press_); // a Ctrl-click on a control: its defaults
        view_->update_toolbox();
        return;
    }
    if (shown)
        view_->update();
    view_->update_toolbox();
}
