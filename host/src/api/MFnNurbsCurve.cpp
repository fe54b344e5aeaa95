#include <maya/MFnNurbsCurve.h>
#include "node_access.h"
#include "../scene/nurbs_curve.h"

using namespace qbhost;
using namespace qbhost::nodeaccess;

namespace {

// The curve of the attached shape; false (with the status set) when the
// function set holds no nurbsCurve node, or the node no readable curve.
bool curveOf(const MObject& object, NurbsCurve* curve, MStatus* status)
{
    const NodeRecord* n = nodeOf(object);
    if (!n || n->type != QLatin1String("nurbsCurve")) {
        setStatus(status, MS::kInvalidParameter);
        return false;
    }
    if (!NurbsCurve::ofShape(*n, curve)) {
        setStatus(status, MS::kFailure);
        return false;
    }
    setStatus(status, MS::kSuccess);
    return true;
}

// Only nurbsCurve nodes take this function set.
MStatus attachCurve(MFnNurbsCurve& fn, MStatus attached)
{
    const NodeRecord* n = nodeOf(fn.object());
    if (!attached || !n || n->type != QLatin1String("nurbsCurve")) {
        fn.MFnDagNode::setObject(MObject::kNullObj);
        return MS::kInvalidParameter;
    }
    return MS::kSuccess;
}

} // namespace

MFnNurbsCurve::MFnNurbsCurve() = default;

MFnNurbsCurve::MFnNurbsCurve(MObject& object, MStatus* ReturnStatus) : MFnDagNode()
{
    setStatus(ReturnStatus, attachCurve(*this, MFnDagNode::setObject(object)));
}

MFnNurbsCurve::MFnNurbsCurve(const MDagPath& object, MStatus* ReturnStatus) : MFnDagNode()
{
    setStatus(ReturnStatus, attachCurve(*this, MFnDagNode::setObject(object)));
}

MFnNurbsCurve::~MFnNurbsCurve() = default;

MFn::Type MFnNurbsCurve::type() const { return MFn::kNurbsCurve; }

MStatus MFnNurbsCurve::getKnotDomain(double& start, double& end) const
{
    NurbsCurve curve;
    MStatus status;
    if (!curveOf(object_, &curve, &status))
        return status;
    start = curve.domainStart();
    end = curve.domainEnd();
    return MS::kSuccess;
}

MStatus MFnNurbsCurve::getPointAtParam(double param, MPoint& point, MSpace::Space space) const
{
    NurbsCurve curve;
    MStatus status;
    if (!curveOf(object_, &curve, &status))
        return status;
    if (!(param >= curve.domainStart() && param <= curve.domainEnd()))
        return MS::kInvalidParameter; // as the host does off the curve
    Point3 p = curve.pointAt(param);
    if (space == MSpace::kWorld)
        p = p * worldMatrix(graph(), QbHostAccess::nodeId(object_));
    point = MPoint(p.x, p.y, p.z);
    return MS::kSuccess;
}

int MFnNurbsCurve::degree(MStatus* ReturnStatus) const
{
    NurbsCurve curve;
    return curveOf(object_, &curve, ReturnStatus) ? curve.degree : 0;
}

int MFnNurbsCurve::numSpans(MStatus* ReturnStatus) const
{
    NurbsCurve curve;
    return curveOf(object_, &curve, ReturnStatus) ? curve.spans : 0;
}

MFnNurbsCurve::Form MFnNurbsCurve::form(MStatus* ReturnStatus) const
{
    NurbsCurve curve;
    if (!curveOf(object_, &curve, ReturnStatus))
        return kInvalid;
    switch (curve.form) {
    case NurbsCurve::Open:
        return kOpen;
    case NurbsCurve::Closed:
        return kClosed;
    case NurbsCurve::Periodic:
        return kPeriodic;
    }
    return kInvalid;
}
