#ifndef QB_FUZZ_FUZZ_ENTRIES_H
#define QB_FUZZ_FUZZ_ENTRIES_H
// The readers of picker data, fed arbitrary bytes. Shared by the libFuzzer
// targets and by the regression test that replays inputs which once broke.
#include <cstddef>
#include <cstdint>

int fuzz_window_stream(const uint8_t* data, size_t size);
int fuzz_picker_file(const uint8_t* data, size_t size);
int fuzz_button_list(const uint8_t* data, size_t size);
// A clipboard payload from another process, read as a paste reads it.
int fuzz_clipboard_payload(const uint8_t* data, size_t size);
// The restore directive's text: Base64, zlib framing, window stream.
int fuzz_restore_text(const uint8_t* data, size_t size);
// A scene image value: Base64 of the image encoding or of a bare PNG.
int fuzz_image_value(const uint8_t* data, size_t size);
// Another tool's picker file, read and mapped onto tabs as qbx import does,
// without looking at the disk for the pictures it names.
int fuzz_dwpicker_file(const uint8_t* data, size_t size);
int fuzz_mgear_picker_file(const uint8_t* data, size_t size);
#endif
