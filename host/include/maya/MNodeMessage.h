#ifndef QB_STANDIN_MNODEMESSAGE_H
#define QB_STANDIN_MNODEMESSAGE_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MObject.h>
#include <maya/MMessage.h>

class OPENMAYA_EXPORT MNodeMessage : public MMessage
{
public:
    // A null node watches every node; the string is the node's previous name.
    static MCallbackId addNameChangedCallback(MObject& node,
                                              MMessage::MNodeStringFunction func,
                                              void* clientData = NULL,
                                              MStatus* ReturnStatus = NULL);
};
#endif
