#include <maya/MFnDependencyNode.h>
#include <maya/MString.h>
#include "node_access.h"

using namespace qbhost;
using namespace qbhost::nodeaccess;

MFnBase::MFnBase() = default;
MFnBase::~MFnBase() = default;
MFn::Type MFnBase::type() const { return MFn::kBase; }

bool MFnBase::hasObj(MFn::Type type) const
{
    const NodeRecord* n = nodeOf(object_);
    return n && nodeHasFn(*n, type);
}

MObject MFnBase::object(MStatus* ReturnStatus) const
{
    setStatus(ReturnStatus, object_.isNull() ? MS::kInvalidParameter : MS::kSuccess);
    return object_;
}

MStatus MFnBase::setObject(MObject&) { return MS::kInvalidParameter; }
MStatus MFnBase::setObject(const MObject&) { return MS::kInvalidParameter; }

MFnDependencyNode::MFnDependencyNode() = default;

MFnDependencyNode::MFnDependencyNode(MObject& object, MStatus* ReturnStatus)
{
    setStatus(ReturnStatus, setObject(object));
}

MFnDependencyNode::~MFnDependencyNode() = default;

MFn::Type MFnDependencyNode::type() const { return MFn::kDependencyNode; }

MStatus MFnDependencyNode::setObject(MObject& object)
{
    return setObject(static_cast<const MObject&>(object));
}

MStatus MFnDependencyNode::setObject(const MObject& object)
{
    object_ = MObject();
    if (!nodeOf(object))
        return MS::kInvalidParameter;
    object_ = object;
    return MS::kSuccess;
}

namespace {
// The node the function set is on, failing once it was deleted.
const NodeRecord* attached(const MObject& object, MStatus* status)
{
    const NodeRecord* n = nodeOf(object);
    setStatus(status, n ? MS::kSuccess : MS::kInvalidParameter);
    return n;
}
} // namespace

MString MFnDependencyNode::name(MStatus* ReturnStatus) const
{
    const NodeRecord* n = attached(object_, ReturnStatus);
    if (!n)
        return MString();
    return toMString(n->name);
}

MString MFnDependencyNode::absoluteName(MStatus* ReturnStatus) const
{
    const NodeRecord* n = attached(object_, ReturnStatus);
    return n ? toMString(QLatin1Char(':') + n->name) : MString();
}

MString MFnDependencyNode::typeName(MStatus* ReturnStatus) const
{
    const NodeRecord* n = attached(object_, ReturnStatus);
    return n ? toMString(n->type) : MString();
}

bool MFnDependencyNode::isFromReferencedFile(MStatus* ReturnStatus) const
{
    const NodeRecord* n = attached(object_, ReturnStatus);
    return n && n->reference != 0;
}
