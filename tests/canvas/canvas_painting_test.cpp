// What a canvas paints, read back from the canvas rendered into an image.
#include "canvas_harness.h"
#include "render/button_painter.h"
#include <gtest/gtest.h>
#include <QtGui/QPainter>

namespace {
const QRgb kBackdrop = qRgb(51, 51, 51);

QRgb at(const QImage& img, QPoint p)
{
    return img.pixel(p) | 0xff000000u; // compare colours; alpha checked apart
}

bool near(QRgb a, QRgb b, int tolerance = 3)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
           && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

int brightness(QRgb c)
{
    return qRed(c) + qGreen(c) + qBlue(c);
}

// Pixels inside r that satisfy test.
template <class F>
int count_in(const QImage& img, const QRect& r, F test)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (test(img.pixel(x, y)))
                ++n;
    return n;
}
} // namespace

TEST(CanvasPainting, BackdropWithoutBackground)
{
    canvas_harness h;
    const QImage img = h.render();
    for (QPoint p : {QPoint(0, 0), QPoint(100, 100), QPoint(h.canvas->width() - 1, 10)}) {
        EXPECT_EQ(img.pixel(p), 0xff000000u | kBackdrop);
    }
}

TEST(CanvasPainting, SelectionButtonLooks)
{
    const struct {
        int state;
        QRgb color;
        QRgb expected;
    } rows[] = {{1, 0x0011aa22, qRgb(224, 224, 224)},
                {2, 0x0011aa22, qRgb(128, 128, 128)},
                {0, 0x0011aa22, qRgb(0x11, 0xaa, 0x22)},
                {0, 0x7fff0000, qRgb(255, 0, 0)}, // the top byte is never painted
                {0, 0xff0000ff, qRgb(0, 0, 255)}};
    for (const auto& r : rows) {
        canvas_harness h;
        h.canvas->document()->push_button(make_button(QPoint(100, 100), 30, r.color, {"one"}), -1);
        h.canvas->document()->button(0)->state = qint16(r.state);
        const QImage img = h.render();
        // A single node: a square, right up to its corners.
        for (QPoint p : {QPoint(100, 100), QPoint(86, 86), QPoint(113, 113)}) {
            EXPECT_EQ(img.pixel(p), 0xff000000u | r.expected) << r.state << " at " << p.x();
        }
        EXPECT_EQ(at(img, QPoint(84, 84)), kBackdrop);
    }
}

TEST(CanvasPainting, MultiNodeButtonsAreEllipsesOrRoundedRectangles)
{
    const struct {
        const char* what;
        QStringList nodes;
        QString label;
        bool cornerFilled; // four pixels in from the box's corner
    } rows[] = {{"two nodes, no label: ellipse", {"a", "b"}, QString(), false},
                {"two nodes, label: rounded rectangle", {"a", "b"}, QStringLiteral("."), true},
                {"one node, label: square", {"a"}, QStringLiteral("."), true}};
    for (const auto& r : rows) {
        canvas_harness h;
        h.canvas->document()->push_button(make_button(QPoint(100, 100), 40, 0x00ff0000, r.nodes, r.label), -1);
        const QRectF box = button_painter::canvas_rect(h.canvas->buttons()[0], h.canvas->view());
        const QImage img = h.render();
        const QPoint corner = box.topLeft().toPoint();
        EXPECT_EQ(at(img, corner), r.nodes.size() > 1 ? kBackdrop : qRgb(255, 0, 0)) << r.what;
        EXPECT_EQ(near(at(img, corner + QPoint(4, 4)), qRgb(255, 0, 0), 40), r.cornerFilled) << r.what;
        EXPECT_EQ(at(img, QPoint(int(box.left()) + 2, 100)), qRgb(255, 0, 0)) << r.what; // the middle of a side
    }
}

TEST(CanvasPainting, CommandButtonGradientAndOutline)
{
    const QColor base(40, 120, 200);
    canvas_harness h;
    h.canvas->document()->push_button(make_button(QPoint(100, 100), 61, base.rgb() & 0xffffff, {"print 1"}, QString(),
                                      kCommandButton),
                          -1);
    const QRectF box = button_painter::canvas_rect(h.canvas->buttons()[0], h.canvas->view());
    const int x = 100;
    const int top = int(box.top());
    const int bottom = int(box.bottom());

    QImage img = h.render();
    const QRgb upper = at(img, QPoint(x, top + 1));
    const QRgb middle = at(img, QPoint(x, 100));
    const QRgb lower = at(img, QPoint(x, bottom - 2));
    EXPECT_TRUE(near(middle, base.rgb())) << std::hex << middle;
    EXPECT_GT(brightness(upper), brightness(middle) + 30); // lighter toward the top
    EXPECT_LT(brightness(lower), brightness(middle) - 30); // darker toward the bottom
    // A thin black outline darkens the edge column against the fill next to it.
    EXPECT_LT(brightness(at(img, QPoint(int(box.left()), 100))), brightness(at(img, QPoint(int(box.left()) + 2, 100))) - 20);

    h.canvas->document()->button(0)->state = 1; // selected: lighter solid fill, white outline
    img = h.render();
    EXPECT_TRUE(near(at(img, QPoint(x, top + 1)), at(img, QPoint(x, bottom - 2))));
    EXPECT_TRUE(near(at(img, QPoint(x, 100)), base.lighter(150).rgb()));
    EXPECT_GT(brightness(at(img, QPoint(int(box.left()), 100))), brightness(at(img, QPoint(int(box.left()) + 2, 100))) + 20);

    h.canvas->document()->button(0)->state = 2; // partly: grey, outlined in the same grey
    img = h.render();
    EXPECT_TRUE(near(at(img, QPoint(x, 100)), qRgb(128, 128, 128)));
    EXPECT_TRUE(near(at(img, QPoint(x, top + 1)), qRgb(128, 128, 128)));
}

TEST(CanvasPainting, LightLabelsOnSelectedSelectionButtonsAreInverted)
{
    const struct {
        const char* what;
        int kind;
        QRgb labelColor;
        QRgb ink; // the label colour as drawn normally
        bool xor_;
    } rows[] = {{"selection button, white label", kSelectionButton, 0xffffff, qRgb(255, 255, 255), true},
                {"selection button, one top bit", kSelectionButton, 0x800000, qRgb(128, 0, 0), true},
                {"selection button, black label", kSelectionButton, 0x000000, qRgb(0, 0, 0), false},
                {"selection button, dark grey label", kSelectionButton, 0x7f7f7f, qRgb(127, 127, 127), false},
                {"command button, white label", kCommandButton, 0xffffff, qRgb(255, 255, 255), false}};
    for (const auto& r : rows) {
        canvas_harness h;
        h.canvas->document()->push_button(
            make_button(QPoint(100, 100), 10, 0x00ff0000, {"a", "b"}, QStringLiteral("XXXX"), r.kind, r.labelColor),
            -1);
        h.canvas->document()->button(0)->state = 1;
        const QImage img = h.render();
        const QRect box = button_painter::canvas_rect(h.canvas->buttons()[0], h.canvas->view()).toRect();
        const int inked = count_in(img, box, [&](QRgb p) { return qAlpha(p) == 255 && (p | 0xff000000u) == (r.ink | 0xff000000u); });
        if (r.xor_) {
            // Drawn in Xor mode: the label's pixels differ from the normal drawing.
            EXPECT_EQ(inked, 0) << r.what;
            EXPECT_GT(count_in(img, box, [](QRgb p) { return qAlpha(p) != 255; }), 10) << r.what;
        } else {
            EXPECT_GT(inked, 10) << r.what;
        }
    }
}

TEST(CanvasPainting, LabelsScaleWithTheZoom)
{
    canvas_harness h;
    h.canvas->document()->push_button(
        make_button(QPoint(50, 50), 10, 0x00ffffff, {"a"}, QStringLiteral("MMMM"), kSelectionButton, 0x000000), -1);
    // The box of the label's ink: the text is drawn anew for the zoom, so
    // its strokes keep their weight while the text grows.
    auto inked = [&] {
        const QImage img = h.render();
        QRect box;
        for (int y = 0; y < 250; ++y)
            for (int x = 0; x < 250; ++x)
                if ((img.pixel(x, y) & 0xffffff) == 0)
                    box = box.united(QRect(x, y, 1, 1));
        return box;
    };
    const QRect one = inked();
    h.canvas->setZoom(2.0f, QPoint(0, 0));
    const QRect two = inked();
    EXPECT_GT(one.width(), 10);
    EXPECT_NEAR(double(two.width()) / one.width(), 2.0, 0.25); // twice as wide and tall
    EXPECT_NEAR(double(two.height()) / one.height(), 2.0, 0.3);
}

TEST(CanvasPainting, BackgroundScalesWithTheZoom)
{
    canvas_harness h;
    QPixmap red(100, 100);
    red.fill(Qt::red);
    h.canvas->document()->setBackground(QStringLiteral("hero_bg"), red);
    EXPECT_EQ(h.canvas->document()->backgroundName(), QStringLiteral("hero_bg"));
    QImage img = h.render();
    EXPECT_EQ(at(img, QPoint(50, 50)), qRgb(255, 0, 0));
    EXPECT_EQ(at(img, QPoint(150, 150)), kBackdrop);

    h.canvas->setZoom(2.0f, QPoint(0, 0));
    img = h.render();
    EXPECT_EQ(at(img, QPoint(150, 150)), qRgb(255, 0, 0));
    EXPECT_EQ(at(img, QPoint(205, 150)), kBackdrop);

    h.canvas->setShift(QPoint(30, 40)); // its corner is picker point (0, 0)
    img = h.render();
    EXPECT_EQ(at(img, QPoint(29, 100)), kBackdrop);
    EXPECT_EQ(at(img, QPoint(31, 41)), qRgb(255, 0, 0));
}

TEST(CanvasPainting, ButtonsOutsideTheRepaintedAreaAreNotDrawn)
{
    canvas_harness h;
    h.canvas->document()->push_button(make_button(QPoint(20, 20), 10, 0x00ff0000, {"in"}), -1);
    h.canvas->document()->push_button(make_button(QPoint(200, 200), 10, 0x0000ff00, {"out"}), -1);
    h.canvas->document()->push_button(make_button(QPoint(100, 100), 40, 0x000000ff, {"straddles"}), -1);

    // An unclipped painter: only the area test keeps a button off the image.
    QImage img(300, 300, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        button_painter(p, h.canvas->view()).draw_buttons(h.canvas->buttons(), QRect(0, 0, 100, 100));
    }
    EXPECT_EQ(img.pixel(20, 20), 0xffff0000u);
    EXPECT_EQ(img.pixel(200, 200), 0u);
    EXPECT_EQ(img.pixel(110, 110), 0xff0000ffu); // meets the area, so drawn whole
}

TEST(CanvasPainting, LaterButtonsLieOverEarlierOnes)
{
    canvas_harness h;
    h.canvas->document()->push_button(make_button(QPoint(100, 100), 30, 0x00ff0000, {"under"}), -1);
    h.canvas->document()->push_button(make_button(QPoint(110, 110), 30, 0x000000ff, {"over"}), -1);
    const QImage img = h.render();
    EXPECT_EQ(at(img, QPoint(105, 105)), qRgb(0, 0, 255));
    EXPECT_EQ(at(img, QPoint(90, 90)), qRgb(255, 0, 0));
}

TEST(CanvasPainting, RepaintsFromSpritesMatchDirectDrawing)
{
    canvas_harness h;
    int i = 0;
    for (int kind : {kSelectionButton, kCommandButton}) {
        for (int state : {0, 1, 2}) {
            for (const QString& label : {QString(), QStringLiteral("Ab")}) {
                for (int size : {9, 24, 40}) {
                    const QPoint at(30 + (i % 8) * 50, 30 + (i / 8) * 50);
                    h.canvas->document()->push_button(make_button(at, size, 0x00c04020 + 0x10 * i, {"a", "b"}, label, kind), -1);
                    h.canvas->document()->button(i)->state = qint16(state);
                    ++i;
                }
            }
        }
    }
    for (double zoom : {1.0, 0.5, 1.5}) {
        view_transform view(QPoint(3, 5), zoom);
        button_painter::sprite_cache sprites;
        auto paint = [&] {
            QImage img(500, 450, QImage::Format_ARGB32_Premultiplied);
            img.fill(qRgb(51, 51, 51));
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing, true);
            button_painter(p, view, &sprites).draw_buttons(h.canvas->buttons(), img.rect());
            return img;
        };
        // The first paint draws most looks directly (only the selected and
        // partly selected greys repeat); from the second on they are copied.
        const QImage direct = paint();
        const int firstPaint = sprites.sprites();
        paint();
        const int built = sprites.sprites();
        EXPECT_GT(built, firstPaint + 20) << zoom;
        const QImage copied = paint();
        int worst = 0;
        for (int y = 0; y < direct.height(); ++y)
            for (int x = 0; x < direct.width(); ++x) {
                const QRgb a = direct.pixel(x, y), b = copied.pixel(x, y);
                worst = qMax(worst, qMax(qAbs(qRed(a) - qRed(b)), qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b)))));
            }
        EXPECT_LE(worst, 3) << zoom; // rounding of the two-step blend only

        // Another zoom starts the cache afresh.
        view.zoom = zoom * 2;
        paint();
        EXPECT_LT(sprites.sprites(), built) << zoom;
    }
}
