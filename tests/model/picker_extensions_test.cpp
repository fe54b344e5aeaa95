// Shapes, pictures and label-only buttons in the three layouts: written
// only when used, after what earlier readers read, read back whole, and
// bounded against damaged data.
#include "byte_builder.h"
#include "model/clipboard_payload.h"
#include "model/picker_extensions.h"
#include "model/picker_file_check.h"
#include "model/picker_image.h"
#include "model/picker_stream.h"
#include "model/svg_path.h"
#include <gtest/gtest.h>
#include <QtCore/QBuffer>
#include <QtCore/QTemporaryDir>

namespace {

buttonAttributes button(int x, const QString& label)
{
    buttonAttributes b;
    b.position = QPoint(x, 20);
    b.size = 12;
    b.label = label;
    b.nodes = QStringList{QStringLiteral("hero:") + label};
    return b;
}

QImage picture(QRgb color)
{
    QImage image(6, 4, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

// A picker using every extra: a rounded button, an ellipse with a picture,
// a path, a polygon without frame, and a plain button between them.
picker_tab_data extended_tab()
{
    picker_tab_data tab;
    tab.name = QStringLiteral("Face");
    tab.backgroundName = QStringLiteral("");
    QList<buttonAttributes>& b = tab.buttons;
    b << button(0, QStringLiteral("a")) << button(20, QStringLiteral("b")) << button(40, QStringLiteral("c"))
      << button(60, QStringLiteral("d")) << button(80, QStringLiteral("e"));
    b[0].shape.kind = button_shape::Rounded;
    b[0].shape.width = 30;
    b[0].shape.height = 14;
    b[0].shape.radius = 4;
    b[2].shape.kind = button_shape::Ellipse;
    const QString name = contentImageName(picture(0xff336699));
    b[2].image = name;
    tab.pictures.insert(name, picture(0xff336699));
    b[3].shape.kind = button_shape::Path;
    b[3].shape.path = QStringLiteral("M-5 -5 h10 v10 a5 5 0 0 1 -10 0 z");
    b[4].shape.kind = button_shape::Polygon;
    b[4].shape.points = {QPoint(0, -6), QPoint(6, 6), QPoint(-6, 6)};
    b[4].frame = false;
    return tab;
}

QByteArray picker_file_bytes(const picker_tab_data& tab)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(kPickerFileStreamVersion);
    writePickerFile(s, tab);
    return bytes;
}

// What a reader of the layouts as they were reads: the header, the
// background and the button block, and not one byte more.
QList<buttonAttributes> earlier_reader(const QByteArray& file, qint64* left)
{
    QDataStream s(file);
    s.setVersion(kPickerFileStreamVersion);
    qint32 version = 0;
    QString name, background;
    s >> version >> name >> background;
    QImage image;
    if (!background.isEmpty())
        readImage(s, &image);
    const QList<buttonAttributes> buttons = readButtonBlock(s, version);
    *left = s.device()->bytesAvailable();
    return buttons;
}

} // namespace

TEST(PickerExtensions, EveryLayoutCarriesThemAfterWhatEarlierReadersRead)
{
    const picker_tab_data tab = extended_tab();

    // A picker file: an earlier reader gets the same buttons, as squares,
    // and stops at the block; this one reads them whole.
    const QByteArray file = picker_file_bytes(tab);
    qint64 left = 0;
    const QList<buttonAttributes> earlier = earlier_reader(file, &left);
    ASSERT_EQ(earlier.size(), tab.buttons.size());
    for (int i = 0; i < earlier.size(); ++i) {
        EXPECT_TRUE(earlier[i].shape.isDefault() && earlier[i].frame && earlier[i].image.isEmpty()) << i;
        buttonAttributes plain = tab.buttons[i];
        plain.shape = button_shape();
        plain.image.clear();
        plain.frame = true;
        EXPECT_EQ(earlier[i], plain) << i;
    }
    EXPECT_GT(left, 0); // the block
    QDataStream in(file);
    in.setVersion(kPickerFileStreamVersion);
    picker_tab_data read;
    qint32 version = 0;
    ASSERT_TRUE(readPickerFile(in, &read, &version));
    EXPECT_EQ(in.status(), QDataStream::Ok);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(read.buttons, tab.buttons);
    ASSERT_EQ(read.pictures.keys(), tab.pictures.keys());
    EXPECT_TRUE(samePicture(read.pictures.first(), tab.pictures.first()));

    // A window stream of two tabs, the picture shared: each tab gets its
    // buttons back and the picture is stored once.
    picker_window_data window;
    window.current = 1;
    window.tabs << tab << tab;
    window.tabs[1].name = QStringLiteral("Copy");
    QByteArray stream;
    {
        QDataStream s(&stream, QIODevice::WriteOnly);
        writeWindowStream(s, window);
    }
    EXPECT_EQ(stream.count(QByteArray("IHDR")), 1);
    QDataStream ws(stream);
    picker_window_data back;
    ASSERT_TRUE(readWindowStream(ws, &back));
    EXPECT_TRUE(ws.atEnd());
    ASSERT_EQ(back.tabs.size(), 2);
    for (const picker_tab_data& t : back.tabs) {
        EXPECT_EQ(t.buttons, tab.buttons);
        EXPECT_EQ(t.pictures.keys(), tab.pictures.keys());
    }
    // The assembled stream a scene write makes is the same bytes.
    QList<picker_tab_part> parts;
    for (int t = 0; t < 2; ++t)
        parts << picker_tab_part{window.tabs[t].name, encodeBackgroundBlock(QString(), QImage()),
                                 encodeButtonBlock(tab.buttons), 0, 0, buttonExtensionRecords(tab.buttons),
                                 tab.pictures};
    parts[0].background = encodeBackgroundBlock(tab.backgroundName, QImage());
    parts[1].background = parts[0].background;
    EXPECT_EQ(assembleWindowStream(1, parts), stream);

    // A clipboard payload.
    picker_pictures pasted;
    EXPECT_EQ(readClipboardPayload(writeClipboardPayload(tab.buttons, tab.pictures), &pasted), tab.buttons);
    EXPECT_EQ(pasted.keys(), tab.pictures.keys());
}

TEST(PickerExtensions, PlainPickersKeepTheirBytesAndUnknownTagsAreSkipped)
{
    picker_tab_data plain;
    plain.name = QStringLiteral("P");
    plain.buttons << button(0, QStringLiteral("a"));
    // No extra: not one byte after the button block.
    byte_builder expected;
    expected.i32(4).str("P").str(QString()).i32(1).button(4, 0, {0, 20}, 12, 0, 0, 0x00B22222u, 0, "a", {"hero:a"});
    EXPECT_EQ(picker_file_bytes(plain), expected.bytes());

    // A later version's record of another tag, and a block of a later
    // version, are read past; what this version knows still comes.
    picker_tab_data tab = extended_tab();
    extension_records records = buttonExtensionRecords(tab.buttons);
    records.prepend({0x46555455u /* "FUTU" */, QByteArray("\x01\x02\x03", 3)});
    QByteArray file = picker_file_bytes(plain);
    file += encodeExtensionBlock(records);
    QDataStream in(file);
    in.setVersion(kPickerFileStreamVersion);
    picker_tab_data read;
    qint32 version = 0;
    ASSERT_TRUE(readPickerFile(in, &read, &version));
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(read.buttons[0].shape, tab.buttons[0].shape);
}

TEST(PickerExtensions, DamagedBlocksAreReportedAndNeverOverAllocate)
{
    const QByteArray file = picker_file_bytes(extended_tab());
    QTemporaryDir dir;
    const struct {
        const char* what;
        QByteArray bytes;
    } rows[] = {
        {"cut inside the block", file.left(file.size() - 10)},
        {"a record claiming 4 GB",
         file.left(file.indexOf(QByteArray::fromHex("51425845"))) + QByteArray::fromHex("51425845" "00000001" "00000001")
             + QByteArray::fromHex("53485045" "fffffff0")},
        {"a record count of two thousand million",
         file.left(file.indexOf(QByteArray::fromHex("51425845"))) + QByteArray::fromHex("51425845" "00000001" "7fffffff")},
    };
    for (const auto& r : rows) {
        const QString path = dir.filePath(QStringLiteral("d.qbx"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(r.bytes);
        f.close();
        const picker_file_check check = picker_file_check::read(path);
        EXPECT_TRUE(check.ok()) << r.what;
        EXPECT_TRUE(check.damaged()) << r.what; // reported, never silently half-read
        EXPECT_EQ(check.tab.buttons.size(), 5) << r.what; // the buttons before it stay
    }
}

TEST(SvgPath, EveryCommandAbsoluteAndRelative)
{
    const struct {
        const char* data;
        QRectF bounds; // of the outline
    } rows[] = {
        {"M0 0 L10 0 L10 10 Z", {0, 0, 10, 10}},
        {"m0 0 l10 0 0 10 z", {0, 0, 10, 10}},            // implicit repeat
        {"M0 0 H10 V10 h-10 v-10", {0, 0, 10, 10}},
        {"M0,0 C0,-10 10,-10 10,0 S20,10 20,0", {0, -7.5, 20, 15}},
        {"M0 0 Q5 10 10 0 T20 0", {0, -5, 20, 10}},
        {"M0 0 q5 10 10 0 t10 0", {0, -5, 20, 10}},
        {"M-5 0 A5 5 0 0 0 5 0 A5 5 0 0 0 -5 0 Z", {-5, -5, 10, 10}}, // a circle of two arcs
        {"M0 0 a5 5 0 1 1 10 0", {0, -5, 10, 5}},
        {"M1e1 0L-1.5e+1 .5", {-15, 0, 25, 0.5}},
    };
    for (const auto& r : rows) {
        QPainterPath path;
        QString error;
        ASSERT_TRUE(parse_svg_path(QString::fromLatin1(r.data), &path, &error)) << r.data << " " << error.toStdString();
        const QRectF b = path.boundingRect();
        EXPECT_NEAR(b.left(), r.bounds.left(), 0.05) << r.data;
        EXPECT_NEAR(b.top(), r.bounds.top(), 0.05) << r.data;
        EXPECT_NEAR(b.width(), r.bounds.width(), 0.05) << r.data;
        EXPECT_NEAR(b.height(), r.bounds.height(), 0.05) << r.data;
    }
    QPainterPath path;
    QString error;
    for (const char* bad : {"L0 0", "M0", "M0 0 X5", "M0 0 A5 5 0 2 0 1 1"})
        EXPECT_FALSE(parse_svg_path(QString::fromLatin1(bad), &path, &error)) << bad;
    EXPECT_EQ(first_svg_path_data("<svg xmlns='http://www.w3.org/2000/svg'><g><path d='M0 0 L1 1'/></g></svg>"),
              QStringLiteral("M0 0 L1 1"));
    EXPECT_TRUE(first_svg_path_data("<svg/>").isEmpty());
}
