#ifndef QBHOST_EVENT_CALLBACKS_H
#define QBHOST_EVENT_CALLBACKS_H
// The callbacks installed on the host's named events, in installation order.
#include <maya/MMessage.h>
#include <maya/MNodeMessage.h>

#include "../scene/node_record.h"

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
    // "AttributeChanged".
    MCallbackId addAttributeChanged(NodeId node, MNodeMessage::MAttr2PlugFunction function, void* clientData);
    bool watchesNode(NodeId node) const { return nodeWatchers_.contains(node); }
    int attributeCallbackCount() const;
    // Calls the node's attribute-change callbacks; those removed meanwhile
    // are skipped.
    void raiseAttributeChanged(NodeId node, MNodeMessage::AttributeMessage message, MPlug& plug, MPlug& other);
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
    }

private:
    struct Record {
        MCallbackId id = 0;
        QString event;
        MMessage::MBasicFunction function = nullptr;
        void* clientData = nullptr;
        NodeId node = 0;
        MNodeMessage::MAttr2PlugFunction attributeFunction = nullptr;
    };
    void forget(const Record& r);
    QList<Record> callbacks_;
    QHash<NodeId, int> nodeWatchers_; // attribute-change callbacks per node
    MCallbackId nextId_ = 1;
};

} // namespace qbhost
#endif
