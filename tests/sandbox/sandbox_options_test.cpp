// The sandbox's command line, the files it looks for, and the small text
// helpers under it (MEL string literals, shortened texts).
#include "sandbox/mel_string.h"
#include "sandbox/sandbox_options.h"
#include "sandbox/short_text.h"
#include <qbhost/host_session.h>

#include <gtest/gtest.h>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

namespace {

sandbox_options parsed(const QStringList& args)
{
    sandbox_options o;
    QString error;
    EXPECT_TRUE(parse_sandbox_options(args, &o, &error)) << error.toStdString();
    return o;
}

QString refusal(const QStringList& args)
{
    sandbox_options o;
    o.scene = QStringLiteral("untouched");
    QString error;
    EXPECT_FALSE(parse_sandbox_options(args, &o, &error)) << args.join(' ').toStdString();
    EXPECT_EQ(o.scene, QStringLiteral("untouched")); // nothing half-parsed is handed back
    return error;
}

void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

} // namespace

TEST(SandboxOptions, NoArgumentsOpenTheDemoInteractively)
{
    const sandbox_options o = parsed({});
    EXPECT_TRUE(o.opensDemo());
    EXPECT_FALSE(o.batch);
    EXPECT_FALSE(o.noPlugin);
    EXPECT_TRUE(o.plugin.isEmpty());
    // Outputs and batch mode alone still open the demo.
    EXPECT_TRUE(parsed({"--batch", "--dump-state", "d.json", "--screenshot", "s.png"}).opensDemo());
    EXPECT_FALSE(parsed({"shot.ma"}).opensDemo());
    EXPECT_FALSE(parsed({"-c", "print 1"}).opensDemo());
    EXPECT_FALSE(parsed({"-s", "x.mel"}).opensDemo());
}

TEST(SandboxOptions, CommandsAndScriptsKeepTheirOrderAroundOtherOptions)
{
    const sandbox_options o = parsed({"-c", "a", "--batch", "-s", "one.mel", "shot.ma", "-c", "-not-an-option",
                                      "--dump-state", "out.json", "-s", "two.mel", "-c", ""});
    EXPECT_EQ(o.scene, QStringLiteral("shot.ma"));
    EXPECT_TRUE(o.batch);
    EXPECT_EQ(o.dumpState, QStringLiteral("out.json"));
    ASSERT_EQ(o.commands.size(), 5);
    const sandbox_command::Kind kinds[] = {sandbox_command::Mel, sandbox_command::Script, sandbox_command::Mel,
                                           sandbox_command::Script, sandbox_command::Mel};
    const char* texts[] = {"a", "one.mel", "-not-an-option", "two.mel", ""};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(o.commands[i].kind, kinds[i]) << i;
        EXPECT_EQ(o.commands[i].text, QLatin1String(texts[i])) << i;
    }
}

TEST(SandboxOptions, PluginChoiceAndDoubleDash)
{
    EXPECT_EQ(parsed({"--plugin", "/x/P.so"}).plugin, QStringLiteral("/x/P.so"));
    EXPECT_TRUE(parsed({"--no-plugin"}).noPlugin);
    EXPECT_TRUE(parsed({"--help"}).help);
    EXPECT_TRUE(parsed({"-h"}).help);
    // After "--" a name starting with a dash is the scene.
    EXPECT_EQ(parsed({"--batch", "--", "-odd.ma"}).scene, QStringLiteral("-odd.ma"));
    EXPECT_EQ(parsed({"-"}).scene, QStringLiteral("-"));
}

TEST(SandboxOptions, RefusesWhatItCannotMeanWithAMessage)
{
    EXPECT_EQ(refusal({"--bogus"}), QStringLiteral("unknown option \"--bogus\""));
    EXPECT_EQ(refusal({"-x"}), QStringLiteral("unknown option \"-x\""));
    // Options of the toolkit are not taken either: the sandbox owns its line.
    EXPECT_EQ(refusal({"-platform", "xcb"}), QStringLiteral("unknown option \"-platform\""));
    EXPECT_EQ(refusal({"-c"}), QStringLiteral("-c needs a value"));
    EXPECT_EQ(refusal({"shot.ma", "--dump-state"}), QStringLiteral("--dump-state needs a value"));
    EXPECT_EQ(refusal({"-s", ""}), QStringLiteral("-s needs a non-empty value"));
    EXPECT_EQ(refusal({"--screenshot", ""}), QStringLiteral("--screenshot needs a non-empty value"));
    EXPECT_EQ(refusal({"a.ma", "b.ma"}), QStringLiteral("more than one scene given (\"a.ma\" and \"b.ma\")"));
    EXPECT_EQ(refusal({"--plugin", "p.so", "--no-plugin"}), QStringLiteral("--no-plugin and --plugin exclude each other"));
    EXPECT_EQ(refusal({"--no-plugin", "--plugin", "p.so"}), QStringLiteral("--plugin and --no-plugin exclude each other"));
    EXPECT_EQ(refusal({"--plugin", "a.so", "--plugin", "b.so"}), QStringLiteral("--plugin given twice"));
    EXPECT_EQ(refusal({"--dump-state", "a", "--dump-state", "b"}), QStringLiteral("--dump-state given twice"));
    EXPECT_EQ(refusal({"--screenshot", "a", "--screenshot", "b"}), QStringLiteral("--screenshot given twice"));
    EXPECT_EQ(refusal({""}), QStringLiteral("an empty argument is not a scene file"));
}

TEST(SandboxOptions, InputFilesMustBeReadable)
{
    QTemporaryDir dir;
    const QString scene = dir.filePath("shot.ma"), script = dir.filePath("a.mel"), plugin = dir.filePath("P.so");
    touch(scene);
    touch(script);
    touch(plugin);
    QString error;
    EXPECT_TRUE(check_files(parsed({scene, "-s", script, "--plugin", plugin}), &error)) << error.toStdString();

    EXPECT_FALSE(check_files(parsed({dir.filePath("none.ma")}), &error));
    EXPECT_EQ(error, QStringLiteral("cannot read the scene file \"%1\"").arg(dir.filePath("none.ma")));
    // A folder is not a scene file.
    EXPECT_FALSE(check_files(parsed({dir.path()}), &error));
    EXPECT_FALSE(check_files(parsed({"-c", "print 1", "-s", script, "-s", dir.filePath("b.mel")}), &error));
    EXPECT_EQ(error, QStringLiteral("cannot read the script file \"%1\"").arg(dir.filePath("b.mel")));
    EXPECT_FALSE(check_files(parsed({"--plugin", dir.filePath("Q.so")}), &error));
    EXPECT_EQ(error, QStringLiteral("cannot read the plug-in \"%1\"").arg(dir.filePath("Q.so")));
}

TEST(SandboxOptions, OutputsNeedAnExistingFolder)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_TRUE(check_files(parsed({"--dump-state", dir.filePath("d.json"), "--screenshot", dir.filePath("s.png")}),
                            &error))
        << error.toStdString();
    EXPECT_FALSE(check_files(parsed({"--dump-state", dir.filePath("none/d.json")}), &error));
    EXPECT_EQ(error, QStringLiteral("cannot write \"%1\": no folder \"%2\"")
                         .arg(dir.filePath("none/d.json"), dir.filePath("none")));
    EXPECT_FALSE(check_files(parsed({"--screenshot", dir.path()}), &error));
    EXPECT_EQ(error, QStringLiteral("cannot write \"%1\": it is a folder").arg(dir.path()));
}

TEST(SandboxOptions, PluginIsLookedForBesideTheProgramFirst)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("bin"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("plug-ins"));
    const QString bin = dir.filePath("bin");
    // Nothing beside it: the build's own module, which this build made.
    EXPECT_TRUE(default_plugin_path(bin).endsWith("/plug-ins/QuillbrookPicker.so"));
    EXPECT_FALSE(default_plugin_path(bin).startsWith(dir.path()));
    touch(dir.filePath("plug-ins/QuillbrookPicker.mll"));
    EXPECT_EQ(default_plugin_path(bin), dir.filePath("plug-ins/QuillbrookPicker.mll"));
    touch(dir.filePath("plug-ins/QuillbrookPicker.so"));
    EXPECT_EQ(default_plugin_path(bin), dir.filePath("plug-ins/QuillbrookPicker.so"));
}

TEST(SandboxOptions, DemoFilesAreLookedForBesideTheProgramFirst)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("bin"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("examples"));
    const QString bin = dir.filePath("bin");
    // This build's own copies.
    EXPECT_TRUE(demo_scene_path(bin).endsWith("/examples/demo_shot.ma"));
    EXPECT_TRUE(demo_picker_path(bin).endsWith("/examples/body_picker.qbx"));
    EXPECT_FALSE(demo_scene_path(bin).startsWith(dir.path()));
    touch(dir.filePath("examples/demo_shot.ma"));
    touch(dir.filePath("examples/body_picker.qbx"));
    EXPECT_EQ(demo_scene_path(bin), dir.filePath("examples/demo_shot.ma"));
    EXPECT_EQ(demo_picker_path(bin), dir.filePath("examples/body_picker.qbx"));
}

TEST(SandboxText, MelStringsHoldExactlyTheirTextWhenMelReadsThem)
{
    qbhost::HostSession& host = qbhost::HostSession::instance();
    host.resetForTest();
    const QString texts[] = {QString(), QStringLiteral("plain"), QStringLiteral("a \"quoted\"; print \"x\";"),
                             QStringLiteral("back\\slash\\"), QStringLiteral("line\nbreak\r\ttab"),
                             QStringLiteral("`ls`$var"), QStringLiteral("caf\u00e9 \U0001F600")};
    for (const QString& t : texts) {
        host.clearHistory();
        QString result;
        // The literal is one argument: the text comes back whole, nothing else runs.
        ASSERT_TRUE(host.executeMel(QStringLiteral("string $s = %1; $s;").arg(mel_string(t)), &result))
            << mel_string(t).toStdString();
        EXPECT_EQ(result, t);
        EXPECT_TRUE(host.historyTexts(qbhost::HistoryKind::Output).isEmpty());
    }
    EXPECT_TRUE(host.errors().isEmpty());
    host.resetForTest();
}

TEST(SandboxText, ShortenedTextsAreMarkedWithTheirLength)
{
    EXPECT_EQ(shortened(QStringLiteral("abc"), 3), QStringLiteral("abc"));
    EXPECT_EQ(shortened(QStringLiteral("abcd"), 3), QStringLiteral("abc\u2026(4 characters)"));
    EXPECT_EQ(shortened(QString(10000000, QLatin1Char('x')), 200),
              QString(200, QLatin1Char('x')) + QStringLiteral("\u2026(10000000 characters)"));
    EXPECT_EQ(shortened(QStringLiteral("abcd"), 0), QStringLiteral("\u2026(4 characters)"));
    // Never half a surrogate pair: the cut moves before it.
    const QString emoji = QStringLiteral("ab\U0001F600cd");
    EXPECT_EQ(shortened(emoji, 3), QStringLiteral("ab\u2026(6 characters)"));
    EXPECT_EQ(shortened(emoji, 4), QStringLiteral("ab\U0001F600\u2026(6 characters)"));
}
