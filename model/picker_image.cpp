#include "model/picker_image.h"
#include "model/stream_bounds.h"
#include "model/picker_stream.h"
#include <QtCore/QBuffer>
#include <QtCore/QtEndian>

namespace {

const char kPngSignature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
const int kReadStep = 1 << 20;
// 96 dots per inch, as Qt writes it.
const int kPngDotsPerMeter = 3780;

// Appends exactly n bytes from the stream, in steps, so that memory grows
// only with data that is really there.
bool readBytes(QDataStream& stream, QByteArray& out, qint64 n)
{
    while (n > 0) {
        const int step = static_cast<int>(qMin<qint64>(n, kReadStep));
        const int old = out.size();
        out.resize(old + step);
        if (stream.readRawData(out.data() + old, step) != step) {
            out.resize(old);
            stream.setStatus(QDataStream::ReadPastEnd);
            return false;
        }
        n -= step;
    }
    return true;
}

QImage decodePng(const QByteArray& png)
{
    QImage image;
    image.loadFromData(png, "PNG");
    return image;
}

} // namespace

bool isPngSignature(const QByteArray& bytes)
{
    return bytes.size() >= 8 && memcmp(bytes.constData(), kPngSignature, 8) == 0;
}

// Encoding the PNG is the dearest part of storing pickers, and every edit
// stores the same unchanged backgrounds again: keep the last few encodings,
// keyed by the image's cache key (unique per image contents).
static QByteArray pngBytes(const QImage& image)
{
    struct Entry {
        qint64 key;
        QByteArray png;
    };
    static QList<Entry> recent;
    const qint64 key = image.cacheKey();
    for (int i = 0; i < recent.size(); ++i) {
        if (recent[i].key == key) {
            recent.move(i, 0);
            return recent.first().png;
        }
    }
    // The PNG's resolution chunk would otherwise carry the screen's DPI,
    // which Qt 5 and Qt 6 take differently: fix it so that the same image
    // gives the same bytes under either.
    QImage fixed = image;
    if (fixed.dotsPerMeterX() != kPngDotsPerMeter || fixed.dotsPerMeterY() != kPngDotsPerMeter) {
        fixed.setDotsPerMeterX(kPngDotsPerMeter);
        fixed.setDotsPerMeterY(kPngDotsPerMeter);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!fixed.save(&buffer, "PNG"))
        return QByteArray();
    recent.prepend(Entry{key, png});
    while (recent.size() > 8)
        recent.removeLast();
    return png;
}

void writeImage(QDataStream& stream, const QImage& image)
{
    if (image.isNull()) {
        stream << qint32(0);
        return;
    }
    // Encoded before the marker is written: a marker 1 without a PNG behind
    // it would misalign everything that follows in the stream.
    const QByteArray png = pngBytes(image);
    if (png.isEmpty()) {
        stream << qint32(0);
        stream.setStatus(QDataStream::WriteFailed);
        return;
    }
    stream << qint32(1);
    stream.writeRawData(png.constData(), png.size());
}

QByteArray readPngFile(QDataStream& stream)
{
    QByteArray png;
    if (!readBytes(stream, png, 8))
        return QByteArray();
    if (!isPngSignature(png)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return QByteArray();
    }
    bool first = true;
    for (;;) {
        const int head = png.size();
        if (!readBytes(stream, png, 8))
            return QByteArray();
        const quint32 length = qFromBigEndian<quint32>(png.constData() + head);
        const QByteArray type = png.mid(head + 4, 4);
        // Chunk lengths are limited to 2^31 - 1; the first chunk is the header.
        if (length > 0x7fffffffu || (first && (type != "IHDR" || length != 13))) {
            stream.setStatus(QDataStream::ReadCorruptData);
            return QByteArray();
        }
        if (!claimBytes(stream, qint64(length) + 4) || !readBytes(stream, png, qint64(length) + 4))
            return QByteArray();
        if (first) {
            const quint32 w = qFromBigEndian<quint32>(png.constData() + head + 8);
            const quint32 h = qFromBigEndian<quint32>(png.constData() + head + 12);
            // Divided, not multiplied: two 32-bit sides overflow a 64-bit product.
            if (w == 0 || h == 0 || qint64(w) > kMaxImagePixels / qint64(h)) {
                stream.setStatus(QDataStream::ReadCorruptData);
                return QByteArray();
            }
            first = false;
        }
        if (type == "IEND")
            return png;
    }
}

void readImage(QDataStream& stream, QImage* image)
{
    *image = QImage();
    qint32 marker = 0;
    stream >> marker;
    if (stream.status() != QDataStream::Ok || marker == 0)
        return;
    const QByteArray png = readPngFile(stream);
    if (png.isEmpty())
        return;
    *image = decodePng(png);
}

QByteArray encodeImageValue(const QImage& image)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(kPickerDataStreamVersion);
    writeImage(stream, image);
    return bytes.toBase64();
}

bool decodeImageValue(const QByteArray& base64, QImage* image)
{
    *image = QImage();
    const QByteArray bytes = QByteArray::fromBase64(base64);
    if (bytes.isEmpty())
        return false;
    QDataStream stream(bytes);
    stream.setVersion(kPickerDataStreamVersion);
    // The image encoding starts with its marker; a bare PNG has none.
    if (!isPngSignature(bytes)) {
        qint32 marker = -1;
        stream >> marker;
        if (stream.status() != QDataStream::Ok)
            return false;
        if (marker == 0)
            return true;
    }
    const QByteArray png = readPngFile(stream);
    if (png.isEmpty())
        return false;
    *image = decodePng(png);
    return !image->isNull();
}
