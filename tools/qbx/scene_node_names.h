#ifndef QB_TOOLS_QBX_SCENE_NODE_NAMES_H
#define QB_TOOLS_QBX_SCENE_NODE_NAMES_H
// Node names resolved against a scene the stand-in host read, without a
// window: the host's own matching, as a selection list would take a name.
#include "model/node_names.h"

namespace qbx {

class scene_node_names : public node_names
{
public:
    quint64 generation() const override { return 1; }
    QString host_name(const QString& name, node_health* health) override;
};

} // namespace qbx
#endif
