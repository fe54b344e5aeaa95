// Loading, unloading and the host callbacks of the built plug-in, driven
// through the stand-in host as Maya would.
#include "host_fixture.h"
#include <QtCore/QSettings>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QTabWidget>

using qbhost::HostSession;

namespace {

const QString kRestore = QStringLiteral("QuillbrookPicker restore `fileInfo -q \"QuillbrookPickerData\"`;");

// The restore, then the look for the pickers of the scene's rigs.
::testing::AssertionResult restoreThenScan(const QStringList& queued)
{
    if (queued.size() == 2 && queued[0] == kRestore && queued[1].contains(QLatin1String("QuillbrookPicker rig_pickers")))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << queued.join(QLatin1String(" | ")).toStdString();
}
const char* const kEvents[] = {"SelectionChanged", "quitApplication", "deleteAll", "NewSceneOpened", "SceneOpened"};

QString failureLine(const char* message)
{
    return QStringLiteral("QuillbrookPicker - %1: (kFailure): Unexpected Internal Failure ").arg(QLatin1String(message));
}

// Node added and removed, name changed, parent added and removed, and six
// scene messages (new, open, reference created, loaded, unloaded, removed).
const int kSceneMessageCallbacks = 11;
// References created, loaded, unloaded or removed: the rigs' pickers looked for again.
const int kRigPickerCallbacks = 4;

class PluginLifecycle : public HostFixture
{
};

} // namespace

TEST_F(PluginLifecycle, LoadRegistersCommandCallbacksAndQueuesScript)
{
    ASSERT_TRUE(loadPicker());
    EXPECT_TRUE(host().hasCommand("QuillbrookPicker"));
    // The five events, and the node, DAG and reference messages that keep
    // the names' resolution in step with the scene.
    EXPECT_EQ(host().callbackCount(), 5 + kSceneMessageCallbacks + kRigPickerCallbacks);
    for (const char* e : kEvents)
        EXPECT_EQ(host().callbackCount(e), 1) << e;
    const QStringList queued = pendingMel();
    ASSERT_EQ(queued.size(), 1);
    EXPECT_TRUE(queued[0].contains("global proc string[] picker_ListNamespaces()"));
    EXPECT_EQ(dock(), nullptr); // no window before the command runs
    const QList<qbhost::PluginInfo> plugins = host().plugins();
    ASSERT_EQ(plugins.size(), 1);
    EXPECT_EQ(plugins[0].vendor, QStringLiteral("Quillbrook, Inc."));
    EXPECT_EQ(plugins[0].version, QStringLiteral("1.4.11"));
    EXPECT_EQ(plugins[0].requiredApiVersion, QStringLiteral("Any"));

    ASSERT_TRUE(unloadPicker());
    EXPECT_FALSE(host().hasCommand("QuillbrookPicker"));
    EXPECT_EQ(host().callbackCount(), 0);
    EXPECT_TRUE(host().errors().isEmpty());
}

TEST_F(PluginLifecycle, UnloadWritesGeometryAndDestroysThePanel)
{
    ASSERT_TRUE(loadPicker());
    ASSERT_TRUE(picker());
    ASSERT_NE(dock(), nullptr);
    dock()->resize(333, 222);
    dock()->move(140, 150);
    ASSERT_TRUE(unloadPicker());
    EXPECT_EQ(dock(), nullptr);
    QSettings settings("Quillbrook", "picker");
    EXPECT_EQ(settings.value("pickerSize").toSize(), QSize(333, 222));
    EXPECT_EQ(settings.value("pickerPosition").toPoint(), QPoint(140, 150));
    // Unloading reports the shut-down version to the host.
    EXPECT_TRUE(host().plugins().isEmpty());
}

TEST_F(PluginLifecycle, EveryStartUpFailureIsReported)
{
    struct Row {
        const char* operation;
        const char* message;
        int callbacksLeft;
        bool commandLeft;
    };
    const Row rows[] = {
        {"MFnPlugin", "could not initialize the plugin", 0, false},
        {"registerCommand", "could not initialize the plugin", 0, false},
        {"addEventCallback:SelectionChanged", "could not install SelectionChanged callback", 0, true},
        {"addEventCallback:quitApplication", "could not install quitApplication callback", 1, true},
        {"addEventCallback:deleteAll", "could not install the deleteAll callback", 2, true},
        {"addEventCallback:NewSceneOpened", "could not install the NewSceneOpened callback", 3, true},
        {"addEventCallback:SceneOpened", "could not install the SceneOpened callback", 4, true},
    };
    for (const Row& r : rows) {
        host().resetForTest();
        host().failNext(r.operation);
        EXPECT_FALSE(loadPicker()) << r.operation;
        EXPECT_TRUE(host().errors().contains(failureLine(r.message))) << r.operation << ": "
                                                                       << host().errors().join('|').toStdString();
        // What was installed before the failure stays installed.
        EXPECT_EQ(host().callbackCount(), r.callbacksLeft) << r.operation;
        EXPECT_EQ(host().hasCommand("QuillbrookPicker"), r.commandLeft) << r.operation;
        EXPECT_TRUE(host().pendingIdle().isEmpty()) << "no script after a failure";
    }
}

TEST_F(PluginLifecycle, ShutDownFailures)
{
    // The function set cannot be made: nothing is removed.
    ASSERT_TRUE(loadPicker());
    host().failNext("MFnPlugin");
    EXPECT_FALSE(unloadPicker());
    EXPECT_TRUE(host().errors().contains(failureLine("could not deregister the plugin")));
    EXPECT_TRUE(host().hasCommand("QuillbrookPicker"));
    EXPECT_EQ(host().callbackCount(), 5 + kSceneMessageCallbacks + kRigPickerCallbacks);

    // The command cannot be deregistered: the callbacks stay installed.
    host().clearErrors();
    host().failNext("deregisterCommand");
    EXPECT_FALSE(unloadPicker());
    EXPECT_TRUE(host().errors().contains(failureLine("could not deregister the plugin")));
    EXPECT_EQ(host().callbackCount(), 5 + kSceneMessageCallbacks + kRigPickerCallbacks);
}

TEST_F(PluginLifecycle, FailedCallbackRemovalStillRemovesTheRest)
{
    struct Row {
        const char* event;
        const char* message;
    };
    const Row rows[] = {
        {"SelectionChanged", "could not remove selectionChanged callback"},
        {"quitApplication", "could not remove the quitApplicaiton callback"},
        {"deleteAll", "could not remove the deleteAll callback"},
        {"NewSceneOpened", "could not remove the newSceneOpened callback"},
        {"SceneOpened", "could not remove the sceneOpened callback"},
    };
    for (const Row& r : rows) {
        host().resetForTest();
        ASSERT_TRUE(loadPicker());
        host().failNext(QStringLiteral("removeCallback:%1").arg(r.event));
        const MStatus st = unloadPicker();
        EXPECT_TRUE(host().errors().contains(failureLine(r.message))) << r.event;
        EXPECT_EQ(host().errors().filter("QuillbrookPicker - ").size(), 1) << r.event;
        // The status is the last removal's: only the SceneOpened row fails.
        EXPECT_EQ(bool(st), QLatin1String(r.event) != QLatin1String("SceneOpened")) << r.event;
        if (st) {
            // The host itself drops what a module leaves behind at unload.
            EXPECT_EQ(host().callbackCount(), 0) << r.event;
        } else {
            EXPECT_EQ(host().callbackCount(), 1) << r.event;
        }
    }
}

TEST_F(PluginLifecycle, FirstRunBuildsTheFloatingDock)
{
    ASSERT_TRUE(loadPicker());
    const int queuedBefore = host().pendingIdleCount();
    ASSERT_TRUE(picker());
    QDockWidget* d = dock();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->objectName(), QStringLiteral("QuillbrookPicker"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("QuillbrookPicker"));
    EXPECT_TRUE(d->isFloating());
    EXPECT_EQ(int(d->allowedAreas()), 0);
    EXPECT_EQ(int(d->features()), 7);
    EXPECT_FALSE(d->windowIcon().isNull());
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(mainWindow->dockWidgetArea(d), Qt::RightDockWidgetArea);
    EXPECT_STREQ(d->widget()->metaObject()->className(), "picker_window");
    EXPECT_EQ(tabTexts(), QStringList({"Untitled"}));
    // Stored geometry absent: the defaults.
    EXPECT_EQ(d->size(), QSize(400, 400));
    EXPECT_EQ(d->pos(), QPoint(120, 100));
    const QStringList queued = pendingMel().mid(queuedBefore);
    EXPECT_TRUE(restoreThenScan(queued));

    // A second run queues nothing new and builds nothing new.
    ASSERT_TRUE(picker());
    EXPECT_TRUE(restoreThenScan(pendingMel().mid(queuedBefore)));
    EXPECT_EQ(mainWindow->findChildren<QDockWidget*>().size(), 1);
}

TEST_F(PluginLifecycle, StoredGeometryRules)
{
    struct Row {
        QSize storedSize;
        QPoint storedPos;
        QList<QRect> screens;
        int primary;
        QRect expected;
    };
    const QList<QRect> two{QRect(0, 0, 1000, 800), QRect(1000, 0, 800, 600)};
    const Row rows[] = {
        {QSize(100, 300), QPoint(10, 10), two, 0, QRect(10, 10, 150, 300)},
        {QSize(300, 200), QPoint(-500, 10), two, 0, QRect(350, 300, 300, 200)},
        {QSize(300, 200), QPoint(1100, 50), two, 0, QRect(1100, 50, 300, 200)},
    };
    for (const Row& r : rows) {
        host().resetForTest();
        host().setMainWindow(mainWindow);
        host().setScreens(r.screens, r.primary);
        {
            QSettings settings("Quillbrook", "picker");
            settings.setValue("pickerSize", r.storedSize);
            settings.setValue("pickerPosition", r.storedPos);
        }
        ASSERT_TRUE(loadPicker());
        ASSERT_TRUE(picker());
        ASSERT_NE(dock(), nullptr);
        // The panel is never narrower than its toolbox row lets it be.
        QRect expected = r.expected;
        expected.setWidth(qMax(expected.width(), dock()->minimumSizeHint().width()));
        EXPECT_EQ(QRect(dock()->pos(), dock()->size()), expected);
        ASSERT_TRUE(unloadPicker());
    }
}

TEST_F(PluginLifecycle, FirstRunWithADirectiveRunsItFirst)
{
    createNodes({"a", "b"});
    ASSERT_TRUE(loadPicker());
    const int before = host().pendingIdleCount();
    ASSERT_TRUE(picker({"select", "b"}));
    EXPECT_EQ(host().selection(), QStringList({"b"}));
    EXPECT_TRUE(restoreThenScan(pendingMel().mid(before)));
    EXPECT_EQ(pickerState().value("selection").toStringList(), QStringList({"b"}));
}

TEST_F(PluginLifecycle, EventsBeforeThePanelDoNothing)
{
    createNodes({"a"});
    ASSERT_TRUE(loadPicker());
    const int before = host().pendingIdleCount();
    host().selectByName("a", MGlobal::kReplaceList);
    for (const char* e : {"SceneOpened", "deleteAll", "NewSceneOpened", "SelectionChanged"})
        host().raiseEvent(e);
    EXPECT_EQ(dock(), nullptr);
    EXPECT_EQ(host().pendingIdleCount(), before);
    EXPECT_FALSE(host().traceLog().contains("getActiveSelectionList"));
}

TEST_F(PluginLifecycle, SceneEventsWithThePanelOpen)
{
    ASSERT_TRUE(loadPicker());
    ASSERT_TRUE(picker());
    for (const char* e : {"deleteAll", "NewSceneOpened"}) {
        QMetaObject::invokeMethod(pickerWindow(), "new_tab");
        QMetaObject::invokeMethod(pickerWindow(), "new_tab");
        tabs()->setTabText(0, "Body");
        ASSERT_EQ(tabs()->count(), 3);
        host().raiseEvent(e);
        EXPECT_EQ(tabTexts(), QStringList({"Untitled"})) << e;
    }
    const int before = host().pendingIdleCount();
    host().raiseEvent("SceneOpened");
    EXPECT_TRUE(restoreThenScan(pendingMel().mid(before)));
}

TEST_F(PluginLifecycle, QuitWritesSettingsOnlyWithAPanel)
{
    ASSERT_TRUE(loadPicker());
    host().quit();
    EXPECT_TRUE(QSettings("Quillbrook", "picker").allKeys().isEmpty());

    ASSERT_TRUE(loadPicker());
    ASSERT_TRUE(picker());
    dock()->resize(321, 234);
    host().raiseEvent("quitApplication");
    EXPECT_EQ(dock(), nullptr);
    EXPECT_EQ(QSettings("Quillbrook", "picker").value("pickerSize").toSize(), QSize(321, 234));
    // A later run builds a fresh panel.
    ASSERT_TRUE(picker());
    EXPECT_EQ(tabTexts(), QStringList({"Untitled"}));
}

TEST_F(PluginLifecycle, BatchModeFailsClearly)
{
    host().setMainWindow(nullptr);
    ASSERT_TRUE(loadPicker());
    EXPECT_FALSE(picker());
    EXPECT_FALSE(picker({"select", "a"}));
    ASSERT_EQ(host().errors().size(), 2);
    EXPECT_TRUE(host().errors()[0].startsWith("QuillbrookPicker - the picker panel needs the host's main window"));
    // The events still find no panel.
    host().raiseEvent("SelectionChanged");
    host().raiseEvent("deleteAll");
}
