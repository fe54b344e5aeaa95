// The picker command's argument forms and its selection directives.
#include "host_fixture.h"
#include <QtWidgets/QDockWidget>

using qbhost::Argument;

namespace {

class PickerCommand : public HostFixture
{
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        createNodes({"a", "b", "c", "hero:a"});
        ASSERT_TRUE(loadPicker());
        ASSERT_TRUE(picker());
        host().clearTrace();
        host().clearErrors();
    }
    QStringList selects() const
    {
        QStringList out;
        for (const QString& line : host().traceLog())
            if (line.startsWith("selectByName"))
                out << line;
        return out;
    }
    int readBacks() const { return host().traceLog().count("getActiveSelectionList"); }
};

} // namespace

TEST_F(PickerCommand, UnknownDirectives)
{
    for (const char* word : {"bogus", "Save", "SELECT", ""}) {
        host().clearErrors();
        EXPECT_FALSE(picker({word}));
        EXPECT_EQ(host().errors(), QStringList({QStringLiteral("QuillbrookPicker - unknown directive: %1").arg(word)}));
    }
}

TEST_F(PickerCommand, SelectFromOneArrayOrSeparateArguments)
{
    EXPECT_TRUE(pickerArgs(QList<Argument>{Argument::string("select"), Argument::stringArray({"a", "b"})}));
    EXPECT_EQ(host().selection(), QStringList({"a", "b"}));
    host().clearSelection();
    EXPECT_TRUE(picker({"select", "a", "b"}));
    EXPECT_EQ(host().selection(), QStringList({"a", "b"}));
    EXPECT_EQ(pickerState().value("selection").toStringList(), QStringList({"a", "b"}));
    host().clearSelection();
    EXPECT_TRUE(picker({"select", "hero:a"}));
    EXPECT_EQ(host().selection(), QStringList({"hero:a"})); // a single string parameter
}

TEST_F(PickerCommand, MissingNamesAreSkippedUntilOneReplaces)
{
    host().selectByName("c", MGlobal::kReplaceList);
    host().clearTrace();
    host().clearHistory();
    EXPECT_TRUE(picker({"select", "x", "a", "y", "b"}));
    EXPECT_EQ(host().selection(), QStringList({"a", "b"}));
    // Names that name no node are not handed to the host at all...
    EXPECT_EQ(selects(), QStringList({"selectByName a 0", "selectByName b 2"}));
    // ...and are told of in one warning.
    EXPECT_EQ(host().historyTexts(qbhost::HistoryKind::Warning),
              QStringList{"QuillbrookPicker - skipped 2 names: x (no node), y (no node)"});
}

TEST_F(PickerCommand, OnlyMissingNamesSelectNothingAndWarnOnce)
{
    host().selectByName("c", MGlobal::kReplaceList);
    host().clearTrace();
    host().clearHistory();
    // A click on a button whose nodes are all gone selects nothing, and the
    // command does not fail for it.
    EXPECT_TRUE(picker({"select", "x", "y"}));
    EXPECT_TRUE(selects().isEmpty());
    EXPECT_TRUE(host().traceLog().contains("clearSelectionList"));
    EXPECT_TRUE(host().selection().isEmpty());
    EXPECT_EQ(host().historyTexts(qbhost::HistoryKind::Warning).size(), 1);
    // A missing name after a good one leaves the good one selected.
    EXPECT_TRUE(picker({"select", "a", "zz"}));
    EXPECT_EQ(host().selection(), QStringList({"a"}));
    // More than five left out: the first five, then how many more.
    host().clearHistory();
    EXPECT_TRUE(picker({"select", "m1", "m2", "m3", "a", "m4", "m5", "m6", "m7"}));
    EXPECT_EQ(host().historyTexts(qbhost::HistoryKind::Warning),
              QStringList{"QuillbrookPicker - skipped 7 names: m1 (no node), m2 (no node), m3 (no node), "
                          "m4 (no node), m5 (no node) and 2 more"});
}

TEST_F(PickerCommand, SelectWithNoNamesAndClearDeselect)
{
    host().selectByName("a", MGlobal::kReplaceList);
    EXPECT_TRUE(picker({"select"}));
    EXPECT_TRUE(host().selection().isEmpty());
    host().selectByName("b", MGlobal::kReplaceList);
    host().clearTrace();
    EXPECT_TRUE(picker({"clear", "ignored"}));
    EXPECT_TRUE(host().selection().isEmpty());
    EXPECT_EQ(host().traceLog(), QStringList({"clearSelectionList", "getActiveSelectionList"}));
}

TEST_F(PickerCommand, HostEchoIgnoredWhileSelecting)
{
    // Every selectByName raises SelectionChanged; the handler must not read
    // the selection back until the directive is done, then exactly once.
    EXPECT_TRUE(picker({"select", "a", "b", "c"}));
    const QStringList trace = host().traceLog();
    ASSERT_EQ(readBacks(), 1);
    EXPECT_EQ(trace.last(), QStringLiteral("getActiveSelectionList"));
    EXPECT_EQ(pickerState().value("selection").toStringList(), QStringList({"a", "b", "c"}));
}

TEST_F(PickerCommand, HostSelectionReachesTheWindow)
{
    host().selectByName("hero:a", MGlobal::kReplaceList);
    EXPECT_EQ(readBacks(), 1);
    EXPECT_EQ(pickerState().value("selection").toStringList(), QStringList({"hero:a"}));
    host().failNext("getActiveSelectionList");
    host().selectByName("a", MGlobal::kAddToList);
    EXPECT_EQ(host().errors(), QStringList({"QuillbrookPicker- could not get the current selection: "
                                            "(kFailure): Unexpected Internal Failure"}));
    EXPECT_EQ(pickerState().value("selection").toStringList(), QStringList({"hero:a"})); // unchanged
    // The guard was released after the failure.
    host().selectByName("b", MGlobal::kReplaceList);
    EXPECT_EQ(pickerState().value("selection").toStringList(), QStringList({"b"}));
}

TEST_F(PickerCommand, NoArgumentsShowsThePanelAndRefreshes)
{
    dock()->hide();
    host().clearTrace();
    EXPECT_TRUE(picker());
    EXPECT_TRUE(dock()->isVisible());
    EXPECT_EQ(readBacks(), 1);
    EXPECT_TRUE(picker());
    EXPECT_EQ(readBacks(), 2);
}

TEST_F(PickerCommand, UnreadableArgumentsAreReported)
{
    host().failNext("MArgList::length");
    EXPECT_FALSE(picker({"select", "a"}));
    EXPECT_EQ(host().errors(), QStringList({"QuillbrookPicker - could not determine the number of parameters: "
                                            "(kFailure): Unexpected Internal Failure "}));
    host().clearErrors();
    host().failNext("MArgList::get");
    EXPECT_FALSE(picker({"select", "a"}));
    EXPECT_EQ(host().errors(), QStringList({"QuillbrookPicker - could not parse the command: "
                                            "(kFailure): Unexpected Internal Failure "}));
}
