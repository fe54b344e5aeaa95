#ifndef QB_MODEL_DEFLATE_PIECE_H
#define QB_MODEL_DEFLATE_PIECE_H
// Bytes compressed as deflate blocks none of which ends the stream, so that
// pieces compressed apart can be joined bit after bit into one zlib stream
// (deflate_joiner). A tab that did not change keeps its pieces, and a scene
// write compresses only what changed.
#include <QtCore/QByteArray>

struct deflate_piece {
    // The blocks, least significant bit first; the bits past bitCount in the
    // last byte are zero.
    QByteArray bits;
    qint64 bitCount = 0;
    // Where the last block's final-block flag is, cleared here; a joiner sets
    // it again when this piece ends the stream. -1: no piece could be made.
    qint64 finalFlag = -1;
    quint32 adler = 1; // Adler-32 of the uncompressed bytes
    qint64 size = 0;   // how many uncompressed bytes

    bool valid() const { return finalFlag >= 0; }
};

// Whether this build can make pieces (it needs libdeflate to compress and
// zlib to find where the blocks end).
bool deflatePiecesAvailable();

// The piece of the bytes; an invalid piece when this build cannot make one
// or the compressed blocks do not give the bytes back.
deflate_piece compressDeflatePiece(const QByteArray& bytes);
#endif
