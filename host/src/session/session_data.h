#ifndef QBHOST_SESSION_DATA_H
#define QBHOST_SESSION_DATA_H
// What the session holds, for the runtime's own parts (the MEL commands,
// the scene reader and writer). Tests and callers use HostSession.
#include <qbhost/host_session.h>

#include "../mel/mel_interpreter.h"
#include "../scene/scene_model.h"
#include "call_trace.h"
#include "event_callbacks.h"
#include "failure_seams.h"
#include "history_log.h"
#include "host_selection.h"
#include "idle_queue.h"
#include "node_handles.h"
#include "undo_log.h"
#include "plugin_registry.h"

#include <QtCore/QPointer>
#include <QtCore/QRect>

#include <memory>

namespace qbhost {

// A file being read: a scene opened, imported or referenced.
struct ReadState {
    QString path;
    bool mayaAscii = false;
    // Statements are recorded for writing back (the opened scene only).
    SceneDocument* document = nullptr;
    int source = 0;          // which of the document's sources
    bool import = false;     // records go to the document's imported list
    NodeId current = 0;      // the node relative setAttr and the like set
    QString prefix;          // namespace every name of the file goes into
    QString renamePrefix;    // -rpr: names become "prefix_name"
    int reference = 0;       // the reference nodes made are marked with
    int errors = 0;
    int warnings = 0;
    QStringList errorTexts;  // as logged
    QStringList warningTexts;
    StatementRecord* record = nullptr; // of the statement running, when recorded
    ReadState* outer = nullptr;
    int depth = 0;           // references nested above this one
    int line = 0;            // of the statement running
};

struct SessionData {
    explicit SessionData(HostSession& session) : plugins(session, callbacks), queue(session) {}
    EventCallbacks callbacks;
    PluginRegistry plugins;
    IdleQueue queue;
    std::unique_ptr<MelInterpreter> mel;
    HistoryLog history;
    SceneModel scene;
    HostSelection selection;
    bool modified = false;
    QString sceneName;
    double applicationVersion = MAYA_API_VERSION / 10000;
    QPointer<QWidget> mainWindow;
    QList<QRect> screens;
    int primaryScreen = 0;
    bool customScreens = false;
    FailureSeams failures;
    // Node handles (MObject) and the undo queue of attribute values.
    NodeHandles handles;
    UndoLog undo;
    CallTrace trace;
    bool tracing = true;
    QString projectRoot;
    QString readableRoot;
    // currentUnit: the scene's units, as the host abbreviates them.
    QString linearUnit = QStringLiteral("cm");
    QString angularUnit = QStringLiteral("deg");
    QString timeUnit = QStringLiteral("film");

    // The file being read, innermost; null when none is.
    ReadState* reading = nullptr;
    // Whether references are to stay unloaded, by reference node, as the
    // scene file's `file -rdi` lines give it for nested references.
    QHash<QString, bool> referenceDeferred;
    // A scene read with errors: the file, and the errors it met. Saving
    // over that file needs the user's word (file -save -f).
    QString damagedFile;
    QStringList damageErrors;
    // The errors and warnings of the last scene opened.
    QString lastReadFile;
    QStringList lastReadErrors;
    QStringList lastReadWarnings;

    // The selection as names, kept while names do not change.
    QStringList selectionNames;
    quint64 selectionNamesGeneration = 0;
    bool selectionNamesValid = false;
    QStringList nodeNames;
    quint64 nodeNamesGeneration = 0;
    int nodeNamesCount = -1;
};

// The runtime's way into a session's data.
struct SessionAccess {
    static SessionData& data(HostSession& s) { return *s.d; }
    static const SessionData& data(const HostSession& s) { return *s.d; }
    static MStatus edit(HostSession& s, MStatus st) { return s.sceneEdit(st); }
    static void clearScene(HostSession& s) { s.clearScene(); }
};

} // namespace qbhost
#endif
