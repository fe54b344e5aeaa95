#ifndef QB_STANDIN_MFNBASE_H
#define QB_STANDIN_MFNBASE_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MObject.h>
#include <maya/MFn.h>

// Base of the function sets: MFnPlugin and the node function sets.
class OPENMAYA_EXPORT MFnBase
{
public:
    virtual ~MFnBase();
    virtual MFn::Type type() const;
    bool hasObj(MFn::Type type) const;
    MObject object(MStatus* ReturnStatus = NULL) const;
    virtual MStatus setObject(MObject& object);
    virtual MStatus setObject(const MObject& object);

protected:
    MFnBase();
    MObject object_;
};
#endif
