#ifndef QBHOST_HOST_SESSION_H
#define QBHOST_HOST_SESSION_H
// The simulated host: one process-wide session holding the scene, the
// selection, the idle queue, event callbacks, registered commands, loaded
// plug-ins and the logs. The stand-in API (maya/*.h) is implemented on top of
// it; tests and the sandbox drive it directly.

#include <qbhost/qbhost_export.h>
#include <qbhost/host_argument.h>
#include <qbhost/scene_info.h>
#include <maya/MStatus.h>
#include <maya/MGlobal.h>
#include <maya/MMessage.h>

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QPair>
#include <QtCore/QPointer>
#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <memory>

class QWidget;

namespace qbhost {

class MelInterpreter;
struct SessionData;

enum class Language { Mel, Python };

enum class HistoryKind {
    Mel,     // MEL text that ran
    Python,  // Python text, kept but not run
    Output,  // print output and informational lines
    Warning,
    Error
};

struct HistoryEntry {
    HistoryKind kind;
    QString text;
    // False for a text queued with display off (executeCommandOnIdle(text,
    // false)), which the host runs without echoing it.
    bool display = true;
};

struct IdleItem {
    Language language;
    QString text;
    bool display = true;
};

struct PluginInfo {
    QString name;     // file base name without suffix, e.g. "QuillbrookPicker"
    QString path;     // as loaded
    QString vendor;   // as passed to the last MFnPlugin constructed for it
    QString version;
    QString requiredApiVersion;
    QStringList commands;
};

class QBHOST_EXPORT HostSession : public QObject
{
    Q_OBJECT
public:
    static HostSession& instance();

    // Back to a fresh host: unloads plug-ins, empties the scene, queue, logs,
    // callbacks, failure seams and screens. For tests.
    void resetForTest();

    // ---- plug-ins -------------------------------------------------------
    // Opens the module, calls initializePlugin with a plug-in object. A
    // failing entry point's status is returned and the module is closed.
    MStatus loadPlugin(const QString& path);
    // By plug-in name or path: calls uninitializePlugin, closes the module.
    MStatus unloadPlugin(const QString& nameOrPath);
    QList<PluginInfo> plugins() const;
    bool isPluginLoaded(const QString& nameOrPath) const;
    // Folders where MEL's loadPlugin looks for a plug-in given by name.
    void setPluginSearchPath(const QStringList& folders);
    QStringList pluginSearchPath() const;

    // ---- commands -------------------------------------------------------
    using CommandCreator = void* (*)();
    MStatus registerCommand(void* plugin, const QString& name, CommandCreator creator);
    MStatus deregisterCommand(void* plugin, const QString& name);
    bool hasCommand(const QString& name) const;
    int commandCount() const;
    QStringList commandNames() const;
    // Builds an instance with the creator, calls doIt, deletes it.
    MStatus runCommand(const QString& name, const QList<Argument>& args);

    // ---- idle queue -----------------------------------------------------
    // display: whether the text shows in the history when it runs.
    MStatus queueIdle(Language language, const QString& text, bool display = true);
    QList<IdleItem> pendingIdle() const;
    int pendingIdleCount() const;
    // Runs the first queued text; false when the queue was empty.
    bool runNextIdle();
    // Runs queued texts, including those queued meanwhile, until none is
    // left (or limit texts ran). Returns how many ran.
    int drainIdle(int limit = 1000000);
    // Drops every queued text unrun (benchmarks, tests).
    void discardIdle();
    // When on, a non-empty queue is drained as soon as the event loop is idle
    // (the sandbox); tests leave it off and drain explicitly.
    void setAutoDrain(bool on);
    bool autoDrain() const;

    // ---- MEL ------------------------------------------------------------
    // Runs MEL text now. Errors are written to the error log; the result of
    // the last statement, if any, is returned as text.
    MStatus executeMel(const QString& text, QString* result = nullptr);
    // As above; display: whether the text itself shows in the history (a
    // text queued with display off does not).
    MStatus executeMel(const QString& text, QString* result, bool display);
    MelInterpreter& mel();
    // Limits for every text run from now on, 0 for none (the default). A
    // text that runs more statements than steps is interrupted, as the host
    // interrupts a script; one whose variables, in all frames together,
    // would hold more than bytes stops with an error.
    void setMelStepBudget(qint64 steps);
    void setMelMemoryBudget(qint64 bytes);

    // ---- logs -----------------------------------------------------------
    // Texts longer than 4,096 characters stay whole in the history only
    // while they are among the latest eight such; older ones are kept as
    // their first 1,000 characters followed by "…(N characters)".
    // historyAdded always carries the whole text.
    QList<HistoryEntry> history() const;
    QStringList historyTexts(HistoryKind kind) const;
    void clearHistory();
    QStringList errors() const;
    void clearErrors();
    void addHistory(HistoryKind kind, const QString& text, bool display = true);
    void logError(const QString& text);
    void logWarning(const QString& text);
    void logOutput(const QString& text);

    // ---- events ---------------------------------------------------------
    static QStringList knownEvents();
    MCallbackId addEventCallback(const QString& event, MMessage::MBasicFunction function,
                                 void* clientData, MStatus* status);
    MStatus removeCallback(MCallbackId id);
    int callbackCount(const QString& event = QString()) const;
    void raiseEvent(const QString& event);

    // ---- scene: nodes and namespaces -------------------------------------
    // Nodes are named as `ls` names them: by the shortest path that is
    // unique ("arm", "hero:arm", "L_hand|thumb"). A name given may be a
    // node's own name (namespace included), a partial path "a|b" or a full
    // path "|a|b", compared exactly.
    QStringList nodes() const;
    bool nodeExists(const QString& name) const;
    QString nodeType(const QString& name) const;
    // A node at the top of the hierarchy (a DAG node for the DAG types).
    MStatus createNode(const QString& type, const QString& name);
    // Under parent (a name or path; empty for the top).
    MStatus createNode(const QString& type, const QString& name, const QString& parent);
    // Deletes the node and the DAG nodes below it.
    MStatus deleteNode(const QString& name);
    // Names of nodes matching a pattern where '*' and '?' stand for any run
    // of characters and any one; a pattern without them matches the nodes
    // of that name or path (more than one when a short name repeats under
    // different parents). ambiguous: set when an exact name matched several.
    QStringList matchNodes(const QString& pattern) const;
    QStringList matchNodes(const QString& pattern, bool* ambiguous) const;
    // Every node, in creation order.
    QList<NodeInfo> nodeInfos() const;
    QList<ReferenceInfo> references() const;

    // Full namespace names without leading or trailing colon ("hero",
    // "crowd:hero"), those added on their own and those implied by node
    // names, plus "UI" and "shared", which always exist. Sorted.
    QStringList namespaces() const;
    // Namespaces directly below parent (empty or ":" for the root), as full
    // names, in the order they came to exist ("UI" and "shared" first).
    QStringList childNamespaces(const QString& parent) const;
    bool namespaceExists(const QString& name) const;
    // The namespaces added on their own (not only implied by node names), sorted.
    QStringList explicitNamespaces() const;
    MStatus addNamespace(const QString& fullName);
    MStatus removeNamespace(const QString& fullName);
    QString currentNamespace() const; // ":" for the root
    MStatus setCurrentNamespace(const QString& name);
    // Relative-name mode (`namespace -relativeNames`): names are given and
    // read relative to the current namespace.
    bool relativeNames() const;
    void setRelativeNames(bool on);

    // ---- scene: selection -----------------------------------------------
    QStringList selection() const;
    MStatus selectByName(const QString& pattern, MGlobal::ListAdjustment adjustment);
    MStatus clearSelection();
    // Replaces the selection; raises "SelectionChanged" when it changed.
    void setSelection(const QStringList& names);

    // ---- scene: file information and file state ---------------------------
    // A scene file opens when its first line is a scene header ("//Maya
    // ASCII ... scene" or the stand-in's own); each statement runs on its
    // own, a failing one is reported with the file and line, and the rest
    // is read. A scene read with errors opens, but saving over its file
    // needs force.
    QList<QPair<QString, QString>> fileInfo() const;
    bool hasFileInfo(const QString& key) const;
    QString fileInfoValue(const QString& key) const;
    void setFileInfo(const QString& key, const QString& value);
    bool removeFileInfo(const QString& key);
    bool isModified() const;
    void setModified(bool modified);
    QString sceneName() const;
    void setSceneName(const QString& path);
    // Clears the scene: "deleteAll" then "NewSceneOpened".
    MStatus newScene();
    // "deleteAll", the scene file runs as MEL, modified cleared,
    // "SceneOpened". A file that is not a scene, or cannot be read, is
    // refused and the scene is left as it was. Fails when the read met errors.
    MStatus openScene(const QString& path);
    // Writes the scene to path (the scene name when empty): a scene read
    // from a Maya ASCII file as Maya ASCII, any other in the stand-in's own
    // form. Over a file read with errors only with force.
    MStatus saveScene(const QString& path = QString(), bool force = false);
    // The scene file text that saveScene writes.
    QString sceneFileText() const;
    // Reads a file's nodes into the scene (into namespace ns when given).
    MStatus importScene(const QString& path, const QString& ns = QString());
    // The errors of the last read that stand between the scene and its
    // file: empty unless the scene was read with errors and not yet saved.
    QStringList damageErrors() const;
    QString damagedFile() const;
    // The errors and warnings of the last scene opened, and its file.
    QString lastReadFile() const;
    QStringList lastReadErrors() const;
    QStringList lastReadWarnings() const;
    // True while a file is being read.
    bool isReading() const;
    // The project folder (`workspace`), where relative references are looked for.
    QString projectRoot() const;
    void setProjectRoot(const QString& folder);
    // When set, the files a scene makes the host read (references, imports,
    // sourced scripts) must lie in this folder; others are refused as not
    // found. For fuzzing; empty (the default) for none.
    void setReadableRoot(const QString& folder);
    bool mayRead(const QString& path) const;

    // ---- application ----------------------------------------------------
    double applicationVersion() const;
    void setApplicationVersion(double version);
    QWidget* mainWindow() const;
    void setMainWindow(QWidget* window);
    // Raises "quitApplication", then unloads every plug-in.
    void quit();

    // ---- screens --------------------------------------------------------
    // Available areas of the screens in index order; by default the
    // toolkit's own screens. Tests set several to try multi-screen rules.
    QList<QRect> screenAreas() const;
    int primaryScreen() const;
    void setScreens(const QList<QRect>& availableAreas, int primary);
    void resetScreens();

    // ---- failure seams ----------------------------------------------------
    // The next count calls of the operation fail with code. Operations:
    // "MFnPlugin", "registerCommand", "deregisterCommand", "addEventCallback",
    // "removeCallback", "selectByName", "clearSelectionList",
    // "getActiveSelectionList", "executeCommandOnIdle",
    // "executePythonCommandOnIdle", "MArgList::length", "MArgList::get".
    // "op:detail" limits it to one event or command name, e.g.
    // "addEventCallback:SceneOpened".
    void failNext(const QString& operation, MStatus::MStatusCode code = MStatus::kFailure, int count = 1);
    // Consumes an armed failure of operation (or operation:detail).
    MStatus takeFailure(const QString& operation, const QString& detail = QString());
    void clearFailures();

    // ---- call trace ---------------------------------------------------------
    // The selection calls the API received, in order, one line each:
    // "selectByName <name> <adjustment>", "clearSelectionList",
    // "getActiveSelectionList".
    QStringList traceLog() const;
    void clearTrace();
    // On by default; a long session nobody reads the trace of (the
    // sandbox) turns it off so that it does not grow without end.
    void setTracing(bool on);
    void trace(const QString& line);
    // Traces "selectByName <name> <adjustment>".
    void traceSelectByName(const QString& name, int adjustment);

signals:
    void selectionChanged();
    void sceneChanged();
    void historyAdded(int kind, const QString& text, bool display);
    void pluginsChanged();

private:
    HostSession();
    ~HostSession() override;
    // Empties nodes, namespaces, fileInfo, selection and the scene name.
    void clearScene();
    // The scene is modified and sceneChanged emitted when st succeeded
    // (once, after the read, while a file is being read).
    MStatus sceneEdit(MStatus st);
    friend class MelInterpreter;
    friend struct SessionAccess;
    std::unique_ptr<SessionData> d;
};

} // namespace qbhost
#endif
