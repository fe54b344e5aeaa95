// The stand-in host's own behaviour, as the plug-in relies on it.
#include <gtest/gtest.h>
#include <maya/MArgList.h>
#include <maya/MEventMessage.h>
#include <maya/MGlobal.h>
#include <maya/MItSelectionList.h>
#include <maya/MQtUtil.h>
#include <maya/MSelectionList.h>
#include <maya/MString.h>
#include <qbhost/host_session.h>

using qbhost::Argument;
using qbhost::HostSession;

namespace {

class HostRuntime : public ::testing::Test
{
protected:
    void SetUp() override { HostSession::instance().resetForTest(); }
    void TearDown() override { HostSession::instance().resetForTest(); }
    HostSession& host() { return HostSession::instance(); }
};

QStringList events;
void recordSelection(void*) { events << QStringLiteral("SelectionChanged"); }
void recordDeleteAll(void*) { events << QStringLiteral("deleteAll"); }
void recordNewScene(void*) { events << QStringLiteral("NewSceneOpened"); }

} // namespace

TEST(HostStrings, ConversionsAndSizes)
{
    const QString text = QString::fromUtf8("h\xc3\xa9ros:arm");
    const MString m = MQtUtil::toMString(text);
    EXPECT_EQ(m.length(), 10u);   // bytes
    EXPECT_EQ(m.numChars(), 9u);  // characters
    EXPECT_EQ(MQtUtil::toQString(m), text);
    EXPECT_EQ(MString("ab") + "c", MString("abc"));
    EXPECT_EQ("x" + MString("y"), MString("xy"));
    EXPECT_EQ(QString::fromWCharArray(MString(L"w\u00e9").asWChar()), QString::fromUtf8("w\xc3\xa9"));
    EXPECT_EQ(MString("abcdef", 3), MString("abc"));
    EXPECT_FALSE(MStatus(MS::kFailure));
    EXPECT_EQ(MStatus(MS::kFailure).errorString(), MString("(kFailure): Unexpected Internal Failure"));
}

TEST(HostArgs, StringArrayIsOneArgument)
{
    const MArgList args = qbhost::makeArgList(
        {Argument::string("select"), Argument::stringArray({"a", "b"}), Argument::numberValue(3)});
    EXPECT_EQ(args.length(), 3u);
    MString s;
    EXPECT_TRUE(args.get(0, s));
    EXPECT_EQ(s, MString("select"));
    EXPECT_EQ(args.get(1, s), MS::kInvalidParameter); // an array is not a string
    unsigned int index = 1;
    MStringArray a;
    EXPECT_TRUE(args.get(index, a));
    EXPECT_EQ(index, 2u); // moved past the array
    EXPECT_EQ(a.length(), 2u);
    EXPECT_EQ(a[1], MString("b"));
    EXPECT_FALSE(args.get(index, a)); // a number is not an array
    EXPECT_EQ(index, 2u);
    EXPECT_EQ(args.asString(2), MString("3"));
    MStatus st;
    args.asString(7, &st);
    EXPECT_FALSE(st);
}

TEST_F(HostRuntime, SelectionAdjustmentsAndExactNames)
{
    for (const char* n : {"hero:arm", "hero:leg", "arm", "villain:arm"})
        host().createNode("transform", n);
    EXPECT_TRUE(MGlobal::selectByName("hero:arm", MGlobal::kReplaceList));
    EXPECT_TRUE(MGlobal::selectByName("arm", MGlobal::kAddToList));
    EXPECT_EQ(host().selection(), QStringList({"hero:arm", "arm"}));
    EXPECT_EQ(MGlobal::selectByName("Arm", MGlobal::kAddToList), MS::kInvalidParameter); // exact case
    EXPECT_EQ(host().selection(), QStringList({"hero:arm", "arm"}));    // failure changes nothing
    EXPECT_TRUE(MGlobal::selectByName("hero:*", MGlobal::kReplaceList));
    EXPECT_EQ(host().selection(), QStringList({"hero:arm", "hero:leg"}));
    EXPECT_TRUE(MGlobal::selectByName("hero:arm", MGlobal::kXORWithList));
    EXPECT_EQ(host().selection(), QStringList({"hero:leg"}));
    EXPECT_TRUE(MGlobal::selectByName("*:arm", MGlobal::kAddToHeadOfList));
    EXPECT_EQ(host().selection(), QStringList({"hero:arm", "villain:arm", "hero:leg"}));
    EXPECT_TRUE(MGlobal::selectByName("villain:arm", MGlobal::kRemoveFromList));
    EXPECT_EQ(host().selection(), QStringList({"hero:arm", "hero:leg"}));

    MSelectionList list;
    EXPECT_TRUE(MGlobal::getActiveSelectionList(list));
    QStringList read;
    MStringArray strings;
    for (MItSelectionList it(list); !it.isDone(); it.next()) {
        EXPECT_TRUE(it.getStrings(strings));
        read << MQtUtil::toQString(strings[0]);
    }
    EXPECT_EQ(read, host().selection());
    EXPECT_TRUE(MGlobal::clearSelectionList());
    EXPECT_TRUE(host().selection().isEmpty());
}

TEST_F(HostRuntime, SelectionChangedOnlyOnActualChange)
{
    events.clear();
    host().createNode("transform", "a");
    host().createNode("transform", "b");
    MStatus st;
    MEventMessage::addEventCallback("SelectionChanged", recordSelection, nullptr, &st);
    ASSERT_TRUE(st);
    MGlobal::selectByName("a", MGlobal::kReplaceList);
    MGlobal::selectByName("a", MGlobal::kAddToList); // no change
    MGlobal::selectByName("b", MGlobal::kAddToList);
    MGlobal::clearSelectionList();
    MGlobal::clearSelectionList();                    // already empty
    EXPECT_EQ(events.size(), 3);
}

TEST_F(HostRuntime, EventsCallbacksAndUnknownNames)
{
    events.clear();
    MStatus st;
    const MCallbackId a = MEventMessage::addEventCallback("deleteAll", recordDeleteAll, nullptr, &st);
    EXPECT_TRUE(st);
    MEventMessage::addEventCallback("NewSceneOpened", recordNewScene, nullptr, &st);
    EXPECT_TRUE(st);
    MEventMessage::addEventCallback("NoSuchEvent", recordNewScene, nullptr, &st);
    EXPECT_FALSE(st);
    EXPECT_EQ(host().callbackCount(), 2);
    host().newScene();
    EXPECT_EQ(events, QStringList({"deleteAll", "NewSceneOpened"}));
    EXPECT_TRUE(MMessage::removeCallback(a));
    EXPECT_FALSE(MMessage::removeCallback(a));
    EXPECT_EQ(host().callbackCount(), 1);
}

TEST_F(HostRuntime, IdleQueueIsFirstInFirstOut)
{
    MGlobal::executeCommandOnIdle("print \"one\";");
    MGlobal::executePythonCommandOnIdle("print('two')");
    MGlobal::executeCommandOnIdle("print \"three\";");
    const QList<qbhost::IdleItem> items = host().pendingIdle();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[1].language, qbhost::Language::Python);
    EXPECT_EQ(items[2].text, QStringLiteral("print \"three\";"));
    EXPECT_TRUE(host().runNextIdle());
    EXPECT_EQ(host().pendingIdleCount(), 2);
    EXPECT_EQ(host().drainIdle(), 2);
    EXPECT_EQ(host().historyTexts(qbhost::HistoryKind::Python), QStringList({"print('two')"}));
    EXPECT_FALSE(host().runNextIdle());
}

TEST_F(HostRuntime, FailureSeamsFireOnceAndByDetail)
{
    host().failNext("selectByName", MS::kNotFound);
    host().createNode("transform", "a");
    EXPECT_EQ(MGlobal::selectByName("a", MGlobal::kReplaceList), MS::kNotFound);
    EXPECT_TRUE(MGlobal::selectByName("a", MGlobal::kReplaceList));

    host().failNext("addEventCallback:SceneOpened");
    MStatus st;
    MEventMessage::addEventCallback("deleteAll", recordDeleteAll, nullptr, &st);
    EXPECT_TRUE(st);
    MEventMessage::addEventCallback("SceneOpened", recordDeleteAll, nullptr, &st);
    EXPECT_FALSE(st);
    MEventMessage::addEventCallback("SceneOpened", recordDeleteAll, nullptr, &st);
    EXPECT_TRUE(st);
}

TEST_F(HostRuntime, NamespacesFromNodesAndOnTheirOwn)
{
    host().createNode("transform", "crowd:hero:arm");
    host().addNamespace("villain");
    EXPECT_EQ(host().namespaces(), QStringList({"UI", "crowd", "crowd:hero", "shared", "villain"}));
    // Children in creation order.
    EXPECT_EQ(host().childNamespaces(":"), QStringList({"UI", "shared", "crowd", "villain"}));
    EXPECT_EQ(host().childNamespaces("crowd"), QStringList({"crowd:hero"}));
    EXPECT_TRUE(host().namespaceExists(":crowd:hero"));
    EXPECT_FALSE(host().namespaceExists("hero"));
    EXPECT_FALSE(host().removeNamespace("crowd")); // not empty
    EXPECT_TRUE(host().removeNamespace("villain"));
}

TEST_F(HostRuntime, ScreensCanBeSetForTests)
{
    host().setScreens({QRect(0, 0, 100, 100), QRect(100, 0, 50, 50)}, 1);
    EXPECT_EQ(host().screenAreas().size(), 2);
    EXPECT_EQ(host().primaryScreen(), 1);
    host().resetScreens();
    EXPECT_GE(host().screenAreas().size(), 1);
}

TEST_F(HostRuntime, HistoryKeepsLongTextsInBoundedMemory)
{
    // 10,000 scene writes of a long value, as a session of picker edits
    // queues them: the history keeps every entry, but only the latest few
    // long texts whole.
    const int edits = 10000;
    const QString value(6000, QLatin1Char('A'));
    int whole = 0;
    QObject::connect(&host(), &HostSession::historyAdded, [&](int, const QString& text) {
        if (text.size() > value.size())
            ++whole;
    });
    for (int i = 0; i < edits; ++i) {
        const QString text = QStringLiteral("fileInfo \"QuillbrookPickerData\" \"%1%2\"; file -modified 1;")
                                 .arg(i)
                                 .arg(value);
        ASSERT_TRUE(host().executeMel(text));
    }
    QObject::disconnect(&host(), &HostSession::historyAdded, nullptr, nullptr);
    EXPECT_EQ(whole, edits); // listeners saw every text whole

    const QList<qbhost::HistoryEntry> history = host().history();
    ASSERT_EQ(history.size(), edits);
    qint64 held = 0;
    int wholeHeld = 0;
    for (const qbhost::HistoryEntry& e : history) {
        held += e.text.size();
        wholeHeld += e.text.size() > value.size() ? 1 : 0;
    }
    EXPECT_LE(wholeHeld, 8);
    EXPECT_LT(held, qint64(edits) * 1100 + 8 * qint64(value.size() + 100));
    // The latest is whole; an old one says what it was.
    EXPECT_TRUE(history.last().text.startsWith(QStringLiteral("fileInfo \"QuillbrookPickerData\" \"9999")));
    EXPECT_GT(history.last().text.size(), value.size());
    EXPECT_TRUE(history.first().text.endsWith(QStringLiteral("\u2026(%1 characters)").arg(value.size() + 54)))
        << history.first().text.right(40).toStdString();
    EXPECT_TRUE(history.first().text.startsWith(QStringLiteral("fileInfo \"QuillbrookPickerData\" \"0AAA")));
}
