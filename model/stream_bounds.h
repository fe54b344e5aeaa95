#ifndef QB_MODEL_STREAM_BOUNDS_H
#define QB_MODEL_STREAM_BOUNDS_H
// Lengths claimed by stored data are checked against the bytes that remain
// before anything is sized by them: a damaged or forged length is refused at
// once and costs no allocation.
#include <QtCore/QDataStream>
#include <QtCore/QString>

// Bytes left to read, or -1 when the device cannot tell (a sequential one).
qint64 bytesLeft(const QDataStream& stream);

// True when n more bytes can be there; false, with the stream's status set
// to ReadPastEnd, when they cannot.
bool claimBytes(QDataStream& stream, qint64 n);

// Reads a string as the toolkit's stream operator does (same null, empty
// and byte-order rules), refusing a length longer than the data that is left.
void readString(QDataStream& stream, QString* out);
#endif
