#include "scene_ops.h"
#include "../scene/node_types.h"

#include <maya/MSceneMessage.h>

#include <QtCore/QSet>

namespace qbhost {
namespace sceneops {

void edited(HostSession& host)
{
    SessionAccess::edit(host, MS::kSuccess);
}

void sceneMessage(HostSession& host, int message)
{
    SessionAccess::data(host).callbacks.raiseScene(message);
}

namespace {
using Message = EventCallbacks::Message;

void nodeMessage(HostSession& host, Message message, NodeId id)
{
    SessionData& d = SessionAccess::data(host);
    if (!d.callbacks.listens(message))
        return;
    if (const NodeRecord* n = d.scene.graph.node(id))
        d.callbacks.raiseNode(message, id, n->type, n->dag);
}
} // namespace

void nodesRemoved(HostSession& host, const std::vector<NodeId>& childrenFirst)
{
    // While the nodes are still there, as the host tells of them.
    for (NodeId id : childrenFirst)
        nodeMessage(host, Message::NodeRemoved, id);
}

QString nameOf(const HostSession& host, NodeId id)
{
    return SessionAccess::data(host).scene.graph.shortestPath(id);
}

bool validNodeName(const QString& name)
{
    if (name.isEmpty() || name.endsWith(QLatin1Char(':')))
        return false;
    for (QChar c : name)
        if (c == QLatin1Char('|') || c == QLatin1Char('.') || c == QChar(0))
            return false;
    return true;
}

NodeId create(HostSession& host, const QString& type, const QString& name, NodeId parent, bool numbered)
{
    SessionData& d = SessionAccess::data(host);
    const bool dag = parent != 0 || NodeTypes::instance().info(type).dag;
    const NodeId id = numbered ? d.scene.graph.createUnique(type, name, parent, dag)
                               : d.scene.graph.create(type, name, parent, dag);
    if (d.reading && d.reading->reference)
        d.scene.graph.node(id)->reference = d.reading->reference;
    edited(host);
    nodeMessage(host, Message::NodeAdded, id);
    return id;
}

QString whyFixed(const HostSession& host, NodeId id, const char* action)
{
    const SessionData& d = SessionAccess::data(host);
    const NodeRecord* n = d.scene.graph.node(id);
    const QString name = nameOf(host, id);
    const QString verb = QLatin1String(action);
    if (n->locked)
        return QStringLiteral("Cannot %1 the locked node '%2'.").arg(verb, name);
    if (n->reference && !d.reading)
        return QStringLiteral("Cannot %1 '%2': it comes from a referenced file.").arg(verb, name);
    if (n->isDefault)
        return QStringLiteral("Cannot %1 '%2': it is a default node.").arg(verb, name);
    return QString();
}

bool remove(HostSession& host, const std::vector<NodeId>& ids, QString* error)
{
    SessionData& d = SessionAccess::data(host);
    SceneGraph& g = d.scene.graph;
    std::vector<NodeId> all;
    QSet<NodeId> seen;
    for (NodeId id : ids) {
        for (NodeId n : g.subtree(id)) {
            if (seen.contains(n))
                continue;
            seen.insert(n);
            all.push_back(n);
            QString why = whyFixed(host, n, "delete");
            if (why.isEmpty() && !d.reading) {
                for (const ReferenceRecord* r : d.scene.references.all())
                    if (r->node == n)
                        why = QStringLiteral("Cannot delete the reference node '%1': remove its reference with file -removeReference.")
                                  .arg(nameOf(host, n));
            }
            if (!why.isEmpty()) {
                *error = why;
                return false;
            }
        }
    }
    // Children before parents, so that none is left without one.
    nodesRemoved(host, std::vector<NodeId>(all.rbegin(), all.rend()));
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (!g.node(*it))
            continue; // a callback deleted it meanwhile
        d.scene.connections.removeNode(*it);
        g.remove(*it);
    }
    if (d.selection.removeAll(seen)) {
        d.selectionNamesValid = false;
        emit host.selectionChanged();
        host.raiseEvent(QStringLiteral("SelectionChanged"));
    }
    edited(host);
    return true;
}

bool rename(HostSession& host, NodeId id, const QString& wanted, QString* newName, QString* error)
{
    SessionData& d = SessionAccess::data(host);
    SceneGraph& g = d.scene.graph;
    NodeRecord* n = g.node(id);
    const QString why = whyFixed(host, id, "rename");
    if (!why.isEmpty()) {
        *error = why;
        return false;
    }
    if (!validNodeName(wanted)) {
        *error = QStringLiteral("New name has no legal characters: \"%1\".").arg(wanted);
        return false;
    }
    QString name = wanted;
    if (name != n->name && !g.nameFree(name, n->parent, n->dag, id))
        name = g.uniqueName(name, n->parent, n->dag);
    const QString previous = n->name;
    g.rename(id, name);
    *newName = name;
    d.selectionNamesValid = false;
    edited(host);
    if (name != previous)
        d.callbacks.raiseName(id, previous);
    return true;
}

bool reparent(HostSession& host, NodeId id, NodeId parent, QString* error)
{
    SessionData& d = SessionAccess::data(host);
    SceneGraph& g = d.scene.graph;
    NodeRecord* n = g.node(id);
    QString why = whyFixed(host, id, "move");
    const NodeRecord* p = g.node(parent);
    if (why.isEmpty() && !n->dag)
        why = QStringLiteral("'%1' is not a DAG node: it has no parent.").arg(nameOf(host, id));
    else if (why.isEmpty() && p && !p->dag)
        why = QStringLiteral("'%1' is not a DAG node: nothing goes below it.").arg(nameOf(host, parent));
    else if (why.isEmpty() && (parent == id || g.isAncestor(id, parent)))
        why = QStringLiteral("Cannot parent '%1' below itself.").arg(nameOf(host, id));
    if (!why.isEmpty()) {
        *error = why;
        return false;
    }
    if (n->parent == parent)
        return true;
    const NodeId oldParent = n->parent;
    d.callbacks.raiseParent(Message::ParentRemoved, id, oldParent);
    n = g.node(id);
    if (!n || (parent && !g.node(parent)) || n->parent != oldParent)
        return true; // a callback changed the scene under the move
    // A name taken among the new siblings is numbered, as the host does.
    const QString previous = n->name;
    if (!g.nameFree(n->name, parent, true, id))
        g.rename(id, g.uniqueName(n->name, parent, true));
    g.reparent(id, parent);
    d.selectionNamesValid = false;
    edited(host);
    if (g.node(id)->name != previous)
        d.callbacks.raiseName(id, previous);
    d.callbacks.raiseParent(Message::ParentAdded, id, parent);
    return true;
}

} // namespace sceneops
} // namespace qbhost
