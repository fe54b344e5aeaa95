#include "model/control_outline.h"
#include "model/buttonRecord.h"
#include <QtCore/QLineF>
#include <cmath>

namespace {

// Thinner than this (picker units) an outline cannot be clicked.
constexpr double kThinnest = 4.0;

QVector<QPointF> projected(const QVector<QVector3D>& curve, control_view view)
{
    QVector<QPointF> out;
    out.reserve(curve.size());
    for (const QVector3D& p : curve)
        if (std::isfinite(p.x()) && std::isfinite(p.y()) && std::isfinite(p.z()))
            out.append(project(p, view));
    return out;
}

QRectF boundsOf(const QList<QVector<QPointF>>& curves)
{
    QRectF r;
    bool any = false;
    for (const QVector<QPointF>& c : curves)
        for (const QPointF& p : c) {
            if (!any) {
                r = QRectF(p, QSizeF(0, 0));
                any = true;
            } else {
                r.setLeft(qMin(r.left(), p.x()));
                r.setRight(qMax(r.right(), p.x()));
                r.setTop(qMin(r.top(), p.y()));
                r.setBottom(qMax(r.bottom(), p.y()));
            }
        }
    return r;
}

// The points in whole picker units about the centre, repeats dropped.
QVector<QPoint> rounded(const QVector<QPointF>& curve, const QPointF& origin)
{
    QVector<QPoint> out;
    for (const QPointF& p : curve) {
        const QPoint q = (p - origin).toPoint();
        if (out.isEmpty() || out.last() != q)
            out.append(q);
    }
    while (out.size() > 1 && out.first() == out.last())
        out.removeLast();
    return out;
}

QString pathOf(const QList<QVector<QPoint>>& rings)
{
    QString d;
    for (const QVector<QPoint>& ring : rings) {
        for (int i = 0; i < ring.size(); ++i) {
            if (!d.isEmpty())
                d += QLatin1Char(' ');
            d += QLatin1String(i == 0 ? "M " : "L ") + QString::number(ring[i].x()) + QLatin1Char(' ')
                 + QString::number(ring[i].y());
        }
        d += QLatin1String(" Z");
    }
    return d;
}

} // namespace

QPointF project(const QVector3D& p, control_view view)
{
    switch (view) {
    case control_view::Side:
        return QPointF(-p.z(), -p.y());
    case control_view::Top:
        return QPointF(p.x(), p.z());
    case control_view::Front:
        break;
    }
    return QPointF(p.x(), -p.y());
}

control_buttons buttons_from_controls(const QList<control_curves>& controls, control_view view, const QRect& area,
                                      const button_defaults& defaults)
{
    control_buttons out;
    QList<QList<QVector<QPointF>>> flat;
    QList<QVector<QPointF>> all;
    QStringList names;
    for (const control_curves& c : controls) {
        QList<QVector<QPointF>> curves;
        for (const QVector<QVector3D>& curve : c.curves) {
            const QVector<QPointF> p = projected(curve, view);
            if (!p.isEmpty())
                curves.append(p);
        }
        if (curves.isEmpty()) {
            out.withoutCurves.append(c.name);
            continue;
        }
        flat.append(curves);
        all.append(curves);
        names.append(c.name);
    }
    if (flat.isEmpty())
        return out;
    const QRectF world = boundsOf(all);
    // The largest scale that fits the arrangement in the area; one point
    // (a single control seen as a dot) keeps the scale of one.
    double scale = 1.0;
    if (world.width() > 0 || world.height() > 0) {
        const double sx = world.width() > 0 ? area.width() / world.width() : HUGE_VAL;
        const double sy = world.height() > 0 ? area.height() / world.height() : HUGE_VAL;
        scale = qMin(sx, sy);
    }
    const QPointF centre = QRectF(area).center();
    const double limit = buttonRecord::kCoordinateLimit;
    for (int i = 0; i < flat.size(); ++i) {
        QList<QVector<QPointF>> curves;
        for (const QVector<QPointF>& c : flat[i]) {
            QVector<QPointF> placed;
            placed.reserve(c.size());
            for (const QPointF& p : c)
                placed.append((p - world.center()) * scale + centre);
            curves.append(placed);
        }
        const QRectF box = boundsOf(curves);
        buttonAttributes b;
        b.kind = kSelectionButton;
        b.language = kMelScript;
        b.nodes = QStringList{names[i]};
        b.label = defaults.label;
        b.color = defaults.color;
        b.labelColor = defaults.labelColor;
        b.position = QPoint(qRound(qBound(-limit, box.center().x(), limit)), qRound(qBound(-limit, box.center().y(), limit)));
        if (box.width() < kThinnest || box.height() < kThinnest) {
            b.size = defaults.size;
            out.edgeOn.append(names[i]);
            out.buttons.append(b);
            continue;
        }
        b.size = qBound(1, qRound(qMin(box.width(), box.height())), button_shape::kMaxExtent);
        QList<QVector<QPoint>> rings;
        int points = 0;
        for (const QVector<QPointF>& c : curves) {
            const QVector<QPoint> ring = rounded(c, b.position);
            if (ring.size() < 2)
                continue;
            points += ring.size();
            rings.append(ring);
        }
        if (rings.size() == 1 && points <= button_shape::kMaxPoints) {
            b.shape.kind = button_shape::Polygon;
            b.shape.points = rings.first();
        } else if (!rings.isEmpty() && points <= button_shape::kMaxPoints) {
            b.shape.kind = button_shape::Path;
            b.shape.path = pathOf(rings);
        }
        out.buttons.append(b);
    }
    return out;
}

namespace {
// At most five names, then how many more: a rig's whole selection would
// not fit in a line of the host's output.
QString some_names(const QStringList& names)
{
    const int shown = qMin(names.size(), 5);
    QString text = names.mid(0, shown).join(QStringLiteral(", "));
    if (names.size() > shown)
        text += QStringLiteral(" and %1 more").arg(names.size() - shown);
    return text;
}
} // namespace

QString control_buttons_report(const control_buttons& made, control_view view)
{
    const char* side = view == control_view::Front ? "front" : view == control_view::Side ? "side" : "top";
    QStringList parts;
    if (!made.edgeOn.isEmpty())
        parts.append(QStringLiteral("seen edge-on from the %1, made as squares: %2")
                         .arg(QLatin1String(side), some_names(made.edgeOn)));
    if (!made.withoutCurves.isEmpty())
        parts.append(QStringLiteral("no curve shape, no button: %1").arg(some_names(made.withoutCurves)));
    if (parts.isEmpty())
        return QString();
    return QStringLiteral("Add Buttons from Controls: ") + parts.join(QStringLiteral("; "));
}
