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

QString describe(const stream_problem& p, QDataStream::Status status)
{
    switch (p.kind) {
    case stream_problem::WrongIndex:
        return QStringLiteral("button %1: stored index %2 differs from its position; the plug-in drops it")
            .arg(p.position)
            .arg(p.index);
    case stream_problem::InvalidKind:
        return QStringLiteral("button %1: kind %2, language %3 (each must be 0 or 1); the plug-in drops it")
            .arg(p.position)
            .arg(p.buttonKind)
            .arg(p.language);
    case stream_problem::NewerVersion:
        return QStringLiteral("data version %1 is newer than %2; the plug-in reads it with the version-%2 layout "
                              "and may misread it")
            .arg(p.version)
            .arg(kPickerDataVersion);
    case stream_problem::Truncated:
        break;
    }
    const QString what = status == QDataStream::ReadCorruptData ? QStringLiteral("the data is corrupt")
                                                                : QStringLiteral("the data ends (truncated)");
    if (p.position < 0)
        return what + QStringLiteral(" before the buttons; the plug-in loads no buttons");
    return what + QStringLiteral(" in button %1; the plug-in loads only the buttons before it").arg(p.position);
}

} // namespace

bool read_picker_file(const QString& path, picker_read* out, QString* error)
{
    *out = picker_read();
    QFile file;
    if (!open_input(path, &file, error))
        return false;
    if (file.size() == 0) {
        *error = QStringLiteral("%1 is empty, not a picker file").arg(path);
        return false;
    }
    QDataStream stream(&file);
    stream.setVersion(kPickerFileStreamVersion);
    const bool any = readPickerFile(stream, &out->tab, &out->version, &out->report);
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    out->status = stream.status();
    if (!any) {
        *error = QStringLiteral("%1 is not a picker file (%2 before the picker's name)")
                     .arg(path, out->status == QDataStream::ReadCorruptData ? QStringLiteral("its data is corrupt")
                                                                            : QStringLiteral("it ends"));
        return false;
    }
    if (out->status == QDataStream::Ok)
        out->unread = file.bytesAvailable();
    return true;
}

bool has_problems(const picker_read& read)
{
    return !read.report.isEmpty() || read.unread > 0;
}

QStringList describe_problems(const picker_read& read)
{
    QStringList lines;
    for (const stream_problem& p : read.report)
        lines.append(describe(p, read.status));
    if (read.unread > 0)
        lines.append(QStringLiteral("%1 bytes after the last button are never read; the plug-in ignores them")
                         .arg(read.unread));
    return lines;
}

QString summarize_problems(const picker_read& read)
{
    const QStringList lines = describe_problems(read);
    if (lines.size() <= 1)
        return lines.value(0);
    return QStringLiteral("%1; and %2 more (qbx check lists them)").arg(lines.first()).arg(lines.size() - 1);
}

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
