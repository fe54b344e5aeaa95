#include "plugin_registry.h"
#include "event_callbacks.h"

#include "../api/host_access.h"

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>
#include <QtCore/QFileInfo>

#include <algorithm>

namespace qbhost {

PluginRegistry::PluginRegistry(HostSession& session, EventCallbacks& callbacks)
    : session_(session), callbacks_(callbacks)
{
}

PluginRecord* PluginRegistry::find(const QString& nameOrPath) const
{
    for (const auto& p : plugins_) {
        if (p->info.name == nameOrPath || p->info.path == nameOrPath
            || QFileInfo(p->info.path).absoluteFilePath() == QFileInfo(nameOrPath).absoluteFilePath())
            return p.get();
    }
    return nullptr;
}

MStatus PluginRegistry::load(const QString& path)
{
    const QString name = QFileInfo(path).completeBaseName();
    if (find(path) || find(name)) {
        session_.logWarning(QStringLiteral("Plug-in %1 is already loaded.").arg(name));
        return MS::kSuccess;
    }
    auto record = std::make_unique<PluginRecord>();
    record->info.name = name;
    record->info.path = path;
    record->library.reset(new QLibrary(path));
    if (!record->library->load()) {
        session_.logError(QStringLiteral("Unable to dynamically load : %1\n%2")
                              .arg(path, record->library->errorString()));
        return MS::kFailure;
    }
    // C++ linkage, as the devkit declares the entry points.
    record->initialize = reinterpret_cast<PluginRecord::Entry>(
        record->library->resolve("_Z16initializePlugin7MObject"));
    record->uninitialize = reinterpret_cast<PluginRecord::Entry>(
        record->library->resolve("_Z18uninitializePlugin7MObject"));
    if (!record->initialize || !record->uninitialize) {
        session_.logError(QStringLiteral("Unable to find the plug-in entry points in %1").arg(path));
        record->library->unload();
        return MS::kFailure;
    }
    PluginRecord* raw = record.get();
    plugins_.push_back(std::move(record));
    MObject object;
    QbHostAccess::setPointer(object, raw);
    MStatus st = raw->initialize(object);
    if (!st) {
        session_.logError(QStringLiteral("initializePlugin function failed (%1)").arg(name));
        auto it = std::find_if(plugins_.begin(), plugins_.end(),
                               [raw](const std::unique_ptr<PluginRecord>& p) { return p.get() == raw; });
        failedModules_.push_back(std::move((*it)->library));
        plugins_.erase(it);
        emit session_.pluginsChanged();
        return st;
    }
    raw->loaded = true;
    emit session_.pluginsChanged();
    return MS::kSuccess;
}

MStatus PluginRegistry::unload(const QString& nameOrPath)
{
    PluginRecord* record = find(nameOrPath);
    if (!record) {
        session_.logError(QStringLiteral("Plug-in %1 is not loaded.").arg(nameOrPath));
        return MS::kNotFound;
    }
    MObject object;
    QbHostAccess::setPointer(object, record);
    MStatus st = record->uninitialize(object);
    if (!st) {
        session_.logError(QStringLiteral("uninitializePlugin function failed (%1)").arg(record->info.name));
        return st;
    }
    // Whatever the module left behind must not outlive its code.
    for (auto it = commands_.begin(); it != commands_.end();) {
        if (it->plugin == record) {
            session_.logWarning(
                QStringLiteral("Command %1 was left registered by %2.").arg(it->name, record->info.name));
            it = commands_.erase(it);
        } else {
            ++it;
        }
    }
    for (const QString& event : callbacks_.removeInModule(record->library->fileName()))
        session_.logWarning(
            QStringLiteral("A %1 callback was left installed by %2.").arg(event, record->info.name));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    record->library->unload();
    auto it = std::find_if(plugins_.begin(), plugins_.end(),
                           [record](const std::unique_ptr<PluginRecord>& p) { return p.get() == record; });
    plugins_.erase(it);
    emit session_.pluginsChanged();
    return MS::kSuccess;
}

void PluginRegistry::unloadAll()
{
    for (int i = static_cast<int>(plugins_.size()) - 1; i >= 0; --i)
        unload(plugins_[static_cast<size_t>(i)]->info.path);
}

QList<PluginInfo> PluginRegistry::plugins() const
{
    QList<PluginInfo> out;
    for (const auto& p : plugins_) {
        PluginInfo info = p->info;
        info.commands.clear();
        for (const CommandRecord& c : commands_)
            if (c.plugin == p.get())
                info.commands << c.name;
        out << info;
    }
    return out;
}

MStatus PluginRegistry::registerCommand(void* plugin, const QString& name, HostSession::CommandCreator creator)
{
    if (name.isEmpty() || !creator || commands_.contains(name))
        return MS::kFailure;
    CommandRecord rec;
    rec.name = name;
    rec.creator = creator;
    rec.plugin = plugin;
    commands_.insert(name, rec);
    return MS::kSuccess;
}

MStatus PluginRegistry::deregisterCommand(void* plugin, const QString& name)
{
    auto it = commands_.find(name);
    if (it == commands_.end() || it->plugin != plugin)
        return MS::kFailure;
    commands_.erase(it);
    return MS::kSuccess;
}

QStringList PluginRegistry::commandNames() const
{
    QStringList names = commands_.keys();
    names.sort();
    return names;
}

MStatus PluginRegistry::runCommand(const QString& name, const QList<Argument>& args)
{
    auto it = commands_.constFind(name);
    if (it == commands_.constEnd()) {
        session_.logError(QStringLiteral("Cannot find procedure \"%1\".").arg(name));
        return MS::kNotFound;
    }
    MArgList list = makeArgList(args);
    MPxCommand* command = static_cast<MPxCommand*>(it->creator());
    if (!command)
        return MS::kFailure;
    MStatus st = command->doIt(list);
    delete command;
    return st;
}

void PluginRegistry::reset()
{
    unloadAll();
    plugins_.clear();
    commands_.clear();
    searchPath_.clear();
}

} // namespace qbhost
