#ifndef QBHOST_SCENE_OPS_H
#define QBHOST_SCENE_OPS_H
// The changes to the scene's nodes that touch more than the node graph:
// the selection, connections, references, the modified state and the
// session's signals. The MEL commands and the HostSession facade both go
// through here.
#include "session_data.h"

namespace qbhost {
namespace sceneops {

// The scene changed: modified set, sceneChanged emitted (once after the
// read while a file is being read).
void edited(HostSession& host);

// A new node; its name must be free (use SceneGraph::uniqueName), or with
// numbered set, numbered when taken. While a reference is read the node is
// marked as coming from it.
NodeId create(HostSession& host, const QString& type, const QString& name, NodeId parent, bool numbered = false);
// Why a node cannot be deleted, renamed or moved; empty when it can.
QString whyFixed(const HostSession& host, NodeId id, const char* action);
// Deletes the nodes and the DAG nodes below them, with their connections,
// leaving the selection; false with error when one may not be deleted
// (then none is).
bool remove(HostSession& host, const std::vector<NodeId>& ids, QString* error);
// The name the node got (numbered when taken among its new siblings).
bool rename(HostSession& host, NodeId id, const QString& name, QString* newName, QString* error);
// Moves a DAG node under parent (0: the world).
bool reparent(HostSession& host, NodeId id, NodeId parent, QString* error);
// Tells the plug-ins that the nodes (children before parents) go.
void nodesRemoved(HostSession& host, const std::vector<NodeId>& childrenFirst);
// Whether a node name is one the host takes (no '|', '.', nothing empty).
bool validNodeName(const QString& name);

// Raises a scene message (MSceneMessage::Message) for the plug-ins.
void sceneMessage(HostSession& host, int message);

// Names for messages: the node as `ls` gives it.
QString nameOf(const HostSession& host, NodeId id);

} // namespace sceneops
} // namespace qbhost
#endif
