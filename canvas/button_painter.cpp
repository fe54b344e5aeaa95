#include "canvas/button_painter.h"
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>

namespace {
const QColor kSelected(224, 224, 224);
const QColor kPartly(128, 128, 128);

float trunc_f(float v)
{
    return float(int(v));
}

QColor opaque(QRgb c)
{
    return QColor(c); // drops the top byte
}
} // namespace

QRectF button_painter::canvas_rect(const buttonRecord& button, const view_transform& view)
{
    const float z = float(view.zoom);
    const float sx = float(view.shift.x());
    const float sy = float(view.shift.y());
    const QRect& r = button.rect;
    const float l = trunc_f(r.left() * z + sx);
    const float t = trunc_f(r.top() * z + sy);
    const float rr = trunc_f(r.right() * z + sx);
    const float b = trunc_f(r.bottom() * z + sy);
    return QRectF(l, t, rr - l, b - t);
}

void button_painter::draw_buttons(const QList<buttonRecord>& buttons, const QRect& area)
{
    if (buttons.isEmpty())
        return;
    const QRect pickerArea = view_.mapToPicker(area);
    painter_.setPen(Qt::NoPen);
    for (const buttonRecord& b : buttons) {
        if (!b.rect.intersects(pickerArea))
            continue;
        if (b.kind != kSelectionButton)
            draw_command_button(b);
        else
            draw_one_button(b);
    }
}

void button_painter::draw_one_button(const buttonRecord& button)
{
    const QRectF r = canvas_rect(button, view_);
    QColor fill;
    if (button.state == 1)
        fill = kSelected;
    else if (button.state == 2)
        fill = kPartly;
    else
        fill = opaque(button.color);
    // Selection buttons never have an outline, whatever was drawn before.
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(fill);
    if (button.nodes.size() >= 2) {
        if (!button.labelPicture.isNull()) {
            const qreal radius = 0.2 * qMin(r.width(), r.height());
            painter_.drawRoundedRect(r, radius, radius, Qt::AbsoluteSize);
        } else {
            painter_.drawEllipse(r);
        }
    } else {
        painter_.fillRect(r, fill);
    }
    draw_label(button, r.center());
}

void button_painter::draw_command_button(const buttonRecord& button)
{
    const QRectF r = canvas_rect(button, view_);
    const QColor base = opaque(button.color);
    QPen outline(Qt::SolidLine);
    outline.setWidthF(0.5);
    outline.setCapStyle(Qt::SquareCap);
    outline.setJoinStyle(Qt::BevelJoin);
    if (button.state == 1) {
        painter_.setBrush(base.lighter(150));
        outline.setColor(Qt::white);
    } else if (button.state == 2) {
        painter_.setBrush(kPartly);
        outline.setColor(kPartly);
    } else {
        QLinearGradient gradient(r.x(), r.y(), r.x(), r.y() + r.height());
        gradient.setColorAt(0.0, base.lighter(150));
        gradient.setColorAt(0.1, base);
        gradient.setColorAt(0.9, base);
        gradient.setColorAt(1.0, base.darker(150));
        painter_.setBrush(gradient);
        outline.setColor(Qt::black);
    }
    painter_.setPen(outline);
    const qreal radius = 0.05 * qMin(r.width(), r.height());
    painter_.drawRoundedRect(r, radius, radius, Qt::AbsoluteSize);
    draw_label(button, r.center());
}

void button_painter::draw_label(const buttonRecord& button, const QPointF& centre)
{
    const QPixmap& picture = button.labelPicture;
    if (picture.isNull())
        return;
    const double z = view_.zoom;
    const double w = int(picture.width() * z + 0.5);
    const double h = int(picture.height() * z + 0.5);
    if (w <= 0 || h <= 0)
        return; // too small to show a pixel
    const QRectF target(int(centre.x() + 0.5) - w / 2, int(centre.y() + 0.5) - h / 2, w, h);
    // A light label on a selected (light grey) button would vanish: invert it.
    const bool invert = button.kind == kSelectionButton && button.state == 1 && (button.labelColor & 0x808080u) != 0;
    if (invert) {
        painter_.setCompositionMode(QPainter::CompositionMode_Xor);
        painter_.drawPixmap(target, picture, QRectF(picture.rect()));
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        painter_.drawPixmap(target, picture, QRectF(picture.rect()));
    }
}
