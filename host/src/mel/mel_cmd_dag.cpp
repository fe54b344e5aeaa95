// Built-in commands on the scene's nodes: selection, listing, creation,
// deletion, the hierarchy and names.
#include "mel_flags.h"
#include "mel_scene_names.h"

#include "../scene/node_types.h"
#include "../session/scene_ops.h"

#include <qbhost/host_session.h>

#include <QtCore/QSet>

namespace qbhost {
namespace mel {

namespace {

QStringList pathsOf(const SessionData& d, const std::vector<NodeId>& ids, bool full = false)
{
    QStringList out;
    out.reserve(static_cast<int>(ids.size()));
    for (NodeId id : ids)
        out << (full ? d.scene.graph.fullPath(id) : d.scene.graph.shortestPath(id));
    return out;
}

void setSelectionIds(CommandCall& call, const std::vector<NodeId>& ids)
{
    SessionData& d = sessionOf(call);
    if (!d.selection.set(ids))
        return;
    d.selectionNamesValid = false;
    emit call.host().selectionChanged();
    call.host().raiseEvent(QStringLiteral("SelectionChanged"));
}

Value selectCommand(CommandCall& call)
{
    Flags flags(call, {{"r", "replace", false},
                       {"add", "add", false},
                       {"af", "addFirst", false},
                       {"d", "deselect", false},
                       {"tgl", "toggle", false},
                       {"cl", "clear", false},
                       {"ne", "noExpand", false},
                       {"hi", "hierarchy", false},
                       {"all", "all", false}});
    SessionData& d = sessionOf(call);
    if (flags.has("clear")) {
        setSelectionIds(call, {});
        return Value();
    }
    const QStringList patterns = flags.positionalNames();
    // A file being read names the node its next statements set; the
    // selection is left alone, as reading a file selects nothing.
    if (d.reading && flags.has("noExpand") && patterns.size() == 1) {
        QString name = qualified(d, patterns.front());
        if (name.startsWith(QLatin1Char(':')))
            name.remove(0, 1);
        std::vector<NodeId> found = d.scene.graph.match(name);
        if (found.empty() && d.reading->mayaAscii && patterns.front().startsWith(QLatin1Char(':'))
            && !name.contains(QLatin1Char(':')) && sceneops::validNodeName(name)) {
            // A node every scene of the host has, which the stand-in lacks.
            const NodeId id = sceneops::create(call.host(), QStringLiteral("unknown"), name, 0);
            d.scene.graph.node(id)->isDefault = true;
            found.push_back(id);
            readWarning(call, QStringLiteral("\"%1\" is not one of the default nodes the stand-in knows; it is kept "
                                             "as a node of unknown type.")
                                  .arg(name));
        }
        d.reading->current = requireNode(call, patterns.front());
        claim(d, StatementKind::Context, d.reading->current);
        return Value();
    }
    const bool add = flags.has("add") || flags.has("addFirst"), deselect = flags.has("deselect"),
               toggle = flags.has("toggle");
    std::vector<NodeId> matches;
    if (flags.has("all")) {
        for (NodeId id : d.scene.graph.ids())
            if (!d.scene.graph.node(id)->isDefault)
                matches.push_back(id);
    } else if (patterns.isEmpty()) {
        // Without objects `select` clears; adding or toggling nothing changes nothing.
        if (!add && !toggle)
            setSelectionIds(call, {});
        return Value();
    } else {
        // Every name must match before the selection changes at all.
        matches = requireNodes(call, patterns);
    }
    if (flags.has("hierarchy")) {
        std::vector<NodeId> all;
        QSet<NodeId> seen;
        for (NodeId id : matches)
            for (NodeId n : d.scene.graph.subtree(id))
                if (!seen.contains(n)) {
                    seen.insert(n);
                    all.push_back(n);
                }
        matches = all;
    }
    MGlobal::ListAdjustment adjustment = MGlobal::kReplaceList;
    if (flags.has("addFirst"))
        adjustment = MGlobal::kAddToHeadOfList;
    else if (add)
        adjustment = MGlobal::kAddToList;
    else if (deselect)
        adjustment = MGlobal::kRemoveFromList;
    else if (toggle)
        adjustment = MGlobal::kXORWithList;
    // One new list and one change: 10,000 names cost one pass, not 10,000.
    if (d.selection.adjust(matches, adjustment)) {
        d.selectionNamesValid = false;
        emit call.host().selectionChanged();
        call.host().raiseEvent(QStringLiteral("SelectionChanged"));
    }
    return Value();
}

bool isTransformType(const QString& type)
{
    const NodeTypeInfo& info = NodeTypes::instance().info(type);
    return info.dag && !info.shape;
}

Value lsCommand(CommandCall& call)
{
    Flags flags(call, {{"sl", "selection", false},
                       {"l", "long", false},
                       {"sn", "shortNames", false},
                       {"typ", "type", true},
                       {"et", "exactType", true},
                       {"dag", "dagObjects", false},
                       {"tr", "transforms", false},
                       {"s", "shapes", false},
                       {"as", "assemblies", false},
                       {"rn", "referencedNodes", false},
                       {"ro", "readOnly", false},
                       {"ni", "noIntermediate", false},
                       {"o", "objectsOnly", false},
                       {"fl", "flatten", false},
                       {"dep", "dependencyNodes", false},
                       {"ud", "undeletable", false}});
    SessionData& d = sessionOf(call);
    const SceneGraph& g = d.scene.graph;
    const QStringList patterns = flags.positionalNames();
    std::vector<NodeId> ids;
    if (flags.has("selection")) {
        QSet<NodeId> wanted;
        for (const QString& p : patterns)
            for (NodeId id : g.match(p))
                wanted.insert(id);
        for (NodeId id : d.selection.ids())
            if (patterns.isEmpty() || wanted.contains(id))
                ids.push_back(id);
    } else if (patterns.isEmpty()) {
        ids = flags.has("assemblies") ? g.worldChildren() : g.ids();
    } else {
        QSet<NodeId> seen;
        for (const QString& p : patterns)
            for (NodeId id : g.match(p))
                if (!seen.contains(id)) {
                    seen.insert(id);
                    ids.push_back(id);
                }
    }
    const QStringList types = flags.values("type");
    const QStringList exact = flags.values("exactType");
    std::vector<NodeId> kept;
    for (NodeId id : ids) {
        const NodeRecord* n = g.node(id);
        if (!types.isEmpty() && !types.contains(n->type)
            && !(types.contains(QLatin1String("transform")) && isTransformType(n->type))
            && !(types.contains(QLatin1String("shape")) && typeOf(*n).shape)
            && !(types.contains(QLatin1String("dagNode")) && n->dag))
            continue;
        if (!exact.isEmpty() && !exact.contains(n->type))
            continue;
        if ((flags.has("dagObjects") || flags.has("assemblies")) && !n->dag)
            continue;
        if (flags.has("assemblies") && n->parent)
            continue;
        if (flags.has("transforms") && !(n->dag && isTransformType(n->type)))
            continue;
        if (flags.has("shapes") && !typeOf(*n).shape)
            continue;
        if (flags.has("referencedNodes") && !n->reference)
            continue;
        if (flags.has("readOnly") && !n->reference && !n->isDefault)
            continue;
        if (flags.has("undeletable") && !n->isDefault && !n->locked)
            continue;
        kept.push_back(id);
    }
    if (flags.has("shortNames")) {
        QStringList out;
        for (NodeId id : kept)
            out << g.node(id)->name;
        return Value::fromStringArray(out);
    }
    return Value::fromStringArray(pathsOf(d, kept, flags.has("long")));
}

Value createNodeCommand(CommandCall& call)
{
    Flags flags(call, {{"n", "name", true}, {"p", "parent", true}, {"s", "shared", false}, {"ss", "skipSelect", false}});
    if (flags.positional().size() != 1)
        call.fail(QStringLiteral("createNode needs one node type."));
    const QString type = flags.positional().front()->val().toString();
    if (type.isEmpty())
        call.fail(QStringLiteral("createNode needs one node type."));
    HostSession& host = call.host();
    SessionData& d = sessionOf(call);
    SceneGraph& g = d.scene.graph;
    QString name = flags.has("name") ? flags.value("name").toString() : QString();
    if (name.isEmpty())
        name = type + QLatin1Char('1');
    if (d.reading) {
        name = qualified(d, name);
    } else if (name.startsWith(QLatin1Char(':'))) {
        name.remove(0, 1);
    } else if (host.currentNamespace() != QLatin1String(":")) {
        name = host.currentNamespace() + QLatin1Char(':') + name; // new nodes go to the current namespace
    }
    if (!sceneops::validNodeName(name))
        call.fail(QStringLiteral("Invalid node name \"%1\".").arg(name));
    NodeId parent = 0;
    if (flags.has("parent")) {
        parent = requireNode(call, flags.value("parent").toString());
        if (!g.node(parent)->dag)
            call.fail(QStringLiteral("'%1' is not a DAG node: nothing goes below it.").arg(g.shortestPath(parent)));
    }
    const bool dag = parent || NodeTypes::instance().info(type).dag;
    NodeId id = 0;
    // A shared node is made only when not already there; a reference node
    // a file makes again is the one its `file -r` made.
    if (flags.has("shared") || (d.reading && type == QLatin1String("reference"))) {
        for (NodeId other : g.findExact(name)) {
            const NodeRecord* o = g.node(other);
            if (o->parent == parent && (flags.has("shared") || d.scene.references.byNode(o->name))) {
                if (o->type != type)
                    call.fail(QStringLiteral("The node \"%1\" exists already, as a %2 node.").arg(name, o->type));
                id = other;
                break;
            }
        }
    }
    if (!id) {
        id = sceneops::create(host, type, name, parent, true);
        g.node(id)->shared = flags.has("shared");
    }
    if (d.reading) {
        d.reading->current = id;
        claim(d, StatementKind::Node, id);
        // Its own name: a file reads on without looking at what it gave.
        return Value::fromString(g.node(id)->name);
    }
    if (!flags.has("skipSelect"))
        setSelectionIds(call, {id}); // the host selects a new node; not while it reads a file
    return Value::fromString(g.shortestPath(id));
}

Value deleteCommand(CommandCall& call)
{
    Flags flags(call, {{"ch", "constructionHistory", false}});
    const std::vector<NodeId> ids = targetsOrSelection(call, flags.positionalNames());
    QString error;
    if (!sceneops::remove(call.host(), ids, &error))
        call.fail(error);
    return Value();
}

Value parentCommand(CommandCall& call)
{
    Flags flags(call, {{"w", "world", false},
                       {"r", "relative", false},
                       {"a", "absolute", false},
                       {"s", "shape", false},
                       {"add", "addObject", false},
                       {"rm", "removeObject", false},
                       {"nc", "noConnections", false},
                       {"nis", "noInvScale", false}});
    SessionData& d = sessionOf(call);
    if (flags.has("addObject") || flags.has("removeObject")) {
        // Instances (a node under several parents) are not modelled: a
        // file's statement is kept as written, typed MEL is refused.
        if (d.reading)
            return Value();
        call.fail(QStringLiteral("The stand-in host does not make instances (parent -addObject/-removeObject)."));
    }
    QStringList names = flags.positionalNames();
    NodeId parent = 0;
    if (!flags.has("world")) {
        if (names.size() < 2 && !(names.size() == 1 && !d.selection.ids().empty()))
            call.fail(QStringLiteral("parent needs the objects to move and a new parent."));
        parent = requireNode(call, names.takeLast());
    }
    const std::vector<NodeId> children = targetsOrSelection(call, names);
    QStringList out;
    for (NodeId child : children) {
        QString error;
        if (!sceneops::reparent(call.host(), child, parent, &error))
            call.fail(error);
    }
    for (NodeId child : children)
        out << d.scene.graph.shortestPath(child);
    return Value::fromStringArray(out);
}

Value renameCommand(CommandCall& call)
{
    Flags flags(call, {{"uid", "uuid", false}, {"is", "ignoreShape", false}});
    SessionData& d = sessionOf(call);
    const QStringList names = flags.positionalNames();
    if (names.isEmpty() || names.size() > 2)
        call.fail(QStringLiteral("rename needs a new name, and the object to rename unless it is selected."));
    NodeId id = 0;
    if (names.size() == 2)
        id = requireNode(call, names[0]);
    else if (d.reading && d.reading->current)
        id = d.reading->current;
    else if (!d.selection.ids().empty())
        id = d.selection.ids().back();
    else
        call.fail(QStringLiteral("Not enough objects or values."));
    NodeRecord* n = d.scene.graph.node(id);
    if (flags.has("uuid")) {
        n->uuid = names.last();
        n->uuidSerial = d.scene.graph.nextSerial();
        claim(d, StatementKind::Uuid, id, QString(), names.size() == 1 ? 1 : 0);
        sceneops::edited(call.host());
        return Value::fromString(d.scene.graph.shortestPath(id));
    }
    QString wanted = qualified(d, names.last());
    if (wanted.startsWith(QLatin1Char(':')))
        wanted.remove(0, 1);
    QString got, error;
    if (!sceneops::rename(call.host(), id, wanted, &got, &error))
        call.fail(error);
    return Value::fromString(d.scene.graph.shortestPath(id));
}

Value listRelativesCommand(CommandCall& call)
{
    Flags flags(call, {{"p", "parent", false},
                       {"ap", "allParents", false},
                       {"c", "children", false},
                       {"ad", "allDescendents", false},
                       {"s", "shapes", false},
                       {"f", "fullPath", false},
                       {"pa", "path", false},
                       {"typ", "type", true},
                       {"ni", "noIntermediate", false}});
    SessionData& d = sessionOf(call);
    const SceneGraph& g = d.scene.graph;
    const std::vector<NodeId> ids = targetsOrSelection(call, flags.positionalNames(), true);
    const QStringList types = flags.values("type");
    std::vector<NodeId> found;
    QSet<NodeId> seen;
    auto take = [&](NodeId id) {
        const NodeRecord* n = g.node(id);
        if (!types.isEmpty() && !types.contains(n->type)
            && !(types.contains(QLatin1String("transform")) && isTransformType(n->type)))
            return;
        if (flags.has("shapes") && !typeOf(*n).shape)
            return;
        if (!seen.contains(id)) {
            seen.insert(id);
            found.push_back(id);
        }
    };
    for (NodeId id : ids) {
        const NodeRecord* n = g.node(id);
        if (flags.has("parent") || flags.has("allParents")) {
            if (n->dag && n->parent)
                take(n->parent);
        } else if (flags.has("allDescendents")) {
            const std::vector<NodeId> all = g.subtree(id);
            for (size_t i = 1; i < all.size(); ++i)
                take(all[i]);
        } else {
            for (NodeId c : n->children)
                take(c);
        }
    }
    if (found.empty())
        return Value::fromStringArray(QStringList());
    if (flags.has("fullPath"))
        return Value::fromStringArray(pathsOf(d, found, true));
    if (flags.has("path"))
        return Value::fromStringArray(pathsOf(d, found));
    // Own names, as the host lists relatives: they may repeat.
    QStringList out;
    for (NodeId id : found)
        out << g.node(id)->name;
    return Value::fromStringArray(out);
}

Value nodeTypeCommand(CommandCall& call)
{
    Flags flags(call, {{"api", "apiType", false}, {"i", "inherited", false}});
    if (flags.positional().size() != 1)
        call.fail(QStringLiteral("nodeType needs one object."));
    QString name = flags.positional().front()->val().toString();
    const int dot = name.indexOf(QLatin1Char('.'));
    if (dot > 0)
        name = name.left(dot);
    const NodeRecord* n = sessionOf(call).scene.graph.node(requireNode(call, name));
    if (flags.has("inherited")) {
        QStringList chain;
        if (n->dag)
            chain << QStringLiteral("containerBase") << QStringLiteral("entity") << QStringLiteral("dagNode");
        if (isTransformType(n->type) && n->type != QLatin1String("transform"))
            chain << QStringLiteral("transform");
        chain << n->type;
        return Value::fromStringArray(chain);
    }
    return Value::fromString(n->type);
}

Value objExistsCommand(CommandCall& call)
{
    Flags flags(call, {});
    if (flags.positional().size() != 1)
        call.fail(QStringLiteral("objExists needs one object name."));
    SessionData& d = sessionOf(call);
    const QString name = flags.positional().front()->val().toString();
    const int dot = name.indexOf(QLatin1Char('.'));
    const std::vector<NodeId> ids = d.scene.graph.findExact(qualified(d, dot > 0 ? name.left(dot) : name));
    if (ids.empty())
        return Value::fromInt(0);
    if (dot <= 0)
        return Value::fromInt(1);
    for (NodeId id : ids) {
        const NodeRecord* n = d.scene.graph.node(id);
        if (plugExists(*n, plugOf(*n, name.mid(dot + 1))))
            return Value::fromInt(1);
    }
    return Value::fromInt(0);
}

Value lockNodeCommand(CommandCall& call)
{
    Flags flags(call, {{"l", "lock", true},
                       {"lu", "lockUnpublished", true},
                       {"ln", "lockName", true},
                       {"ic", "ignoreComponents", false}},
                true);
    SessionData& d = sessionOf(call);
    const std::vector<NodeId> ids = targetsOrSelection(call, flags.positionalNames());
    if (flags.query()) {
        QVector<int> out;
        for (NodeId id : ids)
            out << (d.scene.graph.node(id)->locked ? 1 : 0);
        return Value::fromIntArray(out);
    }
    const bool lock = flags.boolean("lock", true);
    for (NodeId id : ids) {
        NodeRecord* n = d.scene.graph.node(id);
        if (n->locked != lock) {
            n->locked = lock;
            n->lockSerial = d.scene.graph.nextSerial();
            sceneops::edited(call.host());
        }
    }
    if (ids.size() == 1)
        claim(d, StatementKind::Lock, ids.front(), QString(), flags.positional().empty() ? 1 : 0);
    return Value();
}

} // namespace

void addSceneCommands(BuiltinTable& table)
{
    table.insert(QStringLiteral("select"), selectCommand);
    table.insert(QStringLiteral("ls"), lsCommand);
    table.insert(QStringLiteral("createNode"), createNodeCommand);
    table.insert(QStringLiteral("delete"), deleteCommand);
    table.insert(QStringLiteral("parent"), parentCommand);
    table.insert(QStringLiteral("rename"), renameCommand);
    table.insert(QStringLiteral("listRelatives"), listRelativesCommand);
    table.insert(QStringLiteral("nodeType"), nodeTypeCommand);
    table.insert(QStringLiteral("objExists"), objExistsCommand);
    table.insert(QStringLiteral("lockNode"), lockNodeCommand);
}

} // namespace mel
} // namespace qbhost
