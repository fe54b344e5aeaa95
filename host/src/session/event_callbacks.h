#ifndef QBHOST_EVENT_CALLBACKS_H
#define QBHOST_EVENT_CALLBACKS_H
// The callbacks installed on the host's named events, in installation order,
// and those on the scene's node, DAG and scene messages (one id space, so
// that MMessage::removeCallback removes either).
#include "../scene/node_record.h"

#include <maya/MMessage.h>
#include <maya/MNodeMessage.h>

#include <QtCore/QHash>
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
    // A node's attribute-change callback (MNodeMessage); its event reads
    // "AttributeChanged", and the total count leaves it out.
    MCallbackId addAttributeChanged(NodeId node, MNodeMessage::MAttr2PlugFunction function, void* clientData);
    bool watchesNode(NodeId node) const { return nodeWatchers_.contains(node); }
    int attributeCallbackCount() const;
    // Calls the node's attribute-change callbacks; those removed meanwhile
    // are skipped.
    void raiseAttributeChanged(NodeId node, MNodeMessage::AttributeMessage message, MPlug& plug, MPlug& other);

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
        nodeWatchers_.clear();
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
        MNodeMessage::MAttr2PlugFunction attributeFunction = nullptr;
        void* functionAddress() const;
    };
    MCallbackId append(Record rec);
    // Drops what is kept per record besides the record (the watched nodes).
    void forget(const Record& r);
    // The ids of the message's callbacks now, in order.
    QList<MCallbackId> idsOf(Message message) const;
    const Record* find(MCallbackId id) const;
    QList<Record> callbacks_;
    int listening_[6] = {0, 0, 0, 0, 0, 0};
    QHash<NodeId, int> nodeWatchers_; // attribute-change callbacks per node
    MCallbackId nextId_ = 1;
};

} // namespace qbhost
#endif
