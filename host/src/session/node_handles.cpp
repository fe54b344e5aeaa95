#include "node_handles.h"

namespace qbhost {

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
