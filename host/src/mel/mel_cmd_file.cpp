// Built-in commands on the scene file and its information, and on plug-ins.
#include <maya/MSceneMessage.h>
#include "mel_flags.h"
#include "mel_scene_names.h"

#include "../session/scene_ops.h"
#include "../session/scene_reader.h"

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
    SessionData& d = sessionOf(call);
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
    const QString text = value.isString() ? value.stringRef() : value.toString();
    // A referenced file's information stays with its reference.
    if (d.reading && d.reading->reference) {
        if (ReferenceRecord* r = d.scene.references.get(d.reading->reference))
            r->fileInfo.append(qMakePair(key.toString(), text));
        return Value();
    }
    host.setFileInfo(key.toString(), text);
    claim(d, StatementKind::FileInfo, 0, key.toString());
    return Value();
}

// A namespace free for a new reference: "hero", else "hero1", "hero2"...
QString freeNamespace(const HostSession& host, const QString& wanted)
{
    if (!host.namespaceExists(wanted))
        return wanted;
    for (int n = 1;; ++n)
        if (!host.namespaceExists(wanted + QString::number(n)))
            return wanted + QString::number(n);
}

Value referenceFile(CommandCall& call, const Flags& flags, const QString& path)
{
    HostSession& host = call.host();
    SessionData& d = sessionOf(call);
    QString ns = flags.value("namespace").toString();
    while (ns.startsWith(QLatin1Char(':')))
        ns.remove(0, 1);
    const QString prefix = flags.value("renamingPrefix").toString();
    const QString base = QFileInfo(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'))).completeBaseName();
    if (ns.isEmpty() && prefix.isEmpty())
        ns = base;
    if (d.reading && !d.reading->prefix.isEmpty() && !ns.isEmpty())
        ns = d.reading->prefix + QLatin1Char(':') + ns; // nested in the reference being read
    else if (!d.reading && !ns.isEmpty())
        ns = freeNamespace(host, ns);
    QString node = flags.has("referenceNode") ? qualified(d, flags.value("referenceNode").toString())
                                              : (ns.isEmpty() ? prefix : ns) + QStringLiteral("RN");
    if (node.startsWith(QLatin1Char(':')))
        node.remove(0, 1);
    if (!sceneops::validNodeName(node))
        call.fail(QStringLiteral("Invalid reference node name \"%1\".").arg(node));
    ReferenceRecord& r = d.scene.references.add();
    const int id = r.id;
    r.file = path;
    r.ns = ns;
    r.prefix = ns.isEmpty() ? prefix : QString();
    r.type = flags.value("type").toString();
    r.options = flags.value("options").toString();
    r.parent = d.reading ? d.reading->reference : 0;
    r.deferred = flags.boolean("deferReference", false);
    if (d.referenceDeferred.contains(node))
        r.deferred = d.referenceDeferred.value(node);
    if (!ns.isEmpty() && !host.namespaceExists(ns))
        d.scene.graph.namespaces().add(ns);
    // The reference node: made by the reference, reused by the file's own
    // createNode of it.
    NodeId refNode = 0;
    for (NodeId other : d.scene.graph.findExact(node))
        if (d.scene.graph.node(other)->type == QLatin1String("reference"))
            refNode = other;
    if (!refNode)
        refNode = sceneops::create(host, QStringLiteral("reference"),
                                   d.scene.graph.uniqueName(node, 0, false), 0);
    r.node = refNode;
    r.referenceNode = d.scene.graph.node(refNode)->name;
    r.serial = d.scene.graph.nextSerial();
    claim(d, StatementKind::Reference, 0, QString(), quint64(id));
    if (!r.deferred)
        scenereader::loadReference(host, id);
    sceneops::edited(host);
    sceneops::sceneMessage(host, MSceneMessage::kAfterCreateReference);
    return Value::fromString(path);
}

ReferenceRecord* requireReference(CommandCall& call, const QString& given)
{
    SessionData& d = sessionOf(call);
    ReferenceRecord* r = d.scene.references.byNode(given);
    if (!r)
        for (const ReferenceRecord* x : d.scene.references.all())
            if (x->file == given || x->resolved == given)
                r = d.scene.references.get(x->id);
    if (!r)
        call.fail(QStringLiteral("\"%1\" is neither a reference node nor a referenced file.").arg(given));
    return r;
}

Value fileCommand(CommandCall& call)
{
    Flags flags(call, {{"new", "new", false},
                       {"o", "open", false},
                       {"rn", "rename", true},
                       {"s", "save", false},
                       {"mf", "modified", true},
                       {"sn", "sceneName", false},
                       {"f", "force", false},
                       {"r", "reference", false},
                       {"rdi", "referenceDepthInfo", true},
                       {"ns", "namespace", true},
                       {"rfn", "referenceNode", true},
                       {"typ", "type", true},
                       {"op", "options", true},
                       {"dr", "deferReference", true},
                       {"rpr", "renamingPrefix", true},
                       {"i", "import", false},
                       {"lr", "loadReference", true},
                       {"ur", "unloadReference", true},
                       {"rr", "removeReference", false},
                       {"lrd", "loadReferenceDepth", true},
                       {"pmt", "prompt", true},
                       {"iv", "ignoreVersion", false},
                       {"gl", "groupLocator", false},
                       {"mnc", "mergeNamespacesOnClash", true},
                       {"pr", "preserveReferences", false}},
                true);
    HostSession& host = call.host();
    SessionData& d = sessionOf(call);
    const auto& pos = flags.positional();
    if (flags.query()) {
        if (flags.has("modified"))
            return Value::fromInt(host.isModified() ? 1 : 0);
        if (flags.has("sceneName"))
            return Value::fromString(host.sceneName());
        if (flags.has("reference")) {
            QStringList out;
            for (const ReferenceRecord* r : d.scene.references.all())
                if (r->parent == 0)
                    out << (r->resolved.isEmpty() ? r->file : r->resolved);
            return Value::fromStringArray(out);
        }
        call.fail(QStringLiteral("file -query needs -modified, -sceneName or -reference."));
    }
    const QString path = pos.size() == 1 ? pos.front()->val().toString() : QString();
    if (flags.has("referenceDepthInfo")) {
        // A file's loading state of its references, nested ones included.
        const QString node = qualified(d, flags.value("referenceNode").toString());
        // The scene's own word wins over what a referenced file says of its
        // references: the first read is kept.
        const QString key = node.startsWith(QLatin1Char(':')) ? node.mid(1) : node;
        if (!key.isEmpty() && !d.referenceDeferred.contains(key))
            d.referenceDeferred.insert(key, flags.boolean("deferReference", false));
        claim(d, StatementKind::ReferenceDepth, 0);
        return Value();
    }
    if (flags.has("reference")) {
        if (pos.size() != 1)
            call.fail(QStringLiteral("file -reference needs one file name."));
        return referenceFile(call, flags, path);
    }
    if (flags.has("import")) {
        if (pos.size() != 1)
            call.fail(QStringLiteral("file -import needs one file name."));
        const int errorsBefore = host.errors().size();
        if (!host.importScene(path, qualified(d, flags.value("namespace").toString())))
            call.failHost(errorsBefore, QStringLiteral("Error reading file \"%1\".").arg(path));
        return Value::fromString(path);
    }
    if (flags.has("loadReference")) {
        ReferenceRecord* r = requireReference(call, flags.value("loadReference").toString());
        const int id = r->id;
        if (!path.isEmpty())
            r->file = path;
        if (r->loaded)
            scenereader::unloadReference(host, id);
        scenereader::loadReference(host, id);
        return Value::fromString(d.scene.references.get(id)->file);
    }
    if (flags.has("unloadReference")) {
        ReferenceRecord* r = requireReference(call, flags.value("unloadReference").toString());
        scenereader::unloadReference(host, r->id);
        return Value::fromString(r->file);
    }
    if (flags.has("removeReference")) {
        if (pos.size() != 1)
            call.fail(QStringLiteral("file -removeReference needs the referenced file or reference node."));
        ReferenceRecord* r = requireReference(call, path);
        const int id = r->id;
        const NodeId node = r->node;
        const QString ns = r->ns;
        sceneops::sceneMessage(host, MSceneMessage::kBeforeRemoveReference);
        if (!d.scene.references.get(id))
            return Value();
        scenereader::unloadReference(host, id);
        d.scene.references.remove(id);
        if (d.scene.graph.node(node))
            sceneops::nodesRemoved(host, {node});
        if (d.scene.graph.node(node)) {
            d.scene.connections.removeNode(node);
            d.scene.graph.remove(node);
        }
        if (!ns.isEmpty())
            d.scene.graph.namespaces().remove(ns);
        sceneops::edited(host);
        sceneops::sceneMessage(host, MSceneMessage::kAfterRemoveReference);
        return Value();
    }
    Value result;
    if ((flags.has("new") || flags.has("open")) && d.reading)
        call.fail(QStringLiteral("Cannot make a new scene or open one while \"%1\" is being read.").arg(d.reading->path));
    // The host will not drop unsaved changes unless told to.
    if ((flags.has("new") || flags.has("open")) && host.isModified() && !flags.has("force"))
        call.fail(QStringLiteral("Unsaved changes"));
    if (flags.has("new")) {
        host.newScene();
    } else if (flags.has("open")) {
        if (pos.size() != 1)
            call.fail(QStringLiteral("file -open needs one file name."));
        const QFileInfo info(path);
        if (!info.isFile() || !info.isReadable())
            call.fail(QStringLiteral("File not found: \"%1\".").arg(path));
        const int errorsBefore = host.errors().size();
        if (flags.value("loadReferenceDepth").toString() == QLatin1String("none"))
            d.referenceDeferred.clear(); // filled again by the file; none loads
        if (!host.openScene(path))
            call.failHost(errorsBefore, QStringLiteral("Error reading file \"%1\".").arg(path));
        result = Value::fromString(path);
    }
    if (flags.has("rename")) {
        const QString name = flags.value("rename").toString();
        if (name.isEmpty())
            call.fail(QStringLiteral("file -rename needs a file name."));
        host.setSceneName(name);
        result = Value::fromString(name);
    }
    if (flags.has("save")) {
        if (host.sceneName().isEmpty())
            call.fail(QStringLiteral("The scene has no name yet: give it one with file -rename."));
        const int errorsBefore = host.errors().size();
        // Asked for by type, a scene made here is written as Maya writes it.
        if (flags.value("type").toString() == QLatin1String("mayaAscii"))
            d.scene.document.format = SceneDocument::Format::MayaAscii;
        if (!host.saveScene(QString(), flags.has("force")))
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

// requires "product" "version": the host's own version is noted; a plug-in
// is loaded when it can be found, else the file is read on with a warning.
Value requiresCommand(CommandCall& call)
{
    Flags flags(call, {{"nt", "nodeType", true}, {"dt", "dataType", true}});
    const QStringList args = flags.positionalNames();
    if (args.size() != 2)
        call.fail(QStringLiteral("requires needs a product and its version."));
    HostSession& host = call.host();
    SessionData& d = sessionOf(call);
    claim(d, StatementKind::Requires, 0, args[0]);
    const QString product = args[0];
    if (product == QLatin1String("maya"))
        return Value();
    QString name = product;
    for (const char* suffix : {".so", ".mll", ".bundle", ".py"})
        if (name.endsWith(QLatin1String(suffix)))
            name.chop(int(qstrlen(suffix)));
    if (host.isPluginLoaded(name))
        return Value();
    const QString path = findPlugin(host, name);
    if (!path.isEmpty() && host.loadPlugin(path))
        return Value();
    if (!d.scene.missingPlugins.contains(name))
        d.scene.missingPlugins << name;
    readWarning(call, QStringLiteral("The plug-in \"%1\" %2, which this scene requires, is not available: the nodes "
                                     "and data of its types are kept as the file has them.")
                          .arg(product, args[1]));
    return Value();
}

} // namespace

void addFileCommands(BuiltinTable& table)
{
    table.insert(QStringLiteral("fileInfo"), fileInfoCommand);
    table.insert(QStringLiteral("file"), fileCommand);
    table.insert(QStringLiteral("loadPlugin"), loadPluginCommand);
    table.insert(QStringLiteral("unloadPlugin"), unloadPluginCommand);
    table.insert(QStringLiteral("requires"), requiresCommand);
}

} // namespace mel
} // namespace qbhost
