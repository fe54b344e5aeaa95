#ifndef QBHOST_SCENE_NAMESPACES_H
#define QBHOST_SCENE_NAMESPACES_H
// The scene's namespaces: those added on their own and those implied by node
// names (counted, so that a lookup costs the same at any scene size), the
// current namespace and the relative-name mode.
#include <maya/MStatus.h>

#include <QtCore/QHash>
#include <QtCore/QSet>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace qbhost {

class SceneNamespaces
{
public:
    QStringList namespaces() const;
    QStringList childNamespaces(const QString& parent) const;
    bool exists(const QString& name) const;
    QStringList explicitNamespaces() const;
    MStatus add(const QString& name);
    // Fails for a namespace that still holds nodes or namespaces.
    MStatus remove(const QString& name);
    QString current() const { return current_; }
    MStatus setCurrent(const QString& name);
    bool relativeNames() const { return relativeNames_; }
    void setRelativeNames(bool on) { relativeNames_ = on; }

    // A node name came (delta 1) or went (-1): the namespaces it implies.
    void noteNodeName(const QString& name, int delta);
    // Empties everything but the relative-name mode.
    void clear();

private:
    void rank(const QString& name);

    QSet<QString> explicit_;
    QHash<QString, int> implied_;       // namespace -> node names below it
    QHash<QString, quint64> rank_;      // when each came to exist
    quint64 nextRank_ = 1;
    QString current_ = QStringLiteral(":");
    bool relativeNames_ = false;
};

} // namespace qbhost
#endif
