#ifndef QBHOST_SCENE_GRAPH_H
#define QBHOST_SCENE_GRAPH_H
// The scene's nodes: records with stable ids in creation order, the DAG
// hierarchy, names as the host keeps them (unique among siblings; a
// dependency node's name unique in the scene) and the host's ways of naming
// a node: its own name, its full path "|a|b", partial paths "a|b" and the
// shortest unique path that `ls` gives. Also the one change counter every
// change of the scene takes a serial from.
#include "node_record.h"
#include "scene_namespaces.h"
#include "string_hash.h"

#include <QtCore/QHash>
#include <QtCore/QRegularExpression>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

#include <memory>
#include <unordered_map>
#include <vector>

namespace qbhost {

class SceneGraph
{
public:
    SceneGraph();
    ~SceneGraph();

    // ---- nodes ----
    const NodeRecord* node(NodeId id) const;
    NodeRecord* node(NodeId id);
    // Every node in creation order.
    std::vector<NodeId> ids() const;
    int count() const { return count_; }
    const std::vector<NodeId>& worldChildren() const { return world_; }

    // A node named name under parent (0: the world). name must be free there
    // (see nameFree); a DAG parent is required to be a DAG node.
    NodeId create(const QString& type, const QString& name, NodeId parent, bool dag);
    // A node named wanted, or numbered when that is taken (see uniqueName),
    // looking the name up once.
    NodeId createUnique(const QString& type, const QString& wanted, NodeId parent, bool dag);
    // Removes the node alone: the caller removes its descendants first.
    void remove(NodeId id);
    void rename(NodeId id, const QString& name);
    // Moves a DAG node under parent (0: the world). The caller has checked
    // that parent is not the node or below it, and that the name is free.
    void reparent(NodeId id, NodeId parent);
    // Whether a node called name may be made under parent (or moved there).
    bool nameFree(const QString& name, NodeId parent, bool dag, NodeId except = 0) const;
    // name, or name with a number ("arm_ctrl1", "pCube2") free under parent.
    QString uniqueName(const QString& name, NodeId parent, bool dag) const;
    // The node and every DAG node below it, parents before children.
    std::vector<NodeId> subtree(NodeId id) const;
    bool isAncestor(NodeId ancestor, NodeId id) const;

    // ---- names ----
    QString fullPath(NodeId id) const;     // "|a|b" for DAG nodes, the name otherwise
    QString shortestPath(NodeId id) const; // as `ls` names it
    // Nodes matching an exact name or path ("arm", "hero:arm", "grp|arm",
    // "|grp|arm"), in creation order. A leading ':' on an element names the
    // root namespace.
    std::vector<NodeId> findExact(const QString& path) const;
    // Nodes matching a name or path that may hold '*' and '?', which stay
    // within one namespace level and one path element.
    std::vector<NodeId> match(const QString& pattern) const;
    static bool hasWildcard(const QString& pattern);
    // Changes whenever a node's shortest unique path may have changed.
    quint64 namesGeneration() const { return namesGeneration_; }

    // ---- change counter ----
    quint64 nextSerial() { return ++serial_; }
    quint64 serial() const { return serial_; }

    // ---- attributes: the one place where a plug changes ----
    PlugState& setPlug(NodeId id, const QString& key);

    SceneNamespaces& namespaces() { return namespaces_; }
    const SceneNamespaces& namespaces() const { return namespaces_; }

    // Room for about count more nodes, so that tables are not grown again
    // and again while a large file is read.
    void reserve(int count);
    // Empties the scene. Ids go on from where they were.
    void clear();

private:
    struct Element {
        QString name;
        bool wildcard = false;
        std::shared_ptr<QRegularExpression> re; // for a wildcard only
    };
    static std::vector<Element> splitPath(const QString& path, bool* absolute);
    bool matchesChain(const NodeRecord& n, const std::vector<Element>& elements, bool absolute) const;
    bool elementMatches(const Element& e, const QString& name) const;
    int countMatches(const QStringList& chain, const QString& name) const;
    void unlinkFromParent(NodeRecord& n);
    NodeId createIn(QVector<NodeId>& sameName, const QString& type, const QString& name, NodeId parent, bool dag);
    void noteName(const QString& name, NodeId id, int delta);

    std::vector<std::unique_ptr<NodeRecord>> slots_;
    NodeId base_ = 1; // the id of slots_[0]
    int count_ = 0;
    std::vector<NodeId> world_; // DAG nodes at the top, in order
    // Nodes by their own name, for every statement that names one.
    std::unordered_map<QString, QVector<NodeId>, NameHash> byName_;
    QVector<NodeId> namesakes(const QString& name) const;
    SceneNamespaces namespaces_;
    quint64 serial_ = 0;
    quint64 namesGeneration_ = 1;
    mutable QHash<NodeId, QString> shortestCache_;
    // Where numbering a taken name goes on from (see uniqueName).
    struct NumberHint {
        quint64 freed;
        qlonglong from, next; // numbers from..next-1 were taken
    };
    mutable QHash<QString, NumberHint> numberHints_;
    quint64 freedGeneration_ = 0;
    mutable quint64 shortestCacheGeneration_ = 0;
};

} // namespace qbhost
#endif
