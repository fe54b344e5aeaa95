#ifndef QB_STANDIN_MEVENTMESSAGE_H
#define QB_STANDIN_MEVENTMESSAGE_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MMessage.h>

class OPENMAYA_EXPORT MEventMessage : public MMessage
{
public:
    static MCallbackId addEventCallback(const MString& event,
                                        MMessage::MBasicFunction func,
                                        void* clientData = NULL,
                                        MStatus* ReturnStatus = NULL);
};
#endif
