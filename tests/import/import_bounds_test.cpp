// A damaged or hostile file is refused whole with a message naming what is
// wrong; pictures are found where each tool looks for them; the report keeps
// its lines short and counts what it does not name.
#include "import_fixture.h"
#include "import/image_paths.h"
#include "import/import_limits.h"
#include "import/picker_import.h"
#include "import/picker_mapping.h"
#include "import/report_kinds.h"
#include <QtCore/QDir>

namespace {

QByteArray repeated(const char* item, int n)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += (i ? "," : "") + QByteArray(item);
    return out;
}

} // namespace

TEST(ImportBounds, DamagedAndHostileFilesAreRefusedWithTheReason)
{
    const QByteArray points = "[" + repeated("{\"point\":[0,0]}", import_limits::kMaxPointsPerShape + 1) + "]";
    struct row {
        const char* name;
        QByteArray json;
        const char* message;
    };
    const std::vector<row> rows = {
        {"not JSON", "{\"general\": ", "not JSON"},
        {"a list", "[1, 2]", "top level is not a JSON object"},
        {"another tool", "{\"buttons\": []}", "neither a dwpicker picker"},
        {"width as text", "{\"general\":{},\"shapes\":[{\"shape.width\":\"wide\"}]}",
         "shape 0: \"shape.width\" is not a number"},
        {"coordinate past a million", "{\"general\":{},\"shapes\":[{},{\"shape.left\":2e6}]}",
         "shape 1: \"shape.left\" is out of range"},
        {"negative size", "{\"general\":{},\"shapes\":[{\"shape.height\":-1}]}", "\"shape.height\" is out of range"},
        {"colour", "{\"general\":{},\"shapes\":[{\"bgcolor.normal\":\"bluish\"}]}", "\"bgcolor.normal\" is not a colour"},
        {"language", "{\"general\":{},\"shapes\":[{\"action.commands\":[{\"language\":\"lua\",\"command\":\"x\"}]}]}",
         "\"lua\" is neither python nor mel"},
        {"too many points",
         "{\"general\":{\"version\":[1,0,0]},\"shapes\":[{\"shape\":\"custom\",\"shape.path\":" + points + "}]}",
         "\"shape.path\" has 10001 entries, more than 10000"},
        {"label too long",
         "{\"general\":{},\"shapes\":[{\"text.content\":\"" + QByteArray(import_limits::kMaxLabelChars + 1, 'a') + "\"}]}",
         "\"text.content\" is 10001 characters long"},
        {"targets not a list", "{\"general\":{},\"shapes\":[{\"action.targets\":\"arm\"}]}",
         "\"action.targets\" is not a list"},
        {"too many panels",
         "{\"general\":{\"version\":[0,15,0],\"panels\":[[1,[" + repeated("1", 200) + "]],[1,[" + repeated("1", 100)
             + "]]]},\"shapes\":[]}",
         "300 panels, more than 256"},
        {"one handle", "{\"tabs\":[{\"data\":{\"items\":[{\"handles\":[[0,0]]}]}}]}",
         "tab 0, item 0: 1 handles; an outline needs at least 2"},
        {"bad vector", "{\"tabs\":[{\"data\":{\"items\":[{\"svg\":{\"subpaths\":[[[\"Q\",1,2,3,4]]]}}]}}]}",
         "neither M, L, C nor Z"},
        {"rgba of text", "{\"tabs\":[{\"data\":{\"items\":[{\"color\":[\"r\",0,0]}]}}]}", "\"color\" is not a number"},
        {"alpha past 255", "{\"tabs\":[{\"data\":{\"items\":[{\"text\":\"a\",\"text_color\":[0,0,0,256]}]}}]}",
         "\"text_color\" is out of range"},
        {"tab not an object", "{\"tabs\":[3]}", "tab 0: the tab is not an object"},
    };
    for (const row& r : rows) {
        const picker_import read = picker_import::read_bytes(r.json, image_lookup());
        EXPECT_FALSE(read.ok()) << r.name;
        EXPECT_EQ(read.outcome, picker_import::Refused) << r.name;
        EXPECT_TRUE(read.error.contains(QLatin1String(r.message))) << r.name << ": " << read.error.toStdString();
        EXPECT_TRUE(read.picker.tabs.isEmpty()) << r.name << ": nothing half-read";
    }
}

class ImportFiles : public import_fixture
{
};

TEST_F(ImportFiles, FilesPastTheLimitAndFoldersAreNotRead)
{
    QFile big(dir_.filePath(QStringLiteral("big.json")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(import_limits::kMaxFileBytes + 1));
    big.close();
    const picker_import tooBig = picker_import::read_file(big.fileName());
    EXPECT_EQ(tooBig.outcome, picker_import::Refused);
    EXPECT_TRUE(tooBig.error.contains(QLatin1String("more than the 16777216 an import reads"))) << tooBig.error.toStdString();
    const picker_import folder = picker_import::read_file(dir_.path());
    EXPECT_EQ(folder.outcome, picker_import::Unreadable);
    EXPECT_TRUE(folder.error.endsWith(QLatin1String("is a directory, not a picker file")));
    const picker_import missing = picker_import::read_file(dir_.filePath(QStringLiteral("none.pkr")));
    EXPECT_EQ(missing.outcome, picker_import::Unreadable);
}

TEST_F(ImportFiles, PicturesAreFoundWhereEachToolLooks)
{
    setEnv("QB_PICS", dir_.path());
    setEnv("ANIM_PICKER_RELATIVE_IMAGES", QStringLiteral("../pics"));
    QDir(dir_.path()).mkpath(QStringLiteral("pkr"));
    QDir(dir_.path()).mkpath(QStringLiteral("pics"));
    const QString bg = picture(QStringLiteral("bg.png"), QSize(2, 2), 0xff000000u);
    const QString beside = picture(QStringLiteral("pics/face.png"), QSize(2, 2), 0xff000000u);
    image_lookup lookup;
    lookup.baseDir = dir_.path();
    struct row {
        QString stored;
        QString resolved;
        bool found;
    };
    for (const row& r : std::vector<row>{
             {QStringLiteral("$QB_PICS/bg.png"), bg, true},
             {QStringLiteral("${QB_PICS}/bg.png"), bg, true},
             {QStringLiteral("%QB_PICS%\\bg.png"), bg, true},
             {QStringLiteral("bg.png"), bg, true},
             {QStringLiteral("$QB_NOT_SET_ANYWHERE/bg.png"), dir_.filePath(QStringLiteral("$QB_NOT_SET_ANYWHERE/bg.png")), false},
             {QStringLiteral("/elsewhere/bg.png"), QStringLiteral("/elsewhere/bg.png"), false}}) {
        const imported_image i = resolve_dwpicker_image(r.stored, lookup);
        EXPECT_EQ(i.resolved, r.resolved) << r.stored.toStdString();
        EXPECT_EQ(i.found, r.found) << r.stored.toStdString();
    }
    // mGear: as stored first, then the name in ANIM_PICKER_RELATIVE_IMAGES
    // from the picker file's folder.
    lookup.baseDir = dir_.filePath(QStringLiteral("pkr"));
    EXPECT_EQ(resolve_mgear_image(bg, lookup).resolved, bg);
    const imported_image moved = resolve_mgear_image(QStringLiteral("C:\\rigs\\pics\\face.png"), lookup);
    EXPECT_TRUE(moved.found);
    EXPECT_EQ(moved.resolved, beside);
    // Looking at the disk can be turned off (the fuzz targets do).
    lookup.touchFiles = false;
    EXPECT_FALSE(resolve_mgear_image(bg, lookup).found);
}

TEST(ImportReport, OneLinePerKindNamingTheFirstFewAndCountingTheRest)
{
    import_report a, b;
    a.add(report_kind::kBorders, QStringLiteral("L hand"));
    a.add(report_kind::kHoverColours, QStringLiteral("tab\tname"));
    for (const char* n : {"a", "b", "c", "d"})
        b.add(report_kind::kBorders, QLatin1String(n));
    b.add(report_kind::kHierarchy, QString(60, QLatin1Char('x')));
    a.merge(b);
    EXPECT_EQ(a.count(report_kind::kBorders), 5);
    EXPECT_EQ(a.lines(), (QStringList{
                             QStringLiteral("borders not drawn (5): \"L hand\", \"a\", \"b\", ") + QChar(0x2026),
                             QStringLiteral("hover and click colours not kept (1): \"tab") + QChar(0xfffd) + QStringLiteral("name\""),
                             QStringLiteral("selection hierarchies not kept (1): \"") + QString(48, QLatin1Char('x'))
                                 + QChar(0x2026) + QLatin1Char('"'),
                         }));
}

TEST(ImportMapping, BackgroundsPastTheLimitAreReportedNotDrawn)
{
    imported_picker picker;
    imported_tab tab;
    tab.name = QStringLiteral("Wide");
    imported_backdrop wall;
    wall.shape.width = 6000;
    wall.shape.height = 6000;
    wall.fill = 0xff102030u;
    tab.backdrops.append(wall);
    imported_button b;
    b.shape.width = b.shape.height = 10;
    tab.buttons.append(b);
    picker.tabs.append(tab);
    const mapped_picker m = map_imported_picker(picker);
    EXPECT_TRUE(m.tabs[0].background.isNull());
    EXPECT_EQ(m.report.items(report_kind::kBackgroundTooLarge), QStringList{QStringLiteral("Wide (6000 x 6000)")});
    EXPECT_EQ(m.tabs[0].buttons[0].position, QPoint(0, 0));
    // Drawn when it fits: the fill's corner is the new origin.
    mapping_options options;
    options.scale = 0.5;
    const mapped_picker half = map_imported_picker(picker, options);
    EXPECT_EQ(half.tabs[0].background.size(), QSize(3000, 3000));
    EXPECT_EQ(half.tabs[0].background.pixel(1500, 1500), 0xff102030u);
    EXPECT_EQ(half.tabs[0].buttons[0].position, QPoint(1500, 1500));
}

TEST_F(ImportFiles, BackgroundPicturesAreDrawnWhereTheToolDrawsThem)
{
    picture(QStringLiteral("red.png"), QSize(10, 10), 0xffff0000u);
    // A transparent 100 x 50 background shape at (0, 0) carrying the
    // picture, and a button centred on it that shows where the origin went.
    auto file = [](const char* shape, const char* image) {
        return QByteArray("{\"general\":{\"version\":[1,0,0]},\"shapes\":[{\"background\":true,\"shape\":\"") + shape
               + "\",\"shape.width\":100,\"shape.height\":50,\"bgcolor.transparency\":255,\"image.path\":\"red.png\","
               + image + "},{\"shape.left\":45,\"shape.top\":20,\"shape.width\":10,\"shape.height\":10}]}";
    };
    struct row {
        const char* name;
        QByteArray json;
        QSize size;     // the picture as drawn is the whole background
        QPoint button;  // where the centre (50, 25) ends up
    };
    for (const row& r : std::vector<row>{
             {"stretched", file("square", "\"image.fit\":true,\"image.ratio\":false"), {100, 50}, {50, 25}},
             {"fitted, proportions kept", file("square", "\"image.fit\":true,\"image.ratio\":true,\"image.width\":8,"
                                                         "\"image.height\":8"),
              {50, 50}, {25, 25}},
             {"own size, centred", file("square", "\"image.fit\":false,\"image.width\":20,\"image.height\":30"),
              {20, 30}, {10, 15}},
             // 35 high from 7.5: the half pixels at both edges make it 36.
             {"round: the middle 70 %", file("round", "\"image.fit\":true,\"image.ratio\":false"), {70, 36}, {35, 18}}}) {
        image_lookup lookup;
        lookup.baseDir = dir_.path();
        const picker_import read = picker_import::read_bytes(r.json, lookup);
        ASSERT_TRUE(read.ok()) << r.name << ": " << read.error.toStdString();
        const mapped_picker m = map_imported_picker(read.picker);
        EXPECT_DOUBLE_EQ(m.scale, 1.0) << r.name;
        EXPECT_EQ(m.tabs[0].background.size(), r.size) << r.name;
        EXPECT_EQ(m.tabs[0].background.pixel(r.size.width() / 2, r.size.height() / 2), 0xffff0000u) << r.name;
        EXPECT_EQ(m.tabs[0].buttons[0].position, r.button) << r.name;
    }
}

TEST(ImportReport, MgearItemsThisPickerHasNoPlaceFor)
{
    const QByteArray pkr = R"({"snapshot": "hero.jpg", "layout": 2, "tabs": [{"name": "t", "data": {"items": [
        {"controls": ["a"], "pinned": true, "anchor": "tl", "offset": [4, 4]},
        {"controls": ["b"], "visibility": {"zoom": 2}, "group": "extras", "mirror": "x1", "sparkle": 1},
        {"backdrop": true, "title": "Face", "corner_radius": 6, "color": [10, 20, 30, 255],
         "handles": [[-50, -20], [50, -20], [50, 20], [-50, 20]]},
        {"svg": {"subpaths": [[["M", 0, 0], ["L", 10, 0], ["L", 0, 10], ["Z"]]], "mode": "stroke"}, "controls": ["c"]}
    ]}}]})";
    const picker_import read = picker_import::read_bytes(pkr, image_lookup());
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    // Without handles: the tool's default, a square 28.28 across about the
    // position it gives a new item.
    const imported_button& first = read.picker.tabs[0].buttons[0];
    EXPECT_EQ(first.shape.kind, imported_shape::Rect);
    EXPECT_NEAR(first.shape.width, 28.284, 1e-3);
    EXPECT_EQ(first.position, QPointF(25, -30));
    // The backdrop is drawn behind, not a button: a rounded box 100 x 40.
    ASSERT_EQ(read.picker.tabs[0].buttons.size(), 3);
    ASSERT_EQ(read.picker.tabs[0].backdrops.size(), 1);
    EXPECT_EQ(read.picker.tabs[0].backdrops[0].shape.kind, imported_shape::Rounded);
    const mapped_picker m = map_imported_picker(read.picker);
    EXPECT_EQ(m.tabs[0].background.size(), QSize(100, 40));
    EXPECT_EQ(m.tabs[0].background.pixel(50, 20), 0xff0a141eu);
    EXPECT_EQ(qAlpha(m.tabs[0].background.pixel(0, 0)), 0) << "rounded corner";
    struct kind_count {
        QString kind;
        int count;
    };
    for (const kind_count& k : std::vector<kind_count>{{report_kind::kSnapshot, 1},
                                                       {report_kind::kUnknownSettings, 2},
                                                       {report_kind::kOverlays, 1},
                                                       {report_kind::kVisibilityConditions, 1},
                                                       {report_kind::kMirrorLinks, 1},
                                                       {report_kind::kBackdropTitles, 1},
                                                       {report_kind::kStroked, 1}})
        EXPECT_EQ(m.report.count(k.kind), k.count) << k.kind.toStdString();
    EXPECT_EQ(m.report.items(report_kind::kUnknownSettings), (QStringList{QStringLiteral("layout"), QStringLiteral("sparkle")}));
}

TEST(ImportMapping, TheScaleFollowsTheMostCommonLabelSize)
{
    auto picker = [](std::initializer_list<double> sizes) {
        imported_picker p;
        imported_tab t;
        for (double s : sizes) {
            imported_button b;
            b.label = QStringLiteral("L");
            b.labelSize = s;
            t.buttons.append(b);
        }
        p.tabs.append(t);
        return p;
    };
    EXPECT_DOUBLE_EQ(label_scale(picker({})), 1.0);
    EXPECT_DOUBLE_EQ(label_scale(picker({12, 20, 12, 20})), 1.33); // a tie: the smaller size
    EXPECT_DOUBLE_EQ(label_scale(picker({32, 32, 9})), 0.5);
    EXPECT_DOUBLE_EQ(label_scale(picker({1})), 8.0);
    EXPECT_DOUBLE_EQ(label_scale(picker({200})), 0.25);
}
