// Authoring on a canvas through the mouse and the keys: adding one button or
// many, updating, deleting, the context menu's live entries, and undo.
#include "authoring_harness.h"
#include "canvas/picker_cursors.h"
#include "chooser_probe.h"
#include "namespaces/namespace_binding.h"
#include <gtest/gtest.h>
#include <QtCore/QPointer>
#include <QtTest/QSignalSpy>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QTabWidget>

namespace {

QMenu* window_menu(const picker_window& w, const char* title)
{
    for (QMenu* m : w.findChildren<QMenu*>())
        if (m->title() == QLatin1String(title))
            return m;
    return nullptr;
}

QList<QPoint> positions(const picker_view* canvas)
{
    QList<QPoint> out;
    for (const buttonRecord& b : canvas->buttons())
        out << b.position;
    return out;
}

} // namespace

TEST(CanvasAuthoring, AddOneButtonAtTheRightClickPoint)
{
    authoring_harness h;
    h.canvas->document()->push_button(make_button(QPoint(300, 300), 10, 0xff0000, {"old"}), -1);
    h.canvas->setShift(QPoint(20, 10));
    h.canvas->setZoom(2.0f, QPoint(0, 0));
    h.window->toolbox() = {0x123456, 0xffffff, QStringLiteral("Hi"), 14};
    h.window->setSelection({"hero:a", "hero:b"});
    QSignalSpy changed(h.canvas, &picker_view::changed);

    h.choose(QPoint(120, 90), QStringLiteral("Add One Button"));
    ASSERT_EQ(h.canvas->buttons().size(), 2);
    const buttonRecord& b = h.canvas->buttons()[1];
    EXPECT_EQ(b.position, h.canvas->mapToPicker(QPoint(120, 90)));
    EXPECT_EQ(b.size, 14);
    EXPECT_EQ(b.color, 0x123456u);
    EXPECT_EQ(b.labelColor, 0xffffffu);
    EXPECT_EQ(b.label, QStringLiteral("Hi"));
    EXPECT_EQ(b.kind, kSelectionButton);
    EXPECT_EQ(b.nodes, (QStringList{"hero:a", "hero:b"}));
    EXPECT_EQ(b.state, 1); // its nodes are the host's selection
    EXPECT_EQ(changed.count(), 1);
    ASSERT_EQ(h.undo()->count(), 1);
    EXPECT_EQ(h.undo()->text(0), QStringLiteral("Add One Button"));

    // The button holds a copy: the host selection moves on without it.
    h.window->setSelection({"other"});
    EXPECT_EQ(h.canvas->buttons()[1].nodes, (QStringList{"hero:a", "hero:b"}));

    h.undo()->undo();
    EXPECT_EQ(h.canvas->buttons().size(), 1);
    EXPECT_EQ(changed.count(), 2);
    // A button made outside the stack meanwhile: redo appends after it.
    h.canvas->document()->push_button(make_button(QPoint(0, 0), 8, 0, {"x"}), -1);
    h.undo()->redo();
    ASSERT_EQ(h.canvas->buttons().size(), 3);
    EXPECT_EQ(h.canvas->buttons()[2].nodes, (QStringList{"hero:a", "hero:b"}));
}

TEST(CanvasAuthoring, PickerMenuAddsAndFramesTheNewButton)
{
    authoring_harness h;
    QMenu* picker = window_menu(*h.window, "&Picker");
    ASSERT_NE(picker, nullptr);
    QStringList texts;
    for (QAction* a : picker->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(texts, (QStringList{"Add One Button", "Add Many Buttons", "Update Button", "Check Picker...", "-",
                                  "Mirror Rules...", "Set Mirror Axis", "-", "Store in Rig...", "Remove from Rig", "-",
                                  "Change Background...", "Change Namespace..."}));
    // The last press on the canvas places the button: far outside the view.
    h.canvas->setShift(QPoint(-2000, -2000));
    QTest::mouseClick(h.canvas, Qt::LeftButton, Qt::NoModifier, QPoint(50, 60));
    QMenuBar* bar = h.window->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    auto pick = [&](const char* text) {
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(picker->menuAction()).center());
        ASSERT_TRUE(picker->isVisible());
        QAction* item = nullptr;
        for (QAction* a : picker->actions())
            if (a->text() == QLatin1String(text))
                item = a;
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(picker, Qt::LeftButton, Qt::NoModifier, picker->actionGeometry(item).center());
    };

    pick("Add One Button"); // nothing selected in the host: nothing happens
    EXPECT_TRUE(h.canvas->buttons().isEmpty());
    EXPECT_EQ(h.undo()->count(), 0);

    h.window->setSelection({"hero:a"});
    pick("Add One Button");
    ASSERT_EQ(h.canvas->buttons().size(), 1);
    EXPECT_EQ(h.canvas->buttons()[0].position, QPoint(2050, 2060));
    ASSERT_TRUE(h.canvas->zoom_animating());
    for (int i = 0; i < 8; ++i)
        h.canvas->animate_zoom();
    const QRect shown = h.canvas->mapToScreen(h.canvas->buttons()[0].rect);
    EXPECT_TRUE(h.canvas->rect().contains(shown)) << shown.x() << "," << shown.y();

    // Enabled exactly when a tab exists; Change Namespace always.
    for (const bool anyTab : {false, true}) {
        if (!anyTab)
            h.window->close_tab(0);
        else
            h.window->new_tab();
        emit picker->aboutToShow();
        QList<bool> enabled;
        for (QAction* a : picker->actions())
            if (!a->isSeparator())
                enabled << a->isEnabled();
        // Remove from Rig: only for a tab stored in this scene's rig.
        EXPECT_EQ(enabled, (QList<bool>{anyTab, anyTab, anyTab, anyTab, anyTab, anyTab, anyTab, false, anyTab, true}));
    }
}

TEST(CanvasAuthoring, AddManyButtonsLaysOutOnePerNode)
{
    const struct {
        const char* what;
        QPoint release;
        QList<QPoint> expected;
    } rows[] = {
        // dx = dy = 0: the vertical branch, upwards, one size apart.
        {"release without moving", QPoint(100, 100), {{100, 100}, {100, 90}, {100, 80}}},
        {"short drag keeps one size", QPoint(106, 101), {{100, 100}, {110, 100}, {120, 100}}},
        {"leftwards", QPoint(40, 100), {{100, 100}, {80, 100}, {60, 100}}},
        {"diagonal row", QPoint(190, 130), {{100, 100}, {130, 110}, {160, 120}}},
        {"downwards column", QPoint(103, 190), {{100, 100}, {101, 130}, {102, 160}}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        authoring_harness h;
        h.window->toolbox().size = 10;
        h.window->toolbox().color = 0x00ff00;
        h.window->setSelection({"n1", "n2", "n3"});
        QSignalSpy changed(h.canvas, &picker_view::changed);

        h.choose(QPoint(300, 300), QStringLiteral("Add Many Buttons"));
        EXPECT_TRUE(h.canvas->buttons().isEmpty()); // nothing until the press
        EXPECT_EQ(h.canvas->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(h.canvas->cursor().hotSpot(), QPoint(7, 1));

        h.press(QPoint(100, 100), Qt::LeftButton);
        // The first layout: a row with a pitch of one size plus one.
        EXPECT_EQ(positions(h.canvas), (QList<QPoint>{{100, 100}, {111, 100}, {122, 100}}));
        h.move((QPoint(100, 100) + r.release) / 2, Qt::LeftButton);
        EXPECT_EQ(changed.count(), 0);
        h.release(r.release, Qt::LeftButton);

        EXPECT_EQ(positions(h.canvas), r.expected);
        QStringList nodes;
        for (const buttonRecord& b : h.canvas->buttons()) {
            nodes << b.nodes;
            EXPECT_EQ(b.size, 10);
            EXPECT_EQ(b.color, 0x00ff00u);
            EXPECT_EQ(b.state, 1);
        }
        EXPECT_EQ(nodes, (QStringList{"n1", "n2", "n3"}));
        EXPECT_EQ(changed.count(), 1);
        EXPECT_EQ(h.undo()->count(), 0);
        EXPECT_EQ(h.canvas->tracker(), nullptr);
        EXPECT_EQ(h.canvas->cursor().shape(), Qt::ArrowCursor);
    }
}

TEST(CanvasAuthoring, DeleteAndUndoRestoreTheOldPlaces)
{
    authoring_harness h;
    QList<buttonAttributes> made;
    for (int i = 0; i < 5; ++i) {
        made << make_button(QPoint(20 + 30 * i, 40), 10 + i, 0x100000u * i, {QStringLiteral("n%1").arg(i)},
                            i == 3 ? QStringLiteral("L") : QString());
        h.canvas->document()->push_button(made.last(), -1);
    }
    QList<QRect> rects;
    for (const buttonRecord& b : h.canvas->buttons())
        rects << b.rect;
    h.select({1, 3});
    h.select({4}, 2); // partly selected: not deleted
    h.enter();
    h.key(Qt::Key_Backspace);

    QStringList left;
    for (const buttonRecord& b : h.canvas->buttons())
        left << b.nodes;
    EXPECT_EQ(left, (QStringList{"n0", "n2", "n4"}));
    ASSERT_EQ(h.undo()->count(), 1);
    EXPECT_EQ(h.undo()->text(0), QStringLiteral("Delete Buttons"));

    h.undo()->undo();
    ASSERT_EQ(h.canvas->buttons().size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(h.canvas->buttons()[i].attributes(), made[i]) << i;
        EXPECT_EQ(h.canvas->buttons()[i].rect, rects[i]) << i;
    }
    EXPECT_FALSE(h.canvas->buttons()[3].labelPicture.isNull());

    // One button: the singular text. Only partly selected: an entry that
    // deletes nothing.
    h.select({0});
    h.key(Qt::Key_Backspace);
    EXPECT_EQ(h.undo()->undoText(), QStringLiteral("Delete Button"));
    EXPECT_EQ(h.canvas->buttons().size(), 4);
    for (const buttonRecord& b : h.canvas->buttons())
        EXPECT_NE(b.state, 1);
    h.key(Qt::Key_Backspace);
    EXPECT_EQ(h.canvas->buttons().size(), 4);
    EXPECT_EQ(h.undo()->count(), 2); // the undone delete gave way to the new one

    // Nothing selected at all: nothing pushed.
    for (int i = 0; i < h.canvas->buttons().size(); ++i)
        h.canvas->document()->button(i)->state = 0;
    h.key(Qt::Key_Backspace);
    EXPECT_EQ(h.undo()->count(), 2);
}

TEST(CanvasAuthoring, UpdateButtonSwapsTheNodeList)
{
    authoring_harness h;
    h.canvas->document()->push_button(make_button(QPoint(30, 30), 10, 0, {"a", "b", "c"}), -1);
    h.canvas->document()->push_button(make_button(QPoint(80, 30), 10, 0, {"z"}), -1);
    h.window->setSelection({"z"}); // the second button is selected
    ASSERT_EQ(h.canvas->buttons()[1].state, 1);
    h.window->setSelection({"z", "p", "q", "r"});
    QSignalSpy changed(h.canvas, &picker_view::changed);

    h.choose(QPoint(30, 30), QStringLiteral("Update Button"));
    const buttonRecord& b = h.canvas->buttons()[0];
    EXPECT_EQ(b.nodes, (QStringList{"z", "p", "q", "r"}));
    EXPECT_EQ(b.flags.size(), 4);
    EXPECT_EQ(b.state, 1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(h.undo()->undoText(), QStringLiteral("Button Update"));

    h.undo()->undo();
    EXPECT_EQ(h.canvas->buttons()[0].nodes, (QStringList{"a", "b", "c"}));
    EXPECT_EQ(h.canvas->buttons()[0].flags.size(), 3);
    h.undo()->redo();
    EXPECT_EQ(h.canvas->buttons()[0].nodes, (QStringList{"z", "p", "q", "r"}));
    EXPECT_EQ(h.canvas->buttons()[0].flags.size(), 4);
}

TEST(CanvasAuthoring, ContextMenuEnableRules)
{
    const struct {
        const char* what;
        QStringList host;
        bool selected; // the second button is selected on the canvas
        QPoint at;
        bool addOne, update, del;
    } rows[] = {
        {"empty spot, nothing selected", {}, false, {200, 200}, false, false, false},
        {"empty spot, a selection", {"a"}, true, {200, 200}, true, false, true},
        {"command button", {"a"}, false, {80, 30}, true, false, true},
        {"selection button, empty host list", {}, false, {30, 30}, false, false, true},
        {"selection button, host list", {"b"}, false, {30, 30}, true, true, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        authoring_harness h;
        h.canvas->document()->push_button(make_button(QPoint(30, 30), 10, 0, {"a"}), -1);
        h.canvas->document()->push_button(make_button(QPoint(80, 30), 10, 0, {"print 1"}, QString(), kCommandButton), -1);
        h.window->setSelection(r.host);
        if (r.selected)
            h.select({1});
        bool shown = false, addOne = false, addMany = false, update = false, del = false;
        h.context_menu(r.at, [&](QMenu* menu) {
            shown = menu == h.canvas->menu()->context_menu();
            addOne = h.action("Add One Button")->isEnabled();
            addMany = h.action("Add Many Buttons")->isEnabled();
            update = h.action("Update Button")->isEnabled();
            del = h.action("Delete Button")->isEnabled();
        });
        EXPECT_TRUE(shown);
        EXPECT_EQ(addOne, r.addOne);
        EXPECT_TRUE(addMany);
        EXPECT_EQ(update, r.update);
        EXPECT_EQ(del, r.del);
        // Closed, Backspace deletes a selection made later.
        EXPECT_TRUE(h.action("Delete Button")->isEnabled());
    }
}

TEST(CanvasAuthoring, HostResetWhileTheContextMenuIsOpen)
{
    // A host callback in the menu's own loop destroys the canvas (a scene
    // reset) or the whole window (unload); nothing may touch either after.
    for (const bool wholeWindow : {false, true}) {
        SCOPED_TRACE(wholeWindow ? "window destroyed" : "window reset");
        auto h = std::make_unique<authoring_harness>();
        h->canvas->document()->push_button(make_button(QPoint(30, 30), 10, 0, {"a"}), -1);
        h->window->setSelection({"a"});
        QPointer<picker_view> canvas = h->canvas;
        QPointer<picker_window> window = h->window.get();
        bool ran = false;
        QTimer::singleShot(0, [&] {
            if (!QApplication::activePopupWidget())
                return;
            if (wholeWindow)
                h->window.reset();
            else
                h->window->reset();
            ran = true;
        });
        h->press(QPoint(30, 30), Qt::RightButton);
        EXPECT_TRUE(ran);
        EXPECT_TRUE(canvas.isNull());
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        if (!wholeWindow) {
            ASSERT_NE(window->frontPicker(), nullptr);
            EXPECT_TRUE(window->frontPicker()->buttons().isEmpty());
            EXPECT_EQ(window->frontPicker()->undoStack()->count(), 0);
        }
    }
}

TEST(CanvasAuthoring, NamespaceRewriteLeavesNoUndoOfOldNames)
{
    authoring_harness h;
    h.canvas->document()->push_button(make_button(QPoint(30, 30), 10, 0, {"old:arm"}), -1);
    h.canvas->document()->push_button(make_button(QPoint(80, 30), 10, 0, {"old:leg"}), -1);
    h.select({1});
    h.enter();
    h.key(Qt::Key_Backspace);
    ASSERT_EQ(h.undo()->count(), 1);

    chooser::probe probe([](QDialog* d, int) {
        chooser::choose(chooser::combos(d).first(), QStringLiteral("new"));
        chooser::click(d, "OK");
    });
    namespace_binding::rebind(h.canvas, {"new", ":"}, true);
    ASSERT_EQ(probe.choosers.size(), 1);
    EXPECT_EQ(h.canvas->buttons()[0].nodes, QStringList{"new:arm"});
    // Undoing the delete would bring "old:leg" back into a "new" picker.
    EXPECT_FALSE(h.undo()->canUndo());
    EXPECT_EQ(h.undo()->count(), 0);
}
