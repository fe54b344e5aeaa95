// Buttons in shapes, with pictures and as labels alone, read back from
// painted images; hit by their outlines; labels drawn for the scale they
// are shown at.
#include "canvas_harness.h"
#include "model/button_label.h"
#include "model/picker_image.h"
#include "render/button_painter.h"
#include <gtest/gtest.h>
#include <QtGui/QPainter>
#include <cmath>

namespace {
const QRgb kBackdrop = 0x333333;
const QRgb kFill = 0x1e5ac8;

buttonRecord shaped(button_shape shape, QPoint at = QPoint(40, 40), int size = 20)
{
    buttonRecord b(make_attributes(at, size, kSelectionButton, kMelScript, kFill, 0, QString(), {"a"}));
    b.shape = shape;
    b.fit_shape();
    return b;
}

button_shape kind(button_shape::kind_t k, int w = 0, int h = 0)
{
    button_shape s;
    s.kind = k;
    s.width = w;
    s.height = h;
    return s;
}

// The buttons painted through a view of that zoom and pixel ratio on an
// image the canvas's size, a picture set beside them.
QImage paint(const QList<buttonRecord>& buttons, double zoom, qreal ratio, const picker_pictures* pictures = nullptr,
             button_painter::sprite_cache* sprites = nullptr, QSize logical = QSize(200, 200))
{
    QImage image(logical * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(kBackdrop));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const view_transform view(QPoint(0, 0), zoom);
    button_painter(p, view, sprites, pictures).draw_buttons(buttons, QRect(QPoint(0, 0), logical));
    return image;
}

// A logical pixel's colour at the pixel ratio.
QRgb at(const QImage& image, double x, double y)
{
    const qreal r = image.devicePixelRatio();
    return image.pixel(int(x * r), int(y * r)) & 0xffffff;
}
} // namespace

TEST(ButtonShapes, EachShapeFillsItsOutlineAtEveryZoom)
{
    button_shape polygon = kind(button_shape::Polygon);
    polygon.points = {QPoint(0, -10), QPoint(10, 10), QPoint(-10, 10)}; // a triangle, point up
    button_shape path = kind(button_shape::Path);
    path.path = QStringLiteral("M-10 -10 H10 V0 A10 10 0 0 1 -10 0 Z"); // a square top, a round bottom
    const struct {
        const char* what;
        button_shape shape;
        QPointF inside, outside; // picker units about the button's position
    } rows[] = {
        {"rect of its own box", kind(button_shape::Rect, 30, 10), {14, 4}, {0, 8}},
        {"rounded", kind(button_shape::Rounded, 20, 20), {0, 0}, {-9.6, -9.6}},
        {"ellipse", kind(button_shape::Ellipse, 20, 20), {6, 6}, {-8.5, -8.5}},
        {"polygon", polygon, {0, 5}, {-7, -5}},
        {"path", path, {-8, -8}, {-8, 8}},
    };
    for (const auto& r : rows) {
        for (const double zoom : {1.0, 4.0}) {
            SCOPED_TRACE(std::string(r.what) + " at zoom " + std::to_string(zoom));
            const QPoint position = QPoint(int(20 / zoom * 2), int(20 / zoom * 2));
            const buttonRecord b = shaped(r.shape, position);
            const QImage image = paint({b}, zoom, 1.0);
            const auto canvas = [&](QPointF p) { return (QPointF(position) + p) * zoom; };
            EXPECT_EQ(at(image, canvas(r.inside).x(), canvas(r.inside).y()), kFill);
            EXPECT_EQ(at(image, canvas(r.outside).x(), canvas(r.outside).y()), kBackdrop);
            // Hit testing agrees with what is drawn.
            EXPECT_TRUE(b.contains(QPointF(position) + r.inside));
            EXPECT_FALSE(b.contains(QPointF(position) + r.outside));
        }
    }
}

TEST(ButtonShapes, AnEllipsesCornerIsNoHitOnTheCanvas)
{
    canvas_harness h;
    buttonAttributes a = make_attributes(QPoint(100, 100), 40, kSelectionButton, kMelScript, kFill, 0, QString(), {"e"});
    a.shape = kind(button_shape::Ellipse);
    h.canvas->document()->push_button(a, -1);
    const QRect box = h.canvas->buttons()[0].rect;
    EXPECT_EQ(h.canvas->find_button(box.center()), &h.canvas->buttons()[0]);
    // Inside the box, outside the ellipse: the click goes to the canvas.
    EXPECT_EQ(h.canvas->find_button(box.topLeft() + QPoint(2, 2)), nullptr);
    h.press(box.topLeft() + QPoint(2, 2), Qt::LeftButton);
    h.release(box.topLeft() + QPoint(2, 2), Qt::LeftButton);
    EXPECT_EQ(h.canvas->buttons()[0].state, kUnselected);
    h.press(box.center(), Qt::LeftButton);
    h.release(box.center(), Qt::LeftButton);
    EXPECT_EQ(h.canvas->buttons()[0].state, kSelected);
}

TEST(ButtonShapes, PicturesFitTheShapeAndLabelOnlyButtonsDrawNoFrame)
{
    QImage red(20, 10, QImage::Format_ARGB32);
    red.fill(QColor(255, 0, 0));
    picker_pictures pictures;
    pictures.insert(QStringLiteral("red"), red);
    buttonRecord pictured = shaped(kind(button_shape::Rect, 40, 40), QPoint(50, 50));
    pictured.image = QStringLiteral("red");
    // Fitted, aspect kept: 40 wide, 20 tall, centred in the box.
    const QImage image = paint({pictured}, 1.0, 1.0, &pictures);
    EXPECT_EQ(at(image, 50, 50), 0xff0000u);
    EXPECT_EQ(at(image, 50, 36), kFill); // above the picture: the fill
    // A picture not in the picker shows as none.
    EXPECT_EQ(at(paint({pictured}, 1.0, 1.0, nullptr), 50, 50), kFill);

    buttonRecord bare = shaped(button_shape(), QPoint(50, 50));
    bare.frame = false;
    EXPECT_EQ(at(paint({bare}, 1.0, 1.0), 50, 50), kBackdrop);
    bare.state = kSelected; // a state still shows
    EXPECT_NE(at(paint({bare}, 1.0, 1.0), 50, 50), kBackdrop);
}

TEST(ButtonShapes, SpritesOfShapesMatchDirectPainting)
{
    button_shape path = kind(button_shape::Path);
    path.path = QStringLiteral("M0 -10 L10 10 L-10 10 Z");
    QList<buttonRecord> buttons;
    for (int i = 0; i < 3; ++i)
        buttons << shaped(path, QPoint(30 + 50 * i, 40)) << shaped(kind(button_shape::Ellipse), QPoint(30 + 50 * i, 100));
    for (const qreal ratio : {1.0, 2.0}) {
        button_painter::sprite_cache sprites;
        const QImage direct = paint(buttons, 1.5, ratio);
        paint(buttons, 1.5, ratio, nullptr, &sprites);
        const QImage cached = paint(buttons, 1.5, ratio, nullptr, &sprites);
        EXPECT_GT(sprites.sprites(), 0);
        int worst = 0;
        for (int y = 0; y < direct.height(); ++y)
            for (int x = 0; x < direct.width(); ++x) {
                const QRgb p = direct.pixel(x, y), q = cached.pixel(x, y);
                worst = qMax(worst, qMax(qAbs(qRed(p) - qRed(q)), qAbs(qBlue(p) - qBlue(q))));
            }
        EXPECT_LE(worst, 40) << ratio; // antialiased edges only
    }
}

// At zoom 1/4 and 16 on a screen of ratio 2, the label reads as the same
// text drawn directly at that scale: ink where the text has it, the whole
// text inside the canvas pixels it covers, nothing blank or cut.
TEST(ButtonShapes, LabelsReadAtEveryScale)
{
    const QString text = QStringLiteral("COG");
    for (const double zoom : {0.25, 16.0}) {
        SCOPED_TRACE(zoom);
        const double scale = zoom * 2;
        // The text is wider than the label box: a canvas that holds it all.
        const QSize canvas = zoom > 1 ? QSize(800, 400) : QSize(200, 200);
        const QPoint position = zoom > 1 ? QPoint(25, 12) : QPoint(300, 300);
        buttonRecord b(make_attributes(position, 10, kSelectionButton, kMelScript, qRgb(255, 255, 255),
                                       qRgb(0, 0, 0), text, {"a"}));
        button_label::apply(b.attributes(), &b);
        button_painter::sprite_cache sprites;
        const QImage image = paint({b}, zoom, 2.0, nullptr, &sprites, canvas);

        // The same text drawn with the font at that scale.
        QFont font = button_label::font();
        font.setPointSizeF(font.pointSizeF() * button_painter::step_scale(button_painter::label_step(scale)));
        QImage probe(1, 1, QImage::Format_ARGB32);
        const QRectF ink = QFontMetricsF(font, &probe).boundingRect(text);
        const QPointF centre = QPointF(button_painter::canvas_rect(b, view_transform(QPoint(0, 0), zoom)).center()) * 2;
        int inked = 0, inkBox = 0;
        const QRect box(int(centre.x() - ink.width() / 2) - 3, int(centre.y() - ink.height() / 2) - 3,
                        int(ink.width()) + 6, int(ink.height()) + 6);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xffffff) == 0) {
                    ++inked;
                    inkBox += box.contains(x, y);
                }
        EXPECT_GT(inked, zoom > 1 ? 2000 : 10); // not blank
        EXPECT_EQ(inkBox, inked);              // nothing strays
        // Not cut: ink reaches both ends of the text's width.
        int left = image.width(), right = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xffffff) == 0) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
        EXPECT_NEAR(right - left + 1, ink.width(), qMax(3.0, ink.width() * 0.15));
    }
}
