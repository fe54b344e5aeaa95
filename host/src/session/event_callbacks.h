#ifndef QBHOST_EVENT_CALLBACKS_H
#define QBHOST_EVENT_CALLBACKS_H
// The callbacks installed on the host's named events, in installation order.
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
    // The event a callback was installed on; empty for an unknown id.
    QString eventOf(MCallbackId id) const;
    bool remove(MCallbackId id);
    int count(const QString& event) const;
    // Calls the event's callbacks; those removed meanwhile are skipped.
    void raise(const QString& event);
    // Removes the callbacks whose function lies in the module at modulePath
    // and returns their events, one per callback.
    QStringList removeInModule(const QString& modulePath);
    void clear() { callbacks_.clear(); }

private:
    struct Record {
        MCallbackId id = 0;
        QString event;
        MMessage::MBasicFunction function = nullptr;
        void* clientData = nullptr;
    };
    QList<Record> callbacks_;
    MCallbackId nextId_ = 1;
};

} // namespace qbhost
#endif
