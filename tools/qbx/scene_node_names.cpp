#include "scene_node_names.h"

#include <qbhost/host_session.h>

namespace qbx {

QString scene_node_names::host_name(const QString& name, node_health* health)
{
    bool ambiguous = false;
    const QStringList found = qbhost::HostSession::instance().matchNodes(name, &ambiguous);
    *health = found.isEmpty() ? kNodeMissing : ambiguous ? kNodeAmbiguous : kNodeFound;
    // A pattern stands for what it matches; an exact name for its node.
    return found.size() == 1 ? found.first() : name;
}

} // namespace qbx
