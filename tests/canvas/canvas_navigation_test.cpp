// Wheel, drags, reset, frame and the animation on a live canvas; the press,
// move and release dispatch; the context menu and the cursors.
#include "canvas_harness.h"
#include "canvas/picker_cursors.h"
#include "canvas/picker_mouse_cmd.h"
#include "canvas/shift_picker_cmd.h"
#include "canvas/zoom_picker_cmd.h"
#include <gtest/gtest.h>
#include <QtGui/QBitmap>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabWidget>
#include <QUndoCommand>

namespace {

void wheel(picker_view* c, QPointF pos, int delta, Qt::MouseButtons held = Qt::NoButton)
{
    QWheelEvent e(pos, QPointF(c->mapToGlobal(pos.toPoint())), QPoint(), QPoint(0, delta), held, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(c, &e);
}

// Records what the canvas does with a tracker.
struct probe_tracker : picker_mouse_cmd {
    QStringList* log;
    explicit probe_tracker(QStringList* log) : log(log) {}
    void update(const QPoint& p, int) override { *log << QStringLiteral("update %1,%2").arg(p.x()).arg(p.y()); }
    void finish() override { *log << QStringLiteral("finish"); }
    ~probe_tracker() override { *log << QStringLiteral("deleted"); }
};

const Qt::MouseButtons kLeftMiddle = Qt::LeftButton | Qt::MiddleButton;

} // namespace

TEST(CanvasNavigation, WheelSteps)
{
    const float in = 1.0625f, out = 0.9375f;
    const struct {
        int delta;
        double zoom;
    } rows[] = {{60, 1.0}, {119, 1.0}, {-60, 1.0}, {-119, 1.0}, {120, in}, {-120, out}, {240, in * in * in},
                {-240, out * out * out}};
    for (const auto& r : rows) {
        canvas_harness h;
        wheel(h.canvas, QPointF(100, 100), r.delta);
        EXPECT_EQ(h.canvas->zoom(), r.zoom) << r.delta;
    }
}

TEST(CanvasNavigation, WheelIgnoredWithAButtonHeld)
{
    canvas_harness h;
    wheel(h.canvas, QPointF(100, 100), 120, Qt::LeftButton);
    EXPECT_EQ(h.canvas->zoom(), 1.0);
    wheel(h.canvas, QPointF(100, 100), -120, Qt::MiddleButton);
    EXPECT_EQ(h.canvas->zoom(), 1.0);
}

TEST(CanvasNavigation, WheelKeepsThePickerPointUnderThePointer)
{
    canvas_harness h;
    // Truncation toward zero can cost a pixel where a coordinate changes
    // sign during the zoom; the pointer stays on the positive side here.
    h.canvas->setShift(QPoint(13, 21));
    for (const QPointF pos : {QPointF(200.4, 150.5), QPointF(17, 333), QPointF(250.5, 100.49)}) {
        for (int delta : {120, 360, -120, -480}) {
            const QPoint anchor = round_half_away(pos);
            const QPoint p = h.canvas->mapToPicker(anchor);
            const QPoint before = h.canvas->mapToScreen(p);
            wheel(h.canvas, pos, delta);
            EXPECT_EQ(h.canvas->mapToScreen(p), before) << delta;
        }
    }
}

TEST(CanvasNavigation, ZoomPinsAtItsLimitsWithoutRepainting)
{
    canvas_harness h;
    paint_counter paints(h.canvas);
    const struct {
        float set;
        int delta;
        double pinned;
    } rows[] = {{40.0f, 120, 16.0}, {0.01f, -120, 0.25}};
    for (const auto& r : rows) {
        h.canvas->setZoom(r.set, QPoint(10, 10));
        EXPECT_EQ(h.canvas->zoom(), r.pinned);
        paints.settle();
        wheel(h.canvas, QPointF(50, 50), r.delta);
        h.canvas->setZoom(r.set, QPoint(10, 10));
        EXPECT_EQ(h.canvas->zoom(), r.pinned);
        EXPECT_EQ(paints.count(), 0) << r.pinned;
    }
    // The control: a zoom that changes something repaints.
    wheel(h.canvas, QPointF(50, 50), 120);
    EXPECT_GE(paints.count(), 1);
}

TEST(CanvasNavigation, ZoomDragThresholds)
{
    const float in = 1.0625f, out = 0.9375f;
    const struct {
        QPoint to;
        double zoom;
    } rows[] = {{{139, 100}, 1.0}, {{140, 100}, in},      {{100, 140}, in},  {{140, 60}, 1.0},
                {{61, 100}, 1.0},  {{60, 100}, out},       {{160, 100}, in * in}, {{40, 100}, out * out}};
    const struct {
        Qt::MouseButtons held;
        const char* what;
    } starts[] = {{Qt::RightButton, "Alt+right"}, {kLeftMiddle, "Alt+left+middle"}};
    for (const auto& s : starts) {
        for (const auto& r : rows) {
            canvas_harness h;
            h.press(QPoint(100, 100), s.held, Qt::AltModifier);
            ASSERT_NE(dynamic_cast<zoom_picker_cmd*>(h.canvas->tracker()), nullptr) << s.what;
            h.move(QPoint(120, 120), s.held, Qt::AltModifier); // an earlier step is undone by the last
            // Each step keeps the picker point then under the press point.
            const QPoint pivot = h.canvas->mapToPicker(QPoint(100, 100));
            const QPoint pivotPixel = h.canvas->mapToScreen(pivot);
            h.move(r.to, s.held, Qt::AltModifier);
            EXPECT_EQ(h.canvas->zoom(), r.zoom) << s.what << " to " << r.to.x() << "," << r.to.y();
            EXPECT_EQ(h.canvas->mapToScreen(pivot), pivotPixel) << s.what;
            h.release(r.to, Qt::RightButton, Qt::AltModifier);
            EXPECT_EQ(h.canvas->tracker(), nullptr);
        }
    }
}

TEST(CanvasNavigation, PanDragFollowsThePointer)
{
    for (Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::AltModifier)}) {
        canvas_harness h;
        h.canvas->setShift(QPoint(5, 7));
        h.press(QPoint(50, 50), Qt::MiddleButton, mods);
        ASSERT_NE(dynamic_cast<shift_picker_cmd*>(h.canvas->tracker()), nullptr);
        h.move(QPoint(80, 70), Qt::MiddleButton, mods);
        EXPECT_EQ(h.canvas->shift(), QPoint(35, 27));
        h.move(QPoint(40, 45), Qt::MiddleButton, mods);
        EXPECT_EQ(h.canvas->shift(), QPoint(-5, 2));
        h.release(QPoint(41, 45), Qt::MiddleButton, mods); // the release point counts
        EXPECT_EQ(h.canvas->shift(), QPoint(-4, 2));
        EXPECT_EQ(h.canvas->tracker(), nullptr);
    }
}

TEST(CanvasNavigation, PressDispatch)
{
    const struct {
        const char* what;
        Qt::MouseButtons held;
        Qt::KeyboardModifiers mods;
        bool installs;
        bool navigates;
    } rows[] = {
        {"Alt+left alone: the other side's selection tracker", Qt::LeftButton, Qt::AltModifier, true, false},
        {"Alt+left+right", Qt::LeftButton | Qt::RightButton, Qt::AltModifier, false, false},
        {"left+right", Qt::LeftButton | Qt::RightButton, Qt::NoModifier, false, false},
        {"plain left on empty canvas: the selection tracker", Qt::LeftButton, Qt::NoModifier, true, false},
        {"middle", Qt::MiddleButton, Qt::NoModifier, true, true},
        {"Alt+middle", Qt::MiddleButton, Qt::AltModifier, true, true},
        {"Alt+right", Qt::RightButton, Qt::AltModifier, true, true},
        {"Alt+left+middle", kLeftMiddle, Qt::AltModifier, true, true},
    };
    for (const auto& r : rows) {
        canvas_harness h;
        h.press(QPoint(60, 60), r.held, r.mods);
        EXPECT_EQ(h.canvas->tracker() != nullptr, r.installs) << r.what;
        h.move(QPoint(200, 200), r.held, r.mods);
        EXPECT_EQ(h.canvas->zoom() == 1.0 && h.canvas->shift().isNull(), !r.navigates) << r.what;
    }
}

TEST(CanvasNavigation, TrackerLifeFromPressToRelease)
{
    QStringList log; // outlives the canvas, which deletes a tracker left installed
    canvas_harness h;
    h.canvas->set_tracker(new probe_tracker(&log));
    h.move(QPoint(3, 4), Qt::LeftButton);
    h.release(QPoint(5, 6), Qt::LeftButton);
    EXPECT_EQ(log, (QStringList{"update 3,4", "update 5,6", "finish", "deleted"}));
    EXPECT_EQ(h.canvas->tracker(), nullptr);

    // A press while a tracker is still installed (its release went astray)
    // finishes and deletes it before the press goes on.
    log.clear();
    h.canvas->set_tracker(new probe_tracker(&log));
    h.press(QPoint(50, 50), Qt::MiddleButton);
    EXPECT_EQ(log, (QStringList{"finish", "deleted"}));
    EXPECT_NE(dynamic_cast<shift_picker_cmd*>(h.canvas->tracker()), nullptr);

    // A release without a tracker is left to the parent.
    h.release(QPoint(50, 50), Qt::MiddleButton);
    QMouseEvent stray(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(h.canvas, &stray);
    EXPECT_FALSE(stray.isAccepted());
}

TEST(CanvasNavigation, EventPositionsAreRoundedHalfAwayFromZero)
{
    QStringList log; // outlives the canvas, which deletes a tracker left installed
    canvas_harness h;
    h.canvas->set_tracker(new probe_tracker(&log));
    QMouseEvent e(QEvent::MouseMove, QPointF(10.5, -2.5), QPointF(10.5, -2.5), Qt::NoButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(h.canvas, &e);
    EXPECT_EQ(log.value(0), QStringLiteral("update 11,-3"));
}

TEST(CanvasNavigation, AnimationLandsOnItsTargetOnTheEighthTick)
{
    canvas_harness h;
    h.canvas->zoomWindow(3.7f, QPoint(-41, 93));
    EXPECT_TRUE(h.canvas->zoom_animating());
    EXPECT_EQ(h.canvas->zoom(), 1.0); // nothing moves before the first tick
    for (int tick = 1; tick < 8; ++tick) {
        h.canvas->animate_zoom();
        EXPECT_TRUE(h.canvas->zoom_animating()) << tick;
        EXPECT_NE(h.canvas->zoom(), double(3.7f)) << tick;
    }
    h.canvas->animate_zoom();
    EXPECT_FALSE(h.canvas->zoom_animating());
    EXPECT_EQ(h.canvas->zoom(), double(3.7f));
    EXPECT_EQ(h.canvas->shift(), QPoint(-41, 93));

    // Asking for the view it already has starts nothing.
    h.canvas->zoomWindow(3.7f, QPoint(-41, 93));
    EXPECT_FALSE(h.canvas->zoom_animating());
}

TEST(CanvasNavigation, AnimationRunsOnItsTimer)
{
    canvas_harness h;
    h.canvas->zoomWindow(2.0f, QPoint(10, 10));
    // The 20 ms timer drives it; wait for the landing, not for a fixed time.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !h.canvas->zoom_animating(); }, 5000));
    EXPECT_EQ(h.canvas->zoom(), 2.0);
    EXPECT_EQ(h.canvas->shift(), QPoint(10, 10));
}

TEST(CanvasNavigation, ResetView)
{
    canvas_harness h;
    paint_counter paints(h.canvas);
    paints.settle();
    h.canvas->reset_view(); // at identity: a repaint and no animation
    EXPECT_FALSE(h.canvas->zoom_animating());
    EXPECT_GE(paints.count(), 1);

    h.canvas->setZoom(2.0f, QPoint(30, 40));
    h.canvas->reset_view();
    EXPECT_TRUE(h.canvas->zoom_animating());
    for (int i = 0; i < 8; ++i)
        h.canvas->animate_zoom();
    EXPECT_EQ(h.canvas->zoom(), 1.0);
    EXPECT_EQ(h.canvas->shift(), QPoint(0, 0));
}

TEST(CanvasNavigation, FrameView)
{
    canvas_harness h;
    h.canvas->frame_view(); // an empty picker: nothing
    EXPECT_FALSE(h.canvas->zoom_animating());

    h.canvas->document()->push_button(make_button(QPoint(50, 50), 20, 0xff0000, {"a"}), -1);
    h.canvas->document()->push_button(make_button(QPoint(300, 200), 10, 0x00ff00, {"b"}), -1);
    h.canvas->document()->push_button(make_button(QPoint(-80, 90), 10, 0x0000ff, {"c"}), -1);
    EXPECT_EQ(h.canvas->document()->button_bounds(false), QRect(QPoint(-84, 41), QPoint(305, 205)));
    EXPECT_EQ(h.canvas->document()->button_bounds(true), QRect(0, 0, 0, 0));

    const struct {
        int selected; // -1: none, so all are framed
        QRect bounds;
    } rows[] = {{-1, QRect(QPoint(-84, 41), QPoint(305, 205))}, {1, QRect(QPoint(296, 196), QPoint(305, 205))}};
    for (const auto& r : rows) {
        for (int i = 0; i < h.canvas->buttons().size(); ++i)
            h.canvas->document()->button(i)->state = (i == r.selected) ? 1 : 0;
        float z = 0;
        QPoint s;
        ASSERT_TRUE(frame_target(r.bounds, h.canvas->size(), false, h.canvas->zoom(), &z, &s));
        h.canvas->frame_view();
        for (int i = 0; i < 8; ++i)
            h.canvas->animate_zoom();
        EXPECT_EQ(h.canvas->zoom(), double(z)) << r.selected;
        EXPECT_EQ(h.canvas->shift(), s) << r.selected;
    }
    // Framing what is already framed starts nothing.
    h.canvas->frame_view();
    EXPECT_FALSE(h.canvas->zoom_animating());
}

TEST(CanvasNavigation, FrameBoundsOnAFourHundredPixelCanvas)
{
    canvas_harness h;
    // The canvas alone, at exactly 400 by 400.
    h.window->tabs()->removeTab(0);
    std::unique_ptr<picker_view> canvas(h.canvas);
    canvas->setParent(nullptr);
    canvas->resize(400, 400);
    const struct {
        QRect bounds;
        double zoom;
        QPoint shift;
    } rows[] = {{QRect(0, 0, 100, 50), 3.0, QPoint(53, 128)}, {QRect(10, 10, 1, 1), 16.0, QPoint(40, 40)}};
    for (const auto& r : rows) {
        canvas->frameBounds(r.bounds, false);
        EXPECT_TRUE(canvas->zoom_animating());
        for (int i = 0; i < 8; ++i)
            canvas->animate_zoom();
        EXPECT_EQ(canvas->zoom(), r.zoom);
        EXPECT_EQ(canvas->shift(), r.shift);
    }
}

TEST(CanvasNavigation, FrameBoundsWithoutZoomingIn)
{
    canvas_harness h;
    h.canvas->setZoom(0.5f, QPoint(0, 0));
    h.canvas->frameBounds(QRect(0, 0, 4, 4), true);
    for (int i = 0; i < 8; ++i)
        h.canvas->animate_zoom();
    EXPECT_EQ(h.canvas->zoom(), 0.5);
    h.canvas->frameBounds(QRect(0, 0, 4, 4), false);
    for (int i = 0; i < 8; ++i)
        h.canvas->animate_zoom();
    EXPECT_EQ(h.canvas->zoom(), 16.0);
}

TEST(CanvasNavigation, ContextMenuOpensWithItsFirstEntryUnderThePress)
{
    canvas_harness h;
    QMenu* menu = h.canvas->menu()->context_menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("Picker"));
    QStringList texts, keys;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || a->menu()) {
            texts << (a->menu() ? a->text() : QStringLiteral("-"));
            continue;
        }
        texts << a->text();
        keys << a->shortcut().toString();
        EXPECT_EQ(a->shortcutContext(), Qt::WidgetShortcut);
        EXPECT_TRUE(h.canvas->actions().contains(a));
    }
    EXPECT_EQ(texts, (QStringList{"Add One Button", "Add Many Buttons", "Add Buttons from Controls", "Update Button", "Delete Button", "-",
                                  "Add Command Button...", "Set Image...", "Remove Image", "-",
                                  QString::fromUtf8("Add Slider\u2026"), QString::fromUtf8("Add Pad\u2026"),
                                  QString::fromUtf8("Add Toggle\u2026"), "-", "Reset View", "Frame View", "-",
                                  "Buttons"}));
    EXPECT_EQ(keys, (QStringList{"", "", "", "Backspace", "", "", "", "", "", "", "H", "F"}));

    const QPoint press(120, 90);
    const QPoint global = h.canvas->mapToGlobal(press);
    bool shown = false;
    bool firstUnderPress = false;
    QTimer::singleShot(0, [&] {
        QWidget* popup = QApplication::activePopupWidget();
        shown = popup == menu;
        if (shown) {
            firstUnderPress = menu->actionGeometry(menu->actions().first()).contains(menu->mapFromGlobal(global));
            menu->close();
        }
    });
    h.press(press, Qt::RightButton);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(firstUnderPress);
    EXPECT_EQ(h.canvas->tracker(), nullptr);
}

TEST(CanvasNavigation, PressedButtonFollowsTheList)
{
    canvas_harness h;
    h.canvas->document()->push_button(make_button(QPoint(20, 20), 10, 0xff0000, {"a"}), -1);
    h.canvas->document()->push_button(make_button(QPoint(60, 20), 10, 0x00ff00, {"b"}), -1);
    QTest::mousePress(h.canvas, Qt::LeftButton, Qt::NoModifier, QPoint(60, 20));
    ASSERT_NE(h.canvas->pressed_button(), nullptr);
    EXPECT_EQ(h.canvas->pressed_button()->nodes, QStringList{"b"});

    // A copy shares the records; inserting before the pressed one must not
    // leave the canvas pointing into the copy.
    const QList<buttonRecord> copy = h.canvas->buttons();
    h.canvas->document()->push_button(make_button(QPoint(0, 0), 4, 0, {"c"}), 0);
    ASSERT_NE(h.canvas->pressed_button(), nullptr);
    EXPECT_EQ(h.canvas->pressed_button(), &h.canvas->buttons()[2]);
    h.canvas->document()->pop_button(0);
    EXPECT_EQ(h.canvas->pressed_button(), &h.canvas->buttons()[1]);
    h.canvas->document()->pop_button(1);
    EXPECT_EQ(h.canvas->pressed_button(), nullptr);
    EXPECT_EQ(copy.size(), 2);
}

TEST(CanvasNavigation, FindButtonUsesTheMappedBoxes)
{
    canvas_harness h;
    h.canvas->document()->push_button(make_button(QPoint(20, 20), 10, 0xff0000, {"under"}), -1); // 16..25
    h.canvas->document()->push_button(make_button(QPoint(24, 24), 10, 0x00ff00, {"over"}), -1);  // 20..29
    const struct {
        QPoint at;
        const char* node; // null: none
    } rows[] = {{{16, 16}, "under"}, {{22, 22}, "under"}, {{27, 27}, "over"}, {{15, 20}, nullptr},
                {{25, 25}, "over"}, {{29, 29}, nullptr}}; // the mapped boxes are one pixel smaller
    for (const auto& r : rows) {
        const buttonRecord* b = h.canvas->find_button(r.at);
        const QString found = b ? b->nodes.value(0) : QStringLiteral("none");
        EXPECT_EQ(found, r.node ? QString::fromLatin1(r.node) : QStringLiteral("none")) << r.at.x();
    }
    h.canvas->setZoom(2.0f, QPoint(0, 0));
    ASSERT_NE(h.canvas->find_button(QPoint(54, 54)), nullptr);
    EXPECT_EQ(h.canvas->find_button(QPoint(54, 54))->nodes.value(0), QStringLiteral("over"));
}

TEST(CanvasNavigation, ResetButtonsClearsTheUndoStackFirst)
{
    canvas_harness h;
    h.canvas->document()->push_button(make_button(QPoint(20, 20), 10, 0xff0000, {"a"}), -1);
    h.canvas->undoStack()->push(new QUndoCommand(QStringLiteral("edit")));
    h.canvas->document()->reset_buttons();
    EXPECT_TRUE(h.canvas->buttons().isEmpty());
    EXPECT_EQ(h.canvas->undoStack()->count(), 0);
    EXPECT_EQ(h.canvas->undoStack()->parent(), nullptr);
}

TEST(CanvasCursors, BitmapsAndHotSpots)
{
    const struct {
        QCursor* (*make)();
        QPoint hot;
        QPoint tip;
        QPoint hollow; // inside the arrow: white for the edit cursor, black for add-many
        bool hollowBlack;
    } rows[] = {{&picker_cursors::make_edit_cursor, {1, 1}, {1, 1}, {2, 6}, false},
                {&picker_cursors::make_add_many_cursor, {7, 1}, {7, 1}, {8, 6}, true}};
    for (const auto& r : rows) {
        std::unique_ptr<QCursor> c(r.make());
        EXPECT_EQ(c->hotSpot(), r.hot);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        const QImage bits = c->bitmap().toImage().convertToFormat(QImage::Format_Mono);
        const QImage mask = c->mask().toImage().convertToFormat(QImage::Format_Mono);
#else
        const QImage bits = c->bitmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_Mono);
        const QImage mask = c->mask(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_Mono);
#endif
        ASSERT_EQ(bits.size(), QSize(32, 32));
        ASSERT_EQ(mask.size(), QSize(32, 32));
        // QBitmap: colour 1 (black) is a set bit.
        auto set = [](const QImage& img, QPoint p) { return qGray(img.pixel(p)) < 128; };
        EXPECT_TRUE(set(bits, r.tip));
        EXPECT_TRUE(set(mask, r.tip));
        EXPECT_TRUE(set(mask, r.hollow));
        EXPECT_EQ(set(bits, r.hollow), r.hollowBlack);
        EXPECT_FALSE(set(mask, QPoint(31, 31)));
        // 10 pixels wide and 14 tall from the tip.
        int right = 0, bottom = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = r.tip.x(); x < r.tip.x() + 11; ++x)
                if (set(bits, QPoint(x, y)) && y < 16) {
                    right = qMax(right, x);
                    bottom = qMax(bottom, y);
                }
        EXPECT_EQ(right - r.tip.x() + 1, 10);
        EXPECT_EQ(bottom - r.tip.y() + 1, 14);
    }
}

TEST(CanvasCursors, CtrlShowsTheEditCursor)
{
    canvas_harness h;
    QTest::keyPress(h.canvas, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(h.canvas->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(h.canvas->cursor().hotSpot(), QPoint(1, 1));
    QTest::keyRelease(h.canvas, Qt::Key_Control, Qt::NoModifier);
    EXPECT_EQ(h.canvas->cursor().shape(), Qt::ArrowCursor);
}

TEST(CanvasNavigation, SceneResetWhileTheContextMenuIsOpen)
{
    // The menu runs its own event loop, in which the host may reset the
    // window and so destroy the canvas that opened it.
    canvas_harness h;
    QPointer<picker_view> canvas = h.canvas;
    bool reset = false;
    QTimer::singleShot(0, [&] {
        if (QApplication::activePopupWidget()) {
            h.window->reset();
            reset = true;
        }
    });
    h.press(QPoint(100, 100), Qt::RightButton);
    EXPECT_TRUE(reset);
    EXPECT_TRUE(canvas.isNull());
    ASSERT_NE(h.window->frontPicker(), nullptr);
    EXPECT_EQ(h.window->tabs()->count(), 1);
}
