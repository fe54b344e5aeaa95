#ifndef QBHOST_NODE_RECORD_H
#define QBHOST_NODE_RECORD_H
// One node of the scene. Its id is its identity: it survives renames and
// reparenting, and an id is never given to another node in the session.
#include "attribute_store.h"

#include <QtCore/QString>

#include <vector>

namespace qbhost {

using NodeId = quint64; // 0: no node (the world, for a parent)
struct NodeTypeInfo;

struct NodeRecord {
    NodeId id = 0;
    QString name;  // the node's own name, namespace included: "hero:arm_ctrl"
    QString type;
    const NodeTypeInfo* typeInfo = nullptr; // of type, looked up once
    NodeId parent = 0;
    std::vector<NodeId> children;
    bool dag = false;
    bool shared = false;     // createNode -s: made only when not already there
    bool isDefault = false;  // one of the nodes every scene has
    bool locked = false;     // lockNode
    QString uuid;            // rename -uid
    int reference = 0;       // the reference the node came from, 0 for none
    AttributeStore attributes;
    // Serials of the last change to the node's name or parent, its lock and
    // its uuid: a scene written back keeps the file's statement for what did
    // not change since the file was read.
    quint64 nameSerial = 0;
    quint64 lockSerial = 0;
    quint64 uuidSerial = 0;
    // The change counter when the reference the node came from was read:
    // what is older came from the referenced file.
    quint64 loadedSerial = 0;
};

} // namespace qbhost
#endif
