#include "model/button_block_cache.h"
#include "model/picker_stream.h"
#include <QtCore/QIODevice>

QByteArray button_block_cache::encode(const QList<buttonRecord>& buttons)
{
    QByteArray out;
    out.reserve(bytes_.size() + 64);
    QList<buttonAttributes> attributes;
    attributes.reserve(buttons.size());
    QVector<qint64> offsets;
    offsets.reserve(buttons.size() + 1);
    {
        QDataStream stream(&out, QIODevice::WriteOnly);
        stream.setVersion(kPickerDataStreamVersion);
        stream << qint32(buttons.size());
        for (int i = 0; i < buttons.size(); ++i) {
            const buttonAttributes& b = buttons[i].attributes();
            offsets.append(stream.device()->pos());
            // A record holds its index: only one at the same place can be
            // copied.
            if (i < previous_.size() && previous_[i] == b) {
                const qint64 from = offsets_[i];
                stream.writeRawData(bytes_.constData() + from, int(offsets_[i + 1] - from));
            } else {
                writeButtonRecord(stream, i, b);
            }
            attributes.append(b);
        }
        offsets.append(stream.device()->pos());
    }
    bytes_ = out;
    previous_ = attributes;
    offsets_ = offsets;
    return out;
}
