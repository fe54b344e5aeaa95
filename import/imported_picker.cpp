#include "import/imported_picker.h"
#include <QtGui/QPolygonF>

QRectF imported_shape::bounds() const
{
    switch (kind) {
    case Rect:
    case Rounded:
    case Ellipse:
        return QRectF(-width / 2, -height / 2, width, height);
    case Polygon: {
        if (points.isEmpty())
            return QRectF();
        double l = points[0].x(), r = l, t = points[0].y(), b = t;
        for (const QPointF& p : points) {
            l = qMin(l, p.x());
            r = qMax(r, p.x());
            t = qMin(t, p.y());
            b = qMax(b, p.y());
        }
        return QRectF(QPointF(l, t), QPointF(r, b));
    }
    case Path:
        return outline.boundingRect();
    }
    return QRectF();
}

QPainterPath imported_shape::painterPath() const
{
    QPainterPath p;
    const QRectF box(-width / 2, -height / 2, width, height);
    switch (kind) {
    case Rect:
        p.addRect(box);
        break;
    case Rounded:
        p.addRoundedRect(box, radiusX, radiusY);
        break;
    case Ellipse:
        p.addEllipse(box);
        break;
    case Polygon:
        p.addPolygon(QPolygonF(points));
        p.closeSubpath();
        break;
    case Path:
        p = outline;
        break;
    }
    return p;
}

imported_shape imported_shape::polygon(const QVector<QPointF>& points, QPointF* position)
{
    imported_shape shape;
    shape.kind = Polygon;
    shape.points = points;
    if (points.size() != 4)
        return shape;
    // A rectangle along the axes: each corner shares x with one neighbour
    // and y with the other.
    const QRectF box = shape.bounds();
    const double tolerance = 1e-6 * qMax(1.0, qMax(box.width(), box.height()));
    auto same = [tolerance](double a, double b) { return qAbs(a - b) <= tolerance; };
    for (int i = 0; i < 4; ++i) {
        const QPointF& p = points[i];
        const QPointF& next = points[(i + 1) % 4];
        const bool onX = same(p.x(), box.left()) || same(p.x(), box.right());
        const bool onY = same(p.y(), box.top()) || same(p.y(), box.bottom());
        const bool edge = same(p.x(), next.x()) != same(p.y(), next.y());
        if (!onX || !onY || !edge)
            return shape;
    }
    shape.kind = Rect;
    shape.points.clear();
    shape.width = box.width();
    shape.height = box.height();
    *position += box.center();
    return shape;
}

QString imported_shape::kindName(Kind kind)
{
    switch (kind) {
    case Rect:
        return QStringLiteral("rect");
    case Rounded:
        return QStringLiteral("rounded");
    case Ellipse:
        return QStringLiteral("ellipse");
    case Polygon:
        return QStringLiteral("polygon");
    case Path:
        return QStringLiteral("path");
    }
    return QString();
}

QString imported_button::reference(int index) const
{
    if (!label.trimmed().isEmpty())
        return label.trimmed();
    if (!nodes.isEmpty())
        return nodes.first();
    return QStringLiteral("#%1").arg(index);
}
