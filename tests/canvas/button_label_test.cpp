// Label pictures and the boxes they give buttons, measured with this
// machine's fonts, and the canvas's list primitives.
#include "canvas_harness.h"
#include "model/button_label.h"
#include <gtest/gtest.h>
#include <QtGui/QFontMetrics>

namespace {
// What the label rule asks for, computed here from the font metrics alone.
QSize expected_picture(const QString& text)
{
    QFont f(QStringLiteral("Tahoma"), 12, QFont::Normal);
    f.setStyleStrategy(QFont::NoAntialias);
    const QRect r = QFontMetrics(f).boundingRect(text);
    return QSize(r.width() + r.width() % 2, r.height() + r.height() % 2);
}
} // namespace

TEST(ButtonLabel, PictureAndBoxFollowTheFontMetrics)
{
    const struct {
        QString text;
        int size;
        QPoint position;
    } rows[] = {{"A", 10, {0, 0}},     {"Hello", 10, {100, 50}}, {"Wide label text", 40, {-30, 7}},
                {"gj|", 60, {5, 5}},   {"iiii", 2, {11, 12}},    {"W", 100, {0, 0}}};
    for (const auto& r : rows) {
        const QSize pic = expected_picture(r.text);
        ASSERT_EQ(pic.width() % 2, 0);
        const int W = qMax(pic.width() + 2, r.size);
        const int H = qMax(pic.height(), r.size);
        const QRect box(r.position.x() - (W - 1) / 2, r.position.y() - (H - 1) / 2, W, H);

        canvas_harness h;
        const int i = h.canvas->document()->push_button(make_button(r.position, r.size, 0xff0000, {"n"}, r.text), -1);
        const buttonRecord& b = h.canvas->buttons()[i];
        EXPECT_EQ(b.labelPicture.size(), pic) << qPrintable(r.text);
        EXPECT_EQ(b.rect, box) << qPrintable(r.text);
        EXPECT_EQ(button_label::pictureSize(r.text), pic);
    }
}

TEST(ButtonLabel, TheWorkedExample)
{
    // A text of 31 by 15 on a button of size 10: picture 32 by 16, box 34 by 16.
    EXPECT_EQ(button_label::labelRect(QPoint(100, 100), 10, QSize(32, 16)), QRect(100 - 16, 100 - 7, 34, 16));
}

TEST(ButtonLabel, PictureIsTransparentWithTheLabelColour)
{
    const struct {
        QRgb color;
    } rows[] = {{0x00ffffff}, {0x00000000}, {0x7f12ab34}};
    for (const auto& r : rows) {
        const QImage img = button_label::render(QStringLiteral("Hm"), r.color);
        ASSERT_FALSE(img.isNull());
        int ink = 0, other = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = img.pixel(x, y);
                if (qAlpha(p) == 0)
                    continue;
                // No antialiasing: every drawn pixel is the opaque label colour.
                if (p == (r.color | 0xff000000u))
                    ++ink;
                else
                    ++other;
            }
        EXPECT_GT(ink, 10) << std::hex << r.color;
        EXPECT_EQ(other, 0) << std::hex << r.color;
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
    }
}

TEST(ButtonLabel, SetLabelAndSize)
{
    canvas_harness h;
    const QPoint pos(40, 40);
    h.canvas->document()->push_button(make_button(pos, 10, 0xff0000, {"n"}), -1);
    buttonRecord* b = h.canvas->document()->button(0);
    EXPECT_TRUE(b->labelPicture.isNull());
    EXPECT_EQ(b->rect, buttonRecord::squareRect(pos, 10));

    h.canvas->document()->set_button_label(0, QStringLiteral("Arm"));
    EXPECT_EQ(b->label, QStringLiteral("Arm"));
    EXPECT_EQ(b->labelPicture.size(), expected_picture(QStringLiteral("Arm")));
    EXPECT_EQ(b->rect, button_label::labelRect(pos, 10, expected_picture(QStringLiteral("Arm"))));

    h.canvas->document()->set_button_size(0, 80); // larger than the label: the size wins
    EXPECT_EQ(b->rect, QRect(pos.x() - 39, pos.y() - 39, 80, 80));
    EXPECT_FALSE(b->labelPicture.isNull());

    h.canvas->document()->set_button_label(0, QString()); // back to the square of its size
    EXPECT_TRUE(b->label.isEmpty());
    EXPECT_TRUE(b->labelPicture.isNull());
    EXPECT_EQ(b->rect, buttonRecord::squareRect(pos, 80));

    h.canvas->document()->set_button_size(0, 7);
    EXPECT_EQ(b->rect, buttonRecord::squareRect(pos, 7));
}

TEST(ButtonList, PushAndPop)
{
    canvas_harness h;
    const struct {
        const char* node;
        int index;
        int returned;
    } rows[] = {{"a", -1, 0}, {"b", -1, 1}, {"c", 0, 0}, {"d", 2, 2}, {"e", 99, 4}};
    for (const auto& r : rows)
        EXPECT_EQ(h.canvas->document()->push_button(make_button(QPoint(1, 1), 5, 0, {r.node, "x"}), r.index), r.returned);
    QStringList order;
    for (const buttonRecord& b : h.canvas->buttons()) {
        order << b.nodes.value(0);
        EXPECT_EQ(b.state, 0);
        EXPECT_EQ(b.flags, QVector<char>(2, 0));
    }
    EXPECT_EQ(order, (QStringList{"c", "a", "d", "b", "e"}));
    h.canvas->document()->pop_button(1);
    h.canvas->document()->pop_button(3);
    order.clear();
    for (const buttonRecord& b : h.canvas->buttons())
        order << b.nodes.value(0);
    EXPECT_EQ(order, (QStringList{"c", "d", "b"}));
}
