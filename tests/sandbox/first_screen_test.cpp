// The demo's first screen: the main window with its outliner and script
// editor, and the picker panel showing every button of the body picker.
#include "sandbox/first_screen.h"
#include "sandbox/main_window.h"
#include "qt_print.h"
#include "sandbox/outliner.h"
#include "sandbox/screenshot.h"
#include "sandbox/script_editor.h"
#include "sandbox/state_dump.h"
#include <qbhost/host_session.h>

#include <gtest/gtest.h>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonObject>
#include <QtCore/QSettings>
#include <QtCore/QTemporaryDir>
#include <QtGui/QScreen>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QTabWidget>

namespace {

QRect global_rect(const QWidget* w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

QRect rect_of(const QJsonValue& v)
{
    const QJsonArray a = v.toArray();
    return QRect(a.at(0).toInt(), a.at(1).toInt(), a.at(2).toInt(), a.at(3).toInt());
}

} // namespace

TEST(FirstScreen, PanelBesideTheMainWindowWhenThereIsRoomElseClearOfTheOutliner)
{
    const QSize panel(340, 540);
    struct Case {
        QRect available;
        QRect main, panel;
    } cases[] = {
        {{0, 0, 1920, 1080}, {0, 0, 1100, 760}, {1108, 0, 600, 540}},
        {{0, 0, 1600, 900}, {0, 0, 1100, 760}, {1108, 0, 492, 540}},
        {{100, 30, 1400, 900}, {100, 30, 1100, 760}, {1160, 30, 340, 540}},
        {{0, 0, 800, 600}, {0, 0, 800, 600}, {460, 0, 340, 540}},
        // Too narrow for both: the panel stops at the outliner's edge.
        {{0, 0, 500, 600}, {0, 0, 500, 600}, {248, 0, 252, 540}},
    };
    for (const Case& c : cases) {
        const first_screen_layout l = first_screen(c.available, panel, 600, 240);
        EXPECT_EQ(l.mainWindow, c.main) << c.available.width();
        EXPECT_EQ(l.panel, c.panel) << c.available.width();
    }
}

TEST(FirstScreen, TheDemoShowsTheOutlinerTheScriptEditorAndTheWholeBodyPicker)
{
    QTemporaryDir settings;
    use_sandbox_settings(settings.path());
    qbhost::HostSession& host = qbhost::HostSession::instance();
    host.resetForTest();
    const first_screen_layout layout = demo_first_screen(QGuiApplication::primaryScreen()->availableGeometry());
    ASSERT_TRUE(store_panel_geometry_once(layout.panel));
    EXPECT_FALSE(store_panel_geometry_once(QRect(1, 2, 300, 300))); // a stored place is kept
    EXPECT_EQ(QSettings("Quillbrook", "picker").value("pickerPosition").toPoint(), layout.panel.topLeft());
    EXPECT_TRUE(QSettings("Quillbrook", "picker").fileName().startsWith(settings.path()));

    sandbox_window window(host);
    window.setGeometry(layout.mainWindow);
    host.setMainWindow(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // As the sandbox runs the demo: each step, then what it queued.
    for (const QString& step : {QStringLiteral("loadPlugin \"%1\";").arg(QStringLiteral(QB_PLUGIN_PATH)),
                                QStringLiteral("file -open \"" QB_DEMO_DIR "/demo_shot.ma\";"),
                                QStringLiteral("QuillbrookPicker;"),
                                QStringLiteral("QuillbrookPicker \"open\" \"" QB_DEMO_DIR "/body_picker.qbx\";")}) {
        ASSERT_TRUE(host.executeMel(step)) << step.toStdString();
        host.drainIdle();
    }
    QDockWidget* dock = window.findChild<QDockWidget*>("QuillbrookPicker");
    ASSERT_NE(dock, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dock));
    QCoreApplication::processEvents();
    QTabWidget* tabs = dock->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    QWidget* canvas = tabs->currentWidget();
    ASSERT_NE(canvas, nullptr);

    const QRect panel = dock->frameGeometry();
    EXPECT_FALSE(panel.intersects(global_rect(window.sceneOutliner())));
    const QRect script = global_rect(window.scriptEditor());
    if (panel.intersects(script))
        EXPECT_GE(panel.left() - script.left(), 200);

    const QJsonObject picker = picker_state(&window).toObject();
    const QJsonObject tab = picker.value("tabs").toArray().at(picker.value("current").toInt()).toObject();
    const QJsonArray buttons = tab.value("buttons").toArray();
    ASSERT_EQ(buttons.size(), 47) << host.errors().join('\n').toStdString() << " tabs "
                                  << picker.value("tabs").toArray().size() << " current "
                                  << picker.value("current").toInt();
    const double zoom = tab.value("zoom").toDouble();
    const QPoint shift(tab.value("shift").toArray().at(0).toInt(), tab.value("shift").toArray().at(1).toInt());
    // The link banner lies over the canvas's bottom.
    const int banner = QImage(QStringLiteral(QB_SOURCE_DIR "/resources/images/PickerWindowLogoCropped.png")).height();
    ASSERT_GT(banner, 0);
    const QRect shown = canvas->visibleRegion().boundingRect().adjusted(0, 0, 0, -banner);

    QPoint origin;
    const QImage shot = composite_windows(screen_windows(&window), &origin);
    const QImage canvasPixels = canvas->grab().toImage();
    for (const QJsonValue& v : buttons) {
        const QRect r = rect_of(v.toObject().value("rect"));
        const QRect onCanvas(shift + r.topLeft() * zoom, r.size() * zoom);
        EXPECT_TRUE(shown.contains(onCanvas)) << v.toObject().value("label").toString().toStdString() << " at "
                                              << onCanvas.x() << "," << onCanvas.y();
        // In the screenshot, the button's centre shows the canvas there.
        const QPoint c = onCanvas.center();
        const QPoint inShot = canvas->mapToGlobal(c) - origin;
        ASSERT_TRUE(shot.rect().contains(inShot));
        EXPECT_EQ(shot.pixel(inShot), canvasPixels.pixel(c * canvasPixels.devicePixelRatio()));
    }
    host.resetForTest();
    host.setMainWindow(nullptr);
}
