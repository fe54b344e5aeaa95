#ifndef QB_IMPORT_SHAPE_MAPPING_H
#define QB_IMPORT_SHAPE_MAPPING_H
// The one place where an imported button's outline and picture become what a
// button here can show. Buttons are squares today and carry no picture, so
// every outline becomes the square of its bounds' shorter side, centred on
// them, and every shape but a square, and every picture, is reported. Once
// buttons have shapes and pictures, these two functions store them instead
// of reporting them; nothing else of the import changes.
#include "import/import_report.h"
#include "import/imported_picker.h"
#include "model/buttonAttributes.h"
#include <QtCore/QPointF>

// Sets out's position and size from the button's outline: scaled by scale,
// then moved by offset (picker units), and reports what the square loses.
void apply_shape(const imported_button& in, double scale, const QPointF& offset, const QString& name,
                 buttonAttributes* out, import_report* report);

// Reports the button's picture, which a button here cannot show yet.
void apply_button_image(const imported_button& in, const QString& name, buttonAttributes* out,
                        import_report* report);
#endif
