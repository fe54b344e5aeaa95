#ifndef QB_IMPORT_IMPORTED_PICKER_H
#define QB_IMPORT_IMPORTED_PICKER_H
// A picker read from another tool's file, described in neutral terms: what
// each button looks like and does, before anything is fitted to what this
// picker can show. Coordinates are the other tool's units (its pixels at
// zoom 1), turned to this picker's orientation: x to the right, y down.
// The mapping (picker_mapping) scales them to picker units.
#include "import/import_report.h"
#include "model/buttonAttributes.h"
#include <QtCore/QList>
#include <QtCore/QPointF>
#include <QtCore/QRectF>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>
#include <QtGui/QPainterPath>
#include <QtGui/QRgb>

// A button's outline about its position.
struct imported_shape {
    enum Kind { Rect, Rounded, Ellipse, Polygon, Path };
    Kind kind = Rect;
    double width = 0;   // Rect, Rounded, Ellipse: the box, centred on the position
    double height = 0;
    double radiusX = 0; // Rounded: the corners' radii
    double radiusY = 0;
    QVector<QPointF> points; // Polygon: the corners
    QString path;            // Path: SVG path data (M, L, C, Z, absolute)
    QPainterPath outline;    // Path: the same outline, for its bounds and drawing

    // The outline's bounding box, about the position.
    QRectF bounds() const;
    // A polygon's corners about *position: a rectangle along the axes becomes
    // a Rect centred on the position, which then moves to its centre.
    static imported_shape polygon(const QVector<QPointF>& points, QPointF* position);
    // The outline about the position, as it is filled.
    QPainterPath painterPath() const;
    // "rect", "rounded", "ellipse", "polygon" or "path".
    static QString kindName(Kind kind);
};

// A picture drawn on a button or behind the buttons, by the path it was
// found at (resolved as the other tool resolves it).
struct imported_image {
    QString stored;   // the path as the file holds it
    QString resolved; // where it was looked for; the file, when found
    bool found = false;

    bool isEmpty() const { return stored.isEmpty(); }
};

struct imported_button {
    QPointF position;
    imported_shape shape;
    QRgb fill = 0xff888888u;      // with its alpha: 255 is opaque
    QRgb textColor = 0xffffffffu; // with its alpha
    QString label;
    double labelSize = 0;         // the label's text height, pixels; 0 when unknown
    QStringList nodes;            // the nodes a click selects
    QString script;               // what a click runs; empty for a selection button
    qint32 language = kPythonScript;
    imported_image image;         // a picture on the button

    // How the report names the button: its label, else its first node,
    // else its number.
    QString reference(int index) const;
};

// Something drawn behind the buttons (a filled shape, a picture, or both),
// merged into the tab's one background image.
struct imported_backdrop {
    QPointF position;
    imported_shape shape;
    QRgb fill = 0;          // with its alpha; 0 alpha draws no fill
    imported_image image;
    // Where the picture is drawn, in tab coordinates; without a size, at the
    // picture's own size centred on the position.
    QRectF imageRect;
    QString reference;
};

struct imported_tab {
    QString name;
    QList<imported_backdrop> backdrops; // in drawing order, first at the back
    QList<imported_button> buttons;     // in drawing order
};

struct imported_picker {
    QString format;  // "dwpicker" or "mGear anim picker"
    QString version; // as the file states it; empty when it does not
    QList<imported_tab> tabs;
    // What the reader met that no part of this picker can hold.
    import_report report;
};
#endif
