#ifndef QBHOST_SCENE_NODES_H
#define QBHOST_SCENE_NODES_H
// The scene's nodes (full names, in creation order) and its namespaces.
#include <maya/MStatus.h>

#include <QtCore/QHash>
#include <QtCore/QSet>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace qbhost {

class SceneNodes
{
public:
    const QStringList& nodes() const { return order_; }
    bool exists(const QString& name) const;
    QString type(const QString& name) const;
    // The scene's own copy of a node's full name, shared rather than copied;
    // name itself when no node has exactly that name.
    QString sharedName(const QString& name) const;
    // Invalid for an empty or taken name, or one ending in a colon.
    MStatus create(const QString& type, const QString& name);
    MStatus remove(const QString& name);
    // See HostSession::matchNodes.
    QStringList match(const QString& pattern) const;

    QStringList namespaces() const;
    QStringList childNamespaces(const QString& parent) const;
    bool namespaceExists(const QString& name) const;
    QStringList explicitNamespaces() const;
    MStatus addNamespace(const QString& name);
    // Fails for a namespace that still holds nodes or namespaces.
    MStatus removeNamespace(const QString& name);
    QString currentNamespace() const { return current_; }
    MStatus setCurrentNamespace(const QString& name);
    bool relativeNames() const { return relativeNames_; }
    void setRelativeNames(bool on) { relativeNames_ = on; }

    // Empties nodes and namespaces, back to the root namespace. Relative
    // names stay as they are: a new scene keeps the mode.
    void clear();

private:
    void rankNamespaces(const QString& name);

    QStringList order_;
    QHash<QString, QString> types_;
    QSet<QString> explicitNamespaces_;
    // When each namespace first came to exist: the host lists them in
    // creation order.
    QHash<QString, quint64> namespaceRank_;
    quint64 nextNamespaceRank_ = 1;
    QString current_ = QStringLiteral(":");
    bool relativeNames_ = false;
};

} // namespace qbhost
#endif
