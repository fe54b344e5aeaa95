// The node, DAG and scene messages: callbacks kept by the session's event
// callbacks, raised where the scene changes.
#include <maya/MDGMessage.h>
#include <maya/MDagMessage.h>
#include <maya/MNodeMessage.h>
#include <maya/MSceneMessage.h>
#include "node_access.h"

using namespace qbhost;
using Message = EventCallbacks::Message;

namespace {
EventCallbacks& callbacks()
{
    return SessionAccess::data(HostSession::instance()).callbacks;
}

// A null function is refused, as the host refuses it.
template <typename F>
bool usable(F function, MStatus* status)
{
    nodeaccess::setStatus(status, function ? MS::kSuccess : MS::kInvalidParameter);
    return function != nullptr;
}
} // namespace

MCallbackId MDGMessage::addNodeAddedCallback(MMessage::MNodeFunction func, const MString& nodeType,
                                             void* clientData, MStatus* ReturnStatus)
{
    if (!usable(func, ReturnStatus))
        return 0;
    return callbacks().addNode(Message::NodeAdded, func, toQString(nodeType), clientData);
}

MCallbackId MDGMessage::addNodeRemovedCallback(MMessage::MNodeFunction func, const MString& nodeType,
                                               void* clientData, MStatus* ReturnStatus)
{
    if (!usable(func, ReturnStatus))
        return 0;
    return callbacks().addNode(Message::NodeRemoved, func, toQString(nodeType), clientData);
}

MCallbackId MNodeMessage::addNameChangedCallback(MObject& node, MMessage::MNodeStringFunction func,
                                                 void* clientData, MStatus* ReturnStatus)
{
    if (!usable(func, ReturnStatus))
        return 0;
    // A node must exist; the null object watches every node.
    if (!node.isNull() && !nodeaccess::nodeOf(node)) {
        nodeaccess::setStatus(ReturnStatus, MS::kInvalidParameter);
        return 0;
    }
    return callbacks().addName(QbHostAccess::nodeId(node), func, clientData);
}

MCallbackId MDagMessage::addParentAddedCallback(MMessage::MParentChildFunction func, void* clientData,
                                                MStatus* ReturnStatus)
{
    if (!usable(func, ReturnStatus))
        return 0;
    return callbacks().addParent(Message::ParentAdded, func, clientData);
}

MCallbackId MDagMessage::addParentRemovedCallback(MMessage::MParentChildFunction func, void* clientData,
                                                  MStatus* ReturnStatus)
{
    if (!usable(func, ReturnStatus))
        return 0;
    return callbacks().addParent(Message::ParentRemoved, func, clientData);
}

MCallbackId MSceneMessage::addCallback(Message msg, MMessage::MBasicFunction func, void* clientData,
                                       MStatus* ReturnStatus)
{
    if (!usable(func, ReturnStatus))
        return 0;
    return callbacks().addScene(int(msg), func, clientData);
}
