#ifndef QB_MODEL_SCENE_DATA_H
#define QB_MODEL_SCENE_DATA_H
#include <QtCore/QByteArray>

// The value of the scene's picker data key: the window stream compressed
// with the toolkit's zlib framing (4-byte big-endian length, then a zlib
// stream), as Base64 without line breaks.
QByteArray encodeSceneData(const QByteArray& windowStream);

// The framed zlib stream alone: made with libdeflate where the build found
// it, else with qCompress at level 9. qUncompress reads either.
QByteArray compressSceneData(const QByteArray& windowStream);
// The libdeflate compressor both use, made once (allocating one costs more
// than compressing a small picker); null where the build has no libdeflate.
struct libdeflate_compressor;
libdeflate_compressor* sceneDeflateCompressor();
// "libdeflate" or "qCompress": which of the two this build uses.
const char* sceneDataCompressor();

// The reverse. Returns an empty array for text that does not decode. The
// length header is checked against what deflate can produce from the data
// before anything is allocated, so a forged header cannot claim gigabytes.
QByteArray decodeSceneData(const QByteArray& base64);

// Largest window stream accepted when decoding, in bytes.
constexpr qint64 kMaxSceneDataBytes = 1LL << 30;
#endif
