#include "render/control_painter.h"
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <cmath>

namespace control_painter {

namespace {

const QColor kTrack(34, 34, 34);
const QColor kDisabled(96, 96, 96);
const QColor kSelectedRim(224, 224, 224);

QString value_text(double v)
{
    return QString::number(v, 'g', 4);
}

} // namespace

double fraction(double value, double min, double max)
{
    if (!(max > min))
        return 0.0;
    return qBound(0.0, (value - min) / (max - min), 1.0);
}

QPointF handle_centre(const button_control& c, const QRectF& box, const QPointF& value)
{
    const double fx = fraction(value.x(), c.min.x(), c.max.x());
    if (c.kind == button_control::Pad) {
        const double fy = fraction(value.y(), c.min.y(), c.max.y());
        return QPointF(box.left() + fx * box.width(), box.bottom() - fy * box.height());
    }
    if (c.orientation == button_control::Vertical)
        return QPointF(box.center().x(), box.bottom() - fx * box.height());
    return QPointF(box.left() + fx * box.width(), box.center().y());
}

QPointF value_at(const button_control& c, const QRectF& box, const QPointF& p)
{
    const auto along = [](double at, double from, double length, double min, double max) {
        const double f = length > 0 ? qBound(0.0, (at - from) / length, 1.0) : 0.0;
        return min + f * (max - min);
    };
    if (c.kind == button_control::Pad)
        return QPointF(along(p.x(), box.left(), box.width(), c.min.x(), c.max.x()),
                       along(box.bottom() - p.y(), 0, box.height(), c.min.y(), c.max.y()));
    if (c.orientation == button_control::Vertical)
        return QPointF(along(box.bottom() - p.y(), 0, box.height(), c.min.x(), c.max.x()), 0);
    return QPointF(along(p.x(), box.left(), box.width(), c.min.x(), c.max.x()), 0);
}

void paint(QPainter& painter, const buttonRecord& button, const QRectF& box, const control_reading& reading)
{
    const button_control& c = button.control;
    const QColor accent = reading.enabled ? QColor::fromRgb(button.color | 0xff000000u) : kDisabled;
    painter.save();
    painter.setPen(button.state == kSelected ? QPen(kSelectedRim, 1.0) : Qt::NoPen);
    painter.setBrush(reading.enabled ? kTrack : kTrack.lighter(130));
    const double radius = qMin(box.width(), box.height()) * 0.25;
    painter.drawRoundedRect(box, radius, radius);
    painter.setPen(Qt::NoPen);
    if (c.kind == button_control::Toggle) {
        // One segment per value, the current one lit.
        const int steps = qMax(2, reading.steps);
        const double w = box.width() / steps;
        for (int i = 0; i < steps; ++i) {
            const QRectF seg(box.left() + i * w + 1, box.top() + 1, qMax(0.0, w - 2), qMax(0.0, box.height() - 2));
            painter.setBrush(i == reading.step ? accent : accent.darker(300));
            painter.drawRect(seg);
        }
    } else {
        const double thick = qMax(2.0, qMin(box.width(), box.height()) * (c.kind == button_control::Pad ? 0.12 : 0.6));
        const QPointF at = handle_centre(c, box, reading.value);
        painter.setBrush(accent.darker(200));
        if (c.kind == button_control::Pad) {
            // The cross of the handle's lines, then the handle.
            painter.drawRect(QRectF(box.left(), at.y() - 0.5, box.width(), 1));
            painter.drawRect(QRectF(at.x() - 0.5, box.top(), 1, box.height()));
        } else if (c.orientation == button_control::Vertical) {
            painter.drawRect(QRectF(box.center().x() - 1, box.top(), 2, box.height()));
        } else {
            painter.drawRect(QRectF(box.left(), box.center().y() - 1, box.width(), 2));
        }
        painter.setBrush(accent);
        painter.drawEllipse(at, thick, thick);
        if (reading.dragging) {
            QString text = value_text(reading.value.x());
            if (c.kind == button_control::Pad)
                text += QStringLiteral(", ") + value_text(reading.value.y());
            painter.setPen(Qt::white);
            const QFontMetricsF fm(painter.font());
            const QRectF tr(at.x() - fm.horizontalAdvance(text) / 2 - 2, at.y() - thick - fm.height() - 2,
                            fm.horizontalAdvance(text) + 4, fm.height());
            painter.fillRect(tr, QColor(0, 0, 0, 160));
            painter.drawText(tr, Qt::AlignCenter, text);
        }
    }
    painter.restore();
}

} // namespace control_painter
