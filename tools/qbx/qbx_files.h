#ifndef QB_TOOLS_QBX_FILES_H
#define QB_TOOLS_QBX_FILES_H
// Picker files read and written exactly as the plug-in's Open and Save do,
// plus what the tool needs to know about the read: what the reader dropped
// and where it stopped.
#include "model/picker_stream.h"
#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace qbx {

struct picker_read {
    picker_tab_data tab;
    qint32 version = 0;
    stream_report report;
    // The stream's status at the end: tells data that ended early from
    // data that is corrupt.
    QDataStream::Status status = QDataStream::Ok;
    qint64 unread = 0; // bytes after the picker that the reader never reaches
};

// Reads a picker file at data-stream version 7. False, with a one-line
// message, when the file cannot be opened or read or holds no picker at all
// (it ends, or is corrupt, before the picker's name).
bool read_picker_file(const QString& path, picker_read* out, QString* error);

// True when the plug-in would drop or might misread part of the file.
bool has_problems(const picker_read& read);
// One text per problem, in the order the reader met them, for qbx check.
QStringList describe_problems(const picker_read& read);
// All problems in one short text, for a warning line.
QString summarize_problems(const picker_read& read);

// Writes the picker file as the plug-in's Save does (data-stream version 7,
// data version 4), through a QSaveFile, so that on any failure an existing
// file is left untouched and no partial file appears.
bool write_picker_file(const QString& path, const picker_tab_data& tab, QString* error);

// Reads a whole regular file (the JSON of qbx build).
bool read_whole_file(const QString& path, QByteArray* bytes, QString* error);

// True when both paths name one existing file.
bool same_file(const QString& a, const QString& b);

} // namespace qbx
#endif
