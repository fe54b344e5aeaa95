#include "import/json_fields.h"
#include "import/import_limits.h"
#include <cmath>

QString quoted_key(const char* key)
{
    return QLatin1Char('"') + QLatin1String(key) + QLatin1Char('"');
}

void json_fields::fail(const QString& where, const QString& what)
{
    if (error_.isEmpty())
        error_ = where.isEmpty() ? what : where + QStringLiteral(": ") + what;
}

double json_fields::number(const QJsonObject& object, const char* key, double fallback, double low, double high,
                           const QString& where)
{
    return number(object.value(QLatin1String(key)), fallback, low, high, where, quoted_key(key));
}

double json_fields::number(const QJsonValue& value, double fallback, double low, double high, const QString& where,
                           const QString& what)
{
    if (failed() || value.isUndefined() || value.isNull())
        return fallback;
    if (!value.isDouble()) {
        fail(where, what + QStringLiteral(" is not a number"));
        return fallback;
    }
    const double v = value.toDouble();
    if (!std::isfinite(v) || v < low || v > high) {
        fail(where, what + QStringLiteral(" is out of range (%1)").arg(v));
        return fallback;
    }
    return v;
}

bool json_fields::boolean(const QJsonObject& object, const char* key, bool fallback, const QString& where)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (failed() || value.isUndefined() || value.isNull())
        return fallback;
    if (!value.isBool()) {
        fail(where, quoted_key(key) + QStringLiteral(" is not true or false"));
        return fallback;
    }
    return value.toBool();
}

QString json_fields::string(const QJsonObject& object, const char* key, const QString& fallback, int maxChars,
                            const QString& where)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (failed() || value.isUndefined() || value.isNull())
        return fallback;
    return string(value, maxChars, where, quoted_key(key));
}

QString json_fields::string(const QJsonValue& value, int maxChars, const QString& where, const QString& what)
{
    if (failed() || value.isUndefined() || value.isNull())
        return QString();
    if (!value.isString()) {
        fail(where, what + QStringLiteral(" is not text"));
        return QString();
    }
    const QString s = value.toString();
    if (s.size() > maxChars) {
        fail(where, what + QStringLiteral(" is %1 characters long, more than %2").arg(s.size()).arg(maxChars));
        return QString();
    }
    return s;
}

QJsonArray json_fields::array(const QJsonObject& object, const char* key, int maxItems, const QString& where)
{
    return array(object.value(QLatin1String(key)), maxItems, where, quoted_key(key));
}

QJsonArray json_fields::array(const QJsonValue& value, int maxItems, const QString& where, const QString& what)
{
    if (failed() || value.isUndefined() || value.isNull())
        return QJsonArray();
    if (!value.isArray()) {
        fail(where, what + QStringLiteral(" is not a list"));
        return QJsonArray();
    }
    const QJsonArray a = value.toArray();
    if (a.size() > maxItems) {
        fail(where, what + QStringLiteral(" has %1 entries, more than %2").arg(a.size()).arg(maxItems));
        return QJsonArray();
    }
    return a;
}

QJsonObject json_fields::object(const QJsonValue& value, const QString& where, const QString& what)
{
    if (failed() || value.isUndefined() || value.isNull())
        return QJsonObject();
    if (!value.isObject()) {
        fail(where, what + QStringLiteral(" is not an object"));
        return QJsonObject();
    }
    return value.toObject();
}

QStringList json_fields::strings(const QJsonObject& object, const char* key, int maxItems, int maxChars,
                                 const QString& where)
{
    QStringList out;
    const QJsonArray a = array(object, key, maxItems, where);
    for (const QJsonValue& v : a) {
        if (v.isNull())
            continue;
        const QString s = string(v, maxChars, where, quoted_key(key));
        if (failed())
            return QStringList();
        out.append(s);
    }
    return out;
}

QPointF json_fields::point(const QJsonValue& value, const QString& where, const QString& what)
{
    const QJsonArray a = array(value, 3, where, what);
    if (failed())
        return QPointF();
    if (a.size() < 2) {
        fail(where, what + QStringLiteral(" is not a point [x, y]"));
        return QPointF();
    }
    const double limit = import_limits::kMaxCoordinate;
    const double x = number(a[0], 0, -limit, limit, where, what);
    const double y = number(a[1], 0, -limit, limit, where, what);
    return QPointF(x, y);
}
