#include "model/deflate_piece.h"
#include "model/scene_data.h"
#if defined(QB_HAVE_LIBDEFLATE) && defined(QB_HAVE_ZLIB)
#define QB_DEFLATE_PIECES 1
#include <libdeflate.h>
#include <zlib.h>
#include <cstring>
#endif

#ifdef QB_DEFLATE_PIECES
namespace {

// Larger runs are left to the whole-stream path, whose framing states the
// length in 32 bits.
constexpr qint64 kMaxPieceBytes = qint64(1) << 30;

// Inflates the blocks block by block (zlib stops after each one when asked
// with Z_BLOCK) to find the header of the last block and the bit where it
// ends. False unless they give back exactly the expected bytes.
bool findLastBlock(const char* deflated, size_t length, const QByteArray& expected, qint64* finalFlag, qint64* end)
{
    z_stream s{};
    if (inflateInit2(&s, -MAX_WBITS) != Z_OK)
        return false;
    QByteArray out(expected.size() + 1, Qt::Uninitialized);
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(deflated));
    s.avail_in = uInt(length);
    s.next_out = reinterpret_cast<Bytef*>(out.data());
    s.avail_out = uInt(out.size());
    qint64 header = 0;
    bool found = false;
    while (inflate(&s, Z_BLOCK) == Z_OK && (s.data_type & 128)) {
        // At a block boundary: the low three bits count the unused bits of
        // the last byte read; 64 says the block just ended was the last.
        const qint64 at = qint64(length - s.avail_in) * 8 - (s.data_type & 7);
        if (s.data_type & 64) {
            *finalFlag = header;
            *end = at;
            found = true;
            break;
        }
        header = at;
    }
    const qint64 produced = qint64(out.size()) - qint64(s.avail_out);
    inflateEnd(&s);
    return found && produced == expected.size()
           && std::memcmp(out.constData(), expected.constData(), size_t(produced)) == 0;
}

} // namespace
#endif

bool deflatePiecesAvailable()
{
#ifdef QB_DEFLATE_PIECES
    return sceneDeflateCompressor() != nullptr;
#else
    return false;
#endif
}

deflate_piece compressDeflatePiece(const QByteArray& bytes)
{
    deflate_piece piece;
#ifdef QB_DEFLATE_PIECES
    libdeflate_compressor* c = sceneDeflateCompressor();
    if (!c || bytes.size() > kMaxPieceBytes)
        return piece;
    const size_t bound = libdeflate_deflate_compress_bound(c, size_t(bytes.size()));
    QByteArray out(qsizetype(bound), Qt::Uninitialized);
    const size_t written =
        libdeflate_deflate_compress(c, bytes.constData(), size_t(bytes.size()), out.data(), bound);
    qint64 finalFlag = -1, end = 0;
    if (written == 0 || !findLastBlock(out.constData(), written, bytes, &finalFlag, &end))
        return piece;
    out.resize(qsizetype((end + 7) / 8));
    uchar* data = reinterpret_cast<uchar*>(out.data());
    data[finalFlag / 8] &= uchar(~(1u << (finalFlag % 8)));
    if (end % 8)
        data[end / 8] &= uchar((1u << (end % 8)) - 1);
    piece.bits = out;
    piece.bitCount = end;
    piece.finalFlag = finalFlag;
    piece.adler = quint32(adler32(1, reinterpret_cast<const Bytef*>(bytes.constData()), uInt(bytes.size())));
    piece.size = bytes.size();
#endif
    return piece;
}
