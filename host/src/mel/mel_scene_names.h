#ifndef QBHOST_MEL_SCENE_NAMES_H
#define QBHOST_MEL_SCENE_NAMES_H
// How the scene commands name nodes and plugs: the file being read puts its
// names into its namespace (or prefix); a name must match a node; an exact
// name that matches several is "More than one object matches name", as in
// the host; ".attr" is a plug of the node the file set last (outside a
// file: the last selected).
#include "mel_engine.h"

#include "../scene/plug_key.h"
#include "../session/session_data.h"

#include <vector>

namespace qbhost {
namespace mel {

SessionData& sessionOf(CommandCall& call);

// The name as the file being read means it: each path element put into
// the file's namespace unless it starts with ':' (the root namespace).
QString qualified(const SessionData& d, const QString& name);

// The one node a name stands for; fails with the host's words otherwise.
NodeId requireNode(CommandCall& call, const QString& name);
// The nodes of every pattern, each once; each must match. Exact names
// must match one node.
std::vector<NodeId> requireNodes(CommandCall& call, const QStringList& patterns);
// The given names, or the selection when none is given (failing when
// both are empty, with "Not enough objects or values.").
std::vector<NodeId> targetsOrSelection(CommandCall& call, const QStringList& names, bool allowEmpty = false);

// The plug's node part must match one node; ".attr" is relative.
PlugRef requirePlug(CommandCall& call, const QString& text);
// "node.attribute" as messages and listConnections name it.
QString plugName(const SessionData& d, NodeId node, const QString& key);

// The statement being read claims its record: what it set, for writing
// the file back.
void claim(SessionData& d, StatementKind kind, NodeId owner, const QString& key = QString(), quint64 ref = 0);
// A warning about the statement being read, with its file and line.
void readWarning(CommandCall& call, const QString& text);

} // namespace mel
} // namespace qbhost
#endif
