// Controls in the layouts: a selection button of the nodes where earlier
// readers look, the binding in the extension block, damaged records told.
#include "model/clipboard_payload.h"
#include "model/picker_file_check.h"
#include "model/picker_image.h"
#include "model/picker_stream.h"
#include <gtest/gtest.h>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <cmath>

namespace {

buttonAttributes control(button_control::kind_t kind, QStringList attributes, int x)
{
    buttonAttributes b;
    b.position = QPoint(x, 10);
    b.size = 8;
    b.nodes = QStringList{QStringLiteral("hero:brow_ctrl"), QStringLiteral("hero:jaw_ctrl")};
    b.control.kind = kind;
    b.control.attributes = attributes;
    b.control.min = QPointF(-1, -2);
    b.control.max = QPointF(1, 2);
    b.control.length = kind == button_control::Pad ? 40 : 60;
    b.control.orientation = kind == button_control::Slider ? button_control::Vertical : button_control::Horizontal;
    return b;
}

picker_tab_data controls_tab()
{
    picker_tab_data tab;
    tab.name = QStringLiteral("Face");
    tab.backgroundName = QStringLiteral("");
    buttonAttributes plain;
    plain.nodes = QStringList{QStringLiteral("hero:root")};
    tab.buttons << control(button_control::Slider, {QStringLiteral("brow")}, 0) << plain
                << control(button_control::Pad, {QStringLiteral("jawX"), QStringLiteral("jawY")}, 50)
                << control(button_control::Toggle, {QStringLiteral("ikFk")}, 100);
    return tab;
}

QByteArray file_bytes(const picker_tab_data& tab)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(kPickerFileStreamVersion);
    writePickerFile(s, tab);
    return bytes;
}

picker_file_check check_of(const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.qbx"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    f.close();
    return picker_file_check::read(path);
}

} // namespace

TEST(ButtonControl, EarlierReadersGetSelectionButtonsAndThisOneTheControls)
{
    const picker_tab_data tab = controls_tab();
    const QByteArray file = file_bytes(tab);
    const QByteArray block = encodeExtensionBlock(buttonExtensionRecords(tab.buttons));
    ASSERT_TRUE(file.endsWith(block));

    // Today's layout alone: the bytes before the block.
    const picker_file_check earlier = check_of(file.left(file.size() - block.size()));
    ASSERT_TRUE(earlier.ok());
    EXPECT_FALSE(earlier.damaged());
    ASSERT_EQ(earlier.tab.buttons.size(), tab.buttons.size());
    for (int i = 0; i < tab.buttons.size(); ++i) {
        EXPECT_EQ(earlier.tab.buttons[i].kind, kSelectionButton) << i;
        EXPECT_EQ(earlier.tab.buttons[i].nodes, tab.buttons[i].nodes) << i;
        EXPECT_FALSE(earlier.tab.buttons[i].control.isActive()) << i;
    }

    const picker_file_check whole = check_of(file);
    ASSERT_TRUE(whole.ok());
    EXPECT_FALSE(whole.has_problems());
    EXPECT_EQ(whole.tab.buttons, tab.buttons);

    // The window stream and the clipboard carry them too.
    picker_window_data window;
    window.tabs << tab << tab;
    QByteArray stream;
    {
        QDataStream s(&stream, QIODevice::WriteOnly);
        writeWindowStream(s, window);
    }
    QDataStream in(stream);
    picker_window_data back;
    ASSERT_TRUE(readWindowStream(in, &back));
    ASSERT_EQ(back.tabs.size(), 2);
    EXPECT_EQ(back.tabs[1].buttons, tab.buttons);
    picker_pictures none;
    EXPECT_EQ(readClipboardPayload(writeClipboardPayload(tab.buttons, {}), &none), tab.buttons);
}

TEST(ButtonControl, BoxFollowsKindAndOrientation)
{
    buttonRecord slider(control(button_control::Slider, {QStringLiteral("brow")}, 0));
    EXPECT_EQ(slider.rect.size(), QSize(8, 60)); // vertical
    buttonRecord pad(control(button_control::Pad, {QStringLiteral("x"), QStringLiteral("y")}, 0));
    EXPECT_EQ(pad.rect.size(), QSize(40, 40));
    pad.moveTo(QPoint(100, 100));
    EXPECT_EQ(pad.rect.center(), QPoint(100, 100));
}

TEST(ButtonControl, DamagedRecordsAreReportedNotHalfRead)
{
    const picker_tab_data tab = controls_tab();
    const QByteArray file = file_bytes(tab);
    const int tag = file.indexOf(QByteArray("CTRL"));
    ASSERT_GT(tag, 0);
    // Payload: length at tag+4, count at tag+8, then the first entry:
    // index (4), kind (1), orientation (1), length (4), attribute count (4).
    const int entry = tag + 12;
    const auto patched = [&](int at, const QByteArray& bytes) {
        QByteArray b = file;
        b.replace(at, bytes.size(), bytes);
        return b;
    };
    const struct {
        const char* what;
        QByteArray bytes;
    } rows[] = {
        {"kind 9", patched(entry + 4, QByteArray::fromHex("09"))},
        {"orientation 5", patched(entry + 5, QByteArray::fromHex("05"))},
        {"a negative length", patched(entry + 6, QByteArray::fromHex("ffffffff"))},
        {"two attributes on a slider", patched(entry + 10, QByteArray::fromHex("00000002"))},
        {"a count beyond the payload", patched(tag + 8, QByteArray::fromHex("00100000"))},
        {"a name claiming 2 GB", patched(entry + 14, QByteArray::fromHex("7ffffffe"))},
    };
    for (const auto& r : rows) {
        const picker_file_check c = check_of(r.bytes);
        ASSERT_TRUE(c.ok()) << r.what;
        EXPECT_TRUE(c.damaged()) << r.what;
        EXPECT_TRUE(c.summary().contains(QStringLiteral("control record is damaged"))) << r.what;
        ASSERT_EQ(c.tab.buttons.size(), tab.buttons.size()) << r.what;
        EXPECT_FALSE(c.tab.buttons[0].control.isActive()) << r.what;
    }

    // A range that is not a number is refused as well.
    buttonAttributes nan = tab.buttons[0];
    nan.control.max = QPointF(std::nan(""), 0);
    EXPECT_FALSE(nan.control.isValid());
}
