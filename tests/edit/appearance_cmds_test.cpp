// The appearance edits on a document, without any widget: what each does
// and undoes, and which runs of them merge into one undo step; then the
// canvas's size keys and the toolbox around them.
#include "canvas_harness.h"
#include "edit/appearance_cmds.h"
#include "model/button_label.h"
#include <gtest/gtest.h>
#include <QtTest/QSignalSpy>
#include <functional>

namespace {
button_shape ellipse()
{
    button_shape shape;
    shape.kind = button_shape::Ellipse;
    return shape;
}

// Three buttons of sizes 10, 12 and 14; the first two selected.
void fill(picker_document* doc)
{
    for (int i = 0; i < 3; ++i)
        doc->push_button(make_button(QPoint(20 + 40 * i, 20), 10 + 2 * i, 0x112233 * (i + 1), {"n"}), -1);
    doc->button(0)->state = 1;
    doc->button(1)->state = 1;
}

struct AppearanceCmds : ::testing::Test {
    picker_document document;
    picker_document* doc = &document;

    void SetUp() override { fill(doc); }
    QUndoStack* stack() { return doc->undoStack(); }
    QList<int> sizes() const
    {
        QList<int> out;
        for (const buttonRecord& b : doc->buttons())
            out << b.size;
        return out;
    }
    QList<QRgb> colors() const
    {
        QList<QRgb> out;
        for (const buttonRecord& b : doc->buttons())
            out << b.color;
        return out;
    }
};
} // namespace

TEST_F(AppearanceCmds, FivePlusPressesAreOneAdjustSize)
{
    for (int i = 0; i < 5; ++i)
        stack()->push(new adjust_size_cmd(doc, 1));
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
        stack()->push(new adjust_size_cmd(doc, 1));
    for (int i = 0; i < 2; ++i)
        stack()->push(new adjust_size_cmd(doc, -1));
    ASSERT_EQ(stack()->count(), 2);
    EXPECT_EQ(sizes(), (QList<int>{11, 13, 14}));
    stack()->undo(); // -2 undone
    EXPECT_EQ(sizes(), (QList<int>{13, 15, 14}));
    stack()->undo(); // +3 undone
    EXPECT_EQ(sizes(), (QList<int>{10, 12, 14}));
}

TEST_F(AppearanceCmds, MergingAndNot)
{
    using push = std::function<QUndoCommand*(picker_document*)>;
    const struct {
        const char* name;
        QList<push> pushes;
        QStringList texts; // the stack's entries afterwards
    } rows[] = {
        {"two colours",
         {[](picker_document* v) { return new change_color_cmd(v, 0xff0000); },
          [](picker_document* v) { return new change_color_cmd(v, 0x00ff00); }},
         {"Change Color"}},
        {"colour then label colour",
         {[](picker_document* v) { return new change_color_cmd(v, 0xff0000); },
          [](picker_document* v) { return new change_labelc_cmd(v, 0xffffff); }},
         {"Change Color", "Change Color"}},
        {"two label colours",
         {[](picker_document* v) { return new change_labelc_cmd(v, 0xffffff); },
          [](picker_document* v) { return new change_labelc_cmd(v, 0x000000); }},
         {"Change Color"}},
        {"two sizes",
         {[](picker_document* v) { return new change_size_cmd(v, 7); },
          [](picker_document* v) { return new change_size_cmd(v, 9); }},
         {"Change Size"}},
        {"size then step",
         {[](picker_document* v) { return new change_size_cmd(v, 7); },
          [](picker_document* v) { return new adjust_size_cmd(v, 1); }},
         {"Change Size", "Adjust Size"}},
        {"two labels",
         {[](picker_document* v) { return new change_label_cmd(v, QStringLiteral("a")); },
          [](picker_document* v) { return new change_label_cmd(v, QStringLiteral("b")); }},
         {"Label Change", "Label Change"}},
        {"two shapes",
         {[](picker_document* v) { return new change_shape_cmd(v, ellipse()); },
          [](picker_document* v) { return new change_shape_cmd(v, button_shape()); }},
         {"Change Shape"}},
        {"a picture, then none",
         {[](picker_document* v) { return new change_image_cmd(v, QStringLiteral("p")); },
          [](picker_document* v) { return new change_image_cmd(v, QString()); }},
         {"Set Image"}},
        {"shape then picture",
         {[](picker_document* v) { return new change_shape_cmd(v, ellipse()); },
          [](picker_document* v) { return new change_image_cmd(v, QStringLiteral("p")); }},
         {"Change Shape", "Set Image"}},
        {"label only, then framed",
         {[](picker_document* v) { return new change_frame_cmd(v, false); },
          [](picker_document* v) { return new change_frame_cmd(v, true); }},
         {"Label Only"}},
        {"zero step counts as growing",
         {[](picker_document* v) { return new adjust_size_cmd(v, 0); },
          [](picker_document* v) { return new adjust_size_cmd(v, 2); }},
         {"Adjust Size"}},
    };
    for (const auto& row : rows) {
        stack()->clear();
        for (const push& p : row.pushes)
            stack()->push(p(doc));
        QStringList texts;
        for (int i = 0; i < stack()->count(); ++i)
            texts << stack()->text(i);
        EXPECT_EQ(texts, row.texts) << row.name;
    }
}

TEST_F(AppearanceCmds, MergedColoursUndoToTheOriginals)
{
    const QList<QRgb> before = colors();
    stack()->push(new change_color_cmd(doc, 0xff0000));
    stack()->push(new change_color_cmd(doc, 0x00ff00));
    ASSERT_EQ(stack()->count(), 1);
    EXPECT_EQ(colors(), (QList<QRgb>{0x00ff00, 0x00ff00, before[2]}));
    stack()->undo();
    EXPECT_EQ(colors(), before);
}

TEST_F(AppearanceCmds, ShapesPicturesAndFramesUndoToWhatEachButtonHad)
{
    doc->set_button_shape(1, ellipse());
    const QRect squareBox = doc->buttons()[0].rect;
    button_shape triangle;
    triangle.kind = button_shape::Polygon;
    triangle.points = {QPoint(0, -20), QPoint(20, 20), QPoint(-20, 20)};
    stack()->push(new change_shape_cmd(doc, triangle));
    EXPECT_EQ(doc->buttons()[0].shape, triangle);
    EXPECT_EQ(doc->buttons()[0].rect.size(), QSize(40, 40)); // the outline's bounds
    stack()->push(new change_image_cmd(doc, QStringLiteral("p")));
    stack()->push(new change_frame_cmd(doc, false));
    EXPECT_EQ(doc->buttons()[1].image, QStringLiteral("p"));
    EXPECT_FALSE(doc->buttons()[1].frame);
    EXPECT_TRUE(doc->buttons()[2].shape.isDefault()); // not selected
    for (int i = 0; i < 3; ++i)
        stack()->undo();
    EXPECT_TRUE(doc->buttons()[0].shape.isDefault());
    EXPECT_EQ(doc->buttons()[0].rect, squareBox);
    EXPECT_EQ(doc->buttons()[1].shape, ellipse());
    EXPECT_TRUE(doc->buttons()[1].image.isEmpty() && doc->buttons()[1].frame);
}

TEST_F(AppearanceCmds, OtherButtonsDoNotMerge)
{
    stack()->push(new change_color_cmd(doc, 0xff0000));
    doc->button(2)->state = 1;
    stack()->push(new change_color_cmd(doc, 0x00ff00));
    EXPECT_EQ(stack()->count(), 2);
}

TEST_F(AppearanceCmds, PartlySelectedOnlyChangesNothing)
{
    for (int i = 0; i < 3; ++i)
        doc->button(i)->state = 2;
    QSignalSpy edited(doc, &picker_document::edited);
    const QList<int> before = sizes();
    stack()->push(new adjust_size_cmd(doc, 1));
    ASSERT_EQ(stack()->count(), 1);
    EXPECT_EQ(sizes(), before);
    stack()->undo();
    stack()->redo();
    EXPECT_EQ(sizes(), before);
    EXPECT_EQ(edited.count(), 0);
}

TEST_F(AppearanceCmds, SizeOneDecreasedToZeroStays)
{
    doc->reset_buttons();
    doc->push_button(make_button(QPoint(30, 30), 1, 0xff0000, {"n"}), -1);
    doc->button(0)->state = 1;
    stack()->push(new adjust_size_cmd(doc, -1));
    ASSERT_EQ(doc->buttons().size(), 1);
    EXPECT_EQ(doc->buttons()[0].size, 0);
    EXPECT_EQ(doc->buttons()[0].rect.size(), QSize(0, 0));
}

TEST_F(AppearanceCmds, LabelWidensAndClearingReturnsToTheSquare)
{
    stack()->push(new change_label_cmd(doc, QStringLiteral("Hips")));
    const QSize picture = button_label::pictureSize(QStringLiteral("Hips"));
    EXPECT_EQ(doc->buttons()[0].rect.width(), qMax(picture.width() + 2, 10));
    EXPECT_FALSE(doc->buttons()[0].labelPicture.isNull());
    stack()->push(new change_label_cmd(doc, QString()));
    EXPECT_EQ(doc->buttons()[0].rect, buttonRecord::squareRect(QPoint(20, 20), 10));
    EXPECT_TRUE(doc->buttons()[0].labelPicture.isNull());
    stack()->undo();
    stack()->undo();
    EXPECT_TRUE(doc->buttons()[0].label.isEmpty());
    EXPECT_EQ(doc->buttons()[0].rect, buttonRecord::squareRect(QPoint(20, 20), 10));
}

TEST_F(AppearanceCmds, LabelColourIsBakedIntoThePicture)
{
    doc->button(1)->state = 0;
    stack()->push(new change_label_cmd(doc, QStringLiteral("L")));
    doc->button(1)->state = 1;
    stack()->push(new change_labelc_cmd(doc, 0xffffff));
    const QImage white = doc->buttons()[0].labelPicture.toImage();
    bool any = false;
    for (int y = 0; y < white.height(); ++y)
        for (int x = 0; x < white.width(); ++x)
            any = any || (qAlpha(white.pixel(x, y)) == 255 && (white.pixel(x, y) & 0xffffff) == 0xffffff);
    EXPECT_TRUE(any);
    // An unlabelled button keeps its square and gets no picture.
    EXPECT_EQ(doc->buttons()[1].labelColor, 0xffffffu);
    EXPECT_EQ(doc->buttons()[1].rect, buttonRecord::squareRect(QPoint(60, 20), 12));
    EXPECT_TRUE(doc->buttons()[1].labelPicture.isNull());
    stack()->undo();
    EXPECT_EQ(doc->buttons()[0].labelColor, 0x000000u);
}

TEST_F(AppearanceCmds, StaleIndicesAreSkipped)
{
    const struct {
        const char* name;
        std::function<QUndoCommand*(picker_document*)> make;
    } rows[] = {
        {"colour", [](picker_document* v) { return new change_color_cmd(v, 0xff0000); }},
        {"size", [](picker_document* v) { return new change_size_cmd(v, 5); }},
        {"step", [](picker_document* v) { return new adjust_size_cmd(v, 1); }},
        {"label", [](picker_document* v) { return new change_label_cmd(v, QStringLiteral("x")); }},
        {"label colour", [](picker_document* v) { return new change_labelc_cmd(v, 0xffffff); }},
    };
    for (const auto& row : rows) {
        doc->reset_buttons();
        doc->push_button(make_button(QPoint(20, 20), 10, 0x0000ff, {"n"}), -1);
        doc->push_button(make_button(QPoint(60, 20), 10, 0x0000ff, {"n"}), -1);
        doc->button(1)->state = 1;
        std::unique_ptr<QUndoCommand> cmd(row.make(doc));
        doc->pop_button(1); // the list shrank under the command
        cmd->redo();
        cmd->undo();
        EXPECT_EQ(doc->buttons().size(), 1) << row.name;
    }
}

TEST(AppearanceOnACanvas, SizeKeysTakeAnyStateAndEveryEditRefreshesTheToolbox)
{
    picker_window window(nullptr);
    picker_view* view = window.frontPicker();
    fill(view->document());
    QSignalSpy changed(view, &picker_view::changed);
    view->undoStack()->push(new change_color_cmd(view->document(), 0x123456));
    EXPECT_EQ(changed.count(), 1);
    // The toolbox took the selection's colour for new buttons.
    EXPECT_EQ(window.toolbox().color, 0x123456u);
    view->undoStack()->undo();
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(window.toolbox().color, 0x112233u);

    // The size keys' gate takes any non-zero state.
    for (int i = 0; i < 3; ++i)
        view->document()->button(i)->state = 2;
    view->menu()->adjust_size_up(); // replaces the undone colour
    EXPECT_EQ(view->undoStack()->count(), 1);
    view->menu()->adjust_size_down();
    EXPECT_EQ(view->undoStack()->count(), 2);
}
