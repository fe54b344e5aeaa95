#ifndef QB_IMPORT_BACKDROP_COMPOSER_H
#define QB_IMPORT_BACKDROP_COMPOSER_H
// A tab here has one background picture, with its top-left corner at picker
// point (0, 0), one picture pixel to a picker unit. The other tools draw
// several things behind their buttons (pictures, filled shapes); they are
// drawn here, in their order, into that one picture.
#include "import/import_report.h"
#include "import/imported_picker.h"
#include <QtCore/QPointF>
#include <QtGui/QImage>

struct composed_backdrop {
    QImage image;  // null when the tab has nothing behind its buttons
    QPointF origin; // the scaled tab point at the picture's top-left corner
};

struct compose_options {
    double scale = 1;       // picker units per unit of the other tool
    bool readImages = true; // false: no picture is read from disk
    long long maxPixels = 0; // 0: the import's limit
};

// Pictures not found, unreadable or too large, and a background past the
// limits, are reported under the reference of what they belong to.
composed_backdrop compose_backdrops(const imported_tab& tab, const compose_options& options, import_report* report);

// Reads a picture the import was pointed at, refusing files and pictures
// past the import's limits before decoding them. Null when it cannot.
QImage read_bounded_image(const QString& path);
#endif
