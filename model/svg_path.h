#ifndef QB_MODEL_SVG_PATH_H
#define QB_MODEL_SVG_PATH_H
// SVG path data (the "d" attribute): M, L, H, V, C, S, Q, T, A and Z, in
// absolute and relative forms, with the grammar's implicit repeats, read
// into a painter path. The toolkit draws paths but reads no path data.
#include <QtCore/QString>
#include <QtGui/QPainterPath>

// False, with the place and the reason in error, for data that does not
// follow the grammar; what came before the fault is not kept.
bool parse_svg_path(const QString& data, QPainterPath* path, QString* error = nullptr);

// The first path of an SVG file's text: its "d" data scaled by the
// transform-free user units, or empty (with error) when there is none.
QString first_svg_path_data(const QByteArray& svg, QString* error = nullptr);
#endif
