#include "event_callbacks.h"

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
    rec.id = nextId_++;
    rec.event = event;
    rec.function = function;
    rec.clientData = clientData;
    callbacks_.append(rec);
    return rec.id;
}

MCallbackId EventCallbacks::addAttributeChanged(NodeId node, MNodeMessage::MAttr2PlugFunction function,
                                                void* clientData)
{
    Record rec;
    rec.id = nextId_++;
    rec.event = QStringLiteral("AttributeChanged");
    rec.node = node;
    rec.attributeFunction = function;
    rec.clientData = clientData;
    callbacks_.append(rec);
    ++nodeWatchers_[node];
    return rec.id;
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
    for (MCallbackId id : ids) {
        for (const Record& c : callbacks_) {
            if (c.id == id) {
                MNodeMessage::MAttr2PlugFunction f = c.attributeFunction;
                void* data = c.clientData;
                f(message, plug, other, data);
                break;
            }
        }
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
        const Record& c = callbacks_[i];
        void* f = c.attributeFunction ? reinterpret_cast<void*>(c.attributeFunction) : reinterpret_cast<void*>(c.function);
        if (functionInModule(f, modulePath)) {
            events << c.event;
            forget(c);
            callbacks_.removeAt(i);
        }
    }
    return events;
}

} // namespace qbhost
