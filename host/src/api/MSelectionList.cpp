#include <maya/MSelectionList.h>
#include <qbhost/host_session.h>
#include <maya/MDagPath.h>
#include "node_access.h"

using namespace qbhost::nodeaccess;

MSelectionList::MSelectionList() = default;
MSelectionList::MSelectionList(const MSelectionList& other) = default;
MSelectionList::~MSelectionList() = default;
MSelectionList& MSelectionList::operator=(const MSelectionList& other) = default;

bool MSelectionList::isEmpty(MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = MS::kSuccess;
    return items_.empty();
}

unsigned int MSelectionList::length(MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = MS::kSuccess;
    return static_cast<unsigned int>(items_.size());
}

MStatus MSelectionList::clear()
{
    items_.clear();
    nodes_.clear();
    return MS::kSuccess;
}

MStatus MSelectionList::add(const MString& matchString, const bool)
{
    const QString pattern = qbhost::toQString(matchString);
    const qbhost::SceneGraph& g = graph();
    const std::vector<qbhost::NodeId> ids = g.match(pattern);
    // An exact name must name one node, as in the host.
    if (ids.empty() || (ids.size() > 1 && !qbhost::SceneGraph::hasWildcard(pattern)))
        return MS::kInvalidParameter;
    for (qbhost::NodeId id : ids) {
        bool present = false;
        for (unsigned long long e : nodes_)
            if (e == id) {
                present = true;
                break;
            }
        if (!present) {
            items_.push_back(qbhost::toMString(g.shortestPath(id)));
            nodes_.push_back(id);
        }
    }
    return MS::kSuccess;
}

MStatus MSelectionList::getSelectionStrings(MStringArray& array) const
{
    array.clear();
    for (const MString& e : items_)
        array.append(e);
    return MS::kSuccess;
}

MStatus MSelectionList::getDependNode(unsigned int index, MObject& depNode) const
{
    if (index >= nodes_.size() || !graph().node(nodes_[index]))
        return MS::kInvalidParameter;
    depNode = QbHostAccess::nodeObject(nodes_[index]);
    return MS::kSuccess;
}

MStatus MSelectionList::getDagPath(unsigned int index, MDagPath& dagPath, MObject& component) const
{
    if (index >= nodes_.size())
        return MS::kInvalidParameter;
    // Items are whole nodes here: no component comes with them.
    if (&component != &MObject::kNullObj)
        component = MObject();
    return MDagPath::getAPathTo(QbHostAccess::nodeObject(nodes_[index]), dagPath);
}
