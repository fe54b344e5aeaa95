#include "plugin/maya_host_port.h"
#include "plugin/host_services.h"
#include "model/mel_text.h"
#include <maya/MDagPath.h>
#include <maya/MFn.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MGlobal.h>
#include <maya/MPoint.h>
#include <maya/MQtUtil.h>
#include <maya/MSelectionList.h>

namespace {

// Points along one curve shape in world space: at each knot of a linear
// curve (its corners, exactly), else eight per span, which reads as
// smooth at the sizes buttons have.
QVector<QVector3D> curve_points(const MDagPath& shape)
{
    MStatus status;
    MFnNurbsCurve curve(shape, &status);
    if (!status || curve.isIntermediateObject())
        return {};
    double start = 0.0, end = 0.0;
    const int spans = curve.numSpans();
    if (!curve.getKnotDomain(start, end) || spans < 1 || !(end >= start))
        return {};
    const int perSpan = curve.degree() == 1 ? 1 : 8;
    const int steps = qMin(spans * perSpan, 4096);
    QVector<QVector3D> points;
    points.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i) {
        MPoint p;
        if (curve.getPointAtParam(start + (end - start) * i / steps, p, MSpace::kWorld))
            points.append(QVector3D(float(p.x), float(p.y), float(p.z)));
    }
    return points;
}

} // namespace

void maya_host_port::queue_mel(const QString& text)
{
    MGlobal::executeCommandOnIdle(MQtUtil::toMString(text), false);
}

void maya_host_port::queue_python(const QString& text)
{
    MGlobal::executePythonCommandOnIdle(MQtUtil::toMString(text), false);
}

void maya_host_port::request_selection(const QStringList& names)
{
    if (names.isEmpty()) {
        queue_mel(QStringLiteral("QuillbrookPicker clear"));
        return;
    }
    // Names from picker files reach the host as one argument each: text
    // that is not node-name text goes quoted, so it can never run as MEL.
    QString command = QStringLiteral("QuillbrookPicker select");
    for (const QString& name : names) {
        command += QLatin1Char(' ');
        command += mel_node_argument(name);
    }
    queue_mel(command);
}

QList<QRect> maya_host_port::screen_areas() const
{
    return ::screen_areas();
}

int maya_host_port::primary_screen() const
{
    return primary_screen_index();
}

QList<control_curves> maya_host_port::curves_of(const QStringList& names) const
{
    QList<control_curves> out;
    for (const QString& name : names) {
        control_curves control{name, {}};
        MSelectionList list;
        MDagPath path;
        if (list.add(MQtUtil::toMString(name)) && list.getDagPath(0, path)) {
            // A curve shape selected itself, or the curves under a transform.
            if (path.apiType() == MFn::kNurbsCurve) {
                const QVector<QVector3D> own = curve_points(path);
                if (!own.isEmpty())
                    control.curves.append(own);
            } else {
                unsigned int shapes = 0;
                path.numberOfShapesDirectlyBelow(shapes);
                for (unsigned int i = 0; i < shapes; ++i) {
                    MDagPath shape(path);
                    if (!shape.extendToShapeDirectlyBelow(i) || shape.apiType() != MFn::kNurbsCurve)
                        continue;
                    const QVector<QVector3D> points = curve_points(shape);
                    if (!points.isEmpty())
                        control.curves.append(points);
                }
            }
        }
        out.append(control);
    }
    return out;
}

void maya_host_port::warn(const QString& text)
{
    MGlobal::displayWarning(MQtUtil::toMString(text));
}
