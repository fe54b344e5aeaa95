#include "model/picker_image.h"
#include "model/stream_bounds.h"
#include "model/picker_stream.h"
#include <QtCore/QBuffer>
#include <QtCore/QCryptographicHash>
#include <QtCore/QtEndian>
#include <cstring>

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

} // namespace

bool isPngSignature(const QByteArray& bytes)
{
    return bytes.size() >= 8 && memcmp(bytes.constData(), kPngSignature, 8) == 0;
}

namespace {

// Encoding and decoding PNGs are the dearest parts of storing and restoring
// pickers, and the same backgrounds come back again and again: every edit
// stores the unchanged ones, a restore decodes each tab's copy and writes
// its image key. The last few images are kept with their PNG bytes.
class png_cache
{
    static constexpr qint64 kMaxKeptImageBytes = 16 << 20;

public:
    // The PNG of image, or an empty array.
    QByteArray encode(const QImage& image)
    {
        const qint64 key = image.cacheKey();
        for (int i = 0; i < entries_.size(); ++i) {
            const Entry& e = entries_[i];
            if (e.key == key || (!e.image.isNull() && samePixels(e.image, image)))
                return touch(i).png;
        }
        QByteArray png = encodeFresh(image);
        if (!png.isEmpty())
            add(Entry{key, png, QImage()});
        return png;
    }

    // The image of a complete PNG file; null when it does not decode.
    QImage decode(const QByteArray& png)
    {
        for (int i = 0; i < entries_.size(); ++i)
            if (!entries_[i].image.isNull() && entries_[i].png == png)
                return touch(i).image;
        QImage image;
        image.loadFromData(png, "PNG");
        // The image came from these bytes: they are its encoding, as long as
        // they carry the resolution an encoding here writes. Huge images are
        // not kept: the cache must not hold on to hundreds of megabytes.
        if (!image.isNull() && image.dotsPerMeterX() == kPngDotsPerMeter
            && image.dotsPerMeterY() == kPngDotsPerMeter && qint64(image.sizeInBytes()) <= kMaxKeptImageBytes)
            add(Entry{image.cacheKey(), png, image});
        return image;
    }

private:
    struct Entry {
        qint64 key;
        QByteArray png;
        QImage image; // null unless decoded here: kept for comparing pixels
    };

    static bool samePixels(const QImage& a, const QImage& b)
    {
        if (a.size() != b.size() || a.format() != b.format() || a.dotsPerMeterX() != b.dotsPerMeterX()
            || a.dotsPerMeterY() != b.dotsPerMeterY() || a.colorTable() != b.colorTable())
            return false;
        const qsizetype row = qsizetype(a.width()) * a.depth() / 8;
        if (a.depth() % 8 != 0)
            return false; // sub-byte rows: padding bits may differ, encode anew
        for (int y = 0; y < a.height(); ++y)
            if (memcmp(a.constScanLine(y), b.constScanLine(y), size_t(row)) != 0)
                return false;
        return true;
    }

    static QByteArray encodeFresh(const QImage& image)
    {
        // The PNG's resolution chunk would otherwise carry the screen's DPI,
        // which Qt 5 and Qt 6 take differently: fix it so that the same
        // image gives the same bytes under either.
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
        return png;
    }

    const Entry& touch(int i)
    {
        entries_.move(i, 0);
        return entries_.first();
    }

    void add(Entry entry)
    {
        entries_.prepend(std::move(entry));
        while (entries_.size() > 8)
            entries_.removeLast();
        // Older entries let go of their pixels beyond the budget; their
        // key still finds the very image they were made from.
        qint64 kept = 0;
        for (Entry& e : entries_) {
            kept += e.image.sizeInBytes();
            if (kept > kMaxKeptImageBytes * 2)
                e.image = QImage();
        }
    }

    QList<Entry> entries_;
};

png_cache& pngCache()
{
    static png_cache cache;
    return cache;
}

} // namespace

void writeImage(QDataStream& stream, const QImage& image)
{
    if (image.isNull()) {
        stream << qint32(0);
        return;
    }
    // Encoded before the marker is written: a marker 1 without a PNG behind
    // it would misalign everything that follows in the stream.
    const QByteArray png = pngCache().encode(image);
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

bool readImage(QDataStream& stream, QImage* image)
{
    *image = QImage();
    qint32 marker = 0;
    stream >> marker;
    if (stream.status() != QDataStream::Ok)
        return false;
    if (marker == 0)
        return true;
    const QByteArray png = readPngFile(stream);
    if (png.isEmpty())
        return false;
    *image = pngCache().decode(png);
    return !image->isNull();
}

QString contentImageName(const QImage& image)
{
    const QByteArray png = pngCache().encode(image);
    if (png.isEmpty())
        return QString();
    return QString::fromLatin1(QCryptographicHash::hash(png, QCryptographicHash::Sha1).toHex());
}

bool samePicture(const QImage& a, const QImage& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    if (a.size() != b.size())
        return false;
    if (a.cacheKey() == b.cacheKey() || a == b)
        return true;
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
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
    *image = pngCache().decode(png);
    return !image->isNull();
}
