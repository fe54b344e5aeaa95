#ifndef QBHOST_SCENE_READER_H
#define QBHOST_SCENE_READER_H
// Reading files into the scene: a scene opened (its statements recorded for
// writing back), a file imported, a reference loaded into its namespace.
// Each statement runs on its own; a failing one is reported with the file
// and line ("file: <path> line N: ...") and the next one is read.
#include "session_data.h"

#include "../scene/scene_loader.h"

namespace qbhost {
namespace scenereader {

// Runs a loaded file's text with state as the file being read.
void run(HostSession& host, const SceneText& text, ReadState& state);
// A warning about the statement being read (with its file and line) or, when
// no file is being read, as it is.
void warning(HostSession& host, const QString& text);
// The nodes every Maya scene has, made where missing.
void ensureDefaultNodes(HostSession& host);

// Reads the reference's file into its namespace, under the file being read
// (if any). A file not found, not Maya ASCII, already being read (a cycle)
// or nested too deep leaves the reference unloaded, with a warning.
bool loadReference(HostSession& host, int referenceId);
// Deletes the nodes the reference (and those read from it) brought.
void unloadReference(HostSession& host, int referenceId);

// References nest at most this deep.
constexpr int kMaxReferenceDepth = 64;

// "1 error", "3 errors".
QString counted(int n, const char* one, const char* many);

} // namespace scenereader
} // namespace qbhost
#endif
