// Replays every input kept under tests/data/fuzz-regressions/<target>/
// through the same reader entry points the fuzz targets use: none may crash,
// hang or exhaust memory.
#include "fuzz_entries.h"
#include <gtest/gtest.h>
#include <QtCore/QDir>
#include <QtCore/QFile>

namespace {

using Entry = int (*)(const uint8_t*, size_t);

int replay(const char* target, Entry entry)
{
    QDir dir(QStringLiteral(QB_TEST_DATA "/fuzz-regressions/") + QLatin1String(target));
    int count = 0;
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files)) {
        QFile f(info.filePath());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << info.filePath().toStdString();
        const QByteArray bytes = f.readAll();
        SCOPED_TRACE(info.fileName().toStdString());
        entry(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
        ++count;
    }
    return count;
}

} // namespace

TEST(FuzzRegressions, EveryKeptInputReadsSafely)
{
    struct Row { const char* target; Entry entry; };
    const Row rows[] = {
        {"window_stream", fuzz_window_stream}, {"picker_file", fuzz_picker_file},
        {"button_list", fuzz_button_list},     {"restore_text", fuzz_restore_text},
        {"image_value", fuzz_image_value},     {"clipboard_payload", fuzz_clipboard_payload},
        {"dwpicker_file", fuzz_dwpicker_file}, {"mgear_picker_file", fuzz_mgear_picker_file},
    };
    int total = 0;
    for (const Row& r : rows)
        total += replay(r.target, r.entry);
    EXPECT_GT(total, 0) << "the regression corpus is missing";
}

TEST(FuzzRegressions, EmptyAndTinyInputs)
{
    const uint8_t bytes[] = {0, 0, 0, 4, 0, 0, 0, 1};
    for (size_t n = 0; n <= sizeof bytes; ++n) {
        fuzz_window_stream(bytes, n);
        fuzz_picker_file(bytes, n);
        fuzz_button_list(bytes, n);
        fuzz_clipboard_payload(bytes, n);
        fuzz_restore_text(bytes, n);
        fuzz_image_value(bytes, n);
        fuzz_dwpicker_file(bytes, n);
        fuzz_mgear_picker_file(bytes, n);
    }
}
