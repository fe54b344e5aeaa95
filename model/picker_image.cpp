#include "model/picker_image.h"
#include "model/stream_bounds.h"
#include <QtCore/QBuffer>
#include <QtCore/QtEndian>

namespace {

const char kPngSignature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
const int kReadStep = 1 << 20;

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
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
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
