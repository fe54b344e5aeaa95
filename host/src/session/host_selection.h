#ifndef QBHOST_HOST_SELECTION_H
#define QBHOST_HOST_SELECTION_H
// The host's active selection: node ids in selection order, with a set of
// the same ids so that lookups cost the same at any size. Ids, not names: a
// selected node that is renamed or moved stays selected.
#include "../scene/node_record.h"

#include <maya/MGlobal.h>

#include <QtCore/QSet>

#include <vector>

namespace qbhost {

class HostSelection
{
public:
    const std::vector<NodeId>& ids() const { return ids_; }
    bool contains(NodeId id) const { return selected_.contains(id); }
    // Replaces the selection; false when it was already that.
    bool set(const std::vector<NodeId>& ids);
    // Applies matches (each once) as the adjustment says; false when the
    // selection did not change. appended: set when the change only added
    // ids at the end (a kAddToList), so that a caller's list can follow.
    bool adjust(const std::vector<NodeId>& matches, MGlobal::ListAdjustment adjustment, bool* appended = nullptr);
    // Drops ids no longer in the scene; false when none was selected.
    bool removeAll(const QSet<NodeId>& gone);

private:
    std::vector<NodeId> ids_;
    QSet<NodeId> selected_;
};

} // namespace qbhost
#endif
