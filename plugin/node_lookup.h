#ifndef QB_PLUGIN_NODE_LOOKUP_H
#define QB_PLUGIN_NODE_LOOKUP_H
// A node name looked up in the host, as a selection list takes it: the one
// node it names, or that it names none or several (the host's selection
// list refuses both alike, so several are told apart by matching the name
// as a pattern and keeping the nodes the name itself fits).
#include "document/host_port.h"

#include <maya/MObject.h>

// node: the node found, when one is; the lookup's key is left 0.
node_lookup find_node(const QString& name, MObject* node = nullptr);
// A node's full path ("|a|b"; a dependency node's name) and the host's
// name of it (its shortest unique path).
QString full_path_of(const MObject& node);
QString host_name_of(const MObject& node);
#endif
