#ifndef QB_STANDIN_MMESSAGE_H
#define QB_STANDIN_MMESSAGE_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>

typedef uintptr_t MCallbackId;

class OPENMAYA_EXPORT MMessage
{
public:
    typedef void (*MBasicFunction)(void* clientData);
    typedef void (*MNodeFunction)(MObject& node, void* clientData);
    typedef void (*MNodeStringFunction)(MObject& node, const MString& str, void* clientData);
    typedef void (*MParentChildFunction)(MDagPath& child, MDagPath& parent, void* clientData);

    static MStatus removeCallback(MCallbackId id);
};
#endif
