// qbx: picker files from the command line, with the plug-in's own readers,
// writers and namespace rules.
#include "qbx_commands.h"
#include "qbx_output.h"
#include <QtCore/QCoreApplication>
#include <QtCore/QScopedPointer>
#include <QtGui/QGuiApplication>

namespace {

using namespace qbx;

const command_info kCommands[] = {
    {"dump", "FILE.qbx | --scene SCENE.ma",
     "print the picker as JSON; with --scene, the picker nodes the scene's rigs hold, each with its picker",
     kSceneForFile, run_dump},
    {"build", "FILE.json -o FILE.qbx", "write the picker file the JSON describes", kTakesOutput, run_build},
    {"check", "FILE.qbx [--scene SCENE.ma]",
     "list what the plug-in would drop or cannot read; with a scene, the buttons whose names are missing from it or "
     "name more than one node (exit status 1 when any)",
     kAcceptsScene, run_check},
    {"rebind", "FILE.qbx --map OLD=NEW [--map OLD=NEW ...] -o OUT.qbx",
     "rewrite namespaces as the namespace chooser does", kTakesOutput | kTakesMap, run_rebind},
    {"render", "FILE.qbx -o OUT.png [--size WxH]",
     "paint the picker as the canvas does, framed like Frame View (400x400 unless --size)",
     kTakesOutput | kAcceptsSize, run_render},
    {"import", "FILE -o OUT.qbx|FOLDER/ [--tab N]",
     "another tool's picker (dwpicker .json, mGear .pkr) as picker files, one per tab, and what did not come over",
     kTakesOutput | kAcceptsTab, run_import},
    {"mirror", "FILE.qbx -o OUT.qbx [--flip] [--axis X] [--rule LEFT=RIGHT ...]",
     "mirrored copies of the buttons with a side (--flip: every button mirrored in place), by the picker's side "
     "rules and axis unless given",
     kTakesOutput | kAcceptsMirror, run_mirror},
    {"store", "--scene RIG.ma FILE.qbx -o OUT.ma [--node NAME]",
     "the picker stored in the rig as its picker node (NAME, else the picker's name and \"_picker\"), a new "
     "version when the node exists; the scene written as Maya ASCII",
     kTakesOutput | kNeedsScene, run_store},
};

QString synopsis(const command_info& c)
{
    return QStringLiteral("qbx %1 %2").arg(QLatin1String(c.name), QLatin1String(c.synopsis));
}

QString short_usage()
{
    QStringList forms;
    for (const command_info& c : kCommands)
        forms.append(synopsis(c));
    return QStringLiteral("usage: ") + forms.join(QStringLiteral(" | ")) + QStringLiteral("; qbx --help for more");
}

QString usage()
{
    QString text = QStringLiteral("usage: qbx COMMAND ARGUMENTS\n\n");
    for (const command_info& c : kCommands)
        text += QStringLiteral("  %1\n      %2\n").arg(synopsis(c), QLatin1String(c.summary));
    text += QStringLiteral(
        "\nrebind: an empty NEW removes the namespace; \":\" stands for the root (as OLD: names without a\n"
        "namespace; as NEW: absolute names). Later --map rows win for nested namespaces.\n"
        "mirror: a --rule pair replaces the picker's rules (l_=r_ at the start, _l=_r at the end, Left=Right as\n"
        "words); without --axis the picker's axis, else the middle of the buttons. Copies whose partner is already\n"
        "in the picker are not made; both they and the names that map to themselves are listed.\n"
        "Buttons are counted from 0. JSON colours are \"#RRGGBB\" (\"#AARRGGBB\" when the top byte is set);\n"
        "build also takes the 32-bit integers of earlier dumps.\n"
        "\nExit status: 0 done; 1 done, but the file holds what the plug-in drops or may misread (a line on\n"
        "standard error says what; check lists it); 2 failed, nothing written.\n");
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    // Painting labels needs the toolkit's fonts, hence a GUI application,
    // on the offscreen platform: qbx never opens a window.
    const bool paints = argc > 1 && qstrcmp(argv[1], "render") == 0;
    if (paints && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QScopedPointer<QCoreApplication> application(paints ? new QGuiApplication(argc, argv)
                                                        : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("qbx"));
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return fail(QStringLiteral("no command given; ") + short_usage());
    const QString& name = args.first();
    if (name == QLatin1String("help") || name == QLatin1String("-h") || name == QLatin1String("--help"))
        return write_stdout(usage().toUtf8()) ? kExitOk : kExitError;
    if (name == QLatin1String("--version"))
        return write_stdout(QByteArrayLiteral("qbx " QBX_VERSION "\n")) ? kExitOk : kExitError;
    for (const command_info& c : kCommands) {
        if (name != QLatin1String(c.name))
            continue;
        const QStringList rest = args.mid(1);
        if (asks_for_help(rest))
            return write_stdout((QStringLiteral("usage: ") + synopsis(c) + QStringLiteral("\n  ")
                                 + QLatin1String(c.summary) + QLatin1Char('\n'))
                                    .toUtf8())
                       ? kExitOk
                       : kExitError;
        command_line line;
        QString error;
        if (!parse_command_line(rest, c.options, &line, &error))
            return fail(QStringLiteral("%1: %2; usage: %3").arg(name, error, synopsis(c)));
        return c.run(line);
    }
    return fail(QStringLiteral("unknown command \"%1\"; ").arg(name) + short_usage());
}
