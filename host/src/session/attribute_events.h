#ifndef QBHOST_ATTRIBUTE_EVENTS_H
#define QBHOST_ATTRIBUTE_EVENTS_H
// A value set on a plug, told to the node's attribute-change callbacks,
// and the same for values that undo and redo put back.
#include "undo_log.h"

#include <maya/MNodeMessage.h>

namespace qbhost {

struct SessionData;

// Calls the node's callbacks with the message (kAttributeSet for a value)
// for the attribute (its long name); nothing when none watches the node.
void notifyAttributeSet(SessionData& d, NodeId node, const QString& attribute,
                        MNodeMessage::AttributeMessage message = MNodeMessage::kAttributeSet);
// Puts a change's value back (forward false) or again (forward true) and
// tells the callbacks. False when its node is gone.
bool applyAttributeChange(SessionData& d, const AttributeChange& change, bool forward);

} // namespace qbhost
#endif
