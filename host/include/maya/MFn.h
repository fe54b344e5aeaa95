#ifndef QB_STANDIN_MFN_H
#define QB_STANDIN_MFN_H
#include <maya/MTypes.h>

// The function set types the stand-in's nodes report, with the real values.
class OPENMAYA_EXPORT MFn
{
public:
    enum Type {
        kInvalid = 0,
        kBase = 1,
        kNamedObject = 2,
        kDependencyNode = 4,
        kDagNode = 107,
        kTransform = 110,
        kJoint = 121,
        kShape = 248,
        kNurbsCurve = 267,
        kLocator = 281,
        kMesh = 296
    };
};
#endif
