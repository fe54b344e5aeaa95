#include "idle_queue.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QTimer>

namespace qbhost {

void IdleQueue::push(Language language, const QString& text, bool display)
{
    queue_.push_back(IdleItem{language, text, display});
    scheduleDrain();
}

QList<IdleItem> IdleQueue::pending() const
{
    QList<IdleItem> out;
    for (const IdleItem& item : queue_)
        out << item;
    return out;
}

bool IdleQueue::runNext()
{
    if (queue_.empty())
        return false;
    IdleItem item = queue_.front();
    queue_.pop_front();
    if (item.language == Language::Python)
        session_.addHistory(HistoryKind::Python, item.text, item.display);
    else
        session_.executeMel(item.text, nullptr, item.display);
    return true;
}

int IdleQueue::drain(int limit)
{
    int ran = 0;
    while (ran < limit && runNext())
        ++ran;
    return ran;
}

void IdleQueue::setAutoDrain(bool on)
{
    autoDrain_ = on;
    scheduleDrain();
}

void IdleQueue::scheduleDrain()
{
    if (!autoDrain_ || drainScheduled_ || queue_.empty() || !QCoreApplication::instance())
        return;
    drainScheduled_ = true;
    // A zero timer fires once the event loop has nothing else to do.
    QTimer::singleShot(0, &session_, [this]() {
        drainScheduled_ = false;
        if (autoDrain_)
            drain(1000000);
    });
}

} // namespace qbhost
