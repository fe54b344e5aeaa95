#include <maya/MFnDagNode.h>
#include <maya/MString.h>
#include "node_access.h"

using namespace qbhost;
using namespace qbhost::nodeaccess;

MFnDagNode::MFnDagNode() = default;

MFnDagNode::MFnDagNode(MObject& object, MStatus* ret)
{
    setStatus(ret, setObject(object));
}

MFnDagNode::MFnDagNode(const MDagPath& object, MStatus* ret)
{
    setStatus(ret, setObject(object));
}

MFnDagNode::~MFnDagNode() = default;

MFn::Type MFnDagNode::type() const { return MFn::kDagNode; }

MStatus MFnDagNode::setObject(MObject& object)
{
    return setObject(static_cast<const MObject&>(object));
}

MStatus MFnDagNode::setObject(const MObject& object)
{
    object_ = MObject();
    path_ = MDagPath();
    const NodeRecord* n = nodeOf(object);
    if (!n || !n->dag)
        return MS::kInvalidParameter;
    object_ = object;
    return MDagPath::getAPathTo(object, path_);
}

MStatus MFnDagNode::setObject(const MDagPath& path)
{
    object_ = MObject();
    path_ = MDagPath();
    MStatus st;
    const MObject node = path.node(&st);
    if (!st)
        return MS::kInvalidParameter;
    object_ = node;
    path_ = path;
    return MS::kSuccess;
}

namespace {
const NodeRecord* attachedDag(const MObject& object, MStatus* status)
{
    const NodeRecord* n = nodeOf(object);
    setStatus(status, n && n->dag ? MS::kSuccess : MS::kInvalidParameter);
    return n && n->dag ? n : nullptr;
}
} // namespace

unsigned int MFnDagNode::parentCount(MStatus* ReturnStatus) const
{
    // The world counts as a parent, as in the host; no instancing here.
    return attachedDag(object_, ReturnStatus) ? 1u : 0u;
}

MObject MFnDagNode::parent(unsigned int i, MStatus* ReturnStatus) const
{
    const NodeRecord* n = attachedDag(object_, ReturnStatus);
    if (!n)
        return MObject();
    if (i != 0 || n->parent == 0) {
        // The world has no node the stand-in hands out.
        setStatus(ReturnStatus, MS::kInvalidParameter);
        return MObject();
    }
    return QbHostAccess::nodeObject(n->parent);
}

unsigned int MFnDagNode::childCount(MStatus* ReturnStatus) const
{
    const NodeRecord* n = attachedDag(object_, ReturnStatus);
    return n ? static_cast<unsigned int>(n->children.size()) : 0u;
}

MObject MFnDagNode::child(unsigned int i, MStatus* ReturnStatus) const
{
    const NodeRecord* n = attachedDag(object_, ReturnStatus);
    if (!n)
        return MObject();
    if (i >= n->children.size()) {
        setStatus(ReturnStatus, MS::kInvalidParameter);
        return MObject();
    }
    return QbHostAccess::nodeObject(n->children[i]);
}

MStatus MFnDagNode::getPath(MDagPath& path) const
{
    MStatus st;
    if (!attachedDag(object_, &st))
        return st;
    // Attached by path: that path while it holds; otherwise the node's own.
    if (path_.isValid()) {
        path = path_;
        return MS::kSuccess;
    }
    return MDagPath::getAPathTo(object_, path);
}

MDagPath MFnDagNode::dagPath(MStatus* ReturnStatus) const
{
    MDagPath path;
    setStatus(ReturnStatus, getPath(path));
    return path;
}

MString MFnDagNode::fullPathName(MStatus* ReturnStatus) const
{
    const NodeRecord* n = attachedDag(object_, ReturnStatus);
    return n ? toMString(graph().fullPath(n->id)) : MString();
}

MString MFnDagNode::partialPathName(MStatus* ReturnStatus) const
{
    const NodeRecord* n = attachedDag(object_, ReturnStatus);
    return n ? toMString(graph().shortestPath(n->id)) : MString();
}

bool MFnDagNode::isIntermediateObject(MStatus* ReturnStatus) const
{
    const NodeRecord* n = attachedDag(object_, ReturnStatus);
    if (!n)
        return false;
    const PlugState* p = n->attributes.plug(QStringLiteral("intermediateObject"));
    return p && p->value.kind == PlugValue::Numbers && !p->value.numbers.isEmpty()
        && p->value.numbers.front() != 0.0;
}
