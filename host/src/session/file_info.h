#ifndef QBHOST_FILE_INFO_H
#define QBHOST_FILE_INFO_H
// The scene's file information: keys with text values, in the order the
// keys were first set, as the scene file writes them.
#include <QtCore/QList>
#include <QtCore/QPair>
#include <QtCore/QString>

namespace qbhost {

class FileInfo
{
public:
    const QList<QPair<QString, QString>>& entries() const { return entries_; }
    bool has(const QString& key) const { return indexOf(key) >= 0; }
    // Empty for a key that is not set.
    QString value(const QString& key) const;
    void set(const QString& key, const QString& value);
    bool remove(const QString& key);
    void clear() { entries_.clear(); }

private:
    int indexOf(const QString& key) const;

    QList<QPair<QString, QString>> entries_;
};

} // namespace qbhost
#endif
