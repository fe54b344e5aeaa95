#ifndef QBHOST_SCENE_MODEL_H
#define QBHOST_SCENE_MODEL_H
// Everything the scene holds: nodes, connections, references, file
// information and the file it was read from.
#include "scene_connections.h"
#include "scene_document.h"
#include "scene_graph.h"
#include "scene_references.h"
#include "../session/file_info.h"

namespace qbhost {

struct SceneModel {
    SceneGraph graph;
    SceneConnections connections;
    SceneReferences references;
    FileInfo fileInfo;
    SceneDocument document;
    // Plug-ins a read file required that the host could not load, by name.
    QStringList missingPlugins;
};

} // namespace qbhost
#endif
