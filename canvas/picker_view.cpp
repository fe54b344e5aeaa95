#include "canvas/picker_view.h"
#include "canvas/banner_overlay.h"
#include "canvas/button_painter.h"
#include "canvas/marquee_overlay.h"
#include "canvas/picker_cursors.h"
#include "canvas/picker_mouse_cmd.h"
#include "canvas/qt_compat.h"
#include "canvas/select_button_cmd.h"
#include "canvas/shift_picker_cmd.h"
#include "canvas/track_button_cmd.h"
#include "canvas/zoom_picker_cmd.h"
#include "edit/add_manybuttons_cmd.h"
#include "model/button_label.h"
#include "window/nested_loop.h"
#include "window/picker_window.h"
#include "window/shortcut_dispatch.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QAction>
#include <QtWidgets/QApplication>

namespace {
const QColor kBackdrop(51, 51, 51);
}

picker_view::picker_view(picker_window* window)
    : QWidget(window),
      window_(window),
      editCursor_(picker_cursors::make_edit_cursor()),
      addManyCursor_(picker_cursors::make_add_many_cursor()),
      overlays_(this)
{
    zoomTimer_.setSingleShot(false);
    zoomTimer_.setInterval(20);

    make_actions();

    setMouseTracking(true);
    connect(&zoomTimer_, &QTimer::timeout, this, &picker_view::animate_zoom);
    // Made before anyone else connects: whatever reports a change, the kept
    // button block is stale before the scene write that follows is made.
    connect(this, &picker_view::changed, this, [this] { touch_buttons(); });
    connect(&undo_, &QUndoStack::indexChanged, this, [this] { touch_buttons(); });
}

picker_view::~picker_view()
{
    delete tracker_;
    tracker_ = nullptr;
    pressed_ = nullptr;
    if (!buttons_.isEmpty()) {
        undo_.clear(); // commands refer to the buttons: always first
        buttons_.clear();
    }
    delete editCursor_;
    delete addManyCursor_;
}

// ---- view

void picker_view::setZoom(float zoom, const QPoint& anchor)
{
    const double z = view_transform::clampZoom(zoom);
    if (z == view_.zoom)
        return;
    view_ = view_.zoomedAbout(z, anchor);
    update();
}

void picker_view::setShift(const QPoint& shift)
{
    if (shift == view_.shift)
        return;
    view_.shift = shift;
    update();
}

void picker_view::start_animation(float zoom, const QPoint& shift)
{
    animation_.start(view_, zoom, shift);
    zoomTimer_.start(20);
}

void picker_view::zoomWindow(float zoom, const QPoint& shift)
{
    if (zoom == view_.zoom && shift == view_.shift)
        return;
    start_animation(zoom, shift);
}

void picker_view::animate_zoom()
{
    if (!animation_.step(&view_))
        zoomTimer_.stop();
    update();
}

void picker_view::reset_view()
{
    if (!(view_.zoom == 1.0 && view_.shift.isNull()))
        start_animation(1.0f, QPoint(0, 0));
    update();
}

QRect picker_view::button_bounds(bool selectedOnly) const
{
    QRect bounds(0, 0, 0, 0);
    bool first = true;
    for (const buttonRecord& b : buttons_) {
        if (selectedOnly && b.state == 0)
            continue;
        bounds = first ? b.rect : bounds.united(b.rect);
        first = false;
    }
    return bounds;
}

void picker_view::frame_view()
{
    frameBounds(button_bounds(any_selected()), false);
}

void picker_view::frameBounds(const QRect& bounds, bool noZoomIn)
{
    float z = 0.0f;
    QPoint s;
    if (!frame_target(bounds, size(), noZoomIn, view_.zoom, &z, &s))
        return;
    if (z == view_.zoom && s == view_.shift)
        return;
    start_animation(z, s);
}

// ---- buttons

namespace {
int index_in(const QList<buttonRecord>& list, const buttonRecord* record)
{
    for (int i = 0; record && i < list.size(); ++i)
        if (&list[i] == record)
            return i;
    return -1;
}
} // namespace

int picker_view::push_button(const buttonAttributes& attributes, int index)
{
    buttonRecord record(attributes);
    if (!record.label.isEmpty())
        make_button_label(attributes, &record);
    // The pressed button is held by address: find it again after the list
    // changes, since a shared list copies its records when it detaches.
    int pressed = index_in(buttons_, pressed_);
    int at;
    if (index < 0 || index >= buttons_.size()) {
        at = buttons_.size();
        buttons_.append(record);
    } else {
        at = index;
        buttons_.insert(index, record);
        if (pressed >= index)
            ++pressed;
    }
    pressed_ = pressed >= 0 ? &buttons_[pressed] : nullptr;
    ++generation_;
    touch_buttons();
    return at;
}

void picker_view::pop_button(int index)
{
    int pressed = index_in(buttons_, pressed_);
    buttons_.removeAt(index);
    if (pressed == index)
        pressed = -1;
    else if (pressed > index)
        --pressed;
    pressed_ = pressed >= 0 ? &buttons_[pressed] : nullptr;
    ++generation_;
    touch_buttons();
}

void picker_view::make_button_label(const buttonAttributes& attributes, buttonRecord* record)
{
    touch_buttons();
    button_label::apply(attributes, record);
}

void picker_view::set_button_label(buttonRecord* record, const QString& text)
{
    touch_buttons();
    if (text.isEmpty()) {
        if (!record->labelPicture.isNull())
            record->labelPicture = QPixmap();
        record->label.clear();
        record->rect = buttonRecord::squareRect(record->position, record->size);
    } else {
        record->label = text;
        make_button_label(*record, record);
    }
}

void picker_view::set_button_size(buttonRecord* record, int size)
{
    touch_buttons();
    record->size = size;
    if (record->label.isEmpty())
        record->rect = buttonRecord::squareRect(record->position, size);
    else
        make_button_label(*record, record);
}

void picker_view::reset_buttons()
{
    pressed_ = nullptr;
    ++generation_;
    touch_buttons();
    if (!buttons_.isEmpty()) {
        undo_.clear();
        buttons_.clear();
    }
}

int picker_view::index_of(const buttonRecord* record) const
{
    return index_in(buttons_, record);
}

buttonRecord* picker_view::find_button(const QPoint& point)
{
    touch_buttons(); // the caller may change the record it gets
    for (int i = 0; i < buttons_.size(); ++i)
        if (mapToScreen(buttons_[i].rect).contains(point))
            return &buttons_[i];
    return nullptr;
}

void picker_view::setBackground(const QString& name, const QPixmap& image)
{
    backgroundName_ = name;
    background_ = image;
    backgroundRevision_ = next_revision();
    update();
}

// ---- trackers and overlays

void picker_view::set_tracker(picker_mouse_cmd* tracker)
{
    if (tracker_ && tracker_ != tracker)
        finish_tracker();
    tracker_ = tracker;
}

picker_mouse_cmd* picker_view::take_tracker()
{
    picker_mouse_cmd* t = tracker_;
    tracker_ = nullptr;
    return t;
}

void picker_view::finish_tracker()
{
    // Detached first, so that whatever finish() starts sees no tracker.
    picker_mouse_cmd* t = take_tracker();
    if (!t)
        return;
    t->finish();
    delete t;
}

marquee_overlay* picker_view::marquee() const
{
    return static_cast<marquee_overlay*>(overlays_.get(overlay_list::kMarquee));
}

banner_overlay* picker_view::banner() const
{
    return static_cast<banner_overlay*>(overlays_.get(overlay_list::kBanner));
}

// ---- mouse

void picker_view::mousePressEvent(QMouseEvent* e)
{
    const QPoint point = round_half_away(qt_compat::local_position(e));
    pressPoint_ = point;
    pressed_ = nullptr;
    adjustCursor(false);
    // Add many waits for this press to place its buttons.
    if (add_manybuttons_cmd* many = dynamic_cast<add_manybuttons_cmd*>(tracker_)) {
        many->set_pressed();
        many->update(point, int(e->modifiers()));
        e->accept();
        return;
    }
    finish_tracker(); // a release went astray: end that drag first

    const Qt::MouseButtons held = e->buttons();
    if (e->modifiers() & Qt::AltModifier) {
        if (held == (Qt::LeftButton | Qt::MiddleButton) || held == Qt::RightButton)
            set_tracker(new zoom_picker_cmd(this, point));
        else if (held == Qt::MiddleButton)
            set_tracker(new shift_picker_cmd(this, point));
        e->accept();
        return;
    }
    if (held == Qt::MiddleButton) {
        set_tracker(new shift_picker_cmd(this, point));
        e->accept();
    } else if (held == Qt::RightButton) {
        show_context_menu(e, point);
    } else if (held == Qt::LeftButton) {
        left_press(e, point);
    } else {
        e->ignore();
    }
}

void picker_view::left_press(QMouseEvent* e, const QPoint& point)
{
    if (banner()->click(point)) {
        e->accept();
        return;
    }
    buttonRecord* b = find_button(point);
    pressed_ = b;
    const int modifiers = int(e->modifiers());
    if ((e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            == Qt::ControlModifier
        || !b || b->kind == kSelectionButton)
        set_tracker(new select_button_cmd(this, point, modifiers));
    else
        set_tracker(new track_button_cmd(this, point, b));
    e->accept();
}

void picker_view::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint point = round_half_away(qt_compat::local_position(e));
    if (tracker_) {
        tracker_->update(point, int(e->modifiers()));
        e->accept();
        return;
    }
    // Hovering: name the nodes of the selection button under the pointer.
    e->ignore();
    if (point == hoverPoint_)
        return;
    hoverPoint_ = point;
    const buttonRecord* b = find_button(point);
    if (!b || b->kind != kSelectionButton) {
        if (!tooltipText_.isEmpty()) {
            tooltipText_.clear();
            setToolTip(QString());
        }
        return;
    }
    const QString text = hover_text(b->nodes);
    if (toolTip() != text) {
        tooltipText_ = text;
        setToolTip(text);
    }
}

void picker_view::mouseReleaseEvent(QMouseEvent* e)
{
    picker_mouse_cmd* t = take_tracker();
    if (!t) {
        e->ignore();
        return;
    }
    t->update(round_half_away(qt_compat::local_position(e)), int(e->modifiers()));
    t->finish();
    delete t;
    e->accept();
}

void picker_view::wheelEvent(QWheelEvent* e)
{
    e->accept();
    if (e->buttons() != Qt::NoButton)
        return;
    const QPoint angle = e->angleDelta();
    const int delta = qAbs(angle.x()) > qAbs(angle.y()) ? angle.x() : angle.y();
    setZoom(stepped_zoom(float(view_.zoom), delta, 60), round_half_away(e->position()));
}

void picker_view::adjustCursor(bool force)
{
    const Qt::KeyboardModifiers m = QApplication::keyboardModifiers();
    const int state = ((m & Qt::ControlModifier) ? 1 : 0) + ((m & Qt::ShiftModifier) ? 2 : 0);
    if (state == cursorState_ && !force)
        return;
    cursorState_ = state;
    if (m & Qt::ControlModifier)
        setCursor(*editCursor_);
    else if (dynamic_cast<add_manybuttons_cmd*>(tracker_))
        setCursor(*addManyCursor_);
    else
        setCursor(Qt::ArrowCursor);
}

// ---- keyboard

void picker_view::keyPressEvent(QKeyEvent* e)
{
    adjustCursor(false);
    QWidget::keyPressEvent(e); // unhandled: on to the window's dispatch
}

void picker_view::keyReleaseEvent(QKeyEvent* e)
{
    adjustCursor(false);
    QWidget::keyReleaseEvent(e);
}

bool picker_view::execute_shortcut(QKeyEvent* e)
{
    if (!window_ || window_->frontPicker() != this)
        return false;
    return shortcut_dispatch::trigger_matching(actions(), e);
}

void picker_view::setWidgetShortcut(QAction* action, const QKeySequence& sequence) const
{
    shortcut_dispatch::set_widget_shortcut(action, sequence);
}

// ---- painting

void picker_view::paintEvent(QPaintEvent* e)
{
    if (!isVisible())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(e->rect(), kBackdrop);
    if (!background_.isNull())
        painter.drawPixmap(mapToScreen(QRect(QPoint(0, 0), background_.size())), background_);
    draw_buttons(painter, e->rect());
    overlays_.draw(painter);
}

void picker_view::draw_buttons(QPainter& painter, const QRect& area) const
{
    button_painter(painter, view_, &sprites_).draw_buttons(buttons_, area);
}

void picker_view::draw_one_button(QPainter& painter, const buttonRecord& button) const
{
    button_painter(painter, view_, &sprites_).draw_one_button(button);
}

void picker_view::draw_command_button(QPainter& painter, const buttonRecord& button) const
{
    button_painter(painter, view_, &sprites_).draw_command_button(button);
}

void picker_view::draw_label(QPainter& painter, const buttonRecord& button, const QPointF& centre) const
{
    button_painter(painter, view_, &sprites_).draw_label(button, centre);
}

void picker_view::resizeEvent(QResizeEvent* e)
{
    banner()->resize(e->size().width(), e->size().height());
}
