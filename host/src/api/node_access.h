#ifndef QBHOST_NODE_ACCESS_H
#define QBHOST_NODE_ACCESS_H
// How the node classes of the API (MObject, MDagPath, the function sets)
// reach the scene's nodes: an MObject names a node by id, which stays valid
// across renames and reparenting and dies with the node.
#include "host_access.h"
#include "../scene/node_types.h"
#include "../session/session_data.h"

#include <maya/MFn.h>

namespace qbhost {
namespace nodeaccess {

inline SceneGraph& graph()
{
    return SessionAccess::data(HostSession::instance()).scene.graph;
}

// The node an object names, or null when it names none (any more).
inline const NodeRecord* nodeOf(const MObject& object)
{
    const NodeId id = QbHostAccess::nodeId(object);
    return id ? graph().node(id) : nullptr;
}

inline bool isShape(const NodeRecord& n) { return n.dag && typeOf(n).shape; }

// The most specific function set type of a node.
inline MFn::Type typeOfNode(const NodeRecord& n)
{
    if (!n.dag)
        return MFn::kDependencyNode;
    if (n.type == QLatin1String("joint"))
        return MFn::kJoint;
    if (!isShape(n))
        return MFn::kTransform; // the DAG nodes that are no shape derive from transform
    if (n.type == QLatin1String("nurbsCurve"))
        return MFn::kNurbsCurve;
    if (n.type == QLatin1String("mesh"))
        return MFn::kMesh;
    if (n.type == QLatin1String("locator"))
        return MFn::kLocator;
    return MFn::kShape;
}

inline bool nodeHasFn(const NodeRecord& n, MFn::Type type)
{
    switch (type) {
    case MFn::kBase:
    case MFn::kNamedObject:
    case MFn::kDependencyNode:
        return true;
    case MFn::kDagNode:
        return n.dag;
    case MFn::kTransform:
        return n.dag && !isShape(n);
    case MFn::kShape:
        return isShape(n);
    default:
        return type != MFn::kInvalid && typeOfNode(n) == type;
    }
}

// The DAG nodes from the top down to id; empty for a node that is none.
inline std::vector<unsigned long long> chainTo(NodeId id)
{
    std::vector<unsigned long long> chain;
    const SceneGraph& g = graph();
    for (const NodeRecord* n = g.node(id); n && n->dag; n = n->parent ? g.node(n->parent) : nullptr)
        chain.insert(chain.begin(), n->id);
    return chain;
}

// Whether a path still runs through the scene as it did.
inline bool chainValid(const std::vector<unsigned long long>& chain)
{
    if (chain.empty())
        return false;
    const SceneGraph& g = graph();
    NodeId parent = 0;
    for (unsigned long long id : chain) {
        const NodeRecord* n = g.node(id);
        if (!n || !n->dag || n->parent != parent)
            return false;
        parent = id;
    }
    return true;
}

inline void setStatus(MStatus* status, MStatus value)
{
    if (status)
        *status = value;
}

} // namespace nodeaccess
} // namespace qbhost
#endif
