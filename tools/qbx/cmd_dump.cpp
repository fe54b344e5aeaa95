// qbx dump FILE.qbx: the picker as JSON on standard output.
#include "qbx_commands.h"
#include "qbx_files.h"
#include "qbx_json.h"
#include "qbx_output.h"
#include <QtCore/QJsonDocument>

namespace qbx {

int run_dump(const command_line& line)
{
    picker_read read;
    QString error;
    if (!read_picker_file(line.file, &read, &error))
        return fail(error);
    QJsonObject json;
    if (!picker_to_json(read.tab, read.version, &json, &error))
        return fail(line.file + QStringLiteral(": ") + error);
    if (!write_stdout(QJsonDocument(json).toJson(QJsonDocument::Indented)))
        return kExitError;
    // What the plug-in would load is shown; that it is not the whole file
    // must not pass unnoticed.
    if (has_problems(read)) {
        warn(line.file + QStringLiteral(": ") + summarize_problems(read));
        return kExitProblems;
    }
    return kExitOk;
}

} // namespace qbx
