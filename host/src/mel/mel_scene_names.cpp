#include "mel_scene_names.h"

#include "../scene/node_types.h"
#include "../session/scene_reader.h"

#include <QtCore/QSet>

namespace qbhost {
namespace mel {

SessionData& sessionOf(CommandCall& call)
{
    return SessionAccess::data(call.host());
}

namespace {

QString qualifyElement(const ReadState* r, const QString& element)
{
    if (element.isEmpty())
        return element;
    if (element.startsWith(QLatin1Char(':')))
        return element.mid(1);
    if (!r->renamePrefix.isEmpty())
        return r->renamePrefix + QLatin1Char('_') + element;
    return r->prefix + QLatin1Char(':') + element;
}

} // namespace

QString qualified(const SessionData& d, const QString& name)
{
    const ReadState* r = d.reading;
    if (!r || (r->prefix.isEmpty() && r->renamePrefix.isEmpty()))
        return name;
    if (!name.contains(QLatin1Char('|')))
        return qualifyElement(r, name);
    QStringList parts = name.split(QLatin1Char('|'));
    for (QString& p : parts)
        p = qualifyElement(r, p);
    return parts.join(QLatin1Char('|'));
}

NodeId requireNode(CommandCall& call, const QString& rawName)
{
    SessionData& d = sessionOf(call);
    const QString name = qualified(d, rawName);
    const std::vector<NodeId> ids = d.scene.graph.match(name);
    if (ids.empty())
        call.fail(QStringLiteral("No object matches name: %1").arg(name));
    if (ids.size() > 1)
        call.fail(QStringLiteral("More than one object matches name: %1").arg(name));
    return ids.front();
}

std::vector<NodeId> requireNodes(CommandCall& call, const QStringList& patterns)
{
    SessionData& d = sessionOf(call);
    std::vector<NodeId> out;
    QSet<NodeId> seen;
    for (const QString& raw : patterns) {
        const QString p = qualified(d, raw);
        const std::vector<NodeId> found = d.scene.graph.match(p);
        if (found.empty())
            call.fail(QStringLiteral("No object matches name: %1").arg(p));
        if (found.size() > 1 && !SceneGraph::hasWildcard(p))
            call.fail(QStringLiteral("More than one object matches name: %1").arg(p));
        for (NodeId id : found) {
            if (!seen.contains(id)) {
                seen.insert(id);
                out.push_back(id);
            }
        }
    }
    return out;
}

std::vector<NodeId> targetsOrSelection(CommandCall& call, const QStringList& names, bool allowEmpty)
{
    if (!names.isEmpty())
        return requireNodes(call, names);
    SessionData& d = sessionOf(call);
    std::vector<NodeId> out;
    if (d.reading && d.reading->current)
        out.push_back(d.reading->current);
    else
        out = d.selection.ids();
    if (out.empty() && !allowEmpty)
        call.fail(QStringLiteral("Not enough objects or values."));
    return out;
}

PlugRef requirePlug(CommandCall& call, const QString& text)
{
    SessionData& d = sessionOf(call);
    const int dot = text.indexOf(QLatin1Char('.'));
    if (dot < 0 || dot == text.size() - 1)
        call.fail(QStringLiteral("No object matches name: %1").arg(text));
    NodeId node = 0;
    if (dot == 0) {
        if (d.reading)
            node = d.reading->current;
        else if (!d.selection.ids().empty())
            node = d.selection.ids().back();
        if (!node)
            call.fail(QStringLiteral("No object matches name: %1 (no node is selected).").arg(text));
    } else {
        node = requireNode(call, text.left(dot));
    }
    PlugRef plug = plugOf(*d.scene.graph.node(node), text.mid(dot + 1));
    plug.written = dot == 0 ? text : qualified(d, text.left(dot)) + text.mid(dot);
    return plug;
}

QString plugName(const SessionData& d, NodeId node, const QString& key)
{
    return d.scene.graph.shortestPath(node) + QLatin1Char('.') + key;
}

void claim(SessionData& d, StatementKind kind, NodeId owner, const QString& key, quint64 ref)
{
    ReadState* r = d.reading;
    if (!r || !r->record)
        return;
    StatementRecord& rec = *r->record;
    rec.kind = kind;
    rec.owner = owner;
    rec.key = key;
    rec.ref = ref;
    if (kind == StatementKind::Node || kind == StatementKind::Context)
        rec.context = owner;
}

void readWarning(CommandCall& call, const QString& text)
{
    scenereader::warning(call.host(), text);
}

} // namespace mel
} // namespace qbhost
