#ifndef QB_STANDIN_MNODEMESSAGE_H
#define QB_STANDIN_MNODEMESSAGE_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MObject.h>
#include <maya/MMessage.h>

// Messages of one dependency node. The stand-in raises kAttributeSet when
// a value is set (setAttr, undo, redo).
class OPENMAYA_EXPORT MNodeMessage : public MMessage
{
public:
    enum AttributeMessage {
        kConnectionMade = 0x01,
        kConnectionBroken = 0x02,
        kAttributeEval = 0x04,
        kAttributeSet = 0x08,
        kAttributeLocked = 0x10,
        kAttributeUnlocked = 0x20,
        kAttributeAdded = 0x40,
        kAttributeRemoved = 0x80,
        kAttributeRenamed = 0x100,
        kAttributeKeyable = 0x200,
        kAttributeUnkeyable = 0x400,
        kIncomingDirection = 0x800,
        kAttributeArrayAdded = 0x1000,
        kAttributeArrayRemoved = 0x2000,
        kOtherPlugSet = 0x4000,
        kLast = 0x8000
    };

    typedef void (*MAttr2PlugFunction)(MNodeMessage::AttributeMessage msg, MPlug& plug, MPlug& otherPlug,
                                       void* clientData);

    static MCallbackId addAttributeChangedCallback(MObject& node, MNodeMessage::MAttr2PlugFunction func,
                                                   void* clientData = NULL, MStatus* ReturnStatus = NULL);

    // A null node watches every node; the string is the node's previous name.
    static MCallbackId addNameChangedCallback(MObject& node,
                                              MMessage::MNodeStringFunction func,
                                              void* clientData = NULL,
                                              MStatus* ReturnStatus = NULL);
};
#endif
