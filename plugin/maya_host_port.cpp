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

// ---- attributes

#include "model/mel_text.h"
#include <maya/MDoubleArray.h>
#include <maya/MMessage.h>
#include <maya/MNodeMessage.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MSelectionList.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

struct maya_host_port::watch {
    maya_host_port* port;
    QString node;
    MCallbackId id = 0;
};

namespace {

// Queries run now, echo off, never recorded for undo.
bool query(const QString& text, int* out)
{
    int v = 0;
    if (!MGlobal::executeCommand(MQtUtil::toMString(text), v, false, false))
        return false;
    *out = v;
    return true;
}

bool query(const QString& text, double* out)
{
    double v = 0;
    if (!MGlobal::executeCommand(MQtUtil::toMString(text), v, false, false))
        return false;
    *out = v;
    return true;
}

bool query(const QString& text, MDoubleArray* out)
{
    return bool(MGlobal::executeCommand(MQtUtil::toMString(text), *out, false, false));
}

bool query(const QString& text, QStringList* out)
{
    MStringArray a;
    if (!MGlobal::executeCommand(MQtUtil::toMString(text), a, false, false))
        return false;
    out->clear();
    for (unsigned int i = 0; i < a.length(); ++i)
        out->append(MQtUtil::toQString(a[i]));
    return true;
}

bool query(const QString& text, QString* out)
{
    MString s;
    if (!MGlobal::executeCommand(MQtUtil::toMString(text), s, false, false))
        return false;
    *out = MQtUtil::toQString(s);
    return true;
}

// attributeQuery with a flag on one attribute of one node, names quoted.
QString attribute_query(const QString& flag, const QString& node, const QString& attribute)
{
    return QStringLiteral("attributeQuery -node %1 %2 %3").arg(mel_quote(node), flag, mel_quote(attribute));
}

// "a:b=4:c" as listEnum gives it: a 0, b 4, c 5.
void enum_fields(const QString& text, QStringList* names, QVector<int>* values)
{
    int next = 0;
    for (const QString& field : text.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const int eq = field.indexOf(QLatin1Char('='));
        bool ok = true;
        const int value = eq < 0 ? next : field.mid(eq + 1).toInt(&ok);
        names->append(eq < 0 ? field : field.left(eq));
        values->append(ok ? value : next);
        next = (ok ? value : next) + 1;
    }
}

void attribute_changed(MNodeMessage::AttributeMessage message, MPlug& plug, MPlug&, void* data)
{
    const maya_host_port::watch* w = static_cast<const maya_host_port::watch*>(data);
    const QString attribute = MQtUtil::toQString(plug.partialName(false, false, false, false, false, true));
    if (message & (MNodeMessage::kAttributeLocked | MNodeMessage::kAttributeUnlocked)) {
        w->port->attribute_set(w->node, attribute, 0, true);
        return;
    }
    if (!(message & MNodeMessage::kAttributeSet))
        return;
    MStatus st;
    const double value = plug.asDouble(&st);
    if (!st)
        return;
    w->port->attribute_set(w->node, attribute, value, false);
}

} // namespace

// The entry point removes the callbacks at unload; at process exit the
// host may be gone before this object.
maya_host_port::~maya_host_port() = default;

host_attribute maya_host_port::read_attribute(const QString& node, const QString& attribute)
{
    host_attribute a;
    int exists = 0;
    if (!query(attribute_query(QStringLiteral("-exists"), node, attribute), &exists) || !exists)
        return a;
    const QString plug = mel_quote(node + QLatin1Char('.') + attribute);
    QString type;
    query(attribute_query(QStringLiteral("-attributeType"), node, attribute), &type);
    int isEnum = 0;
    query(attribute_query(QStringLiteral("-enum"), node, attribute), &isEnum);
    if (!query(QStringLiteral("getAttr %1").arg(plug), &a.value))
        a.kind = host_attribute::Other;
    else if (isEnum)
        a.kind = host_attribute::Enum;
    else if (type == QLatin1String("bool"))
        a.kind = host_attribute::Bool;
    else
        a.kind = host_attribute::Number;
    int locked = 0;
    query(QStringLiteral("getAttr -lock %1").arg(plug), &locked);
    a.locked = locked != 0;
    MDoubleArray d;
    if (query(attribute_query(QStringLiteral("-listDefault"), node, attribute), &d) && d.length() > 0)
        a.defaultValue = d[0];
    int minExists = 0, maxExists = 0;
    query(attribute_query(QStringLiteral("-minExists"), node, attribute), &minExists);
    query(attribute_query(QStringLiteral("-maxExists"), node, attribute), &maxExists);
    MDoubleArray range;
    if (minExists && maxExists && query(attribute_query(QStringLiteral("-range"), node, attribute), &range)
        && range.length() == 2 && range[0] < range[1]) {
        a.hasRange = true;
        a.min = range[0];
        a.max = range[1];
    } else if (query(attribute_query(QStringLiteral("-softRangeExists"), node, attribute), &minExists) && minExists
               && query(attribute_query(QStringLiteral("-softRange"), node, attribute), &range) && range.length() == 2
               && range[0] < range[1]) {
        a.hasRange = true;
        a.min = range[0];
        a.max = range[1];
    }
    if (a.kind == host_attribute::Enum) {
        QStringList fields;
        if (query(attribute_query(QStringLiteral("-listEnum"), node, attribute), &fields) && !fields.isEmpty())
            enum_fields(fields.first(), &a.enumNames, &a.enumValues);
    } else if (a.kind == host_attribute::Bool) {
        a.hasRange = true;
        a.min = 0;
        a.max = 1;
    }
    return a;
}

QStringList maya_host_port::keyable_attributes(const QString& node)
{
    // The rig's own channels first: those are what controls are made for.
    QStringList names, all;
    query(QStringLiteral("listAttr -userDefined -keyable %1").arg(mel_quote(node)), &names);
    query(QStringLiteral("listAttr -keyable %1").arg(mel_quote(node)), &all);
    for (const QString& n : all)
        if (!names.contains(n))
            names.append(n);
    return names;
}

void maya_host_port::watch_nodes(const QStringList& nodes)
{
    for (auto it = watches_.begin(); it != watches_.end();) {
        if (nodes.contains(it.key())) {
            ++it;
            continue;
        }
        MMessage::removeCallback(it.value()->id);
        it = watches_.erase(it);
    }
    for (const QString& node : nodes) {
        if (watches_.contains(node))
            continue;
        MSelectionList list;
        MObject object;
        if (!list.add(MQtUtil::toMString(node)) || !list.getDependNode(0, object))
            continue; // not in the scene (yet): looked for again at the next change
        auto w = std::make_shared<watch>();
        w->port = this;
        w->node = node;
        MStatus st;
        w->id = MNodeMessage::addAttributeChangedCallback(object, attribute_changed, w.get(), &st);
        if (st)
            watches_.insert(node, w);
    }
}

QStringList maya_host_port::watched_nodes() const
{
    return watches_.keys();
}

void maya_host_port::attribute_set(const QString& node, const QString& attribute, double value, bool reread) const
{
    tell_attribute(node, attribute, value, reread);
}
