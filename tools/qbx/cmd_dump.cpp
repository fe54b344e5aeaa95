// qbx dump FILE.qbx: the picker as JSON on standard output.
#include "qbx_commands.h"
#include "qbx_files.h"
#include "qbx_json.h"
#include "qbx_output.h"
#include <QtCore/QJsonDocument>

namespace qbx {

int run_dump(const command_line& line)
{
    if (!line.scene.isEmpty())
        return run_dump_scene(line);
    picker_file_check read = picker_file_check::read(line.file);
    if (!read.ok())
        return fail(read.error);
    QString error;
    QJsonObject json;
    if (!picker_to_json(read.tab, read.version, &json, &error))
        return fail(line.file + QStringLiteral(": ") + error);
    if (!write_stdout(QJsonDocument(json).toJson(QJsonDocument::Indented)))
        return kExitError;
    // What the plug-in would load is shown; that it is not the whole file
    // must not pass unnoticed.
    if (read.has_problems()) {
        warn(line.file + QStringLiteral(": ") + read.summary());
        return kExitProblems;
    }
    return kExitOk;
}

} // namespace qbx
