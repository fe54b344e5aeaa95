// qbx mirror IN.qbx -o OUT.qbx [--flip] [--axis X] [--rule LEFT=RIGHT]...:
// Mirror Buttons (or Flip Buttons) on every button of a file, with the
// picker's own rules and axis unless the options give others. A copy whose
// partner the picker already has is not made; both lists are printed.
#include "model/button_mirror.h"
#include "model/buttonRecord.h"
#include "qbx_commands.h"
#include "qbx_files.h"
#include "qbx_json_mirror.h"
#include "qbx_output.h"

namespace qbx {

namespace {

QString names_of(const buttonAttributes& b, int index)
{
    if (b.kind == kCommandButton)
        return QStringLiteral("button %1 (command \"%2\")").arg(index).arg(one_line(b.label));
    return b.nodes.isEmpty() ? QStringLiteral("button %1 (no nodes)").arg(index) : one_line(b.nodes.join(QLatin1Char(' ')));
}

QString axis_text(qint64 twice)
{
    return twice % 2 == 0 ? QString::number(twice / 2) : QString::number(double(twice) / 2, 'f', 1);
}

QByteArray listing(const char* title, const QStringList& items)
{
    QByteArray out = QByteArray(title) + " (" + QByteArray::number(items.size()) + "):\n";
    for (const QString& item : items)
        out += "  " + item.toUtf8() + '\n';
    return out;
}

} // namespace

int run_mirror(const command_line& line)
{
    side_pairs rules;
    QString error;
    for (const QString& text : line.rules) {
        side_pair rule;
        if (!rule_from_text(text, &rule, &error))
            return fail(error);
        rules.append(rule);
    }
    qint32 axis = 0;
    if (!line.axis.isEmpty()) {
        bool number = false;
        axis = line.axis.toInt(&number);
        if (!number || qAbs(axis) > buttonRecord::kCoordinateLimit)
            return fail(QStringLiteral("--axis \"%1\" must be an integer from %2 to %3")
                            .arg(line.axis)
                            .arg(-buttonRecord::kCoordinateLimit)
                            .arg(buttonRecord::kCoordinateLimit));
    }
    picker_file_check read = picker_file_check::read(line.file);
    if (!read.ok())
        return fail(read.error);
    if (read.has_problems() && same_file(line.file, line.output))
        return fail(QStringLiteral("%1: %2; not overwriting it, write to another file")
                        .arg(line.file, read.summary()));

    // The options stand in for the picker's own settings for this run only.
    mirror_settings settings = read.tab.mirror;
    if (!rules.isEmpty())
        settings.rules = rules;
    if (!line.axis.isEmpty()) {
        settings.hasAxis = true;
        settings.axis = axis;
    }
    const side_rules side = settings.side();
    QList<buttonAttributes>& buttons = read.tab.buttons;
    const qint64 twice = mirror_axis_twice(settings, buttons);
    const QString from = !line.axis.isEmpty()       ? QStringLiteral("as given")
                         : read.tab.mirror.hasAxis ? QStringLiteral("the picker's axis")
                                                   : QStringLiteral("the middle of its buttons");

    QStringList themselves, partnered;
    const QList<buttonAttributes> original = buttons;
    int made = 0;
    for (int i = 0; i < original.size(); ++i) {
        const buttonAttributes& b = original[i];
        const bool self = mirrors_to_itself(b, side);
        if (self)
            themselves.append(names_of(b, i));
        const buttonAttributes image = mirrored_button(b, side, settings, twice);
        if (line.flip) {
            buttons[i] = image;
            continue;
        }
        if (self)
            continue;
        bool present = false;
        for (const buttonAttributes& o : original)
            present = present || same_names(o, image);
        if (present) {
            partnered.append(names_of(b, i) + QStringLiteral(" -> ") + names_of(image, i));
            continue;
        }
        buttons.append(image);
        ++made;
    }
    if (!write_picker_file(line.output, read.tab, &error))
        return fail(error);

    QByteArray text = QStringLiteral("%1: %2 button(s), mirrored about x = %3 (%4)\n")
                          .arg(line.file)
                          .arg(original.size())
                          .arg(axis_text(twice), from)
                          .toUtf8();
    text += (line.flip ? QStringLiteral("wrote %1: %2 button(s) flipped\n").arg(line.output).arg(buttons.size())
                       : QStringLiteral("wrote %1: %2 %3 made, %4 button(s)\n")
                             .arg(line.output)
                             .arg(made)
                             .arg(made == 1 ? QStringLiteral("copy") : QStringLiteral("copies"))
                             .arg(buttons.size()))
                .toUtf8();
    text += listing("mapped to themselves", themselves);
    if (!line.flip)
        text += listing("partner already present", partnered);
    if (!write_stdout(text))
        return kExitError;
    if (read.has_problems()) {
        warn(line.file + QStringLiteral(": ") + read.summary());
        return kExitProblems;
    }
    return kExitOk;
}

} // namespace qbx
