#ifndef QB_STANDIN_MSCENEMESSAGE_H
#define QB_STANDIN_MSCENEMESSAGE_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MMessage.h>

class OPENMAYA_EXPORT MSceneMessage : public MMessage
{
public:
    // The messages the stand-in raises, by the real names.
    enum Message {
        kAfterNew,
        kAfterOpen,
        kAfterCreateReference,
        kAfterLoadReference,
        kAfterUnloadReference,
        kBeforeRemoveReference,
        kAfterRemoveReference
    };

    static MCallbackId addCallback(Message msg, MMessage::MBasicFunction func,
                                   void* clientData = NULL, MStatus* ReturnStatus = NULL);
};
#endif
