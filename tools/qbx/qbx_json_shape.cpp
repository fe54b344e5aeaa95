#include "qbx_json_shape.h"
#include <QtCore/QJsonArray>
#include "model/svg_path.h"
#include <QtGui/QPainterPath>
#include <cmath>

namespace qbx {

QJsonObject shape_to_json(const button_shape& shape)
{
    QJsonObject o;
    o.insert(QStringLiteral("kind"), QString::fromLatin1(button_shape::kind_name(shape.kind)));
    switch (shape.kind) {
    case button_shape::Rounded:
        if (shape.radius)
            o.insert(QStringLiteral("radius"), shape.radius);
        Q_FALLTHROUGH();
    case button_shape::Rect:
    case button_shape::Ellipse:
        if (shape.width)
            o.insert(QStringLiteral("width"), shape.width);
        if (shape.height)
            o.insert(QStringLiteral("height"), shape.height);
        break;
    case button_shape::Polygon: {
        QJsonArray points;
        for (const QPoint& p : shape.points)
            points.append(QJsonArray{p.x(), p.y()});
        o.insert(QStringLiteral("points"), points);
        break;
    }
    case button_shape::Path:
        o.insert(QStringLiteral("path"), shape.path);
        break;
    }
    return o;
}

namespace {

bool whole(const QJsonValue& v, qint64 min, qint64 max, qint32* out)
{
    const double d = v.toDouble(-1e300);
    if (!v.isDouble() || std::floor(d) != d || d < double(min) || d > double(max))
        return false;
    *out = qint32(d);
    return true;
}

} // namespace

bool shape_from_json(const QJsonValue& value, button_shape* shape, QString* error)
{
    *shape = button_shape();
    if (value.isUndefined() || value.isNull())
        return true;
    const auto fault = [error](const QString& what) {
        *error = QStringLiteral("\"shape\" ") + what;
        return false;
    };
    if (!value.isObject())
        return fault(QStringLiteral("must be an object"));
    const QJsonObject o = value.toObject();
    const int kind = button_shape::kind_of(o.value(QLatin1String("kind")).toString());
    if (kind < 0)
        return fault(QStringLiteral("\"kind\" must be \"rect\", \"rounded\", \"ellipse\", \"polygon\" or \"path\""));
    shape->kind = button_shape::kind_t(kind);
    const qint64 extent = button_shape::kMaxExtent;
    for (const auto& key : {std::make_pair("width", &shape->width), std::make_pair("height", &shape->height),
                            std::make_pair("radius", &shape->radius)}) {
        const QJsonValue v = o.value(QLatin1String(key.first));
        if (!v.isUndefined() && !whole(v, 0, extent, key.second))
            return fault(QStringLiteral("\"%1\" must be an integer from 0 to %2").arg(QLatin1String(key.first)).arg(extent));
    }
    if (shape->kind == button_shape::Polygon) {
        const QJsonArray points = o.value(QLatin1String("points")).toArray();
        if (points.size() < 3 || points.size() > button_shape::kMaxPoints)
            return fault(QStringLiteral("\"points\" must hold 3 to %1 points [x, y]").arg(button_shape::kMaxPoints));
        for (const QJsonValue& p : points) {
            const QJsonArray xy = p.toArray();
            qint32 x = 0, y = 0;
            if (xy.size() != 2 || !whole(xy[0], -extent, extent, &x) || !whole(xy[1], -extent, extent, &y))
                return fault(QStringLiteral("\"points\" must hold integer pairs [x, y] within %1").arg(extent));
            shape->points.append(QPoint(x, y));
        }
    }
    if (shape->kind == button_shape::Path) {
        shape->path = o.value(QLatin1String("path")).toString();
        QPainterPath parsed;
        QString why;
        if (shape->path.size() > button_shape::kMaxPathLength)
            return fault(QStringLiteral("\"path\" is longer than %1 characters").arg(button_shape::kMaxPathLength));
        if (!parse_svg_path(shape->path, &parsed, &why) || parsed.isEmpty())
            return fault(QStringLiteral("\"path\": ") + (why.isEmpty() ? QStringLiteral("draws nothing") : why));
    }
    return true;
}

} // namespace qbx
