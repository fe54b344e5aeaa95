// The host session's parts working together: the call trace, the selection
// and the scene's nodes share names, so a name must read the same whichever
// part it came through and outlive the node it named.
#include <gtest/gtest.h>
#include <maya/MGlobal.h>
#include <maya/MString.h>
#include <maya/MQtUtil.h>
#include <qbhost/host_session.h>

using qbhost::HostSession;

namespace {

class SessionParts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host().resetForTest();
        for (const char* n : {"hero:arm", "hero:leg", "h\xc3\xa9ros:arm"})
            host().createNode("transform", QString::fromUtf8(n));
    }
    void TearDown() override { host().resetForTest(); }
    HostSession& host() { return HostSession::instance(); }
};

int selectionEvents = 0;
void countSelection(void*) { ++selectionEvents; }

} // namespace

TEST_F(SessionParts, TraceShowsEachNameAsGiven)
{
    const struct {
        const char* name;
        MGlobal::ListAdjustment adjustment;
        bool found;
    } cases[] = {
        {"hero:arm", MGlobal::kReplaceList, true},
        {":hero:leg", MGlobal::kAddToList, true}, // root colon kept in the trace
        {"hero:*", MGlobal::kXORWithList, true},
        {"nobody", MGlobal::kAddToList, false},
        {"h\xc3\xa9ros:arm", MGlobal::kAddToHeadOfList, true},
    };
    host().clearTrace();
    QStringList expected;
    for (const auto& c : cases) {
        const QString name = QString::fromUtf8(c.name);
        EXPECT_EQ(bool(MGlobal::selectByName(MQtUtil::toMString(name), c.adjustment)), c.found) << c.name;
        expected << QStringLiteral("selectByName %1 %2").arg(name).arg(int(c.adjustment));
    }
    MGlobal::clearSelectionList();
    expected << QStringLiteral("clearSelectionList");
    EXPECT_EQ(host().traceLog(), expected);
    // The lines outlive the nodes they name.
    for (const char* n : {"hero:arm", "hero:leg"})
        ASSERT_TRUE(host().deleteNode(n));
    EXPECT_EQ(host().traceLog(), expected);
    host().clearTrace();
    EXPECT_TRUE(host().traceLog().isEmpty());
    // A session that turns the trace off (the sandbox's) keeps nothing.
    host().setTracing(false);
    MGlobal::selectByName(MQtUtil::toMString(QStringLiteral("hero:*")), MGlobal::kReplaceList);
    MGlobal::clearSelectionList();
    EXPECT_TRUE(host().traceLog().isEmpty());
    host().setTracing(true);
}

TEST_F(SessionParts, SelectionHoldsTheSceneNameOnce)
{
    selectionEvents = 0;
    MStatus st;
    const MCallbackId id = host().addEventCallback("SelectionChanged", countSelection, nullptr, &st);
    ASSERT_TRUE(st);
    EXPECT_TRUE(MGlobal::selectByName(":hero:arm", MGlobal::kReplaceList));
    EXPECT_TRUE(MGlobal::selectByName("hero:arm", MGlobal::kAddToList)); // already there
    EXPECT_TRUE(MGlobal::selectByName("hero:leg", MGlobal::kAddToList));
    EXPECT_EQ(host().selection(), QStringList({"hero:arm", "hero:leg"}));
    EXPECT_EQ(selectionEvents, 2);
    EXPECT_TRUE(host().deleteNode(":hero:arm"));
    EXPECT_EQ(host().selection(), QStringList({"hero:leg"}));
    EXPECT_EQ(selectionEvents, 3);
    EXPECT_TRUE(host().removeCallback(id));
}

TEST_F(SessionParts, ManyNamesAddedOneByOneKeepTheirOrder)
{
    QStringList names;
    for (int i = 0; i < 3000; ++i) {
        names << QStringLiteral("crowd:c%1").arg(i);
        host().createNode("transform", names.last());
    }
    host().clearTrace();
    EXPECT_TRUE(MGlobal::selectByName(MQtUtil::toMString(names.first()), MGlobal::kReplaceList));
    for (int i = 1; i < names.size(); ++i)
        EXPECT_TRUE(MGlobal::selectByName(MQtUtil::toMString(names[i]), MGlobal::kAddToList));
    // Added again: no change, no duplicate.
    EXPECT_TRUE(MGlobal::selectByName(MQtUtil::toMString(names[7]), MGlobal::kAddToList));
    EXPECT_EQ(host().selection(), names);
    const QStringList trace = host().traceLog();
    ASSERT_EQ(trace.size(), names.size() + 1);
    EXPECT_EQ(trace[1], QStringLiteral("selectByName crowd:c1 %1").arg(int(MGlobal::kAddToList)));
}

// The session's facade over a hierarchy: nodes by path, the selection by
// identity, the history's display flags.
TEST_F(SessionParts, TheFacadeNamesNodesByPathAndKeepsSelectionsThroughRenames)
{
    ASSERT_TRUE(host().createNode("transform", "grp"));
    ASSERT_TRUE(host().createNode("transform", "arm", "grp"));
    EXPECT_EQ(host().createNode("transform", "arm", "grp"), MS::kInvalidParameter); // taken among siblings
    EXPECT_EQ(host().createNode("transform", "x", "nowhere"), MS::kInvalidParameter);
    bool ambiguous = false;
    // "hero:arm" and "grp|arm" share no name; "arm" names the one below grp.
    EXPECT_EQ(host().matchNodes("arm", &ambiguous), QStringList{"arm"});
    EXPECT_FALSE(ambiguous);
    ASSERT_TRUE(host().createNode("transform", "arm"));
    EXPECT_EQ(host().matchNodes("arm", &ambiguous), QStringList({"grp|arm", "|arm"}));
    EXPECT_TRUE(ambiguous);
    EXPECT_EQ(host().deleteNode("arm"), MS::kInvalidParameter); // which one?
    host().setSelection({"grp|arm"});
    ASSERT_TRUE(host().executeMel("rename \"grp|arm\" \"hand\"; parent -w \"hand\";"));
    EXPECT_EQ(host().selection(), QStringList{"hand"}); // the same node, by its new name
    const QList<qbhost::NodeInfo> infos = host().nodeInfos();
    ASSERT_GE(infos.size(), 6);
    const qbhost::NodeInfo& hand = infos[4];
    EXPECT_EQ(hand.name, QStringLiteral("hand"));
    EXPECT_EQ(hand.fullPath, QStringLiteral("|hand"));
    EXPECT_EQ(hand.parent, 0u);
    EXPECT_TRUE(hand.dag);
    ASSERT_TRUE(host().deleteNode("grp"));
    EXPECT_EQ(host().selection(), QStringList{"hand"});
    ASSERT_TRUE(host().deleteNode("hand"));
    EXPECT_TRUE(host().selection().isEmpty());
}

TEST_F(SessionParts, TheHistoryRecordsWhetherEachTextWasQueuedForDisplay)
{
    host().queueIdle(qbhost::Language::Mel, QStringLiteral("print \"a\";"), false);
    host().queueIdle(qbhost::Language::Mel, QStringLiteral("print \"b\";"));
    MGlobal::executeCommandOnIdle("print \"c\";", true);
    MGlobal::executeCommandOnIdle("print \"d\";");
    ASSERT_EQ(host().drainIdle(), 4);
    QStringList shown, hidden;
    for (const qbhost::HistoryEntry& e : host().history())
        (e.display ? shown : hidden) << e.text;
    // The default of executeCommandOnIdle is display off, as in the host.
    EXPECT_EQ(hidden, QStringList({"print \"a\";", "print \"d\";"}));
    EXPECT_EQ(shown, QStringList({"a", "print \"b\";", "b", "print \"c\";", "c", "d"}));
    int signalled = 0;
    QObject::connect(&host(), &HostSession::historyAdded, [&](int, const QString&, bool display) {
        signalled += display ? 1 : 100;
    });
    host().addHistory(qbhost::HistoryKind::Mel, QStringLiteral("x"), false);
    EXPECT_EQ(signalled, 100);
    QObject::disconnect(&host(), &HostSession::historyAdded, nullptr, nullptr);
}
