#include "node_handles.h"

namespace qbhost {

void* NodeHandles::handle(NodeId id)
{
    auto it = byId_.find(id);
    if (it != byId_.end())
        return it->second.get();
    NodeId* h = new NodeId(id);
    byId_.emplace(id, std::unique_ptr<NodeId>(h));
    byHandle_.emplace(h, id);
    return h;
}

NodeId NodeHandles::nodeOf(const void* handle) const
{
    auto it = byHandle_.find(handle);
    return it == byHandle_.end() ? 0 : it->second;
}

const void* NodeHandles::intern(const QString& attribute)
{
    auto it = names_.find(attribute);
    if (it == names_.end())
        it = names_.insert(attribute, std::make_shared<QString>(attribute));
    return it.value().get();
}

QString NodeHandles::text(const void* interned)
{
    return interned ? *static_cast<const QString*>(interned) : QString();
}

} // namespace qbhost
