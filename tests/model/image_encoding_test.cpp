// Backgrounds are encoded and decoded through a cache of recent images:
// whatever it reuses, an image's encoding always decodes to its own pixels,
// and the image decoded from an encoding made here encodes to those bytes.
#include "model/picker_image.h"
#include "model/picker_stream.h"
#include <gtest/gtest.h>
#include <QtCore/QIODevice>
#include <QtGui/QPainter>
#include <functional>

namespace {

QImage busy(int seed)
{
    QImage img(64, 48, QImage::Format_RGB32);
    QPainter p(&img);
    for (int y = 0; y < 48; y += 8)
        for (int x = 0; x < 64; x += 8)
            p.fillRect(x, y, 8, 8, QColor::fromHsv((x * 5 + y * 3 + seed) % 360, 180, 200));
    return img;
}

QByteArray encoded(const QImage& image)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(kPickerDataStreamVersion);
    writeImage(s, image);
    return bytes;
}

QImage decoded(const QByteArray& bytes)
{
    QDataStream s(bytes);
    s.setVersion(kPickerDataStreamVersion);
    QImage image;
    readImage(s, &image);
    return image;
}

bool samePixels(const QImage& a, const QImage& b)
{
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

TEST(ImageEncoding, ReusedEncodingsStayTrueToThePixels)
{
    const QImage original = busy(0);
    const QByteArray bytes = encoded(original);
    const QImage read = decoded(bytes);
    ASSERT_TRUE(samePixels(read, original));

    const struct {
        const char* what;
        std::function<QImage()> make;
        bool sameBytes; // encodes as the original did
    } rows[] = {
        {"the decoded image itself", [&] { return read; }, true},
        {"a deep copy of the decoded pixels", [&] { return read.copy(); }, true},
        {"one pixel changed", [&] {
             QImage changed = read.copy();
             changed.setPixel(5, 5, qRgb(1, 2, 3));
             return changed;
         }, false},
        {"another picture", [] { return busy(40); }, false},
        {"decoded twice: the second decode is the same picture", [&] { return decoded(bytes); }, true},
    };
    for (const auto& r : rows) {
        const QImage image = r.make();
        const QByteArray again = encoded(image);
        EXPECT_EQ(again == bytes, r.sameBytes) << r.what;
        EXPECT_TRUE(samePixels(decoded(again), image)) << r.what;
    }
}

} // namespace
