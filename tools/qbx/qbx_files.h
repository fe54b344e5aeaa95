#ifndef QB_TOOLS_QBX_FILES_H
#define QB_TOOLS_QBX_FILES_H
// Picker files written exactly as the plug-in's Save does, and whole files
// read for the tool's other inputs.
#include "model/picker_file_check.h"
#include "model/picker_stream.h"
#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace qbx {

// Reading a picker file, and what the plug-in would drop of it, is
// picker_file_check (model/), shared with the panel's Open.

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
