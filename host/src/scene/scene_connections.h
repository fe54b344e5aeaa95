#ifndef QBHOST_SCENE_CONNECTIONS_H
#define QBHOST_SCENE_CONNECTIONS_H
// Attribute connections, as connectAttr records them: nothing is evaluated,
// listConnections answers from the record. A destination plug takes one
// connection.
#include "node_record.h"

#include <QtCore/QHash>
#include <QtCore/QMultiHash>
#include <QtCore/QString>

#include <map>
#include <vector>

namespace qbhost {

struct Connection {
    quint64 id = 0;
    NodeId source = 0;
    QString sourcePlug;      // canonical plug key on the source node
    NodeId destination = 0;
    QString destinationPlug;
    bool locked = false;
    quint64 serial = 0;      // when it was made
};

class SceneConnections
{
public:
    quint64 add(NodeId source, const QString& sourcePlug, NodeId destination, const QString& destinationPlug,
                quint64 serial);
    bool remove(quint64 id);
    const Connection* get(quint64 id) const;
    // The connection into a destination plug, if any.
    const Connection* into(NodeId destination, const QString& plug) const;
    quint64 find(NodeId source, const QString& sourcePlug, NodeId destination, const QString& destinationPlug) const;
    // Connections with the node at either end, in the order they were made.
    std::vector<const Connection*> ofNode(NodeId node) const;
    // Every connection in the order made.
    std::vector<const Connection*> all() const;
    // Drops every connection of the node; how many went.
    int removeNode(NodeId node);
    // The lowest index not yet taken on a multi destination "plug[i]".
    int nextFreeIndex(NodeId destination, const QString& plug) const;
    void clear();

private:
    std::map<quint64, Connection> connections_;
    QMultiHash<NodeId, quint64> byNode_;
    QHash<QPair<NodeId, QString>, quint64> byDestination_;
    // Where the search for a free multi index starts: -na on one list of
    // thousands stays linear.
    mutable QHash<QPair<NodeId, QString>, int> freeHint_;
    quint64 nextId_ = 1;
};

} // namespace qbhost
#endif
