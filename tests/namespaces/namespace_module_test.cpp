// Namespace binding end to end: the built module loaded into the stand-in
// host, its requests run from the host's idle queue through the embedded
// script and the command's bind and rebind directives.
#include "chooser_probe.h"
#include "host_fixture.h"
#include "model/scene_data.h"
#include "picker_files.h"
#include "qt_print.h"
#include <QtCore/QTemporaryDir>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabWidget>

namespace {

class NamespaceModule : public HostFixture
{
protected:
    void openPanel()
    {
        ASSERT_TRUE(loadPicker());
        ASSERT_TRUE(picker());
        host().drainIdle(); // the embedded script and the first restore
        host().clearErrors();
    }

    QAction* changeNamespaceItem() const
    {
        for (QMenu* m : pickerWindow()->findChildren<QMenu*>())
            for (QAction* a : m->actions())
                if (a->text() == QLatin1String("Change Namespace..."))
                    return a;
        return nullptr;
    }

    QString currentTab() const { return tabs()->tabText(tabs()->currentIndex()); }

    // The node lists of every tab's buttons, from the panel itself.
    QList<QStringList> panelNodes() const
    {
        QList<QStringList> out;
        for (const QVariant& tab : pickerState().value(QStringLiteral("tabs")).toList())
            for (const QVariant& b : tab.toMap().value(QStringLiteral("buttons")).toList())
                out << b.toMap().value(QStringLiteral("nodes")).toStringList();
        return out;
    }

    // The node lists of every tab the scene holds.
    QList<QStringList> sceneNodes() const
    {
        QList<QStringList> out;
        const QString value = host().fileInfoValue(QStringLiteral("QuillbrookPickerData"));
        QDataStream stream(decodeSceneData(value.toLatin1()));
        picker_window_data data;
        if (!readWindowStream(stream, &data))
            return out;
        for (const picker_tab_data& tab : data.tabs)
            for (const buttonAttributes& b : tab.buttons)
                out << b.nodes;
        return out;
    }

    QStringList threeFiles(const QTemporaryDir& dir) const
    {
        const QDir d(dir.path());
        return {write_picker_file(d, QStringLiteral("One"), {selection_button({"n1:arm"})}),
                write_picker_file(d, QStringLiteral("Two"), {selection_button({"n2:arm"})}),
                write_picker_file(d, QStringLiteral("Three"),
                                  {command_button(QStringLiteral("select -r \"n3:arm\";"), kMelScript)})};
    }
};

} // namespace

TEST_F(NamespaceModule, SceneListThroughTheScriptReachesTheDirective)
{
    // Whatever the host's current namespace and name mode, the list is the
    // whole scene's, in creation order, depth first, root last, and the
    // host's namespace state is left as it was.
    const QStringList items{"hero", "crowd", "crowd:hero", "crowd:extra", "crowd:extra:deep", "zeta", ":"};
    const struct {
        const char* what;
        const char* current;
        bool relative;
    } rows[] = {
        {"current namespace the root", ":", false},
        {"current namespace hero", "hero", false},
        {"current namespace nested", "crowd:hero", false},
        {"root, relative names", ":", true},
        {"hero, relative names", "hero", true},
        {"nested, relative names", "crowd:extra", true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TearDown();
        SetUp();
        createNodes({"hero:arm_ctrl", "crowd:hero:head", "crowd:extra:deep:toe"});
        host().addNamespace(QStringLiteral("zeta"));
        ASSERT_TRUE(host().executeMel(QStringLiteral("namespace -set \":%1\"; namespace -relativeNames %2;")
                                          .arg(QLatin1String(r.current) == QLatin1String(":") ? QString()
                                                                                               : QString::fromLatin1(r.current),
                                               r.relative ? QStringLiteral("true") : QStringLiteral("false"))));
        const QString current = host().currentNamespace();
        openPanel();
        QAction* item = changeNamespaceItem();
        ASSERT_NE(item, nullptr);
        item->trigger();
        EXPECT_EQ(pendingMel(), QStringList{"QuillbrookPicker \"rebind\" `picker_ListNamespaces`;"});
        chooser::probe probe([](QDialog* d, int) { chooser::click(d, "OK"); });
        host().drainIdle();
        EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('|').toStdString();
        // The empty tab uses no namespace: one row for the root, offering
        // exactly the scene's list.
        ASSERT_EQ(probe.choosers.size(), 1);
        EXPECT_EQ(probe.choosers[0].labels, QStringList{"<b>:</b>"});
        EXPECT_EQ(probe.choosers[0].items, QList<QStringList>{items});
        EXPECT_EQ(host().currentNamespace(), current);
        EXPECT_EQ(host().relativeNames(), r.relative);

        // bind asks only when a namespace is missing: here none is used.
        MGlobal::executeCommandOnIdle(MString("QuillbrookPicker \"bind\" `picker_ListNamespaces`;"), false);
        host().drainIdle();
        QCoreApplication::processEvents();
        EXPECT_EQ(probe.choosers.size(), 1);

        // A picker whose nested namespaces all exist binds without asking.
        QTemporaryDir dir;
        const QString file = write_picker_file(QDir(dir.path()), QStringLiteral("Nested"),
                                               {selection_button({"crowd:hero:head", "zeta:root"})});
        ASSERT_TRUE(picker(QStringList{"open", file}));
        host().drainIdle();
        QCoreApplication::processEvents();
        EXPECT_EQ(probe.choosers.size(), 1);
        EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('|').toStdString();
        EXPECT_EQ(host().currentNamespace(), current);
    }
}

TEST_F(NamespaceModule, ThreeFilesEachAskedForTheirOwnPicker)
{
    // Run both as tests do (the queue drained by hand) and as the host does
    // (drained whenever the event loop is idle, also inside the chooser's).
    for (const bool autoDrain : {false, true}) {
        SCOPED_TRACE(autoDrain ? "drained when idle" : "drained by hand");
        TearDown();
        SetUp();
        createNodes({"hero:arm"});
        openPanel();
        QTemporaryDir dir;
        chooser::probe probe([](QDialog* d, int) {
            chooser::choose(chooser::combos(d)[0], QStringLiteral("hero"));
            chooser::click(d, "OK");
        });
        probe.look = [&](QDialog* d) {
            // The chooser belongs to the canvas of the current tab.
            EXPECT_EQ(d->parentWidget(), tabs()->currentWidget());
            return currentTab();
        };
        host().setAutoDrain(autoDrain);
        ASSERT_TRUE(picker(QStringList{"open"} + threeFiles(dir)));
        if (autoDrain)
            EXPECT_TRUE(QTest::qWaitFor([&] { return host().pendingIdleCount() == 0 && probe.choosers.size() >= 3; }));
        else
            host().drainIdle();
        host().setAutoDrain(false);
        EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('|').toStdString();

        ASSERT_EQ(probe.choosers.size(), 3);
        const char* names[] = {"One", "Two", "Three"};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(probe.choosers[i].note, QString::fromLatin1(names[i]));
            EXPECT_EQ(probe.choosers[i].labels, QStringList{QStringLiteral("<b>n%1</b>").arg(i + 1)});
            EXPECT_EQ(probe.choosers[i].choosersOpen, 1);
        }
        const QList<QStringList> expected{{"hero:arm"}, {"hero:arm"}, {"select -r \"hero:arm\";"}};
        EXPECT_EQ(panelNodes(), expected);
        EXPECT_EQ(sceneNodes(), expected); // stored, not only shown
    }
}

TEST_F(NamespaceModule, SceneResetWhileTheChooserIsOpen)
{
    const struct {
        const char* what;
        std::function<void()> event;
        bool panelStays;
    } rows[] = {
        {"deleteAll", [] { host().raiseEvent(QStringLiteral("deleteAll")); }, true},
        {"NewSceneOpened", [] { host().raiseEvent(QStringLiteral("NewSceneOpened")); }, true},
        {"a new scene", [] { host().newScene(); }, true},
        {"quitApplication", [] { host().raiseEvent(QStringLiteral("quitApplication")); }, false},
        {"OK pressed, then deleteAll before the chooser's loop ends",
         [] {
             chooser::click(QApplication::activeModalWidget(), "OK");
             host().raiseEvent(QStringLiteral("deleteAll"));
         },
         true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TearDown();
        SetUp();
        createNodes({"hero:arm"});
        openPanel();
        QTemporaryDir dir;
        chooser::probe probe([&](QDialog* d, int) {
            chooser::choose(chooser::combos(d)[0], QStringLiteral("hero"));
            r.event(); // the dialog may be gone now
        });
        const QPointer<QDockWidget> panel = dock();
        ASSERT_TRUE(picker(QStringList{"open"} + threeFiles(dir)));
        host().drainIdle();
        QCoreApplication::processEvents();
        // The requests of the closed pickers find nothing to bind.
        EXPECT_EQ(probe.choosers.size(), 1);
        if (r.panelStays) {
            EXPECT_EQ(dock(), panel.data());
            EXPECT_EQ(tabTexts(), QStringList{"Untitled"});
            EXPECT_TRUE(panelNodes().isEmpty());
        } else {
            // The next queued request built a fresh panel, as any run of
            // the command does when there is none.
            EXPECT_TRUE(panel.isNull());
        }
        for (const QList<QStringList>& lists : {panelNodes(), sceneNodes()})
            for (const QStringList& nodes : lists)
                for (const QString& n : nodes)
                    EXPECT_FALSE(n.contains(QLatin1String("hero"))) << n.toStdString();
    }
}
