// Programs that run the plug-in's code without loading its module: the host
// port the entry point would install is installed here, before main. Their
// pickers name nodes the test never made: a name the host has no node for
// stands for itself here, so that their buttons draw and light as named
// (tests of missing nodes install a maya_host_port of their own).
#include "plugin/maya_host_port.h"

namespace {
struct unit_host_port : maya_host_port {
    node_lookup lookup_node(const QString& name) override
    {
        node_lookup found = maya_host_port::lookup_node(name);
        if (found.health == kNodeMissing) {
            found.health = kNodeFound;
            found.path = name;
        }
        return found;
    }
};

struct installation {
    unit_host_port port;
    installation() { host_port::install(&port); }
    ~installation() { host_port::install(nullptr); }
} installed;
} // namespace
