// qbx import FILE -o OUT.qbx [--tab N]: a dwpicker or mGear anim picker file
// as picker files, one tab each, with the import's report of what did not
// come over as it was.
#include "import/picker_import.h"
#include "import/picker_mapping.h"
#include "qbx_commands.h"
#include "qbx_files.h"
#include "qbx_output.h"
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QSet>

namespace qbx {

namespace {

// A file name from a tab name: letters, digits, blanks, '-', '_' and '.'
// only, never hidden, never empty; unique in the folder regardless of case.
QString fileNameFor(const QString& tab, QSet<QString>* taken)
{
    QString base;
    for (const QChar c : tab)
        base += c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('_')
                        || c == QLatin1Char('.')
                    ? c
                    : QLatin1Char('_');
    base = base.trimmed().left(100);
    while (base.startsWith(QLatin1Char('.')))
        base.remove(0, 1);
    if (base.isEmpty())
        base = QStringLiteral("tab");
    QString name = base + QStringLiteral(".qbx");
    for (int n = 2; taken->contains(name.toLower()); ++n)
        name = QStringLiteral("%1-%2.qbx").arg(base).arg(n);
    taken->insert(name.toLower());
    return name;
}

} // namespace

int run_import(const command_line& line)
{
    const picker_import read = picker_import::read_file(line.file);
    if (!read.ok())
        return fail(read.error);
    const mapped_picker mapped = map_imported_picker(read.picker);
    const int count = mapped.tabs.size();
    if (count == 0)
        return fail(line.file + QStringLiteral(": the picker has no tabs to import"));

    int only = -1;
    if (!line.tab.isEmpty()) {
        bool number = false;
        only = line.tab.toInt(&number);
        if (!number || only < 0 || only >= count)
            return fail(QStringLiteral("--tab \"%1\": %2 holds tabs 0 to %3")
                            .arg(line.tab, line.file)
                            .arg(count - 1));
    }

    // A folder takes every tab (or the one chosen), a file name one tab.
    QList<QPair<int, QString>> writes;
    const QFileInfo out(line.output);
    if (out.isDir() || line.output.endsWith(QLatin1Char('/'))) {
        if (!QDir().mkpath(line.output))
            return fail(QStringLiteral("cannot create the folder %1").arg(line.output));
        QSet<QString> taken;
        for (int i = 0; i < count; ++i)
            if (only < 0 || i == only)
                writes.append(qMakePair(i, QDir(line.output).filePath(fileNameFor(mapped.tabs[i].name, &taken))));
    } else {
        if (only < 0 && count > 1)
            return fail(QStringLiteral("%1 holds %2 tabs: choose one with --tab N (0 to %3), or write them all with "
                                       "-o FOLDER/")
                            .arg(line.file)
                            .arg(count)
                            .arg(count - 1));
        writes.append(qMakePair(only < 0 ? 0 : only, line.output));
    }

    const QString format = read.picker.version.isEmpty() ? read.picker.format
                                                         : read.picker.format + QLatin1Char(' ') + read.picker.version;
    QByteArray text = QStringLiteral("%1: %2, %3 tab(s), layout scaled by %4\n")
                          .arg(line.file, format)
                          .arg(count)
                          .arg(mapped.scale)
                          .toUtf8();
    for (int k = 0; k < writes.size(); ++k) {
        const int i = writes[k].first;
        const QString& path = writes[k].second;
        QString error;
        if (same_file(line.file, path))
            return fail(QStringLiteral("%1 is the file being imported; write to another file").arg(path));
        if (!write_picker_file(path, mapped.tabs[i], &error)) {
            if (k == 0)
                return fail(error);
            write_stdout(text);
            return fail(QStringLiteral("%1 (%2 file(s) written before)").arg(error).arg(k));
        }
        text += QStringLiteral("wrote %1 (tab %2 \"%3\", %4 button(s))\n")
                    .arg(path)
                    .arg(i)
                    .arg(one_line(mapped.tabs[i].name))
                    .arg(mapped.tabs[i].buttons.size())
                    .toUtf8();
    }
    if (mapped.report.isEmpty()) {
        text += "everything was imported as it was\n";
        return write_stdout(text) ? kExitOk : kExitError;
    }
    text += "not imported as it was:\n";
    for (const QString& l : mapped.report.lines())
        text += "  " + l.toUtf8() + '\n';
    if (!write_stdout(text))
        return kExitError;
    warn(QStringLiteral("%1: %2 kind(s) of items were not imported as they were; the report lists them")
             .arg(line.file)
             .arg(mapped.report.kinds()));
    return kExitProblems;
}

} // namespace qbx
