#ifndef QB_STANDIN_MDAGMESSAGE_H
#define QB_STANDIN_MDAGMESSAGE_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MMessage.h>

class OPENMAYA_EXPORT MDagMessage : public MMessage
{
public:
    static MCallbackId addParentAddedCallback(MMessage::MParentChildFunction func,
                                              void* clientData = NULL,
                                              MStatus* ReturnStatus = NULL);
    static MCallbackId addParentRemovedCallback(MMessage::MParentChildFunction func,
                                                void* clientData = NULL,
                                                MStatus* ReturnStatus = NULL);
};
#endif
