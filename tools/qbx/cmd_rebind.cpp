// qbx rebind FILE.qbx --map OLD=NEW ... -o OUT.qbx: the namespaces rewritten
// with the chooser dialog's own rules, rows applied in the order given.
#include "model/namespace_rewrite.h"
#include "qbx_commands.h"
#include "qbx_files.h"
#include "qbx_output.h"

namespace qbx {

int run_rebind(const command_line& line)
{
    QList<QPair<QString, QString>> rows;
    for (const QString& m : line.maps) {
        const int eq = m.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return fail(QStringLiteral("--map \"%1\" must be OLD=NEW with a namespace before '=' "
                                       "(\":\" for names without one)")
                            .arg(m));
        rows.append(qMakePair(m.left(eq), m.mid(eq + 1)));
    }
    picker_file_check read = picker_file_check::read(line.file);
    if (!read.ok())
        return fail(read.error);
    QString error;
    // Writing back what the plug-in would load loses what it would drop;
    // never do that to the only copy.
    if (read.has_problems() && same_file(line.file, line.output))
        return fail(QStringLiteral("%1: %2; not overwriting it, write to another file")
                        .arg(line.file, read.summary()));
    const namespace_mapping mapping = make_namespace_mapping(rows);
    for (buttonAttributes& b : read.tab.buttons)
        rewrite_button(b, mapping);
    if (!write_picker_file(line.output, read.tab, &error))
        return fail(error);
    if (read.has_problems()) {
        warn(line.file + QStringLiteral(": ") + read.summary());
        return kExitProblems;
    }
    return kExitOk;
}

} // namespace qbx
