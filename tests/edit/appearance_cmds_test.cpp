// The appearance edits on a real canvas: what each does and undoes, and
// which runs of them merge into one undo step.
#include "canvas_harness.h"
#include "edit/appearance_cmds.h"
#include "model/button_label.h"
#include <gtest/gtest.h>
#include <QtTest/QSignalSpy>
#include <functional>

namespace {
struct AppearanceCmds : ::testing::Test {
    picker_window window{nullptr};
    picker_view* view = window.frontPicker();

    // Three buttons of sizes 10, 12 and 14; the first two selected.
    void SetUp() override
    {
        for (int i = 0; i < 3; ++i)
            view->document()->push_button(make_button(QPoint(20 + 40 * i, 20), 10 + 2 * i, 0x112233 * (i + 1), {"n"}), -1);
        view->document()->button(0)->state = 1;
        view->document()->button(1)->state = 1;
    }
    QUndoStack* stack() { return view->undoStack(); }
    QList<int> sizes() const
    {
        QList<int> out;
        for (const buttonRecord& b : view->buttons())
            out << b.size;
        return out;
    }
    QList<QRgb> colors() const
    {
        QList<QRgb> out;
        for (const buttonRecord& b : view->buttons())
            out << b.color;
        return out;
    }
};
} // namespace

TEST_F(AppearanceCmds, FivePlusPressesAreOneAdjustSize)
{
    for (int i = 0; i < 5; ++i)
        view->menu()->adjust_size_up();
    ASSERT_EQ(stack()->count(), 1);
    EXPECT_EQ(stack()->text(0), QStringLiteral("Adjust Size"));
    EXPECT_EQ(sizes(), (QList<int>{15, 17, 14}));
    stack()->undo();
    EXPECT_EQ(sizes(), (QList<int>{10, 12, 14}));
    stack()->redo();
    EXPECT_EQ(sizes(), (QList<int>{15, 17, 14}));
}

TEST_F(AppearanceCmds, AChangeOfDirectionStartsANewStep)
{
    for (int i = 0; i < 3; ++i)
        view->menu()->adjust_size_up();
    for (int i = 0; i < 2; ++i)
        view->menu()->adjust_size_down();
    ASSERT_EQ(stack()->count(), 2);
    EXPECT_EQ(sizes(), (QList<int>{11, 13, 14}));
    stack()->undo(); // -2 undone
    EXPECT_EQ(sizes(), (QList<int>{13, 15, 14}));
    stack()->undo(); // +3 undone
    EXPECT_EQ(sizes(), (QList<int>{10, 12, 14}));
}

TEST_F(AppearanceCmds, MergingAndNot)
{
    using push = std::function<QUndoCommand*(picker_view*)>;
    const struct {
        const char* name;
        QList<push> pushes;
        QStringList texts; // the stack's entries afterwards
    } rows[] = {
        {"two colours",
         {[](picker_view* v) { return new change_color_cmd(v->document(), 0xff0000); },
          [](picker_view* v) { return new change_color_cmd(v->document(), 0x00ff00); }},
         {"Change Color"}},
        {"colour then label colour",
         {[](picker_view* v) { return new change_color_cmd(v->document(), 0xff0000); },
          [](picker_view* v) { return new change_labelc_cmd(v->document(), 0xffffff); }},
         {"Change Color", "Change Color"}},
        {"two label colours",
         {[](picker_view* v) { return new change_labelc_cmd(v->document(), 0xffffff); },
          [](picker_view* v) { return new change_labelc_cmd(v->document(), 0x000000); }},
         {"Change Color"}},
        {"two sizes",
         {[](picker_view* v) { return new change_size_cmd(v->document(), 7); },
          [](picker_view* v) { return new change_size_cmd(v->document(), 9); }},
         {"Change Size"}},
        {"size then step",
         {[](picker_view* v) { return new change_size_cmd(v->document(), 7); },
          [](picker_view* v) { return new adjust_size_cmd(v->document(), 1); }},
         {"Change Size", "Adjust Size"}},
        {"two labels",
         {[](picker_view* v) { return new change_label_cmd(v->document(), QStringLiteral("a")); },
          [](picker_view* v) { return new change_label_cmd(v->document(), QStringLiteral("b")); }},
         {"Label Change", "Label Change"}},
        {"zero step counts as growing",
         {[](picker_view* v) { return new adjust_size_cmd(v->document(), 0); },
          [](picker_view* v) { return new adjust_size_cmd(v->document(), 2); }},
         {"Adjust Size"}},
    };
    for (const auto& row : rows) {
        stack()->clear();
        for (const push& p : row.pushes)
            stack()->push(p(view));
        QStringList texts;
        for (int i = 0; i < stack()->count(); ++i)
            texts << stack()->text(i);
        EXPECT_EQ(texts, row.texts) << row.name;
    }
}

TEST_F(AppearanceCmds, MergedColoursUndoToTheOriginals)
{
    const QList<QRgb> before = colors();
    stack()->push(new change_color_cmd(view->document(), 0xff0000));
    stack()->push(new change_color_cmd(view->document(), 0x00ff00));
    ASSERT_EQ(stack()->count(), 1);
    EXPECT_EQ(colors(), (QList<QRgb>{0x00ff00, 0x00ff00, before[2]}));
    stack()->undo();
    EXPECT_EQ(colors(), before);
}

TEST_F(AppearanceCmds, OtherButtonsDoNotMerge)
{
    stack()->push(new change_color_cmd(view->document(), 0xff0000));
    view->document()->button(2)->state = 1;
    stack()->push(new change_color_cmd(view->document(), 0x00ff00));
    EXPECT_EQ(stack()->count(), 2);
}

TEST_F(AppearanceCmds, PartlySelectedOnlyChangesNothing)
{
    for (int i = 0; i < 3; ++i)
        view->document()->button(i)->state = 2;
    QSignalSpy changed(view, &picker_view::changed);
    const QList<int> before = sizes();
    view->menu()->adjust_size_up(); // the gate takes any non-zero state
    ASSERT_EQ(stack()->count(), 1);
    EXPECT_EQ(sizes(), before);
    stack()->undo();
    stack()->redo();
    EXPECT_EQ(sizes(), before);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(AppearanceCmds, SizeOneDecreasedToZeroStays)
{
    view->document()->reset_buttons();
    view->document()->push_button(make_button(QPoint(30, 30), 1, 0xff0000, {"n"}), -1);
    view->document()->button(0)->state = 1;
    view->menu()->adjust_size_down();
    ASSERT_EQ(view->buttons().size(), 1);
    EXPECT_EQ(view->buttons()[0].size, 0);
    EXPECT_EQ(view->buttons()[0].rect.size(), QSize(0, 0));
}

TEST_F(AppearanceCmds, LabelWidensAndClearingReturnsToTheSquare)
{
    stack()->push(new change_label_cmd(view->document(), QStringLiteral("Hips")));
    const QSize picture = button_label::pictureSize(QStringLiteral("Hips"));
    EXPECT_EQ(view->buttons()[0].rect.width(), qMax(picture.width() + 2, 10));
    EXPECT_FALSE(view->buttons()[0].labelPicture.isNull());
    stack()->push(new change_label_cmd(view->document(), QString()));
    EXPECT_EQ(view->buttons()[0].rect, buttonRecord::squareRect(QPoint(20, 20), 10));
    EXPECT_TRUE(view->buttons()[0].labelPicture.isNull());
    stack()->undo();
    stack()->undo();
    EXPECT_TRUE(view->buttons()[0].label.isEmpty());
    EXPECT_EQ(view->buttons()[0].rect, buttonRecord::squareRect(QPoint(20, 20), 10));
}

TEST_F(AppearanceCmds, LabelColourIsBakedIntoThePicture)
{
    view->document()->button(1)->state = 0;
    stack()->push(new change_label_cmd(view->document(), QStringLiteral("L")));
    view->document()->button(1)->state = 1;
    stack()->push(new change_labelc_cmd(view->document(), 0xffffff));
    const QImage white = view->buttons()[0].labelPicture.toImage();
    bool any = false;
    for (int y = 0; y < white.height(); ++y)
        for (int x = 0; x < white.width(); ++x)
            any = any || (qAlpha(white.pixel(x, y)) == 255 && (white.pixel(x, y) & 0xffffff) == 0xffffff);
    EXPECT_TRUE(any);
    // An unlabelled button keeps its square and gets no picture.
    EXPECT_EQ(view->buttons()[1].labelColor, 0xffffffu);
    EXPECT_EQ(view->buttons()[1].rect, buttonRecord::squareRect(QPoint(60, 20), 12));
    EXPECT_TRUE(view->buttons()[1].labelPicture.isNull());
    stack()->undo();
    EXPECT_EQ(view->buttons()[0].labelColor, 0x000000u);
}

TEST_F(AppearanceCmds, StaleIndicesAreSkipped)
{
    const struct {
        const char* name;
        std::function<QUndoCommand*(picker_view*)> make;
    } rows[] = {
        {"colour", [](picker_view* v) { return new change_color_cmd(v->document(), 0xff0000); }},
        {"size", [](picker_view* v) { return new change_size_cmd(v->document(), 5); }},
        {"step", [](picker_view* v) { return new adjust_size_cmd(v->document(), 1); }},
        {"label", [](picker_view* v) { return new change_label_cmd(v->document(), QStringLiteral("x")); }},
        {"label colour", [](picker_view* v) { return new change_labelc_cmd(v->document(), 0xffffff); }},
    };
    for (const auto& row : rows) {
        view->document()->reset_buttons();
        view->document()->push_button(make_button(QPoint(20, 20), 10, 0x0000ff, {"n"}), -1);
        view->document()->push_button(make_button(QPoint(60, 20), 10, 0x0000ff, {"n"}), -1);
        view->document()->button(1)->state = 1;
        std::unique_ptr<QUndoCommand> cmd(row.make(view));
        view->document()->pop_button(1); // the list shrank under the command
        cmd->redo();
        cmd->undo();
        EXPECT_EQ(view->buttons().size(), 1) << row.name;
    }
}

TEST_F(AppearanceCmds, EveryEditRepaintsSignalsAndRefreshesTheToolbox)
{
    QSignalSpy changed(view, &picker_view::changed);
    stack()->push(new change_color_cmd(view->document(), 0x123456));
    EXPECT_EQ(changed.count(), 1);
    // The toolbox took the selection's colour for new buttons.
    EXPECT_EQ(window.toolbox().color, 0x123456u);
    stack()->undo();
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(window.toolbox().color, 0x112233u);
}
