// qbx build FILE.json -o FILE.qbx: the picker file the plug-in's Save would
// write for the picker the JSON describes.
#include "qbx_commands.h"
#include "qbx_files.h"
#include "qbx_json.h"
#include "qbx_output.h"
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonParseError>

namespace qbx {

int run_build(const command_line& line)
{
    QByteArray text;
    QString error;
    if (!read_whole_file(line.file, &text, &error))
        return fail(error);
    if (text.trimmed().isEmpty())
        return fail(line.file + QStringLiteral(" is empty, not JSON"));
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parse);
    if (parse.error != QJsonParseError::NoError)
        return fail(QStringLiteral("%1: malformed JSON at offset %2: %3")
                        .arg(line.file)
                        .arg(parse.offset)
                        .arg(parse.errorString()));
    if (!document.isObject())
        return fail(line.file + QStringLiteral(": the top level must be a JSON object"));
    picker_tab_data tab;
    if (!picker_from_json(document.object(), &tab, &error))
        return fail(line.file + QStringLiteral(": ") + error);
    if (!write_picker_file(line.output, tab, &error))
        return fail(error);
    return kExitOk;
}

} // namespace qbx
