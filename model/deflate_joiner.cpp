#include "model/deflate_joiner.h"
#include <QtCore/QtEndian>
#ifdef QB_HAVE_ZLIB
#include <zlib.h>
#endif

namespace {

// The length the framing states, then the zlib header libdeflate writes at
// the levels used here (deflate, 32 KB window, "slowest" compression).
constexpr int kPrefixBytes = 6;
constexpr qint64 kMaxStreamBytes = 0xffffffffLL;

} // namespace

deflate_joiner::deflate_joiner()
{
    out_.reserve(4096);
    out_.append(kPrefixBytes, '\0');
    out_[4] = char(0x78);
    out_[5] = char(0xda);
    outBits_ = kPrefixBytes * 8;
}

void deflate_joiner::append(const deflate_piece& piece)
{
    if (failed_ || !piece.valid()) {
        failed_ = true;
        return;
    }
    alignToByte();
#ifdef QB_HAVE_ZLIB
    adler_ = quint32(adler32_combine(adler_, piece.adler, z_off_t(piece.size)));
#endif
    size_ += piece.size;
    finalFlag_ = outBits_ + piece.finalFlag;
    out_.append(piece.bits.constData(), qsizetype((piece.bitCount + 7) / 8));
    outBits_ += piece.bitCount;
}

void deflate_joiner::writeBits(quint32 value, int count)
{
    for (int i = 0; i < count; ++i, ++outBits_) {
        if (outBits_ % 8 == 0)
            out_.append('\0');
        if (value & (1u << i))
            out_.data()[outBits_ / 8] |= char(1 << (outBits_ % 8));
    }
}

void deflate_joiner::alignToByte()
{
    // A piece holds its own stored blocks, whose data is byte-aligned where
    // it was compressed: it must start on a byte. Empty blocks fill the gap:
    // fixed ones (10 bits each) when an even number of bits is missing, else
    // a stored one, which aligns by itself.
    const int used = int(outBits_ % 8);
    if (used == 0)
        return;
    if (used % 2 == 0) {
        while (outBits_ % 8)      // each adds 2 bits modulo 8
            writeBits(0x2, 10); // not last, fixed, end of block
    } else {
        writeBits(0x0, 3); // not last, stored
        outBits_ = (outBits_ + 7) / 8 * 8;
        out_.append("\x00\x00\xff\xff", 4); // length 0 and its complement
        outBits_ += 32;
    }
}

QByteArray deflate_joiner::finish()
{
    if (failed_ || finalFlag_ < 0 || size_ > kMaxStreamBytes)
        return QByteArray();
    uchar* data = reinterpret_cast<uchar*>(out_.data());
    data[finalFlag_ / 8] = uchar(data[finalFlag_ / 8] | (1u << (finalFlag_ % 8)));
    qToBigEndian<quint32>(quint32(size_), data);
    char adler[4];
    qToBigEndian<quint32>(adler_, adler);
    out_.append(adler, 4);
    return out_;
}
