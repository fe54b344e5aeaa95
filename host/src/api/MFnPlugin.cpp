#define MNoVersionString
#define MNoPluginEntry
#include <maya/MFnPlugin.h>
#include <qbhost/host_session.h>
#include "host_access.h"
#include "../session/plugin_record.h"

using qbhost::HostSession;

MFnPlugin::MFnPlugin(MObject& object, const char* vendor, const char* version,
                     const char* requiredApiVersion, MStatus* ReturnStatus)
    : plugin_(QbHostAccess::pointer(object))
{
    MStatus st = HostSession::instance().takeFailure(QStringLiteral("MFnPlugin"));
    if (st && !plugin_)
        st = MS::kInvalidParameter;
    if (st) {
        auto* record = static_cast<qbhost::PluginRecord*>(plugin_);
        record->info.vendor = QString::fromUtf8(vendor ? vendor : "");
        record->info.version = QString::fromUtf8(version ? version : "");
        record->info.requiredApiVersion = QString::fromUtf8(requiredApiVersion ? requiredApiVersion : "");
    }
    if (ReturnStatus)
        *ReturnStatus = st;
}

MFnPlugin::~MFnPlugin() = default;

MStatus MFnPlugin::registerCommand(const MString& commandName, MCreatorFunction creatorFunction,
                                   MCreateSyntaxFunction)
{
    HostSession& s = HostSession::instance();
    const QString name = qbhost::toQString(commandName);
    MStatus st = s.takeFailure(QStringLiteral("registerCommand"), name);
    if (!st)
        return st;
    return s.registerCommand(plugin_, name, creatorFunction);
}

MStatus MFnPlugin::deregisterCommand(const MString& commandName)
{
    HostSession& s = HostSession::instance();
    const QString name = qbhost::toQString(commandName);
    MStatus st = s.takeFailure(QStringLiteral("deregisterCommand"), name);
    if (!st)
        return st;
    return s.deregisterCommand(plugin_, name);
}
