#include "file_info.h"

namespace qbhost {

int FileInfo::indexOf(const QString& key) const
{
    for (int i = 0; i < entries_.size(); ++i)
        if (entries_[i].first == key)
            return i;
    return -1;
}

QString FileInfo::value(const QString& key) const
{
    const int i = indexOf(key);
    return i < 0 ? QString() : entries_[i].second;
}

void FileInfo::set(const QString& key, const QString& value)
{
    const int i = indexOf(key);
    if (i < 0)
        entries_.append(qMakePair(key, value));
    else
        entries_[i].second = value;
}

bool FileInfo::remove(const QString& key)
{
    const int i = indexOf(key);
    if (i < 0)
        return false;
    entries_.removeAt(i);
    return true;
}

} // namespace qbhost
