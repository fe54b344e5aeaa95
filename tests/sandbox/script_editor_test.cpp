// The script editor: the host's history as it comes, shortened where long,
// errors in red, and MEL typed into it run by the host.
#include "sandbox/script_editor.h"
#include <qbhost/host_session.h>
#include <maya/MGlobal.h>

#include <gtest/gtest.h>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtGui/QTextDocument>
#include <QtTest/QTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QPlainTextEdit>

using qbhost::HistoryKind;

namespace {

class ScriptEditor : public ::testing::Test
{
protected:
    void SetUp() override { host().resetForTest(); }
    void TearDown() override { host().resetForTest(); }
    static qbhost::HostSession& host() { return qbhost::HostSession::instance(); }

    static QStringList lines(const script_editor& editor)
    {
        QStringList out;
        for (QTextBlock b = editor.historyView()->document()->begin(); b.isValid(); b = b.next())
            out << b.text();
        return out;
    }

    static QColor lineColor(const script_editor& editor, int line)
    {
        QTextBlock b = editor.historyView()->document()->findBlockByNumber(line);
        QTextCursor c(b);
        c.movePosition(QTextCursor::NextCharacter);
        return c.charFormat().foreground().color();
    }
};

} // namespace

TEST_F(ScriptEditor, ShowsTheHistoryFromBeforeAndAsItComes)
{
    host().logOutput(QStringLiteral("before"));
    script_editor editor(host());
    ASSERT_TRUE(host().executeMel(QStringLiteral("print \"hello\\n\"; warning \"careful\";")));
    EXPECT_FALSE(host().executeMel(QStringLiteral("error \"broken\";")));
    host().addHistory(HistoryKind::Python, QStringLiteral("import os"));
    const QStringList shown = lines(editor);
    ASSERT_EQ(shown.size(), 7) << shown.join('|').toStdString();
    EXPECT_EQ(shown[0], QStringLiteral("before"));
    EXPECT_EQ(shown[1], QStringLiteral("print \"hello\\n\"; warning \"careful\";"));
    EXPECT_EQ(shown[2], QStringLiteral("hello")); // no empty line after a printed line
    EXPECT_EQ(shown[3], QStringLiteral("// Warning: careful"));
    EXPECT_EQ(shown[4], QStringLiteral("error \"broken\";"));
    EXPECT_TRUE(shown[5].startsWith(QStringLiteral("// Error: "))) << shown[5].toStdString();
    EXPECT_TRUE(shown[5].contains(QStringLiteral("broken")));
    EXPECT_EQ(shown[6], QStringLiteral("# Python, not run: import os"));
    EXPECT_EQ(lineColor(editor, 5), QColor(220, 40, 40));
    EXPECT_EQ(lineColor(editor, 3), editor.kindColor(int(HistoryKind::Warning)));
    EXPECT_NE(lineColor(editor, 3), lineColor(editor, 5));
    EXPECT_EQ(lineColor(editor, 1), editor.palette().color(QPalette::Text));
}

TEST_F(ScriptEditor, LongTextsAreShownShortened)
{
    script_editor editor(host());
    // The plug-in keeps a whole picker in one MEL line.
    const QString line = QStringLiteral("fileInfo \"QuillbrookPickerData\" \"") + QString(10 * 1024 * 1024, 'A')
                         + QStringLiteral("\";");
    host().addHistory(HistoryKind::Mel, line);
    const QStringList shown = lines(editor);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], line.left(script_editor::kShownCharacters)
                            + QStringLiteral("\u2026(%1 characters)").arg(line.size()));
    EXPECT_LT(editor.historyView()->document()->characterCount(), 1000);
}

TEST_F(ScriptEditor, InputRunsAsMelAndIsKeptWhenItFails)
{
    script_editor editor(host());
    editor.input()->setPlainText(QStringLiteral("createNode transform -n \"typed\";"));
    QTest::keyClick(editor.input(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(host().nodeExists(QStringLiteral("typed")));
    EXPECT_TRUE(editor.input()->toPlainText().isEmpty());
    // The result is echoed, as the host's script editor does.
    EXPECT_TRUE(lines(editor).contains(QStringLiteral("// Result: typed //")));

    editor.input()->setPlainText(QStringLiteral("createNode;"));
    editor.runInput();
    EXPECT_FALSE(host().errors().isEmpty());
    EXPECT_EQ(editor.input()->toPlainText(), QStringLiteral("createNode;"));
}

TEST_F(ScriptEditor, SelectedLinesRunAloneAndStay)
{
    script_editor editor(host());
    editor.input()->setPlainText(QStringLiteral("createNode transform -n \"one\";\ncreateNode transform -n \"two\";\n"
                                                "createNode transform -n \"three\";"));
    QTextCursor c(editor.input()->document()->findBlockByNumber(0));
    c.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    editor.input()->setTextCursor(c);
    editor.runInput();
    EXPECT_TRUE(host().nodeExists(QStringLiteral("one")));
    EXPECT_TRUE(host().nodeExists(QStringLiteral("two")));
    EXPECT_FALSE(host().nodeExists(QStringLiteral("three")));
    EXPECT_TRUE(host().errors().isEmpty());
    // Ran as the two lines they are.
    EXPECT_EQ(host().historyTexts(HistoryKind::Mel).last(),
              QStringLiteral("createNode transform -n \"one\";\ncreateNode transform -n \"two\";"));
    EXPECT_EQ(editor.input()->document()->blockCount(), 3);
}

TEST_F(ScriptEditor, EmptyInputRunsNothing)
{
    script_editor editor(host());
    editor.input()->setPlainText(QStringLiteral("  \n "));
    editor.runInput();
    EXPECT_TRUE(host().history().isEmpty());
}

TEST_F(ScriptEditor, LongEntriesWrapShortenedAndTheirWholeTextStaysAtHand)
{
    script_editor editor(host());
    EXPECT_EQ(editor.historyView()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QStringList values;
    for (int i = 0; i < script_editor::kWholeTextsKept + 1; ++i) {
        values << QStringLiteral("fileInfo \"k\" \"%1%2\";").arg(i).arg(QString(5000, QLatin1Char('x')));
        ASSERT_TRUE(host().executeMel(values.last()));
    }
    QTextDocument* doc = editor.historyView()->document();
    const QTextBlock last = doc->lastBlock();
    EXPECT_LT(last.text().size(), script_editor::kShownCharacters + 40);
    EXPECT_EQ(editor.wholeText(last), values.last());
    // Only the latest are kept whole; a short line has nothing more.
    EXPECT_TRUE(editor.wholeText(doc->firstBlock()).isEmpty());
    EXPECT_EQ(editor.wholeText(doc->findBlockByNumber(1)), values[1]);
    host().executeMel(QStringLiteral("print \"short\";"));
    EXPECT_TRUE(editor.wholeText(doc->lastBlock()).isEmpty());
}

TEST_F(ScriptEditor, TextsQueuedWithDisplayOffShowOnlyWhenAllAreShown)
{
    script_editor editor(host());
    MGlobal::executeCommandOnIdle("fileInfo \"QuillbrookPickerData\" \"AAAA\";", false);
    MGlobal::executeCommandOnIdle("print \"seen\";", true);
    MGlobal::executeCommandOnIdle("print \"quiet output\";", false);
    MGlobal::executePythonCommandOnIdle("cmds.select('a')", false);
    ASSERT_EQ(host().drainIdle(), 4);
    // The host does not echo what was queued with display off; what it
    // prints still shows.
    EXPECT_EQ(lines(editor), QStringList({"print \"seen\";", "seen", "quiet output"}));
    editor.showAllBox()->click();
    EXPECT_EQ(lines(editor), QStringList({"fileInfo \"QuillbrookPickerData\" \"AAAA\";", "print \"seen\";", "seen",
                                          "print \"quiet output\";", "quiet output",
                                          "# Python, not run: cmds.select('a')"}));
    editor.showAllBox()->click();
    EXPECT_EQ(lines(editor).size(), 3);
    // The history keeps every entry, each with whether it was displayed.
    const QList<qbhost::HistoryEntry> history = host().history();
    ASSERT_EQ(history.size(), 6);
    EXPECT_FALSE(history[0].display);
    EXPECT_TRUE(history[1].display);
    EXPECT_TRUE(history[4].display); // output shows whatever queued it
    EXPECT_FALSE(history[5].display);
}
