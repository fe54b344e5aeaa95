#include <qbhost/host_session.h>

#include "../api/host_access.h"
#include "../mel/mel_interpreter.h"
#include "plugin_record.h"

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>
#include <QtCore/QFileInfo>
#include <QtCore/QHash>
#include <QtCore/QRegularExpression>
#include <QtCore/QSet>
#include <QtCore/QTimer>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QWidget>

#include <algorithm>
#include <deque>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <dlfcn.h>
#endif

namespace qbhost {

namespace {

struct CommandRecord {
    QString name;
    HostSession::CommandCreator creator = nullptr;
    void* plugin = nullptr;
};

struct CallbackRecord {
    MCallbackId id = 0;
    QString event;
    MMessage::MBasicFunction function = nullptr;
    void* clientData = nullptr;
};

struct Failure {
    MStatus::MStatusCode code = MStatus::kFailure;
    int count = 0;
};

const char* const kEvents[] = {
    "SelectionChanged", "quitApplication", "deleteAll", "NewSceneOpened", "SceneOpened",
    "SceneSaved", "NameChanged", "idle", "timeChanged", "Undo", "Redo", "PreFileNewOrOpened", "PostSceneRead", "SceneImported", "workspaceChanged",
};

// History texts longer than this are long; of those, the latest
// kWholeLongTexts are kept whole.
constexpr int kLongHistoryText = 4096;
constexpr int kWholeLongTexts = 8;

// The start of a long text and its length, marked as shortened.
QString shortHistoryText(const QString& text)
{
    int cut = 1000;
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut) + QStringLiteral("\u2026(%1 characters)").arg(text.size());
}

QString stripRoot(const QString& name)
{
    return name.startsWith(QLatin1Char(':')) ? name.mid(1) : name;
}

} // namespace

struct SessionData {
    std::vector<std::unique_ptr<PluginRecord>> plugins;
    // Modules whose initializePlugin failed stay mapped: callbacks they
    // installed before failing may still point into them.
    std::vector<std::unique_ptr<QLibrary>> failedModules;
    QHash<QString, CommandRecord> commands;
    std::deque<IdleItem> queue;
    bool autoDrain = false;
    bool drainScheduled = false;
    std::unique_ptr<MelInterpreter> mel;
    QList<HistoryEntry> history;
    // Entries whose long text is still whole, oldest first.
    std::deque<int> wholeLongTexts;
    QStringList errors;
    QList<CallbackRecord> callbacks;
    MCallbackId nextCallbackId = 1;
    QStringList nodeOrder;
    QHash<QString, QString> nodeTypes;
    QSet<QString> explicitNamespaces;
    // When each namespace first came to exist: the host lists them in
    // creation order.
    QHash<QString, quint64> namespaceRank;
    quint64 nextNamespaceRank = 1;
    QString currentNamespace = QStringLiteral(":");
    bool relativeNames = false;
    QStringList selection;
    QSet<QString> selected; // the names of selection, for lookups by name
    QList<QPair<QString, QString>> fileInfo;
    bool modified = false;
    QString sceneName;
    double applicationVersion = MAYA_API_VERSION / 10000;
    QPointer<QWidget> mainWindow;
    QList<QRect> screens;
    QStringList pluginSearchPath;
    int primaryScreen = 0;
    bool customScreens = false;
    QHash<QString, Failure> failures;
    QStringList trace;
};

// Gives the namespaces a name implies (parents first) their creation rank,
// unless they have one.
static void rankNamespaces(SessionData& d, const QString& name)
{
    int pos = name.indexOf(QLatin1Char(':'));
    while (pos > 0) {
        const QString ns = name.left(pos);
        if (!d.namespaceRank.contains(ns))
            d.namespaceRank.insert(ns, d.nextNamespaceRank++);
        pos = name.indexOf(QLatin1Char(':'), pos + 1);
    }
}

HostSession& HostSession::instance()
{
    static HostSession* session = new HostSession; // lives for the process
    return *session;
}

HostSession::HostSession() : d(new SessionData)
{
    d->mel.reset(new MelInterpreter(*this));
}

HostSession::~HostSession() = default;

void HostSession::resetForTest()
{
    for (int i = static_cast<int>(d->plugins.size()) - 1; i >= 0; --i)
        unloadPlugin(d->plugins[static_cast<size_t>(i)]->info.path);
    d->plugins.clear();
    d->commands.clear();
    d->queue.clear();
    d->callbacks.clear();
    d->history.clear();
    d->wholeLongTexts.clear();
    d->errors.clear();
    d->nodeOrder.clear();
    d->nodeTypes.clear();
    d->explicitNamespaces.clear();
    d->namespaceRank.clear();
    d->currentNamespace = QStringLiteral(":");
    d->relativeNames = false;
    d->selection.clear();
    d->selected.clear();
    d->fileInfo.clear();
    d->modified = false;
    d->sceneName.clear();
    d->applicationVersion = MAYA_API_VERSION / 10000;
    d->screens.clear();
    d->customScreens = false;
    d->primaryScreen = 0;
    d->failures.clear();
    d->trace.clear();
    d->autoDrain = false;
    d->pluginSearchPath.clear();
    d->mel.reset(new MelInterpreter(*this));
}

// ---- plug-ins ---------------------------------------------------------------

static PluginRecord* findPlugin(SessionData& d, const QString& nameOrPath)
{
    for (auto& p : d.plugins) {
        if (p->info.name == nameOrPath || p->info.path == nameOrPath
            || QFileInfo(p->info.path).absoluteFilePath() == QFileInfo(nameOrPath).absoluteFilePath())
            return p.get();
    }
    return nullptr;
}

MStatus HostSession::loadPlugin(const QString& path)
{
    const QString name = QFileInfo(path).completeBaseName();
    if (findPlugin(*d, path) || findPlugin(*d, name)) {
        logWarning(QStringLiteral("Plug-in %1 is already loaded.").arg(name));
        return MS::kSuccess;
    }
    auto record = std::make_unique<PluginRecord>();
    record->info.name = name;
    record->info.path = path;
    record->library.reset(new QLibrary(path));
    if (!record->library->load()) {
        logError(QStringLiteral("Unable to dynamically load : %1\n%2")
                     .arg(path, record->library->errorString()));
        return MS::kFailure;
    }
    // C++ linkage, as the devkit declares the entry points.
    record->initialize = reinterpret_cast<PluginRecord::Entry>(
        record->library->resolve("_Z16initializePlugin7MObject"));
    record->uninitialize = reinterpret_cast<PluginRecord::Entry>(
        record->library->resolve("_Z18uninitializePlugin7MObject"));
    if (!record->initialize || !record->uninitialize) {
        logError(QStringLiteral("Unable to find the plug-in entry points in %1").arg(path));
        record->library->unload();
        return MS::kFailure;
    }
    PluginRecord* raw = record.get();
    d->plugins.push_back(std::move(record));
    MObject object;
    QbHostAccess::setPointer(object, raw);
    MStatus st = raw->initialize(object);
    if (!st) {
        logError(QStringLiteral("initializePlugin function failed (%1)").arg(name));
        auto it = std::find_if(d->plugins.begin(), d->plugins.end(),
                               [raw](const std::unique_ptr<PluginRecord>& p) { return p.get() == raw; });
        d->failedModules.push_back(std::move((*it)->library));
        d->plugins.erase(it);
        emit pluginsChanged();
        return st;
    }
    raw->loaded = true;
    emit pluginsChanged();
    return MS::kSuccess;
}

static bool functionInModule(void* function, const QString& modulePath)
{
#if defined(__unix__) || defined(__APPLE__)
    Dl_info info;
    if (function && dladdr(function, &info) && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath()
               == QFileInfo(modulePath).canonicalFilePath();
#else
    Q_UNUSED(function);
    Q_UNUSED(modulePath);
#endif
    return false;
}

MStatus HostSession::unloadPlugin(const QString& nameOrPath)
{
    PluginRecord* record = findPlugin(*d, nameOrPath);
    if (!record) {
        logError(QStringLiteral("Plug-in %1 is not loaded.").arg(nameOrPath));
        return MS::kNotFound;
    }
    MObject object;
    QbHostAccess::setPointer(object, record);
    MStatus st = record->uninitialize(object);
    if (!st) {
        logError(QStringLiteral("uninitializePlugin function failed (%1)").arg(record->info.name));
        return st;
    }
    // Whatever the module left behind must not outlive its code.
    for (auto it = d->commands.begin(); it != d->commands.end();) {
        if (it->plugin == record) {
            logWarning(QStringLiteral("Command %1 was left registered by %2.").arg(it->name, record->info.name));
            it = d->commands.erase(it);
        } else {
            ++it;
        }
    }
    for (int i = d->callbacks.size() - 1; i >= 0; --i) {
        if (functionInModule(reinterpret_cast<void*>(d->callbacks[i].function), record->library->fileName())) {
            logWarning(QStringLiteral("A %1 callback was left installed by %2.")
                           .arg(d->callbacks[i].event, record->info.name));
            d->callbacks.removeAt(i);
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    record->library->unload();
    auto it = std::find_if(d->plugins.begin(), d->plugins.end(),
                           [record](const std::unique_ptr<PluginRecord>& p) { return p.get() == record; });
    d->plugins.erase(it);
    emit pluginsChanged();
    return MS::kSuccess;
}

QList<PluginInfo> HostSession::plugins() const
{
    QList<PluginInfo> out;
    for (const auto& p : d->plugins) {
        PluginInfo info = p->info;
        info.commands.clear();
        for (const CommandRecord& c : d->commands)
            if (c.plugin == p.get())
                info.commands << c.name;
        out << info;
    }
    return out;
}

bool HostSession::isPluginLoaded(const QString& nameOrPath) const
{
    return findPlugin(*d, nameOrPath) != nullptr;
}

void HostSession::setPluginSearchPath(const QStringList& folders)
{
    d->pluginSearchPath = folders;
}

QStringList HostSession::pluginSearchPath() const
{
    return d->pluginSearchPath;
}

// ---- commands ---------------------------------------------------------------

MStatus HostSession::registerCommand(void* plugin, const QString& name, CommandCreator creator)
{
    if (name.isEmpty() || !creator || d->commands.contains(name))
        return MS::kFailure;
    CommandRecord rec;
    rec.name = name;
    rec.creator = creator;
    rec.plugin = plugin;
    d->commands.insert(name, rec);
    return MS::kSuccess;
}

MStatus HostSession::deregisterCommand(void* plugin, const QString& name)
{
    auto it = d->commands.find(name);
    if (it == d->commands.end() || it->plugin != plugin)
        return MS::kFailure;
    d->commands.erase(it);
    return MS::kSuccess;
}

bool HostSession::hasCommand(const QString& name) const
{
    return d->commands.contains(name);
}

int HostSession::commandCount() const
{
    return d->commands.size();
}

QStringList HostSession::commandNames() const
{
    QStringList names = d->commands.keys();
    names.sort();
    return names;
}

MStatus HostSession::runCommand(const QString& name, const QList<Argument>& args)
{
    auto it = d->commands.constFind(name);
    if (it == d->commands.constEnd()) {
        logError(QStringLiteral("Cannot find procedure \"%1\".").arg(name));
        return MS::kNotFound;
    }
    MArgList list = makeArgList(args);
    MPxCommand* command = static_cast<MPxCommand*>(it->creator());
    if (!command)
        return MS::kFailure;
    MStatus st = command->doIt(list);
    delete command;
    return st;
}

// ---- idle queue -------------------------------------------------------------

MStatus HostSession::queueIdle(Language language, const QString& text)
{
    d->queue.push_back(IdleItem{language, text});
    scheduleDrain();
    return MS::kSuccess;
}

QList<IdleItem> HostSession::pendingIdle() const
{
    QList<IdleItem> out;
    for (const IdleItem& item : d->queue)
        out << item;
    return out;
}

int HostSession::pendingIdleCount() const
{
    return static_cast<int>(d->queue.size());
}

bool HostSession::runNextIdle()
{
    if (d->queue.empty())
        return false;
    IdleItem item = d->queue.front();
    d->queue.pop_front();
    if (item.language == Language::Python)
        addHistory(HistoryKind::Python, item.text);
    else
        executeMel(item.text);
    return true;
}

int HostSession::drainIdle(int limit)
{
    int ran = 0;
    while (ran < limit && runNextIdle())
        ++ran;
    return ran;
}

void HostSession::discardIdle()
{
    d->queue.clear();
}

void HostSession::setAutoDrain(bool on)
{
    d->autoDrain = on;
    scheduleDrain();
}

bool HostSession::autoDrain() const
{
    return d->autoDrain;
}

void HostSession::scheduleDrain()
{
    if (!d->autoDrain || d->drainScheduled || d->queue.empty() || !QCoreApplication::instance())
        return;
    d->drainScheduled = true;
    // A zero timer fires once the event loop has nothing else to do.
    QTimer::singleShot(0, this, [this]() {
        d->drainScheduled = false;
        if (d->autoDrain)
            drainIdle();
    });
}

// ---- MEL --------------------------------------------------------------------

MStatus HostSession::executeMel(const QString& text, QString* result)
{
    addHistory(HistoryKind::Mel, text);
    return d->mel->execute(text, result);
}

MelInterpreter& HostSession::mel()
{
    return *d->mel;
}

void HostSession::setMelStepBudget(qint64 steps)
{
    d->mel->setStepBudget(steps);
}

void HostSession::setMelMemoryBudget(qint64 bytes)
{
    d->mel->setMemoryBudget(bytes);
}

// ---- logs -------------------------------------------------------------------

QList<HistoryEntry> HostSession::history() const
{
    return d->history;
}

QStringList HostSession::historyTexts(HistoryKind kind) const
{
    QStringList out;
    for (const HistoryEntry& e : d->history)
        if (e.kind == kind)
            out << e.text;
    return out;
}

void HostSession::clearHistory()
{
    d->history.clear();
    d->wholeLongTexts.clear();
}

QStringList HostSession::errors() const
{
    return d->errors;
}

void HostSession::clearErrors()
{
    d->errors.clear();
}

void HostSession::addHistory(HistoryKind kind, const QString& text)
{
    d->history.append(HistoryEntry{kind, text});
    // Every edit queues the whole scene value (megabytes for a big picker):
    // only the latest few long texts stay whole, older ones keep their
    // start and their length, so a long session's history stays small.
    if (text.size() > kLongHistoryText) {
        d->wholeLongTexts.push_back(d->history.size() - 1);
        while (static_cast<int>(d->wholeLongTexts.size()) > kWholeLongTexts) {
            QString& old = d->history[d->wholeLongTexts.front()].text;
            old = shortHistoryText(old);
            d->wholeLongTexts.pop_front();
        }
    }
    emit historyAdded(static_cast<int>(kind), text);
}

void HostSession::logError(const QString& text)
{
    d->errors.append(text);
    addHistory(HistoryKind::Error, text);
}

void HostSession::logWarning(const QString& text)
{
    addHistory(HistoryKind::Warning, text);
}

void HostSession::logOutput(const QString& text)
{
    addHistory(HistoryKind::Output, text);
}

// ---- events -----------------------------------------------------------------

QStringList HostSession::knownEvents()
{
    QStringList out;
    for (const char* e : kEvents)
        out << QLatin1String(e);
    return out;
}

MCallbackId HostSession::addEventCallback(const QString& event, MMessage::MBasicFunction function,
                                          void* clientData, MStatus* status)
{
    MStatus st = takeFailure(QStringLiteral("addEventCallback"), event);
    if (st && (!function || !knownEvents().contains(event)))
        st = MS::kFailure;
    if (status)
        *status = st;
    if (!st)
        return 0;
    CallbackRecord rec;
    rec.id = d->nextCallbackId++;
    rec.event = event;
    rec.function = function;
    rec.clientData = clientData;
    d->callbacks.append(rec);
    return rec.id;
}

MStatus HostSession::removeCallback(MCallbackId id)
{
    QString event;
    for (const CallbackRecord& c : d->callbacks)
        if (c.id == id)
            event = c.event;
    MStatus st = takeFailure(QStringLiteral("removeCallback"), event);
    if (!st)
        return st;
    for (int i = 0; i < d->callbacks.size(); ++i) {
        if (d->callbacks[i].id == id) {
            d->callbacks.removeAt(i);
            return MS::kSuccess;
        }
    }
    return MS::kInvalidParameter;
}

int HostSession::callbackCount(const QString& event) const
{
    int n = 0;
    for (const CallbackRecord& c : d->callbacks)
        if (event.isEmpty() || c.event == event)
            ++n;
    return n;
}

void HostSession::raiseEvent(const QString& event)
{
    // Callbacks may add or remove callbacks while they run.
    QList<MCallbackId> ids;
    for (const CallbackRecord& c : d->callbacks)
        if (c.event == event)
            ids << c.id;
    for (MCallbackId id : ids) {
        for (const CallbackRecord& c : d->callbacks) {
            if (c.id == id) {
                MMessage::MBasicFunction f = c.function;
                void* data = c.clientData;
                f(data);
                break;
            }
        }
    }
}

// ---- scene: nodes and namespaces --------------------------------------------

QStringList HostSession::nodes() const
{
    return d->nodeOrder;
}

bool HostSession::nodeExists(const QString& name) const
{
    return d->nodeTypes.contains(stripRoot(name));
}

QString HostSession::nodeType(const QString& name) const
{
    return d->nodeTypes.value(stripRoot(name));
}

MStatus HostSession::createNode(const QString& type, const QString& rawName)
{
    const QString name = stripRoot(rawName);
    if (name.isEmpty() || name.endsWith(QLatin1Char(':')) || d->nodeTypes.contains(name))
        return MS::kInvalidParameter;
    d->nodeOrder.append(name);
    d->nodeTypes.insert(name, type);
    rankNamespaces(*d, name);
    d->modified = true;
    emit sceneChanged();
    return MS::kSuccess;
}

MStatus HostSession::deleteNode(const QString& rawName)
{
    const QString name = stripRoot(rawName);
    if (!d->nodeTypes.remove(name))
        return MS::kInvalidParameter;
    d->nodeOrder.removeOne(name);
    d->modified = true;
    if (d->selected.contains(name)) {
        QStringList sel = d->selection;
        sel.removeAll(name);
        setSelection(sel);
    }
    emit sceneChanged();
    return MS::kSuccess;
}

QStringList HostSession::matchNodes(const QString& rawPattern) const
{
    const QString pattern = stripRoot(rawPattern);
    if (!pattern.contains(QLatin1Char('*')) && !pattern.contains(QLatin1Char('?'))) {
        if (d->nodeTypes.contains(pattern))
            return QStringList{pattern};
        return QStringList();
    }
    // As in the host, '*' and '?' stay within one namespace level.
    QString rx;
    for (QChar c : pattern) {
        if (c == QLatin1Char('*'))
            rx += QStringLiteral("[^:]*");
        else if (c == QLatin1Char('?'))
            rx += QStringLiteral("[^:]");
        else
            rx += QRegularExpression::escape(QString(c));
    }
    const QRegularExpression re(QRegularExpression::anchoredPattern(rx));
    QStringList out;
    for (const QString& n : d->nodeOrder)
        if (re.match(n).hasMatch())
            out << n;
    return out;
}

static void addImpliedNamespaces(const QString& nodeName, QSet<QString>& out)
{
    int pos = nodeName.indexOf(QLatin1Char(':'));
    while (pos > 0) {
        out.insert(nodeName.left(pos));
        pos = nodeName.indexOf(QLatin1Char(':'), pos + 1);
    }
}

QStringList HostSession::namespaces() const
{
    QSet<QString> all = d->explicitNamespaces;
    for (const QString& n : d->nodeOrder)
        addImpliedNamespaces(n, all);
    // Parents of explicit nested namespaces exist too.
    for (const QString& ns : d->explicitNamespaces)
        addImpliedNamespaces(ns + QLatin1Char(':'), all);
    all.insert(QStringLiteral("UI"));
    all.insert(QStringLiteral("shared"));
    QStringList out = all.values();
    out.sort();
    return out;
}

QStringList HostSession::childNamespaces(const QString& rawParent) const
{
    QString parent = stripRoot(rawParent);
    if (parent.endsWith(QLatin1Char(':')))
        parent.chop(1);
    QStringList out;
    for (const QString& ns : namespaces()) {
        if (parent.isEmpty()) {
            if (!ns.contains(QLatin1Char(':')))
                out << ns;
        } else if (ns.startsWith(parent + QLatin1Char(':'))
                   && !ns.mid(parent.size() + 1).contains(QLatin1Char(':'))) {
            out << ns;
        }
    }
    // "UI" and "shared" exist before anything else (rank 0).
    std::stable_sort(out.begin(), out.end(), [this](const QString& a, const QString& b) {
        return d->namespaceRank.value(a, 0) < d->namespaceRank.value(b, 0);
    });
    return out;
}

bool HostSession::namespaceExists(const QString& rawName) const
{
    QString name = stripRoot(rawName);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    if (name.isEmpty())
        return true; // the root
    return namespaces().contains(name);
}

QStringList HostSession::explicitNamespaces() const
{
    QStringList out = d->explicitNamespaces.values();
    out.sort();
    return out;
}

MStatus HostSession::addNamespace(const QString& rawName)
{
    QString name = stripRoot(rawName);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    if (name.isEmpty() || namespaceExists(name))
        return MS::kInvalidParameter;
    d->explicitNamespaces.insert(name);
    rankNamespaces(*d, name + QLatin1Char(':'));
    d->modified = true;
    emit sceneChanged();
    return MS::kSuccess;
}

MStatus HostSession::removeNamespace(const QString& rawName)
{
    QString name = stripRoot(rawName);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    if (name == QLatin1String("UI") || name == QLatin1String("shared") || !namespaceExists(name))
        return MS::kInvalidParameter;
    // The host refuses to remove a namespace that still holds something.
    const QString prefix = name + QLatin1Char(':');
    for (const QString& n : d->nodeOrder)
        if (n.startsWith(prefix))
            return MS::kFailure;
    for (const QString& ns : d->explicitNamespaces)
        if (ns.startsWith(prefix))
            return MS::kFailure;
    d->explicitNamespaces.remove(name);
    if (d->currentNamespace == name)
        d->currentNamespace = QStringLiteral(":");
    d->modified = true;
    emit sceneChanged();
    return MS::kSuccess;
}

QString HostSession::currentNamespace() const
{
    return d->currentNamespace;
}

bool HostSession::relativeNames() const
{
    return d->relativeNames;
}

void HostSession::setRelativeNames(bool on)
{
    d->relativeNames = on;
}

MStatus HostSession::setCurrentNamespace(const QString& rawName)
{
    QString name = rawName;
    if (name == QLatin1String(":") || name.isEmpty()) {
        d->currentNamespace = QStringLiteral(":");
        return MS::kSuccess;
    }
    name = stripRoot(name);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    if (!namespaceExists(name))
        return MS::kInvalidParameter;
    d->currentNamespace = name;
    return MS::kSuccess;
}

// ---- scene: selection -------------------------------------------------------

QStringList HostSession::selection() const
{
    return d->selection;
}

void HostSession::setSelection(const QStringList& names)
{
    if (names == d->selection)
        return;
    d->selection = names;
    d->selected = QSet<QString>(names.begin(), names.end());
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
    if (adjustment == MGlobal::kAddToList) {
        // Adding by name costs the names added, not the selection's size:
        // a caller selecting n nodes one by one stays linear.
        bool changed = false;
        for (const QString& m : matches) {
            if (d->selected.contains(m))
                continue;
            d->selected.insert(m);
            d->selection << m;
            changed = true;
        }
        if (changed) {
            emit selectionChanged();
            raiseEvent(QStringLiteral("SelectionChanged"));
        }
        return MS::kSuccess;
    }
    QStringList sel;
    QSet<QString> present;
    auto append = [&](const QString& m) {
        if (!present.contains(m)) {
            present.insert(m);
            sel << m;
        }
    };
    switch (adjustment) {
    case MGlobal::kReplaceList:
    case MGlobal::kAddToList:
        for (const QString& m : matches)
            append(m);
        break;
    case MGlobal::kXORWithList:
    case MGlobal::kRemoveFromList: {
        sel = d->selection;
        present = d->selected;
        for (const QString& m : matches) {
            if (present.remove(m))
                sel.removeAll(m);
            else if (adjustment == MGlobal::kXORWithList)
                append(m);
        }
        break;
    }
    case MGlobal::kAddToHeadOfList:
        for (const QString& m : matches)
            append(m);
        for (const QString& s : d->selection)
            append(s);
        break;
    }
    setSelection(sel);
    return MS::kSuccess;
}

MStatus HostSession::clearSelection()
{
    setSelection(QStringList());
    return MS::kSuccess;
}

// ---- scene: file information and file state -----------------------------------

QList<QPair<QString, QString>> HostSession::fileInfo() const
{
    return d->fileInfo;
}

bool HostSession::hasFileInfo(const QString& key) const
{
    for (const auto& kv : d->fileInfo)
        if (kv.first == key)
            return true;
    return false;
}

QString HostSession::fileInfoValue(const QString& key) const
{
    for (const auto& kv : d->fileInfo)
        if (kv.first == key)
            return kv.second;
    return QString();
}

void HostSession::setFileInfo(const QString& key, const QString& value)
{
    for (auto& kv : d->fileInfo) {
        if (kv.first == key) {
            kv.second = value;
            return;
        }
    }
    d->fileInfo.append(qMakePair(key, value));
}

bool HostSession::removeFileInfo(const QString& key)
{
    for (int i = 0; i < d->fileInfo.size(); ++i) {
        if (d->fileInfo[i].first == key) {
            d->fileInfo.removeAt(i);
            return true;
        }
    }
    return false;
}

bool HostSession::isModified() const
{
    return d->modified;
}

void HostSession::setModified(bool modified)
{
    if (d->modified == modified)
        return;
    d->modified = modified;
    emit sceneChanged();
}

QString HostSession::sceneName() const
{
    return d->sceneName;
}

void HostSession::setSceneName(const QString& path)
{
    d->sceneName = path;
    emit sceneChanged();
}

void HostSession::clearScene()
{
    d->nodeOrder.clear();
    d->nodeTypes.clear();
    d->explicitNamespaces.clear();
    d->namespaceRank.clear();
    d->currentNamespace = QStringLiteral(":");
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

double HostSession::applicationVersion() const
{
    return d->applicationVersion;
}

void HostSession::setApplicationVersion(double version)
{
    d->applicationVersion = version;
}

QWidget* HostSession::mainWindow() const
{
    return d->mainWindow.data();
}

void HostSession::setMainWindow(QWidget* window)
{
    d->mainWindow = window;
}

void HostSession::quit()
{
    raiseEvent(QStringLiteral("quitApplication"));
    for (int i = static_cast<int>(d->plugins.size()) - 1; i >= 0; --i)
        unloadPlugin(d->plugins[static_cast<size_t>(i)]->info.path);
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

// ---- failure seams ----------------------------------------------------------

void HostSession::failNext(const QString& operation, MStatus::MStatusCode code, int count)
{
    d->failures.insert(operation, Failure{code, count});
}

MStatus HostSession::takeFailure(const QString& operation, const QString& detail)
{
    for (const QString& key : {operation + QLatin1Char(':') + detail, operation}) {
        if (key.endsWith(QLatin1Char(':')))
            continue;
        auto it = d->failures.find(key);
        if (it != d->failures.end() && it->count > 0) {
            const MStatus::MStatusCode code = it->code;
            if (--it->count == 0)
                d->failures.erase(it);
            return MStatus(code);
        }
    }
    return MS::kSuccess;
}

void HostSession::clearFailures()
{
    d->failures.clear();
}

QStringList HostSession::traceLog() const
{
    return d->trace;
}

void HostSession::clearTrace()
{
    d->trace.clear();
}

void HostSession::trace(const QString& line)
{
    d->trace.append(line);
}

} // namespace qbhost
