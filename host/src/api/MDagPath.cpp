#include <maya/MDagPath.h>
#include <maya/MString.h>
#include "node_access.h"

using namespace qbhost;
using namespace qbhost::nodeaccess;

MDagPath::MDagPath() = default;
MDagPath::MDagPath(const MDagPath& src) = default;
MDagPath::~MDagPath() = default;
MDagPath& MDagPath::operator=(const MDagPath& src) = default;

bool MDagPath::operator==(const MDagPath& other) const { return nodes_ == other.nodes_; }

MStatus MDagPath::getAPathTo(const MObject& node, MDagPath& path)
{
    const NodeRecord* n = nodeOf(node);
    if (!n || !n->dag)
        return MS::kInvalidParameter;
    path.nodes_ = chainTo(n->id);
    return MS::kSuccess;
}

namespace {
// The node at the end of a path that still runs as it did.
const NodeRecord* endOf(const std::vector<unsigned long long>& nodes, MStatus* status)
{
    if (!chainValid(nodes)) {
        setStatus(status, MS::kFailure);
        return nullptr;
    }
    setStatus(status, MS::kSuccess);
    return graph().node(nodes.back());
}

std::vector<NodeId> shapesBelow(const NodeRecord& n)
{
    std::vector<NodeId> out;
    if (isShape(n))
        return out;
    for (NodeId c : n.children)
        if (const NodeRecord* child = graph().node(c))
            if (isShape(*child))
                out.push_back(c);
    return out;
}
} // namespace

bool MDagPath::hasFn(MFn::Type type, MStatus* ReturnStatus) const
{
    const NodeRecord* n = endOf(nodes_, ReturnStatus);
    return n && nodeHasFn(*n, type);
}

MFn::Type MDagPath::apiType(MStatus* ReturnStatus) const
{
    const NodeRecord* n = endOf(nodes_, ReturnStatus);
    return n ? typeOfNode(*n) : MFn::kInvalid;
}

bool MDagPath::isValid(MStatus* ReturnStatus) const
{
    setStatus(ReturnStatus, MS::kSuccess);
    return chainValid(nodes_);
}

MObject MDagPath::node(MStatus* ReturnStatus) const
{
    const NodeRecord* n = endOf(nodes_, ReturnStatus);
    return n ? QbHostAccess::nodeObject(n->id) : MObject();
}

MObject MDagPath::transform(MStatus* ReturnStatus) const
{
    if (!endOf(nodes_, ReturnStatus))
        return MObject();
    for (auto it = nodes_.rbegin(); it != nodes_.rend(); ++it)
        if (!isShape(*graph().node(*it)))
            return QbHostAccess::nodeObject(*it);
    setStatus(ReturnStatus, MS::kInvalidParameter);
    return MObject();
}

unsigned int MDagPath::length(MStatus* ReturnStatus) const
{
    if (!endOf(nodes_, ReturnStatus))
        return 0;
    return static_cast<unsigned int>(nodes_.size());
}

unsigned int MDagPath::childCount(MStatus* ReturnStatus) const
{
    const NodeRecord* n = endOf(nodes_, ReturnStatus);
    return n ? static_cast<unsigned int>(n->children.size()) : 0;
}

MObject MDagPath::child(unsigned int i, MStatus* ReturnStatus) const
{
    const NodeRecord* n = endOf(nodes_, ReturnStatus);
    if (!n)
        return MObject();
    if (i >= n->children.size()) {
        setStatus(ReturnStatus, MS::kInvalidParameter);
        return MObject();
    }
    return QbHostAccess::nodeObject(n->children[i]);
}

MStatus MDagPath::push(const MObject& child)
{
    const NodeRecord* c = nodeOf(child);
    if (!c || !c->dag)
        return MS::kInvalidParameter;
    const NodeId parent = nodes_.empty() ? 0 : nodes_.back();
    if (c->parent != parent || (!nodes_.empty() && !chainValid(nodes_)))
        return MS::kInvalidParameter;
    nodes_.push_back(c->id);
    return MS::kSuccess;
}

MStatus MDagPath::pop(unsigned int num)
{
    if (num > nodes_.size())
        return MS::kInvalidParameter;
    nodes_.resize(nodes_.size() - num);
    return MS::kSuccess;
}

MStatus MDagPath::extendToShape()
{
    MStatus st;
    const NodeRecord* n = endOf(nodes_, &st);
    if (!n)
        return st;
    if (isShape(*n))
        return MS::kSuccess;
    const std::vector<NodeId> shapes = shapesBelow(*n);
    // The first shape below, as the host's documentation warns.
    if (shapes.empty())
        return MS::kFailure;
    nodes_.push_back(shapes.front());
    return MS::kSuccess;
}

MStatus MDagPath::extendToShapeDirectlyBelow(unsigned int i)
{
    MStatus st;
    const NodeRecord* n = endOf(nodes_, &st);
    if (!n)
        return st;
    const std::vector<NodeId> shapes = shapesBelow(*n);
    if (i >= shapes.size())
        return MS::kInvalidParameter;
    nodes_.push_back(shapes[i]);
    return MS::kSuccess;
}

MStatus MDagPath::numberOfShapesDirectlyBelow(unsigned int& num) const
{
    MStatus st;
    num = 0;
    const NodeRecord* n = endOf(nodes_, &st);
    if (!n)
        return st;
    num = static_cast<unsigned int>(shapesBelow(*n).size());
    return MS::kSuccess;
}

MString MDagPath::fullPathName(MStatus* ReturnStatus) const
{
    const NodeRecord* n = endOf(nodes_, ReturnStatus);
    return n ? toMString(graph().fullPath(n->id)) : MString();
}

MString MDagPath::partialPathName(MStatus* ReturnStatus) const
{
    const NodeRecord* n = endOf(nodes_, ReturnStatus);
    return n ? toMString(graph().shortestPath(n->id)) : MString();
}
