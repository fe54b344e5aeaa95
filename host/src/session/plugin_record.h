#ifndef QBHOST_PLUGIN_RECORD_H
#define QBHOST_PLUGIN_RECORD_H
#include <qbhost/host_session.h>
#include <maya/MObject.h>
#include <QtCore/QLibrary>
#include <memory>

namespace qbhost {

// What the host keeps of one plug-in module; MObject handles point at it.
struct PluginRecord {
    PluginInfo info;
    std::unique_ptr<QLibrary> library;
    using Entry = MStatus (*)(MObject);
    Entry initialize = nullptr;
    Entry uninitialize = nullptr;
    bool loaded = false;
};

} // namespace qbhost
#endif
