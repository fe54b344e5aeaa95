#include "model/scene_data.h"
#include <QtCore/QtEndian>
#ifdef QB_HAVE_ZLIB
#include <zlib.h>
#endif
#ifdef QB_HAVE_LIBDEFLATE
#include <libdeflate.h>
#include <memory>
#endif

#ifdef QB_HAVE_LIBDEFLATE
namespace {

// On picker data, level 7 is the fastest level whose stream is no larger
// than zlib's at level 9 (level 6 is a few percent larger; 8 and up are
// several times slower for a few bytes).
constexpr int kDeflateLevel = 7;

struct compressor_free {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

} // namespace
#endif

libdeflate_compressor* sceneDeflateCompressor()
{
#ifdef QB_HAVE_LIBDEFLATE
    static const std::unique_ptr<libdeflate_compressor, compressor_free> c(
        libdeflate_alloc_compressor(kDeflateLevel));
    return c.get();
#else
    return nullptr;
#endif
}

const char* sceneDataCompressor()
{
#ifdef QB_HAVE_LIBDEFLATE
    return "libdeflate";
#else
    return "qCompress";
#endif
}

QByteArray compressSceneData(const QByteArray& windowStream)
{
#ifdef QB_HAVE_LIBDEFLATE
    libdeflate_compressor* c = sceneDeflateCompressor();
    if (c && !windowStream.isEmpty()) {
        // The toolkit's framing: the uncompressed length, big-endian, then
        // the zlib stream, so that qUncompress reads it.
        const size_t bound = libdeflate_zlib_compress_bound(c, size_t(windowStream.size()));
        QByteArray out(int(4 + bound), Qt::Uninitialized);
        qToBigEndian<quint32>(quint32(windowStream.size()), out.data());
        const size_t written = libdeflate_zlib_compress(c, windowStream.constData(), size_t(windowStream.size()),
                                                        out.data() + 4, bound);
        if (written > 0) {
            out.resize(int(4 + written));
            return out;
        }
    }
#endif
    return qCompress(windowStream, 9);
}

QByteArray encodeSceneData(const QByteArray& windowStream)
{
    return compressSceneData(windowStream).toBase64();
}

QByteArray decodeSceneData(const QByteArray& base64)
{
    scene_data_reading reading = readSceneData(base64);
    return reading.damage.isEmpty() ? reading.stream : QByteArray();
}

namespace {

bool isBase64Char(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
}

bool isBlank(char c)
{
    return c == '\n' || c == '\r' || c == ' ' || c == '\t';
}

// The text's leading run of Base64, padding included, without the line
// breaks and blanks a text tool may have put in (no damage); *end is where
// in the text it stops.
QByteArray base64Prefix(const QByteArray& text, int* end)
{
    QByteArray out;
    out.reserve(text.size());
    int i = 0, padding = 0;
    for (; i < text.size(); ++i) {
        const char c = text.at(i);
        if (isBlank(c))
            continue;
        if (c == '=' && padding < 2) {
            ++padding;
        } else if (padding > 0 || !isBase64Char(c)) {
            break;
        }
        out += c;
    }
    *end = i;
    return out;
}

} // namespace

scene_data_reading readSceneData(const QByteArray& base64)
{
    scene_data_reading out;
    int end = 0;
    const QByteArray text = base64Prefix(base64, &end);
    if (end < base64.size())
        out.damage = QStringLiteral("the text is not Base64 from character %1 on").arg(end + 1);
    const QByteArray compressed = QByteArray::fromBase64(text);
    if (compressed.size() <= 4) {
        if (out.damage.isEmpty())
            out.damage = QStringLiteral("the value is too short to hold any pickers");
        return out;
    }
    const quint32 expected = qFromBigEndian<quint32>(compressed.constData());
    const qint64 deflated = compressed.size() - 4;
    // Deflate expands by at most 1032:1: no more is ever made than the data
    // could give, whatever the length says.
    const qint64 limit = qMin<qint64>(deflated * 1032 + 64, kMaxSceneDataBytes);
#ifdef QB_HAVE_ZLIB
    z_stream z{};
    if (inflateInit(&z) != Z_OK) {
        out.damage = QStringLiteral("the data could not be decompressed");
        return out;
    }
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData() + 4));
    z.avail_in = uInt(deflated);
    int result = Z_OK;
    const qint64 step = 1 << 20;
    while (result == Z_OK && qint64(out.stream.size()) < limit) {
        const qint64 old = out.stream.size();
        const qint64 room = qMin(step, limit - old);
        out.stream.resize(qsizetype(old + room));
        z.next_out = reinterpret_cast<Bytef*>(out.stream.data() + old);
        z.avail_out = uInt(room);
        result = inflate(&z, Z_NO_FLUSH);
        out.stream.resize(qsizetype(old + room - z.avail_out));
        if (result == Z_BUF_ERROR && z.avail_in == 0)
            break; // the input ran out
        if (result == Z_BUF_ERROR)
            result = Z_OK; // only room was missing
    }
    const QString message = z.msg ? QString::fromLatin1(z.msg) : QString();
    inflateEnd(&z);
    QString failure;
    if (result == Z_STREAM_END) {
        if (qint64(out.stream.size()) != qint64(expected))
            failure = QStringLiteral("the data holds %1 bytes where its header says %2")
                          .arg(out.stream.size())
                          .arg(expected);
    } else if (result == Z_DATA_ERROR) {
        failure = message == QLatin1String("incorrect data check")
                      ? QStringLiteral("the data's checksum does not match")
                      : QStringLiteral("the compressed data is corrupt after %1 bytes").arg(out.stream.size());
    } else if (qint64(out.stream.size()) >= limit) {
        failure = QStringLiteral("the data is larger than a scene's pickers can be");
    } else {
        failure = QStringLiteral("the compressed data ends after %1 of %2 bytes").arg(out.stream.size()).arg(expected);
    }
#else
    QString failure;
    if (qint64(expected) > limit) {
        failure = QStringLiteral("the data is larger than a scene's pickers can be");
    } else {
        out.stream = qUncompress(compressed);
        if (out.stream.isEmpty())
            failure = QStringLiteral("the compressed data is damaged");
    }
#endif
    if (out.damage.isEmpty())
        out.damage = failure;
    return out;
}
