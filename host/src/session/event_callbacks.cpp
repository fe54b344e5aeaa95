#include "event_callbacks.h"
#include "../api/host_access.h"
#include "../api/node_access.h"

#include <QtCore/QFileInfo>

#if defined(__unix__) || defined(__APPLE__)
#include <dlfcn.h>
#endif

namespace qbhost {

namespace {

const char* const kEvents[] = {
    "SelectionChanged", "quitApplication", "deleteAll", "NewSceneOpened", "SceneOpened",
    "SceneSaved", "NameChanged", "idle", "timeChanged", "Undo", "Redo", "PreFileNewOrOpened", "PostSceneRead", "SceneImported", "workspaceChanged",
};

bool functionInModule(void* function, const QString& modulePath)
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

} // namespace

QStringList EventCallbacks::knownEvents()
{
    QStringList out;
    for (const char* e : kEvents)
        out << QLatin1String(e);
    return out;
}

bool EventCallbacks::isKnownEvent(const QString& event)
{
    for (const char* e : kEvents)
        if (event == QLatin1String(e))
            return true;
    return false;
}

MCallbackId EventCallbacks::add(const QString& event, MMessage::MBasicFunction function, void* clientData)
{
    Record rec;
    rec.event = event;
    rec.function = function;
    rec.clientData = clientData;
    return append(rec);
}

MCallbackId EventCallbacks::append(Record rec)
{
    rec.id = nextId_++;
    if (rec.event.isEmpty())
        ++listening_[int(rec.message)];
    callbacks_.append(rec);
    return rec.id;
}

void* EventCallbacks::Record::functionAddress() const
{
    if (attributeFunction)
        return reinterpret_cast<void*>(attributeFunction);
    if (nodeFunction)
        return reinterpret_cast<void*>(nodeFunction);
    if (nameFunction)
        return reinterpret_cast<void*>(nameFunction);
    if (parentFunction)
        return reinterpret_cast<void*>(parentFunction);
    return reinterpret_cast<void*>(function);
}

MCallbackId EventCallbacks::addNode(Message message, MMessage::MNodeFunction function, const QString& type,
                                    void* clientData)
{
    Record rec;
    rec.message = message;
    rec.nodeFunction = function;
    rec.type = type;
    rec.clientData = clientData;
    return append(rec);
}

MCallbackId EventCallbacks::addName(NodeId node, MMessage::MNodeStringFunction function, void* clientData)
{
    Record rec;
    rec.message = Message::NameChanged;
    rec.nameFunction = function;
    rec.node = node;
    rec.clientData = clientData;
    return append(rec);
}

MCallbackId EventCallbacks::addParent(Message message, MMessage::MParentChildFunction function, void* clientData)
{
    Record rec;
    rec.message = message;
    rec.parentFunction = function;
    rec.clientData = clientData;
    return append(rec);
}

MCallbackId EventCallbacks::addScene(int sceneMessage, MMessage::MBasicFunction function, void* clientData)
{
    Record rec;
    rec.message = Message::Scene;
    rec.function = function;
    rec.sceneMessage = sceneMessage;
    rec.clientData = clientData;
    return append(rec);
}

QList<MCallbackId> EventCallbacks::idsOf(Message message) const
{
    QList<MCallbackId> ids;
    for (const Record& c : callbacks_)
        if (c.event.isEmpty() && c.message == message)
            ids << c.id;
    return ids;
}

const EventCallbacks::Record* EventCallbacks::find(MCallbackId id) const
{
    for (const Record& c : callbacks_)
        if (c.id == id)
            return &c;
    return nullptr;
}

namespace {
// Whether a callback installed for a node type hears of a node: the
// abstract types name every node, DAG node or shape below them.
bool typeWatched(const QString& watched, const QString& type, bool dag, bool shape)
{
    if (watched.isEmpty() || watched == QLatin1String("dependNode"))
        return true;
    if (watched == QLatin1String("dagNode"))
        return dag;
    if (watched == QLatin1String("shape"))
        return shape;
    if (watched == QLatin1String("transform"))
        return dag && !shape;
    return watched == type;
}
} // namespace

void EventCallbacks::raiseNode(Message message, NodeId node, const QString& type, bool dag)
{
    if (!listens(message))
        return;
    const NodeRecord* n = nodeaccess::graph().node(node);
    const bool shape = n && nodeaccess::isShape(*n);
    for (MCallbackId id : idsOf(message)) {
        const Record* c = find(id);
        if (!c || !typeWatched(c->type, type, dag, shape))
            continue;
        MObject object = QbHostAccess::nodeObject(node);
        c->nodeFunction(object, c->clientData);
    }
}

void EventCallbacks::raiseName(NodeId node, const QString& previousName)
{
    if (!listens(Message::NameChanged))
        return;
    const MString previous = toMString(previousName);
    for (MCallbackId id : idsOf(Message::NameChanged)) {
        const Record* c = find(id);
        if (!c || (c->node != 0 && c->node != node))
            continue;
        MObject object = QbHostAccess::nodeObject(node);
        c->nameFunction(object, previous, c->clientData);
    }
}

void EventCallbacks::raiseParent(Message message, NodeId child, NodeId parent)
{
    if (!listens(message))
        return;
    for (MCallbackId id : idsOf(message)) {
        const Record* c = find(id);
        if (!c)
            continue;
        MDagPath childPath, parentPath;
        QbHostAccess::nodes(childPath) = nodeaccess::chainTo(child);
        // The world, for a node at the top: an empty path.
        QbHostAccess::nodes(parentPath) = nodeaccess::chainTo(parent);
        c->parentFunction(childPath, parentPath, c->clientData);
    }
}

void EventCallbacks::raiseScene(int sceneMessage)
{
    if (!listens(Message::Scene))
        return;
    for (MCallbackId id : idsOf(Message::Scene)) {
        const Record* c = find(id);
        if (c && c->sceneMessage == sceneMessage)
            c->function(c->clientData);
    }
}

MCallbackId EventCallbacks::addAttributeChanged(NodeId node, MNodeMessage::MAttr2PlugFunction function,
                                                void* clientData)
{
    Record rec;
    rec.event = QStringLiteral("AttributeChanged");
    rec.node = node;
    rec.attributeFunction = function;
    rec.clientData = clientData;
    ++nodeWatchers_[node];
    return append(rec);
}

int EventCallbacks::attributeCallbackCount() const
{
    int n = 0;
    for (int c : nodeWatchers_)
        n += c;
    return n;
}

void EventCallbacks::forget(const Record& r)
{
    if (r.event.isEmpty())
        --listening_[int(r.message)];
    if (!r.attributeFunction)
        return;
    auto it = nodeWatchers_.find(r.node);
    if (it != nodeWatchers_.end() && --it.value() <= 0)
        nodeWatchers_.erase(it);
}

void EventCallbacks::raiseAttributeChanged(NodeId node, MNodeMessage::AttributeMessage message, MPlug& plug,
                                           MPlug& other)
{
    if (!watchesNode(node))
        return;
    QList<MCallbackId> ids;
    for (const Record& c : callbacks_)
        if (c.attributeFunction && c.node == node)
            ids << c.id;
    for (MCallbackId id : ids)
        if (const Record* c = find(id)) {
            MNodeMessage::MAttr2PlugFunction f = c->attributeFunction;
            void* data = c->clientData;
            f(message, plug, other, data);
        }
}

QString EventCallbacks::eventOf(MCallbackId id) const
{
    QString event;
    for (const Record& c : callbacks_)
        if (c.id == id)
            event = c.event;
    return event;
}

bool EventCallbacks::remove(MCallbackId id)
{
    for (int i = 0; i < callbacks_.size(); ++i) {
        if (callbacks_[i].id == id) {
            forget(callbacks_[i]);
            callbacks_.removeAt(i);
            return true;
        }
    }
    return false;
}

int EventCallbacks::count(const QString& event) const
{
    int n = 0;
    for (const Record& c : callbacks_)
        if ((event.isEmpty() && !c.attributeFunction) || c.event == event)
            ++n;
    return n;
}

void EventCallbacks::raise(const QString& event)
{
    // Raised once per name while thousands are selected one by one: an
    // event nobody listens to costs one pass and no allocation.
    if (count(event) == 0)
        return;
    // Callbacks may add or remove callbacks while they run.
    QList<MCallbackId> ids;
    for (const Record& c : callbacks_)
        if (c.event == event && !c.attributeFunction)
            ids << c.id;
    for (MCallbackId id : ids) {
        for (const Record& c : callbacks_) {
            if (c.id == id) {
                MMessage::MBasicFunction f = c.function;
                void* data = c.clientData;
                f(data);
                break;
            }
        }
    }
}

QStringList EventCallbacks::removeInModule(const QString& modulePath)
{
    QStringList events;
    for (int i = callbacks_.size() - 1; i >= 0; --i) {
        if (functionInModule(callbacks_[i].functionAddress(), modulePath)) {
            events << (callbacks_[i].event.isEmpty() ? QStringLiteral("scene message") : callbacks_[i].event);
            forget(callbacks_[i]);
            callbacks_.removeAt(i);
        }
    }
    return events;
}

} // namespace qbhost
