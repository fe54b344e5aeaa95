#include "fuzz_entries.h"
#include "import/picker_import.h"
#include "import/picker_mapping.h"
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

namespace {

int fuzz_import(const uint8_t* data, size_t size, picker_import::Format format)
{
    image_lookup lookup;
    lookup.touchFiles = false;
    const picker_import read = picker_import::read_bytes(bytesOf(data, size), lookup, format);
    if (!read.ok())
        return 0;
    mapping_options options;
    options.readImages = false;
    // Backgrounds drawn small: a run tries many inputs a second.
    options.maxBackgroundPixels = 1 << 20;
    const mapped_picker mapped = map_imported_picker(read.picker, options);
    for (const picker_tab_data& t : mapped.tabs)
        consume(t.buttons);
    volatile int lines = mapped.report.lines().size();
    (void)lines;
    return 0;
}

} // namespace

int fuzz_dwpicker_file(const uint8_t* data, size_t size)
{
    return fuzz_import(data, size, picker_import::DwPicker);
}

int fuzz_mgear_picker_file(const uint8_t* data, size_t size)
{
    return fuzz_import(data, size, picker_import::MGearPicker);
}
