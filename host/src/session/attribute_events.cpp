#include "attribute_events.h"
#include "session_data.h"
#include "../api/host_access.h"

#include <maya/MPlug.h>

namespace qbhost {

void notifyAttributeSet(SessionData& d, NodeId node, const QString& attribute, MNodeMessage::AttributeMessage message)
{
    if (!d.callbacks.watchesNode(node))
        return;
    MPlug plug, other;
    QbHostAccess::setPlug(plug, node, d.handles.intern(attribute));
    d.callbacks.raiseAttributeChanged(node, message, plug, other);
}

bool applyAttributeChange(SessionData& d, const AttributeChange& change, bool forward)
{
    if (!d.scene.graph.node(change.node))
        return false;
    if (forward || change.hadBefore)
        d.scene.graph.setPlug(change.node, change.key).value = forward ? change.after : change.before;
    else
        d.scene.graph.setPlug(change.node, change.key).value = PlugValue();
    notifyAttributeSet(d, change.node, change.attribute);
    return true;
}

} // namespace qbhost
