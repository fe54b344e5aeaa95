// Cut, copy and paste of buttons through the system clipboard, between the
// tabs of one window, with their undo entries and the Edit menu's rules.
#include "byte_builder.h"
#include "canvas_harness.h"
#include "edit/picker_clipboard.h"
#include "model/button_label.h"
#include "model/clipboard_payload.h"
#include "model/picker_image.h"
#include <gtest/gtest.h>
#include <QtCore/QMimeData>
#include <QtGui/QClipboard>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabWidget>

namespace {

const QString kMime = QStringLiteral("application/x-qt-picker-mime;value=\"buttons\"");

QAction* edit_item(const picker_window& w, const char* text)
{
    for (QAction* a : w.actions())
        if (a->text() == QLatin1String(text))
            return a;
    return nullptr;
}

QList<QPoint> positions(const picker_view* v)
{
    QList<QPoint> out;
    for (const buttonRecord& b : v->buttons())
        out << b.position;
    return out;
}

QList<int> states(const picker_view* v)
{
    QList<int> out;
    for (const buttonRecord& b : v->buttons())
        out << b.state;
    return out;
}

void put_text_on_clipboard(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

void put_payload_on_clipboard(const QByteArray& payload)
{
    auto* data = new QMimeData;
    data->setData(kMime, payload);
    QGuiApplication::clipboard()->setMimeData(data);
}

QByteArray clipboard_payload()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data ? data->data(kMime) : QByteArray();
}

struct ClipboardTest : ::testing::Test {
    canvas_harness h;
    picker_view* first = h.canvas;

    void SetUp() override
    {
        QGuiApplication::clipboard()->clear();
        picker_window::selection_.clear();
    }
    void fill(picker_view* v, const QList<QPoint>& at)
    {
        for (int i = 0; i < at.size(); ++i)
            v->document()->push_button(make_button(at[i], 10 + i, 0x112233 * (i + 1), {QStringLiteral("n%1").arg(i)},
                                       i == 1 ? QStringLiteral("Arm") : QString()),
                           -1);
    }
    picker_view* second_tab()
    {
        h.window->new_tab();
        picker_view* v = h.window->frontPicker();
        QCoreApplication::processEvents();
        return v;
    }
};

} // namespace

TEST_F(ClipboardTest, CopyInOneTabPasteCentredInAnother)
{
    fill(first, {{10, 10}, {30, 10}, {50, 40}});
    first->document()->select_list({0, 2}, true);
    edit_item(*h.window, "Copy")->trigger();
    EXPECT_EQ(first->undoStack()->count(), 0); // copy is no edit

    picker_view* second = second_tab();
    fill(second, {{0, 0}});
    second->document()->select_list({0}, true);
    second->setZoom(2.0f, QPoint(0, 0));
    second->setShift(QPoint(-40, 25));
    edit_item(*h.window, "Paste")->trigger();

    // Centre of the visible area in picker units, minus the centre of the
    // copied positions ((10 + 50) / 2, (10 + 40) / 2).
    const QPoint centre((second->width() - 1) / 2, (second->height() - 1) / 2);
    const QPoint offset = second->mapToPicker(centre) - QPoint(30, 25);
    EXPECT_EQ(positions(second), (QList<QPoint>{{0, 0}, QPoint(10, 10) + offset, QPoint(50, 40) + offset}));
    EXPECT_EQ(states(second), (QList<int>{0, 1, 1}));
    EXPECT_EQ(second->buttons()[1].flags, QVector<char>{1});
    EXPECT_TRUE(picker_window::selection_.isEmpty()); // marked only, not sent to the host
    EXPECT_EQ(second->undoStack()->count(), 1);
    EXPECT_EQ(second->undoStack()->text(0), QStringLiteral("Paste Buttons"));
    EXPECT_EQ(second->buttons()[1].size, 10);
    EXPECT_EQ(second->buttons()[2].size, 12);

    // The same content again, the view unmoved: an exact stack on the first copy.
    edit_item(*h.window, "Paste")->trigger();
    ASSERT_EQ(second->buttons().size(), 5);
    EXPECT_EQ(second->buttons()[3].position, second->buttons()[1].position);
    EXPECT_EQ(second->buttons()[4].position, second->buttons()[2].position);
    EXPECT_EQ(states(second), (QList<int>{0, 0, 0, 1, 1}));

    second->undoStack()->undo();
    second->undoStack()->undo();
    EXPECT_EQ(positions(second), QList<QPoint>{QPoint(0, 0)});
    EXPECT_EQ(states(second), QList<int>{0});
    second->undoStack()->redo();
    EXPECT_EQ(states(second), (QList<int>{0, 1, 1}));
    EXPECT_EQ(first->buttons().size(), 3); // the source keeps its buttons
}

TEST_F(ClipboardTest, ShapesAndPicturesTravelBetweenTabs)
{
    fill(first, {{20, 20}, {60, 20}});
    QImage green(4, 4, QImage::Format_ARGB32);
    green.fill(Qt::green);
    const QString name = first->document()->add_picture(green);
    button_shape shape;
    shape.kind = button_shape::Ellipse;
    shape.width = 30;
    first->document()->set_button_shape(0, shape);
    first->document()->set_button_image(0, name);
    first->document()->set_button_frame(1, false);
    first->document()->select_list({0, 1}, true);
    edit_item(*h.window, "Copy")->trigger();

    picker_view* second = second_tab();
    edit_item(*h.window, "Paste in Place")->trigger();
    ASSERT_EQ(second->buttons().size(), 2);
    EXPECT_EQ(second->buttons()[0].shape, shape);
    EXPECT_EQ(second->buttons()[0].rect.width(), 30);
    EXPECT_EQ(second->buttons()[0].image, name);
    EXPECT_FALSE(second->buttons()[1].frame);
    ASSERT_TRUE(second->document()->pictures().contains(name));
    EXPECT_TRUE(samePicture(second->document()->pictures().value(name), green));
}

TEST_F(ClipboardTest, PasteInPlaceKeepsPositionsAndFramesWhatIsOutOfView)
{
    const struct {
        QPoint at;
        bool framed;
    } rows[] = {{{60, 70}, false}, {{2000, 1500}, true}, {{-900, 40}, true}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.at.x() << "," << r.at.y());
        picker_view* source = h.window->frontPicker();
        source->document()->push_button(make_button(r.at, 20, 0x00ff00, {"x"}), -1);
        source->document()->select_list({int(source->buttons().size()) - 1}, true);
        QList<buttonAttributes> one{source->buttons().last().attributes()};
        picker_clipboard::copyButtonsToClipboard(one);

        picker_view* target = second_tab();
        edit_item(*h.window, "Paste in Place")->trigger();
        ASSERT_EQ(target->buttons().size(), 1);
        EXPECT_EQ(target->buttons()[0].position, r.at);
        EXPECT_EQ(target->zoom_animating(), r.framed);
        for (int i = 0; i < 200 && target->zoom_animating(); ++i)
            target->animate_zoom();
        const QRect visible(0, 0, target->width(), target->height());
        EXPECT_TRUE(visible.contains(target->mapToScreen(target->buttons()[0].rect)));
        EXPECT_LE(target->zoom(), 1.0); // framing never zooms in
    }
}

TEST_F(ClipboardTest, CutSavesAndUndoRestoresPositionsAndSelection)
{
    fill(first, {{0, 0}, {20, 0}, {40, 0}, {60, 0}, {80, 0}});
    first->document()->select_list({1, 2, 4}, true);
    first->document()->button(3)->state = 2; // partly selected: kept
    const QList<buttonAttributes> before = [&] {
        QList<buttonAttributes> out;
        for (const buttonRecord& b : first->buttons())
            out << b.attributes();
        return out;
    }();
    int changes = 0;
    QObject::connect(first, &picker_view::changed, [&] { ++changes; });

    edit_item(*h.window, "Cut")->trigger();
    EXPECT_EQ(positions(first), (QList<QPoint>{{0, 0}, {60, 0}}));
    EXPECT_EQ(states(first), (QList<int>{0, 0}));
    EXPECT_GT(changes, 0);
    ASSERT_EQ(first->undoStack()->count(), 1);
    EXPECT_EQ(first->undoStack()->text(0), QStringLiteral("Cut Buttons"));
    EXPECT_EQ(readClipboardPayload(clipboard_payload()), (QList<buttonAttributes>{before[1], before[2], before[4]}));

    first->undoStack()->undo();
    ASSERT_EQ(first->buttons().size(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(first->buttons()[i].attributes(), before[i]) << i;
    EXPECT_EQ(states(first), (QList<int>{0, 1, 1, 0, 1}));
    EXPECT_EQ(first->buttons()[1].flags, QVector<char>{1});

    first->undoStack()->redo();
    EXPECT_EQ(positions(first), (QList<QPoint>{{0, 0}, {60, 0}}));

    // One button: the singular text.
    first->document()->select_list({0}, true);
    edit_item(*h.window, "Cut")->trigger();
    EXPECT_EQ(first->undoStack()->undoText(), QStringLiteral("Cut Button"));
}

TEST_F(ClipboardTest, CutAndItsUndoLeaveTheOtherButtonsInStepWithTheHost)
{
    // n0 .. n2, and a button of n1 and n2; the host selects n0 and n1.
    fill(first, {{0, 0}, {20, 0}, {40, 0}});
    first->document()->push_button(make_button({60, 0}, 10, 0x123456, {"n1", "n2"}), -1);
    picker_window::selection_ = QStringList({"n0", "n1"});
    first->document()->conform_to_selection();
    first->document()->select_list({2}, true);
    first->document()->button(1)->unselect(true);
    ASSERT_EQ(states(first), (QList<int>{1, 0, 1, 2}));

    edit_item(*h.window, "Cut")->trigger(); // the buttons of n0 and n2 go
    EXPECT_EQ(positions(first), (QList<QPoint>{{20, 0}, {60, 0}}));
    EXPECT_EQ(states(first), (QList<int>{1, 2})); // as the host has them
    EXPECT_TRUE(first->document()->any_selected());

    first->undoStack()->undo(); // the cut ones come back marked, the rest as the host has them
    EXPECT_EQ(states(first), (QList<int>{1, 1, 1, 2}));
}

TEST_F(ClipboardTest, NothingSelectedOrForeignDataDoesNothing)
{
    fill(first, {{0, 0}, {20, 0}});
    put_text_on_clipboard(QStringLiteral("not buttons"));
    edit_item(*h.window, "Cut")->trigger();
    edit_item(*h.window, "Copy")->trigger();
    EXPECT_EQ(first->buttons().size(), 2);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("not buttons")); // left alone

    edit_item(*h.window, "Paste")->trigger();
    edit_item(*h.window, "Paste in Place")->trigger();
    EXPECT_EQ(first->buttons().size(), 2);
    EXPECT_EQ(first->undoStack()->count(), 0);
}

TEST_F(ClipboardTest, PayloadsThatHoldNoButtonsPasteNothing)
{
    fill(first, {{0, 0}});
    const byte_builder record = byte_builder().button(4, 0, {5, 5}, 10, 0, 0, 0xff, 0, "", {"a"});
    const QByteArray oversized(kMaxClipboardPayloadBytes + 1, '\0');
    const struct {
        const char* name;
        QByteArray payload;
    } rows[] = {
        {"version 2", byte_builder().i32(2).i32(1).raw(record.bytes()).bytes()},
        {"version 0", byte_builder().i32(0).i32(1).raw(record.bytes()).bytes()},
        {"empty", QByteArray()},
        {"oversized", oversized},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        first->document()->select_list({0}, true);
        put_payload_on_clipboard(r.payload);
        edit_item(*h.window, "Paste")->trigger();
        EXPECT_EQ(first->buttons().size(), 1);
        EXPECT_EQ(states(first), QList<int>{0}); // the entry still clears the selection
        EXPECT_EQ(first->undoStack()->undoText(), QStringLiteral("Paste Buttons"));
    }
}

TEST_F(ClipboardTest, PositionsAtTheIntegerLimitsPasteWithoutWrapping)
{
    put_payload_on_clipboard(byte_builder()
                                 .i32(1)
                                 .i32(2)
                                 .button(4, 0, {INT_MAX, INT_MIN}, 10, 0, 0, 0xff, 0, "", {"a"})
                                 .button(4, 1, {INT_MIN, INT_MAX}, 10, 0, 0, 0xff, 0, "", {"b"})
                                 .bytes());
    edit_item(*h.window, "Paste")->trigger();
    ASSERT_EQ(first->buttons().size(), 2);
    // Centred on the view: both ends lie on either side of it.
    EXPECT_GT(first->buttons()[0].position.x(), 0);
    EXPECT_LT(first->buttons()[1].position.x(), 0);
}

TEST_F(ClipboardTest, AForeignMegabyteLabelIsCutBeforeItIsDrawn)
{
    const QString huge(1000000, QLatin1Char('W'));
    put_payload_on_clipboard(
        byte_builder().i32(1).i32(1).button(4, 0, {0, 0}, 10, 0, 0, 0xff, 0, huge, {"a"}).bytes());
    edit_item(*h.window, "Paste in Place")->trigger();
    ASSERT_EQ(first->buttons().size(), 1);
    EXPECT_EQ(first->buttons()[0].label, huge.left(kMaxPastedLabelLength));
    EXPECT_EQ(first->buttons()[0].labelPicture.width(),
              button_label::pictureSize(huge.left(kMaxPastedLabelLength)).width());
}

TEST_F(ClipboardTest, PayloadBytesFollowTheButtonListLayout)
{
    first->document()->push_button(make_attributes({3, -4}, 12, kSelectionButton, kMelScript, 0x00ABCDEF, 0x00FFFFFF,
                                       QStringLiteral("Hand"), {"r:hand", "r:thumb"}),
                       -1);
    first->document()->push_button(make_attributes({7, 8}, 9, kCommandButton, kPythonScript, 0x80102030, 0,
                                       QStringLiteral("Key"), {"print(1)"}),
                       -1);
    first->document()->push_button(make_attributes({9, 9}, 9, kSelectionButton, kMelScript, 0, 0, QString(), {"skip"}), -1);
    first->document()->select_list({0, 1}, true);
    edit_item(*h.window, "Copy")->trigger();

    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->formats(), QStringList{kMime});
    byte_builder expected;
    expected.i32(1).i32(2);
    expected.i32(0).i32(3).i32(-4).i32(12).i32(0).i32(0).i32(0x00ABCDEF).i32(0x00FFFFFF).str("Hand").i32(2)
        .str("r:hand").str("r:thumb");
    expected.i32(1).i32(7).i32(8).i32(9).i32(1).i32(1).i32(0x80102030).i32(0).str("Key").i32(1).str("print(1)");
    EXPECT_EQ(data->data(kMime), expected.bytes());

    // Only partly selected buttons: an empty list, still a payload.
    first->document()->clear_selected();
    first->document()->button(2)->state = 2;
    edit_item(*h.window, "Copy")->trigger();
    EXPECT_EQ(clipboard_payload(), byte_builder().i32(1).i32(0).bytes());
}

TEST_F(ClipboardTest, EditMenuEnablesItsClipboardItems)
{
    fill(first, {{0, 0}, {20, 0}});
    QMenu* edit = nullptr;
    for (QMenu* m : h.window->findChildren<QMenu*>())
        if (m->title() == QLatin1String("&Edit"))
            edit = m;
    ASSERT_NE(edit, nullptr);
    auto enabled = [&] {
        emit edit->aboutToShow();
        QString out;
        for (const char* t : {"Cut", "Copy", "Paste", "Paste in Place"})
            out += edit_item(*h.window, t)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return out;
    };
    const struct {
        const char* name;
        std::function<void()> set;
        const char* expected;
    } rows[] = {
        {"nothing", [] { put_text_on_clipboard(QStringLiteral("x")); }, "0000"},
        {"partly selected", [&] { first->document()->button(1)->state = 2; }, "1100"},
        {"buttons on the clipboard", [] { picker_clipboard::copyButtonsToClipboard({}); }, "1111"},
        {"selection cleared", [&] { first->document()->clear_selected(); }, "0011"},
        {"no tab", [&] { h.window->close_tab(0); }, "0000"},
    };
    for (const auto& r : rows) {
        r.set();
        EXPECT_EQ(enabled(), QLatin1String(r.expected)) << r.name;
    }
}

TEST_F(ClipboardTest, ShortcutsReachTheItemsThroughTheWindowsDispatch)
{
    fill(first, {{0, 0}, {20, 0}});
    first->document()->select_list({1}, true);
    h.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    h.window->setFocus();
    QTest::keyClick(h.window.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(readClipboardPayload(clipboard_payload()).size(), 1);
    QTest::keyClick(h.window.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(positions(first), (QList<QPoint>{{0, 0}, {20, 0}, {20, 0}}));
    QTest::keyClick(h.window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(positions(first), (QList<QPoint>{{0, 0}, {20, 0}}));
    EXPECT_EQ(first->undoStack()->undoText(), QStringLiteral("Cut Button"));
}
