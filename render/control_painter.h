#ifndef QB_RENDER_CONTROL_PAINTER_H
#define QB_RENDER_CONTROL_PAINTER_H
// Draws a control (slider, pad, toggle): its track, and a handle at the
// value it shows, with the value beside it while it is dragged. Widget-free,
// so that the file renderer draws what the canvas shows.
#include "model/buttonRecord.h"
#include <QtCore/QHash>
#include <QtCore/QPointF>
#include <QtCore/QRectF>

class QPainter;

// What a control shows of its attributes.
struct control_reading {
    QPointF value;        // x; y for a pad
    bool enabled = true;  // false: an attribute missing or locked
    bool dragging = false;
    int steps = 0;        // a toggle's values (0: two)
    int step = 0;         // which of them is current
};
// By button index; a control without one shows 0 (kept within its range).
using control_readings = QHash<int, control_reading>;

namespace control_painter {

// Where along its range a value lies, 0 to 1.
double fraction(double value, double min, double max);
// The handle's centre in the box.
QPointF handle_centre(const button_control& control, const QRectF& box, const QPointF& value);
// The value at a canvas point inside (or beyond) the box, within the range.
QPointF value_at(const button_control& control, const QRectF& box, const QPointF& point);
void paint(QPainter& painter, const buttonRecord& button, const QRectF& box, const control_reading& reading);

} // namespace control_painter
#endif
