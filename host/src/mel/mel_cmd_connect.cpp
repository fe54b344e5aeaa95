// Built-in commands on connections: connectAttr, disconnectAttr,
// isConnected and listConnections answer from the record of connections;
// nothing is evaluated. relationship is kept as the file wrote it.
#include "mel_flags.h"
#include "mel_scene_names.h"

#include "../session/scene_ops.h"

#include <qbhost/host_session.h>

namespace qbhost {
namespace mel {

namespace {

// Both ends of a connection; outside a file both plugs must exist.
void requireEnds(CommandCall& call, const Flags& flags, PlugRef* source, PlugRef* destination)
{
    if (flags.positional().size() != 2)
        call.fail(QStringLiteral("%1 needs a source and a destination attribute.").arg(call.name));
    SessionData& d = sessionOf(call);
    *source = requirePlug(call, flags.positional()[0]->val().toString());
    *destination = requirePlug(call, flags.positional()[1]->val().toString());
    if (!d.reading) {
        for (const PlugRef* p : {source, destination})
            if (!plugExists(*d.scene.graph.node(p->node), *p))
                call.fail(QStringLiteral("No object matches name: %1").arg(p->written));
    }
    for (PlugRef* p : {source, destination})
        p->key = connectionKey(*p);
}

Value connectAttrCommand(CommandCall& call)
{
    Flags flags(call, {{"f", "force", false},
                       {"l", "lock", true},
                       {"na", "nextAvailable", false},
                       {"rd", "referenceDest", true}});
    SessionData& d = sessionOf(call);
    PlugRef source, destination;
    requireEnds(call, flags, &source, &destination);
    if (flags.has("nextAvailable") && !destination.key.endsWith(QLatin1Char(']')))
        destination.key += QStringLiteral("[%1]").arg(
            d.scene.connections.nextFreeIndex(destination.node, destination.key));
    const auto from = [&]() { return plugName(d, source.node, source.key); };
    const auto to = [&]() { return plugName(d, destination.node, destination.key); };
    if (const Connection* c = d.scene.connections.into(destination.node, destination.key)) {
        if (c->source == source.node && c->sourcePlug == source.key) {
            call.host().logWarning(QStringLiteral("'%1' is already connected to '%2'.").arg(from(), to()));
            claim(d, StatementKind::Connect, 0, QString(), c->id);
            return Value::fromString(QStringLiteral("Connected %1 to %2.").arg(from(), to()));
        }
        if (!flags.has("force"))
            call.fail(QStringLiteral("The destination attribute '%1' cannot be connected to: it is already "
                                     "connected from '%2'.")
                          .arg(to(), plugName(d, c->source, c->sourcePlug)));
        d.scene.connections.remove(c->id);
    }
    const PlugState* state = d.scene.graph.node(destination.node)->attributes.plug(destination.key);
    if (!d.reading && state && state->locked == 1)
        call.fail(QStringLiteral("The destination attribute '%1' is locked.").arg(to()));
    const quint64 id = d.scene.connections.add(source.node, source.key, destination.node, destination.key,
                                               d.scene.graph.nextSerial());
    claim(d, StatementKind::Connect, 0, QString(), id);
    sceneops::edited(call.host());
    // A file reads on without looking at what the statement gave.
    if (d.reading)
        return Value();
    return Value::fromString(QStringLiteral("Connected %1 to %2.").arg(from(), to()));
}

Value disconnectAttrCommand(CommandCall& call)
{
    Flags flags(call, {{"na", "nextAvailable", false}});
    SessionData& d = sessionOf(call);
    PlugRef source, destination;
    requireEnds(call, flags, &source, &destination);
    const quint64 id = d.scene.connections.find(source.node, source.key, destination.node, destination.key);
    if (!id)
        call.fail(QStringLiteral("There is no connection from '%1' to '%2' to disconnect.")
                      .arg(plugName(d, source.node, source.key), plugName(d, destination.node, destination.key)));
    d.scene.connections.remove(id);
    d.scene.graph.nextSerial();
    sceneops::edited(call.host());
    return Value::fromString(QStringLiteral("Disconnected %1 from %2.")
                                 .arg(plugName(d, source.node, source.key), plugName(d, destination.node, destination.key)));
}

Value isConnectedCommand(CommandCall& call)
{
    Flags flags(call, {{"ignoreUnitConversion", "ignoreUnitConversion", false}});
    SessionData& d = sessionOf(call);
    PlugRef source, destination;
    requireEnds(call, flags, &source, &destination);
    return Value::fromInt(d.scene.connections.find(source.node, source.key, destination.node, destination.key) ? 1 : 0);
}

Value listConnectionsCommand(CommandCall& call)
{
    Flags flags(call, {{"s", "source", true},
                       {"d", "destination", true},
                       {"p", "plugs", true},
                       {"c", "connections", true},
                       {"t", "type", true},
                       {"sh", "shapes", true},
                       {"scn", "skipConversionNodes", true},
                       {"et", "exactType", true}});
    SessionData& d = sessionOf(call);
    if (flags.positional().size() > 1)
        call.fail(QStringLiteral("listConnections takes one object or attribute."));
    QString target = flags.positional().empty() ? QString() : flags.positional().front()->val().toString();
    NodeId node = 0;
    QString key;
    const int dot = target.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        PlugRef plug = requirePlug(call, target);
        node = plug.node;
        key = connectionKey(plug);
    } else if (!target.isEmpty()) {
        node = requireNode(call, target);
    } else if (!d.selection.ids().empty()) {
        node = d.selection.ids().back();
    } else {
        call.fail(QStringLiteral("Not enough objects or values."));
    }
    const bool sources = flags.boolean("source", true), destinations = flags.boolean("destination", true);
    const bool plugs = flags.boolean("plugs", false), pairs = flags.boolean("connections", false);
    const QString type = flags.value("type").toString();
    QStringList out;
    for (const Connection* c : d.scene.connections.ofNode(node)) {
        const bool incoming = c->destination == node && (key.isEmpty() || c->destinationPlug == key);
        const bool outgoing = c->source == node && (key.isEmpty() || c->sourcePlug == key);
        for (int pass = 0; pass < 2; ++pass) {
            const bool in = pass == 0;
            if (in ? !(incoming && sources) : !(outgoing && destinations))
                continue;
            const NodeId other = in ? c->source : c->destination;
            const QString otherPlug = in ? c->sourcePlug : c->destinationPlug;
            if (!type.isEmpty() && d.scene.graph.node(other)->type != type)
                continue;
            if (pairs)
                out << plugName(d, node, in ? c->destinationPlug : c->sourcePlug);
            out << (plugs ? plugName(d, other, otherPlug) : d.scene.graph.shortestPath(other));
        }
    }
    return Value::fromStringArray(out);
}

Value relationshipCommand(CommandCall& call)
{
    // Light links and the like: kept as the file wrote them, not modelled.
    Flags flags(call, {{"b", "break", false}, {"q", "query", false}});
    if (flags.positional().size() < 2)
        call.fail(QStringLiteral("relationship needs a relationship type and a node."));
    return Value();
}

} // namespace

void addConnectionCommands(BuiltinTable& table)
{
    table.insert(QStringLiteral("connectAttr"), connectAttrCommand);
    table.insert(QStringLiteral("disconnectAttr"), disconnectAttrCommand);
    table.insert(QStringLiteral("isConnected"), isConnectedCommand);
    table.insert(QStringLiteral("listConnections"), listConnectionsCommand);
    table.insert(QStringLiteral("relationship"), relationshipCommand);
}

} // namespace mel
} // namespace qbhost
