#include "import/shape_mapping.h"
#include "import/report_kinds.h"
#include "model/buttonRecord.h"

namespace {

int withinLimit(double v)
{
    const double l = buttonRecord::kCoordinateLimit;
    return qRound(qBound(-l, v, l));
}

} // namespace

void apply_shape(const imported_button& in, double scale, const QPointF& offset, const QString& name,
                 buttonAttributes* out, import_report* report)
{
    const QRectF box = in.shape.bounds();
    const QPointF centre = (in.position + box.center()) * scale + offset;
    out->position = QPoint(withinLimit(centre.x()), withinLimit(centre.y()));
    out->size = qMax(1, withinLimit(qMin(box.width(), box.height()) * scale));
    switch (in.shape.kind) {
    case imported_shape::Rect:
        // A rectangle whose sides round to one size is the square shown.
        if (qRound(box.width() * scale) != qRound(box.height() * scale))
            report->add(report_kind::kNotSquare, name);
        break;
    case imported_shape::Rounded:
        report->add(report_kind::kRoundedShown, name);
        break;
    case imported_shape::Ellipse:
        report->add(report_kind::kRoundShown, name);
        break;
    case imported_shape::Polygon:
        report->add(report_kind::kPolygonShown, name);
        break;
    case imported_shape::Path:
        report->add(report_kind::kPathShown, name);
        break;
    }
}

void apply_button_image(const imported_button& in, const QString& name, buttonAttributes* out,
                        import_report* report)
{
    Q_UNUSED(out);
    if (!in.image.isEmpty())
        report->add(report_kind::kButtonImages, name);
}
