#ifndef QB_MODEL_PICKER_FILE_CHECK_H
#define QB_MODEL_PICKER_FILE_CHECK_H
// A picker file read exactly as the panel's Open reads it, with what the
// reader dropped or could not read. The panel's report of a damaged file
// and the qbx tool's check are this one check.
#include "model/picker_stream.h"
#include <QtCore/QDataStream>
#include <QtCore/QString>
#include <QtCore/QStringList>

class picker_file_check
{
public:
    enum Outcome {
        Read,       // a picker was read, perhaps not all of it
        Unreadable, // the file cannot be opened or read
        NotPicker   // readable, but its first bytes are no picker file's header
    };

    // Reads a regular file at data-stream version 7.
    static picker_file_check read(const QString& path);
    // The same for a file's bytes held elsewhere (a rig's picker node);
    // what names them in the messages.
    static picker_file_check read_bytes(const QByteArray& bytes, const QString& what);

    // One text per problem, in the order the reader met them. unread is the
    // number of bytes after the data that the reader never reached.
    static QStringList describe(const stream_report& report, QDataStream::Status status, qint64 unread);

    bool ok() const { return outcome == Read; }
    // Some of the file is not loaded: the data ends early or is corrupt,
    // records are dropped, or bytes after the last button are never read.
    bool damaged() const;
    // Damaged, or written by a newer version (read with the version-4 layout).
    bool has_problems() const;
    QStringList problems() const;
    // All problems in one short text.
    QString summary() const;

    Outcome outcome = Unreadable;
    QString error; // one line naming the file when the outcome is not Read
    picker_tab_data tab;
    qint32 version = 0;
    stream_report report;
    // The stream's status at the end: tells data that ended early from
    // data that is corrupt.
    QDataStream::Status status = QDataStream::Ok;
    qint64 unread = 0;

private:
    static picker_file_check finish(picker_file_check check, QDataStream& stream, bool any, const QString& path,
                                    qint64 available);
};
#endif
