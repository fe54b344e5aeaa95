// Each change of the panel, followed at once by a scene save, comes back
// when the saved scene is opened in a fresh host process (the sandbox run
// headless), and that fresh scene stays unmodified.
#include "byte_builder.h"
#include "host_fixture.h"
#include "qt_print.h"
#include "temp_files.h"
#include "model/picker_file_check.h"
#include "model/picker_image.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtWidgets/QAbstractButton>
#include <QAction>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QInputDialog>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
#include <functional>

namespace {

QImage solid(int w, int h, QRgb c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

// Answers the next modal dialog of type T from inside its event loop.
template <class T>
void answer(std::function<void(T*)> act, int turnsLeft = 2000)
{
    QTimer::singleShot(0, [act, turnsLeft] {
        if (T* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            if (dialog->isVisible()) {
                act(dialog);
                return;
            }
        }
        if (turnsLeft > 0)
            answer<T>(act, turnsLeft - 1);
    });
}

// What the scene keeps of a tab, as the panel's state reports it.
QJsonObject kept(const QJsonObject& tab)
{
    QJsonObject out;
    for (const char* key : {"name", "background", "hasImage", "imageSize", "imageDigest", "file"})
        out.insert(QLatin1String(key), tab.value(QLatin1String(key)));
    QJsonArray buttons;
    for (const QJsonValue& b : tab.value("buttons").toArray()) {
        QJsonObject o = b.toObject();
        o.remove("state"); // the host's selection, not the picker's
        buttons.append(o);
    }
    out.insert("buttons", buttons);
    return out;
}

QJsonArray json_of(const QVariantList& list)
{
    return QJsonArray::fromVariantList(list);
}

class SceneReopen : public HostFixture
{
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkpath("config");
        QDir(dir.path()).mkpath("runtime");
        QFile::setPermissions(dir.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        createNodes({"hero:a", "hero:b"});
        ASSERT_TRUE(loadPicker());
        host().drainIdle();
        ASSERT_TRUE(picker());
        settle();
    }
    void settle()
    {
        QCoreApplication::sendPostedEvents();
        host().drainIdle();
        ASSERT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    }
    QAction* action(const char* text) const
    {
        for (QAction* a : pickerWindow()->actions())
            if (a->text() == QLatin1String(text))
                return a;
        ADD_FAILURE() << "no action " << text;
        return nullptr;
    }

    // Runs the sandbox headless on a scene, opening the panel; its state dump.
    QJsonObject reopen(const QString& scene, const QStringList& more = QStringList(), QString* errors = nullptr)
    {
        const QString dump = dir.filePath(QStringLiteral("state-%1.json").arg(++runs));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        QStringList args;
        if (!scene.isEmpty())
            args << scene;
        args << "-c" << "QuillbrookPicker;" << more << "--batch" << "--dump-state" << dump;
        p.start(QStringLiteral(SANDBOX_PATH), args);
        if (!p.waitForStarted(10000) || !p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            ADD_FAILURE() << "the sandbox did not run to its end";
            return QJsonObject();
        }
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        if (errors)
            *errors = err;
        else
            EXPECT_EQ(p.exitCode(), 0) << err.toStdString();
        QFile f(dump);
        if (!f.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "no state dump\n" << err.toStdString();
            return QJsonObject();
        }
        return QJsonDocument::fromJson(f.readAll()).object();
    }

    // Saves the scene now, reopens it in a fresh process, and compares.
    void saveAndReopen(const char* what)
    {
        SCOPED_TRACE(what);
        settle();
        const QString scene = dir.filePath(QStringLiteral("shot.ma"));
        host().executeMel(QStringLiteral("file -rename \"%1\"; file -save;").arg(scene));
        ASSERT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();

        const QVariantMap here = pickerState();
        const QJsonObject fresh = reopen(scene);
        const QJsonObject panel = fresh.value("picker").toObject();
        const QJsonArray before = json_of(here.value("tabs").toList());
        const QJsonArray after = panel.value("tabs").toArray();
        ASSERT_EQ(after.size(), before.size());
        QStringList shown;
        for (int i = 0; i < before.size(); ++i) {
            EXPECT_EQ(kept(after[i].toObject()), kept(before[i].toObject())) << i;
            const QString background = after[i].toObject().value("background").toString();
            if (!background.isEmpty() && !shown.contains(background))
                shown << background;
        }
        EXPECT_EQ(panel.value("current").toInt(), here.value("current").toInt());
        // The fresh scene is as it was saved: unmodified, with an image key
        // for each background shown and for no other.
        const QJsonObject s = fresh.value("scene").toObject();
        EXPECT_FALSE(s.value("modified").toBool());
        QStringList keys;
        for (const QString& key : s.value("fileInfo").toObject().keys())
            if (key.startsWith("QuillbrookPickerImage_"))
                keys << key.mid(int(strlen("QuillbrookPickerImage_")));
        keys.sort();
        shown.sort();
        EXPECT_EQ(keys, shown);
    }

    QTemporaryDir dir;
    int runs = 0;
};

} // namespace

TEST_F(SceneReopen, EachChangeSavedAtOnceComesBackInAFreshHost)
{
    byte_builder body;
    body.i32(4).str("Body").str("").i32(2)
        .button(4, 0, {10, 10}, 10, 0, 0, 0xb22222, 0, "L", {"hero:a", "hero:b"})
        .button(4, 1, {40, 10}, 12, 1, 0, 0x123456, 0xffffff, "Go", {"select -r hero:a;"});
    const QString file = write_temp_file(dir, QStringLiteral("body.qbx"), body.bytes());
    host().executeMel(QStringLiteral("QuillbrookPicker \"open\" \"%1\";").arg(file));
    settle();

    action("New...")->trigger();
    saveAndReopen("new tab");

    answer<QInputDialog>([](QInputDialog* d) {
        d->setTextValue(QStringLiteral("Face"));
        d->accept();
    });
    action("Rename Tab...")->trigger();
    saveAndReopen("rename");

    tabs()->tabBar()->moveTab(2, 0);
    saveAndReopen("tab moved");

    tabs()->setCurrentIndex(2); // Body
    const QString png = dir.filePath(QStringLiteral("bg.png"));
    ASSERT_TRUE(solid(24, 16, 0xff336699).save(png));
    answer<QFileDialog>([png](QFileDialog* d) {
        d->selectFile(png);
        static_cast<QDialog*>(d)->accept(); // QFileDialog's own accept, which checks the choice
    });
    action("Change Background...")->trigger();
    ASSERT_EQ(pickerState().value("tabs").toList()[2].toMap().value("imageSize").toList(), QVariantList({24, 16}));
    saveAndReopen("background chosen");

    answer<QFileDialog>([](QFileDialog* d) {
        d->reject();
        answer<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    });
    action("Change Background...")->trigger();
    ASSERT_EQ(pickerState().value("tabs").toList()[2].toMap().value("background").toString(), QStringLiteral("0"));
    saveAndReopen("background removed");
}

TEST_F(SceneReopen, HeadlessRunsLogTheBoxesTheyDismiss)
{
    byte_builder two;
    two.i32(4).str("Cut").str("").i32(2)
        .button(4, 0, {0, 0}, 10, 0, 0, 0, 0, "a", {"a"})
        .button(4, 1, {20, 0}, 10, 0, 0, 0, 0, "b", {"b"});
    const QString cut = write_temp_file(dir, QStringLiteral("cut.qbx"), two.bytes().left(two.bytes().size() - 4));
    const QString text = write_temp_file(dir, QStringLiteral("notes.qbx"), "just some notes\n");
    QString err;
    const QJsonObject dump =
        reopen(QString(), {"-c", QStringLiteral("QuillbrookPicker \"open\" \"%1\" \"%2\";").arg(cut, text)}, &err);
    QStringList errors;
    for (const QJsonValue& e : dump.value("errors").toArray())
        errors << e.toString();
    ASSERT_EQ(errors.size(), 2) << err.toStdString();
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Batch mode: dismissed the dialog \"Damaged Picker\": The picker "
                                                    "file \"%1\" is damaged: 1 button could be read")
                                         .arg(cut)))
        << errors[0].toStdString();
    EXPECT_EQ(errors[1], QStringLiteral("Batch mode: dismissed the dialog \"Open Failed\": Could not open the file "
                                        "\"%1\". It is not a picker file.")
                             .arg(text));
    // What could be read is there.
    const QJsonArray tabs = dump.value("picker").toObject().value("tabs").toArray();
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_EQ(tabs[1].toObject().value("buttons").toArray().size(), 1);
}

TEST_F(SceneReopen, PicturesSharingANameOrComingDamagedAreNeverLost)
{
    const auto picker = [](const char* tab, const QImage& image) {
        byte_builder b;
        b.i32(4).str(tab).str("body_background").image(image).i32(1)
            .button(4, 0, {10, 10}, 10, 0, 0, 0xb22222, 0, "L", {"hero:a"});
        return b.bytes();
    };
    const QImage red = solid(16, 16, 0xffff0000), green = solid(16, 16, 0xff00ff00);
    const QByteArray good = picker("Body", red);
    const QString goodFile = write_temp_file(dir, QStringLiteral("body.qbx"), good);
    // Cut inside the picture: its name is read, its pixels are not.
    const QString cutFile = write_temp_file(dir, QStringLiteral("cut.qbx"), good.left(good.size() - 62 - 20));
    const QString otherFile = write_temp_file(dir, QStringLiteral("face.qbx"), picker("Face", green));
    host().executeMel(QStringLiteral("QuillbrookPicker \"open\" \"%1\";").arg(goodFile));
    settle();
    answer<QMessageBox>([](QMessageBox* box) { box->accept(); }); // "Damaged Picker"
    host().executeMel(QStringLiteral("QuillbrookPicker \"open\" \"%1\" \"%2\";").arg(cutFile, otherFile));
    settle();

    const QVariantList tabs = pickerState().value("tabs").toList();
    ASSERT_EQ(tabs.size(), 4);
    const auto tab = [&](int i, const char* k) { return tabs[i].toMap().value(QLatin1String(k)).toString(); };
    // The good tab keeps its picture and its key; the damaged copy stores
    // nothing and shows what the name stands for here.
    EXPECT_EQ(tab(1, "imageDigest"), contentImageName(red));
    EXPECT_EQ(tab(2, "background"), QStringLiteral("body_background"));
    QImage stored;
    ASSERT_TRUE(decodeImageValue(host().fileInfoValue("QuillbrookPickerImage_body_background").toLatin1(), &stored));
    EXPECT_EQ(contentImageName(stored), contentImageName(red));
    // Another picture under the same name comes in under a name of its own.
    EXPECT_EQ(tab(3, "background"), contentImageName(green));
    EXPECT_EQ(tab(3, "imageDigest"), contentImageName(green));
    saveAndReopen("damaged copy and a second picture under one name");
}

TEST_F(SceneReopen, ATabKeepsItsPickerFileOverAReopen)
{
    byte_builder body;
    body.i32(4).str("Body").str("").i32(1).button(4, 0, {10, 10}, 10, 0, 0, 0xb22222, 0, "L", {"hero:a"});
    const QString file = write_temp_file(dir, QStringLiteral("mine.qbx"), body.bytes());
    host().executeMel(QStringLiteral("QuillbrookPicker \"open\" \"%1\";").arg(file));
    saveAndReopen("opened from a file");

    // In the fresh host, Save writes the file the tab came from, asking
    // nothing (a dialog in batch mode is an error).
    ASSERT_TRUE(QFile::resize(file, 3));
    const QJsonObject fresh = reopen(dir.filePath(QStringLiteral("shot.ma")), {"-c", "QuillbrookPicker \"save\";"});
    EXPECT_TRUE(fresh.value("errors").toArray().isEmpty());
    const picker_file_check saved = picker_file_check::read(file);
    ASSERT_TRUE(saved.ok());
    EXPECT_FALSE(saved.damaged());
    EXPECT_EQ(saved.tab.name, QStringLiteral("Body"));
    ASSERT_EQ(saved.tab.buttons.size(), 1);
    EXPECT_EQ(saved.tab.buttons[0].nodes, QStringList({"hero:a"}));
}

TEST_F(SceneReopen, APickerOfAnotherToolImportedInThePanelComesBack)
{
    // The dwpicker sample has items that do not come over as they were: one
    // report, then an ordinary tab kept in the scene, bound to its own
    // namespace (which the scene has).
    createNodes({"prop:root_ctrl", "prop:main_ctrl"});
    QString report;
    answer<QMessageBox>([&](QMessageBox* box) {
        report = box->text();
        box->accept();
    });
    host().executeMel(QStringLiteral("QuillbrookPicker \"import\" \"%1\";")
                          .arg(QStringLiteral(QB_TEST_DATA "/import/dwpicker/abs_0_15.json")));
    settle();
    EXPECT_TRUE(report.contains(QStringLiteral("not all of it came over"))) << report.toStdString();
    const QVariantList tabs = pickerState().value("tabs").toList();
    ASSERT_GE(tabs.size(), 2);
    EXPECT_FALSE(tabs.last().toMap().value("buttons").toList().isEmpty());
    EXPECT_TRUE(tabs.last().toMap().value("file").toString().isEmpty()); // Save asks where
    saveAndReopen("imported");
}
