// The selection loop end to end: a click on a canvas of the loaded plug-in
// posts the select request, the host runs it under the guard, and the
// read-back lights the matching buttons on every tab; and the other way.
#include "byte_builder.h"
#include "host_fixture.h"
#include "temp_files.h"
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>
#include <QtWidgets/QTabWidget>

namespace {

class SelectionLoop : public HostFixture
{
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        createNodes({"hero:a", "hero:b", "hero:c"});
        ASSERT_TRUE(loadPicker());
        ASSERT_TRUE(picker());
        host().drainIdle();
        byte_builder body;
        body.i32(4).str("Body").str("").i32(2)
            .button(4, 0, {50, 50}, 21, 0, 0, 0xff0000, 0, "", {"hero:a", "hero:b"})
            .button(4, 1, {100, 50}, 21, 0, 0, 0x00ff00, 0, "", {"hero:b"});
        byte_builder face;
        face.i32(4).str("Face").str("").i32(1).button(4, 0, {50, 50}, 21, 0, 0, 0xff, 0, "", {"hero:b"});
        const QString a = write("body.qbx", body.bytes());
        const QString b = write("face.qbx", face.bytes());
        host().executeMel(QStringLiteral("QuillbrookPicker \"open\" \"%1\" \"%2\";").arg(a, b));
        host().drainIdle();
        ASSERT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
        ASSERT_EQ(tabTexts(), QStringList({"Untitled", "Body", "Face"}));
    }
    QString write(const char* name, const QByteArray& bytes)
    {
        return write_temp_file(dir, QLatin1String(name), bytes);
    }
    QList<int> states(int tab)
    {
        QList<int> out;
        for (const QVariant& b : pickerState().value("tabs").toList()[tab].toMap().value("buttons").toList())
            out << b.toMap().value("state").toInt();
        return out;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(SelectionLoop, AClickSelectsInTheHostAndLightsEveryTab)
{
    tabs()->setCurrentIndex(1);
    QWidget* canvas = tabs()->currentWidget();
    ASSERT_STREQ(canvas->metaObject()->className(), "picker_view");
    host().clearTrace();
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    ASSERT_EQ(pendingMel(), QStringList({"QuillbrookPicker select hero:a hero:b"}));
    host().drainIdle();
    EXPECT_EQ(host().selection(), QStringList({"hero:a", "hero:b"}));
    // The host's echo during the directive is ignored; one read-back follows.
    EXPECT_EQ(host().traceLog(), QStringList({"selectByName hero:a 0", "selectByName hero:b 2",
                                              "getActiveSelectionList"}));
    EXPECT_EQ(states(1), QList<int>({1, 1}));
    EXPECT_EQ(states(2), QList<int>({1}));
    EXPECT_EQ(pickerState().value("selection").toStringList(), QStringList({"hero:a", "hero:b"}));
}

TEST_F(SelectionLoop, AHostSelectionLightsTheButtons)
{
    host().executeMel("select -r hero:b;");
    EXPECT_EQ(states(1), QList<int>({2, 1}));
    EXPECT_EQ(states(2), QList<int>({1}));
    host().executeMel("select -add hero:a;");
    EXPECT_EQ(states(1), QList<int>({1, 1}));
    host().executeMel("select -cl;");
    EXPECT_EQ(states(1), QList<int>({0, 0}));
    EXPECT_EQ(states(2), QList<int>({0}));
}
