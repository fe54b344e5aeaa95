// Built-in commands on the scene file and its information, and on plug-ins.
#include "mel_flags.h"

#include <qbhost/host_session.h>

#include <QtCore/QDir>
#include <QtCore/QFileInfo>

namespace qbhost {
namespace mel {

namespace {

Value fileInfoCommand(CommandCall& call)
{
    Flags flags(call, {{"rm", "remove", true}}, true);
    HostSession& host = call.host();
    const auto& pos = flags.positional();
    if (flags.query()) {
        if (pos.empty()) {
            QStringList all;
            for (const auto& kv : host.fileInfo())
                all << kv.first << kv.second;
            return Value::fromStringArray(all);
        }
        if (pos.size() != 1)
            call.fail(QStringLiteral("fileInfo -query takes one key."));
        // An array either way: one element with the value, or none.
        const QString key = pos.front()->val().toString();
        if (!host.hasFileInfo(key))
            return Value::fromStringArray(QStringList());
        return Value::fromStringArray(QStringList{host.fileInfoValue(key)});
    }
    if (flags.has("remove")) {
        host.removeFileInfo(flags.value("remove").toString());
        return Value();
    }
    if (pos.size() != 2)
        call.fail(QStringLiteral("fileInfo needs a key and a value."));
    const Value& key = pos[0]->val();
    const Value& value = pos[1]->val();
    if (key.isArray() || value.isArray())
        call.fail(QStringLiteral("fileInfo needs a key and a value, not arrays."));
    host.setFileInfo(key.toString(), value.isString() ? value.stringRef() : value.toString());
    return Value();
}

Value fileCommand(CommandCall& call)
{
    Flags flags(call, {{"new", "new", false},
                       {"o", "open", false},
                       {"rn", "rename", true},
                       {"s", "save", false},
                       {"mf", "modified", true},
                       {"sn", "sceneName", false},
                       {"f", "force", false}},
                true);
    HostSession& host = call.host();
    const auto& pos = flags.positional();
    if (flags.query()) {
        if (flags.has("modified"))
            return Value::fromInt(host.isModified() ? 1 : 0);
        if (flags.has("sceneName"))
            return Value::fromString(host.sceneName());
        call.fail(QStringLiteral("file -query needs -modified or -sceneName."));
    }
    Value result;
    // The host will not drop unsaved changes unless told to.
    if ((flags.has("new") || flags.has("open")) && host.isModified() && !flags.has("force"))
        call.fail(QStringLiteral("Unsaved changes"));
    if (flags.has("new")) {
        host.newScene();
    } else if (flags.has("open")) {
        if (pos.size() != 1)
            call.fail(QStringLiteral("file -open needs one file name."));
        const QString path = pos.front()->val().toString();
        const QFileInfo info(path);
        if (!info.isFile() || !info.isReadable())
            call.fail(QStringLiteral("File not found: \"%1\".").arg(path));
        const int errorsBefore = host.errors().size();
        if (!host.openScene(path))
            call.failHost(errorsBefore, QStringLiteral("Error reading file \"%1\".").arg(path));
        result = Value::fromString(path);
    }
    if (flags.has("rename")) {
        const QString path = flags.value("rename").toString();
        if (path.isEmpty())
            call.fail(QStringLiteral("file -rename needs a file name."));
        host.setSceneName(path);
        result = Value::fromString(path);
    }
    if (flags.has("save")) {
        if (host.sceneName().isEmpty())
            call.fail(QStringLiteral("The scene has no name yet: give it one with file -rename."));
        const int errorsBefore = host.errors().size();
        if (!host.saveScene())
            call.failHost(errorsBefore, QStringLiteral("Cannot save the scene to \"%1\".").arg(host.sceneName()));
        result = Value::fromString(host.sceneName());
    }
    if (flags.has("modified"))
        host.setModified(flags.value("modified").toInt() != 0);
    return result;
}

// A plug-in given by name is looked for in the plug-in search path, with or
// without its ".so".
QString findPlugin(HostSession& host, const QString& given)
{
    if (given.contains(QLatin1Char('/')) || QFileInfo(given).isAbsolute())
        return given;
    for (const QString& dir : host.pluginSearchPath()) {
        QStringList candidates{QDir(dir).filePath(given)};
        if (!given.endsWith(QLatin1String(".so")))
            candidates << QDir(dir).filePath(given + QLatin1String(".so"));
        for (const QString& c : candidates)
            if (QFileInfo(c).isFile())
                return c;
    }
    return QString();
}

Value loadPluginCommand(CommandCall& call)
{
    Flags flags(call, {});
    const QStringList names = flags.positionalNames();
    if (names.isEmpty())
        call.fail(QStringLiteral("loadPlugin needs a plug-in name or path."));
    HostSession& host = call.host();
    QStringList loaded;
    for (const QString& given : names) {
        const QString path = findPlugin(host, given);
        if (path.isEmpty())
            call.fail(QStringLiteral("Plug-in, \"%1\", was not found on the plug-in search path.").arg(given));
        const int errorsBefore = host.errors().size();
        if (!host.loadPlugin(path))
            call.failHost(errorsBefore, QStringLiteral("Cannot load the plug-in \"%1\".").arg(path));
        loaded << QFileInfo(path).completeBaseName();
    }
    return Value::fromStringArray(loaded);
}

Value unloadPluginCommand(CommandCall& call)
{
    Flags flags(call, {});
    const QStringList names = flags.positionalNames();
    if (names.isEmpty())
        call.fail(QStringLiteral("unloadPlugin needs a plug-in name or path."));
    HostSession& host = call.host();
    QStringList unloaded;
    for (QString given : names) {
        if (!given.contains(QLatin1Char('/')) && given.endsWith(QLatin1String(".so")))
            given.chop(3);
        const int errorsBefore = host.errors().size();
        if (!host.unloadPlugin(given))
            call.failHost(errorsBefore, QStringLiteral("Cannot unload the plug-in \"%1\".").arg(given));
        unloaded << QFileInfo(given).completeBaseName();
    }
    return Value::fromStringArray(unloaded);
}

} // namespace

void addFileCommands(BuiltinTable& table)
{
    table.insert(QStringLiteral("fileInfo"), fileInfoCommand);
    table.insert(QStringLiteral("file"), fileCommand);
    table.insert(QStringLiteral("loadPlugin"), loadPluginCommand);
    table.insert(QStringLiteral("unloadPlugin"), unloadPluginCommand);
}

} // namespace mel
} // namespace qbhost
