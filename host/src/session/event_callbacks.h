#ifndef QBHOST_EVENT_CALLBACKS_H
#define QBHOST_EVENT_CALLBACKS_H
// The callbacks installed on the host's named events, in installation order,
// and those on the scene's node, DAG and scene messages (one id space, so
// that MMessage::removeCallback removes either).
#include "../scene/node_record.h"

#include <maya/MMessage.h>

#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace qbhost {

class EventCallbacks
{
public:
    static QStringList knownEvents();
    static bool isKnownEvent(const QString& event);

    MCallbackId add(const QString& event, MMessage::MBasicFunction function, void* clientData);

    // ---- node, DAG and scene messages
    enum class Message { NodeAdded, NodeRemoved, NameChanged, ParentAdded, ParentRemoved, Scene };
    // type: the node type watched ("dependNode": all); node: 0 for all.
    MCallbackId addNode(Message message, MMessage::MNodeFunction function, const QString& type, void* clientData);
    MCallbackId addName(NodeId node, MMessage::MNodeStringFunction function, void* clientData);
    MCallbackId addParent(Message message, MMessage::MParentChildFunction function, void* clientData);
    MCallbackId addScene(int sceneMessage, MMessage::MBasicFunction function, void* clientData);
    // Whether anything listens, so that a file read pays nothing otherwise.
    bool listens(Message message) const { return listening_[int(message)] > 0; }
    // Calls the callbacks of the message in installation order; those
    // removed meanwhile are skipped. A node callback gets its node, a
    // parent callback the child's and the parent's path.
    void raiseNode(Message message, NodeId node, const QString& type, bool dag);
    void raiseName(NodeId node, const QString& previousName);
    void raiseParent(Message message, NodeId child, NodeId parent);
    void raiseScene(int sceneMessage);
    // The event a callback was installed on; empty for an unknown id.
    QString eventOf(MCallbackId id) const;
    bool remove(MCallbackId id);
    int count(const QString& event) const;
    // Calls the event's callbacks; those removed meanwhile are skipped.
    void raise(const QString& event);
    // Removes the callbacks whose function lies in the module at modulePath
    // and returns their events, one per callback.
    QStringList removeInModule(const QString& modulePath);
    void clear()
    {
        callbacks_.clear();
        for (int& n : listening_)
            n = 0;
    }

private:
    struct Record {
        MCallbackId id = 0;
        QString event; // empty for a message callback
        MMessage::MBasicFunction function = nullptr;
        void* clientData = nullptr;
        Message message = Message::Scene;
        MMessage::MNodeFunction nodeFunction = nullptr;
        MMessage::MNodeStringFunction nameFunction = nullptr;
        MMessage::MParentChildFunction parentFunction = nullptr;
        QString type;
        NodeId node = 0;
        int sceneMessage = -1;
        void* functionAddress() const;
    };
    MCallbackId append(Record rec);
    // The ids of the message's callbacks now, in order.
    QList<MCallbackId> idsOf(Message message) const;
    const Record* find(MCallbackId id) const;
    QList<Record> callbacks_;
    int listening_[6] = {0, 0, 0, 0, 0, 0};
    MCallbackId nextId_ = 1;
};

} // namespace qbhost
#endif
