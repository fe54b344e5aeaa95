// Side rules on names, scripts and labels; a picker's mirror settings in
// its stored forms; one button's mirror image.
#include "model/button_mirror.h"
#include "model/picker_stream.h"
#include "model/side_rules.h"
#include "model/svg_path.h"
#include <gtest/gtest.h>
#include <QtCore/QBuffer>

namespace {

enum text_kind { name, script, label };

} // namespace

TEST(SideRules, TheDefaultRulesMirrorNamesScriptsAndLabels)
{
    const struct {
        text_kind kind;
        const char* text;
        const char* mirrored;
    } rows[] = {
        {name, "hero:l_arm_ctrl", "hero:r_arm_ctrl"},
        {name, "hero:r_arm_ctrl", "hero:l_arm_ctrl"},
        {name, "L_Arm_CTRL", "R_Arm_CTRL"},
        {name, "arm_l", "arm_r"},
        {name, "arm_R", "arm_L"},
        {name, "hero:arm_l_ctrl", "hero:arm_r_ctrl"},
        {name, "pole_l_01", "pole_r_01"},
        {name, "hero:arm_lf_ctrl", "hero:arm_rt_ctrl"},
        {name, "arm_Rt", "arm_Lf"},
        {name, "arm_LF", "arm_RT"},                       // in any case, kept
        {name, "hero:LeftArm", "hero:RightArm"},
        {name, "footLeft_ctrl", "footRight_ctrl"},        // a camel-case hump
        {name, "eyeLeft01", "eyeRight01"},
        {name, "left_hand", "right_hand"},
        {name, "LEFT_HAND", "RIGHT_HAND"},
        {name, "l_arm_l", "r_arm_r"},                     // two side parts
        {name, "l_arm_r", "r_arm_l"},
        {name, "Left_leg_lf", "Right_leg_rt"},
        {name, "l_hand:l_thumb", "l_hand:r_thumb"},       // namespaces stay
        {name, "a:b:r_foot", "a:b:l_foot"},
        {name, "|hero:rig|hero:l_arm_grp|hero:l_arm_ctrl", "|hero:rig|hero:r_arm_grp|hero:r_arm_ctrl"},
        {name, "hero:l_arm_ctrl.translateX", "hero:r_arm_ctrl.translateX"},
        {name, "Leftover_ctrl", "Leftover_ctrl"},         // no side part
        {name, "cleft_ctrl", "cleft_ctrl"},
        {name, "arm_lx", "arm_lx"},
        {name, "hero:spine_01_ctrl", "hero:spine_01_ctrl"},
        {name, "", ""},
        {script, "select -r \"hero:l_arm_ctrl\" \"hero:l_elbow_ctrl\";", "select -r \"hero:r_arm_ctrl\" \"hero:r_elbow_ctrl\";"},
        {script, "cmds.select('hero:Left_ctrl.tx')", "cmds.select('hero:Right_ctrl.tx')"},
        {label, "L arm", "R arm"},
        {label, "Hand L", "Hand R"},
        {label, "Left", "Right"},
        {label, "spine", "spine"},
    };
    const side_rules rules;
    for (const auto& r : rows) {
        const QString text = QString::fromLatin1(r.text);
        const QString out = r.kind == name     ? rules.mirror_name(text)
                            : r.kind == script ? rules.mirror_script(text)
                                               : rules.mirror_label(text);
        EXPECT_EQ(out, QString::fromLatin1(r.mirrored)) << r.text;
        // Mirroring twice gives the text back.
        const QString back = r.kind == name     ? rules.mirror_name(out)
                             : r.kind == script ? rules.mirror_script(out)
                                                : rules.mirror_label(out);
        EXPECT_EQ(back, text) << r.text;
    }
}

TEST(SideRules, APickersOwnRulesReplaceTheDefaultsAndAreChecked)
{
    const side_rules own({{QStringLiteral("lft_"), QStringLiteral("rgt_")}, {QStringLiteral("_Links"), QStringLiteral("_Rechts")}});
    EXPECT_EQ(own.mirror_name(QStringLiteral("hero:lft_arm_Links")), QStringLiteral("hero:rgt_arm_Rechts"));
    EXPECT_EQ(own.mirror_name(QStringLiteral("hero:l_arm")), QStringLiteral("hero:l_arm"));
    const struct {
        const char* left;
        const char* right;
        bool ok;
    } pairs[] = {
        {"l_", "r_", true},   {"Lf", "Rt", true},     {"_a_", "_b_", true}, {"l_", "_r", false},
        {"", "r", false},     {"a:b", "c:d", false},  {"_", "__", false},   {"Left", "left", false},
    };
    for (const auto& p : pairs)
        EXPECT_EQ(side_rules::check_pair(QLatin1String(p.left), QLatin1String(p.right)).isEmpty(), p.ok)
            << p.left << " " << p.right;
}

namespace {

mirror_settings own_settings()
{
    mirror_settings s;
    s.rules = {{QStringLiteral("lft_"), QStringLiteral("rgt_")}};
    s.hasAxis = true;
    s.axis = -160;
    s.hasColors = true;
    s.leftColor = 0x3070E0;
    s.rightColor = 0xD03030;
    return s;
}

picker_tab_data tab_with(const mirror_settings& s)
{
    picker_tab_data tab;
    tab.name = QStringLiteral("Body");
    tab.backgroundName = QStringLiteral("");
    buttonAttributes b;
    b.nodes = QStringList{QStringLiteral("hero:l_arm_ctrl")};
    tab.buttons << b;
    tab.mirror = s;
    return tab;
}

QByteArray file_bytes(const picker_tab_data& tab)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kPickerFileStreamVersion);
    writePickerFile(out, tab);
    return bytes;
}

picker_tab_data read_file(const QByteArray& bytes)
{
    QDataStream in(bytes);
    in.setVersion(kPickerFileStreamVersion);
    picker_tab_data tab;
    qint32 version = 0;
    EXPECT_TRUE(readPickerFile(in, &tab, &version));
    return tab;
}

} // namespace

TEST(MirrorSettings, StoredInPickerFilesAndWindowStreamsOnlyWhenSet)
{
    // None set: no record, the bytes of a picker without settings.
    EXPECT_TRUE(mirrorRecords(mirror_settings()).isEmpty());
    const QByteArray plain = file_bytes(tab_with(mirror_settings()));
    EXPECT_EQ(read_file(plain).mirror, mirror_settings());

    const mirror_settings s = own_settings();
    const QByteArray stored = file_bytes(tab_with(s));
    EXPECT_TRUE(stored.startsWith(plain)); // after all an earlier reader reads
    EXPECT_EQ(read_file(stored).mirror, s);

    picker_window_data window;
    window.current = 1;
    window.tabs << tab_with(mirror_settings()) << tab_with(s);
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        writeWindowStream(out, window);
    }
    QDataStream in(bytes);
    picker_window_data back;
    ASSERT_TRUE(readWindowStream(in, &back));
    ASSERT_EQ(back.tabs.size(), 2);
    EXPECT_EQ(back.tabs[0].mirror, mirror_settings());
    EXPECT_EQ(back.tabs[1].mirror, s);
}

TEST(MirrorSettings, ADamagedRecordGivesTheDefaultsAndBadRulesAreLeftOut)
{
    const extension_record good = mirrorRecords(own_settings()).first();
    for (int cut = 0; cut < good.second.size(); ++cut)
        EXPECT_EQ(readMirrorRecords({{kMirrorTag, good.second.left(cut)}}), mirror_settings()) << cut;
    mirror_settings bad = own_settings();
    bad.rules.append({QStringLiteral("a|b"), QStringLiteral("c")});
    bad.axis = 1 << 30; // beyond the canvas
    const mirror_settings read = readMirrorRecords(mirrorRecords(bad));
    EXPECT_EQ(read.rules, own_settings().rules);
    EXPECT_FALSE(read.hasAxis);
    EXPECT_TRUE(read.hasColors);
}

TEST(ButtonMirror, PositionNamesLabelColoursAndShapeMirrorAboutTheAxis)
{
    buttonAttributes b;
    b.position = QPoint(210, 130);
    b.nodes = QStringList{QStringLiteral("hero:l_arm_ctrl"), QStringLiteral("hero:spine_ctrl")};
    b.label = QStringLiteral("L arm");
    b.color = 0xFF3070E0; // the top byte is kept
    b.labelColor = 0x123456;
    b.shape.kind = button_shape::Polygon;
    b.shape.points = {QPoint(-3, -6), QPoint(8, 0), QPoint(-3, 6)};
    mirror_settings s = own_settings();
    s.rules.clear();
    const buttonAttributes m = mirrored_button(b, s.side(), s, mirror_axis_twice(s, {b}));
    EXPECT_EQ(m.position, QPoint(-530, 130));
    EXPECT_EQ(m.nodes, QStringList({"hero:r_arm_ctrl", "hero:spine_ctrl"}));
    EXPECT_EQ(m.label, QStringLiteral("R arm"));
    EXPECT_EQ(m.color, 0xFFD03030u);
    EXPECT_EQ(m.labelColor, 0x123456u);
    EXPECT_EQ(m.shape.points, QVector<QPoint>({QPoint(3, -6), QPoint(-8, 0), QPoint(3, 6)}));
    EXPECT_FALSE(mirrors_to_itself(b, s.side()));

    // A path flips too; without an axis two buttons swap places.
    b.shape = button_shape();
    b.shape.kind = button_shape::Path;
    b.shape.path = QStringLiteral("M-4 -4 L10 0 L-4 4 Z");
    buttonAttributes other = b;
    other.position = QPoint(110, 130);
    const qint64 middle = mirror_axis_twice(mirror_settings(), {b, other});
    const buttonAttributes f = mirrored_button(b, side_rules(), mirror_settings(), middle);
    EXPECT_EQ(f.position, QPoint(110, 130));
    QPainterPath flipped;
    ASSERT_TRUE(parse_svg_path(f.shape.path, &flipped));
    EXPECT_EQ(flipped.boundingRect(), QRectF(-10, -4, 14, 8));
}
