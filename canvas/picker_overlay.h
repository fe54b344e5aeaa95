#ifndef QB_CANVAS_PICKER_OVERLAY_H
#define QB_CANVAS_PICKER_OVERLAY_H
class QPainter;

// Something a canvas draws over its buttons.
class picker_overlay
{
public:
    virtual void draw(QPainter& painter) = 0;
    virtual ~picker_overlay();
};
#endif
