#include "button_factory.h"
#include "byte_builder.h"
#include "model/mel_text.h"
#include "model/picker_image.h"
#include "model/picker_stream.h"
#include "model/scene_data.h"
#include <gtest/gtest.h>
#include <QtCore/QElapsedTimer>

namespace {

QImage testImage(int w = 8, int h = 6, QRgb c = 0xff336699)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    img.setPixel(0, 0, 0xffff0000);
    return img;
}

const auto button = make_attributes;

picker_window_data sampleWindow()
{
    picker_window_data w;
    w.current = 1;
    picker_tab_data body;
    body.name = QString::fromUtf8("K\xc3\xb6rper \xe2\x98\x85");
    body.backgroundName = QStringLiteral("12884901889");
    body.background = testImage();
    body.buttons << button({10, -20}, 12, 0, 0, 0xffb22222, 0x00ffffff, QString(), {"hero:arm", "hero:leg"})
                 << button({0, 0}, 10, 1, 1, 0x00123456, 0, QStringLiteral("Run"), {"import maya\nprint('x')"})
                 << button({-5, 7}, 1, 1, 0, 0x80000000, 0x00ffffff, QStringLiteral(""), {QString()})
                 << button({3, 3}, 20, 0, 0, 0, 0, QString::fromUtf8("\xe5\x90\x8d"), {});
    picker_tab_data face;
    face.name = QString();
    w.tabs << body << face;
    picker_tab_data third;
    third.name = QStringLiteral("");
    third.backgroundName = QStringLiteral("0");
    w.tabs << third;
    return w;
}

void expectSameButtons(const QList<buttonAttributes>& a, const QList<buttonAttributes>& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (int i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i], b[i]) << "button " << i;
        EXPECT_EQ(a[i].label.isNull(), b[i].label.isNull()) << "button " << i;
        for (int k = 0; k < a[i].nodes.size(); ++k)
            EXPECT_EQ(a[i].nodes[k].isNull(), b[i].nodes[k].isNull()) << "button " << i << " node " << k;
    }
}

picker_tab_data readFile(const QByteArray& bytes, qint32* version, stream_report* report = nullptr)
{
    QDataStream s(bytes);
    s.setVersion(kPickerFileStreamVersion);
    picker_tab_data tab;
    readPickerFile(s, &tab, version, report);
    return tab;
}

} // namespace

TEST(PickerStream, WindowRoundTripKeepsEveryField)
{
    const picker_window_data w = sampleWindow();
    QByteArray bytes;
    {
        QDataStream s(&bytes, QIODevice::WriteOnly);
        writeWindowStream(s, w);
    }
    QDataStream in(bytes);
    picker_window_data r;
    stream_report report;
    ASSERT_TRUE(readWindowStream(in, &r, &report));
    EXPECT_TRUE(report.isEmpty());
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(r.current, 1);
    ASSERT_EQ(r.tabs.size(), 3);
    for (int t = 0; t < 3; ++t) {
        EXPECT_EQ(r.tabs[t].name, w.tabs[t].name);
        EXPECT_EQ(r.tabs[t].name.isNull(), w.tabs[t].name.isNull());
        EXPECT_EQ(r.tabs[t].backgroundName, w.tabs[t].backgroundName);
        expectSameButtons(r.tabs[t].buttons, w.tabs[t].buttons);
    }
    EXPECT_EQ(r.tabs[0].background.convertToFormat(QImage::Format_RGB32), w.tabs[0].background);
    EXPECT_TRUE(r.tabs[2].background.isNull()); // name "0": the encoding of no image
}

TEST(PickerStream, WindowLayoutMatchesHandMadeBytes)
{
    picker_window_data w;
    w.current = 0;
    picker_tab_data t;
    t.name = QStringLiteral("Body");
    t.buttons << button({1, 2}, 10, 0, 0, 0xb22222, 0, QStringLiteral("L"), {"a"});
    w.tabs << t;
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    writeWindowStream(s, w);
    byte_builder expected;
    expected.i32(4).i32(1).i32(0).i32(0).str("Body").str(QString()) // no background: a null name, no image
        .i32(1).button(4, 0, {1, 2}, 10, 0, 0, 0xb22222, 0, "L", {"a"});
    EXPECT_EQ(bytes, expected.bytes());

    // An empty name with an image writes the empty name and no image.
    picker_window_data e;
    picker_tab_data et;
    et.name = QStringLiteral("E");
    et.backgroundName = QStringLiteral("");
    et.background = testImage();
    e.tabs << et;
    QByteArray eb;
    QDataStream es(&eb, QIODevice::WriteOnly);
    writeWindowStream(es, e);
    EXPECT_EQ(eb, byte_builder().i32(4).i32(1).i32(-1).i32(0).str("E").str("").i32(0).bytes());
}

TEST(PickerStream, PickerFileAtStreamVersion7)
{
    picker_tab_data t = sampleWindow().tabs[0];
    QByteArray bytes;
    {
        QDataStream s(&bytes, QIODevice::WriteOnly);
        s.setVersion(kPickerFileStreamVersion);
        writePickerFile(s, t);
    }
    qint32 version = 0;
    const picker_tab_data r = readFile(bytes, &version);
    EXPECT_EQ(version, 4);
    EXPECT_EQ(r.name, t.name);
    EXPECT_EQ(r.backgroundName, t.backgroundName);
    EXPECT_EQ(r.background.convertToFormat(QImage::Format_RGB32), t.background);
    expectSameButtons(r.buttons, t.buttons);
    // The primitives have the same bytes at the default stream version.
    QByteArray bytesDefault;
    {
        QDataStream s(&bytesDefault, QIODevice::WriteOnly);
        writePickerFile(s, t);
    }
    EXPECT_EQ(bytes, bytesDefault);
}

TEST(PickerStream, VersionRulesOfOlderFiles)
{
    // Version 1: no background block, no kind, language or label colour.
    byte_builder v1;
    v1.i32(1).str("Old").i32(2)
        .button(1, 0, {5, 5}, 10, 0, 0, 0x00ff00, 0, "a", {"n1"})
        .button(1, 1, {6, 6}, 11, 0, 0, 0x0000ff, 0, "", {"n2", "n3"});
    qint32 version = 0;
    picker_tab_data r = readFile(v1.bytes(), &version);
    EXPECT_EQ(version, 1);
    ASSERT_EQ(r.buttons.size(), 2);
    EXPECT_TRUE(r.backgroundName.isEmpty());
    for (const buttonAttributes& b : r.buttons) {
        EXPECT_EQ(b.kind, 0);
        EXPECT_EQ(b.language, 0);
        EXPECT_EQ(b.labelColor, 16777215u);
    }
    EXPECT_EQ(r.buttons[1].nodes, QStringList({"n2", "n3"}));

    // Version 3: like 2, a background block, kind and language, white labels.
    byte_builder v3;
    v3.i32(3).str("Three").str("77").image(testImage()).i32(1)
        .button(3, 0, {1, 1}, 10, 1, 1, 0x123456, 0, "py", {"print(1)"});
    r = readFile(v3.bytes(), &version);
    EXPECT_EQ(version, 3);
    EXPECT_EQ(r.backgroundName, QStringLiteral("77"));
    EXPECT_FALSE(r.background.isNull());
    ASSERT_EQ(r.buttons.size(), 1);
    EXPECT_EQ(r.buttons[0].kind, 1);
    EXPECT_EQ(r.buttons[0].language, 1);
    EXPECT_EQ(r.buttons[0].labelColor, 16777215u);

    // A version above 4 is read with the version-4 layout (and reported).
    byte_builder v9;
    v9.i32(9).str("Nine").str("").i32(1).button(4, 0, {1, 1}, 10, 0, 0, 1, 2, "", {"x"});
    stream_report report;
    r = readFile(v9.bytes(), &version, &report);
    EXPECT_EQ(version, 9);
    ASSERT_EQ(r.buttons.size(), 1);
    EXPECT_EQ(r.buttons[0].labelColor, 2u);
    ASSERT_EQ(report.size(), 1);
    EXPECT_EQ(report[0].kind, stream_problem::NewerVersion);
}

TEST(PickerStream, InvalidRecordsAreDroppedAndTheRestKept)
{
    byte_builder b;
    b.i32(4).str("Mixed").str("").i32(6)
        .button(4, 0, {0, 0}, 10, 0, 0, 0, 0, "", {"keep0"})
        .button(4, 1, {0, 0}, 10, 1, 1, 0, 0, "", {"python ok"})
        .button(4, 7, {0, 0}, 10, 0, 0, 0, 0, "", {"wrong index"})
        .button(4, 3, {0, 0}, 10, 2, 0, 0, 0, "", {"kind 2"})
        .button(4, 4, {0, 0}, 10, 0, 2, 0, 0, "", {"language 2"})
        .button(4, 5, {0, 0}, 10, -1, 0, 0, 0, "", {"negative kind"});
    qint32 version = 0;
    stream_report report;
    const picker_tab_data r = readFile(b.bytes(), &version, &report);
    ASSERT_EQ(r.buttons.size(), 2);
    EXPECT_EQ(r.buttons[0].nodes, QStringList({"keep0"}));
    EXPECT_EQ(r.buttons[1].nodes, QStringList({"python ok"}));
    ASSERT_EQ(report.size(), 4);
    EXPECT_EQ(report[0].kind, stream_problem::WrongIndex);
    EXPECT_EQ(report[0].position, 2);
    EXPECT_EQ(report[0].index, 7);
    EXPECT_EQ(report[1].kind, stream_problem::InvalidKind);
    EXPECT_EQ(report[1].position, 3);
    EXPECT_EQ(report[1].buttonKind, 2);
    EXPECT_EQ(report[2].language, 2);
    EXPECT_EQ(report[3].buttonKind, -1);
}

TEST(PickerStream, NewerWindowStreamIsRefusedUnread)
{
    byte_builder b;
    b.i32(5).i32(1).i32(0);
    QDataStream s(b.bytes());
    picker_window_data w;
    stream_report report;
    EXPECT_FALSE(readWindowStream(s, &w, &report));
    EXPECT_EQ(w.version, 5);
    EXPECT_TRUE(w.tabs.isEmpty());
    ASSERT_EQ(report.size(), 1);
    EXPECT_EQ(report[0].version, 5);
}

TEST(PickerStream, TabCountsAndCurrentIndexAsStored)
{
    byte_builder zero;
    zero.i32(4).i32(0).i32(-1);
    QDataStream s(zero.bytes());
    picker_window_data w;
    ASSERT_TRUE(readWindowStream(s, &w));
    EXPECT_TRUE(w.tabs.isEmpty());

    byte_builder two;
    two.i32(4).i32(2).i32(5);
    for (int t = 0; t < 2; ++t)
        two.i32(t).str(QStringLiteral("T%1").arg(t)).str("").i32(0);
    QDataStream s2(two.bytes());
    ASSERT_TRUE(readWindowStream(s2, &w));
    EXPECT_EQ(w.tabs.size(), 2);
    EXPECT_EQ(w.current, 5); // the window decides what an out-of-range index means
}

TEST(PickerStream, CorruptCountsStopAtTheEndOfTheData)
{
    // Counts of two billion with no data behind them: the readers must stop
    // at once instead of reading empty records or reserving memory.
    QElapsedTimer timer;
    timer.start();
    {
        byte_builder b;
        b.i32(4).i32(0x7fffffff).i32(0).i32(0).str("t").str("").i32(0x7fffffff)
            .button(4, 0, {0, 0}, 1, 0, 0, 0, 0, "", {"a"});
        QDataStream s(b.bytes());
        picker_window_data w;
        stream_report report;
        ASSERT_TRUE(readWindowStream(s, &w, &report));
        ASSERT_EQ(w.tabs.size(), 1);
        EXPECT_EQ(w.tabs[0].buttons.size(), 1);
        ASSERT_FALSE(report.isEmpty());
        EXPECT_EQ(report.last().kind, stream_problem::Truncated);
    }
    {
        byte_builder b; // a node count of two billion
        b.i32(1).i32(1).i32(0).i32(0).i32(0).i32(1).i32(0).i32(0).i32(0).i32(0).str("").i32(0x7fffffff).str("n");
        QDataStream s(b.bytes());
        EXPECT_TRUE(readButtonAttributes(s).isEmpty());
    }
    {
        byte_builder b; // a string claiming 2 GB
        b.i32(4).i32(0x7ffffffe);
        QDataStream s(b.bytes());
        s.setVersion(kPickerFileStreamVersion);
        picker_tab_data t;
        qint32 v = 0;
        stream_report report;
        readPickerFile(s, &t, &v, &report);
        EXPECT_TRUE(t.buttons.isEmpty());
        EXPECT_EQ(report.size(), 1);
    }
    EXPECT_LT(timer.elapsed(), 5000); // generous: this guards against a hang, not a speed target
}

TEST(PickerStream, ButtonListBlock)
{
    const QList<buttonAttributes> list = sampleWindow().tabs[0].buttons;
    QByteArray bytes;
    {
        QDataStream s(&bytes, QIODevice::WriteOnly);
        writeButtonAttributes(s, list);
    }
    byte_builder head;
    head.i32(1).i32(list.size());
    EXPECT_TRUE(bytes.startsWith(head.bytes()));
    QDataStream in(bytes);
    expectSameButtons(readButtonAttributes(in), list);

    byte_builder v2;
    v2.i32(2).i32(1).button(4, 0, {0, 0}, 1, 0, 0, 0, 0, "", {"a"});
    QDataStream in2(v2.bytes());
    EXPECT_TRUE(readButtonAttributes(in2).isEmpty());
    byte_builder empty;
    empty.i32(1).i32(0);
    QDataStream in3(empty.bytes());
    EXPECT_TRUE(readButtonAttributes(in3).isEmpty());
}

TEST(PickerImage, EncodingAndScanning)
{
    const QImage img = testImage(5, 4);
    QByteArray bytes;
    {
        QDataStream s(&bytes, QIODevice::WriteOnly);
        writeImage(s, img);
        writeImage(s, QImage());
        s << qint32(42); // data after the images stays aligned
    }
    byte_builder expected;
    expected.image(img).i32(0).i32(42);
    EXPECT_EQ(bytes, expected.bytes());
    QDataStream in(bytes);
    QImage a, b;
    readImage(in, &a);
    readImage(in, &b);
    qint32 tail = 0;
    in >> tail;
    EXPECT_EQ(a.convertToFormat(QImage::Format_RGB32), img);
    EXPECT_TRUE(b.isNull());
    EXPECT_EQ(tail, 42);
}

TEST(PickerImage, ForgedPngsAreRefused)
{
    QByteArray png;
    {
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        testImage().save(&buf, "PNG");
    }
    struct Row {
        const char* what;
        QByteArray bytes;
    };
    QByteArray huge = png;
    // IHDR width and height at bytes 16..23: claim 100000 x 100000.
    const char dims[8] = {0, 1, (char)0x86, (char)0xa0, 0, 1, (char)0x86, (char)0xa0};
    huge.replace(16, 8, QByteArray(dims, 8));
    QByteArray longChunk = png;
    const char len[4] = {(char)0x7f, (char)0xff, (char)0xff, (char)0xf0};
    longChunk.replace(33, 4, QByteArray(len, 4)); // the chunk after IHDR
    const Row rows[] = {
        {"signature", QByteArray("\x89PNX\r\n\x1a\n") + png.mid(8)},
        {"truncated", png.left(png.size() - 5)},
        {"huge dimensions", huge},
        {"chunk longer than the data", longChunk},
    };
    for (const Row& r : rows) {
        QByteArray bytes = byte_builder().i32(1).raw(r.bytes).bytes();
        QDataStream s(bytes);
        QImage img;
        readImage(s, &img);
        EXPECT_TRUE(img.isNull()) << r.what;
        EXPECT_NE(s.status(), QDataStream::Ok) << r.what;
    }
}

TEST(SceneValues, ImageValueMarkerOrBarePng)
{
    const QImage img = testImage();
    QImage out;
    EXPECT_TRUE(decodeImageValue(encodeImageValue(img), &out));
    EXPECT_EQ(out.convertToFormat(QImage::Format_RGB32), img);
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    EXPECT_TRUE(decodeImageValue(png.toBase64(), &out));
    EXPECT_FALSE(out.isNull());
    EXPECT_TRUE(decodeImageValue(encodeImageValue(QImage()), &out)); // the removed background
    EXPECT_TRUE(out.isNull());
    EXPECT_EQ(encodeImageValue(QImage()), QByteArray("AAAAAA=="));
    EXPECT_FALSE(decodeImageValue("not an image", &out));
    EXPECT_FALSE(decodeImageValue("", &out));
}

TEST(SceneValues, SceneDataRoundTripAndForgedHeaders)
{
    const QByteArray stream = QByteArray("window stream bytes ").repeated(100);
    const QByteArray text = encodeSceneData(stream);
    EXPECT_FALSE(text.contains('\n'));
    EXPECT_EQ(qUncompress(QByteArray::fromBase64(text)), stream); // the toolkit's own framing
    EXPECT_EQ(decodeSceneData(text), stream);
    EXPECT_TRUE(decodeSceneData("!!not base64!!").isEmpty());
    EXPECT_TRUE(decodeSceneData("").isEmpty());
    // A header claiming 4 GB on a few bytes of data is refused before any allocation.
    QByteArray forged = QByteArray("\xff\xff\xff\xff", 4) + qCompress("abc").mid(4);
    EXPECT_TRUE(decodeSceneData(forged.toBase64()).isEmpty());
    EXPECT_TRUE(readSceneData(forged.toBase64()).stream.size() < 64);
    // Line breaks a text tool put in are no damage; a stray character is.
    QByteArray wrapped = text;
    wrapped.insert(40, "\r\n").insert(10, ' ');
    EXPECT_EQ(readSceneData(wrapped).stream, stream);
    EXPECT_TRUE(readSceneData(wrapped).damage.isEmpty());
    QByteArray stray = text;
    stray.insert(30, '*');
    EXPECT_EQ(readSceneData(stray).damage, QStringLiteral("the text is not Base64 from character 31 on"));
}

TEST(MelText, NamesCannotEscapeTheirString)
{
    EXPECT_EQ(mel_escape(QStringLiteral("a\"b\\c\nd\te\rf;")), QStringLiteral("a\\\"b\\\\c\\nd\\te\\rf;"));
    EXPECT_EQ(mel_quote(QStringLiteral("x")), QStringLiteral("\"x\""));
    EXPECT_TRUE(is_plain_identifier(QStringLiteral("12884901889")));
    EXPECT_TRUE(is_plain_identifier(QStringLiteral("bg_1")));
    EXPECT_FALSE(is_plain_identifier(QStringLiteral("a;b")));
    EXPECT_FALSE(is_plain_identifier(QString()));
    struct Row { const char* name; const char* argument; };
    const Row rows[] = {
        {"hero:arm_ctrl", "hero:arm_ctrl"},
        {"|grp|hero:arm.translateX", "|grp|hero:arm.translateX"},
        {"pCube1.vtx[0:7]", "pCube1.vtx[0:7]"},
        {"hero:*", "hero:*"},
        {"a-b", "a-b"},
        {"a; file -f -new", "\"a; file -f -new\""},
        {"a\"b", "\"a\\\"b\""},
        {"", "\"\""},
        {"caf\xc3\xa9", "\"caf\xc3\xa9\""},
        {"`ls`", "\"`ls`\""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(mel_node_argument(QString::fromUtf8(r.name)), QString::fromUtf8(r.argument)) << r.name;
}

TEST(PickerStream, PickerFileWithoutVersionAndNameIsNoPicker)
{
    byte_builder header;
    header.i32(4).str("Name");
    const struct {
        const char* what;
        QByteArray bytes;
        bool picker;
    } rows[] = {
        {"empty", QByteArray(), false},
        {"version only", byte_builder().i32(4).bytes(), false},
        {"name cut short", header.bytes().left(9), false},
        {"odd name length", byte_builder().i32(4).i32(3).raw("abc").bytes(), false},
        {"header only, no buttons", header.bytes(), true},
        {"null name, version 1", byte_builder().i32(1).i32(0xFFFFFFFFu).i32(0).bytes(), true},
    };
    for (const auto& r : rows) {
        QDataStream s(r.bytes);
        s.setVersion(kPickerFileStreamVersion);
        picker_tab_data tab;
        qint32 version = 0;
        stream_report report;
        EXPECT_EQ(readPickerFile(s, &tab, &version, &report), r.picker) << r.what;
        if (!r.picker) {
            EXPECT_TRUE(tab.name.isNull()) << r.what;
            ASSERT_EQ(report.size(), 1) << r.what;
            EXPECT_EQ(report[0].kind, stream_problem::Truncated) << r.what;
        }
    }
}
