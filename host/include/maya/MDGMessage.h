#ifndef QB_STANDIN_MDGMESSAGE_H
#define QB_STANDIN_MDGMESSAGE_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MMessage.h>

#define kDefaultNodeType "dependNode"

class OPENMAYA_EXPORT MDGMessage : public MMessage
{
public:
    static MCallbackId addNodeAddedCallback(MMessage::MNodeFunction func,
                                            const MString& nodeType = kDefaultNodeType,
                                            void* clientData = NULL,
                                            MStatus* ReturnStatus = NULL);
    static MCallbackId addNodeRemovedCallback(MMessage::MNodeFunction func,
                                              const MString& nodeType = kDefaultNodeType,
                                              void* clientData = NULL,
                                              MStatus* ReturnStatus = NULL);
};
#endif
