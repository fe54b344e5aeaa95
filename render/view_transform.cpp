#include "render/view_transform.h"
#include <cmath>

namespace {
int trunc_int(double v)
{
    return static_cast<int>(v); // C++ conversion truncates toward zero
}
} // namespace

QPoint view_transform::mapToPicker(const QPoint& p) const
{
    return QPoint(trunc_int((p.x() - shift.x()) / zoom), trunc_int((p.y() - shift.y()) / zoom));
}

QPoint view_transform::mapToScreen(const QPoint& p) const
{
    return QPoint(trunc_int(shift.x() + p.x() * zoom), trunc_int(shift.y() + p.y() * zoom));
}

QRect view_transform::mapToPicker(const QRect& r) const
{
    const QPoint tl = mapToPicker(r.topLeft());
    const QPoint br = mapToPicker(r.bottomRight());
    return QRect(tl.x(), tl.y(), br.x() - tl.x(), br.y() - tl.y());
}

QRect view_transform::mapToScreen(const QRect& r) const
{
    const QPoint tl = mapToScreen(r.topLeft());
    const QPoint br = mapToScreen(r.bottomRight());
    return QRect(tl.x(), tl.y(), br.x() - tl.x(), br.y() - tl.y());
}

QRectF view_transform::mapToScreenF(const QRect& r) const
{
    return QRectF(r.left() * zoom + shift.x(), r.top() * zoom + shift.y(), (r.right() - r.left()) * zoom,
                  (r.bottom() - r.top()) * zoom);
}

view_transform view_transform::zoomedAbout(double newZoom, const QPoint& anchor) const
{
    const QPoint p = mapToPicker(anchor);
    const int oldX = trunc_int(p.x() * zoom + shift.x());
    const int oldY = trunc_int(p.y() * zoom + shift.y());
    const int newX = trunc_int(p.x() * newZoom + shift.x());
    const int newY = trunc_int(p.y() * newZoom + shift.y());
    return view_transform(QPoint(shift.x() - newX + oldX, shift.y() - newY + oldY), newZoom);
}

double view_transform::clampZoom(double z)
{
    if (z < kMinZoom)
        return kMinZoom;
    if (z > kMaxZoom)
        return kMaxZoom;
    return z;
}

float stepped_zoom(float start, int distance, int unit)
{
    const int n = distance / unit;
    float z = start;
    if (distance >= 2 * unit) {
        for (int i = 0; i < n - 1; ++i)
            z *= 1.0625f;
    } else if (distance <= -2 * unit) {
        for (int i = 0; i < -n - 1; ++i)
            z *= 0.9375f;
    }
    return z;
}

bool frame_target(const QRect& bounds, const QSize& canvas, bool noZoomIn, double currentZoom, float* zoom,
                  QPoint* shift)
{
    if (bounds.left() > bounds.right() || bounds.top() > bounds.bottom())
        return false;
    const int W = canvas.width();
    const int H = canvas.height();
    const float zx = (float(W) / float(bounds.width())) * 0.75f;
    const float zy = (float(H) / float(bounds.height())) * 0.75f;
    float z = zy > zx ? zx : zy;
    z = float(view_transform::clampZoom(z));
    if (noZoomIn && z > currentZoom)
        z = float(currentZoom);
    const int cx = (bounds.left() + bounds.right()) / 2;
    const int cy = (bounds.top() + bounds.bottom()) / 2;
    *zoom = z;
    *shift = QPoint(trunc_int(W / 2 - cx * z), trunc_int(H / 2 - cy * z));
    return true;
}

void zoom_animation::start(const view_transform& from, float zoom, const QPoint& shift)
{
    progress = 0.0f;
    startZoom = float(from.zoom);
    startShift = from.shift;
    targetZoom = zoom;
    targetShift = shift;
}

bool zoom_animation::step(view_transform* view)
{
    progress += 0.125f;
    if (progress < 1.0f) {
        const float t = progress;
        const float s = 3.0f * t * t - 2.0f * t * t * t;
        view->zoom = startZoom + (targetZoom - startZoom) * s;
        view->shift = QPoint(trunc_int(startShift.x() + (targetShift.x() - startShift.x()) * s),
                             trunc_int(startShift.y() + (targetShift.y() - startShift.y()) * s));
        return true;
    }
    view->zoom = targetZoom;
    view->shift = targetShift;
    return false;
}

QPoint round_half_away(const QPointF& p)
{
    return QPoint(int(std::lround(p.x())), int(std::lround(p.y())));
}
