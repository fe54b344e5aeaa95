#ifndef QB_CANVAS_MARQUEE_OVERLAY_H
#define QB_CANVAS_MARQUEE_OVERLAY_H
#include "canvas/picker_overlay.h"
#include <QtCore/QPoint>
#include <QtCore/QRect>

// The rubber band of a drag selection, in canvas coordinates.
class marquee_overlay : public picker_overlay
{
public:
    void draw(QPainter& painter) override;

    void reset();
    bool isEmpty() const;
    // From the smaller corner, |dx| by |dy|: the larger coordinate is outside.
    QRect bounds() const;

    void setAnchor(const QPoint& p) { anchor_ = p; }
    void setCorner(const QPoint& p) { corner_ = p; }

private:
    QPoint anchor_;
    QPoint corner_;
};
#endif
