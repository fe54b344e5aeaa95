// Sample pickers written by hand in each tool's format, imported and compared
// with their source one button at a time: position and size after scaling
// (and after the move that puts the background's corner at the origin),
// colours, labels, nodes, scripts; backgrounds; and the report.
#include "import_fixture.h"
#include "import/picker_import.h"
#include "import/picker_mapping.h"
#include "import/report_kinds.h"
#include "model/picker_image.h"

namespace {

// One button as its source gives it: the centre of its outline's box in the
// other tool's units (y down) and the box's shorter side.
struct expected {
    const char* label;
    QPointF centre;
    double side;
    int kind;
    int language;
    QRgb colour;
    QRgb labelColour;
    QStringList nodes; // for a command button, the script
};

void compare(const picker_tab_data& tab, double scale, QPointF offset, const std::vector<expected>& rows)
{
    ASSERT_EQ(tab.buttons.size(), int(rows.size())) << tab.name.toStdString();
    for (size_t i = 0; i < rows.size(); ++i) {
        const expected& e = rows[i];
        const buttonAttributes& b = tab.buttons[int(i)];
        SCOPED_TRACE(std::string(tab.name.toStdString()) + " button " + std::to_string(i) + " " + e.label);
        EXPECT_EQ(b.position, QPoint(qRound(e.centre.x() * scale + offset.x()), qRound(e.centre.y() * scale + offset.y())));
        EXPECT_EQ(b.size, qRound(e.side * scale));
        EXPECT_EQ(b.kind, e.kind);
        EXPECT_EQ(b.language, e.language);
        EXPECT_EQ(b.color & 0xffffffu, e.colour);
        EXPECT_EQ(b.labelColor & 0xffffffu, e.labelColour);
        EXPECT_EQ(b.label, QString::fromUtf8(e.label));
        EXPECT_EQ(b.nodes, e.nodes);
    }
}

const QString kTargetsScript =
    QStringLiteral("from maya import cmds\nfor t in __targets__:\n    cmds.xform(t, translation=(0, 0, 0))");

} // namespace

class ImportSamples : public import_fixture
{
};

TEST_F(ImportSamples, DwpickerOneZeroPanelsShapesCommandsAndBackground)
{
    setEnv("QB_IMPORT_PICTURES", dir_.path());
    picture(QStringLiteral("body.png"), QSize(8, 12), 0xff0ac81eu);
    picture(QStringLiteral("arm_icon.png"), QSize(4, 4), 0xffc80a1eu);
    const picker_import read = picker_import::read_file(sample(QStringLiteral("dwpicker/hero_1_0.json")));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(read.picker.version, QStringLiteral("1.0.2"));
    const mapped_picker m = map_imported_picker(read.picker);
    // 12-pixel labels become the 16 pixels of the labels here.
    EXPECT_DOUBLE_EQ(m.scale, 1.33);
    ASSERT_EQ(m.tabs.size(), 2);
    EXPECT_EQ(m.tabs[0].name, QStringLiteral("Hero - Body"));
    EXPECT_EQ(m.tabs[1].name, QStringLiteral("Hero - Face"));

    // The background shape (-20, -10, 240 x 360) is the picture, stretched;
    // its corner, floored, is the new origin.
    const picker_tab_data& body = m.tabs[0];
    EXPECT_EQ(body.background.size(), QSize(320, 480));
    EXPECT_EQ(body.background.pixel(160, 240), 0xff0ac81eu);
    EXPECT_EQ(body.backgroundName, contentImageName(body.background));
    EXPECT_EQ(body.backgroundName.size(), 40);
    const QPointF offset(27, 14);
    compare(body, 1.33, offset,
            {{"Chest", {100, 52}, 24, kSelectionButton, kMelScript, 0x3366cc, 0xffffff, {"hero:chest_ctrl"}},
             {"Head", {100, 18}, 40, kSelectionButton, kMelScript, 0xcc3333, 0x000000, {"hero:head_ctrl"}},
             {"Hips", {100, 155}, 30, kSelectionButton, kMelScript, 0xe0c040, 0x202020,
              {"hero:hips_ctrl", "hero:spine_01_ctrl"}},
             // Points relative to the corner (40, 300): a triangle 40 x 20.
             {"", {60, 310}, 20, kSelectionButton, kMelScript, 0x40a040, 0xffffff, {"hero:l_foot_ctrl"}},
             // Two cubics between (0, 15) and (30, 15) bulging to 7.5 and 22.5.
             {"", {165, 215}, 15, kSelectionButton, kMelScript, 0x40a0a0, 0xffffff, {"hero:r_hand_ctrl"}},
             {"Reset", {24, 10}, 20, kCommandButton, kPythonScript, 0x505050, 0xffffff, {kTargetsScript}},
             {"Key", {170, 10}, 20, kCommandButton, kMelScript, 0x505050, 0xffff00,
              {"setKeyframe \"hero:chest_ctrl\";"}},
             {"", {32, 92}, 24, kSelectionButton, kMelScript, 0xffffff, 0xffffff, {"hero:l_arm_ctrl"}}});
    // Outlines keep their kind, scaled about the centre of their box.
    EXPECT_EQ(body.buttons[0].shape.kind, button_shape::Rect);
    EXPECT_EQ(QSize(body.buttons[0].shape.width, body.buttons[0].shape.height), QSize(106, 32));
    EXPECT_EQ(body.buttons[1].shape.kind, button_shape::Ellipse);
    EXPECT_EQ(body.buttons[1].shape.bounds(body.buttons[1].size), QRect(-26, -26, 53, 53));
    EXPECT_EQ(body.buttons[2].shape.kind, button_shape::Rounded);
    EXPECT_EQ(QSize(body.buttons[2].shape.width, body.buttons[2].shape.height), QSize(133, 40));
    EXPECT_EQ(body.buttons[2].shape.radius, 8);
    EXPECT_EQ(body.buttons[3].shape.kind, button_shape::Polygon);
    EXPECT_EQ(body.buttons[3].shape.points, (QVector<QPoint>{{-27, 13}, {27, 13}, {0, -13}}));
    EXPECT_EQ(body.buttons[4].shape.kind, button_shape::Path);
    const QRect hand = body.buttons[4].shape.bounds(body.buttons[4].size);
    EXPECT_NEAR(hand.width(), 40, 1);
    EXPECT_NEAR(hand.center().x(), 0, 1);
    EXPECT_TRUE(body.buttons[5].shape.isDefault() || body.buttons[5].shape.kind == button_shape::Rect);
    // The arm's picture, stored once under its content name.
    ASSERT_FALSE(body.buttons[7].image.isEmpty());
    ASSERT_TRUE(body.pictures.contains(body.buttons[7].image));
    EXPECT_EQ(body.pictures.value(body.buttons[7].image).pixel(1, 1), 0xffc80a1eu);

    // No background in the second panel: nothing moves.
    EXPECT_TRUE(m.tabs[1].background.isNull());
    EXPECT_TRUE(m.tabs[1].backgroundName.isEmpty());
    compare(m.tabs[1], 1.33, QPointF(),
            {{"Jaw", {40, 20}, 20, kSelectionButton, kMelScript, 0x8040c0, 0xffffff, {"hero:jaw_ctrl"}}});

    struct kind_count {
        QString kind;
        int count;
        QString first;
    };
    for (const kind_count& k : std::vector<kind_count>{
             {report_kind::helpers(QStringLiteral("dwpicker")), 1, QStringLiteral("Reset")},
             {report_kind::kBorders, 1, QStringLiteral("Chest")},
             {report_kind::kVisibilityLayers, 1, QStringLiteral("face details")},
             {report_kind::kOtherClicks, 1, QStringLiteral("Jaw")}}) {
        EXPECT_EQ(m.report.count(k.kind), k.count) << k.kind.toStdString();
        EXPECT_EQ(m.report.items(k.kind).value(0), k.first) << k.kind.toStdString();
    }
    EXPECT_EQ(m.report.kinds(), 4) << m.report.lines().join(QLatin1Char('\n')).toStdString();
}

TEST_F(ImportSamples, DwpickerZeroTenCommandsUpgradedAndTextOnTheBackground)
{
    setEnv("QB_IMPORT_PICTURES", dir_.path());
    picture(QStringLiteral("body.png"), QSize(8, 10), 0xff102030u);
    const picker_import read = picker_import::read_file(sample(QStringLiteral("dwpicker/old_0_10.json")));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    const mapped_picker m = map_imported_picker(read.picker);
    ASSERT_EQ(m.tabs.size(), 1);
    EXPECT_EQ(m.tabs[0].name, QStringLiteral("Old rig"));
    // Not fitted: the picture at its stated 40 x 50, centred on its shape.
    EXPECT_EQ(m.tabs[0].background.size(), QSize(55, 67));
    const QPointF offset(-39, -33);
    compare(m.tabs[0], 1.33, offset,
            {{"ARMS", {50, 120}, 20, kSelectionButton, kMelScript, 0x333333, 0xffffff, {}},
             {"L arm", {35, 155}, 30, kSelectionButton, kMelScript, 0x20a0e0, 0x000000, {"l_arm_ctrl", "l_elbow_ctrl"}},
             // Left and right commands both became left-click ones; the
             // first one's language wins.
             {"Pose", {75, 155}, 30, kCommandButton, kMelScript, 0xa0a0a0, 0x000000, {"select -r l_arm_ctrl;"}}});
    EXPECT_EQ(m.report.count(report_kind::kBackgroundTexts), 1);
    EXPECT_EQ(m.report.count(report_kind::kLabelStyle), 1);
    EXPECT_EQ(m.report.items(report_kind::kMoreCommands), QStringList{QStringLiteral("Pose")});
    // The text's fully transparent box is a label alone.
    EXPECT_FALSE(m.tabs[0].buttons[0].frame);
    EXPECT_TRUE(m.tabs[0].buttons[1].frame);
    EXPECT_EQ(m.report.count(report_kind::kTranslucent), 0);
}

TEST_F(ImportSamples, DwpickerReportOfWhatDoesNotMap)
{
    const picker_import read = picker_import::read_file(sample(QStringLiteral("dwpicker/abs_0_15.json")));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    const mapped_picker m = map_imported_picker(read.picker);
    ASSERT_EQ(m.tabs.size(), 1);
    // A 0.15 custom shape holds its points where they lie: (100, 100) is
    // its corner, and the half-transparent orange is shown over the grey.
    compare(m.tabs[0], 1.33, QPointF(),
            {{"Prop", {110, 110}, 20, kSelectionButton, kMelScript, 0x99591a, 0xffffff, {"prop:root_ctrl"}},
             {"Go", {25, 25}, 30, kSelectionButton, kMelScript, 0x404040, 0xffffff, {"prop:main_ctrl"}}});
    const QStringList expectedLines = {
        QStringLiteral("view settings not imported (1): \"zoom lock\""),
        QStringLiteral("picker menu commands not imported (1): \"Select all\""),
        QStringLiteral("settings this import does not know (1): \"shape.glow\""),
        QStringLiteral("visibility layers not kept (their buttons always shown) (1): \"extras\""),
        QStringLiteral("selection hierarchies not kept (1): \"Prop\""),
        QStringLiteral("context menu commands not imported (1): \"Mirror\""),
        QStringLiteral("hover and click colours not kept (1): \"Prop\""),
        QStringLiteral("label placement, bold or italic not kept (1): \"Prop\""),
        QStringLiteral("overlay buttons fixed to the view placed in the picker instead (1): \"Go\""),
        QStringLiteral("disabled commands not imported (1): \"Go\""),
        QStringLiteral("commands on right click or with Ctrl or Shift not imported (1): \"Go\""),
        QStringLiteral("commands of buttons that also select not imported (1): \"Go\""),
        QStringLiteral("shapes of panels the picker does not have, not imported (1): \"Lost\""),
        QStringLiteral("translucent colours shown opaque over the backdrop grey (1): \"Prop\""),
    };
    EXPECT_EQ(m.report.lines(), expectedLines);
}

TEST_F(ImportSamples, MgearTabsYUpRotationCirclesVectorsAndBackgrounds)
{
    picture(QStringLiteral("body.png"), QSize(20, 30), 0xff204060u);
    // The file names a folder that does not exist here: the tool looks for
    // the picture's name beside the picker file.
    picture(QStringLiteral("face.png"), QSize(10, 10), 0xff806040u);
    const picker_import read = picker_import::read_file(sample(QStringLiteral("mgear/hero.pkr")));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();

    // The neutral description: y turned down, the rotation of 90 degrees
    // applied as the tool's scene applies it (the apex, up, goes left).
    const imported_button& foot = read.picker.tabs[0].buttons[2];
    EXPECT_EQ(foot.position, QPointF(-30, 120));
    ASSERT_EQ(foot.shape.kind, imported_shape::Polygon);
    const QVector<QPointF> corners = {{-10, 0}, {10, 10}, {10, -10}};
    ASSERT_EQ(foot.shape.points.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(foot.shape.points[i].x(), corners[i].x(), 1e-9) << i;
        EXPECT_NEAR(foot.shape.points[i].y(), corners[i].y(), 1e-9) << i;
    }
    EXPECT_EQ(read.picker.tabs[0].buttons[0].shape.kind, imported_shape::Rect);
    EXPECT_EQ(read.picker.tabs[0].buttons[1].shape.kind, imported_shape::Ellipse);
    EXPECT_EQ(read.picker.tabs[1].buttons[0].shape.kind, imported_shape::Path);
    EXPECT_EQ(read.picker.tabs[1].buttons[0].shape.path,
              QStringLiteral("M -10 0 C -10 -10 10 -10 10 0 L 0 10 Z"));

    const mapped_picker m = map_imported_picker(read.picker);
    // 10-point labels, 13.33 pixels, become 16.
    EXPECT_DOUBLE_EQ(m.scale, 1.2);
    ASSERT_EQ(m.tabs.size(), 2);
    EXPECT_EQ(m.tabs[0].name, QStringLiteral("Body"));
    // The older single background: centred on the origin at its stated size.
    EXPECT_EQ(m.tabs[0].background.size(), QSize(240, 360));
    EXPECT_EQ(m.tabs[0].background.pixel(10, 10), 0xff204060u);
    compare(m.tabs[0], 1.2, QPointF(120, 180),
            {{"Chest", {0, -100}, 24, kSelectionButton, kMelScript, 0x3366cc, 0xffffff, {"chest_ctrl"}},
             {"Head", {0, -140}, 40, kSelectionButton, kMelScript, 0xcc3333, 0x000000, {"head_ctrl"}},
             {"", {-30, 120}, 20, kSelectionButton, kMelScript, 0x40a040, 0x1e1e1e, {"l_foot_ctrl", "l_toe_ctrl"}},
             // Alpha 180 over the grey.
             {"Sel arm", {60, -100}, 16, kCommandButton, kPythonScript, 0x474747, 0xffff00,
              {"import maya.cmds as cmds\ncmds.select(__CONTROLS__)"}}});
    EXPECT_EQ(m.tabs[1].background.size(), QSize(120, 120));
    EXPECT_EQ(m.tabs[1].background.pixel(60, 60), 0xff806040u);
    compare(m.tabs[1], 1.2, QPointF(60, 60),
            {{"", {10, -8.75}, 17.5, kSelectionButton, kMelScript, 0xf0c828, 0x1e1e1e, {"brow_ctrl"}},
             {"", {0, 30}, 16, kSelectionButton, kMelScript, 0x7878dc, 0x1e1e1e, {"jaw_ctrl"}},
             // A 16 x 8 box turned by 30 degrees: 17.86 x 14.93.
             {"Eye", {-25, -20}, 14.928, kSelectionButton, kMelScript, 0xffffff, 0x000000, {"l_eye_ctrl"}}});
    for (const QString& kind :
         {report_kind::kMenuCommands, report_kind::kControlsOfCommands, report_kind::helpers(QStringLiteral("mGear's anim picker")),
          report_kind::kWidgets, report_kind::kRotatedLabels, report_kind::kTranslucent})
        EXPECT_EQ(m.report.count(kind), 1) << kind.toStdString();
}

TEST_F(ImportSamples, PicturesNotFoundAreReportedAndTheTabStillImports)
{
    // No picture written, no variable set: the path keeps its "$".
    const picker_import read = picker_import::read_file(sample(QStringLiteral("dwpicker/hero_1_0.json")));
    ASSERT_TRUE(read.ok());
    const mapped_picker m = map_imported_picker(read.picker);
    EXPECT_TRUE(m.tabs[0].background.isNull());
    EXPECT_EQ(m.report.items(report_kind::kImageMissing),
              (QStringList{QStringLiteral("$QB_IMPORT_PICTURES/body.png"), QStringLiteral("arm_icon.png")}));
    EXPECT_TRUE(m.tabs[0].buttons[7].image.isEmpty());
    // Without a background nothing moves.
    EXPECT_EQ(m.tabs[0].buttons[0].position, QPoint(133, 69));
}
