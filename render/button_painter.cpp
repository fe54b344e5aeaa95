#include "render/button_painter.h"
#include "model/button_label.h"
#include <QtGui/QFontMetricsF>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <cmath>

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
constexpr qint64 kSpriteBytes = 32 * 1024 * 1024;
constexpr qint64 kLabelBytes = 64 * 1024 * 1024;
// Shaped bodies up to this many device pixels a side are kept as sprites.
constexpr int kShapedSprite = 512;
// Labels at larger scales are drawn from the font each time: few fit a
// canvas, and their pictures would be huge.
constexpr double kLargestCachedLabelScale = 8.0;
// Room round a label drawn for its scale, in device pixels: a glyph may
// reach past the box its font's metrics give.
constexpr int kLabelPadding = 2;

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
    shaped_.clear();
    labels_.clear();
    bytes_ = 0;
    labelBytes_ = 0;
    sprites_ = 0;
}

void button_painter::sprite_cache::prepare(double zoom, qreal pixelRatio)
{
    if (zoom != zoom_ || pixelRatio != pixelRatio_ || bytes_ > kSpriteBytes) {
        entries_.clear();
        shaped_.clear();
        bytes_ = 0;
        sprites_ = 0;
        zoom_ = zoom;
        pixelRatio_ = pixelRatio;
    }
    if (labelBytes_ > kLabelBytes) {
        labels_.clear();
        labelBytes_ = 0;
    }
}

int button_painter::label_step(double scale)
{
    return int(std::lround(std::log2(qMax(scale, 1e-3)) * 4));
}

double button_painter::step_scale(int step)
{
    return std::exp2(step / 4.0);
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
    for (int i = 0; i < buttons.size(); ++i) {
        const buttonRecord& b = buttons[i];
        if (!b.rect.intersects(pickerArea))
            continue;
        if (b.control.isActive()) {
            const auto it = readings_ ? readings_->constFind(i) : control_readings::const_iterator();
            control_reading fallback;
            fallback.value = QPointF(qBound(b.control.min.x(), 0.0, b.control.max.x()),
                                     qBound(b.control.min.y(), 0.0, b.control.max.y()));
            draw_control(b, readings_ && it != readings_->constEnd() ? *it : fallback);
            painter_.setPen(Qt::NoPen);
        } else if (b.has_extras())
            draw_shaped_button(b);
        else if (b.kind != kSelectionButton)
            draw_command_button(b);
        else
            draw_one_button(b);
        if (b.kind == kSelectionButton && b.broken())
            draw_broken_mark(b);
    }
}

void button_painter::draw_control(const buttonRecord& button, const control_reading& reading)
{
    const QRectF r = canvas_rect(button, view_);
    control_painter::paint(painter_, button, r, reading);
    draw_label(button, r.center());
}

void button_painter::draw_shaped_button(const buttonRecord& button)
{
    const QRectF r = canvas_rect(button, view_);
    // The looks of the kind and state, as the default shapes have them.
    QRgb fill = opaque(button.color).rgb(), outline = 0, tint = 0;
    if (button.kind == kSelectionButton) {
        if (button.state == kSelected)
            fill = kSelectedFill.rgb();
        else if (button.state == kPartlySelected)
            fill = kPartly.rgb();
    } else {
        outline = button.state == kSelected ? 0xffffffffu : button.state == kPartlySelected ? kPartly.rgb() : 0xff000000u;
        if (button.state == kSelected)
            fill = opaque(button.color).lighter(150).rgb();
        else if (button.state == kPartlySelected)
            fill = kPartly.rgb();
    }
    QString picture;
    if (!button.image.isEmpty() && pictures_ && pictures_->contains(button.image)) {
        picture = button.image;
        // A picture covers the fill: the state shows as a veil over it.
        if (button.state != kUnselected)
            tint = button.state == kSelected ? 0x80ffffffu : 0x80808080u;
    }
    if (!button.frame) {
        // The label alone; a state shows as a faint fill behind it.
        outline = 0;
        fill = button.state == kUnselected ? 0u : (QColor(fill).rgb() & 0x00ffffffu) | 0x60000000u;
    } else {
        fill |= 0xff000000u;
    }
    const sprite_cache::shaped_look look{button.shapeKey, int(r.width()), int(r.height()), fill, outline, tint, picture};
    const qreal ratio = pixel_ratio();
    const int deviceW = int(r.width() * ratio), deviceH = int(r.height() * ratio);
    if (!sprites_ || r.width() <= 0 || r.height() <= 0 || ratio != qreal(int(ratio)) || deviceW > kShapedSprite
        || deviceH > kShapedSprite) {
        paint_shaped(painter_, button, look, r.topLeft());
    } else {
        // The box maps its last picker unit's first pixel: an outline
        // reaching to the unit's far edge goes up to a zoom past it.
        const int margin = int(std::ceil(view_.zoom)) + 1;
        sprite_cache::entry& e = sprites_->shaped_[look];
        if (e.image.isNull()) {
            // Made at once: shaped buttons are few and alike, and their
            // curves are the dearest part of a paint.
            const int scale = int(ratio);
            e.image = QImage((int(r.width()) + 2 * margin) * scale, (int(r.height()) + 2 * margin) * scale,
                             QImage::Format_ARGB32_Premultiplied);
            e.image.setDevicePixelRatio(scale);
            e.image.fill(Qt::transparent);
            QPainter sprite(&e.image);
            sprite.setRenderHint(QPainter::Antialiasing, true);
            sprite.setRenderHint(QPainter::SmoothPixmapTransform, true);
            paint_shaped(sprite, button, look, QPointF(margin, margin));
            sprite.end();
            sprites_->bytes_ += e.image.sizeInBytes();
            ++sprites_->sprites_;
        }
        painter_.drawImage(QPointF(r.x() - margin, r.y() - margin), e.image);
    }
    draw_label(button, r.center());
}

void button_painter::paint_shaped(QPainter& painter, const buttonRecord& button, const sprite_cache::shaped_look& look,
                                  const QPointF& origin) const
{
    // The outline from picker units about the position to canvas pixels,
    // the box's corner at origin.
    const double z = view_.zoom;
    const QRectF box = canvas_rect(button, view_);
    QTransform t;
    t.translate(origin.x() + (button.position.x() * z + view_.shift.x()) - box.x(),
                origin.y() + (button.position.y() * z + view_.shift.y()) - box.y());
    t.scale(z, z);
    QPainterPath path;
    if (!button.outline.isEmpty())
        path = t.map(button.outline);
    else
        path.addRect(QRectF(origin, box.size())); // the default square, or an empty outline
    painter.save();
    painter.setPen(Qt::NoPen);
    if (qAlpha(look.fill) != 0) {
        painter.setBrush(QColor::fromRgba(look.fill));
        painter.drawPath(path);
    }
    if (!look.picture.isEmpty()) {
        const QImage& image = pictures_->value(look.picture);
        const QRectF area = path.boundingRect();
        QSizeF fitted = image.size();
        fitted.scale(area.size(), Qt::KeepAspectRatio);
        const QRectF target(area.center() - QPointF(fitted.width() / 2, fitted.height() / 2), fitted);
        painter.setClipPath(path, Qt::IntersectClip);
        painter.drawImage(target, image);
        if (look.tint) {
            painter.setBrush(QColor::fromRgba(look.tint));
            painter.drawPath(path);
        }
        painter.setClipping(false);
    }
    if (look.outline) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor::fromRgba(look.outline), 0.5, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.drawPath(path);
    }
    painter.restore();
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

void button_painter::draw_broken_mark(const buttonRecord& button)
{
    const QRectF r = canvas_rect(button, view_);
    painter_.save();
    if (button.all_missing()) {
        // Washed toward the backdrop: a button that selects nothing.
        painter_.setOpacity(0.6);
        painter_.fillRect(r.adjusted(0, 0, 1, 1), QColor(51, 51, 51));
        painter_.setOpacity(1.0);
    }
    // Two device pixels whatever the zoom, black under amber dashes, so
    // that it reads on every fill and at every size.
    const QRectF edge = r.adjusted(-1.5, -1.5, 2.5, 2.5);
    painter_.setBrush(Qt::NoBrush);
    QPen under(QColor(0, 0, 0), 2.0);
    under.setCosmetic(true);
    painter_.setPen(under);
    painter_.drawRect(edge);
    QPen dashes(QColor(255, 190, 0), 2.0, Qt::CustomDashLine, Qt::FlatCap);
    dashes.setCosmetic(true);
    dashes.setDashPattern({2.0, 2.0});
    painter_.setPen(dashes);
    painter_.drawRect(edge);
    painter_.restore();
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

QImage button_painter::scaled_label(const buttonRecord& button, double scale)
{
    // The scale is the same for every button of a paint.
    if (scale != labelScale_) {
        labelScale_ = scale;
        labelStep_ = label_step(scale);
    }
    const int step = labelStep_;
    const double drawn = step_scale(step);
    const sprite_cache::label_key key{button.label, button.labelColor, step};
    if (sprites_ && drawn <= kLargestCachedLabelScale) {
        auto it = sprites_->labels_.constFind(key);
        if (it != sprites_->labels_.constEnd())
            return it.value();
    }
    // The font itself at the scale, never a picture scaled up or down: a
    // label reads at every zoom and on every screen.
    QFont font = button_label::font();
    font.setPointSizeF(font.pointSizeF() * drawn);
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    const QRectF bounds = QFontMetricsF(font, &probe).boundingRect(button.label);
    const int w = int(std::ceil(bounds.width())) + 2 * kLabelPadding;
    const int h = int(std::ceil(bounds.height())) + 2 * kLabelPadding;
    if (w <= 2 * kLabelPadding || h <= 2 * kLabelPadding)
        return QImage();
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setFont(font);
        p.setPen(QColor(button.labelColor)); // the top byte is never painted
        p.drawText(QRect(0, 0, w, h), Qt::AlignHCenter | Qt::AlignVCenter, button.label);
    }
    if (sprites_ && drawn <= kLargestCachedLabelScale) {
        sprites_->labels_.insert(key, image);
        sprites_->labelBytes_ += image.sizeInBytes();
    }
    return image;
}

void button_painter::draw_label(const buttonRecord& button, const QPointF& centre)
{
    if (button.labelPicture.isNull())
        return;
    const double z = view_.zoom;
    const qreal ratio = pixel_ratio();
    // A light label on a selected (light grey) button would vanish: invert it.
    const bool invert = button.kind == kSelectionButton && button.state == kSelected && button.frame
                        && (button.labelColor & 0x808080u) != 0;
    if (invert)
        painter_.setCompositionMode(QPainter::CompositionMode_Xor);
    const double scale = z * ratio;
    if (scale == 1.0) {
        // The picture the button's box was measured from, as it is.
        const QPixmap& picture = button.labelPicture;
        const QRectF target(int(centre.x() + 0.5) - picture.width() / 2.0,
                            int(centre.y() + 0.5) - picture.height() / 2.0, picture.width(), picture.height());
        painter_.drawPixmap(target, picture, QRectF(picture.rect()));
    } else {
        const QImage image = scaled_label(button, scale);
        if (!image.isNull()) {
            // Laid out in device pixels, each corner on a whole one, so that
            // a label drawn at its own scale lands pixel for pixel.
            const double factor = scale / step_scale(labelStep_);
            const double w = image.width() * factor, h = image.height() * factor;
            const double left = std::round(centre.x() * ratio - w / 2), top = std::round(centre.y() * ratio - h / 2);
            const QRectF target(left / ratio, top / ratio, w / ratio, h / ratio);
            if (factor != 1.0)
                painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter_.drawImage(target, image, QRectF(image.rect()));
        }
    }
    if (invert)
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}
