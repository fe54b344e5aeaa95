// quillbrook-sandbox: the stand-in host with a window. It loads the plug-in
// module at run time as the real host does and reaches the picker panel
// only through the toolkit. See sandbox_options.h for the command line.
#include "sandbox/batch_runner.h"
#include "sandbox/first_screen.h"
#include "sandbox/main_window.h"
#include "sandbox/mel_string.h"
#include "sandbox/sandbox_options.h"
#include <qbhost/host_session.h>

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QStandardPaths>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>

#include <cstdio>

namespace {

constexpr int kExitUsage = 2;

void print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

int usage_error(const QString& message)
{
    print(stderr, QStringLiteral("quillbrook-sandbox: %1\n\n").arg(message) + sandbox_usage());
    return kExitUsage;
}

QString absolute(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

// Batch mode has no script editor: output goes to standard output, warnings
// and errors to standard error, as they are logged.
void echo_history(int kind, const QString& text)
{
    QString line = text;
    if (!line.endsWith(QLatin1Char('\n')))
        line += QLatin1Char('\n');
    switch (qbhost::HistoryKind(kind)) {
    case qbhost::HistoryKind::Output:
        print(stdout, line);
        break;
    case qbhost::HistoryKind::Warning:
        print(stderr, QStringLiteral("// Warning: ") + line);
        break;
    case qbhost::HistoryKind::Error:
        print(stderr, QStringLiteral("// Error: ") + line);
        break;
    case qbhost::HistoryKind::Mel:
    case qbhost::HistoryKind::Python:
        break;
    }
}

// The offscreen platform reports every window feature it lacks; in batch
// mode those lines would bury the run's own messages.
void batch_messages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    print(stderr, qFormatLogMessage(type, context, message) + QLatin1Char('\n'));
}

// Statements one text may run in batch mode before it is interrupted: far
// more than any real script needs, and still only seconds.
const qint64 kBatchMelSteps = 50 * 1000 * 1000;

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    sandbox_options options;
    QString error;
    if (!parse_sandbox_options(args, &options, &error))
        return usage_error(error);
    if (options.help) {
        print(stdout, sandbox_usage());
        return 0;
    }
    if (!check_files(options, &error))
        return usage_error(error);

    // Before the application exists: the platform is chosen as it starts.
    if (options.batch) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(batch_messages);
    }
    // The toolkit sees no user argument, so it cannot take one for its own.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("quillbrook-sandbox"));
    // The run ends through File > Quit or the batch runner, after the host
    // has quit; not because the panel, the last window shown, closed.
    QApplication::setQuitOnLastWindowClosed(false);
    const QString appDir = QCoreApplication::applicationDirPath();
    // The plug-in stores its panel's place as it would in the host; the
    // sandbox keeps that apart from what the user's own host stored.
    use_sandbox_settings(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                         + QStringLiteral("/settings"));

    QString plugin;
    if (!options.noPlugin) {
        plugin = options.plugin.isEmpty() ? default_plugin_path(appDir) : absolute(options.plugin);
        if (plugin.isEmpty())
            return usage_error(QStringLiteral("the plug-in was not found in %1 (give --plugin PATH or --no-plugin)")
                                   .arg(QDir(appDir).absoluteFilePath(QStringLiteral("../plug-ins"))));
    }

    QStringList steps;
    if (!plugin.isEmpty())
        steps << QStringLiteral("loadPlugin %1;").arg(mel_string(plugin));
    if (options.opensDemo()) {
        const QString scene = demo_scene_path(appDir);
        if (scene.isEmpty())
            return usage_error(QStringLiteral("the demo shot was not found in %1")
                                   .arg(QDir(appDir).absoluteFilePath(QStringLiteral("../examples"))));
        steps << QStringLiteral("file -open %1;").arg(mel_string(scene));
        if (!plugin.isEmpty()) {
            steps << QStringLiteral("QuillbrookPicker;");
            const QString picker = demo_picker_path(appDir);
            if (picker.isEmpty())
                return usage_error(QStringLiteral("the demo picker body_picker.qbx was not found in %1")
                                       .arg(QDir(appDir).absoluteFilePath(QStringLiteral("../examples"))));
            steps << QStringLiteral("QuillbrookPicker \"open\" %1;").arg(mel_string(picker));
        }
    } else {
        if (!options.scene.isEmpty())
            steps << QStringLiteral("file -open %1;").arg(mel_string(absolute(options.scene)));
        for (const sandbox_command& c : options.commands)
            steps << (c.kind == sandbox_command::Mel ? c.text
                                                     : QStringLiteral("source %1;").arg(mel_string(absolute(c.text))));
    }

    qbhost::HostSession& host = qbhost::HostSession::instance();
    host.setTracing(false); // for tests; a session here would only grow it
    if (options.batch) {
        QObject::connect(&host, &qbhost::HostSession::historyAdded, &echo_history);
        // Nobody is there to interrupt an endless script: the run does it.
        host.setMelStepBudget(kBatchMelSteps);
    }
    if (!plugin.isEmpty())
        host.setPluginSearchPath(QStringList{QFileInfo(plugin).absolutePath()});

    int status = 0;
    {
        sandbox_window window(host);
        window.setUnattended(options.batch);
        if (options.opensDemo()) {
            const first_screen_layout layout = demo_first_screen(QGuiApplication::primaryScreen()->availableGeometry());
            window.setGeometry(layout.mainWindow);
            store_panel_geometry_once(layout.panel);
        }
        host.setMainWindow(&window);
        QObject::connect(&window, &sandbox_window::quitRequested, &app, &QApplication::quit, Qt::QueuedConnection);

        batch_runner runner(host, &window, options.batch);
        runner.setSteps(steps);
        runner.setOutputs(options.dumpState, options.screenshot);
        QObject::connect(&runner, &batch_runner::finished, &app, &QApplication::exit, Qt::QueuedConnection);
        if (!options.batch) {
            // Queued MEL runs whenever the event loop is idle, as in the host.
            host.setAutoDrain(true);
            window.show();
        }
        runner.start();
        status = app.exec();
        if (options.batch && !runner.isDone())
            status = 1; // ended before the commands were done
        // However the loop ended, the plug-in goes before the window.
        if (!host.plugins().isEmpty())
            host.quit();
        host.setMainWindow(nullptr);
    }
    return status;
}
