#include "canvas/track_control_cmd.h"
#include "canvas/control_binding.h"
#include "canvas/picker_view.h"
#include "document/host_port.h"
#include "model/mel_text.h"
#include "render/button_painter.h"
#include "render/control_painter.h"

#include <QtCore/QTimer>
#include <cmath>

struct track_control_cmd::queue {
    QStringList nodes;
    QStringList attributes;
    QPointF value;
    bool pending = false;   // a value not yet sent
    bool scheduled = false; // a flush waits for the next turn
    bool opened = false;    // the undo chunk is open

    void flush()
    {
        scheduled = false;
        if (!pending)
            return;
        pending = false;
        QString text;
        if (!opened)
            text = QStringLiteral("undoInfo -openChunk; ");
        opened = true;
        host_port::current().queue_mel(text + set_text(nodes, attributes, value));
    }
};

namespace {

QString number(double v)
{
    return QString::number(v, 'g', 12);
}

} // namespace

QString track_control_cmd::set_text(const QStringList& nodes, const QStringList& attributes, const QPointF& value)
{
    QStringList parts;
    for (const QString& node : nodes)
        for (int axis = 0; axis < attributes.size(); ++axis)
            // -clamp: a range wider than the attribute's own stops at its limits.
            parts << QStringLiteral("setAttr -clamp %1 %2;")
                         .arg(mel_quote(control_binding::key(node, attributes[axis])),
                              number(axis == 0 ? value.x() : value.y()));
    return parts.join(QLatin1Char(' '));
}

void track_control_cmd::reset_to_default(picker_view* view, int index)
{
    if (!view || !view->document()->valid_index(index))
        return;
    const buttonRecord& b = view->document()->buttons()[index];
    if (!b.control.isActive())
        return;
    control_binding& binding = view->controls();
    binding.reread(index);
    if (!binding.reason(index).isEmpty())
        return;
    QStringList parts;
    for (const QString& node : b.nodes)
        for (const QString& attribute : b.control.attributes)
            parts << QStringLiteral("setAttr %1 %2;")
                         .arg(mel_quote(control_binding::key(node, attribute)),
                              number(binding.attribute(node, attribute).defaultValue));
    host_port::current().queue_mel(QStringLiteral("undoInfo -openChunk; ") + parts.join(QLatin1Char(' '))
                                   + QStringLiteral(" undoInfo -closeChunk;"));
}

track_control_cmd::track_control_cmd(picker_view* view, int index, const QPoint& press)
    : view_(view), index_(index), generation_(view->document()->generation()), queue_(std::make_shared<queue>())
{
    const buttonRecord& b = view->document()->buttons()[index];
    control_ = b.control;
    nodes_ = b.nodes;
    rect_ = button_painter::canvas_rect(b, view->view()).toRect();
    control_binding& binding = view->controls();
    binding.reread(index);
    if (!binding.reason(index).isEmpty())
        return; // drawn disabled: the press does nothing
    start_ = binding.readings().value(index).value;
    value_ = start_;
    if (control_.kind == button_control::Toggle)
        return;
    live_ = true;
    queue_->nodes = nodes_;
    queue_->attributes = control_.attributes;
    update(press, 0); // the handle jumps to the press
}

track_control_cmd::~track_control_cmd()
{
    // A flush still waiting finds nothing pending.
    queue_->pending = false;
}

bool track_control_cmd::control_there() const
{
    return view_ && view_->document()->generation() == generation_ && view_->document()->valid_index(index_);
}

void track_control_cmd::update(const QPoint& point, int)
{
    if (!control_there())
        return;
    if (control_.kind == button_control::Toggle) {
        over_ = rect_.adjusted(0, 0, 1, 1).contains(point);
        return;
    }
    if (!live_)
        return;
    const QRectF box = button_painter::canvas_rect(view_->document()->buttons()[index_], view_->view());
    const QPointF v = control_painter::value_at(control_, box, QPointF(point));
    if (v == value_ && queue_->opened)
        return;
    value_ = v;
    view_->controls().set_dragged(index_, v);
    view_->update(view_->mapToScreen(view_->document()->buttons()[index_].rect).adjusted(-40, -40, 40, 40));
    queue_->value = v;
    queue_->pending = true;
    if (!queue_->scheduled) {
        // At most once per turn: the flush sends whatever is latest then.
        queue_->scheduled = true;
        std::weak_ptr<queue> q = queue_;
        QTimer::singleShot(0, view_, [q] {
            if (auto locked = q.lock())
                locked->flush();
        });
    }
}

void track_control_cmd::send_now()
{
    queue_->flush();
    if (queue_->opened)
        host_port::current().queue_mel(QStringLiteral("undoInfo -closeChunk;"));
    queue_->opened = false;
}

void track_control_cmd::cancel()
{
    if (!live_)
        return;
    live_ = false;
    queue_->value = start_;
    queue_->pending = queue_->opened; // nothing went out: nothing to put back
    send_now();
    if (control_there()) {
        view_->controls().end_drag(index_, start_);
        view_->update();
    }
}

void track_control_cmd::finish()
{
    if (!control_there())
        return;
    if (control_.kind == button_control::Toggle) {
        control_binding& binding = view_->controls();
        if (!over_ || !binding.reason(index_).isEmpty())
            return;
        const control_reading r = binding.readings().value(index_);
        const host_attribute a = binding.attribute(nodes_.value(0), control_.attributes.value(0));
        const QVector<int> values = control_binding::toggle_values(a, control_);
        const int next = values[(qMax(0, int(values.indexOf(int(std::lround(r.value.x()))))) + 1) % values.size()];
        host_port::current().queue_mel(QStringLiteral("undoInfo -openChunk; ")
                                       + set_text(nodes_, control_.attributes, QPointF(next, 0))
                                       + QStringLiteral(" undoInfo -closeChunk;"));
        return;
    }
    if (!live_)
        return;
    live_ = false;
    send_now();
    view_->controls().end_drag(index_, value_);
    view_->update();
}
