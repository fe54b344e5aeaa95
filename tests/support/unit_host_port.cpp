// Programs that run the plug-in's code without loading its module: the host
// port the entry point would install is installed here, before main.
#include "plugin/maya_host_port.h"

namespace {
struct installation {
    maya_host_port port;
    installation() { host_port::install(&port); }
    ~installation() { host_port::install(nullptr); }
} installed;
} // namespace
