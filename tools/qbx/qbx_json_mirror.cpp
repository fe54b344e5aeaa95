#include "qbx_json_mirror.h"
#include "qbx_json.h"
#include "model/buttonRecord.h"
#include <QtCore/QJsonArray>
#include <cmath>

namespace qbx {

QJsonObject mirror_to_json(const mirror_settings& settings)
{
    QJsonObject o;
    if (!settings.rules.isEmpty()) {
        QJsonArray rules;
        for (const side_pair& p : settings.rules)
            rules.append(QJsonArray{p.first, p.second});
        o.insert(QStringLiteral("rules"), rules);
    }
    if (settings.hasAxis)
        o.insert(QStringLiteral("axis"), settings.axis);
    if (settings.hasColors)
        o.insert(QStringLiteral("colors"), QJsonArray{color_value(settings.leftColor), color_value(settings.rightColor)});
    return o;
}

bool mirror_from_json(const QJsonValue& value, mirror_settings* settings, QString* error)
{
    *settings = mirror_settings();
    if (value.isUndefined() || value.isNull())
        return true;
    const auto fault = [error](const QString& what) {
        *error = QStringLiteral("mirror: ") + what;
        return false;
    };
    if (!value.isObject())
        return fault(QStringLiteral("must be an object"));
    const QJsonObject o = value.toObject();
    const QJsonValue rules = o.value(QLatin1String("rules"));
    if (!rules.isUndefined()) {
        const QJsonArray list = rules.toArray();
        if (!rules.isArray() || list.isEmpty() || list.size() > side_rules::kMaxPairs)
            return fault(QStringLiteral("\"rules\" must be an array of 1 to %1 [left, right] pairs")
                             .arg(side_rules::kMaxPairs));
        for (int i = 0; i < list.size(); ++i) {
            const QJsonArray pair = list[i].toArray();
            if (!list[i].isArray() || pair.size() != 2 || !pair[0].isString() || !pair[1].isString())
                return fault(QStringLiteral("\"rules\" entry %1 must be two strings [left, right]").arg(i));
            const side_pair rule(pair[0].toString(), pair[1].toString());
            const QString why = side_rules::check_pair(rule.first, rule.second);
            if (!why.isEmpty())
                return fault(QStringLiteral("\"rules\" entry %1: %2").arg(i).arg(why));
            settings->rules.append(rule);
        }
    }
    const QJsonValue axis = o.value(QLatin1String("axis"));
    if (!axis.isUndefined()) {
        const double d = axis.toDouble();
        if (!axis.isDouble() || std::floor(d) != d || std::abs(d) > buttonRecord::kCoordinateLimit)
            return fault(QStringLiteral("\"axis\" must be an integer from %1 to %2")
                             .arg(-buttonRecord::kCoordinateLimit)
                             .arg(buttonRecord::kCoordinateLimit));
        settings->hasAxis = true;
        settings->axis = qint32(d);
    }
    const QJsonValue colors = o.value(QLatin1String("colors"));
    if (!colors.isUndefined()) {
        const QJsonArray pair = colors.toArray();
        if (!colors.isArray() || pair.size() != 2 || !hex_rgb(pair[0].toString(), &settings->leftColor)
            || !hex_rgb(pair[1].toString(), &settings->rightColor))
            return fault(QStringLiteral("\"colors\" must be two colours [\"#RRGGBB\", \"#RRGGBB\"], left then right"));
        settings->hasColors = true;
    }
    return true;
}

bool rule_from_text(const QString& text, side_pair* rule, QString* error)
{
    const int eq = text.indexOf(QLatin1Char('='));
    const side_pair p(text.left(eq), text.mid(eq + 1));
    const QString why = eq < 0 ? QStringLiteral("must be LEFT=RIGHT") : side_rules::check_pair(p.first, p.second);
    if (!why.isEmpty()) {
        *error = QStringLiteral("--rule \"%1\": %2").arg(text, why);
        return false;
    }
    *rule = p;
    return true;
}

} // namespace qbx
