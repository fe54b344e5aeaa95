// The built sandbox run as a program, the way tests and pipelines use it:
// command line, exit status, state dump, screenshot, the demo shot, and
// pickers kept in a saved scene.
#include <gtest/gtest.h>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtCore/QSet>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>

namespace {

struct run_result {
    int code = -1;
    QString out;
    QString err;
};

const QString kDemoPicker = QStringLiteral(QB_DEMO_DIR "/body_picker.qbx");
const QString kDemoScene = QStringLiteral(QB_DEMO_DIR "/demo_shot.ma");

class SandboxProcess : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // The plug-in keeps its panel geometry in the user's settings: never the real ones.
        QDir(dir.path()).mkpath("config");
        QDir(dir.path()).mkpath("runtime");
        QFile::setPermissions(dir.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    run_result run(const QStringList& args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(SANDBOX_PATH), args);
        run_result r;
        if (!p.waitForStarted(10000))
            return r;
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            r.err = QStringLiteral("(timed out)");
            return r;
        }
        r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

    // Runs in batch mode with a state dump; the dump, or an empty object.
    QJsonObject batch(QStringList args, run_result* result = nullptr)
    {
        const QString path = dir.filePath(QStringLiteral("state-%1.json").arg(++dumps));
        args << "--batch" << "--dump-state" << path;
        const run_result r = run(args);
        if (result)
            *result = r;
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "no state dump; status " << r.code << "\n" << r.err.toStdString();
            return QJsonObject();
        }
        return QJsonDocument::fromJson(f.readAll()).object();
    }

    void write(const QString& path, const QByteArray& text)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    QTemporaryDir dir;
    int dumps = 0;
};

QStringList strings(const QJsonValue& v)
{
    QStringList out;
    for (const QJsonValue& e : v.toArray())
        out << e.toString();
    return out;
}

// The panel opens first, alone: its restore of the scene's pickers runs
// from the idle queue and would replace a picker opened before it.
QStringList openDemoPicker()
{
    return {"-c", "QuillbrookPicker;", "-c", QStringLiteral("QuillbrookPicker \"open\" \"%1\";").arg(kDemoPicker)};
}

QJsonObject tabNamed(const QJsonObject& dump, const QString& name)
{
    for (const QJsonValue& t : dump.value("picker").toObject().value("tabs").toArray())
        if (t.toObject().value("name").toString() == name)
            return t.toObject();
    return QJsonObject();
}

// The buttons as saved: their selection state is the scene's, not the file's.
QJsonArray savedButtons(const QJsonObject& tab)
{
    QJsonArray out;
    for (const QJsonValue& b : tab.value("buttons").toArray()) {
        QJsonObject o = b.toObject();
        o.remove("state");
        out.append(o);
    }
    return out;
}

QRect rectOf(const QJsonValue& v)
{
    const QJsonArray a = v.toArray();
    return QRect(a.at(0).toInt(), a.at(1).toInt(), a.at(2).toInt(), a.at(3).toInt());
}

} // namespace

TEST_F(SandboxProcess, BadCommandLinesExitTwoWithAMessage)
{
    struct Row {
        QStringList args;
        QString message;
    };
    const Row rows[] = {
        {{"--bogus"}, "unknown option \"--bogus\""},
        {{"-c"}, "-c needs a value"},
        {{"--plugin", "a.so", "--no-plugin"}, "--no-plugin and --plugin exclude each other"},
        {{"--batch", dir.filePath("none.ma")}, "cannot read the scene file \"" + dir.filePath("none.ma") + "\""},
        {{"--batch", "-s", "missing.mel"}, "cannot read the script file \"missing.mel\""},
        {{"--batch", "--plugin", "nowhere.so"}, "cannot read the plug-in \"nowhere.so\""},
        {{"--batch", "--dump-state", "no/folder/d.json"},
         "cannot write \"no/folder/d.json\": no folder \"" + dir.filePath("no/folder") + "\""},
    };
    for (const Row& row : rows) {
        const run_result r = run(row.args);
        EXPECT_EQ(r.code, 2) << row.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("quillbrook-sandbox: " + row.message)) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("usage: quillbrook-sandbox")) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("state-1.json")));
}

TEST_F(SandboxProcess, HelpPrintsTheUsage)
{
    const run_result r = run({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.startsWith("usage: quillbrook-sandbox [SCENE] [-c MEL]...")) << r.out.toStdString();
}

TEST_F(SandboxProcess, ExitStatusIsOneAfterAMelErrorElseZero)
{
    run_result r;
    const QJsonObject good = batch({"--no-plugin", "-c", "createNode transform -n \"a\";", "-c", "print \"hi\\n\";"}, &r);
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("hi\n")); // output reaches standard output
    EXPECT_TRUE(strings(good.value("errors")).isEmpty());

    const QJsonObject bad = batch({"--no-plugin", "-c", "error \"boom\";", "-c", "createNode transform -n \"b\";"}, &r);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("// Error: ")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("boom"));
    ASSERT_EQ(strings(bad.value("errors")).size(), 1);
    // The error does not stop what follows.
    EXPECT_TRUE(strings(bad.value("scene").toObject().value("nodes")).contains("b"));
    EXPECT_TRUE(bad.value("picker").isNull());
}

TEST_F(SandboxProcess, AnEndlessScriptIsInterruptedInBatchMode)
{
    run_result r;
    const QJsonObject dump = batch({"--no-plugin", "-c", "for(;;);", "-c", "createNode transform -n \"after\";"}, &r);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("// Error: ")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("interrupted")) << r.err.toStdString();
    // Like any error, it does not stop the commands that follow.
    EXPECT_TRUE(strings(dump.value("scene").toObject().value("nodes")).contains("after"));
}

TEST_F(SandboxProcess, AModuleThatIsNoPluginFailsTheRun)
{
    const QString fake = dir.filePath("NotAPlugin.so");
    write(fake, "not a shared object");
    run_result r;
    const QJsonObject dump = batch({"--plugin", fake, "-c", "print \"still here\\n\";"}, &r);
    EXPECT_EQ(r.code, 1);
    ASSERT_FALSE(strings(dump.value("errors")).isEmpty());
    EXPECT_TRUE(strings(dump.value("errors"))[0].startsWith("Unable to dynamically load"));
    EXPECT_EQ(r.out, QStringLiteral("still here\n"));
}

TEST_F(SandboxProcess, ADialogMetInBatchModeIsDismissedAndFailsTheRun)
{
    // The panel answers a file it cannot read with a message box.
    run_result r;
    const QJsonObject dump = batch({"-c", "QuillbrookPicker;", "-c",
                                    QStringLiteral("QuillbrookPicker \"open\" \"%1\";").arg(dir.filePath("none.qbx")),
                                    "-c", "print \"after\\n\";"},
                                   &r);
    EXPECT_EQ(r.code, 1);
    const QStringList errors = strings(dump.value("errors"));
    ASSERT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors[0].startsWith("Batch mode: dismissed the dialog \"")) << errors[0].toStdString();
    EXPECT_EQ(r.out, QStringLiteral("after\n"));
}

TEST_F(SandboxProcess, SceneOpensFirstThenCommandsAndScriptsInTheOrderGiven)
{
    const QString scene = dir.filePath("shot.ma");
    write(scene, "//Quillbrook host scene, written as MEL\nnamespace -add \"hero\";\ncreateNode transform -n "
                 "\"hero:arm\";\nfileInfo \"shot\" \"010\";\n");
    // A file name MEL would misread unless it is quoted and escaped.
    const QString script = dir.filePath("it's \"odd\"; print \"x\".mel");
    write(script, "createNode transform -n \"fromScript\";\n");
    run_result r;
    const QJsonObject dump = batch({scene, "-c", "createNode transform -n \"one\";", "-s", script, "-c",
                                    "createNode transform -n \"two\";", "--no-plugin"},
                                   &r);
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject s = dump.value("scene").toObject();
    EXPECT_EQ(strings(s.value("nodes")), QStringList({"hero:arm", "one", "fromScript", "two"}));
    EXPECT_EQ(s.value("file").toString(), scene);
    EXPECT_TRUE(s.value("modified").toBool());
    EXPECT_EQ(s.value("fileInfo").toObject().value("shot").toString(), QStringLiteral("010"));
    EXPECT_TRUE(strings(s.value("namespaces")).contains("hero"));
    EXPECT_EQ(strings(s.value("selection")), QStringList{"two"});
    const QStringList history = strings(dump.value("history"));
    ASSERT_GE(history.size(), 4);
    EXPECT_TRUE(history[0].startsWith("file -open ")) << history[0].toStdString();
    EXPECT_TRUE(history[2].startsWith("source ")) << history[2].toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString(); // the name's "print" never ran
}

TEST_F(SandboxProcess, ASceneSavedInOneRunOpensInTheNext)
{
    const QString path = dir.filePath("saved shot.ma");
    run_result r;
    batch({"--no-plugin", "-c", "namespace -add \"hero\"; createNode transform -n \"hero:root\";", "-c",
           QStringLiteral("file -rename \"%1\"; file -save;").arg(path)},
          &r);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    ASSERT_TRUE(QFile::exists(path));
    const QJsonObject dump = batch({path, "--no-plugin"}, &r);
    EXPECT_EQ(r.code, 0);
    const QJsonObject s = dump.value("scene").toObject();
    EXPECT_EQ(strings(s.value("nodes")), QStringList{"hero:root"});
    EXPECT_FALSE(s.value("modified").toBool());
    EXPECT_EQ(s.value("file").toString(), path);
}

TEST_F(SandboxProcess, DemoOpensHeadlessWithThePanelAndItsBodyPicker)
{
    run_result r;
    const QJsonObject dump = batch({}, &r);
    const QJsonObject s = dump.value("scene").toObject();
    EXPECT_EQ(s.value("file").toString(), QFileInfo(kDemoScene).absoluteFilePath());
    const QStringList nodes = strings(s.value("nodes"));
    EXPECT_TRUE(strings(s.value("namespaces")).contains("hero"));
    EXPECT_TRUE(strings(s.value("namespaces")).contains("villain"));
    int hero = 0, villain = 0;
    for (const QString& n : nodes) {
        hero += n.startsWith("hero:");
        villain += n.startsWith("villain:");
    }
    EXPECT_GE(hero, 40);
    EXPECT_EQ(hero, villain); // one rig, twice
    const QJsonObject picker = dump.value("picker").toObject();
    ASSERT_FALSE(picker.isEmpty()) << "no panel";
    EXPECT_TRUE(picker.value("visible").toBool());
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(strings(dump.value("errors")).isEmpty()) << r.err.toStdString();

    // One picker, Body, in front; the panel keeps its empty first tab beside it.
    const QJsonArray tabs = picker.value("tabs").toArray();
    int body = -1;
    for (int i = 0; i < tabs.size(); ++i) {
        const QJsonObject t = tabs[i].toObject();
        if (t.value("name").toString() == QLatin1String("Body")) {
            EXPECT_EQ(body, -1) << "two Body tabs";
            body = i;
        } else {
            EXPECT_TRUE(t.value("buttons").toArray().isEmpty()) << t.value("name").toString().toStdString();
        }
    }
    ASSERT_GE(body, 0);
    EXPECT_EQ(picker.value("current").toInt(), body);
    const QJsonObject tab = tabs[body].toObject();
    EXPECT_TRUE(tab.value("hasImage").toBool());
    EXPECT_EQ(tab.value("background").toString(), QStringLiteral("body_background"));
    EXPECT_EQ(tab.value("file").toString(), QFileInfo(kDemoPicker).absoluteFilePath());
    const QJsonArray buttons = tab.value("buttons").toArray();
    ASSERT_GE(buttons.size(), 40);
    QSet<QString> named;
    for (const QJsonValue& b : buttons) {
        if (b.toObject().value("kind").toInt() != 0)
            continue;
        for (const QString& n : strings(b.toObject().value("nodes"))) {
            EXPECT_TRUE(n.startsWith("hero:")) << n.toStdString();
            EXPECT_TRUE(nodes.contains(n)) << n.toStdString();
            named.insert(n);
        }
    }
    // Every hero control has a button.
    for (const QString& n : nodes)
        if (n.startsWith("hero:"))
            EXPECT_TRUE(named.contains(n)) << n.toStdString();
}

TEST_F(SandboxProcess, SelectingARigControlLightsItsButtons)
{
    run_result r;
    const QJsonObject dump = batch(QStringList{kDemoScene} << openDemoPicker() << "-c" << "select -r hero:l_arm_ctrl", &r);
    EXPECT_EQ(strings(dump.value("scene").toObject().value("selection")), QStringList{"hero:l_arm_ctrl"});
    ASSERT_TRUE(dump.value("picker").isObject());
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(strings(dump.value("picker").toObject().value("selection")), QStringList{"hero:l_arm_ctrl"});
    int lit = 0;
    const QJsonArray buttons = tabNamed(dump, "Body").value("buttons").toArray();
    ASSERT_FALSE(buttons.isEmpty());
    for (const QJsonValue& v : buttons) {
        const QJsonObject b = v.toObject();
        if (b.value("kind").toInt() != 0)
            continue;
        const QStringList nodes = strings(b.value("nodes"));
        if (nodes == QStringList{"hero:l_arm_ctrl"}) {
            EXPECT_EQ(b.value("state").toInt(), 1);
            ++lit;
        } else if (!nodes.contains("hero:l_arm_ctrl")) {
            EXPECT_EQ(b.value("state").toInt(), 0) << nodes.join(' ').toStdString();
        }
    }
    EXPECT_EQ(lit, 1);
}

TEST_F(SandboxProcess, PickersComeBackWithTheSavedScene)
{
    const QString path = dir.filePath("with picker.ma");
    run_result r;
    const QJsonObject first = batch(QStringList{kDemoScene} << openDemoPicker() << "-c"
                                                            << QStringLiteral("file -rename \"%1\"; file -save;").arg(path),
                                    &r);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    ASSERT_TRUE(QFile::exists(path));
    const QJsonObject body = tabNamed(first, "Body");
    ASSERT_FALSE(body.value("buttons").toArray().isEmpty());

    // A second run: the scene alone, then the panel.
    const QJsonObject second = batch({path, "-c", "QuillbrookPicker;"}, &r);
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonArray before = first.value("picker").toObject().value("tabs").toArray();
    const QJsonArray after = second.value("picker").toObject().value("tabs").toArray();
    ASSERT_EQ(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i) {
        const QJsonObject b = before[i].toObject(), a = after[i].toObject();
        EXPECT_EQ(a.value("name"), b.value("name")) << i;
        EXPECT_EQ(a.value("background"), b.value("background")) << i;
        EXPECT_EQ(a.value("hasImage"), b.value("hasImage")) << i;
        EXPECT_EQ(savedButtons(a), savedButtons(b)) << i;
    }
    EXPECT_EQ(second.value("picker").toObject().value("current"), first.value("picker").toObject().value("current"));
    EXPECT_EQ(savedButtons(tabNamed(second, "Body")), savedButtons(body));
}

TEST_F(SandboxProcess, ScreenshotCompositesTheMainWindowAndTheFloatingPanel)
{
    const QString shot = dir.filePath("shot.png");
    run_result r;
    const QJsonObject dump = batch({"--screenshot", shot}, &r);
    const QJsonArray windows = dump.value("windows").toArray();
    ASSERT_GE(windows.size(), 2) << QJsonDocument(windows).toJson().toStdString();
    QRect mainRect, panelRect, all;
    for (const QJsonValue& w : windows) {
        const QRect rect = rectOf(w.toObject().value("rect"));
        all |= rect;
        if (w.toObject().value("name").toString() == QLatin1String("sandboxMainWindow"))
            mainRect = rect;
        if (w.toObject().value("name").toString() == QLatin1String("QuillbrookPicker"))
            panelRect = rect;
    }
    ASSERT_FALSE(mainRect.isEmpty());
    ASSERT_FALSE(panelRect.isEmpty());
    const QImage image(shot);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), all.size());
    EXPECT_GE(image.width(), mainRect.width());
    EXPECT_GE(image.height(), mainRect.height());

    // The panel's pixels are painted, and are not one flat colour.
    QSet<QRgb> colours;
    const QRect inImage = panelRect.translated(-all.topLeft());
    for (int y = inImage.top(); y <= inImage.bottom(); y += 3)
        for (int x = inImage.left(); x <= inImage.right(); x += 3) {
            const QRgb p = image.pixel(x, y);
            EXPECT_EQ(qAlpha(p), 255) << x << "," << y;
            if (qAlpha(p) != 255)
                return;
            colours.insert(p);
        }
    EXPECT_GE(colours.size(), 3);
    // The main window is there too, around the panel.
    QSet<QRgb> mainColours;
    const QRect mainInImage = mainRect.translated(-all.topLeft());
    // Every pixel of the row: its text (the scene's path) is as long as the
    // checkout's path, and sparse samples could miss every glyph.
    for (int x = mainInImage.left(); x < mainInImage.right(); ++x)
        mainColours.insert(image.pixel(x, mainInImage.bottom() - 5));
    EXPECT_GE(mainColours.size(), 2);
}

TEST_F(SandboxProcess, AFileThatIsNotASceneIsRefusedAndTheRunGoesOn)
{
    const QString scene = dir.filePath("garbage.ma");
    write(scene, QByteArray("\x01\x02\x03 not a scene at all\n", 23));
    run_result r;
    const QJsonObject dump = batch({scene, "--no-plugin", "-c", "createNode transform -n \"after\";"}, &r);
    EXPECT_EQ(r.code, 1);
    const QStringList errors = strings(dump.value("errors"));
    ASSERT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors[0].contains("it is not a scene file")) << errors[0].toStdString();
    const QJsonObject s = dump.value("scene").toObject();
    EXPECT_EQ(s.value("file").toString(), QString()); // not taken as the scene's name
    EXPECT_EQ(strings(s.value("nodes")), QStringList{"after"});
    EXPECT_EQ(s.value("readWithErrors").toInt(), 0);
}
