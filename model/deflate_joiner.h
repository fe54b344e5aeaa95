#ifndef QB_MODEL_DEFLATE_JOINER_H
#define QB_MODEL_DEFLATE_JOINER_H
// The toolkit's framed zlib stream (4-byte big-endian length, then a zlib
// stream) of the bytes of several pieces in turn, joined as they are: no
// piece is compressed again.
#include "model/deflate_piece.h"

class deflate_joiner
{
public:
    deflate_joiner();

    // An invalid piece makes finish fail.
    void append(const deflate_piece& piece);
    // The framed stream, which qUncompress reads; empty when no piece or an
    // invalid one was appended, or the bytes are more than the framing can
    // state.
    QByteArray finish();

private:
    void writeBits(quint32 value, int count);
    void alignToByte();

    QByteArray out_;
    qint64 outBits_ = 0;
    qint64 finalFlag_ = -1; // in out_, of the last piece joined
    quint32 adler_ = 1;
    qint64 size_ = 0;
    bool failed_ = false;
};
#endif
