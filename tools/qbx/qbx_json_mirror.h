#ifndef QB_TOOLS_QBX_JSON_MIRROR_H
#define QB_TOOLS_QBX_JSON_MIRROR_H
// A picker's mirror settings in the JSON form:
//   "mirror": {"rules": [["l_", "r_"], ...], "axis": X, "colors": ["#RRGGBB", "#RRGGBB"]}
// with only the keys set: no "rules" means the default rules; the whole
// key is absent for a picker without settings.
#include "model/mirror_settings.h"
#include <QtCore/QJsonObject>
#include <QtCore/QJsonValue>
#include <QtCore/QString>

namespace qbx {

QJsonObject mirror_to_json(const mirror_settings& settings);
// False with error naming the key for settings the plug-in would refuse.
bool mirror_from_json(const QJsonValue& value, mirror_settings* settings, QString* error);

// "LEFT=RIGHT" (--rule) as a rule; false with error when it is none.
bool rule_from_text(const QString& text, side_pair* rule, QString* error);

} // namespace qbx
#endif
