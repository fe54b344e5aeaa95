// The panel as the host sees it: the built module loaded into the stand-in
// host, read through the window's state snapshot.
#include "host_fixture.h"
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
