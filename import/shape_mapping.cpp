#include "import/shape_mapping.h"
#include "import/backdrop_composer.h"
#include "import/report_kinds.h"
#include "import/svg_path_writer.h"
#include "model/buttonRecord.h"
#include "model/picker_image.h"
#include <QtGui/QTransform>

namespace {

int withinLimit(double v)
{
    const double l = buttonRecord::kCoordinateLimit;
    return qRound(qBound(-l, v, l));
}

int extent(double v)
{
    return qBound(1, qRound(v), button_shape::kMaxExtent);
}

// The outline as path data, each element once: a painter path keeps what
// the other tool's path data said, in the form this picker writes.
QString pathData(const QPainterPath& path)
{
    svg_path_writer w;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            w.moveTo(e);
        } else if (e.isLineTo()) {
            w.lineTo(e);
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            w.cubicTo(e, path.elementAt(i + 1), path.elementAt(i + 2));
            i += 2;
        }
    }
    return w.text();
}

} // namespace

void apply_shape(const imported_button& in, double scale, const QPointF& offset, buttonAttributes* out)
{
    const QRectF box = in.shape.bounds();
    const QPointF centre = (in.position + box.center()) * scale + offset;
    out->position = QPoint(withinLimit(centre.x()), withinLimit(centre.y()));
    const int w = extent(box.width() * scale);
    const int h = extent(box.height() * scale);
    // The label's box is the shape's shorter side, as the square was.
    out->size = qMin(w, h);
    button_shape& s = out->shape;
    switch (in.shape.kind) {
    case imported_shape::Rect:
        // A square stays today's default button.
        if (w != h) {
            s.width = w;
            s.height = h;
        }
        break;
    case imported_shape::Rounded:
        s.kind = button_shape::Rounded;
        s.width = w;
        s.height = h;
        s.radius = qBound(1, qRound(qMin(in.shape.radiusX, in.shape.radiusY) * scale), qMin(w, h) / 2 + 1);
        break;
    case imported_shape::Ellipse:
        s.kind = button_shape::Ellipse;
        s.width = w;
        s.height = h;
        break;
    case imported_shape::Polygon:
        s.kind = button_shape::Polygon;
        for (const QPointF& p : in.shape.points) {
            if (s.points.size() >= button_shape::kMaxPoints)
                break;
            const QPointF q = (p - box.center()) * scale;
            s.points.append(QPoint(qRound(q.x()), qRound(q.y())));
        }
        break;
    case imported_shape::Path: {
        QTransform t;
        t.scale(scale, scale);
        t.translate(-box.center().x(), -box.center().y());
        s.kind = button_shape::Path;
        s.path = pathData(t.map(in.shape.outline));
        if (s.path.size() > button_shape::kMaxPathLength)
            s = button_shape();
        break;
    }
    }
}

void apply_button_image(const imported_button& in, const QString& name, bool readImages, buttonAttributes* out,
                        picker_pictures* pictures, import_report* report)
{
    if (in.image.isEmpty())
        return;
    if (!readImages) {
        report->add(report_kind::kButtonImages, name);
        return;
    }
    if (!in.image.found) {
        report->add(report_kind::kImageMissing, in.image.stored);
        return;
    }
    const QImage picture = read_bounded_image(in.image.resolved);
    if (picture.isNull()) {
        report->add(report_kind::kImageUnreadable, in.image.resolved);
        return;
    }
    // Buttons showing the same picture share it.
    out->image = contentImageName(picture);
    pictures->insert(out->image, picture);
}
