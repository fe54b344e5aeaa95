#ifndef QB_RENDER_VIEW_TRANSFORM_H
#define QB_RENDER_VIEW_TRANSFORM_H
// The canvas's view: picker units to canvas pixels and back, and the zoom
// arithmetic shared by the wheel, the zoom drag, framing and the animation.
// No widget code, so that the file renderer can use it unchanged.
#include <QtCore/QPoint>
#include <QtCore/QPointF>
#include <QtCore/QRect>
#include <QtCore/QRectF>
#include <QtCore/QSize>

class view_transform
{
public:
    static constexpr double kMinZoom = 0.25;
    static constexpr double kMaxZoom = 16.0;

    view_transform() = default;
    view_transform(const QPoint& shift, double zoom) : shift(shift), zoom(zoom) {}

    // Every conversion truncates toward zero. Rectangles map their first and
    // last pixel, so an identity mapping returns them one pixel smaller.
    QPoint mapToPicker(const QPoint& p) const;
    QPoint mapToScreen(const QPoint& p) const;
    QRect mapToPicker(const QRect& r) const;
    QRect mapToScreen(const QRect& r) const;
    QRectF mapToScreenF(const QRect& r) const;

    // The same view zoomed to newZoom with the picker point under anchor
    // kept under it to the pixel.
    view_transform zoomedAbout(double newZoom, const QPoint& anchor) const;

    static double clampZoom(double z);

    QPoint shift; // canvas position of picker point (0, 0)
    double zoom = 1.0;
};

inline bool operator==(const view_transform& a, const view_transform& b)
{
    return a.shift == b.shift && a.zoom == b.zoom;
}

// Stepped zoom of the wheel (unit 60, one notch = 120) and of the zoom drag
// (unit 20): n = trunc(distance / unit); from two units on, n - 1 steps of
// 1.0625 in, or of 0.9375 out; nothing in between.
float stepped_zoom(float start, int distance, int unit);

// Where framing the picker rectangle bounds on a canvas of the given size
// leads: the zoom that makes bounds fill three quarters of the tighter axis,
// centred. False (and nothing set) for an empty rectangle.
bool frame_target(const QRect& bounds, const QSize& canvas, bool noZoomIn, double currentZoom, float* zoom,
                  QPoint* shift);

// One eased step of the reset/frame animation. progress advances by 1/8 per
// tick; the eighth tick lands exactly on the target. True while it runs on.
struct zoom_animation {
    float progress = 0.0f;
    float startZoom = 1.0f;
    QPoint startShift;
    float targetZoom = 1.0f;
    QPoint targetShift;

    void start(const view_transform& from, float zoom, const QPoint& shift);
    bool step(view_transform* view);
};

// Event positions to whole pixels, halves away from zero on both sides of 0.
QPoint round_half_away(const QPointF& p);
#endif
