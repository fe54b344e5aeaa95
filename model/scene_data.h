#ifndef QB_MODEL_SCENE_DATA_H
#define QB_MODEL_SCENE_DATA_H
#include <QtCore/QByteArray>
#include <QtCore/QString>

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

// A value decoded as far as it goes, for a scene whose value was cut short
// or damaged: the Base64 text up to its first character that is not Base64,
// and the zlib stream up to where it ends or stops making sense.
struct scene_data_reading {
    QByteArray stream;
    // Empty when the whole value decoded and its checksum and length hold;
    // else what failed, in words, for the user.
    QString damage;
};
scene_data_reading readSceneData(const QByteArray& base64);

// Largest window stream accepted when decoding, in bytes.
constexpr qint64 kMaxSceneDataBytes = 1LL << 30;
#endif
