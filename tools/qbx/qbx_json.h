#ifndef QB_TOOLS_QBX_JSON_H
#define QB_TOOLS_QBX_JSON_H
// The JSON form of one picker:
//   {"version": 4, "name": "Body",
//    "background": {"name": "12884901889", "png": "<Base64 of a PNG file>"},
//    "buttons": [{"position": [x, y], "size": 10, "kind": 0, "language": 0,
//                 "color": "#B22222", "labelColor": "#000000", "label": "L arm",
//                 "nodes": ["hero:arm_ctrl"]}]}
// Keys may be added, never renamed. Colours are "#RRGGBB" ("#AARRGGBB" with
// a top byte); build also takes the integers earlier dumps wrote. Every
// empty label is ""; labels the file holds as null strings are listed in
// "nullLabels" and other null strings are JSON null, so that a file
// survives dump and build byte for byte. A picker's mirror settings are
// "mirror" (qbx_json_mirror.h), absent when it has none.
#include "model/picker_stream.h"
#include <QtCore/QJsonObject>
#include <QtCore/QString>

namespace qbx {

// The picker with the data version it was read with. False when the
// background image cannot be encoded as PNG.
bool picker_to_json(const picker_tab_data& tab, qint32 version, QJsonObject* out, QString* error);

// The picker described by the JSON. Required per button: position, size,
// nodes; the rest defaults (kind 0, language 0, color 0xB22222, labelColor 0,
// label ""). False with a message naming the button (its index) and the key
// on a missing key, a wrong type or a value the plug-in would not load.
bool picker_from_json(const QJsonObject& json, picker_tab_data* tab, QString* error);

// Colours: "#RRGGBB", or "#AARRGGBB" when the top byte is set.
QJsonValue color_value(QRgb color);
bool hex_rgb(const QString& s, QRgb* out);

} // namespace qbx
#endif
