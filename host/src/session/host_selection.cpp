#include "host_selection.h"

namespace qbhost {

bool HostSelection::set(const std::vector<NodeId>& ids)
{
    if (ids == ids_)
        return false;
    ids_.clear();
    selected_.clear();
    for (NodeId id : ids) {
        if (!selected_.contains(id)) {
            selected_.insert(id);
            ids_.push_back(id);
        }
    }
    return true;
}

bool HostSelection::adjust(const std::vector<NodeId>& matches, MGlobal::ListAdjustment adjustment, bool* appended)
{
    if (appended)
        *appended = false;
    if (adjustment == MGlobal::kAddToList) {
        // Adding by name costs the names added, not the selection's size:
        // a caller selecting n nodes one by one stays linear.
        bool changed = false;
        for (NodeId m : matches) {
            if (selected_.contains(m))
                continue;
            selected_.insert(m);
            ids_.push_back(m);
            changed = true;
        }
        if (appended)
            *appended = changed;
        return changed;
    }
    std::vector<NodeId> sel;
    QSet<NodeId> present;
    auto append = [&](NodeId m) {
        if (!present.contains(m)) {
            present.insert(m);
            sel.push_back(m);
        }
    };
    switch (adjustment) {
    case MGlobal::kReplaceList:
    case MGlobal::kAddToList:
        for (NodeId m : matches)
            append(m);
        break;
    case MGlobal::kXORWithList:
    case MGlobal::kRemoveFromList: {
        QSet<NodeId> removed;
        present = selected_;
        for (NodeId m : matches) {
            if (present.remove(m))
                removed.insert(m);
            else if (adjustment == MGlobal::kXORWithList && !removed.contains(m))
                present.insert(m), sel.push_back(m);
        }
        std::vector<NodeId> kept;
        for (NodeId s : ids_)
            if (!removed.contains(s))
                kept.push_back(s);
        kept.insert(kept.end(), sel.begin(), sel.end());
        sel = kept;
        break;
    }
    case MGlobal::kAddToHeadOfList:
        for (NodeId m : matches)
            append(m);
        for (NodeId s : ids_)
            append(s);
        break;
    }
    return set(sel);
}

bool HostSelection::removeAll(const QSet<NodeId>& gone)
{
    std::vector<NodeId> kept;
    for (NodeId id : ids_)
        if (!gone.contains(id))
            kept.push_back(id);
    if (kept.size() == ids_.size())
        return false;
    return set(kept);
}

} // namespace qbhost
