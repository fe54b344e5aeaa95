#include "fuzz_entries.h"
#include "model/clipboard_payload.h"
#include "model/picker_image.h"
#include "model/picker_stream.h"
#include "model/scene_data.h"
#include <QtCore/QByteArray>
#include <QtCore/QDataStream>

namespace {

QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size));
}

// Touch what was read so that a reader handing back garbage shows up.
void consume(const QList<buttonAttributes>& buttons)
{
    volatile qint64 sink = 0;
    for (const buttonAttributes& b : buttons)
        sink = sink + b.position.x() + b.size + b.label.size() + b.nodes.size();
}

} // namespace

int fuzz_window_stream(const uint8_t* data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    QDataStream s(bytes);
    picker_window_data w;
    stream_report report;
    readWindowStream(s, &w, &report);
    for (const picker_tab_data& t : w.tabs)
        consume(t.buttons);
    return 0;
}

int fuzz_picker_file(const uint8_t* data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    QDataStream s(bytes);
    s.setVersion(kPickerFileStreamVersion);
    picker_tab_data t;
    qint32 version = 0;
    stream_report report;
    readPickerFile(s, &t, &version, &report);
    consume(t.buttons);
    return 0;
}

int fuzz_button_list(const uint8_t* data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    QDataStream s(bytes);
    consume(readButtonAttributes(s));
    return 0;
}

int fuzz_clipboard_payload(const uint8_t* data, size_t size)
{
    consume(readClipboardPayload(bytesOf(data, size)));
    return 0;
}

int fuzz_restore_text(const uint8_t* data, size_t size)
{
    // As the restore reads it: as much as decodes, damaged or not.
    const QByteArray stream = readSceneData(bytesOf(data, size)).stream;
    if (stream.isEmpty())
        return 0;
    QDataStream s(stream);
    picker_window_data w;
    readWindowStream(s, &w, nullptr);
    for (const picker_tab_data& t : w.tabs)
        consume(t.buttons);
    return 0;
}

int fuzz_image_value(const uint8_t* data, size_t size)
{
    QImage image;
    decodeImageValue(bytesOf(data, size), &image);
    return 0;
}
