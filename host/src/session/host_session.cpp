// The session facade: each part of the simulated host lives in its own
// class (plug-ins, idle queue, history, callbacks, the scene, selection);
// this file ties them together and raises the events and signals that cross
// between them.
#include <maya/MSceneMessage.h>
#include <qbhost/host_session.h>

#include "scene_ops.h"
#include "../scene/node_types.h"
#include "session_data.h"

#include <QtCore/QFileInfo>
#include <QtCore/QPointer>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QWidget>

namespace qbhost {

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
    d->undo.clear();
    d->history.clear();
    d->history.clearErrors();
    d->scene.graph.clear();
    d->scene.graph.namespaces().setRelativeNames(false);
    d->scene.connections.clear();
    d->scene.references.clear();
    d->scene.document.clear();
    d->scene.missingPlugins.clear();
    d->selection.set({});
    d->selectionNamesValid = false;
    d->scene.fileInfo.clear();
    d->modified = false;
    d->sceneName.clear();
    d->damagedFile.clear();
    d->damageErrors.clear();
    d->lastReadFile.clear();
    d->lastReadErrors.clear();
    d->lastReadWarnings.clear();
    d->projectRoot.clear();
    d->readableRoot.clear();
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

MStatus HostSession::queueIdle(Language language, const QString& text, bool display)
{
    d->queue.push(language, text, display);
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
    return executeMel(text, result, true);
}

MStatus HostSession::executeMel(const QString& text, QString* result, bool display)
{
    addHistory(HistoryKind::Mel, text, display);
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

void HostSession::addHistory(HistoryKind kind, const QString& text, bool display)
{
    d->history.add(kind, text, display);
    emit historyAdded(static_cast<int>(kind), text, display);
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

QStringList HostSession::nodes() const
{
    const SceneGraph& g = d->scene.graph;
    if (d->nodeNamesGeneration != g.namesGeneration() || d->nodeNamesCount != g.count()) {
        QStringList names;
        names.reserve(g.count());
        for (NodeId id : g.ids())
            names << g.shortestPath(id);
        d->nodeNames = names;
        d->nodeNamesGeneration = g.namesGeneration();
        d->nodeNamesCount = g.count();
    }
    return d->nodeNames;
}

bool HostSession::nodeExists(const QString& name) const { return !d->scene.graph.findExact(name).empty(); }

QString HostSession::nodeType(const QString& name) const
{
    const std::vector<NodeId> ids = d->scene.graph.findExact(name);
    return ids.empty() ? QString() : d->scene.graph.node(ids.front())->type;
}

MStatus HostSession::sceneEdit(MStatus st)
{
    if (st) {
        d->modified = true;
        if (!d->reading)
            emit sceneChanged();
    }
    return st;
}

MStatus HostSession::createNode(const QString& type, const QString& name)
{
    return createNode(type, name, QString());
}

MStatus HostSession::createNode(const QString& type, const QString& rawName, const QString& parentName)
{
    const QString name = rawName.startsWith(QLatin1Char(':')) ? rawName.mid(1) : rawName;
    if (!sceneops::validNodeName(name))
        return MS::kInvalidParameter;
    NodeId parent = 0;
    if (!parentName.isEmpty()) {
        const std::vector<NodeId> found = d->scene.graph.findExact(parentName);
        if (found.size() != 1)
            return MS::kInvalidParameter;
        parent = found.front();
    }
    const bool dag = parent || NodeTypes::instance().info(type).dag;
    if (!d->scene.graph.nameFree(name, parent, dag))
        return MS::kInvalidParameter;
    sceneops::create(*this, type, name, parent);
    return MS::kSuccess;
}

MStatus HostSession::deleteNode(const QString& name)
{
    const std::vector<NodeId> ids = d->scene.graph.findExact(name);
    if (ids.size() != 1)
        return MS::kInvalidParameter;
    QString error;
    if (!sceneops::remove(*this, ids, &error))
        return MS::kFailure;
    return MS::kSuccess;
}

QStringList HostSession::matchNodes(const QString& pattern) const { return matchNodes(pattern, nullptr); }

QStringList HostSession::matchNodes(const QString& pattern, bool* ambiguous) const
{
    const SceneGraph& g = d->scene.graph;
    const std::vector<NodeId> ids = g.match(pattern);
    if (ambiguous)
        *ambiguous = ids.size() > 1 && !SceneGraph::hasWildcard(pattern);
    QStringList out;
    out.reserve(static_cast<int>(ids.size()));
    for (NodeId id : ids)
        out << g.shortestPath(id);
    return out;
}

QList<NodeInfo> HostSession::nodeInfos() const
{
    const SceneGraph& g = d->scene.graph;
    QList<NodeInfo> out;
    for (NodeId id : g.ids()) {
        const NodeRecord* n = g.node(id);
        NodeInfo info;
        info.id = id;
        info.name = n->name;
        info.path = g.shortestPath(id);
        info.fullPath = g.fullPath(id);
        info.type = n->type;
        info.parent = n->parent;
        info.dag = n->dag;
        info.isDefault = n->isDefault;
        info.locked = n->locked;
        if (const ReferenceRecord* r = d->scene.references.get(n->reference))
            info.reference = r->referenceNode;
        out << info;
    }
    return out;
}

QList<ReferenceInfo> HostSession::references() const
{
    QList<ReferenceInfo> out;
    for (const ReferenceRecord* r : d->scene.references.all()) {
        ReferenceInfo info;
        info.referenceNode = r->referenceNode;
        info.file = r->file;
        info.resolvedFile = r->resolved;
        info.ns = r->ns;
        info.loaded = r->loaded;
        if (const ReferenceRecord* p = d->scene.references.get(r->parent))
            info.parentReference = p->referenceNode;
        out << info;
    }
    return out;
}

QStringList HostSession::namespaces() const { return d->scene.graph.namespaces().namespaces(); }
QStringList HostSession::childNamespaces(const QString& parent) const
{
    return d->scene.graph.namespaces().childNamespaces(parent);
}
bool HostSession::namespaceExists(const QString& name) const { return d->scene.graph.namespaces().exists(name); }
QStringList HostSession::explicitNamespaces() const { return d->scene.graph.namespaces().explicitNamespaces(); }

MStatus HostSession::addNamespace(const QString& fullName)
{
    return sceneEdit(d->scene.graph.namespaces().add(fullName));
}

MStatus HostSession::removeNamespace(const QString& fullName)
{
    return sceneEdit(d->scene.graph.namespaces().remove(fullName));
}

QString HostSession::currentNamespace() const { return d->scene.graph.namespaces().current(); }
MStatus HostSession::setCurrentNamespace(const QString& name) { return d->scene.graph.namespaces().setCurrent(name); }
bool HostSession::relativeNames() const { return d->scene.graph.namespaces().relativeNames(); }
void HostSession::setRelativeNames(bool on) { d->scene.graph.namespaces().setRelativeNames(on); }

// ---- scene: selection -------------------------------------------------------

QStringList HostSession::selection() const
{
    const SceneGraph& g = d->scene.graph;
    if (!d->selectionNamesValid || d->selectionNamesGeneration != g.namesGeneration()) {
        QStringList names;
        names.reserve(static_cast<int>(d->selection.ids().size()));
        for (NodeId id : d->selection.ids())
            names << g.shortestPath(id);
        d->selectionNames = names;
        d->selectionNamesGeneration = g.namesGeneration();
        d->selectionNamesValid = true;
    }
    return d->selectionNames;
}

void HostSession::setSelection(const QStringList& names)
{
    std::vector<NodeId> ids;
    ids.reserve(static_cast<size_t>(names.size()));
    for (const QString& name : names)
        for (NodeId id : d->scene.graph.findExact(name))
            ids.push_back(id);
    if (!d->selection.set(ids))
        return;
    d->selectionNamesValid = false;
    emit selectionChanged();
    raiseEvent(QStringLiteral("SelectionChanged"));
}

MStatus HostSession::selectByName(const QString& pattern, MGlobal::ListAdjustment adjustment)
{
    const SceneGraph& g = d->scene.graph;
    const std::vector<NodeId> matches = g.match(pattern);
    if (matches.empty()) {
        logWarning(QStringLiteral("No object matches name: %1").arg(pattern));
        return MS::kInvalidParameter;
    }
    if (matches.size() > 1 && !SceneGraph::hasWildcard(pattern)) {
        logWarning(QStringLiteral("More than one object matches name: %1").arg(pattern));
        return MS::kInvalidParameter;
    }
    bool appended = false;
    const size_t before = d->selection.ids().size();
    if (d->selection.adjust(matches, adjustment, &appended)) {
        // Names kept in step while they are added one by one: a select of
        // thousands reads its list back without rebuilding it each time.
        if (appended && d->selectionNamesValid && d->selectionNamesGeneration == g.namesGeneration()) {
            const std::vector<NodeId>& ids = d->selection.ids();
            for (size_t i = before; i < ids.size(); ++i)
                d->selectionNames << g.shortestPath(ids[i]);
        } else {
            d->selectionNamesValid = false;
        }
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

QList<QPair<QString, QString>> HostSession::fileInfo() const { return d->scene.fileInfo.entries(); }
bool HostSession::hasFileInfo(const QString& key) const { return d->scene.fileInfo.has(key); }
QString HostSession::fileInfoValue(const QString& key) const { return d->scene.fileInfo.value(key); }
void HostSession::setFileInfo(const QString& key, const QString& value) { d->scene.fileInfo.set(key, value); }
bool HostSession::removeFileInfo(const QString& key) { return d->scene.fileInfo.remove(key); }
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
    d->scene.graph.clear();
    d->scene.connections.clear();
    d->scene.references.clear();
    d->scene.document.clear();
    d->scene.missingPlugins.clear();
    d->scene.fileInfo.clear();
    d->sceneName.clear();
    d->damagedFile.clear();
    d->damageErrors.clear();
    d->referenceDeferred.clear();
    // A new or opened scene starts with an empty undo queue, as in the host.
    d->undo.clear();
    d->linearUnit = QStringLiteral("cm");
    d->angularUnit = QStringLiteral("deg");
    d->timeUnit = QStringLiteral("film");
    setSelection(QStringList());
    d->selectionNamesValid = false;
    d->modified = false;
    emit sceneChanged();
}

MStatus HostSession::newScene()
{
    raiseEvent(QStringLiteral("deleteAll"));
    clearScene();
    raiseEvent(QStringLiteral("NewSceneOpened"));
    d->callbacks.raiseScene(MSceneMessage::kAfterNew);
    return MS::kSuccess;
}

QStringList HostSession::damageErrors() const { return d->damageErrors; }
QString HostSession::damagedFile() const { return d->damagedFile; }
QString HostSession::lastReadFile() const { return d->lastReadFile; }
QStringList HostSession::lastReadErrors() const { return d->lastReadErrors; }
QStringList HostSession::lastReadWarnings() const { return d->lastReadWarnings; }
bool HostSession::isReading() const { return d->reading != nullptr; }
QString HostSession::projectRoot() const { return d->projectRoot; }
void HostSession::setProjectRoot(const QString& folder) { d->projectRoot = folder; }
void HostSession::setReadableRoot(const QString& folder) { d->readableRoot = folder; }

bool HostSession::mayRead(const QString& path) const
{
    if (d->readableRoot.isEmpty())
        return true;
    const QString root = QFileInfo(d->readableRoot).canonicalFilePath();
    const QString file = QFileInfo(path).canonicalFilePath();
    return !root.isEmpty() && !file.isEmpty() && file.startsWith(root + QLatin1Char('/'));
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
    if (!d->tracing)
        return;
    // The scene's own copy of the name where it has one: a select of
    // thousands holds no copies.
    const std::vector<NodeId> ids = d->scene.graph.findExact(name);
    const NodeRecord* n = ids.size() == 1 ? d->scene.graph.node(ids.front()) : nullptr;
    d->trace.addSelectByName(n && n->name == name ? n->name : name, adjustment);
}

} // namespace qbhost
