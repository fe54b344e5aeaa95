#ifndef QBHOST_IDLE_QUEUE_H
#define QBHOST_IDLE_QUEUE_H
// Texts queued to run when the host is idle, run in order by the session.
#include <qbhost/host_session.h>

#include <QtCore/QList>

#include <deque>

namespace qbhost {

class IdleQueue
{
public:
    explicit IdleQueue(HostSession& session) : session_(session) {}

    void push(Language language, const QString& text, bool display);
    QList<IdleItem> pending() const;
    int count() const { return static_cast<int>(queue_.size()); }
    // Runs the first queued text; false when the queue was empty.
    bool runNext();
    int drain(int limit);
    void discard() { queue_.clear(); }
    void setAutoDrain(bool on);
    bool autoDrain() const { return autoDrain_; }
    // Empty and not drained by itself (a fresh host).
    void reset()
    {
        queue_.clear();
        autoDrain_ = false;
    }

private:
    void scheduleDrain();

    HostSession& session_;
    std::deque<IdleItem> queue_;
    bool autoDrain_ = false;
    bool drainScheduled_ = false;
};

} // namespace qbhost
#endif
