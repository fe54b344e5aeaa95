#ifndef QB_IMPORT_SHAPE_MAPPING_H
#define QB_IMPORT_SHAPE_MAPPING_H
// The one place where an imported button's outline and picture become what a
// button here shows: the outline kept as its kind (rectangle, rounded
// rectangle, ellipse, polygon, path), scaled to picker units about the
// centre of its bounds, and the picture stored once in the tab by content.
#include "import/import_report.h"
#include "import/imported_picker.h"
#include "model/buttonAttributes.h"
#include "model/picker_extensions.h"
#include <QtCore/QPointF>

// Sets out's position, size and shape from the button's outline: scaled by
// scale, then moved by offset (picker units).
void apply_shape(const imported_button& in, double scale, const QPointF& offset, buttonAttributes* out);

// Puts the button's picture on out, adding it to pictures under its content
// name; a picture not found or unreadable is reported, and none is read
// when readImages is false (fuzzing).
void apply_button_image(const imported_button& in, const QString& name, bool readImages, buttonAttributes* out,
                        picker_pictures* pictures, import_report* report);
#endif
