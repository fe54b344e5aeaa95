// The bytes of a picker file, a scene's window stream, a clipboard payload
// and a scene image value, fixed in tests/data/golden: every build, whatever
// its Qt, writes exactly these and reads them back to the same pickers.
//
// QB_WRITE_GOLDEN=1 rewrites the golden files (only after a deliberate
// format change). QB_CROSS_DIR=<folder> also writes this build's files into
// <folder>/qt<major>/ and reads back what a build of the other Qt major left
// there, so CI can cross a Qt 5 build with a Qt 6 build.
#include "button_factory.h"
#include "model/picker_image.h"
#include "model/picker_stream.h"
#include "model/scene_data.h"
#include <gtest/gtest.h>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtGui/QPainter>

namespace {
QImage background()
{
    // Drawn pixel by pixel: no painter or font that could differ between Qt versions.
    QImage image(7, 5, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(x * 36, y * 60, (x * y * 17) & 255, x == 3 ? 128 : 255));
    return image;
}

QList<buttonAttributes> buttons()
{
    return {make_attributes({40, 30}, 12, kSelectionButton, kMelScript, 0x00B22222u, 0, QString(), {"ns:jaw_ctl"}),
            make_attributes({-5, 200}, 30, kSelectionButton, kMelScript, 0xff00ff00u, 0x00ffffffu,
                            QString::fromUtf8("\xc5\x92il gauche"), {"l_eye_ctl", "r_eye_ctl"}),
            make_attributes({100, 10}, 20, kCommandButton, kPythonScript, 0x00123456u, 0x00ff8000u,
                            QStringLiteral("Reset"), {"import maya.cmds as mc\nmc.select(clear=True)"})};
}

picker_tab_data face()
{
    picker_tab_data t;
    t.name = QStringLiteral("Face");
    t.backgroundName = QStringLiteral("face.png");
    t.background = background();
    t.buttons = buttons();
    return t;
}

picker_window_data window()
{
    picker_window_data w;
    w.current = 1;
    picker_tab_data body;
    body.name = QStringLiteral("Body");
    body.buttons = buttons().mid(1);
    w.tabs = {face(), body};
    return w;
}

QByteArray picker_file_bytes()
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(kPickerFileStreamVersion);
    writePickerFile(s, face());
    return bytes;
}

QByteArray window_stream_bytes()
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    writeWindowStream(s, window());
    return bytes;
}

QByteArray clipboard_bytes()
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    writeButtonAttributes(s, buttons());
    return bytes;
}

QImage argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

void expect_same_tab(const picker_tab_data& a, const picker_tab_data& b, const std::string& what)
{
    EXPECT_EQ(a.name, b.name) << what;
    EXPECT_EQ(a.backgroundName, b.backgroundName) << what;
    EXPECT_EQ(argb(a.background), argb(b.background)) << what;
    EXPECT_EQ(a.buttons, b.buttons) << what;
}

// Reads each layout from bytes and checks it gives the pickers above.
void expect_reads_back(const QString& kind, const QByteArray& bytes, const std::string& what)
{
    if (kind == QLatin1String("image_value")) {
        QImage image;
        ASSERT_TRUE(decodeImageValue(bytes, &image)) << what;
        EXPECT_EQ(argb(image), argb(background())) << what;
        return;
    }
    QDataStream s(bytes);
    if (kind == QLatin1String("picker_file")) {
        s.setVersion(kPickerFileStreamVersion);
        picker_tab_data t;
        qint32 version = 0;
        ASSERT_TRUE(readPickerFile(s, &t, &version)) << what;
        EXPECT_EQ(version, kPickerDataVersion) << what;
        expect_same_tab(t, face(), what);
    } else if (kind == QLatin1String("window_stream")) {
        picker_window_data w;
        ASSERT_TRUE(readWindowStream(s, &w)) << what;
        const picker_window_data expected = window();
        EXPECT_EQ(w.current, expected.current) << what;
        ASSERT_EQ(w.tabs.size(), expected.tabs.size()) << what;
        for (int i = 0; i < w.tabs.size(); ++i)
            expect_same_tab(w.tabs[i], expected.tabs[i], what);
    } else {
        EXPECT_EQ(readButtonAttributes(s), buttons()) << what;
    }
    EXPECT_EQ(s.status(), QDataStream::Ok) << what;
    EXPECT_TRUE(s.atEnd()) << what;
}

struct layout {
    const char* kind;
    const char* file;
    QByteArray (*bytes)();
};

const layout kLayouts[] = {
    {"picker_file", "picker.qbx", picker_file_bytes},
    {"window_stream", "scene_window_stream.bin", window_stream_bytes},
    {"clipboard", "clipboard_buttons.bin", clipboard_bytes},
    {"image_value", "image_value.txt", [] { return encodeImageValue(background()); }},
};

QByteArray read_all(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write_all(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size()) << path.toStdString();
}
} // namespace

TEST(GoldenBytes, EveryLayoutWritesTheGoldenBytes)
{
    const QDir golden(QStringLiteral(QB_TEST_DATA "/golden"));
    const bool rewrite = qgetenv("QB_WRITE_GOLDEN") == "1";
    for (const layout& l : kLayouts) {
        const QString path = golden.filePath(QLatin1String(l.file));
        if (rewrite)
            write_all(path, l.bytes());
        const QByteArray expected = read_all(path);
        ASSERT_FALSE(expected.isEmpty()) << l.file;
        EXPECT_EQ(l.bytes(), expected) << l.file;
        expect_reads_back(QLatin1String(l.kind), expected, l.file);
    }
}

// The PNG's resolution is fixed: Qt 5 and Qt 6 give new images different
// ones (from the screen), which must not change the bytes.
TEST(GoldenBytes, ImageBytesIgnoreTheScreenResolution)
{
    const QByteArray golden = encodeImageValue(background());
    for (const int dotsPerMeter : {2835, 3780, 3937, 7874}) {
        QImage image = background();
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        EXPECT_EQ(encodeImageValue(image), golden) << dotsPerMeter;
    }
}

// The scene keeps the window stream compressed; it reads back through the
// same decoding whichever build compressed it.
TEST(GoldenBytes, SceneValueRoundTrips)
{
    const QByteArray stream = window_stream_bytes();
    EXPECT_EQ(decodeSceneData(encodeSceneData(stream)), stream);
}

TEST(GoldenBytes, CrossesWithTheOtherQtBuild)
{
    const QByteArray dir = qgetenv("QB_CROSS_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "QB_CROSS_DIR not set";
    const int major = QT_VERSION >> 16;
    const QDir mine(QString::fromLocal8Bit(dir) + QStringLiteral("/qt%1").arg(major));
    const QDir theirs(QString::fromLocal8Bit(dir) + QStringLiteral("/qt%1").arg(major == 5 ? 6 : 5));
    ASSERT_TRUE(QDir().mkpath(mine.path()));
    for (const layout& l : kLayouts)
        write_all(mine.filePath(QLatin1String(l.file)), l.bytes());
    write_all(mine.filePath(QStringLiteral("scene_value.txt")), encodeSceneData(window_stream_bytes()));
    if (!theirs.exists())
        GTEST_SKIP() << "nothing from the other build yet in " << theirs.path().toStdString();
    for (const layout& l : kLayouts) {
        const QByteArray bytes = read_all(theirs.filePath(QLatin1String(l.file)));
        ASSERT_FALSE(bytes.isEmpty()) << l.file;
        EXPECT_EQ(bytes, l.bytes()) << l.file;
        expect_reads_back(QLatin1String(l.kind), bytes, std::string("other build's ") + l.file);
    }
    const QByteArray scene = decodeSceneData(read_all(theirs.filePath(QStringLiteral("scene_value.txt"))));
    expect_reads_back(QStringLiteral("window_stream"), scene, "other build's scene value");
}
