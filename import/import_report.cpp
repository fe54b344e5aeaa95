#include "import/import_report.h"

namespace {

// Names from files may hold anything: a report line stays one short line.
QString shown(const QString& item)
{
    constexpr int kMaxShown = 48;
    QString text;
    for (const QChar c : item) {
        if (text.size() >= kMaxShown) {
            text += QChar(0x2026);
            break;
        }
        text += c.isPrint() ? c : QChar(0xfffd);
    }
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

import_report::entry& import_report::slot(const QString& kind)
{
    const auto it = index_.constFind(kind);
    if (it != index_.constEnd())
        return entries_[it.value()];
    index_.insert(kind, entries_.size());
    entries_.append(entry{kind, 0, {}});
    return entries_.last();
}

void import_report::add(const QString& kind, const QString& item)
{
    entry& e = slot(kind);
    // Counts saturate rather than wrap: a report never claims fewer items.
    if (e.count < 0x7fffffff)
        ++e.count;
    if (e.first.size() < kItemsKept)
        e.first.append(item);
}

void import_report::merge(const import_report& other)
{
    for (const entry& o : other.entries_) {
        entry& e = slot(o.kind);
        e.count = int(qMin<qint64>(qint64(e.count) + o.count, 0x7fffffff));
        for (int k = 0; k < o.first.size() && e.first.size() < kItemsKept; ++k)
            e.first.append(o.first[k]);
    }
}

int import_report::count(const QString& kind) const
{
    const auto it = index_.constFind(kind);
    return it == index_.constEnd() ? 0 : entries_[it.value()].count;
}

QStringList import_report::items(const QString& kind) const
{
    const auto it = index_.constFind(kind);
    return it == index_.constEnd() ? QStringList() : entries_[it.value()].first;
}

QStringList import_report::lines() const
{
    QStringList out;
    for (const entry& e : entries_) {
        QStringList names;
        for (const QString& item : e.first)
            names.append(shown(item));
        QString line = QStringLiteral("%1 (%2)").arg(e.kind).arg(e.count);
        if (!names.isEmpty())
            line += QStringLiteral(": ") + names.join(QStringLiteral(", "));
        if (e.count > e.first.size())
            line += QStringLiteral(", ") + QChar(0x2026);
        out.append(line);
    }
    return out;
}
