#ifndef QB_STANDIN_MSCENEMESSAGE_H
#define QB_STANDIN_MSCENEMESSAGE_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MMessage.h>

class OPENMAYA_EXPORT MSceneMessage : public MMessage
{
public:
    // The messages the stand-in raises, by the real names and values.
    enum Message {
        kAfterNew = 2,
        kAfterOpen = 6,
        kBeforeRemoveReference = 16,
        kAfterRemoveReference = 17,
        kAfterUnloadReference = 23,
        kAfterLoadReference = 37,
        kAfterCreateReference = 45
    };

    static MCallbackId addCallback(Message msg, MMessage::MBasicFunction func,
                                   void* clientData = NULL, MStatus* ReturnStatus = NULL);
};
#endif
