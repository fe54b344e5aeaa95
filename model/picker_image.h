#ifndef QB_MODEL_PICKER_IMAGE_H
#define QB_MODEL_PICKER_IMAGE_H
#include <QtCore/QByteArray>
#include <QtCore/QDataStream>
#include <QtCore/QString>
#include <QtGui/QImage>

// The stream encoding of a background image: int32 marker (0 no image, 1 an
// image follows), then one complete PNG file. Byte for byte what the
// toolkit's own pixmap stream operator writes. An image that cannot be
// encoded is written as no image and the stream's status set to WriteFailed.
void writeImage(QDataStream& stream, const QImage& image);

// Reads the encoding. The PNG is collected chunk by chunk, so a corrupt
// length never makes the reader allocate more than the data holds, and
// images of absurd dimensions are refused. On bad data the stream's status
// is set (ReadPastEnd or ReadCorruptData) and the image is null. False when
// the encoding announced an image that could not be had: then the picture
// is lost, even where the stream could go on behind a PNG that would not
// decode.
bool readImage(QDataStream& stream, QImage* image);

// PNG signature, and the bytes of a complete PNG file taken from the stream.
bool isPngSignature(const QByteArray& bytes);
QByteArray readPngFile(QDataStream& stream);

// The value of a scene image key: Base64 of the image encoding.
QByteArray encodeImageValue(const QImage& image);
// Decodes a scene image value: the image encoding, or a bare PNG. False when
// the text holds neither; a marker of 0 gives true and a null image.
bool decodeImageValue(const QByteArray& base64, QImage* image);

// The name a background chosen from a picture takes: the SHA-1 of its PNG
// encoding in hex, so that the same picture always gets the same name and
// two pictures never share one, in whichever process or session they were
// chosen. Empty for an image that cannot be encoded.
QString contentImageName(const QImage& image);
// True when the two show the same pixels, whatever their formats.
bool samePicture(const QImage& a, const QImage& b);

// Largest background the readers accept, in pixels.
constexpr qint64 kMaxImagePixels = 100LL * 1000 * 1000;
#endif
