#include "model/scene_data.h"
#include <QtCore/QtEndian>

QByteArray encodeSceneData(const QByteArray& windowStream)
{
    return qCompress(windowStream, 9).toBase64();
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
