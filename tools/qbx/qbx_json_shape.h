#ifndef QB_TOOLS_QBX_JSON_SHAPE_H
#define QB_TOOLS_QBX_JSON_SHAPE_H
// A button's shape in the JSON form:
//   "shape": {"kind": "rect" | "rounded" | "ellipse" | "polygon" | "path",
//             "width": W, "height": H, "radius": R, "points": [[x, y], ...], "path": "M ..."}
// with only the keys the kind uses; absent means today's square.
#include "model/button_shape.h"
#include <QtCore/QJsonObject>
#include <QtCore/QJsonValue>
#include <QtCore/QString>

namespace qbx {

QJsonObject shape_to_json(const button_shape& shape);
// False with error naming the key for a shape the plug-in would refuse.
bool shape_from_json(const QJsonValue& value, button_shape* shape, QString* error);

} // namespace qbx
#endif
