#include <maya/MNodeMessage.h>
#include <maya/MObject.h>
#include <qbhost/host_session.h>
#include "host_access.h"
#include "../session/session_data.h"

MCallbackId MNodeMessage::addAttributeChangedCallback(MObject& node, MNodeMessage::MAttr2PlugFunction func,
                                                      void* clientData, MStatus* ReturnStatus)
{
    qbhost::HostSession& s = qbhost::HostSession::instance();
    qbhost::SessionData& d = qbhost::SessionAccess::data(s);
    MStatus st = s.takeFailure(QStringLiteral("addAttributeChangedCallback"));
    const qbhost::NodeId id = QbHostAccess::nodeId(node);
    // A null object, a plug-in's object or a deleted node is refused.
    if (st && (!func || !id || !d.scene.graph.node(id)))
        st = MS::kInvalidParameter;
    if (ReturnStatus)
        *ReturnStatus = st;
    if (!st)
        return 0;
    return d.callbacks.addAttributeChanged(id, func, clientData);
}
