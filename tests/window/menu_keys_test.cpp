// The four menus as they open, the Undo and Redo texts, and the keys over
// the panel: the window's and the canvas's dispatch with the host taking
// keys first.
#include "canvas_harness.h"
#include "host_keys.h"
#include "model/window_selection.h"
#include "scripted_dialogs.h"
#include <qbhost/host_session.h>
#include <gtest/gtest.h>
#include <QtCore/QMimeData>
#include <QtGui/QClipboard>
#include <QtGui/QCursor>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QTabWidget>

namespace {
QMenu* menu_named(const picker_window& w, const char* title)
{
    for (QMenu* m : w.findChildren<QMenu*>())
        if (m->title() == QString::fromLatin1(title))
            return m;
    return nullptr;
}

QStringList texts(const QMenu* m)
{
    QStringList out;
    for (QAction* a : m->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

QAction* item(const QMenu* m, const char* text)
{
    for (QAction* a : m->actions())
        if (a->text() == QString::fromLatin1(text))
            return a;
    return nullptr;
}

// Opens a menu from the bar with the mouse, reads it, closes it.
void open_menu(picker_window& w, QMenu* m)
{
    QMenuBar* bar = w.findChild<QMenuBar*>();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(m->menuAction()).center());
    if (m->isVisible())
        m->hide();
}

struct MenuKeys : ::testing::Test {
    std::unique_ptr<QWidget> host;
    picker_window* w = nullptr;
    picker_view* c = nullptr;

    void SetUp() override
    {
        qbhost::HostSession::instance().resetForTest();
        window_selection::names().clear();
        host = std::make_unique<QWidget>();
        w = new picker_window(nullptr);
        w->setParent(host.get());
        host->resize(520, 520);
        w->resize(500, 500);
        // The pointer comes in later (enter()): a panel opened under it
        // would not take focus.
        QCursor::setPos(QPoint(-300, -300));
        host->show();
        host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
        c = w->frontPicker();
        c->document()->set_buttons({make_button({50, 50}, 10, 0x00ff0000, {"a"}), make_button({100, 50}, 12, 0x0000ff00, {"b"}),
                        make_button({150, 50}, 14, 0x000000ff, {"c"})});
    }
    void TearDown() override
    {
        host.reset();
        window_selection::names().clear();
        qbhost::HostSession::instance().resetForTest();
    }
    void enter()
    {
        QEvent e(QEvent::Enter);
        QApplication::sendEvent(w, &e);
    }
    void select(std::initializer_list<int> indices)
    {
        for (int i = 0; i < c->buttons().size(); ++i)
            c->document()->button(i)->state = 0;
        for (int i : indices)
            c->document()->button(i)->state = 1;
    }
    QList<int> sizes() const
    {
        QList<int> out;
        for (const buttonRecord& b : c->buttons())
            out << b.size;
        return out;
    }
};
} // namespace

TEST_F(MenuKeys, MenusInTheirOrder)
{
    EXPECT_EQ(texts(menu_named(*w, "&Edit")).mid(0, 2), (QStringList{"Undo", "Redo"}));
    EXPECT_EQ(texts(menu_named(*w, "&Edit")).last(), QStringLiteral("Hide Toolbox"));
    const QStringList picker = texts(menu_named(*w, "&Picker"));
    EXPECT_EQ(picker.mid(picker.size() - 3), (QStringList{"-", "Change Background...", "Change Namespace..."}));
    EXPECT_EQ(texts(menu_named(*w, "&Help")), QStringList{"About QuillbrookPicker..."});

    // The window's own list is the menus' items in menu order, all but
    // Change Namespace.
    QList<QAction*> expected;
    for (const char* title : {"&File", "&Edit", "&Picker", "&Help"})
        for (QAction* a : menu_named(*w, title)->actions())
            if (!a->isSeparator() && a->text() != QStringLiteral("Change Namespace..."))
                expected << a;
    EXPECT_EQ(w->actions(), expected);
    EXPECT_EQ(expected.at(8)->text(), QStringLiteral("Undo"));
}

TEST_F(MenuKeys, NoTabStates)
{
    scripted_dialogs dialogs;
    w->close_tab(0);
    ASSERT_EQ(w->tabs()->count(), 0);
    QMenu* file = menu_named(*w, "&File");
    QMenu* edit = menu_named(*w, "&Edit");
    QMenu* picker = menu_named(*w, "&Picker");
    for (QMenu* m : {file, edit, picker})
        open_menu(*w, m);
    for (const char* t : {"Save", "Save As...", "Rename Tab...", "Close Tab..."})
        EXPECT_FALSE(item(file, t)->isEnabled()) << t;
    for (const char* t : {"New...", "Open...", "Exit Picker"})
        EXPECT_TRUE(item(file, t)->isEnabled()) << t;
    for (QAction* a : picker->actions())
        if (!a->isSeparator())
            EXPECT_EQ(a->isEnabled(), a->text() == QStringLiteral("Change Namespace...")) << a->text().toStdString();
    ASSERT_NE(item(edit, "Can't Undo"), nullptr);
    ASSERT_NE(item(edit, "Can't Redo"), nullptr);
    for (QAction* a : edit->actions())
        if (!a->isSeparator())
            EXPECT_EQ(a->isEnabled(), a->text() == QStringLiteral("Hide Toolbox")) << a->text().toStdString();
}

TEST_F(MenuKeys, UndoAndRedoTexts)
{
    QMenu* edit = menu_named(*w, "&Edit");
    select({0, 1});
    c->menu()->adjust_size_up();
    c->menu()->adjust_size_down(); // two entries: the direction changed
    open_menu(*w, edit);
    QAction* undo = edit->actions().at(0);
    QAction* redo = edit->actions().at(1);
    EXPECT_EQ(undo->text(), QStringLiteral("Undo Adjust Size"));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(redo->text(), QStringLiteral("Can't Redo"));
    EXPECT_FALSE(redo->isEnabled());
    c->undoStack()->undo();
    open_menu(*w, edit);
    EXPECT_EQ(redo->text(), QStringLiteral("Redo Adjust Size"));
    EXPECT_TRUE(redo->isEnabled());
    redo->trigger();
    EXPECT_EQ(sizes(), (QList<int>{10, 12, 14}));
    undo->trigger();
    undo->trigger();
    EXPECT_EQ(sizes(), (QList<int>{10, 12, 14}));
    EXPECT_EQ(c->undoStack()->index(), 0);
}

TEST_F(MenuKeys, CtrlZOverThePanelUndoesOnTheCurrentCanvas)
{
    host_takes_keys hostKeys;
    select({0});
    c->menu()->adjust_size_up();
    w->new_tab(); // another canvas with a history of its own
    picker_view* other = w->frontPicker();
    other->document()->set_buttons({make_button({50, 50}, 10, 0x00ff0000, {"a"})});
    other->document()->button(0)->state = 1;
    other->menu()->adjust_size_up();
    enter();
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(other->buttons()[0].size, 10);
    EXPECT_EQ(sizes(), (QList<int>{11, 12, 14}));
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(other->buttons()[0].size, 11);
}

// Would fail if keys followed the enable states of the last menu opening.
TEST_F(MenuKeys, KeysActOnTheStateAtHandNotTheLastOpening)
{
    host_takes_keys hostKeys;
    QMenu* edit = menu_named(*w, "&Edit");
    open_menu(*w, edit); // nothing to undo: Undo opens disabled
    ASSERT_FALSE(edit->actions().at(0)->isEnabled());
    select({0});
    c->menu()->adjust_size_up();
    enter();
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(sizes(), (QList<int>{10, 12, 14}));
    // And the other way round: an empty stack is not undone on.
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(c->undoStack()->index(), 0);
    EXPECT_EQ(sizes(), (QList<int>{10, 12, 14}));
    // The menu itself still shows the rule when it opens.
    open_menu(*w, edit);
    EXPECT_FALSE(edit->actions().at(0)->isEnabled());
    EXPECT_TRUE(edit->actions().at(1)->isEnabled());
}

TEST_F(MenuKeys, SizeKeys)
{
    host_takes_keys hostKeys;
    select({0, 2});
    enter();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        QList<int> after;
    } rows[] = {{Qt::Key_Plus, Qt::NoModifier, {11, 12, 15}},
                {Qt::Key_Plus, Qt::ShiftModifier, {12, 12, 16}},
                {Qt::Key_Equal, Qt::NoModifier, {13, 12, 17}},
                {Qt::Key_Minus, Qt::NoModifier, {12, 12, 16}}};
    for (const auto& row : rows) {
        QTest::keyClick(w, row.key, row.mods);
        EXPECT_EQ(sizes(), row.after) << row.key;
    }
    // One step up (three presses merged), one down.
    ASSERT_EQ(c->undoStack()->count(), 2);
    EXPECT_EQ(c->undoStack()->text(0), QStringLiteral("Adjust Size"));
    // Pressed on the canvas itself, the key travels up to the same dispatch.
    c->setFocus();
    QTest::keyClick(c, Qt::Key_Minus);
    EXPECT_EQ(sizes(), (QList<int>{11, 12, 15}));
}

TEST_F(MenuKeys, SizeKeysActOnTheCurrentCanvasOnly)
{
    host_takes_keys hostKeys;
    select({0});
    w->new_tab();
    enter();
    QTest::keyClick(w, Qt::Key_Plus);
    EXPECT_EQ(sizes(), (QList<int>{10, 12, 14}));
    w->tabs()->setCurrentIndex(0);
    QTest::keyClick(w, Qt::Key_Plus);
    EXPECT_EQ(sizes(), (QList<int>{11, 12, 14}));
}

TEST_F(MenuKeys, CanvasSizeEntries)
{
    QMenu* buttons = nullptr;
    for (QAction* a : c->menu()->context_menu()->actions())
        if (a->menu())
            buttons = a->menu();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->title(), QStringLiteral("Buttons"));
    const QStringList entries = texts(buttons);
    EXPECT_EQ(entries.mid(entries.size() - 3), (QStringList{"-", "Increase Size", "Decrease Size"}));
    QAction* up = item(buttons, "Increase Size");
    EXPECT_EQ(up->shortcuts(), (QList<QKeySequence>{QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal),
                                                    QKeySequence(Qt::SHIFT | Qt::Key_Plus)}));
    EXPECT_EQ(item(buttons, "Decrease Size")->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::Key_Minus)});
    for (QAction* a : {up, item(buttons, "Decrease Size")}) {
        EXPECT_EQ(a->shortcutContext(), Qt::WidgetShortcut);
        EXPECT_TRUE(c->actions().contains(a));
    }
}

TEST_F(MenuKeys, UnmatchedKeysReachTheHost)
{
    host_takes_keys hostKeys;
    passed_on past(host.get());
    select({0});
    enter();
    QTest::keyClick(w, Qt::Key_K);
    QTest::keyClick(w, Qt::Key_Minus, Qt::ControlModifier); // - with a modifier is not -
    QTest::keyClick(w, Qt::Key_Plus);
    EXPECT_EQ(past.keys, (QList<int>{Qt::Key_K, Qt::Key_Minus}));
    EXPECT_EQ(sizes(), (QList<int>{11, 12, 14}));
}

TEST_F(MenuKeys, CutCopyFollowAnySelectedPasteFollowsTheClipboard)
{
    QMenu* edit = menu_named(*w, "&Edit");
    select({});
    c->document()->button(1)->state = 2; // partly selected counts
    open_menu(*w, edit);
    EXPECT_TRUE(item(edit, "Cut")->isEnabled());
    EXPECT_TRUE(item(edit, "Copy")->isEnabled());
    c->document()->button(1)->state = 0;
    QApplication::clipboard()->clear();
    open_menu(*w, edit);
    for (const char* t : {"Cut", "Copy", "Paste", "Paste in Place"})
        EXPECT_FALSE(item(edit, t)->isEnabled()) << t;
    auto* data = new QMimeData;
    data->setData(QStringLiteral("application/x-qt-picker-mime;value=\"buttons\""), QByteArray("x"));
    QApplication::clipboard()->setMimeData(data);
    open_menu(*w, edit);
    EXPECT_TRUE(item(edit, "Paste")->isEnabled());
    EXPECT_TRUE(item(edit, "Paste in Place")->isEnabled());
    EXPECT_FALSE(item(edit, "Copy")->isEnabled());
}

// Ctrl+C copies what is selected now, whatever the Edit menu last showed.
TEST_F(MenuKeys, CtrlCCopiesAfterTheMenuOpenedWithNothingSelected)
{
    host_takes_keys hostKeys;
    QApplication::clipboard()->clear();
    select({});
    open_menu(*w, menu_named(*w, "&Edit"));
    select({1});
    enter();
    QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasFormat(
        QStringLiteral("application/x-qt-picker-mime;value=\"buttons\"")));
}

TEST_F(MenuKeys, ArrowsNudgeAndBackspaceDeletes)
{
    host_takes_keys hostKeys;
    select({1});
    enter();
    QTest::keyClick(w, Qt::Key_Right);
    QTest::keyClick(w, Qt::Key_Down);
    EXPECT_EQ(c->buttons()[1].position, QPoint(101, 51));
    QTest::keyClick(w, Qt::Key_Left);
    QTest::keyClick(w, Qt::Key_Up);
    EXPECT_EQ(c->buttons()[1].position, QPoint(100, 50));
    QTest::keyClick(w, Qt::Key_Backspace);
    EXPECT_EQ(c->buttons().size(), 2);
}
