// Keys as the host routes them: the focused panel first, then the sandbox's
// menus; real key events, with the toolkit's messages captured.
#include "sandbox/host_keys.h"
#include "sandbox/main_window.h"
#include "qt_print.h"
#include <qbhost/host_session.h>

#include <gtest/gtest.h>
#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDockWidget>

namespace {

QStringList& messages()
{
    static QStringList list;
    return list;
}

void capture(QtMsgType, const QMessageLogContext&, const QString& text)
{
    messages() << text;
}

class HostKeys : public ::testing::Test
{
protected:
    void SetUp() override
    {
        messages().clear();
        previous = qInstallMessageHandler(capture);
        host().resetForTest();
        window = new sandbox_window(host());
        window->setUnattended(true);
        host().setMainWindow(window);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        ASSERT_TRUE(window->loadPlugin(QStringLiteral(QB_PLUGIN_PATH)));
        scene = dir.filePath("keys.ma");
        ASSERT_TRUE(host().executeMel(QStringLiteral("file -rename \"%1\";").arg(scene)));
        window->runPickerCommand();
        dock = window->findChild<QDockWidget*>("QuillbrookPicker");
        ASSERT_NE(dock, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dock));
        host().discardIdle();
    }
    void TearDown() override
    {
        host().resetForTest();
        host().setMainWindow(nullptr);
        delete window;
        qInstallMessageHandler(previous);
    }
    static qbhost::HostSession& host() { return qbhost::HostSession::instance(); }

    // target's window becomes the active one, the pointer enters target
    // (the offscreen platform has no pointer of its own over stacked
    // windows) and Ctrl plus key is pressed and released on the focus.
    static void pressOver(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        target->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(target->window()));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(target, &enter);
        QWidget* focus = target->window()->focusWidget() ? target->window()->focusWidget() : target->window();
        QTest::keyClick(focus, key, modifiers);
        QCoreApplication::processEvents();
    }

    QStringList queued() const
    {
        QStringList out;
        for (const qbhost::IdleItem& item : host().pendingIdle())
            out << item.text;
        return out;
    }

    static bool ambiguous()
    {
        for (const QString& m : messages())
            if (m.contains(QLatin1String("Ambiguous shortcut overload")))
                return true;
        return false;
    }

    QtMessageHandler previous = nullptr;
    sandbox_window* window = nullptr;
    QDockWidget* dock = nullptr;
    QTemporaryDir dir;
    QString scene;
};

} // namespace

TEST_F(HostKeys, CtrlSOverThePanelSavesThePickerAndOverTheViewportTheScene)
{
    QWidget* panel = dock->widget();
    ASSERT_NE(panel, nullptr);
    pressOver(panel, Qt::Key_S);
    EXPECT_EQ(queued(), QStringList{QStringLiteral("QuillbrookPicker(\"save\");")});
    EXPECT_FALSE(QFileInfo::exists(scene));
    EXPECT_FALSE(ambiguous()) << messages().join('\n').toStdString();

    host().discardIdle();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(panel, &leave);
    pressOver(window->centralWidget(), Qt::Key_S);
    EXPECT_TRUE(QFileInfo::exists(scene));
    EXPECT_TRUE(queued().isEmpty()) << queued().join('\n').toStdString();
    EXPECT_FALSE(ambiguous()) << messages().join('\n').toStdString();
}

TEST_F(HostKeys, AKeyThePanelLeavesReachesTheMenusOnce)
{
    // The panel's window stays the active one but the pointer has left the
    // panel, which then takes no key: Ctrl+S goes on to the sandbox's Save
    // Scene, once, after the key event is done.
    QWidget* panel = dock->widget();
    pressOver(panel, Qt::Key_Shift, Qt::NoModifier);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(panel, &leave);
    ASSERT_FALSE(panel->hasFocus());
    QWidget* focus = dock->focusWidget() ? dock->focusWidget() : dock;
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(QFileInfo::exists(scene)); // not from inside the key event
    QCoreApplication::processEvents();
    EXPECT_TRUE(QFileInfo::exists(scene));
    EXPECT_TRUE(queued().isEmpty()) << queued().join('\n').toStdString();
    EXPECT_EQ(host().historyTexts(qbhost::HistoryKind::Mel).filter("file -save").size(), 1);
    EXPECT_FALSE(ambiguous()) << messages().join('\n').toStdString();
}

TEST_F(HostKeys, OnlyPluginDocksCountAsPanels)
{
    host_keys* keys = window->findChild<host_keys*>();
    ASSERT_NE(keys, nullptr);
    EXPECT_EQ(keys->panelOf(dock->widget()), dock);
    EXPECT_EQ(keys->panelOf(dock), dock);
    EXPECT_EQ(keys->panelOf(window->centralWidget()), nullptr);
    EXPECT_EQ(keys->panelOf(window->scriptEditorDock()), nullptr);
    EXPECT_EQ(keys->panelOf(window->scriptEditorDock()->widget()), nullptr);
    EXPECT_EQ(keys->panelOf(nullptr), nullptr);
}
