// The state dump's JSON for a session set up here, with stand-in panels
// docked over a main window the way the plug-in docks its own.
#include "sandbox/state_dump.h"
#include <qbhost/host_session.h>

#include <gtest/gtest.h>
#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QTemporaryDir>
#include <QtGui/QColor>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QMainWindow>

namespace {

// Answers state_snapshot() with whatever the test puts in it.
class fake_panel : public QWidget
{
    Q_OBJECT
public:
    Q_INVOKABLE QVariantMap state_snapshot() const { return snapshot; }
    QVariantMap snapshot;
};

class StateDump : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host().resetForTest();
        window.resize(640, 480);
    }
    void TearDown() override { host().resetForTest(); }
    static qbhost::HostSession& host() { return qbhost::HostSession::instance(); }

    QDockWidget* dock(QWidget* content)
    {
        QDockWidget* d = new QDockWidget;
        d->setObjectName(QStringLiteral("QuillbrookPicker"));
        d->setWidget(content);
        window.addDockWidget(Qt::RightDockWidgetArea, d);
        d->setFloating(true);
        return d;
    }

    QMainWindow window;
};

QStringList strings(const QJsonValue& v)
{
    QStringList out;
    for (const QJsonValue& e : v.toArray())
        out << e.toString();
    return out;
}

} // namespace

TEST_F(StateDump, SceneAsTheHostHoldsIt)
{
    ASSERT_TRUE(host().executeMel(QStringLiteral(
        "namespace -add \"hero\"; createNode transform -n \"hero:arm\"; createNode transform -n \"top\";"
        "createNode transform -n \"hero:leg\"; select -r \"hero:leg\" \"top\"; fileInfo \"shot\" \"010\";")));
    host().setSceneName(QStringLiteral("/shots/a.ma"));
    const QJsonObject scene = state_dump(host(), &window).value("scene").toObject();
    EXPECT_EQ(scene.value("file").toString(), QStringLiteral("/shots/a.ma"));
    EXPECT_TRUE(scene.value("modified").toBool());
    EXPECT_EQ(strings(scene.value("nodes")), QStringList({"hero:arm", "top", "hero:leg"}));
    EXPECT_EQ(strings(scene.value("namespaces")), QStringList({"UI", "hero", "shared"}));
    // The host's order, not sorted.
    EXPECT_EQ(strings(scene.value("selection")), QStringList({"hero:leg", "top"}));
    EXPECT_EQ(scene.value("fileInfo").toObject(), QJsonObject({{"shot", "010"}}));

    host().setModified(false);
    EXPECT_FALSE(state_dump(host(), &window).value("scene").toObject().value("modified").toBool());
}

TEST_F(StateDump, LongValuesAreShortenedOnlyWithAMark)
{
    const QString whole(kDumpWholeValue, QLatin1Char('w'));
    const QString huge = QStringLiteral("QuillbrookPicker restore ") + QString(10 * 1024 * 1024, QLatin1Char('A'));
    host().setFileInfo(QStringLiteral("small"), whole);
    host().setFileInfo(QStringLiteral("QuillbrookPickerData"), huge);
    host().addHistory(qbhost::HistoryKind::Mel, huge);
    host().logError(whole + QLatin1Char('!'));
    host().logOutput(QStringLiteral("short"));

    const QJsonObject dump = state_dump(host(), &window);
    const QJsonObject info = dump.value("scene").toObject().value("fileInfo").toObject();
    EXPECT_EQ(info.value("small").toString(), whole);
    EXPECT_EQ(info.value("QuillbrookPickerData").toString(),
              huge.left(kDumpKeptCharacters) + QStringLiteral("\u2026(%1 characters)").arg(huge.size()));
    const QStringList history = strings(dump.value("history"));
    ASSERT_EQ(history.size(), 3); // the error is in the history too
    EXPECT_EQ(history[0], huge.left(kDumpKeptCharacters) + QStringLiteral("\u2026(%1 characters)").arg(huge.size()));
    EXPECT_TRUE(history[1].endsWith(QStringLiteral("\u2026(4097 characters)")));
    EXPECT_EQ(history[2], QStringLiteral("short"));
    EXPECT_EQ(strings(dump.value("errors")),
              QStringList{whole.left(kDumpKeptCharacters) + QStringLiteral("\u2026(4097 characters)")});
    // A 10 MB value is not carried whole into the dump.
    EXPECT_LT(QJsonDocument(dump).toJson().size(), 20000);
}

TEST_F(StateDump, PickerIsNullWithoutThePanel)
{
    const QJsonObject dump = state_dump(host(), &window);
    ASSERT_TRUE(dump.contains("picker"));
    EXPECT_TRUE(dump.value("picker").isNull());
    EXPECT_TRUE(state_dump(host(), nullptr).value("picker").isNull());
    // A dock of another name is not the panel.
    QDockWidget* other = new QDockWidget;
    other->setObjectName(QStringLiteral("Outliner"));
    window.addDockWidget(Qt::LeftDockWidgetArea, other);
    EXPECT_TRUE(state_dump(host(), &window).value("picker").isNull());
}

TEST_F(StateDump, PanelSnapshotPassesThroughWithEveryKey)
{
    fake_panel* panel = new fake_panel;
    QVariantMap button{{"position", QVariantList{10, 20}}, {"size", 10}, {"kind", 0}, {"language", 0},
                       {"color", uint(11674146)}, {"labelColor", uint(0)}, {"label", QString()},
                       {"nodes", QStringList{"hero:arm"}}, {"state", 1}, {"rect", QVariantList{5, 15, 10, 10}}};
    QVariantMap tab{{"name", "Body"}, {"file", "/p/body.qbx"}, {"zoom", 1.5}, {"shift", QVariantList{0, -4}},
                    {"hasImage", true}, {"undo", QStringList{"Add One Button"}}, {"undoIndex", 1},
                    {"buttons", QVariantList{button}}, {"keyAddedLater", "kept"}};
    panel->snapshot = {{"visible", true}, {"current", 0}, {"selection", QStringList{"hero:arm"}},
                       {"tabs", QVariantList{tab}}};
    dock(panel);

    const QJsonObject picker = state_dump(host(), &window).value("picker").toObject();
    EXPECT_TRUE(picker.value("visible").toBool());
    EXPECT_EQ(picker.value("current").toInt(-1), 0);
    EXPECT_EQ(strings(picker.value("selection")), QStringList{"hero:arm"});
    const QJsonArray tabs = picker.value("tabs").toArray();
    ASSERT_EQ(tabs.size(), 1);
    const QJsonObject t = tabs[0].toObject();
    EXPECT_EQ(t.value("name").toString(), QStringLiteral("Body"));
    EXPECT_EQ(t.value("file").toString(), QStringLiteral("/p/body.qbx"));
    EXPECT_EQ(t.value("zoom").toDouble(), 1.5);
    EXPECT_EQ(t.value("shift").toArray(), QJsonArray({0, -4}));
    EXPECT_EQ(t.value("undoIndex").toInt(), 1);
    EXPECT_EQ(t.value("keyAddedLater").toString(), QStringLiteral("kept"));
    const QJsonObject b = t.value("buttons").toArray().at(0).toObject();
    EXPECT_EQ(b.keys(), QStringList({"color", "kind", "label", "labelColor", "language", "nodes", "position", "rect",
                                     "size", "state"}));
    // Colours stay the unsigned numbers they are, above 2^31 too.
    EXPECT_EQ(b.value("color").toDouble(), 11674146.0);
    EXPECT_EQ(b.value("state").toInt(), 1);
    EXPECT_EQ(b.value("rect").toArray(), QJsonArray({5, 15, 10, 10}));
    EXPECT_EQ(b.value("label").toString(QStringLiteral("not a string")), QString());

    panel->snapshot = {{"color", uint(0xFFFFFFFFu)}};
    EXPECT_EQ(state_dump(host(), &window).value("picker").toObject().value("color").toDouble(), 4294967295.0);
}

TEST_F(StateDump, PanelWithoutSnapshotIsReportedNotDropped)
{
    QWidget* plain = new QWidget;
    QDockWidget* d = dock(plain);
    d->show();
    const QJsonValue picker = state_dump(host(), &window).value("picker");
    ASSERT_TRUE(picker.isObject());
    EXPECT_TRUE(picker.toObject().value("visible").toBool());
    EXPECT_EQ(picker.toObject().value("snapshotError").toString(), QStringLiteral("the panel has no state_snapshot()"));
}

TEST_F(StateDump, WindowsListTheMainWindowAndVisibleFloatingOnes)
{
    fake_panel* panel = new fake_panel;
    QDockWidget* d = dock(panel);
    window.setGeometry(30, 40, 600, 400);
    d->setGeometry(300, 200, 250, 150);
    d->show();
    const QJsonArray windows = state_dump(host(), &window).value("windows").toArray();
    ASSERT_EQ(windows.size(), 2);
    EXPECT_EQ(windows[0].toObject().value("rect").toArray(), QJsonArray({30, 40, 600, 400}));
    EXPECT_FALSE(windows[0].toObject().value("visible").toBool());
    EXPECT_EQ(windows[1].toObject().value("name").toString(), QStringLiteral("QuillbrookPicker"));
    EXPECT_EQ(windows[1].toObject().value("rect").toArray(), QJsonArray({300, 200, 250, 150}));
    d->hide();
    EXPECT_EQ(state_dump(host(), &window).value("windows").toArray().size(), 1);
}

TEST(StateDumpValues, ToolkitValuesBecomePlainJson)
{
    EXPECT_EQ(json_value(QPoint(3, -4)), QJsonValue(QJsonArray({3, -4})));
    EXPECT_EQ(json_value(QSize(5, 6)), QJsonValue(QJsonArray({5, 6})));
    EXPECT_EQ(json_value(QRect(1, 2, 3, 4)), QJsonValue(QJsonArray({1, 2, 3, 4})));
    EXPECT_EQ(json_value(QRectF(0.5, 1, 2, 3)), QJsonValue(QJsonArray({0.5, 1, 2, 3})));
    EXPECT_EQ(json_value(QColor(255, 0, 16)), QJsonValue(QStringLiteral("#ff0010")));
    EXPECT_EQ(json_value(QVariant()), QJsonValue(QJsonValue::Null));
    EXPECT_EQ(json_value(QVariant(qint64(1) << 40)).toDouble(), double(qint64(1) << 40));
    EXPECT_EQ(json_value(QVariantHash{{"a", QVariantList{QPoint(1, 2), "x", true}}}),
              QJsonValue(QJsonObject{{"a", QJsonArray{QJsonArray{1, 2}, "x", true}}}));
    EXPECT_EQ(json_value(QByteArray("bytes")), QJsonValue(QStringLiteral("bytes")));
}

TEST(StateDumpFile, WrittenWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("state.json");
    QString error;
    ASSERT_TRUE(write_json_file(path, QJsonObject{{"errors", QJsonArray{}}}, &error)) << error.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QJsonDocument::fromJson(f.readAll()).object(), QJsonObject({{"errors", QJsonArray{}}}));

    EXPECT_FALSE(write_json_file(dir.filePath("no/such/folder/state.json"), QJsonObject(), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("cannot write \"%1\"").arg(dir.filePath("no/such/folder/state.json"))))
        << error.toStdString();
}

#include "state_dump_test.moc"

TEST_F(StateDump, NodesCarryTheirPlaceAndTheLastReadItsErrors)
{
    ASSERT_FALSE(host().executeMel(QStringLiteral("file -f -open \"" QB_TEST_DATA "/scenes/damaged_statements.ma\";")));
    const QJsonObject scene = state_dump(host(), &window).value("scene").toObject();
    QJsonObject after;
    for (const QJsonValue& v : scene.value("nodeInfo").toArray())
        if (v.toObject().value("name").toString() == QLatin1String("after"))
            after = v.toObject();
    EXPECT_EQ(after.value("path").toString(), QStringLiteral("after"));
    EXPECT_EQ(after.value("fullPath").toString(), QStringLiteral("|before|after"));
    EXPECT_EQ(after.value("parent").toString(), QStringLiteral("|before"));
    EXPECT_EQ(after.value("type").toString(), QStringLiteral("transform"));
    EXPECT_TRUE(after.value("reference").isNull());
    EXPECT_FALSE(after.value("default").toBool());
    const QJsonObject lastRead = scene.value("lastRead").toObject();
    EXPECT_EQ(lastRead.value("file").toString(), QStringLiteral(QB_TEST_DATA "/scenes/damaged_statements.ma"));
    const QStringList errors = strings(lastRead.value("errors"));
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].endsWith("line 15: Cannot find procedure \"quillUnknownCommand\"."));
    EXPECT_EQ(scene.value("readWithErrors").toInt(), 2);
    // Every node is still in the old key, named as before.
    EXPECT_TRUE(strings(scene.value("nodes")).contains("after"));
    EXPECT_TRUE(scene.value("references").toArray().isEmpty());
}
