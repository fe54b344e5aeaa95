#include "scene_connections.h"

#include <algorithm>

namespace qbhost {

quint64 SceneConnections::add(NodeId source, const QString& sourcePlug, NodeId destination,
                              const QString& destinationPlug, quint64 serial)
{
    Connection c;
    c.id = nextId_++;
    c.source = source;
    c.sourcePlug = sourcePlug;
    c.destination = destination;
    c.destinationPlug = destinationPlug;
    c.serial = serial;
    connections_.emplace(c.id, c);
    byNode_.insert(source, c.id);
    if (destination != source)
        byNode_.insert(destination, c.id);
    byDestination_.insert(qMakePair(destination, destinationPlug), c.id);
    return c.id;
}

bool SceneConnections::remove(quint64 id)
{
    auto it = connections_.find(id);
    if (it == connections_.end())
        return false;
    const Connection& c = it->second;
    byNode_.remove(c.source, id);
    byNode_.remove(c.destination, id);
    byDestination_.remove(qMakePair(c.destination, c.destinationPlug));
    connections_.erase(it);
    freeHint_.clear();
    return true;
}

const Connection* SceneConnections::get(quint64 id) const
{
    auto it = connections_.find(id);
    return it == connections_.end() ? nullptr : &it->second;
}

const Connection* SceneConnections::into(NodeId destination, const QString& plug) const
{
    return get(byDestination_.value(qMakePair(destination, plug), 0));
}

quint64 SceneConnections::find(NodeId source, const QString& sourcePlug, NodeId destination,
                               const QString& destinationPlug) const
{
    const Connection* c = into(destination, destinationPlug);
    return c && c->source == source && c->sourcePlug == sourcePlug ? c->id : 0;
}

std::vector<const Connection*> SceneConnections::ofNode(NodeId node) const
{
    std::vector<quint64> ids;
    for (auto it = byNode_.constFind(node); it != byNode_.constEnd() && it.key() == node; ++it)
        ids.push_back(it.value());
    std::sort(ids.begin(), ids.end());
    std::vector<const Connection*> out;
    for (quint64 id : ids)
        out.push_back(get(id));
    return out;
}

std::vector<const Connection*> SceneConnections::all() const
{
    std::vector<const Connection*> out;
    out.reserve(connections_.size());
    for (const auto& kv : connections_)
        out.push_back(&kv.second);
    return out;
}

int SceneConnections::removeNode(NodeId node)
{
    const std::vector<const Connection*> list = ofNode(node);
    std::vector<quint64> ids;
    for (const Connection* c : list)
        ids.push_back(c->id);
    for (quint64 id : ids)
        remove(id);
    return static_cast<int>(ids.size());
}

int SceneConnections::nextFreeIndex(NodeId destination, const QString& plug) const
{
    // Everything below the hint is taken (removals forget the hints).
    int& hint = freeHint_[qMakePair(destination, plug)];
    for (int i = hint;; ++i)
        if (!byDestination_.contains(qMakePair(destination, plug + QStringLiteral("[%1]").arg(i))))
            return hint = i;
}

void SceneConnections::clear()
{
    connections_.clear();
    byNode_.clear();
    byDestination_.clear();
    freeHint_.clear();
}

} // namespace qbhost
