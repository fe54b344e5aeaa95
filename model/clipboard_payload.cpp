#include "model/clipboard_payload.h"
#include "model/picker_stream.h"
#include <QtCore/QDataStream>
#include <QtCore/QIODevice>

QByteArray writeClipboardPayload(const QList<buttonAttributes>& buttons, const picker_pictures& pictures)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    writeButtonAttributes(stream, buttons, pictures);
    return bytes;
}

QList<buttonAttributes> readClipboardPayload(const QByteArray& payload, picker_pictures* pictures)
{
    if (payload.size() > kMaxClipboardPayloadBytes)
        return {};
    QDataStream stream(payload);
    QList<buttonAttributes> buttons = readButtonAttributes(stream, pictures);
    for (buttonAttributes& b : buttons)
        if (b.label.size() > kMaxPastedLabelLength)
            b.label.truncate(kMaxPastedLabelLength);
    return buttons;
}
