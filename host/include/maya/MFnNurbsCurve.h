#ifndef QB_STANDIN_MFNNURBSCURVE_H
#define QB_STANDIN_MFNNURBSCURVE_H
#include <maya/MTypes.h>
#include <maya/MFnDagNode.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MPoint.h>

// A nurbsCurve shape's curve, from its cached data, evaluated as the host
// evaluates it.
class OPENMAYA_EXPORT MFnNurbsCurve : public MFnDagNode
{
public:
    enum Form { kInvalid = 0, kOpen, kClosed, kPeriodic, kLast };

    MFnNurbsCurve();
    MFnNurbsCurve(MObject& object, MStatus* ReturnStatus = NULL);
    MFnNurbsCurve(const MDagPath& object, MStatus* ReturnStatus = NULL);
    ~MFnNurbsCurve() override;

    MFn::Type type() const override;

    MStatus getKnotDomain(double& start, double& end) const;
    MStatus getPointAtParam(double param, MPoint& point, MSpace::Space space = MSpace::kObject) const;
    int degree(MStatus* ReturnStatus = NULL) const;
    int numSpans(MStatus* ReturnStatus = NULL) const;
    Form form(MStatus* ReturnStatus = NULL) const;
};
#endif
