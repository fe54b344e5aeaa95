#ifndef QBHOST_SCENE_WRITER_H
#define QBHOST_SCENE_WRITER_H
// The scene as a file. A scene read from a Maya ASCII file is written back
// as Maya ASCII: every statement of the file whose subject did not change
// since the read as the file had it, in its place; what changed written
// anew where its statement was; what is new where Maya puts it (nodes after
// the file's nodes, connections after its connections, file information
// after its own). Any other scene is written in the stand-in's own form:
// namespaces, nodes with their attributes, connections, file information.
#include "scene_model.h"

namespace qbhost {
namespace scenewriter {

QString ownText(const SceneModel& scene, double applicationVersion);
// fileName goes into the header's "//Name:" line; codeset into "//Codeset:".
QString mayaAsciiText(const SceneModel& scene, const QString& fileName, const QString& codeset);

} // namespace scenewriter
} // namespace qbhost
#endif
