#ifndef QB_TOOLS_QBX_JSON_CONTROL_H
#define QB_TOOLS_QBX_JSON_CONTROL_H
// A button's control in the JSON form:
//   "control": {"kind": "slider" | "pad" | "toggle", "attributes": ["brow"] (two for a pad),
//               "min": -1, "max": 1 (a pad: "min": [x, y], "max": [x, y]),
//               "orientation": "horizontal" | "vertical", "length": L}
// absent means a plain button.
#include "model/button_control.h"
#include <QtCore/QJsonObject>
#include <QtCore/QJsonValue>
#include <QtCore/QString>

namespace qbx {

QJsonObject control_to_json(const button_control& control);
// False with error naming the key for a control the plug-in would refuse.
bool control_from_json(const QJsonValue& value, button_control* control, QString* error);

} // namespace qbx
#endif
