#include "call_trace.h"

namespace qbhost {

QStringList CallTrace::lines() const
{
    QStringList out;
    out.reserve(static_cast<int>(entries_.size()));
    for (const Entry& e : entries_) {
        if (e.adjustment < 0)
            out << e.text;
        else
            out << QLatin1String("selectByName ") + e.text + QLatin1Char(' ') + QString::number(e.adjustment);
    }
    return out;
}

} // namespace qbhost
