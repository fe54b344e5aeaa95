// Keyboard focus follows the pointer into and out of the panel, moved as the
// platform moves it, and opening the panel under the pointer takes nothing.
#include "window/picker_window.h"
#include <gtest/gtest.h>
#include <QtCore/QCoreApplication>
#include <QtGui/QCursor>
#include <QtGui/QEnterEvent>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <memory>

namespace {
// The host's own field holds the keyboard; the panel opens beside it.
struct FocusTest : ::testing::Test {
    std::unique_ptr<QWidget> host;
    QLineEdit* field = nullptr;
    picker_window* window = nullptr;
    const QPoint inPanel{400, 200};
    const QPoint beside{80, 300};

    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->setGeometry(100, 100, 640, 420);
        field = new QLineEdit(host.get());
        field->setGeometry(10, 10, 150, 24);
        window = new picker_window(nullptr);
        window->setParent(host.get());
        window->setGeometry(200, 10, 420, 400);
        window->hide();
        host->show();
        host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
        field->setFocus();
        ASSERT_TRUE(field->hasFocus());
    }
    void TearDown() override { pointer_to(QPoint(-200, -200)); }

    // Moves the pointer; the platform sends the enter and leave events.
    void pointer_to(QPoint inHost)
    {
        QCursor::setPos(host ? host->mapToGlobal(inHost) : inHost);
        QCoreApplication::processEvents();
    }
    // The enter the toolkit sends to a widget shown under the pointer.
    void enter_from_show()
    {
        const QPoint local = window->mapFrom(host.get(), inPanel);
        QEnterEvent e(local, local, window->mapToGlobal(local));
        QApplication::sendEvent(window, &e);
    }
};
} // namespace

TEST_F(FocusTest, OpeningUnderThePointerLeavesFocusWhereItWas)
{
    pointer_to(inPanel);
    window->show();
    QCoreApplication::processEvents();
    enter_from_show();
    EXPECT_TRUE(field->hasFocus());
    EXPECT_FALSE(window->hasFocus());

    // Leaving and coming back is a real entry: focus follows.
    pointer_to(beside);
    EXPECT_TRUE(field->hasFocus());
    pointer_to(inPanel);
    EXPECT_TRUE(window->hasFocus());
    pointer_to(beside);
    EXPECT_FALSE(window->hasFocus());
}

TEST_F(FocusTest, EnteringAPanelOpenedElsewhereTakesFocus)
{
    pointer_to(beside);
    window->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(field->hasFocus());
    pointer_to(inPanel);
    EXPECT_TRUE(window->hasFocus());
    pointer_to(beside);
    EXPECT_FALSE(window->hasFocus());
    // A direct enter event (no pointer motion) counts as well.
    enter_from_show();
    EXPECT_TRUE(window->hasFocus());
}

// A floating panel is a window of its own: entering it hands it the keys
// even when it was not the active window, and leaving gives them back.
TEST(FloatingPanelFocus, EnteringActivatesThePanelAndLeavingGivesTheKeysBack)
{
    QWidget host;
    host.setGeometry(100, 100, 300, 300);
    auto* field = new QLineEdit(&host);
    picker_window panel(nullptr); // a top-level window, as the floating dock is
    panel.setGeometry(500, 100, 300, 300);
    QCursor::setPos(50, 50);
    panel.show();
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    field->setFocus();
    ASSERT_FALSE(panel.isActiveWindow());

    QCursor::setPos(panel.mapToGlobal(QPoint(150, 150)));
    QCoreApplication::processEvents();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&panel));
    EXPECT_TRUE(panel.hasFocus());

    QCursor::setPos(50, 50);
    QCoreApplication::processEvents();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&host));
    EXPECT_TRUE(field->hasFocus());
}
