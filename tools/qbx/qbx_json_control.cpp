#include "qbx_json_control.h"
#include <QtCore/QJsonArray>
#include <cmath>

namespace qbx {

QJsonObject control_to_json(const button_control& c)
{
    QJsonObject o;
    o.insert(QStringLiteral("kind"), QString::fromLatin1(button_control::kind_name(c.kind)));
    o.insert(QStringLiteral("attributes"), QJsonArray::fromStringList(c.attributes));
    if (c.kind == button_control::Pad) {
        o.insert(QStringLiteral("min"), QJsonArray{c.min.x(), c.min.y()});
        o.insert(QStringLiteral("max"), QJsonArray{c.max.x(), c.max.y()});
    } else {
        o.insert(QStringLiteral("min"), c.min.x());
        o.insert(QStringLiteral("max"), c.max.x());
    }
    o.insert(QStringLiteral("orientation"),
             c.orientation == button_control::Vertical ? QStringLiteral("vertical") : QStringLiteral("horizontal"));
    if (c.length)
        o.insert(QStringLiteral("length"), c.length);
    return o;
}

namespace {

bool finite_number(const QJsonValue& v, double* out)
{
    if (!v.isDouble() || !std::isfinite(v.toDouble()))
        return false;
    *out = v.toDouble();
    return true;
}

// A slider's or toggle's bound is a number, a pad's a pair.
bool bound(const QJsonValue& v, bool pair, QPointF* out)
{
    double x = 0, y = 0;
    if (!pair) {
        if (!finite_number(v, &x))
            return false;
        *out = QPointF(x, out->y());
        return true;
    }
    const QJsonArray a = v.toArray();
    if (!v.isArray() || a.size() != 2 || !finite_number(a[0], &x) || !finite_number(a[1], &y))
        return false;
    *out = QPointF(x, y);
    return true;
}

} // namespace

bool control_from_json(const QJsonValue& value, button_control* control, QString* error)
{
    *control = button_control();
    if (value.isUndefined() || value.isNull())
        return true;
    const auto fault = [error](const QString& what) {
        *error = QStringLiteral("\"control\" ") + what;
        return false;
    };
    if (!value.isObject())
        return fault(QStringLiteral("must be an object"));
    const QJsonObject o = value.toObject();
    const int kind = button_control::kind_of(o.value(QLatin1String("kind")).toString());
    if (kind < 0)
        return fault(QStringLiteral("\"kind\" must be \"slider\", \"pad\" or \"toggle\""));
    button_control c;
    c.kind = button_control::kind_t(kind);
    const int want = button_control::attribute_count(c.kind);
    const QJsonArray attributes = o.value(QLatin1String("attributes")).toArray();
    if (!o.value(QLatin1String("attributes")).isArray() || attributes.size() != want)
        return fault(want == 2 ? QStringLiteral("\"attributes\" must name two attributes for a pad")
                               : QStringLiteral("\"attributes\" must name one attribute"));
    for (const QJsonValue& a : attributes) {
        if (!a.isString() || a.toString().isEmpty() || a.toString().size() > button_control::kMaxNameLength)
            return fault(QStringLiteral("\"attributes\" must be attribute names"));
        c.attributes.append(a.toString());
    }
    const bool pair = c.kind == button_control::Pad;
    if (o.contains(QLatin1String("min")) && !bound(o.value(QLatin1String("min")), pair, &c.min))
        return fault(pair ? QStringLiteral("\"min\" must be [x, y]") : QStringLiteral("\"min\" must be a number"));
    if (o.contains(QLatin1String("max")) && !bound(o.value(QLatin1String("max")), pair, &c.max))
        return fault(pair ? QStringLiteral("\"max\" must be [x, y]") : QStringLiteral("\"max\" must be a number"));
    const QJsonValue orientation = o.value(QLatin1String("orientation"));
    if (orientation == QJsonValue(QStringLiteral("vertical")))
        c.orientation = button_control::Vertical;
    else if (!orientation.isUndefined() && orientation != QJsonValue(QStringLiteral("horizontal")))
        return fault(QStringLiteral("\"orientation\" must be \"horizontal\" or \"vertical\""));
    const QJsonValue length = o.value(QLatin1String("length"));
    if (!length.isUndefined()) {
        const double d = length.toDouble(-1);
        if (!length.isDouble() || std::floor(d) != d || d < 0 || d > button_control::kMaxLength)
            return fault(QStringLiteral("\"length\" must be a whole number from 0 to %1").arg(button_control::kMaxLength));
        c.length = qint32(d);
    }
    if (!c.isValid())
        return fault(QStringLiteral("is not a control the plug-in reads"));
    *control = c;
    return true;
}

} // namespace qbx
