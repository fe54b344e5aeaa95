#ifndef QBHOST_HISTORY_LOG_H
#define QBHOST_HISTORY_LOG_H
// The host's script history and error log, as the Script Editor shows them.
#include <qbhost/host_session.h>

#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <deque>

namespace qbhost {

class HistoryLog
{
public:
    // Texts longer than 4,096 characters stay whole only while they are
    // among the latest eight such; older ones keep their start and length.
    void add(HistoryKind kind, const QString& text, bool display = true);
    const QList<HistoryEntry>& entries() const { return entries_; }
    QStringList texts(HistoryKind kind) const;
    void clear();

    void addError(const QString& text) { errors_.append(text); }
    const QStringList& errors() const { return errors_; }
    void clearErrors() { errors_.clear(); }

private:
    QList<HistoryEntry> entries_;
    // Entries whose long text is still whole, oldest first.
    std::deque<int> wholeLongTexts_;
    QStringList errors_;
};

} // namespace qbhost
#endif
