#ifndef QBHOST_NODE_HANDLES_H
#define QBHOST_NODE_HANDLES_H
// What an MObject of a scene node, and an MPlug's attribute, point at: one
// handle per node id, kept for the session's life so that a handle never
// dangles, and one interned text per attribute name.
#include "../scene/node_record.h"

#include <QtCore/QHash>
#include <QtCore/QString>

#include <memory>
#include <unordered_map>

namespace qbhost {

class NodeHandles
{
public:
    void* handle(NodeId id);
    // 0 for a pointer that is no node handle (a plug-in object, null).
    NodeId nodeOf(const void* handle) const;
    const void* intern(const QString& attribute);
    static QString text(const void* interned);

private:
    std::unordered_map<NodeId, std::unique_ptr<NodeId>> byId_;
    std::unordered_map<const void*, NodeId> byHandle_;
    QHash<QString, std::shared_ptr<QString>> names_;
};

} // namespace qbhost
#endif
