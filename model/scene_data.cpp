#include "model/scene_data.h"
#include <QtCore/QtEndian>
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
    const QByteArray compressed = QByteArray::fromBase64(base64);
    if (compressed.size() <= 4)
        return QByteArray();
    const quint32 expected = qFromBigEndian<quint32>(compressed.constData());
    // Deflate expands by at most 1032:1; anything claiming more is forged.
    const qint64 deflated = compressed.size() - 4;
    if (expected == 0 || qint64(expected) > deflated * 1032 + 64 || qint64(expected) > kMaxSceneDataBytes)
        return QByteArray();
    return qUncompress(compressed);
}
