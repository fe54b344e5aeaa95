// Buttons painted on a display scaled by its pixel ratio, and the label
// font's weight, read back from painted images.
#include "button_factory.h"
#include "render/button_painter.h"
#include "model/button_label.h"
#include <gtest/gtest.h>
#include <QtGui/QPainter>

namespace {
const QRgb kFill = qRgb(30, 90, 200);
const QRgb kInk = qRgb(255, 255, 255);

buttonRecord labelled(const QString& text, int kind = kSelectionButton)
{
    buttonRecord b(make_attributes(QPoint(60, 40), 20, kind, kMelScript, kFill, kInk, text, {"a"}));
    button_label::apply(b.attributes(), &b);
    return b;
}

// A canvas-sized image at the pixel ratio, the buttons painted over a
// backdrop the way the canvas does.
QImage paint(const QList<buttonRecord>& buttons, qreal ratio, button_painter::sprite_cache* sprites,
             int times = 1)
{
    const QSize logical(120, 80);
    QImage image(logical * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    const view_transform view;
    for (int i = 0; i < times; ++i) {
        image.fill(qRgb(51, 51, 51));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        button_painter(p, view, sprites).draw_buttons(buttons, QRect(QPoint(0, 0), logical));
    }
    return image;
}

// Pixels of the label's box (device pixels) that are neither fill nor ink,
// and 2x2 device-pixel blocks that are not one colour.
struct label_pixels {
    int between = 0;
    int mixedBlocks = 0;
    int ink = 0;
};

label_pixels inspect(const QImage& image, const QRect& logicalBox)
{
    label_pixels out;
    const QRect box(logicalBox.topLeft() * 2, logicalBox.size() * 2);
    for (int y = box.top(); y < box.bottom(); y += 2) {
        for (int x = box.left(); x < box.right(); x += 2) {
            const QRgb c[4] = {image.pixel(x, y), image.pixel(x + 1, y), image.pixel(x, y + 1),
                               image.pixel(x + 1, y + 1)};
            for (QRgb v : c) {
                const QRgb rgb = v & 0xffffff;
                if (rgb == (kInk & 0xffffff))
                    ++out.ink;
                else if (rgb != (kFill & 0xffffff))
                    ++out.between;
            }
            if (c[0] != c[1] || c[0] != c[2] || c[0] != c[3])
                ++out.mixedBlocks;
        }
    }
    return out;
}

// Largest difference of one colour channel between two images of one size.
int max_difference(const QImage& a, const QImage& b)
{
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = qMax(most, qMax(qAbs(qRed(p) - qRed(q)), qMax(qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q)))));
        }
    return most;
}

int ink_of(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 0;
    return n;
}

QImage text_with(const QFont& font, const QString& text)
{
    const QSize size = button_label::pictureSize(text);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(QPoint(0, 0), size), Qt::AlignHCenter | Qt::AlignVCenter, text);
    return image;
}
} // namespace

// At pixel ratio 2 a label is drawn from the font at device resolution:
// glyph edges fall between device pixels within one logical pixel (a 1x
// picture doubled would leave every 2x2 block one colour), and no pixel is
// a blend of ink and fill.
TEST(DevicePixels, LabelsDrawnAtDeviceResolution)
{
    for (const bool cached : {false, true}) {
        const buttonRecord b = labelled(QStringLiteral("Wg"));
        const QRect box = b.rect.adjusted(1, 1, -1, -1);
        button_painter::sprite_cache sprites;
        const QImage image = paint({b}, 2.0, cached ? &sprites : nullptr, cached ? 3 : 1);
        const label_pixels px = inspect(image, box);
        EXPECT_GT(px.ink, 0) << cached;
        EXPECT_EQ(px.between, 0) << cached;
        EXPECT_GT(px.mixedBlocks, 0) << cached;
    }
}

// Cached sprites are made at device resolution: painting from the cache
// gives what painting each shape directly gives.
TEST(DevicePixels, SpritesMatchDirectPainting)
{
    const struct {
        int kind;
        QString label;
    } rows[] = {{kCommandButton, QString()}, {kCommandButton, QStringLiteral("Go")}, {kSelectionButton, QString()}};
    for (const auto& r : rows) {
        buttonRecord b = labelled(r.label, r.kind);
        b.nodes = QStringList{"a", "b"}; // a selection button of several nodes is a shape, not a square
        for (const qreal ratio : {1.0, 2.0}) {
            button_painter::sprite_cache sprites;
            const QImage direct = paint({b}, ratio, nullptr);
            const QImage cached = paint({b}, ratio, &sprites, 3);
            EXPECT_GT(sprites.sprites(), 0) << r.kind << " " << ratio;
            ASSERT_EQ(cached.size(), direct.size());
            // Edges blended twice (into the sprite, then onto the canvas) may round differently.
            EXPECT_LE(max_difference(cached, direct), 2) << r.kind << " " << ratio;
        }
    }
}

// The label font has normal weight under every Qt: its picture is the text
// drawn at QFont::Normal, and where this machine has a lighter face, it
// holds more ink than that face would give.
TEST(DevicePixels, LabelsAtNormalWeight)
{
    const QFont label = button_label::font();
    EXPECT_EQ(label.weight(), int(QFont::Normal));
    QFont normal(label.family(), label.pointSize(), QFont::Normal);
    normal.setStyleStrategy(QFont::NoAntialias);
    QFont thin = normal;
    thin.setWeight(QFont::Thin);
    for (const QString text : {QStringLiteral("Hello"), QStringLiteral("IKJ mmm")}) {
        const QImage picture = button_label::render(text, qRgb(0, 0, 0));
        EXPECT_EQ(picture, text_with(normal, text)) << qPrintable(text);
        const int thinInk = ink_of(text_with(thin, text));
        if (thinInk != ink_of(text_with(normal, text)))
            EXPECT_GT(ink_of(picture), thinInk) << qPrintable(text);
    }
}
