#ifndef QB_SANDBOX_SANDBOX_OPTIONS_H
#define QB_SANDBOX_SANDBOX_OPTIONS_H
// The sandbox's command line:
//   quillbrook-sandbox [SCENE] [-c MEL]... [-s FILE.mel]... [--plugin PATH | --no-plugin]
//                      [--batch] [--dump-state FILE.json] [--screenshot FILE.png]
// A stable interface for tests and pipelines: options may be added, never
// renamed or given another meaning.
#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>

struct sandbox_command {
    enum Kind { Mel, Script };
    Kind kind = Mel;
    QString text; // the MEL text, or the script file's path
};

struct sandbox_options {
    QString scene;
    QList<sandbox_command> commands; // -c and -s in the order given
    QString plugin;                  // --plugin; empty for the default
    bool noPlugin = false;
    bool batch = false;
    QString dumpState;
    QString screenshot;
    bool help = false;

    // The demo shot opens when neither a scene nor a command was given.
    bool opensDemo() const { return scene.isEmpty() && commands.isEmpty(); }
};

// Parses the arguments (without the program name). False with a message
// for an unknown option, a missing value, an option given twice that takes
// one value, a second scene, or --plugin with --no-plugin.
bool parse_sandbox_options(const QStringList& args, sandbox_options* options, QString* error);

// False with a message naming the first file that the options name and
// that cannot be read (the scene, a -s script, the --plugin module), or an
// output whose folder does not exist: better refused before anything runs
// than found unwritable at the end.
bool check_files(const sandbox_options& options, QString* error);

QString sandbox_usage();

// The module the sandbox loads when no --plugin is given: beside the
// executable in ../plug-ins (.so, .bundle or .mll), else the one this build
// made. Empty when there is none.
QString default_plugin_path(const QString& applicationDir);

// The demo shot's files: the scene and the body picker, in ../examples
// beside the executable, else where this build put them. Empty when missing.
QString demo_scene_path(const QString& applicationDir);
QString demo_picker_path(const QString& applicationDir);
#endif
