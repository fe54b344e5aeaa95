// Selection both ways and the mouse, on a real canvas driven with mouse
// events, with the stand-in host's idle queue.
#include "canvas_harness.h"
#include "capture_command.h"
#include "canvas/marquee_overlay.h"
#include "canvas/select_button_cmd.h"
#include "canvas/track_button_cmd.h"
#include "model/window_selection.h"

#include <qbhost/host_session.h>
#include <QtCore/QRegularExpression>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabWidget>

using qbhost::HostSession;

namespace {

HostSession& host()
{
    return HostSession::instance();
}

QStringList pendingMel()
{
    return pending_texts(qbhost::Language::Mel);
}

QStringList pendingPython()
{
    return pending_texts(qbhost::Language::Python);
}

QVector<qint16> states(const picker_view* v)
{
    QVector<qint16> out;
    for (const buttonRecord& b : v->buttons())
        out << b.state;
    return out;
}

buttonAttributes command(QPoint p, const QString& script, int language = kMelScript)
{
    buttonAttributes a = make_button(p, 21, 0x00336699, {script}, QString(), kCommandButton);
    a.language = language;
    return a;
}


class Selection : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host().resetForTest();
        window_selection::names().clear();
        h = std::make_unique<canvas_harness>();
        // Canvas coordinates equal picker coordinates at zoom 1 and no shift.
        h->canvas->document()->set_buttons({make_button({50, 50}, 21, 0x00ff0000, {"a", "b"}),    // 0
                                make_button({100, 50}, 21, 0x0000ff00, {"b"}),        // 1
                                make_button({150, 50}, 21, 0x000000ff, {"a", "x"}),   // 2
                                make_button({50, 150}, 21, 0x00ffff00, {"c"})});      // 3
    }
    void TearDown() override
    {
        h.reset();
        window_selection::names().clear();
        host().resetForTest();
    }
    void click(QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::mouseClick(h->canvas, Qt::LeftButton, mods, p);
    }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = Qt::NoModifier, bool release = true)
    {
        h->press(from, Qt::LeftButton, mods);
        h->move(to, Qt::LeftButton, mods);
        if (release)
            h->release(to, Qt::LeftButton, mods);
    }

    std::unique_ptr<canvas_harness> h;
};

} // namespace

TEST_F(Selection, HostSelectionConformsEveryCanvas)
{
    h->window->new_tab();
    auto* second = h->window->frontPicker();
    second->document()->set_buttons({make_button({10, 10}, 5, 0, {"b"}), make_button({20, 20}, 5, 0, {"hero:a"}),
                         make_button({30, 30}, 5, 0, {"A"}), make_button({40, 40}, 5, 0, {}),
                         command({60, 60}, "a")});
    h->window->tabs()->setCurrentIndex(0); // hidden canvases do not paint
    paint_counter paints(h->canvas);
    paints.settle();
    h->window->setSelection({"a", "b", "a"});
    EXPECT_EQ(states(h->canvas), QVector<qint16>({1, 1, 2, 0}));
    EXPECT_EQ(h->canvas->buttons()[2].flags, QVector<char>({1, 0}));
    // Exact names; an empty node list counts as selected; command buttons are conformed too.
    EXPECT_EQ(states(second), QVector<qint16>({1, 0, 0, 1, 1}));
    EXPECT_EQ(picker_window::selection_, QStringList({"a", "b", "a"})); // as reported, duplicates kept
    EXPECT_GE(paints.count(), 1);
    // The same selection again changes no state and repaints nothing.
    paints.settle();
    h->window->setSelection({"b", "a"});
    EXPECT_EQ(paints.count(), 0);

    // A command button never contributes its "nodes" to the canvas's own selection.
    button_set own;
    second->document()->append_selected(own);
    EXPECT_EQ(own.names(), QVector<QString>({"b"}));

    // With no tabs the list is still stored.
    h->window->reset();
    h->window->close_tab(0);
    h->window->setSelection({"q"});
    EXPECT_EQ(picker_window::selection_, QStringList({"q"}));
}

TEST_F(Selection, PlainClickOnEmptyCanvasClearsEverythingAndPostsClear)
{
    h->window->setSelection({"a", "b", "c"});
    h->window->new_tab();
    auto* second = h->window->frontPicker();
    second->document()->set_buttons({make_button({10, 10}, 5, 0, {"c"})});
    second->document()->conform_to_selection();
    h->window->tabs()->setCurrentIndex(0);
    click({300, 300});
    EXPECT_EQ(states(h->canvas), QVector<qint16>({0, 0, 0, 0}));
    EXPECT_EQ(states(second), QVector<qint16>({0}));
    EXPECT_TRUE(picker_window::selection_.isEmpty());
    EXPECT_EQ(pendingMel(), QStringList({"QuillbrookPicker clear"}));
}

TEST_F(Selection, ClickSelectsAndLightsEveryButtonItCovers)
{
    click({50, 50});
    EXPECT_EQ(states(h->canvas), QVector<qint16>({1, 1, 2, 0}));
    EXPECT_EQ(picker_window::selection_, QStringList({"a", "b"}));
    EXPECT_EQ(pendingMel(), QStringList({"QuillbrookPicker select a b"}));
    // Clicking another button replaces the selection.
    host().discardIdle();
    click({50, 150});
    EXPECT_EQ(states(h->canvas), QVector<qint16>({0, 0, 0, 1}));
    EXPECT_EQ(pendingMel(), QStringList({"QuillbrookPicker select c"}));
}

TEST_F(Selection, ShiftClickToggles)
{
    click({50, 150});
    click({100, 50}, Qt::ShiftModifier);
    EXPECT_EQ(picker_window::selection_, QStringList({"c", "b"}));
    EXPECT_EQ(states(h->canvas), QVector<qint16>({2, 1, 0, 1}));
    click({100, 50}, Qt::ShiftModifier);
    EXPECT_EQ(picker_window::selection_, QStringList({"c"}));
    EXPECT_EQ(states(h->canvas)[1], 0);
    // Selecting a button again never duplicates its names.
    click({50, 50}, Qt::ShiftModifier);
    EXPECT_EQ(picker_window::selection_, QStringList({"c", "a", "b"}));
    EXPECT_EQ(states(h->canvas)[1], 1); // lit: all of its nodes are selected
    click({50, 50});
    EXPECT_EQ(picker_window::selection_, QStringList({"a", "b"}));
}

TEST_F(Selection, DragThresholdAndMarquee)
{
    // Three pixels right is still a click on empty canvas.
    h->press({300, 200}, Qt::LeftButton);
    h->move({303, 200}, Qt::LeftButton);
    auto* tracker = dynamic_cast<select_button_cmd*>(h->canvas->tracker());
    ASSERT_NE(tracker, nullptr);
    EXPECT_EQ(tracker->current_phase(), select_button_cmd::phase::click);
    EXPECT_TRUE(h->canvas->marquee()->isEmpty());
    h->release({303, 200}, Qt::LeftButton);

    // Two right and two down starts the rubber band.
    h->press({30, 30}, Qt::LeftButton);
    h->move({32, 32}, Qt::LeftButton);
    tracker = dynamic_cast<select_button_cmd*>(h->canvas->tracker());
    ASSERT_NE(tracker, nullptr);
    EXPECT_EQ(tracker->current_phase(), select_button_cmd::phase::marquee);
    EXPECT_FALSE(h->canvas->marquee()->isEmpty());
    // Over the first two buttons: their nodes, and every button fully covered by them.
    host().discardIdle();
    h->move({105, 60}, Qt::LeftButton);
    EXPECT_EQ(states(h->canvas), QVector<qint16>({1, 1, 2, 0}));
    h->release({105, 60}, Qt::LeftButton);
    EXPECT_TRUE(h->canvas->marquee()->isEmpty());
    EXPECT_EQ(pendingMel(), QStringList({"QuillbrookPicker select a b"}));
}

TEST_F(Selection, ShiftMarqueeAddsToTheSelectionHeldAtThePress)
{
    click({50, 150}); // c
    host().discardIdle();
    h->press({90, 30}, Qt::LeftButton, Qt::ShiftModifier);
    h->move({160, 60}, Qt::LeftButton, Qt::ShiftModifier); // over buttons 1 and 2
    EXPECT_EQ(states(h->canvas), QVector<qint16>({1, 1, 1, 1}));
    // Shrinking the band back off button 2 takes its names out again.
    h->move({120, 60}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(states(h->canvas)[2], 0);
    h->release({120, 60}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(pendingMel(), QStringList({"QuillbrookPicker select c b"}));
}

TEST_F(Selection, CtrlDragMovesOnlyFullySelectedButtons)
{
    h->window->setSelection({"a", "b"}); // buttons 0 and 1 full, 2 partly
    h->canvas->setZoom(2.0f, QPoint(0, 0));
    const QPoint b0 = h->canvas->mapToScreen(h->canvas->buttons()[0].position);
    const QRect rect1 = h->canvas->buttons()[1].rect;
    host().discardIdle();
    h->press(b0, Qt::LeftButton, Qt::ControlModifier);
    h->move(b0 + QPoint(9, 0), Qt::LeftButton, Qt::ControlModifier);
    // Live, from the first pixel: 9 pixels at zoom 2 are 4 picker units.
    EXPECT_EQ(h->canvas->buttons()[0].position, QPoint(54, 50));
    EXPECT_EQ(h->canvas->buttons()[1].position, QPoint(104, 50));
    EXPECT_EQ(h->canvas->buttons()[2].position, QPoint(150, 50));
    h->release(b0 + QPoint(9, 0), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(h->canvas->buttons()[1].rect, rect1.translated(4, 0));
    ASSERT_EQ(h->canvas->undoStack()->count(), 1);
    EXPECT_EQ(h->canvas->undoStack()->text(0), QStringLiteral("Move Buttons"));
    EXPECT_TRUE(pendingMel().filter(QRegularExpression("^QuillbrookPicker (select|clear)")).isEmpty()); // Ctrl keeps the selection on the canvas
    h->canvas->undoStack()->undo();
    EXPECT_EQ(h->canvas->buttons()[0].position, QPoint(50, 50));
    EXPECT_EQ(h->canvas->buttons()[1].rect, rect1);
    h->canvas->undoStack()->redo();
    EXPECT_EQ(h->canvas->buttons()[1].position, QPoint(104, 50));

    // A drag that ends where it began pushes nothing.
    h->press(b0, Qt::LeftButton, Qt::ControlModifier);
    h->move(b0 + QPoint(5, 5), Qt::LeftButton, Qt::ControlModifier);
    h->move(b0, Qt::LeftButton, Qt::ControlModifier);
    h->release(b0, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(h->canvas->undoStack()->count(), 1);
}

TEST_F(Selection, CtrlClickOnAnUnselectedButtonDeselectsOthersOnThisCanvasOnly)
{
    h->window->setSelection({"a", "b", "c"});
    h->window->new_tab();
    auto* second = h->window->frontPicker();
    second->document()->set_buttons({make_button({10, 10}, 5, 0, {"a"})});
    second->document()->conform_to_selection();
    h->window->tabs()->setCurrentIndex(0);
    click({50, 150}, Qt::NoModifier); // only c
    h->window->setSelection({"a", "b"});
    EXPECT_EQ(states(h->canvas), QVector<qint16>({1, 1, 2, 0}));
    host().discardIdle();
    drag({50, 150}, {60, 150}, Qt::ControlModifier);
    EXPECT_EQ(states(h->canvas), QVector<qint16>({0, 0, 0, 1}));
    EXPECT_EQ(h->canvas->buttons()[3].position, QPoint(60, 150));
    EXPECT_EQ(states(second), QVector<qint16>({1}));
    EXPECT_TRUE(pendingMel().filter(QRegularExpression("^QuillbrookPicker (select|clear)")).isEmpty());
}

TEST_F(Selection, CommandButtonsRunWhenReleasedOverThem)
{
    h->canvas->document()->set_buttons({command({50, 50}, "print \"hi\";"), command({100, 50}, "print('py')", kPythonScript),
                            command({150, 50}, QString()), command({200, 50}, "x", 2)});
    click({50, 50});
    EXPECT_EQ(pendingMel(), QStringList({"print \"hi\";"}));
    EXPECT_EQ(h->canvas->buttons()[0].state, 0); // shown pressed only while held
    host().discardIdle();

    // Dragged off: nothing. Dragged back on: it runs.
    h->press({50, 50}, Qt::LeftButton);
    EXPECT_EQ(h->canvas->buttons()[0].state, 1);
    h->move({90, 90}, Qt::LeftButton);
    EXPECT_EQ(h->canvas->buttons()[0].state, 0);
    h->release({90, 90}, Qt::LeftButton);
    EXPECT_TRUE(host().pendingIdle().isEmpty());
    h->press({50, 50}, Qt::LeftButton);
    h->move({90, 90}, Qt::LeftButton);
    h->move({52, 52}, Qt::LeftButton);
    h->release({52, 52}, Qt::LeftButton);
    EXPECT_EQ(pendingMel(), QStringList({"print \"hi\";"}));
    host().discardIdle();

    // Ctrl with Shift runs it; Ctrl alone selects it for editing.
    click({50, 50}, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pendingMel(), QStringList({"print \"hi\";"}));
    host().discardIdle();
    click({50, 50}, Qt::ControlModifier);
    EXPECT_TRUE(host().pendingIdle().isEmpty());
    EXPECT_EQ(h->canvas->buttons()[0].state, 1);

    // Python goes to the Python queue; an empty script or another language runs nothing.
    click({100, 50});
    click({150, 50});
    click({200, 50});
    EXPECT_EQ(pendingPython(), QStringList({"print('py')"}));
    EXPECT_TRUE(pendingMel().isEmpty());
    EXPECT_TRUE(picker_window::selection_.isEmpty()); // nothing of the scripts is left there
}

TEST_F(Selection, AltLeftSelectsTheOtherSideAltRightZoomsAboutThePress)
{
    // Names without a side part are their own mirror images.
    h->press({50, 50}, Qt::LeftButton, Qt::AltModifier);
    EXPECT_NE(dynamic_cast<select_button_cmd*>(h->canvas->tracker()), nullptr);
    h->release({50, 50}, Qt::LeftButton, Qt::AltModifier);
    EXPECT_EQ(states(h->canvas), QVector<qint16>({1, 1, 2, 0}));
    EXPECT_EQ(pendingMel(), QStringList({"QuillbrookPicker select a b"}));
    host().discardIdle();

    const QPoint press(120, 80);
    const QPoint under = h->canvas->mapToPicker(press);
    h->press(press, Qt::RightButton, Qt::AltModifier);
    h->move(press + QPoint(60, 0), Qt::RightButton, Qt::AltModifier);
    h->release(press + QPoint(60, 0), Qt::RightButton, Qt::AltModifier);
    EXPECT_FLOAT_EQ(float(h->canvas->zoom()), 1.0625f * 1.0625f); // 60 pixels: two steps
    EXPECT_EQ(h->canvas->mapToScreen(under), press); // the picker point stays under the press
}

TEST_F(Selection, HoverNamesTheNodes)
{
    h->canvas->document()->set_buttons({make_button({50, 50}, 21, 0, {"n1", "n2", "n3", "n4"}),
                            make_button({100, 50}, 21, 0, {"m1", "m2", "m3", "m4", "m5", "m6", "m7"}),
                            command({150, 50}, "print 1;")});
    QTest::mouseMove(h->canvas, {50, 50});
    EXPECT_EQ(h->canvas->toolTip(), QStringLiteral("n1\nn2\nn3\nn4"));
    QTest::mouseMove(h->canvas, {100, 50});
    EXPECT_EQ(h->canvas->toolTip(), QStringLiteral("m1\nm2\nm3\n...and 4 more"));
    QTest::mouseMove(h->canvas, {150, 50});
    EXPECT_TRUE(h->canvas->toolTip().isEmpty());
    QTest::mouseMove(h->canvas, {100, 50});
    QTest::mouseMove(h->canvas, {300, 300});
    EXPECT_TRUE(h->canvas->toolTip().isEmpty());
}

TEST_F(Selection, PostedNamesCannotRunMel)
{
    capture_command::install();
    host().createNode("transform", "keep");
    const QStringList names{"hero:arm_ctrl", "|grp|hero:leg.tx", "a; file -f -new", "q\"uote\\", "two words", "`ls`"};
    picker_window::selection_ = names;
    h->window->postSelection();
    ASSERT_EQ(pendingMel().size(), 1);
    EXPECT_TRUE(pendingMel()[0].startsWith(QStringLiteral("QuillbrookPicker select hero:arm_ctrl |grp|hero:leg.tx \"")));
    host().drainIdle();
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    ASSERT_EQ(capture_command::calls().size(), 1);
    EXPECT_EQ(capture_command::calls()[0], QStringList({"select"}) + names); // one argument each, exactly
    EXPECT_EQ(host().nodes(), QStringList({"keep"}));
}

TEST_F(Selection, TrackersEndWhenTheirButtonsAreReplaced)
{
    h->canvas->document()->set_buttons({command({50, 50}, "print 1;"), make_button({100, 50}, 21, 0, {"b"})});
    // A load (or undo, or host callback) replaces the list while the button is held.
    h->press({50, 50}, Qt::LeftButton);
    h->canvas->document()->set_buttons({command({50, 50}, "print 2;")});
    h->move({51, 51}, Qt::LeftButton);
    h->release({51, 51}, Qt::LeftButton);
    EXPECT_TRUE(host().pendingIdle().isEmpty());

    h->canvas->document()->set_buttons({make_button({50, 50}, 21, 0, {"a"}), make_button({100, 50}, 21, 0, {"b"})});
    click({50, 50});
    host().discardIdle();
    h->press({50, 50}, Qt::LeftButton, Qt::ControlModifier);
    h->canvas->document()->pop_button(1);
    h->move({70, 50}, Qt::LeftButton, Qt::ControlModifier);
    h->release({70, 50}, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(h->canvas->undoStack()->count(), 0);
    EXPECT_EQ(h->canvas->buttons()[0].position, QPoint(50, 50));
}

TEST_F(Selection, EditMenuUndoesTheMoveThroughTheWindow)
{
    QMenu* edit = nullptr;
    for (QMenu* m : h->window->findChildren<QMenu*>())
        if (m->title() == QStringLiteral("&Edit"))
            edit = m;
    ASSERT_NE(edit, nullptr);
    QAction* undo = edit->actions().value(0);
    QAction* redo = edit->actions().value(1);
    ASSERT_TRUE(undo && redo);
    emit edit->aboutToShow();
    EXPECT_EQ(undo->text(), QStringLiteral("Can't Undo"));
    EXPECT_FALSE(undo->isEnabled());

    click({50, 50});
    drag({50, 50}, {60, 50}, Qt::ControlModifier);
    emit edit->aboutToShow();
    EXPECT_EQ(undo->text(), QStringLiteral("Undo Move Buttons"));
    EXPECT_EQ(redo->text(), QStringLiteral("Can't Redo"));
    // Ctrl+Z over the panel reaches the window's own dispatch.
    h->window->setFocus();
    QTest::keyClick(h->window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(h->canvas->buttons()[0].position, QPoint(50, 50));
    emit edit->aboutToShow();
    EXPECT_EQ(redo->text(), QStringLiteral("Redo Move Buttons"));
    redo->trigger();
    EXPECT_EQ(h->canvas->buttons()[0].position, QPoint(60, 50));
}
