#include "render/button_painter.h"
#include "model/button_label.h"
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

namespace {
const QColor kSelectedFill(224, 224, 224);
const QColor kPartly(128, 128, 128);

// Corner radii as fractions of the shorter side.
constexpr qreal kSelectionRadius = 0.2;
constexpr qreal kCommandRadius = 0.05;

// Shapes up to this size (canvas pixels) are drawn from cached outlines and
// sprites. Larger ones are few on any canvas and drawn from their curves.
constexpr qreal kSmallShape = 64;
// A sprite cache past this many bytes starts again.
constexpr qint64 kSpriteBytes = 16 * 1024 * 1024;

float trunc_f(float v)
{
    return float(int(v));
}

QColor opaque(QRgb c)
{
    return QColor(c); // drops the top byte
}

bool is_small(const QRectF& r)
{
    return r.width() <= kSmallShape && r.height() <= kSmallShape;
}

void add_shape(QPainterPath* path, int kind, const QRectF& r)
{
    if (kind == 0) {
        path->addEllipse(r);
        return;
    }
    const qreal radius = (kind == 1 ? kSelectionRadius : kCommandRadius) * qMin(r.width(), r.height());
    path->addRoundedRect(r, radius, radius, Qt::AbsoluteSize);
}
} // namespace

void button_painter::sprite_cache::clear()
{
    entries_.clear();
    labels_.clear();
    bytes_ = 0;
    sprites_ = 0;
}

void button_painter::sprite_cache::prepare(double zoom, qreal pixelRatio)
{
    if (zoom != zoom_ || pixelRatio != pixelRatio_ || bytes_ > kSpriteBytes) {
        clear();
        zoom_ = zoom;
        pixelRatio_ = pixelRatio;
    }
}

qreal button_painter::pixel_ratio() const
{
    const QPaintDevice* device = painter_.device();
    return device ? device->devicePixelRatioF() : 1.0;
}

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
    if (sprites_)
        sprites_->prepare(view_.zoom, pixel_ratio());
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
    if (button.state == kSelected)
        fill = kSelectedFill;
    else if (button.state == kPartlySelected)
        fill = kPartly;
    else
        fill = opaque(button.color);
    if (button.nodes.size() >= 2) {
        const shape_kind kind = button.labelPicture.isNull() ? kEllipse : kSelectionRounded;
        draw_body({kind, fill, false, false, QColor()}, r);
    } else {
        painter_.fillRect(r, fill); // square corners; cheap enough as it is
    }
    draw_label(button, r.center());
}

void button_painter::draw_command_button(const buttonRecord& button)
{
    const QRectF r = canvas_rect(button, view_);
    const QColor base = opaque(button.color);
    if (button.state == kSelected)
        draw_body({kCommandRounded, base.lighter(150), false, true, Qt::white}, r);
    else if (button.state == kPartlySelected)
        draw_body({kCommandRounded, kPartly, false, true, kPartly}, r);
    else
        draw_body({kCommandRounded, base, true, true, Qt::black}, r);
    draw_label(button, r.center());
}

void button_painter::draw_body(const body& b, const QRectF& r)
{
    // A sprite is copied pixel for pixel, so it is made at the device's
    // resolution; a fractional ratio would misplace it: drawn directly.
    const qreal ratio = pixel_ratio();
    if (!sprites_ || !is_small(r) || r.width() <= 0 || r.height() <= 0 || ratio != qreal(int(ratio))) {
        paint_body(painter_, b, r);
        return;
    }
    const sprite_cache::look key{int(b.kind), int(r.width()), int(r.height()), b.fill.rgb(),
                                 b.outlined ? b.outline.rgb() : 0u, b.gradient};
    sprite_cache::entry& e = sprites_->entries_[key];
    if (e.image.isNull()) {
        if (++e.seen < 2) {
            paint_body(painter_, b, r);
            return;
        }
        // A pixel of margin all round holds the outline's outer half. The
        // box has whole-pixel corners, so the copy lands exactly where the
        // shape would have been drawn.
        const int scale = int(ratio);
        e.image = QImage((int(r.width()) + 2) * scale, (int(r.height()) + 2) * scale,
                         QImage::Format_ARGB32_Premultiplied);
        e.image.setDevicePixelRatio(scale);
        e.image.fill(Qt::transparent);
        QPainter sprite(&e.image);
        sprite.setRenderHint(QPainter::Antialiasing, true);
        paint_body(sprite, b, QRectF(QPointF(1, 1), r.size()));
        sprite.end();
        sprites_->bytes_ += e.image.sizeInBytes();
        ++sprites_->sprites_;
    }
    painter_.drawImage(QPointF(r.x() - 1, r.y() - 1), e.image);
}

void button_painter::paint_body(QPainter& painter, const body& b, const QRectF& r)
{
    if (b.outlined) {
        QPen outline(b.outline, 0.5, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
        painter.setPen(outline);
    } else {
        // Selection buttons never have an outline, whatever was drawn before.
        painter.setPen(Qt::NoPen);
    }
    if (b.gradient) {
        QLinearGradient gradient(r.x(), r.y(), r.x(), r.y() + r.height());
        gradient.setColorAt(0.0, b.fill.lighter(150));
        gradient.setColorAt(0.1, b.fill);
        gradient.setColorAt(0.9, b.fill);
        gradient.setColorAt(1.0, b.fill.darker(150));
        painter.setBrush(gradient);
    } else {
        painter.setBrush(b.fill);
    }
    paint_shape(painter, b.kind, r);
    painter.setPen(Qt::NoPen);
}

void button_painter::paint_shape(QPainter& painter, shape_kind kind, const QRectF& r)
{
    if (!is_small(r)) {
        QPainterPath path;
        add_shape(&path, kind, r);
        painter.drawPath(path);
        return;
    }
    // Flattening the curves of thousands of small shapes costs more than
    // filling them: one outline per kind and size serves every button of
    // that size, moved by whole pixels.
    const quint64 key = (quint64(kind) << 40) | (quint64(quint32(r.width())) << 20) | quint64(quint32(r.height()));
    auto it = shapes_.find(key);
    if (it == shapes_.end()) {
        QPainterPath path;
        add_shape(&path, kind, QRectF(QPointF(0, 0), r.size()));
        it = shapes_.insert(key, path.toFillPolygon());
    }
    painter.drawPolygon(it.value().translated(r.topLeft()));
}

QPixmap button_painter::device_label(const buttonRecord& button)
{
    const qreal ratio = pixel_ratio();
    if (ratio == 1.0 || button.labelPicture.isNull())
        return button.labelPicture;
    if (!sprites_)
        return QPixmap::fromImage(button_label::render(button.label, button.labelColor, ratio));
    QPixmap& picture = sprites_->labels_[qMakePair(button.label, button.labelColor)];
    if (picture.isNull()) {
        picture = QPixmap::fromImage(button_label::render(button.label, button.labelColor, ratio));
        sprites_->bytes_ += qint64(picture.width()) * picture.height() * 4;
    }
    return picture;
}

void button_painter::draw_label(const buttonRecord& button, const QPointF& centre)
{
    if (button.labelPicture.isNull())
        return;
    const QPixmap picture = device_label(button);
    // Laid out in logical pixels whatever the picture's resolution.
    const QSize size = button.labelPicture.size();
    const double z = view_.zoom;
    const double w = int(size.width() * z + 0.5);
    const double h = int(size.height() * z + 0.5);
    if (w <= 0 || h <= 0)
        return; // too small to show a pixel
    const QRectF target(int(centre.x() + 0.5) - w / 2, int(centre.y() + 0.5) - h / 2, w, h);
    // A light label on a selected (light grey) button would vanish: invert it.
    const bool invert = button.kind == kSelectionButton && button.state == kSelected && (button.labelColor & 0x808080u) != 0;
    if (invert) {
        painter_.setCompositionMode(QPainter::CompositionMode_Xor);
        painter_.drawPixmap(target, picture, QRectF(picture.rect()));
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        painter_.drawPixmap(target, picture, QRectF(picture.rect()));
    }
}
