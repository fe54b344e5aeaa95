#include "history_log.h"

namespace qbhost {

namespace {

// History texts longer than this are long; of those, the latest
// kWholeLongTexts are kept whole.
constexpr int kLongHistoryText = 4096;
constexpr int kWholeLongTexts = 8;

// The start of a long text and its length, marked as shortened.
QString shortHistoryText(const QString& text)
{
    int cut = 1000;
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut) + QStringLiteral("\u2026(%1 characters)").arg(text.size());
}

} // namespace

void HistoryLog::add(HistoryKind kind, const QString& text, bool display)
{
    entries_.append(HistoryEntry{kind, text, display});
    // Every edit queues the whole scene value (megabytes for a big picker):
    // only the latest few long texts stay whole, older ones keep their
    // start and their length, so a long session's history stays small.
    if (text.size() > kLongHistoryText) {
        wholeLongTexts_.push_back(entries_.size() - 1);
        while (static_cast<int>(wholeLongTexts_.size()) > kWholeLongTexts) {
            QString& old = entries_[wholeLongTexts_.front()].text;
            old = shortHistoryText(old);
            wholeLongTexts_.pop_front();
        }
    }
}

QStringList HistoryLog::texts(HistoryKind kind) const
{
    QStringList out;
    for (const HistoryEntry& e : entries_)
        if (e.kind == kind)
            out << e.text;
    return out;
}

void HistoryLog::clear()
{
    entries_.clear();
    wholeLongTexts_.clear();
}

} // namespace qbhost
