#include <maya/MSelectionList.h>
#include <qbhost/host_session.h>
#include "host_access.h"
#include "../session/session_data.h"

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
    return MS::kSuccess;
}

MStatus MSelectionList::add(const MString& matchString, const bool)
{
    bool ambiguous = false;
    const QStringList names =
        qbhost::HostSession::instance().matchNodes(qbhost::toQString(matchString), &ambiguous);
    // An exact name must name one node, as in the host.
    if (names.isEmpty() || ambiguous)
        return MS::kInvalidParameter;
    for (const QString& n : names) {
        MString m = qbhost::toMString(n);
        bool present = false;
        for (const MString& e : items_)
            if (e == m) {
                present = true;
                break;
            }
        if (!present)
            items_.push_back(m);
    }
    return MS::kSuccess;
}

MStatus MSelectionList::getDependNode(unsigned int index, MObject& depNode) const
{
    if (index >= items_.size())
        return MS::kInvalidParameter;
    qbhost::SessionData& d = qbhost::SessionAccess::data(qbhost::HostSession::instance());
    const std::vector<qbhost::NodeId> found = d.scene.graph.findExact(qbhost::toQString(items_[index]));
    // The node may have gone since it was added.
    if (found.size() != 1)
        return MS::kInvalidParameter;
    QbHostAccess::setPointer(depNode, d.handles.handle(found.front()));
    return MS::kSuccess;
}

MStatus MSelectionList::getSelectionStrings(MStringArray& array) const
{
    array.clear();
    for (const MString& e : items_)
        array.append(e);
    return MS::kSuccess;
}
