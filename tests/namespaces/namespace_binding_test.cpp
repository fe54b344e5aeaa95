// Binding pickers to the scene's namespaces on real canvases and windows:
// which namespaces a canvas uses, when the chooser is shown, which canvas
// each request binds, and the Change Namespace item.
#include "canvas_harness.h"
#include "chooser_probe.h"
#include "picker_files.h"
#include "qt_print.h"
#include "namespaces/namespace_binding.h"
#include <gtest/gtest.h>
#include <qbhost/host_session.h>
#include <QtCore/QSet>
#include <QtCore/QTemporaryDir>
#include <QtTest/QSignalSpy>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabWidget>

namespace {

const QString kBind = QStringLiteral("QuillbrookPicker \"bind\" `picker_ListNamespaces`;");
const QString kRebind = QStringLiteral("QuillbrookPicker \"rebind\" `picker_ListNamespaces`;");

qbhost::HostSession& host()
{
    return qbhost::HostSession::instance();
}

QStringList pending_mel()
{
    QStringList out;
    for (const qbhost::IdleItem& item : host().pendingIdle())
        out << item.text;
    return out;
}

QList<QStringList> node_lists(const picker_view* canvas)
{
    QList<QStringList> out;
    for (const buttonRecord& b : canvas->buttons())
        out << b.nodes;
    return out;
}

QString current_tab(const picker_window& w)
{
    return w.tabs()->tabText(w.tabs()->currentIndex());
}

QStringList labels(const QStringList& names)
{
    QStringList out;
    for (const QString& n : names)
        out << QStringLiteral("<b>%1</b>").arg(n.toHtmlEscaped());
    return out;
}

QMenu* picker_menu(const picker_window& w)
{
    for (QMenu* m : w.findChildren<QMenu*>())
        if (m->title() == QLatin1String("&Picker"))
            return m;
    return nullptr;
}

class Binding : public ::testing::Test
{
protected:
    void SetUp() override { host().resetForTest(); }
    void TearDown() override { host().resetForTest(); }
};

} // namespace

TEST_F(Binding, CollectCurrentNamespaceOnACanvas)
{
    const struct {
        const char* what;
        QList<buttonAttributes> buttons;
        QStringList before; // what out already holds
        QStringList expected;
    } rows[] = {
        {"a nested name adds every level, parents first", {selection_button({"a:b:arm_ctrl"})}, {}, {"a", "a:b"}},
        {"a name without namespace adds nothing", {selection_button({"arm_ctrl"})}, {}, {}},
        {"colons inside brackets are no namespaces", {selection_button({"hero:mesh.vtx[a:b]"})}, {}, {"hero"}},
        {"a MEL line comment hides a quoted name",
         {command_button(QStringLiteral("// select \"old:ctrl\";"), kMelScript)}, {}, {}},
        {"the same text in Python counts",
         {command_button(QStringLiteral("// select \"old:ctrl\";"), kPythonScript)}, {}, {"old"}},
        {"quoted names count, bare words do not",
         {command_button(QStringLiteral("select -r \"hero:arm\" villain:leg;"), kMelScript)}, {}, {"hero"}},
        {"each once across buttons of both kinds",
         {selection_button({"hero:a", "hero:b"}), command_button(QStringLiteral("select \"hero:c\";"), kMelScript)},
         {}, {"hero"}},
        {"appended to what out holds, all sorted, nothing twice",
         {selection_button({"hero:a", "Alpha:b"})}, {"zed", "hero"}, {"Alpha", "hero", "zed"}},
    };
    for (const auto& r : rows) {
        canvas_harness h;
        h.canvas->document()->set_buttons(r.buttons);
        QStringList out = r.before;
        h.canvas->document()->collectCurrentNamespace(out);
        EXPECT_EQ(out, r.expected) << r.what;
    }

    // Names differing only in case are both kept, next to each other.
    canvas_harness h;
    h.canvas->document()->set_buttons({selection_button({"zed:x", "Hero:arm"}), selection_button({"hero:leg", "alpha:y"})});
    QStringList out;
    h.canvas->document()->collectCurrentNamespace(out);
    ASSERT_EQ(out.size(), 4) << out.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(out[0], QStringLiteral("alpha"));
    EXPECT_EQ(QSet<QString>({out[1], out[2]}), QSet<QString>({"Hero", "hero"}));
    EXPECT_EQ(out[3], QStringLiteral("zed"));
}

TEST_F(Binding, WhenTheChooserIsShown)
{
    const QStringList scene{"crowd", "crowd:hero", "hero", "villain", ":"};
    const struct {
        const char* what;
        QStringList nodes;
        bool force;
        QStringList rows; // the chooser's rows; empty: not shown
    } rows[] = {
        {"bind: every namespace in the scene", {"hero:arm", "villain:leg"}, false, {}},
        {"bind: nested ones too", {"crowd:hero:arm"}, false, {}},
        {"bind: one missing asks about all", {"hero:arm", "ghost:leg"}, false, {"ghost", "hero"}},
        {"bind: a missing parent", {"crowd:ghost:arm"}, false, {"crowd", "crowd:ghost"}},
        {"bind: case counts", {"Hero:arm"}, false, {"Hero"}},
        {"bind: no namespace in use", {"arm"}, false, {}},
        // The root is in every scene.
        {"bind: names written from the root", {":arm"}, false, {}},
        {"rebind: always asks", {"hero:arm"}, true, {"hero"}},
        {"rebind: no namespace in use is the root", {"arm"}, true, {":"}},
    };
    for (const auto& r : rows) {
        canvas_harness h;
        h.canvas->document()->set_buttons({selection_button(r.nodes)});
        QSignalSpy changes(h.canvas, &picker_view::changed);
        chooser::probe probe([](QDialog* d, int) { chooser::click(d, "Cancel"); });
        namespace_binding::rebind(h.canvas, scene, r.force);
        QCoreApplication::processEvents();
        if (r.rows.isEmpty()) {
            EXPECT_TRUE(probe.choosers.isEmpty()) << r.what;
            continue;
        }
        ASSERT_EQ(probe.choosers.size(), 1) << r.what;
        EXPECT_EQ(probe.choosers[0].labels, labels(r.rows)) << r.what;
        EXPECT_EQ(probe.choosers[0].items.size(), r.rows.size()) << r.what;
        // Every row offers the scene's list.
        for (const QStringList& items : probe.choosers[0].items)
            EXPECT_TRUE(items.mid(items.size() - scene.size()) == scene) << r.what;
        EXPECT_EQ(node_lists(h.canvas), QList<QStringList>{r.nodes}) << r.what;
        EXPECT_EQ(changes.count(), 0) << r.what;
    }
}

TEST_F(Binding, ARewriteIsStoredInTheScene)
{
    // A picker just loaded is stored before its rebind: the new names must
    // reach the scene, or a scene saved now brings back the old ones.
    const struct {
        const char* what;
        const char* choice; // null: Cancel
        int changes;
    } rows[] = {{"a change", "villain", 1}, {"OK without a change", "hero", 0}, {"Cancel", nullptr, 0}};
    for (const auto& r : rows) {
        canvas_harness h;
        h.canvas->document()->set_buttons({selection_button({"hero:arm"})});
        host().resetForTest();
        QSignalSpy changes(h.canvas, &picker_view::changed);
        chooser::probe probe([&](QDialog* d, int) {
            if (!r.choice) {
                chooser::click(d, "Cancel");
                return;
            }
            chooser::choose(chooser::combos(d)[0], QString::fromLatin1(r.choice));
            chooser::click(d, "OK");
        });
        namespace_binding::rebind(h.canvas, {"hero", "villain", ":"}, true);
        EXPECT_EQ(changes.count(), r.changes) << r.what;
        QCoreApplication::sendPostedEvents(); // the write is made at the end of the event
        const QStringList mel = pending_mel();
        EXPECT_EQ(mel.size(), r.changes) << r.what;
        if (r.changes)
            EXPECT_TRUE(mel[0].startsWith(QLatin1String("fileInfo \"QuillbrookPickerData\""))) << r.what;
    }
}

TEST_F(Binding, LoadingQueuesOneBindPerFile)
{
    QTemporaryDir dir;
    picker_window w(nullptr);
    const QStringList paths{write_picker_file(QDir(dir.path()), QStringLiteral("One"), {selection_button({"n1:a"})}),
                            write_picker_file(QDir(dir.path()), QStringLiteral("Two"), {selection_button({"n2:a"})})};
    w.load_pickers(paths);
    // One scene write for the whole load, at the end of the event.
    EXPECT_EQ(pending_mel(), QStringList({kBind, kBind}));
    QCoreApplication::sendPostedEvents();
    const QStringList mel = pending_mel();
    ASSERT_EQ(mel.size(), 3);
    EXPECT_TRUE(mel[2].startsWith(QLatin1String("fileInfo \"QuillbrookPickerData\"")));
}

TEST_F(Binding, EachBindTakesTheCanvasItWasMadeFor)
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    picker_window w(nullptr);
    w.show();
    w.load_pickers({write_picker_file(d, QStringLiteral("One"), {selection_button({"n1:a"})}),
                    write_picker_file(d, QStringLiteral("Two"), {selection_button({"n2:a"})}),
                    write_picker_file(d, QStringLiteral("Three"), {selection_button({"n3:a"})})});
    ASSERT_EQ(current_tab(w), QStringLiteral("Three"));
    const QStringList scene{"hero", ":"};
    chooser::probe probe([](QDialog* dlg, int) { chooser::click(dlg, "Cancel"); });
    probe.look = [&](QDialog*) { return current_tab(w); };
    for (int i = 0; i < 3; ++i)
        w.rebind_picker(scene, false);
    ASSERT_EQ(probe.choosers.size(), 3);
    const char* names[] = {"One", "Two", "Three"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(probe.choosers[i].note, QString::fromLatin1(names[i]));
        EXPECT_EQ(probe.choosers[i].labels, labels({QStringLiteral("n%1").arg(i + 1)}));
    }

    // With none waiting, bind acts on the front picker.
    w.tabs()->setCurrentIndex(1); // One
    w.rebind_picker(scene, false);
    ASSERT_EQ(probe.choosers.size(), 4);
    EXPECT_EQ(probe.choosers[3].note, QStringLiteral("One"));

    // Change Namespace acts on the front picker and leaves a waiting
    // canvas its own request.
    w.load_pickers({write_picker_file(d, QStringLiteral("Four"), {selection_button({"n4:a"})})});
    w.tabs()->setCurrentIndex(2); // Two
    w.rebind_picker(scene, true);
    w.rebind_picker(scene, false);
    ASSERT_EQ(probe.choosers.size(), 6);
    EXPECT_EQ(probe.choosers[4].note, QStringLiteral("Two"));
    EXPECT_EQ(probe.choosers[5].note, QStringLiteral("Four"));
    EXPECT_EQ(probe.choosers[5].labels, labels({"n4"}));
}

TEST_F(Binding, ACanvasClosedBeforeItsTurnIsSkippedAlone)
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    picker_window w(nullptr);
    w.show();
    w.load_pickers({write_picker_file(d, QStringLiteral("One"), {selection_button({"n1:a"})}),
                    write_picker_file(d, QStringLiteral("Two"), {selection_button({"n2:a"})}),
                    write_picker_file(d, QStringLiteral("Three"), {selection_button({"n3:a"})})});
    w.close_tab(2); // Two
    chooser::probe probe([](QDialog* dlg, int) { chooser::click(dlg, "Cancel"); });
    probe.look = [&](QDialog*) { return current_tab(w); };
    for (int i = 0; i < 3; ++i)
        w.rebind_picker({"hero", ":"}, false);
    // Two's request finds its canvas gone; Three's is still Three's own.
    ASSERT_EQ(probe.choosers.size(), 2);
    EXPECT_EQ(probe.choosers[0].note, QStringLiteral("One"));
    EXPECT_EQ(probe.choosers[1].note, QStringLiteral("Three"));
}

TEST_F(Binding, ARequestDuringAnOpenChooserWaitsForIt)
{
    // The host may run the next queued request inside the chooser's event
    // loop: it must not stack a second chooser and switch tabs under the
    // first.
    QTemporaryDir dir;
    const QDir d(dir.path());
    picker_window w(nullptr);
    w.show();
    w.load_pickers({write_picker_file(d, QStringLiteral("One"), {selection_button({"n1:a"})}),
                    write_picker_file(d, QStringLiteral("Two"), {selection_button({"n2:a"})})});
    const QStringList scene{"hero", ":"};
    bool returned = false;
    bool stacked = false;
    chooser::probe probe([&](QDialog* dlg, int n) {
        if (n == 0) {
            QTimer::singleShot(300, [&] {
                if (returned)
                    return;
                stacked = true; // answer the stacked one so that the test ends
                chooser::click(QApplication::activeModalWidget(), "Cancel");
            });
            w.rebind_picker(scene, false);
            returned = true;
            EXPECT_EQ(current_tab(w), QStringLiteral("One"));
            chooser::choose(chooser::combos(dlg)[0], QStringLiteral("hero"));
            chooser::click(dlg, "OK");
            return;
        }
        chooser::click(dlg, "Cancel");
    });
    probe.look = [&](QDialog*) { return current_tab(w); };
    w.rebind_picker(scene, false);
    EXPECT_FALSE(stacked);
    ASSERT_EQ(probe.choosers.size(), 2);
    EXPECT_EQ(probe.choosers[0].note, QStringLiteral("One"));
    EXPECT_EQ(probe.choosers[1].note, QStringLiteral("Two"));
    EXPECT_EQ(probe.choosers[1].choosersOpen, 1);
    EXPECT_EQ(node_lists(qobject_cast<picker_view*>(w.tabs()->widget(1))), QList<QStringList>{{"hero:a"}});
}

TEST_F(Binding, ChangeNamespaceItem)
{
    picker_window w(nullptr);
    QMenu* menu = picker_menu(w);
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    ASSERT_GE(items.size(), 3);
    QAction* item = items.last();
    EXPECT_EQ(items[items.size() - 2]->text(), QStringLiteral("Change Background..."));
    EXPECT_TRUE(items[items.size() - 3]->isSeparator());
    EXPECT_EQ(item->text(), QStringLiteral("Change Namespace..."));
    EXPECT_FALSE(w.actions().contains(item));

    // Never disabled, not even without a tab.
    w.close_tab(0);
    ASSERT_EQ(w.tabs()->count(), 0);
    emit menu->aboutToShow();
    EXPECT_TRUE(item->isEnabled());

    host().resetForTest();
    item->trigger();
    EXPECT_EQ(pending_mel(), QStringList{kRebind});
    // With no tab the request finds nothing to bind.
    w.rebind_picker({":"}, true);
    EXPECT_EQ(w.tabs()->count(), 0);
    w.request_rebind(false);
    EXPECT_EQ(pending_mel(), (QStringList{kRebind, kBind}));
}
