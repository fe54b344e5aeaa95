// The session facade: each part of the simulated host lives in its own
// class (plug-ins, idle queue, history, callbacks, nodes, selection, file
// information); this file ties them together and raises the events and
// signals that cross between them.
#include <qbhost/host_session.h>

#include "../mel/mel_interpreter.h"
#include "event_callbacks.h"
#include "failure_seams.h"
#include "call_trace.h"
#include "file_info.h"
#include "history_log.h"
#include "host_selection.h"
#include "idle_queue.h"
#include "plugin_registry.h"
#include "scene_nodes.h"

#include <QtCore/QPointer>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QWidget>

namespace qbhost {

struct SessionData {
    explicit SessionData(HostSession& session)
        : plugins(session, callbacks), queue(session)
    {
    }
    EventCallbacks callbacks;
    PluginRegistry plugins;
    IdleQueue queue;
    std::unique_ptr<MelInterpreter> mel;
    HistoryLog history;
    SceneNodes nodes;
    HostSelection selection;
    FileInfo fileInfo;
    bool modified = false;
    QString sceneName;
    double applicationVersion = MAYA_API_VERSION / 10000;
    QPointer<QWidget> mainWindow;
    QList<QRect> screens;
    int primaryScreen = 0;
    bool customScreens = false;
    FailureSeams failures;
    CallTrace trace;
    bool tracing = true;
};

HostSession& HostSession::instance()
{
    static HostSession* session = new HostSession; // lives for the process
    return *session;
}

HostSession::HostSession() : d(new SessionData(*this))
{
    d->mel.reset(new MelInterpreter(*this));
}

HostSession::~HostSession() = default;

void HostSession::resetForTest()
{
    // Plug-ins go first: unloading runs their code against the session.
    d->plugins.reset();
    d->queue.reset();
    d->callbacks.clear();
    d->history.clear();
    d->history.clearErrors();
    d->nodes.clear();
    d->nodes.setRelativeNames(false);
    d->selection.set(QStringList());
    d->fileInfo.clear();
    d->modified = false;
    d->sceneName.clear();
    d->applicationVersion = MAYA_API_VERSION / 10000;
    resetScreens();
    d->failures.clear();
    d->trace.clear();
    d->tracing = true;
    d->mel.reset(new MelInterpreter(*this));
}

// ---- plug-ins and commands ----------------------------------------------------

MStatus HostSession::loadPlugin(const QString& path) { return d->plugins.load(path); }
MStatus HostSession::unloadPlugin(const QString& nameOrPath) { return d->plugins.unload(nameOrPath); }
QList<PluginInfo> HostSession::plugins() const { return d->plugins.plugins(); }
bool HostSession::isPluginLoaded(const QString& nameOrPath) const { return d->plugins.isLoaded(nameOrPath); }
void HostSession::setPluginSearchPath(const QStringList& folders) { d->plugins.setSearchPath(folders); }
QStringList HostSession::pluginSearchPath() const { return d->plugins.searchPath(); }

MStatus HostSession::registerCommand(void* plugin, const QString& name, CommandCreator creator)
{
    return d->plugins.registerCommand(plugin, name, creator);
}

MStatus HostSession::deregisterCommand(void* plugin, const QString& name)
{
    return d->plugins.deregisterCommand(plugin, name);
}

bool HostSession::hasCommand(const QString& name) const { return d->plugins.hasCommand(name); }
int HostSession::commandCount() const { return d->plugins.commandCount(); }
QStringList HostSession::commandNames() const { return d->plugins.commandNames(); }

MStatus HostSession::runCommand(const QString& name, const QList<Argument>& args)
{
    return d->plugins.runCommand(name, args);
}

// ---- idle queue -------------------------------------------------------------

MStatus HostSession::queueIdle(Language language, const QString& text)
{
    d->queue.push(language, text);
    return MS::kSuccess;
}

QList<IdleItem> HostSession::pendingIdle() const { return d->queue.pending(); }
int HostSession::pendingIdleCount() const { return d->queue.count(); }
bool HostSession::runNextIdle() { return d->queue.runNext(); }
int HostSession::drainIdle(int limit) { return d->queue.drain(limit); }
void HostSession::discardIdle() { d->queue.discard(); }
void HostSession::setAutoDrain(bool on) { d->queue.setAutoDrain(on); }
bool HostSession::autoDrain() const { return d->queue.autoDrain(); }

// ---- MEL --------------------------------------------------------------------

MStatus HostSession::executeMel(const QString& text, QString* result)
{
    addHistory(HistoryKind::Mel, text);
    return d->mel->execute(text, result);
}

MelInterpreter& HostSession::mel() { return *d->mel; }
void HostSession::setMelStepBudget(qint64 steps) { d->mel->setStepBudget(steps); }
void HostSession::setMelMemoryBudget(qint64 bytes) { d->mel->setMemoryBudget(bytes); }

// ---- logs -------------------------------------------------------------------

QList<HistoryEntry> HostSession::history() const { return d->history.entries(); }
QStringList HostSession::historyTexts(HistoryKind kind) const { return d->history.texts(kind); }
void HostSession::clearHistory() { d->history.clear(); }
QStringList HostSession::errors() const { return d->history.errors(); }
void HostSession::clearErrors() { d->history.clearErrors(); }

void HostSession::addHistory(HistoryKind kind, const QString& text)
{
    d->history.add(kind, text);
    emit historyAdded(static_cast<int>(kind), text);
}

void HostSession::logError(const QString& text)
{
    d->history.addError(text);
    addHistory(HistoryKind::Error, text);
}

void HostSession::logWarning(const QString& text) { addHistory(HistoryKind::Warning, text); }
void HostSession::logOutput(const QString& text) { addHistory(HistoryKind::Output, text); }

// ---- events -----------------------------------------------------------------

QStringList HostSession::knownEvents() { return EventCallbacks::knownEvents(); }

MCallbackId HostSession::addEventCallback(const QString& event, MMessage::MBasicFunction function,
                                          void* clientData, MStatus* status)
{
    MStatus st = takeFailure(QStringLiteral("addEventCallback"), event);
    if (st && (!function || !EventCallbacks::isKnownEvent(event)))
        st = MS::kFailure;
    if (status)
        *status = st;
    if (!st)
        return 0;
    return d->callbacks.add(event, function, clientData);
}

MStatus HostSession::removeCallback(MCallbackId id)
{
    MStatus st = takeFailure(QStringLiteral("removeCallback"), d->callbacks.eventOf(id));
    if (!st)
        return st;
    return d->callbacks.remove(id) ? MS::kSuccess : MS::kInvalidParameter;
}

int HostSession::callbackCount(const QString& event) const { return d->callbacks.count(event); }
void HostSession::raiseEvent(const QString& event) { d->callbacks.raise(event); }

// ---- scene: nodes and namespaces --------------------------------------------

QStringList HostSession::nodes() const { return d->nodes.nodes(); }
bool HostSession::nodeExists(const QString& name) const { return d->nodes.exists(name); }
QString HostSession::nodeType(const QString& name) const { return d->nodes.type(name); }

MStatus HostSession::sceneEdit(MStatus st)
{
    if (st) {
        d->modified = true;
        emit sceneChanged();
    }
    return st;
}

MStatus HostSession::createNode(const QString& type, const QString& name)
{
    return sceneEdit(d->nodes.create(type, name));
}

MStatus HostSession::deleteNode(const QString& rawName)
{
    const MStatus st = d->nodes.remove(rawName);
    if (!st)
        return st;
    d->modified = true;
    // The name as stored: the one the selection holds.
    const QString name = rawName.startsWith(QLatin1Char(':')) ? rawName.mid(1) : rawName;
    if (d->selection.contains(name)) {
        QStringList sel = d->selection.names();
        sel.removeAll(name);
        setSelection(sel);
    }
    emit sceneChanged();
    return st;
}

QStringList HostSession::matchNodes(const QString& pattern) const { return d->nodes.match(pattern); }
QStringList HostSession::namespaces() const { return d->nodes.namespaces(); }
QStringList HostSession::childNamespaces(const QString& parent) const { return d->nodes.childNamespaces(parent); }
bool HostSession::namespaceExists(const QString& name) const { return d->nodes.namespaceExists(name); }
QStringList HostSession::explicitNamespaces() const { return d->nodes.explicitNamespaces(); }

MStatus HostSession::addNamespace(const QString& fullName)
{
    return sceneEdit(d->nodes.addNamespace(fullName));
}

MStatus HostSession::removeNamespace(const QString& fullName)
{
    return sceneEdit(d->nodes.removeNamespace(fullName));
}

QString HostSession::currentNamespace() const { return d->nodes.currentNamespace(); }
MStatus HostSession::setCurrentNamespace(const QString& name) { return d->nodes.setCurrentNamespace(name); }
bool HostSession::relativeNames() const { return d->nodes.relativeNames(); }
void HostSession::setRelativeNames(bool on) { d->nodes.setRelativeNames(on); }

// ---- scene: selection -------------------------------------------------------

QStringList HostSession::selection() const { return d->selection.names(); }

void HostSession::setSelection(const QStringList& names)
{
    if (!d->selection.set(names))
        return;
    emit selectionChanged();
    raiseEvent(QStringLiteral("SelectionChanged"));
}

MStatus HostSession::selectByName(const QString& pattern, MGlobal::ListAdjustment adjustment)
{
    const QStringList matches = matchNodes(pattern);
    if (matches.isEmpty()) {
        logWarning(QStringLiteral("No object matches name: %1").arg(pattern));
        return MS::kInvalidParameter;
    }
    if (d->selection.adjust(matches, adjustment)) {
        emit selectionChanged();
        raiseEvent(QStringLiteral("SelectionChanged"));
    }
    return MS::kSuccess;
}

MStatus HostSession::clearSelection()
{
    setSelection(QStringList());
    return MS::kSuccess;
}

// ---- scene: file information and file state -----------------------------------

QList<QPair<QString, QString>> HostSession::fileInfo() const { return d->fileInfo.entries(); }
bool HostSession::hasFileInfo(const QString& key) const { return d->fileInfo.has(key); }
QString HostSession::fileInfoValue(const QString& key) const { return d->fileInfo.value(key); }
void HostSession::setFileInfo(const QString& key, const QString& value) { d->fileInfo.set(key, value); }
bool HostSession::removeFileInfo(const QString& key) { return d->fileInfo.remove(key); }
bool HostSession::isModified() const { return d->modified; }

void HostSession::setModified(bool modified)
{
    if (d->modified == modified)
        return;
    d->modified = modified;
    emit sceneChanged();
}

QString HostSession::sceneName() const { return d->sceneName; }

void HostSession::setSceneName(const QString& path)
{
    d->sceneName = path;
    emit sceneChanged();
}

void HostSession::clearScene()
{
    d->nodes.clear();
    d->fileInfo.clear();
    d->sceneName.clear();
    setSelection(QStringList());
    d->modified = false;
    emit sceneChanged();
}

MStatus HostSession::newScene()
{
    raiseEvent(QStringLiteral("deleteAll"));
    clearScene();
    raiseEvent(QStringLiteral("NewSceneOpened"));
    return MS::kSuccess;
}

// ---- application ------------------------------------------------------------

double HostSession::applicationVersion() const { return d->applicationVersion; }
void HostSession::setApplicationVersion(double version) { d->applicationVersion = version; }
QWidget* HostSession::mainWindow() const { return d->mainWindow.data(); }
void HostSession::setMainWindow(QWidget* window) { d->mainWindow = window; }

void HostSession::quit()
{
    raiseEvent(QStringLiteral("quitApplication"));
    d->plugins.unloadAll();
}

// ---- screens ----------------------------------------------------------------

QList<QRect> HostSession::screenAreas() const
{
    if (d->customScreens)
        return d->screens;
    QList<QRect> out;
    for (QScreen* s : QGuiApplication::screens())
        out << s->availableGeometry();
    return out;
}

int HostSession::primaryScreen() const
{
    if (d->customScreens)
        return d->primaryScreen;
    const QList<QScreen*> screens = QGuiApplication::screens();
    const int i = screens.indexOf(QGuiApplication::primaryScreen());
    return i < 0 ? 0 : i;
}

void HostSession::setScreens(const QList<QRect>& availableAreas, int primary)
{
    d->screens = availableAreas;
    d->primaryScreen = primary;
    d->customScreens = true;
}

void HostSession::resetScreens()
{
    d->screens.clear();
    d->customScreens = false;
    d->primaryScreen = 0;
}

// ---- failure seams and call trace ---------------------------------------------

void HostSession::failNext(const QString& operation, MStatus::MStatusCode code, int count)
{
    d->failures.arm(operation, code, count);
}

MStatus HostSession::takeFailure(const QString& operation, const QString& detail)
{
    return d->failures.take(operation, detail);
}

void HostSession::clearFailures() { d->failures.clear(); }
QStringList HostSession::traceLog() const { return d->trace.lines(); }
void HostSession::clearTrace() { d->trace.clear(); }

void HostSession::setTracing(bool on)
{
    d->tracing = on;
    if (!on)
        d->trace.clear();
}

void HostSession::trace(const QString& line)
{
    if (d->tracing)
        d->trace.add(line);
}

void HostSession::traceSelectByName(const QString& name, int adjustment)
{
    if (d->tracing)
        d->trace.addSelectByName(d->nodes.sharedName(name), adjustment);
}

} // namespace qbhost
