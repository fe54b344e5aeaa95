#include "host_selection.h"

namespace qbhost {

bool HostSelection::set(const QStringList& names)
{
    if (names == names_)
        return false;
    names_ = names;
    selected_ = QSet<QString>(names.begin(), names.end());
    return true;
}

bool HostSelection::adjust(const QStringList& matches, MGlobal::ListAdjustment adjustment)
{
    if (adjustment == MGlobal::kAddToList) {
        // Adding by name costs the names added, not the selection's size:
        // a caller selecting n nodes one by one stays linear.
        bool changed = false;
        for (const QString& m : matches) {
            if (selected_.contains(m))
                continue;
            selected_.insert(m);
            names_ << m;
            changed = true;
        }
        return changed;
    }
    QStringList sel;
    QSet<QString> present;
    auto append = [&](const QString& m) {
        if (!present.contains(m)) {
            present.insert(m);
            sel << m;
        }
    };
    switch (adjustment) {
    case MGlobal::kReplaceList:
    case MGlobal::kAddToList:
        for (const QString& m : matches)
            append(m);
        break;
    case MGlobal::kXORWithList:
    case MGlobal::kRemoveFromList: {
        sel = names_;
        present = selected_;
        for (const QString& m : matches) {
            if (present.remove(m))
                sel.removeAll(m);
            else if (adjustment == MGlobal::kXORWithList)
                append(m);
        }
        break;
    }
    case MGlobal::kAddToHeadOfList:
        for (const QString& m : matches)
            append(m);
        for (const QString& s : names_)
            append(s);
        break;
    }
    return set(sel);
}

} // namespace qbhost
