#include "model/button_shape.h"
#include "model/svg_path.h"
#include <QtGui/QPolygonF>
#include <QtGui/QTransform>
#include <cmath>

namespace {
const char* const kNames[button_shape::kKinds] = {"rect", "rounded", "ellipse", "polygon", "path"};

QRectF box(qint32 width, qint32 height)
{
    // The same box a square of that size has: the extra unit of an even
    // side right and below.
    return QRectF(-double((width - 1) / 2), -double((height - 1) / 2), width, height);
}
// Path data again, as absolute moves, lines and cubic curves.
QString path_data(const QPainterPath& path)
{
    QString d;
    const auto number = [](double v) { return QString::number(std::round(v * 100) / 100, 'g', 10); };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            d += QStringLiteral("M%1 %2 ").arg(number(e.x), number(e.y));
        } else if (e.isLineTo()) {
            d += QStringLiteral("L%1 %2 ").arg(number(e.x), number(e.y));
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1), p = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6 ")
                     .arg(number(e.x), number(e.y), number(c2.x), number(c2.y), number(p.x), number(p.y));
            i += 2;
        }
    }
    return d.trimmed() + QStringLiteral(" Z");
}
} // namespace

const char* button_shape::kind_name(kind_t kind)
{
    return kind < kKinds ? kNames[kind] : "rect";
}

int button_shape::kind_of(const QString& name)
{
    for (int k = 0; k < kKinds; ++k)
        if (name == QLatin1String(kNames[k]))
            return k;
    return -1;
}

QPainterPath button_shape::outline(int size) const
{
    QPainterPath path;
    const qint32 w = width > 0 ? width : qBound(0, size, kMaxExtent);
    const qint32 h = height > 0 ? height : qBound(0, size, kMaxExtent);
    switch (kind) {
    case Rect:
        if (!isDefault())
            path.addRect(box(w, h));
        break;
    case Rounded: {
        const qreal shorter = qMin(w, h);
        const qreal r = qMin<qreal>(radius > 0 ? radius : shorter / 4, shorter / 2);
        path.addRoundedRect(box(w, h), r, r);
        break;
    }
    case Ellipse:
        path.addEllipse(box(w, h));
        break;
    case Polygon: {
        QPolygonF polygon;
        for (const QPoint& p : points)
            polygon << QPointF(p);
        if (polygon.size() >= 3) {
            path.addPolygon(polygon);
            path.closeSubpath();
        }
        break;
    }
    case Path:
        if (!parse_svg_path(this->path, &path))
            path = QPainterPath();
        break;
    }
    path.setFillRule(Qt::WindingFill);
    return path;
}

QRect button_shape::bounds(int size) const
{
    if (isDefault())
        return QRect();
    const QRectF r = outline(size).boundingRect();
    if (r.isEmpty())
        return QRect();
    const auto clamp = [](double v) { return int(qBound(-double(kMaxExtent), v, double(kMaxExtent))); };
    return QRect(QPoint(clamp(std::floor(r.left())), clamp(std::floor(r.top()))),
                 QPoint(clamp(std::ceil(r.right())) - 1, clamp(std::ceil(r.bottom())) - 1));
}

button_shape button_shape::fitted(int w, int h) const
{
    if (kind != Polygon && kind != Path) {
        button_shape out = *this;
        out.width = w;
        out.height = h;
        return out;
    }
    const QRectF r = outline(0).boundingRect();
    if (r.width() <= 0 || r.height() <= 0 || w <= 0 || h <= 0)
        return *this;
    const double s = qMin(w / r.width(), h / r.height());
    // Scaled about the middle of its bounds, which lands on the position.
    QTransform t;
    t.scale(s, s);
    t.translate(-r.center().x(), -r.center().y());
    button_shape out = *this;
    if (kind == Polygon) {
        for (QPoint& p : out.points)
            p = t.map(QPointF(p)).toPoint();
        return out;
    }
    out.path = path_data(t.map(outline(0)));
    return out;
}

button_shape button_shape::flipped() const
{
    button_shape out = *this;
    if (kind == Polygon) {
        for (QPoint& p : out.points)
            p.setX(-p.x());
    } else if (kind == Path) {
        QPainterPath parsed;
        // Data that does not parse draws nothing either way: kept as it is.
        if (parse_svg_path(path, &parsed))
            out.path = path_data(QTransform::fromScale(-1, 1).map(parsed));
    }
    return out;
}
