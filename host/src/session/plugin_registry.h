#ifndef QBHOST_PLUGIN_REGISTRY_H
#define QBHOST_PLUGIN_REGISTRY_H
// The loaded plug-in modules and the commands they registered.
#include <qbhost/host_session.h>
#include "plugin_record.h"

#include <QtCore/QHash>

#include <memory>
#include <vector>

namespace qbhost {

class EventCallbacks;

class PluginRegistry
{
public:
    PluginRegistry(HostSession& session, EventCallbacks& callbacks);

    MStatus load(const QString& path);
    MStatus unload(const QString& nameOrPath);
    // Unloads every plug-in, the latest loaded first.
    void unloadAll();
    QList<PluginInfo> plugins() const;
    bool isLoaded(const QString& nameOrPath) const { return find(nameOrPath) != nullptr; }
    void setSearchPath(const QStringList& folders) { searchPath_ = folders; }
    QStringList searchPath() const { return searchPath_; }

    MStatus registerCommand(void* plugin, const QString& name, HostSession::CommandCreator creator);
    MStatus deregisterCommand(void* plugin, const QString& name);
    bool hasCommand(const QString& name) const { return commands_.contains(name); }
    int commandCount() const { return commands_.size(); }
    QStringList commandNames() const;
    MStatus runCommand(const QString& name, const QList<Argument>& args);

    // Unloads everything and forgets commands and the search path.
    void reset();

private:
    struct CommandRecord {
        QString name;
        HostSession::CommandCreator creator = nullptr;
        void* plugin = nullptr;
    };
    PluginRecord* find(const QString& nameOrPath) const;

    HostSession& session_;
    EventCallbacks& callbacks_;
    std::vector<std::unique_ptr<PluginRecord>> plugins_;
    // Modules whose initializePlugin failed stay mapped: callbacks they
    // installed before failing may still point into them.
    std::vector<std::unique_ptr<QLibrary>> failedModules_;
    QHash<QString, CommandRecord> commands_;
    QStringList searchPath_;
};

} // namespace qbhost
#endif
