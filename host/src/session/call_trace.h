#ifndef QBHOST_CALL_TRACE_H
#define QBHOST_CALL_TRACE_H
// The selection calls the API received, for tests. A select directive
// traces every name it selects, so the lines are kept as their parts and
// only written out when asked for.
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <vector>

namespace qbhost {

class CallTrace
{
public:
    void add(const QString& line) { entries_.push_back(Entry{line, -1}); }
    // "selectByName <name> <adjustment>"
    void addSelectByName(const QString& name, int adjustment) { entries_.push_back(Entry{name, adjustment}); }
    QStringList lines() const;
    void clear() { entries_.clear(); }

private:
    struct Entry {
        QString text;   // the whole line, or the name selected
        int adjustment; // -1 for a whole line
    };
    std::vector<Entry> entries_;
};

} // namespace qbhost
#endif
