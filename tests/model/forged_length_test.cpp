// Forged lengths in stored data: refused at once, with no allocation sized
// by the claim. The toolkit's containers allocate with malloc, so this
// executable counts malloc and realloc (operator new ends there too); under
// AddressSanitizer, whose allocator cannot be replaced, its allocation hook
// does the counting.
#include "byte_builder.h"
#include "model/picker_image.h"
#include "model/picker_stream.h"
#include "model/stream_bounds.h"
#include <gtest/gtest.h>
#include <atomic>
#include <cstdlib>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QB_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QB_ASAN 1
#endif

namespace {

std::atomic<bool> counting{false};
std::atomic<size_t> largest{0};

void note(size_t n)
{
    if (!counting.load(std::memory_order_relaxed))
        return;
    size_t seen = largest.load(std::memory_order_relaxed);
    while (n > seen && !largest.compare_exchange_weak(seen, n)) {
    }
}

} // namespace

#ifdef QB_ASAN
// Declared here: not every compiler ships the header that declares it.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                                          void (*)(const volatile void*));
namespace {
void mallocHook(const volatile void*, size_t n) { note(n); }
void freeHook(const volatile void*) {}
const int installed = __sanitizer_install_malloc_and_free_hooks(mallocHook, freeHook);
} // namespace
#else
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
// The rest of the family (free, memalign...) stays glibc's own: these hand
// out glibc's blocks, so any of them can release them.
void* malloc(size_t n)
{
    note(n);
    return __libc_malloc(n);
}
void* calloc(size_t count, size_t n)
{
    note(count * n);
    return __libc_calloc(count, n);
}
void* realloc(void* p, size_t n)
{
    note(n);
    return __libc_realloc(p, n);
}
}
#endif

namespace {

constexpr qint64 kClaim = 2 << 20; // 1 Mi characters, in bytes
constexpr size_t kSmallBound = 16 * 1024;

struct Counted {
    Counted()
    {
        largest = 0;
        counting = true;
    }
    ~Counted() { counting = false; }
    size_t peak() const { return largest.load(); }
};

QByteArray padded(QByteArray bytes, int size = 40)
{
    bytes.append(QByteArray(qMax(0, size - bytes.size()), '\0'));
    return bytes;
}

enum class Reader { PickerFile, WindowStream, ButtonList };

QDataStream::Status read(Reader reader, const QByteArray& bytes)
{
    QDataStream s(bytes);
    switch (reader) {
    case Reader::PickerFile: {
        s.setVersion(kPickerFileStreamVersion);
        picker_tab_data tab;
        qint32 version = 0;
        readPickerFile(s, &tab, &version);
        break;
    }
    case Reader::WindowStream: {
        picker_window_data w;
        readWindowStream(s, &w);
        break;
    }
    case Reader::ButtonList:
        readButtonAttributes(s);
        break;
    }
    return s.status();
}

} // namespace

TEST(ForgedLengths, RefusedWithoutAllocatingTheClaim)
{
    struct Row {
        const char* what;
        Reader reader;
        QByteArray bytes;
    };
    const auto record = [](byte_builder& b, qint32 index) -> byte_builder& {
        return b.i32(index).i32(0).i32(0).i32(10).i32(0).i32(0).i32(0).i32(0);
    };
    byte_builder label, node, clip, tabName, background, pickerName, chunk;
    const Row rows[] = {
        {"picker file name", Reader::PickerFile, pickerName.i32(4).i32(kClaim).bytes()},
        {"window tab name", Reader::WindowStream, tabName.i32(4).i32(1).i32(0).i32(0).i32(kClaim).bytes()},
        {"background name", Reader::PickerFile, background.i32(4).str("p").i32(kClaim).bytes()},
        {"button label", Reader::PickerFile, record(label.i32(4).str("p").str(QString()).i32(1), 0).i32(kClaim).bytes()},
        {"node name", Reader::PickerFile,
         record(node.i32(4).str(QString()).str(QString()).i32(1), 0).i32(0).i32(1).i32(kClaim).bytes()},
        {"clipboard label", Reader::ButtonList, record(clip.i32(1).i32(1), 0).i32(kClaim).bytes()},
        {"PNG chunk", Reader::PickerFile,
         chunk.i32(4).str("p").str("b").i32(1).raw(QByteArray("\x89PNG\r\n\x1a\n", 8)).i32(kClaim).raw("IDAT").bytes()},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const QByteArray bytes = padded(r.bytes, qMax(40, r.bytes.size()));
        QDataStream::Status status;
        size_t peak;
        {
            Counted counted;
            status = read(r.reader, bytes);
            peak = counted.peak();
        }
        EXPECT_NE(status, QDataStream::Ok);
        EXPECT_LT(peak, kSmallBound);
    }
}

TEST(ForgedLengths, TheFortyByteFileOfTheReport)
{
    // Version 4, then a name claiming 1 Mi characters, in 40 bytes in all.
    const QByteArray bytes = padded(byte_builder().i32(4).i32(kClaim).bytes());
    ASSERT_EQ(bytes.size(), 40);
    {
        Counted counted;
        EXPECT_EQ(read(Reader::PickerFile, bytes), QDataStream::ReadPastEnd);
        EXPECT_LT(counted.peak(), kSmallBound);
    }
    // The toolkit's own reader sizes the string first: this is what the
    // counting must see, or it counts nothing.
    Counted counted;
    QDataStream s(bytes);
    qint32 version = 0;
    QString name;
    s >> version >> name;
    EXPECT_GE(counted.peak(), size_t(kClaim));
}

TEST(ForgedLengths, StringsReadAsTheToolkitReadsThem)
{
    const QString values[] = {QString(), QStringLiteral(""), QStringLiteral("abc"), QString::fromUtf8("K\xc3\xb6rper")};
    for (QDataStream::ByteOrder order : {QDataStream::BigEndian, QDataStream::LittleEndian}) {
        for (const QString& v : values) {
            QByteArray bytes;
            {
                QDataStream w(&bytes, QIODevice::WriteOnly);
                w.setByteOrder(order);
                w << v << qint32(7);
            }
            for (int cut : {bytes.size(), bytes.size() - 5}) {
                const QByteArray part = bytes.left(cut);
                QDataStream mine(part), theirs(part);
                mine.setByteOrder(order);
                theirs.setByteOrder(order);
                QString a, b;
                qint32 ta = 0, tb = 0;
                readString(mine, &a);
                mine >> ta;
                theirs >> b >> tb;
                EXPECT_EQ(a, b);
                EXPECT_EQ(a.isNull(), b.isNull());
                EXPECT_EQ(ta, tb);
                EXPECT_EQ(mine.status(), theirs.status()) << cut;
            }
        }
    }
}

TEST(ForgedLengths, ImageSidesThatOverflowTheirProductAreRefused)
{
    // Both sides near 2^32: their product wraps a 64-bit signed integer.
    QImage image;
    EXPECT_FALSE(decodeImageValue("iVBORw0KGgoAAAANSUhEUuQImWPkEK4AQyElFkSuQmCC", &image));
    EXPECT_TRUE(image.isNull());

    struct Row {
        quint32 w, h;
        bool accepted;
    };
    const Row rows[] = {{0xe4089963u, 0xe410ae00u, false}, {0xffffffffu, 0xffffffffu, false},
                        {0x80000000u, 2u, false},          {10000u, 10000u, true},
                        {10000u, 10001u, false},           {1u, 100000000u, true}};
    for (const Row& r : rows) {
        QByteArray png("\x89PNG\r\n\x1a\n", 8);
        byte_builder b;
        b.raw(png).i32(13).raw("IHDR").i32(r.w).i32(r.h).raw(QByteArray("\x08\x06\0\0\0", 5)).i32(0);
        b.i32(0).raw("IEND").i32(0);
        QDataStream s(b.bytes());
        const QByteArray read = readPngFile(s);
        EXPECT_EQ(!read.isEmpty(), r.accepted) << r.w << "x" << r.h;
        EXPECT_EQ(s.status() == QDataStream::ReadCorruptData, !r.accepted) << r.w << "x" << r.h;
    }
}
