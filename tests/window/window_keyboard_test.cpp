// Focus follows the mouse, and the window's and canvas's own keyboard
// dispatch serves the keys that the host keeps from the shortcut map.
#include "canvas_harness.h"
#include "host_keys.h"
#include "scripted_dialogs.h"
#include <gtest/gtest.h>
#include <QtGui/QCursor>
#include <QtGui/QEnterEvent>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabWidget>

namespace {
struct KeyboardTest : ::testing::Test {
    std::unique_ptr<QWidget> host;
    picker_window* window = nullptr;

    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        window = new picker_window(nullptr);
        window->setParent(host.get());
        host->resize(500, 500);
        window->resize(480, 480);
        // The pointer comes in later (enter()): a panel opened under it
        // would not take focus.
        QCursor::setPos(QPoint(-300, -300));
        host->show();
        host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    }
    void enter()
    {
        const QPoint centre = window->rect().center();
        QEnterEvent e(centre, centre, window->mapToGlobal(centre));
        QApplication::sendEvent(window, &e);
    }
    void leave()
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(window, &e);
    }
};
} // namespace

TEST_F(KeyboardTest, FocusFollowsTheMouse)
{
    EXPECT_FALSE(window->hasFocus());
    enter();
    EXPECT_TRUE(window->hasFocus());
    leave();
    EXPECT_FALSE(window->hasFocus());
}

TEST_F(KeyboardTest, CtrlWThroughTheWindowsDispatchAsksToClose)
{
    host_takes_keys hostKeys;
    scripted_dialogs dialogs;
    dialogs.boxAnswers.enqueue(QMessageBox::Cancel);
    enter();
    QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("Close Tab"));
    EXPECT_EQ(window->tabs()->count(), 1);

    // Ctrl+N adds a tab; with the pointer gone, no key is the window's.
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(window->tabs()->count(), 2);
    leave();
    QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(dialogs.asked.size(), 1);
}

TEST_F(KeyboardTest, WithoutTheHostTheShortcutFiresOnce)
{
    scripted_dialogs dialogs;
    dialogs.boxAnswers.enqueue(QMessageBox::Cancel);
    enter();
    QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(dialogs.asked.size(), 1);
}

TEST_F(KeyboardTest, ViewKeysActOnTheCurrentCanvasOnly)
{
    host_takes_keys hostKeys;
    picker_view* first = window->frontPicker();
    window->new_tab();
    picker_view* second = window->frontPicker();
    for (picker_view* c : {first, second}) {
        c->document()->push_button(make_button(QPoint(300, 300), 10, 0xff0000, {"a"}), -1);
        c->setZoom(2.0f, QPoint(0, 0));
    }
    enter();

    QTest::keyClick(window, Qt::Key_H);
    EXPECT_TRUE(second->zoom_animating());
    EXPECT_FALSE(first->zoom_animating());
    for (int i = 0; i < 8; ++i)
        second->animate_zoom();
    EXPECT_EQ(second->zoom(), 1.0);
    EXPECT_EQ(second->shift(), QPoint(0, 0));

    QTest::keyClick(window, Qt::Key_F);
    float z = 0;
    QPoint s;
    ASSERT_TRUE(frame_target(second->document()->button_bounds(false), second->size(), false, 1.0, &z, &s));
    for (int i = 0; i < 8; ++i)
        second->animate_zoom();
    EXPECT_EQ(second->zoom(), double(z));
    EXPECT_EQ(second->shift(), s);
    EXPECT_EQ(first->zoom(), 2.0);

    // A key pressed on the canvas itself travels up to the same dispatch.
    second->setFocus();
    QTest::keyClick(second, Qt::Key_H);
    EXPECT_TRUE(second->zoom_animating());
}

TEST_F(KeyboardTest, UnmatchedKeysGoOnToTheHost)
{
    host_takes_keys hostKeys;
    passed_on past(host.get());
    enter();
    QTest::keyClick(window, Qt::Key_Q);
    QTest::keyClick(window, Qt::Key_H, Qt::ShiftModifier); // H with a modifier is not H
    EXPECT_EQ(past.keys, (QList<int>{Qt::Key_Q, Qt::Key_H}));
    QTest::keyClick(window, Qt::Key_H);
    EXPECT_EQ(past.keys.size(), 2);

    // With no tab at all the keys still go on.
    scripted_dialogs dialogs;
    dialogs.boxAnswers.enqueue(QMessageBox::Ok);
    QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(window->tabs()->count(), 0);
    QTest::keyClick(window, Qt::Key_F);
    EXPECT_EQ(past.keys.size(), 3);
}

TEST_F(KeyboardTest, KeysFollowTheStateAtHandNotTheLastOpening)
{
    host_takes_keys hostKeys;
    scripted_dialogs dialogs;
    enter();
    QMenu* file = nullptr;
    for (QMenu* m : window->findChildren<QMenu*>())
        if (m->title() == QStringLiteral("&File"))
            file = m;
    ASSERT_NE(file, nullptr);
    // Opened with no tab, the menu shows Close Tab disabled; once a tab
    // exists again, Ctrl+W asks to close it without the menu being opened.
    window->close_tab(0);
    emit file->aboutToShow();
    QAction* close = nullptr;
    for (QAction* a : file->actions())
        if (a->text() == QStringLiteral("Close Tab..."))
            close = a;
    ASSERT_NE(close, nullptr);
    EXPECT_FALSE(close->isEnabled());
    QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.asked.isEmpty()); // no tab: nothing to close
    window->new_tab();
    dialogs.boxAnswers.enqueue(QMessageBox::Cancel);
    QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(dialogs.asked.size(), 1);
}
