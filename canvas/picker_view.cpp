#include "document/node_resolver.h"
#include "model/broken_buttons.h"
#include "canvas/picker_view.h"
#include "canvas/add_manybuttons_cmd.h"
#include "canvas/banner_overlay.h"
#include "canvas/canvas_menu.h"
#include "canvas/marquee_overlay.h"
#include "canvas/picker_cursors.h"
#include "canvas/picker_mouse_cmd.h"
#include "canvas/select_button_cmd.h"
#include "canvas/set_axis_cmd.h"
#include "canvas/shift_picker_cmd.h"
#include "canvas/track_control_cmd.h"
#include "canvas/track_button_cmd.h"
#include "canvas/zoom_picker_cmd.h"
#include "model/window_selection.h"
#include "ui/qt_compat.h"
#include "ui/shortcut_dispatch.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QApplication>

namespace {

const QColor kBackdrop(51, 51, 51);

// The tooltip of a selection button: its nodes, at most four lines.
QString hover_text(const QStringList& nodes)
{
    if (nodes.size() < 5)
        return nodes.join(QLatin1Char('\n'));
    QString text;
    for (int i = 0; i < 3; ++i)
        text += nodes.at(i) + QLatin1Char('\n');
    return text + picker_view::tr("...and %1 more").arg(nodes.size() - 3);
}

} // namespace

picker_view::picker_view(picker_document* document, const button_defaults* defaults, QWidget* parent)
    : QWidget(parent),
      document_(document),
      defaults_(defaults),
      editCursor_(picker_cursors::make_edit_cursor()),
      addManyCursor_(picker_cursors::make_add_many_cursor()),
      overlays_(this),
      controls_(document)
{
    document_->setParent(this);
    zoomTimer_.setSingleShot(false);
    zoomTimer_.setInterval(20);
    menu_ = new canvas_menu(this);
    setMouseTracking(true);
    connect(&zoomTimer_, &QTimer::timeout, this, &picker_view::animate_zoom);

    connect(document_, &picker_document::edited, this, [this] {
        update();
        emit changed();
        update_toolbox();
    });
    connect(document_, &picker_document::selectionChanged, this, qOverload<>(&QWidget::update));
    connect(document_, &picker_document::backgroundChanged, this, qOverload<>(&QWidget::update));
    // The pressed button is held by position: it moves with the list.
    connect(document_, &picker_document::buttonInserted, this, [this](int index) { follow_list(index, 1); });
    connect(document_, &picker_document::buttonRemoved, this, [this](int index) { follow_list(index, -1); });
    connect(document_, &picker_document::buttonsReset, this, [this] { pressed_ = -1; });
}

picker_view::~picker_view()
{
    delete tracker_;
    tracker_ = nullptr;
    // Before the widget goes: the document's commands may refer to it.
    delete document_;
    document_ = nullptr;
    delete editCursor_;
    delete addManyCursor_;
}

void picker_view::follow_list(int index, int change)
{
    if (pressed_ < 0)
        return;
    if (change > 0 && pressed_ >= index)
        ++pressed_;
    else if (change < 0 && pressed_ == index)
        pressed_ = -1;
    else if (change < 0 && pressed_ > index)
        --pressed_;
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

void picker_view::frame_view()
{
    frameBounds(document_->button_bounds(document_->any_selected()), false);
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

QPoint picker_view::centre_point() const
{
    return mapToPicker(QPoint((width() - 1) / 2, (height() - 1) / 2));
}

void picker_view::reveal(const QRect& pasted)
{
    const QRect canvas(0, 0, width(), height());
    if (canvas.contains(mapToScreen(pasted)))
        update();
    else
        frameBounds(pasted, true);
}

// ---- buttons

int picker_view::button_index_at(const QPoint& point) const
{
    const QList<buttonRecord>& list = document_->buttons();
    // A shape is hit by its outline, at the pixel's centre.
    const QPointF picker((point.x() + 0.5 - view_.shift.x()) / view_.zoom,
                         (point.y() + 0.5 - view_.shift.y()) / view_.zoom);
    for (int i = 0; i < list.size(); ++i) {
        const buttonRecord& b = list[i];
        if (b.shape.isDefault() ? mapToScreen(b.rect).contains(point) : b.contains(picker))
            return i;
    }
    return -1;
}

bool picker_view::touches(const buttonRecord& b, const QRect& band) const
{
    if (!mapToScreen(b.rect).intersects(band))
        return false;
    if (b.shape.isDefault() || b.outline.isEmpty())
        return true;
    const double z = view_.zoom;
    const QRectF picker((band.x() - view_.shift.x()) / z - b.position.x(), (band.y() - view_.shift.y()) / z - b.position.y(),
                        band.width() / z, band.height() / z);
    return b.outline.intersects(picker);
}

const buttonRecord* picker_view::find_button(const QPoint& point) const
{
    const int i = button_index_at(point);
    return i < 0 ? nullptr : &document_->buttons()[i];
}

const buttonRecord* picker_view::pressed_button() const
{
    return document_->valid_index(pressed_) ? &document_->buttons()[pressed_] : nullptr;
}

void picker_view::clear_all_selected()
{
    emit clearingAllSelected();
    document_->clear_selected();
    window_selection::names().clear();
}

void picker_view::update_toolbox()
{
    emit toolboxUpdateRequested();
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
    pressed_ = -1;
    adjustCursor(false);
    // Add many waits for this press to place its buttons.
    if (add_manybuttons_cmd* many = dynamic_cast<add_manybuttons_cmd*>(tracker_)) {
        many->set_pressed();
        many->update(point, int(e->modifiers()));
        e->accept();
        return;
    }
    const Qt::MouseButtons held = e->buttons();
    const Qt::KeyboardModifiers mods = e->modifiers();
    // Set Mirror Axis waits for a left click; any other press gives it up.
    if (set_axis_cmd* axis = dynamic_cast<set_axis_cmd*>(tracker_)) {
        if (held == Qt::LeftButton && !(mods & (Qt::AltModifier | Qt::ControlModifier))) {
            axis->press(point);
            e->accept();
            return;
        }
    }
    finish_tracker(); // a release went astray: end that drag first

    if (mods & Qt::AltModifier) {
        if (held == (Qt::LeftButton | Qt::MiddleButton) || held == Qt::RightButton)
            set_tracker(new zoom_picker_cmd(this, point));
        else if (held == Qt::MiddleButton)
            set_tracker(new shift_picker_cmd(this, point));
        else if (held == Qt::LeftButton && !(mods & (Qt::ControlModifier | Qt::MetaModifier)))
            left_press(e, point); // the other side's nodes (Shift: both sides)
        e->accept();
        return;
    }
    if (held == Qt::MiddleButton) {
        set_tracker(new shift_picker_cmd(this, point));
        e->accept();
    } else if (held == Qt::RightButton) {
        pressed_ = button_index_at(point);
        menu_->show_at(e, point);
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
    pressed_ = button_index_at(point);
    const buttonRecord* b = pressed_button();
    const int modifiers = int(e->modifiers());
    const bool editing = (e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
                         == Qt::ControlModifier;
    // A control is worked by a plain press; Ctrl selects and moves it as any button.
    if (b && b->control.isActive() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        set_tracker(new track_control_cmd(this, pressed_, point));
    else if (editing || !b || b->kind == kSelectionButton)
        set_tracker(new select_button_cmd(this, point, modifiers));
    else
        set_tracker(new track_button_cmd(this, point, b, (e->modifiers() & Qt::AltModifier) != 0));
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
    e->ignore();
    hover(point);
}

void picker_view::hover(const QPoint& point)
{
    // Name the nodes of the selection button under the pointer.
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
    const int index = button_index_at(point);
    QString text = hover_text(b->nodes);
    if (b->control.isActive()) {
        const QString why = controls_.reason(index);
        if (!why.isEmpty())
            text = why;
    }
    if (b->broken()) {
        // Say which names are not there, or are not one node.
        broken_button e;
        e.missing = b->names_with(kNodeMissing);
        e.ambiguous = b->names_with(kNodeAmbiguous);
        text += QLatin1Char('\n') + broken_lines(e).join(QLatin1Char('\n'));
        for (const QString& name : e.ambiguous) {
            const node_lookup found = node_resolver::instance().lookup(name);
            if (!found.candidates.isEmpty())
                text += QLatin1Char('\n') + tr("%1 could be: %2").arg(name, found.candidates.join(QStringLiteral(", ")));
        }
    }
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
    else if (dynamic_cast<set_axis_cmd*>(tracker_))
        setCursor(Qt::SplitHCursor);
    else
        setCursor(Qt::ArrowCursor);
}

// ---- keyboard

void picker_view::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        if (auto* drag = dynamic_cast<track_control_cmd*>(tracker_)) {
            drag->cancel();
            delete take_tracker();
            e->accept();
            return;
        }
    }
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
    // Only the canvas of the current tab: the tab widget hides the others.
    if (isHidden())
        return false;
    return shortcut_dispatch::trigger_matching(actions(), e);
}

// ---- painting

void picker_view::paintEvent(QPaintEvent* e)
{
    if (!isVisible())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(e->rect(), kBackdrop);
    const QPixmap& background = document_->background();
    if (!background.isNull())
        painter.drawPixmap(mapToScreen(QRect(QPoint(0, 0), background.size())), background);
    button_painter buttons(painter, view_, &sprites_, &document_->pictures());
    buttons.set_control_readings(&controls_.readings());
    buttons.draw_buttons(document_->buttons(), e->rect());
    overlays_.draw(painter);
}

void picker_view::attribute_changed(const QString& node, const QString& attribute, double value, bool reread)
{
    QRect dirty;
    if (reread ? controls_.attribute_reread(node, attribute, &dirty)
               : controls_.attribute_changed(node, attribute, value, &dirty))
        update(mapToScreen(dirty).adjusted(-2, -2, 3, 3));
}

void picker_view::reset_control_at(const QPoint& point)
{
    const int index = button_index_at(point);
    if (index >= 0 && document_->buttons()[index].control.isActive())
        track_control_cmd::reset_to_default(this, index);
}

void picker_view::resizeEvent(QResizeEvent* e)
{
    banner()->resize(e->size().width(), e->size().height());
}
