#ifndef QB_STANDIN_MFNBASE_H
#define QB_STANDIN_MFNBASE_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MObject.h>

// Base of the function sets; MFnPlugin is one.
class OPENMAYA_EXPORT MFnBase
{
public:
    virtual ~MFnBase();

protected:
    MFnBase();
};
#endif
