#include "qbx_files.h"
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QSaveFile>

namespace qbx {

namespace {

// Only regular files are read: a device or a pipe may never end, and the
// readers follow the counts they find for as long as data comes.
bool open_input(const QString& path, QFile* file, QString* error)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        *error = QStringLiteral("%1 is a directory, not a file").arg(path);
        return false;
    }
    if (info.exists() && !info.isFile()) {
        *error = QStringLiteral("%1 is not a regular file").arg(path);
        return false;
    }
    file->setFileName(path);
    if (!file->open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1: %2").arg(path, file->errorString());
        return false;
    }
    return true;
}

} // namespace

bool write_picker_file(const QString& path, const picker_tab_data& tab, QString* error)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        *error = QStringLiteral("cannot write %1: it is a directory").arg(path);
        return false;
    }
    // QSaveFile replaces the target by renaming; a device or a pipe must
    // not be replaced by a regular file.
    if (info.exists() && !info.isFile()) {
        *error = QStringLiteral("cannot write %1: not a regular file").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    QDataStream stream(&file);
    stream.setVersion(kPickerFileStreamVersion);
    writePickerFile(stream, tab);
    if (stream.status() != QDataStream::Ok) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("the picker could not be encoded");
        file.cancelWriting();
        *error = QStringLiteral("cannot write %1: %2").arg(path, reason);
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool read_whole_file(const QString& path, QByteArray* bytes, QString* error)
{
    QFile file;
    if (!open_input(path, &file, error))
        return false;
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool same_file(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace qbx
