#include "model/picker_file_check.h"
#include <QtCore/QFile>
#include <QtCore/QFileInfo>

namespace {

QString describe_one(const stream_problem& p, QDataStream::Status status)
{
    const QString where = p.tab >= 0 ? QStringLiteral("tab %1, ").arg(p.tab) : QString();
    switch (p.kind) {
    case stream_problem::WrongIndex:
        return where
               + QStringLiteral("button %1: stored index %2 differs from its position; the plug-in drops it")
                     .arg(p.position)
                     .arg(p.index);
    case stream_problem::InvalidKind:
        return where
               + QStringLiteral("button %1: kind %2, language %3 (each must be 0 or 1); the plug-in drops it")
                     .arg(p.position)
                     .arg(p.buttonKind)
                     .arg(p.language);
    case stream_problem::NewerVersion:
        return QStringLiteral("data version %1 is newer than %2; the plug-in reads it with the version-%2 layout "
                              "and may misread it")
            .arg(p.version)
            .arg(kPickerDataVersion);
    case stream_problem::DamagedControl:
        return where
               + (p.position >= 0 ? QStringLiteral("button %1: its control record is damaged").arg(p.position)
                                  : QStringLiteral("a control record is damaged"))
               + QStringLiteral("; the plug-in shows the controls from there on as selection buttons");
    case stream_problem::Truncated:
        break;
    }
    const QString what = status == QDataStream::ReadCorruptData ? QStringLiteral("the data is corrupt")
                                                                : QStringLiteral("the data ends (truncated)");
    const QString in = p.tab >= 0 ? QStringLiteral(" in tab %1,").arg(p.tab) : QString();
    if (p.position < 0)
        return what + in + QStringLiteral(" before the buttons; the plug-in loads no buttons there");
    return what + in
           + QStringLiteral(" in button %1; the plug-in loads only the buttons before it").arg(p.position);
}

picker_file_check failed(picker_file_check::Outcome outcome, const QString& error)
{
    picker_file_check check;
    check.outcome = outcome;
    check.error = error;
    return check;
}

} // namespace

picker_file_check picker_file_check::read(const QString& path)
{
    // Only regular files are read: a device or a pipe may never end, and
    // the reader follows the counts it finds for as long as data comes.
    const QFileInfo info(path);
    if (info.isDir())
        return failed(Unreadable, QStringLiteral("%1 is a directory, not a file").arg(path));
    if (info.exists() && !info.isFile())
        return failed(Unreadable, QStringLiteral("%1 is not a regular file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(Unreadable, QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    if (file.size() == 0)
        return failed(NotPicker, QStringLiteral("%1 is empty, not a picker file").arg(path));

    picker_file_check check;
    QDataStream stream(&file);
    stream.setVersion(kPickerFileStreamVersion);
    const bool any = readPickerFile(stream, &check.tab, &check.version, &check.report);
    if (file.error() != QFileDevice::NoError)
        return failed(Unreadable, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return finish(check, stream, any, path, file.bytesAvailable());
}

picker_file_check picker_file_check::read_bytes(const QByteArray& bytes, const QString& what)
{
    if (bytes.isEmpty())
        return failed(NotPicker, QStringLiteral("%1 is empty, not a picker file").arg(what));
    picker_file_check check;
    QDataStream stream(bytes);
    stream.setVersion(kPickerFileStreamVersion);
    const bool any = readPickerFile(stream, &check.tab, &check.version, &check.report);
    return finish(check, stream, any, what, stream.device() ? stream.device()->bytesAvailable() : 0);
}

picker_file_check picker_file_check::finish(picker_file_check check, QDataStream& stream, bool any,
                                            const QString& path, qint64 available)
{
    check.status = stream.status();
    if (!any)
        return failed(NotPicker,
                      QStringLiteral("%1 is not a picker file (%2 before the picker's name)")
                          .arg(path, check.status == QDataStream::ReadCorruptData ? QStringLiteral("its data is corrupt")
                                                                                  : QStringLiteral("it ends")));
    // No picker was ever written with a negative version: these bytes are
    // something else that happens to hold a readable name.
    if (check.version < 0)
        return failed(NotPicker,
                      QStringLiteral("%1 is not a picker file (it starts with %2, no picker's data version)")
                          .arg(path)
                          .arg(check.version));
    if (check.status == QDataStream::Ok)
        check.unread = available;
    check.outcome = Read;
    return check;
}

QStringList picker_file_check::describe(const stream_report& report, QDataStream::Status status, qint64 unread)
{
    QStringList lines;
    for (const stream_problem& p : report)
        lines.append(describe_one(p, status));
    if (unread > 0)
        lines.append(QStringLiteral("%1 bytes after the last button are never read; the plug-in ignores them")
                         .arg(unread));
    return lines;
}

bool picker_file_check::damaged() const
{
    if (unread > 0)
        return true;
    for (const stream_problem& p : report)
        if (p.kind != stream_problem::NewerVersion)
            return true;
    return false;
}

bool picker_file_check::has_problems() const
{
    return !report.isEmpty() || unread > 0;
}

QStringList picker_file_check::problems() const
{
    return describe(report, status, unread);
}

QString picker_file_check::summary() const
{
    const QStringList lines = problems();
    if (lines.size() <= 1)
        return lines.value(0);
    return QStringLiteral("%1; and %2 more (qbx check lists them)").arg(lines.first()).arg(lines.size() - 1);
}
