// qbx check FILE.qbx: what the plug-in would drop or cannot read, one line
// each on standard output. The same check makes the panel report a damaged
// file when it opens one.
#include "qbx_commands.h"
#include "qbx_files.h"
#include "qbx_output.h"

namespace qbx {

int run_check(const command_line& line)
{
    picker_file_check read = picker_file_check::read(line.file);
    if (!read.ok())
        return fail(read.error);
    if (!line.scene.isEmpty())
        return check_against_scene(line, read.tab);
    QByteArray out;
    const QStringList problems = read.problems();
    for (const QString& p : problems)
        out += one_line(line.file + QStringLiteral(": ") + p).toUtf8() + '\n';
    if (problems.isEmpty())
        out += one_line(QStringLiteral("%1: clean (data version %2, %3 buttons)")
                            .arg(line.file)
                            .arg(read.version)
                            .arg(read.tab.buttons.size()))
                   .toUtf8()
               + '\n';
    if (!write_stdout(out))
        return kExitError;
    return problems.isEmpty() ? kExitOk : kExitProblems;
}

} // namespace qbx
