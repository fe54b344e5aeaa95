#include "model/stream_bounds.h"
#include <QtCore/QIODevice>
#include <QtCore/QtEndian>

qint64 bytesLeft(const QDataStream& stream)
{
    const QIODevice* device = stream.device();
    if (!device || device->isSequential())
        return -1;
    return device->bytesAvailable();
}

bool claimBytes(QDataStream& stream, qint64 n)
{
    if (stream.status() != QDataStream::Ok)
        return false;
    const qint64 left = bytesLeft(stream);
    if (left >= 0 && n > left) {
        stream.device()->skip(left);
        stream.setStatus(QDataStream::ReadPastEnd);
        return false;
    }
    return true;
}

void readString(QDataStream& stream, QString* out)
{
    // The toolkit's reader sizes the string to the claimed length (in steps
    // of 1 Mi characters) before it reads: peek at the length first.
    QIODevice* device = stream.device();
    char raw[4];
    if (stream.status() == QDataStream::Ok && stream.version() > 1 && device && !device->isSequential()
        && device->peek(raw, 4) == 4) {
        const quint32 bytes = stream.byteOrder() == QDataStream::BigEndian ? qFromBigEndian<quint32>(raw)
                                                                           : qFromLittleEndian<quint32>(raw);
        if (bytes != 0xffffffffu && qint64(bytes) > device->bytesAvailable() - 4) {
            // Left where the toolkit's reader leaves it: at the end.
            device->skip(device->bytesAvailable());
            stream.setStatus(QDataStream::ReadPastEnd);
            *out = QString();
            return;
        }
    }
    stream >> *out;
}
