#include "sandbox/sandbox_options.h"
#include <QtCore/QDir>
#include <QtCore/QFileInfo>

namespace {

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

bool readable_file(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

QString first_existing(const QStringList& candidates)
{
    for (const QString& c : candidates)
        if (!c.isEmpty() && readable_file(c))
            return QFileInfo(c).absoluteFilePath();
    return QString();
}

QString example_file(const QString& applicationDir, const QString& name)
{
    QStringList candidates{QDir(applicationDir).filePath(QStringLiteral("../examples/") + name)};
#ifdef QB_SANDBOX_BUILD_EXAMPLES
    candidates << QDir(QStringLiteral(QB_SANDBOX_BUILD_EXAMPLES)).filePath(name);
#endif
    return first_existing(candidates);
}

} // namespace

bool parse_sandbox_options(const QStringList& args, sandbox_options* options, QString* error)
{
    sandbox_options o;
    bool pluginGiven = false;
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (!optionsEnded && a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            if (a == QLatin1String("--")) {
                optionsEnded = true;
                continue;
            }
            if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
                o.help = true;
                continue;
            }
            if (a == QLatin1String("--batch")) {
                o.batch = true;
                continue;
            }
            if (a == QLatin1String("--no-plugin")) {
                if (pluginGiven)
                    return fail(error, QStringLiteral("--no-plugin and --plugin exclude each other"));
                o.noPlugin = true;
                continue;
            }
            const bool takesValue = a == QLatin1String("-c") || a == QLatin1String("-s")
                                    || a == QLatin1String("--plugin") || a == QLatin1String("--dump-state")
                                    || a == QLatin1String("--screenshot");
            if (!takesValue)
                return fail(error, QStringLiteral("unknown option \"%1\"").arg(a));
            if (i + 1 >= args.size())
                return fail(error, QStringLiteral("%1 needs a value").arg(a));
            const QString value = args.at(++i);
            // An empty path would be read as "the current folder" or nothing.
            if (value.isEmpty() && a != QLatin1String("-c"))
                return fail(error, QStringLiteral("%1 needs a non-empty value").arg(a));
            if (a == QLatin1String("-c")) {
                o.commands.append(sandbox_command{sandbox_command::Mel, value});
            } else if (a == QLatin1String("-s")) {
                o.commands.append(sandbox_command{sandbox_command::Script, value});
            } else if (a == QLatin1String("--plugin")) {
                if (o.noPlugin)
                    return fail(error, QStringLiteral("--plugin and --no-plugin exclude each other"));
                if (pluginGiven)
                    return fail(error, QStringLiteral("--plugin given twice"));
                pluginGiven = true;
                o.plugin = value;
            } else if (a == QLatin1String("--dump-state")) {
                if (!o.dumpState.isEmpty())
                    return fail(error, QStringLiteral("--dump-state given twice"));
                o.dumpState = value;
            } else {
                if (!o.screenshot.isEmpty())
                    return fail(error, QStringLiteral("--screenshot given twice"));
                o.screenshot = value;
            }
            continue;
        }
        if (a.isEmpty())
            return fail(error, QStringLiteral("an empty argument is not a scene file"));
        if (!o.scene.isEmpty())
            return fail(error, QStringLiteral("more than one scene given (\"%1\" and \"%2\")").arg(o.scene, a));
        o.scene = a;
    }
    *options = o;
    return true;
}

bool check_files(const sandbox_options& options, QString* error)
{
    if (!options.scene.isEmpty() && !readable_file(options.scene))
        return fail(error, QStringLiteral("cannot read the scene file \"%1\"").arg(options.scene));
    for (const sandbox_command& c : options.commands)
        if (c.kind == sandbox_command::Script && !readable_file(c.text))
            return fail(error, QStringLiteral("cannot read the script file \"%1\"").arg(c.text));
    if (!options.plugin.isEmpty() && !readable_file(options.plugin))
        return fail(error, QStringLiteral("cannot read the plug-in \"%1\"").arg(options.plugin));
    for (const QString& output : {options.dumpState, options.screenshot}) {
        if (output.isEmpty())
            continue;
        const QFileInfo info(output);
        if (info.isDir())
            return fail(error, QStringLiteral("cannot write \"%1\": it is a folder").arg(output));
        if (!info.absoluteDir().exists())
            return fail(error, QStringLiteral("cannot write \"%1\": no folder \"%2\"")
                                   .arg(output, info.absolutePath()));
    }
    return true;
}

QString sandbox_usage()
{
    return QStringLiteral(
        "usage: quillbrook-sandbox [SCENE] [-c MEL]... [-s FILE.mel]... [--plugin PATH | --no-plugin]\n"
        "                          [--batch] [--dump-state FILE.json] [--screenshot FILE.png]\n"
        "\n"
        "  SCENE               a scene file to open first\n"
        "  -c MEL              run MEL text; -c and -s run in the order given, each once\n"
        "                      the idle queue is empty\n"
        "  -s FILE.mel         source a MEL script file\n"
        "  --plugin PATH       the plug-in module to load (default: ../plug-ins beside the program)\n"
        "  --no-plugin         load no plug-in\n"
        "  --batch             no window; quit when the commands and the idle queue are done\n"
        "  --dump-state FILE   write the scene, logs and picker panel as JSON when done\n"
        "  --screenshot FILE   write the main window and the picker panel as one PNG when done\n"
        "\n"
        "Without SCENE, -c or -s the demo shot opens with its body picker.\n"
        "Exit status (--batch): 0 done, 1 a MEL error was logged or an output could not be\n"
        "written, 2 bad command line or missing file.\n");
}

QString default_plugin_path(const QString& applicationDir)
{
    const QDir dir(applicationDir);
    QStringList candidates;
    for (const char* suffix : {".so", ".bundle", ".mll"})
        candidates << dir.filePath(QStringLiteral("../plug-ins/QuillbrookPicker") + QLatin1String(suffix));
#ifdef QB_SANDBOX_BUILD_PLUGIN
    candidates << QStringLiteral(QB_SANDBOX_BUILD_PLUGIN);
#endif
    return first_existing(candidates);
}

QString demo_scene_path(const QString& applicationDir)
{
    return example_file(applicationDir, QStringLiteral("demo_shot.ma"));
}

QString demo_picker_path(const QString& applicationDir)
{
    return example_file(applicationDir, QStringLiteral("body_picker.qbx"));
}
