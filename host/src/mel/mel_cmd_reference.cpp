// Built-in commands a scene file and its references need besides the
// scene's nodes: referenceQuery, workspace, currentUnit and dataStructure.
#include "mel_flags.h"
#include "mel_scene_names.h"

#include <qbhost/host_session.h>

#include <QtCore/QDir>
#include <QtCore/QFileInfo>

namespace qbhost {
namespace mel {

namespace {

// The reference a target names: a node (the reference it came from, or the
// one it is the reference node of), a reference node, or a referenced file.
const ReferenceRecord* referenceOf(CommandCall& call, const QString& target, bool* isNode, NodeId* node)
{
    SessionData& d = sessionOf(call);
    *isNode = false;
    *node = 0;
    for (const ReferenceRecord* r : d.scene.references.all())
        if (r->file == target || r->resolved == target)
            return r;
    *node = requireNode(call, target);
    *isNode = true;
    const NodeRecord* n = d.scene.graph.node(*node);
    for (const ReferenceRecord* r : d.scene.references.all())
        if (r->node == *node)
            return r;
    return d.scene.references.get(n->reference);
}

Value referenceQueryCommand(CommandCall& call)
{
    Flags flags(call, {{"inr", "isNodeReferenced", false},
                       {"f", "filename", false},
                       {"rfn", "referenceNode", false},
                       {"ns", "namespace", false},
                       {"il", "isLoaded", false},
                       {"n", "nodes", false},
                       {"shn", "shortName", false},
                       {"un", "unresolvedName", false},
                       {"wcn", "withoutCopyNumber", false},
                       {"p", "parent", false},
                       {"tr", "topReference", false},
                       {"dp", "dagPath", false}});
    SessionData& d = sessionOf(call);
    if (flags.positional().size() != 1)
        call.fail(QStringLiteral("referenceQuery needs one node, reference node or file."));
    const QString target = flags.positional().front()->val().toString();
    bool isNode = false;
    NodeId node = 0;
    const ReferenceRecord* r = referenceOf(call, target, &isNode, &node);
    if (flags.has("isNodeReferenced")) {
        if (!isNode)
            call.fail(QStringLiteral("referenceQuery -isNodeReferenced needs a node."));
        return Value::fromInt(d.scene.graph.node(node)->reference ? 1 : 0);
    }
    if (!r)
        call.fail(QStringLiteral("'%1' is not from a referenced file.").arg(target));
    if (flags.has("parent") || flags.has("topReference")) {
        const ReferenceRecord* up = r;
        if (flags.has("topReference"))
            while (d.scene.references.get(up->parent))
                up = d.scene.references.get(up->parent);
        else
            up = d.scene.references.get(r->parent);
        if (!up)
            return Value::fromString(QString());
        r = up;
    }
    if (flags.has("filename")) {
        QString file = flags.has("unresolvedName") || r->resolved.isEmpty() ? r->file : r->resolved;
        if (flags.has("shortName"))
            file = QFileInfo(QString(file).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
        return Value::fromString(file);
    }
    if (flags.has("referenceNode"))
        return Value::fromString(r->referenceNode);
    if (flags.has("namespace")) {
        const QString ns = r->ns;
        if (flags.has("shortName"))
            return Value::fromString(ns.mid(ns.lastIndexOf(QLatin1Char(':')) + 1));
        return Value::fromString(QLatin1Char(':') + ns);
    }
    if (flags.has("isLoaded"))
        return Value::fromInt(r->loaded ? 1 : 0);
    if (flags.has("nodes")) {
        QStringList out;
        for (NodeId id : d.scene.graph.ids())
            if (d.scene.graph.node(id)->reference == r->id)
                out << (flags.has("dagPath") ? d.scene.graph.fullPath(id) : d.scene.graph.shortestPath(id));
        return Value::fromStringArray(out);
    }
    call.fail(QStringLiteral("referenceQuery needs a query flag (-filename, -referenceNode, -namespace, ...)."));
}

Value workspaceCommand(CommandCall& call)
{
    Flags flags(call, {{"o", "openWorkspace", false},
                       {"rd", "rootDirectory", false},
                       {"fn", "fullName", false},
                       {"dir", "directory", true}},
                true);
    HostSession& host = call.host();
    if (flags.query()) {
        if (flags.has("rootDirectory") || flags.has("fullName")) {
            QString root = host.projectRoot();
            if (flags.has("rootDirectory") && !root.isEmpty() && !root.endsWith(QLatin1Char('/')))
                root += QLatin1Char('/');
            return Value::fromString(root);
        }
        call.fail(QStringLiteral("workspace -query needs -rootDirectory or -fullName."));
    }
    if (flags.has("openWorkspace")) {
        if (flags.positional().size() != 1)
            call.fail(QStringLiteral("workspace -openWorkspace needs a folder."));
        const QString folder = flags.positional().front()->val().toString();
        if (!QFileInfo(folder).isDir())
            call.fail(QStringLiteral("Workspace \"%1\" does not exist.").arg(folder));
        host.setProjectRoot(QDir(folder).absolutePath());
        return Value::fromString(host.projectRoot());
    }
    // A folder of the project (-dir): accepted, nothing more is modelled.
    return Value();
}

QString linearAbbreviation(const QString& unit)
{
    static const char* pairs[][2] = {{"millimeter", "mm"}, {"centimeter", "cm"}, {"meter", "m"}, {"kilometer", "km"},
                                     {"inch", "in"},       {"foot", "ft"},       {"yard", "yd"}, {"mile", "mi"}};
    for (const auto& p : pairs)
        if (unit == QLatin1String(p[0]) || unit == QLatin1String(p[1]))
            return QLatin1String(p[1]);
    return QString();
}

QString angularAbbreviation(const QString& unit)
{
    if (unit == QLatin1String("degree") || unit == QLatin1String("deg"))
        return QStringLiteral("deg");
    if (unit == QLatin1String("radian") || unit == QLatin1String("rad"))
        return QStringLiteral("rad");
    return QString();
}

Value currentUnitCommand(CommandCall& call)
{
    Flags flags(call, {{"l", "linear", true}, {"a", "angle", true}, {"t", "time", true},
                       {"f", "fullName", false}, {"ua", "updateAnimation", true}},
                true);
    SessionData& d = sessionOf(call);
    claim(d, StatementKind::Unit, 0);
    if (flags.query()) {
        if (flags.has("angle"))
            return Value::fromString(flags.has("fullName") ? (d.angularUnit == QLatin1String("deg") ? QStringLiteral("degree")
                                                                                                   : QStringLiteral("radian"))
                                                           : d.angularUnit);
        if (flags.has("time"))
            return Value::fromString(d.timeUnit);
        return Value::fromString(d.linearUnit);
    }
    // A referenced file's units are its own; the scene keeps its units.
    const bool own = !(d.reading && d.reading->reference);
    if (flags.has("linear")) {
        const QString unit = linearAbbreviation(flags.value("linear").toString());
        if (unit.isEmpty())
            call.fail(QStringLiteral("currentUnit: \"%1\" is not a linear unit.").arg(flags.value("linear").toString()));
        if (own)
            d.linearUnit = unit;
    }
    if (flags.has("angle")) {
        const QString unit = angularAbbreviation(flags.value("angle").toString());
        if (unit.isEmpty())
            call.fail(QStringLiteral("currentUnit: \"%1\" is not an angular unit.").arg(flags.value("angle").toString()));
        if (own)
            d.angularUnit = unit;
    }
    if (flags.has("time") && own)
        d.timeUnit = flags.value("time").toString();
    return Value();
}

Value dataStructureCommand(CommandCall& call)
{
    // Structure definitions for per-component data: kept as the file has
    // them (the statement is written back as it was read).
    Flags flags(call, {{"fmt", "format", true}, {"as", "asString", true}, {"af", "asFile", true},
                       {"n", "name", true}, {"rm", "remove", false}, {"rac", "removeAll", false},
                       {"dt", "dataType", false}},
                true);
    if (!flags.has("asString") && !flags.has("asFile") && !flags.has("remove") && !flags.has("removeAll")
        && !flags.query())
        call.fail(QStringLiteral("dataStructure needs -asString, -asFile or -remove."));
    return Value();
}

} // namespace

void addReferenceCommands(BuiltinTable& table)
{
    table.insert(QStringLiteral("referenceQuery"), referenceQueryCommand);
    table.insert(QStringLiteral("workspace"), workspaceCommand);
}

void addSceneFileCommands(BuiltinTable& table)
{
    table.insert(QStringLiteral("currentUnit"), currentUnitCommand);
    table.insert(QStringLiteral("dataStructure"), dataStructureCommand);
}

} // namespace mel
} // namespace qbhost
