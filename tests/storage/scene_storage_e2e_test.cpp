// Pickers kept in the scene, end to end: the built plug-in loaded into the
// stand-in host, everything travelling through queued MEL and scene files.
#include "byte_builder.h"
#include "modal_answer.h"
#include "host_fixture.h"
#include "temp_files.h"
#include "model/picker_image.h"
#include "model/scene_data.h"
#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QRegularExpression>
#include <QtCore/QTemporaryDir>
#include <QAction>
#include <QtWidgets/QInputDialog>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>

namespace {

QImage solid(int w, int h, QRgb c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

class SceneStorage : public HostFixture
{
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        // The pickers' namespaces exist, so binding asks nothing.
        createNodes({"hero:a", "hero:b", "hero:eye"});
        ASSERT_TRUE(loadPicker());
        host().drainIdle(); // the namespace script
        ASSERT_TRUE(picker());
        host().drainIdle(); // the restore of an empty scene
        ASSERT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    }
    QString write(const char* name, const QByteArray& bytes)
    {
        return write_temp_file(dir, QLatin1String(name), bytes);
    }
    void mel(const QString& text)
    {
        host().executeMel(text);
        settle();
    }
    // The event loop's turn, then the host's idle time.
    void settle()
    {
        QCoreApplication::sendPostedEvents();
        host().drainIdle();
        EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    }
    QVariantList tabsState() { return pickerState().value("tabs").toList(); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(SceneStorage, ASavedSceneBringsItsPickersBack)
{
    byte_builder body;
    body.i32(4).str("Body").str("77").image(solid(8, 8, 0xff00ff00)).i32(2)
        .button(4, 0, {10, 10}, 10, 0, 0, 0xb22222, 0, "", {"hero:a", "hero:b"})
        .button(4, 1, {30, 10}, 12, 1, 0, 0x123456, 0xffffff, "Go", {"select -r hero:a;"});
    byte_builder face;
    face.i32(4).str("Face").str("").i32(1).button(4, 0, {0, 0}, 6, 0, 0, 0xff, 0, "Eye", {"hero:eye"});
    const QString a = write("body.qbx", body.bytes());
    const QString b = write("face.qbx", face.bytes());

    mel(QStringLiteral("QuillbrookPicker \"open\" \"%1\" \"%2\";").arg(a, b));
    QVariantList tabs = tabsState();
    ASSERT_EQ(tabs.size(), 3);
    EXPECT_EQ(tabs[1].toMap().value("name").toString(), QStringLiteral("Body"));
    EXPECT_EQ(tabs[1].toMap().value("file").toString(), a);
    EXPECT_TRUE(host().isModified());
    EXPECT_TRUE(host().hasFileInfo("QuillbrookPickerData"));

    // Make Body current, then save the scene.
    mel(QStringLiteral("QuillbrookPicker \"open\" \"%1\";").arg(a));
    const QString scene = dir.filePath("shot.ma");
    mel(QStringLiteral("file -rename \"%1\"; file -save;").arg(scene));
    EXPECT_FALSE(host().isModified());

    // A loaded file's image has its own key at once, like every background a tab shows.
    EXPECT_EQ(host().fileInfoValue("QuillbrookPickerImage_77"),
              QLatin1String(encodeImageValue(solid(8, 8, 0xff00ff00))));

    mel("file -new;");
    tabs = tabsState();
    ASSERT_EQ(tabs.size(), 1);
    EXPECT_EQ(tabs[0].toMap().value("name").toString(), QStringLiteral("Untitled"));

    // Forced: the reset after the new scene queues a scene write that marks
    // the fresh scene modified, and the host refuses an unforced open then.
    mel(QStringLiteral("file -f -open \"%1\";").arg(scene));
    const QVariantMap state = pickerState();
    tabs = state.value("tabs").toList();
    ASSERT_EQ(tabs.size(), 4);
    EXPECT_EQ(state.value("current").toInt(), 3);
    QStringList names;
    for (const QVariant& t : tabs)
        names << t.toMap().value("name").toString();
    EXPECT_EQ(names, QStringList({"Untitled", "Body", "Face", "Body"}));
    const QVariantMap restored = tabs[3].toMap();
    EXPECT_EQ(restored.value("background").toString(), QStringLiteral("77"));
    EXPECT_TRUE(restored.value("hasImage").toBool());
    const QVariantList buttons = restored.value("buttons").toList();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0].toMap().value("nodes").toStringList(), QStringList({"hero:a", "hero:b"}));
    EXPECT_EQ(buttons[1].toMap().value("kind").toInt(), 1);
    EXPECT_EQ(buttons[1].toMap().value("label").toString(), QStringLiteral("Go"));
    EXPECT_EQ(buttons[1].toMap().value("labelColor").toUInt(), 0xffffffu);
    EXPECT_EQ(tabs[2].toMap().value("buttons").toList().size(), 1);
    EXPECT_EQ(restored.value("imageSize").toList(), QVariantList({8, 8}));
    EXPECT_EQ(tabs[1].toMap().value("imageSize").toList(), QVariantList({8, 8}));
    // The restore stored the image under its own key and fetched it back.
    EXPECT_EQ(host().fileInfoValue("QuillbrookPickerImage_77"),
              QLatin1String(encodeImageValue(solid(8, 8, 0xff00ff00))));
    const QStringList ran = host().historyTexts(qbhost::HistoryKind::Mel).filter("\"fetch_image\" \"77\"");
    EXPECT_EQ(ran.size(), 1);

    // The fetched value wins over the copy in the picker data.
    host().setFileInfo("QuillbrookPickerImage_77", QLatin1String(encodeImageValue(solid(3, 5, 0xffff0000))));
    mel("{ string $v[] = `fileInfo -q \"QuillbrookPickerImage_77\"`; QuillbrookPicker \"fetch_image\" \"77\" $v[0]; }");
    tabs = tabsState();
    EXPECT_EQ(tabs[3].toMap().value("imageSize").toList(), QVariantList({3, 5}));
    EXPECT_EQ(tabs[1].toMap().value("imageSize").toList(), QVariantList({3, 5})); // same name, same image
}

TEST_F(SceneStorage, RestoreAndFetchImageEdgeCases)
{
    QMetaObject::invokeMethod(pickerWindow(), "new_tab");
    ASSERT_EQ(tabTexts().size(), 2);
    // One empty parameter, or none: one empty tab, success.
    EXPECT_TRUE(pickerArgs({qbhost::Argument::string("restore"), qbhost::Argument::string("")}));
    EXPECT_EQ(tabTexts(), QStringList({"Untitled"}));
    QMetaObject::invokeMethod(pickerWindow(), "new_tab");
    EXPECT_TRUE(picker({"restore"}));
    EXPECT_EQ(tabTexts(), QStringList({"Untitled"}));
    // Text that is not picker data: one empty tab, failure, and the damage
    // said in words, in the error and in one warning.
    QMetaObject::invokeMethod(pickerWindow(), "new_tab");
    host().clearErrors();
    QString warning;
    answer_modal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        warning = box->text();
        box->accept();
    });
    EXPECT_FALSE(picker({"restore", "this is <not> base64 of picker data"}));
    EXPECT_EQ(tabTexts(), QStringList({"Untitled"}));
    EXPECT_TRUE(host().errors().join('\n').contains(QStringLiteral("not Base64 from character 9")))
        << host().errors().join('\n').toStdString();
    EXPECT_TRUE(warning.contains(QStringLiteral("0 tabs with 0 buttons could be read"))) << warning.toStdString();
    host().clearErrors();
    // fetch_image with a single parameter does nothing and succeeds.
    EXPECT_TRUE(picker({"fetch_image", "77"}));
    EXPECT_FALSE(picker({"fetch_image", "77", "@@@"}));
    EXPECT_TRUE(picker({"fetch_image", "", "AAAAAA=="}));
}

TEST_F(SceneStorage, ANewOrOpenedSceneIsLeftUntouched)
{
    byte_builder body;
    body.i32(4).str("Body").str("77").image(solid(8, 8, 0xff00ff00)).i32(1)
        .button(4, 0, {10, 10}, 10, 0, 0, 0xb22222, 0, "", {"hero:a"});
    const QString file = write("body.qbx", body.bytes());
    const QString scene = dir.filePath("shot.ma");
    mel(QStringLiteral("QuillbrookPicker \"open\" \"%1\"; file -rename \"%2\"; file -save;").arg(file, scene));
    mel(QStringLiteral("file -save;")); // the picker's own texts ran after the first save
    ASSERT_FALSE(host().isModified());
    ASSERT_TRUE(host().hasFileInfo("QuillbrookPickerImage_77"));
    host().setFileInfo("shot", "010");

    // The host replaces the scene: the panel resets and queues nothing.
    host().executeMel("file -new;");
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(pendingMel(), QStringList());
    EXPECT_TRUE(host().fileInfo().isEmpty());
    host().drainIdle();
    EXPECT_TRUE(host().fileInfo().isEmpty());
    EXPECT_FALSE(host().isModified());
    EXPECT_EQ(tabTexts(), QStringList({"Untitled"}));

    // A scene holding an image under the name the panel shows keeps it,
    // and the restore that brings its pickers back marks nothing modified.
    mel(QStringLiteral("file -open \"%1\";").arg(scene));
    ASSERT_EQ(tabTexts(), QStringList({"Untitled", "Body"}));
    const QList<QPair<QString, QString>> keys = host().fileInfo();
    host().executeMel(QStringLiteral("file -open \"%1\";").arg(scene));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(host().fileInfo(), keys);
    // The restore, then the look for the pickers of the scene's rigs.
    const QStringList queued = pendingMel();
    ASSERT_EQ(queued.size(), 2);
    EXPECT_EQ(queued[0], QStringLiteral("QuillbrookPicker restore `fileInfo -q \"QuillbrookPickerData\"`;"));
    EXPECT_TRUE(queued[1].contains(QStringLiteral("QuillbrookPicker rig_pickers $qbArgs;")));
    settle();
    EXPECT_EQ(host().fileInfo(), keys);
    EXPECT_FALSE(host().isModified());
    EXPECT_EQ(tabTexts(), QStringList({"Untitled", "Body"}));
    EXPECT_EQ(pickerState().value("tabs").toList()[1].toMap().value("imageSize").toList(), QVariantList({8, 8}));
}

TEST_F(SceneStorage, ADirectiveQueuesOneWriteBeforeItReturns)
{
    byte_builder one;
    one.i32(4).str("One").str("").i32(0);
    const QString a = write("a.qbx", one.bytes());
    host().executeMel(QStringLiteral("QuillbrookPicker \"open\" \"%1\" \"%1\" \"%1\";").arg(a));
    // No turn of the event loop: the write is queued all the same, once.
    const QStringList queued = pendingMel();
    EXPECT_EQ(queued.filter(QRegularExpression("^fileInfo \"QuillbrookPickerData\"")).size(), 1);
    EXPECT_EQ(queued.filter("\"bind\"").size(), 3);
    settle();
    EXPECT_EQ(tabTexts(), QStringList({"Untitled", "One", "One", "One"}));
}

TEST_F(SceneStorage, UnloadingAndReloadingKeepsEveryChange)
{
    QAction* newTab = nullptr;
    QAction* rename = nullptr;
    for (QAction* action : pickerWindow()->actions()) {
        if (action->text() == QLatin1String("New..."))
            newTab = action;
        if (action->text() == QLatin1String("Rename Tab..."))
            rename = action;
    }
    ASSERT_TRUE(newTab && rename);
    newTab->trigger();
    answer_modal([](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->setTextValue(QStringLiteral("Face"));
        dialog->accept();
    });
    rename->trigger();
    tabs()->tabBar()->moveTab(1, 0);
    settle();
    ASSERT_EQ(tabTexts(), QStringList({"Face", "Untitled"}));

    ASSERT_TRUE(unloadPicker());
    ASSERT_TRUE(loadPicker());
    host().drainIdle();
    ASSERT_TRUE(picker());
    settle();
    EXPECT_EQ(tabTexts(), QStringList({"Face", "Untitled"}));
    EXPECT_EQ(pickerState().value("current").toInt(), 0);
}

TEST_F(SceneStorage, ADamagedValueGivesBackWhatLiesBeforeTheDamage)
{
    // Three tabs of labelled buttons, as a scene would hold them.
    byte_builder stream;
    const int tabCount = 3, perTab = 40;
    stream.i32(4).i32(tabCount).i32(0);
    QList<QStringList> labels;
    for (int t = 0; t < tabCount; ++t) {
        stream.i32(t).str(QStringLiteral("Tab %1").arg(t)).str("").i32(perTab);
        labels.append(QStringList());
        for (int i = 0; i < perTab; ++i) {
            const QString label = QStringLiteral("t%1 button %2 %3").arg(t).arg(i).arg(qHash(i * 7 + t), 0, 16);
            labels[t] << label;
            stream.button(4, i, {i * 13, t * 31}, 10, 0, 0, 0xb22222, 0, label,
                          {QStringLiteral("hero:ctrl_%1_%2").arg(t).arg(i)});
        }
    }
    const QString value = QLatin1String(encodeSceneData(stream.bytes()));
    QString flipped = value;
    flipped[value.size() / 2] = value.at(value.size() / 2) == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    const struct {
        const char* what;
        QString text;
        int atLeast;  // buttons that surely lie before the damage
        bool exact;   // cut short: nothing after the damage is read
    } rows[] = {
        {"cut by 8", value.left(value.size() - 8), tabCount * perTab - 3, true},
        {"cut by 100", value.left(value.size() - 100), tabCount * perTab - 40, true},
        {"cut by half", value.left(value.size() / 2), tabCount * perTab / 3, true},
        // Inflating may go on past a changed character for a while, or to the
        // end: what follows the damage may be wrong, what comes before not.
        {"a flipped character in the middle", flipped, tabCount * perTab / 3, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        host().clearErrors();
        int boxes = 0;
        QString warning;
        answer_modal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            ++boxes;
            warning = box->text();
            box->accept();
        });
        EXPECT_FALSE(picker({"restore", row.text}));
        QCoreApplication::processEvents();
        EXPECT_EQ(boxes, 1);
        ASSERT_EQ(host().errors().size(), 1) << host().errors().join('\n').toStdString();
        EXPECT_TRUE(host().errors()[0].contains(QStringLiteral("the picker data of this scene is damaged: ")));

        // Every button restored is the one the data held there, in order,
        // as far as the damage.
        int restored = 0;
        const QVariantList tabs = tabsState();
        ASSERT_LE(tabs.size(), tabCount);
        for (int t = 0; t < tabs.size(); ++t) {
            const QVariantList buttons = tabs[t].toMap().value("buttons").toList();
            for (int i = 0; i < buttons.size(); ++i, ++restored)
                if (row.exact || restored < row.atLeast)
                    EXPECT_EQ(buttons[i].toMap().value("label").toString(), labels[t].value(i)) << t << " " << i;
            if (row.exact && t + 1 < tabs.size())
                EXPECT_EQ(buttons.size(), perTab) << t; // only the last tab read stops short
        }
        EXPECT_GE(restored, row.atLeast);
        EXPECT_TRUE(warning.contains(QStringLiteral("%1 with %2 buttons could be read")
                                         .arg(tabs.size() == 1 ? QStringLiteral("1 tab")
                                                               : QStringLiteral("%1 tabs").arg(tabs.size()))
                                         .arg(restored)))
            << warning.toStdString();
        EXPECT_TRUE(warning.contains(host().errors()[0].section(QStringLiteral("damaged: "), 1), Qt::CaseInsensitive))
            << warning.toStdString();
    }
    host().clearErrors();
}
