#ifndef QBHOST_HOST_SELECTION_H
#define QBHOST_HOST_SELECTION_H
// The host's active selection: node names in selection order, with a set of
// the same names so that lookups by name cost the same at any size.
#include <maya/MGlobal.h>

#include <QtCore/QSet>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace qbhost {

class HostSelection
{
public:
    const QStringList& names() const { return names_; }
    bool contains(const QString& name) const { return selected_.contains(name); }
    // Replaces the selection; false when it was already that.
    bool set(const QStringList& names);
    // Applies matches (node names, each once) as the adjustment says;
    // false when the selection did not change.
    bool adjust(const QStringList& matches, MGlobal::ListAdjustment adjustment);

private:
    QStringList names_;
    QSet<QString> selected_;
};

} // namespace qbhost
#endif
