// The panel as the host sees it: the built module loaded into the stand-in
// host, read through the window's state snapshot.
#include "byte_builder.h"
#include "host_fixture.h"
#include "temp_files.h"
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtGui/QMouseEvent>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtWidgets/QDockWidget>

class WindowModule : public HostFixture
{
};

TEST_F(WindowModule, SnapshotOfANewPanel)
{
    ASSERT_TRUE(loadPicker());
    ASSERT_TRUE(picker());
    const QVariantMap state = pickerState();
    EXPECT_TRUE(state.value("visible").toBool());
    EXPECT_EQ(state.value("current").toInt(), 0);
    const QVariantList tabs = state.value("tabs").toList();
    ASSERT_EQ(tabs.size(), 1);
    const QVariantMap tab = tabs[0].toMap();
    EXPECT_EQ(tab.value("name").toString(), QStringLiteral("Untitled"));
    EXPECT_EQ(tab.value("zoom").toDouble(), 1.0);
    EXPECT_EQ(tab.value("shift").toList(), (QVariantList{0, 0}));
    EXPECT_TRUE(tab.value("buttons").toList().isEmpty());
    EXPECT_TRUE(tab.value("undo").toStringList().isEmpty());
    EXPECT_FALSE(tab.value("hasImage").toBool());
    ASSERT_TRUE(unloadPicker());
}

TEST_F(WindowModule, SnapshotOutlivesTheModule)
{
    // A caller may keep the snapshot after the module is unloaded: none of
    // its strings may live in the module's own storage.
    ASSERT_TRUE(loadPicker());
    ASSERT_TRUE(picker());
    const QVariantMap state = pickerState();
    ASSERT_TRUE(unloadPicker());
    EXPECT_EQ(dock(), nullptr);
    const QByteArray json = QJsonDocument::fromVariant(state).toJson(QJsonDocument::Compact);
    EXPECT_TRUE(json.contains("\"name\":\"Untitled\"")) << json.constData();
    EXPECT_TRUE(json.contains("\"undoIndex\":0")) << json.constData();

    // Loaded again, the command builds a fresh panel.
    ASSERT_TRUE(loadPicker());
    ASSERT_TRUE(picker());
    EXPECT_EQ(tabTexts(), QStringList{"Untitled"});
    ASSERT_TRUE(unloadPicker());
}

namespace {
QPushButton* tool(QWidget* window, const char* tip)
{
    for (QPushButton* b : window->findChildren<QPushButton*>())
        if (b->toolTip() == QLatin1String(tip))
            return b;
    return nullptr;
}

void hover(QWidget* w, QPoint pos)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
} // namespace

// What a newcomer does in the sandbox: select buttons, then colour, size and
// label them from the toolbox, and undo with the keyboard over the panel.
TEST_F(WindowModule, ColourSizeAndLabelFromTheToolbox)
{
    QTemporaryDir dir;
    createNodes({"hero:a", "hero:b", "hero:c"});
    ASSERT_TRUE(loadPicker());
    ASSERT_TRUE(picker());
    host().drainIdle();
    byte_builder body;
    body.i32(4).str("Body").str("").i32(3)
        .button(4, 0, {50, 50}, 21, 0, 0, 0xff0000, 0, "", {"hero:a"})
        .button(4, 1, {100, 50}, 21, 0, 0, 0x00ff00, 0, "", {"hero:b"})
        .button(4, 2, {150, 50}, 21, 0, 0, 0x0000ff, 0, "", {"hero:c"});
    const QString path = write_temp_file(dir, QStringLiteral("body.qbx"), body.bytes());
    host().executeMel(QStringLiteral("QuillbrookPicker \"open\" \"%1\";").arg(path));
    host().drainIdle();
    ASSERT_EQ(tabTexts(), QStringList({"Untitled", "Body"}));
    QWidget* canvas = tabs()->currentWidget();
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 50));
    host().drainIdle();
    ASSERT_EQ(host().selection(), QStringList({"hero:a", "hero:b"}));

    // Colour: the palette opens on the press, a click on a cell picks.
    QWidget* window = pickerWindow();
    QTest::mousePress(tool(window, "Button Color"), Qt::LeftButton);
    QWidget* palette = QApplication::activePopupWidget();
    ASSERT_NE(palette, nullptr);
    EXPECT_STREQ(palette->metaObject()->className(), "picker_colorMenu");
    QTest::mouseRelease(palette, Qt::LeftButton);
    const QPoint red(0 * 19 + 8, 2 * 19 + 8 + 2); // row 3, first cell
    hover(palette, red);
    QTest::mouseClick(palette, Qt::LeftButton, Qt::NoModifier, red);

    // Size: an entry of the size menu.
    QPushButton* size = tool(window, "Button Size");
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* a : menu->actions())
            if (a->text() == QStringLiteral("14"))
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(a).center());
    });
    QTest::mouseClick(size, Qt::LeftButton);

    // Label: typed, then Enter.
    QLineEdit* label = nullptr;
    for (QLineEdit* e : window->findChildren<QLineEdit*>())
        if (e->toolTip() == QStringLiteral("Button Label"))
            label = e;
    ASSERT_NE(label, nullptr);
    label->setFocus();
    QTest::keyClicks(label, QStringLiteral("Arm"));
    QTest::keyClick(label, Qt::Key_Return);

    const QVariantMap tab = pickerState().value("tabs").toList()[1].toMap();
    const QVariantList buttons = tab.value("buttons").toList();
    for (int i = 0; i < 2; ++i) {
        const QVariantMap b = buttons[i].toMap();
        EXPECT_EQ(b.value("color").toUInt(), 0xFFFF0000u) << i;
        EXPECT_EQ(b.value("size").toInt(), 14) << i;
        EXPECT_EQ(b.value("label").toString(), QStringLiteral("Arm")) << i;
    }
    EXPECT_EQ(buttons[2].toMap().value("size").toInt(), 21);
    EXPECT_EQ(tab.value("undo").toStringList(), QStringList({"Change Color", "Change Size", "Label Change"}));

    // Every edit rewrote the scene's copy of the pickers.
    host().drainIdle();
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();

    // Ctrl+Z over the panel undoes the label.
    // The offscreen platform leaves the closed size menu active: give the
    // panel back its activation, as the window system would.
    QApplication::setActiveWindow(window->window());
    // The pointer went to the size menu and comes back over the panel.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(window, &leave);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(window, &enter);
    EXPECT_TRUE(window->hasFocus());
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    const QVariantMap after = pickerState().value("tabs").toList()[1].toMap();
    EXPECT_EQ(after.value("undoIndex").toInt(), 2);
    EXPECT_TRUE(after.value("buttons").toList()[0].toMap().value("label").toString().isEmpty());
    ASSERT_TRUE(unloadPicker());
}
