#include "byte_builder.h"
#include "namespace_cases.h"
#include "qbx_process.h"
#include <gtest/gtest.h>
#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtCore/QRandomGenerator>
#include <QtCore/QTemporaryDir>

namespace {


::testing::AssertionResult oneErrorLine(const run_result& r)
{
    if (r.status == -1)
        return ::testing::AssertionFailure() << "crashed or hung";
    if (!r.err.startsWith("qbx: ") || r.err.count('\n') != 1 || !r.err.endsWith('\n'))
        return ::testing::AssertionFailure() << "standard error: [" << r.err.constData() << "]";
    return ::testing::AssertionSuccess();
}

QImage sampleImage()
{
    QImage img(5, 4, QImage::Format_ARGB32);
    img.fill(0x80336699);
    img.setPixel(1, 2, 0xffff0000);
    return img;
}

QString base64Png(const QImage& img)
{
    byte_builder b;
    return QString::fromLatin1(b.image(img).bytes().mid(4).toBase64());
}

// One button, as JSON and as the bytes a version-4 file holds for it.
struct sample_button {
    QPoint pos;
    int size, kind, language;
    quint32 color, labelColor;
    QString label;
    QStringList nodes;

    QJsonObject json() const
    {
        QJsonArray n;
        for (const QString& s : nodes)
            n.append(s.isNull() ? QJsonValue() : QJsonValue(s));
        return {{"position", QJsonArray{pos.x(), pos.y()}}, {"size", size}, {"kind", kind}, {"language", language},
                {"color", qint64(color)}, {"labelColor", qint64(labelColor)},
                {"label", label.isNull() ? QJsonValue() : QJsonValue(label)}, {"nodes", n}};
    }
    // As dump writes it: colours as "#RRGGBB" ("#AARRGGBB" with a top byte),
    // every empty label as "" (the null ones listed at the top level).
    QJsonObject dumped() const
    {
        QJsonObject o = json();
        o["color"] = hex(color);
        o["labelColor"] = hex(labelColor);
        o["label"] = label.isNull() ? QStringLiteral("") : label;
        return o;
    }
    static QString hex(quint32 c)
    {
        return QStringLiteral("#") + QString::number(c, 16).rightJustified(c >> 24 ? 8 : 6, '0').toUpper();
    }
};

QJsonObject parse(const QByteArray& text)
{
    return QJsonDocument::fromJson(text).object();
}

class QbxTool : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path(name);
    }
    QString writeJson(const QString& name, const QJsonObject& o) { return write(name, QJsonDocument(o).toJson()); }
    QByteArray read(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QJsonObject dump(const QString& file, int expectedStatus = 0)
    {
        const run_result r = qbx({"dump", file});
        EXPECT_EQ(r.status, expectedStatus) << r.err.constData();
        return parse(r.out);
    }
    QTemporaryDir dir_;
};

} // namespace

TEST_F(QbxTool, BuildWritesWhatSaveWritesAndDumpGivesTheJsonBack)
{
    const QString name = QString::fromUtf8("K\xc3\xb6rper \xe2\x98\x85 \xf0\x9f\x98\x80");
    const QList<sample_button> buttons = {
        {{-10, 20}, 12, 0, 0, 0xffffffffu, 16777215u, QString::fromUtf8("L arm \xe2\x9c\x93"),
         {"hero:arm_ctrl", QString::fromUtf8("h\xc3\xa9ros:bras"), "", QString()}},
        {{0, 0}, 1, 1, 0, 0, 0, "Run", {"select -r hero:arm;\n// second line\r\nprint \"done\";"}},
        {{2147483647, -2147483647 - 1}, -3, 1, 1, 11674146u, 1u, "", {""}},
        {{5, 5}, 10, 0, 0, 1u, 2u, QString(), {}},
        {{1, 1}, 10, 1, 1, 3u, 4u, "empty", {}},
    };
    QJsonArray list, dumpedList;
    byte_builder expected;
    expected.i32(4).str(name).str("12884901889").image(sampleImage()).i32(buttons.size());
    for (int i = 0; i < buttons.size(); ++i) {
        const sample_button& b = buttons[i];
        list.append(b.json());
        dumpedList.append(b.dumped());
        expected.button(4, i, b.pos, b.size, b.kind, b.language, b.color, b.labelColor, b.label, b.nodes);
    }
    const QJsonObject picker{{"version", 4}, {"name", name},
                             {"background", QJsonObject{{"name", "12884901889"}, {"png", base64Png(sampleImage())}}},
                             {"buttons", list}};
    run_result r = qbx({"build", writeJson("in.json", picker), "-o", path("out.qbx")});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(r.err.isEmpty());
    EXPECT_EQ(read("out.qbx"), expected.bytes());

    r = qbx({"dump", path("out.qbx")});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    QJsonObject dumped = picker;
    dumped["buttons"] = dumpedList;
    dumped["nullLabels"] = QJsonArray{3};
    EXPECT_EQ(parse(r.out), dumped);
    // A dump builds the same file again, byte for byte.
    ASSERT_EQ(qbx({"build", write("again.json", r.out), "-o", path("again.qbx")}).status, 0);
    EXPECT_EQ(read("again.qbx"), read("out.qbx"));
}

TEST_F(QbxTool, ShapesPicturesAndFramesRoundTrip)
{
    QImage dot(3, 3, QImage::Format_ARGB32);
    dot.fill(0xff00ff00);
    const QJsonObject picker{
        {"version", 4}, {"name", "Shapes"}, {"background", QJsonObject{{"name", ""}}},
        {"images", QJsonObject{{"dot", base64Png(dot)}}},
        {"buttons",
         QJsonArray{
             QJsonObject{{"position", QJsonArray{0, 0}}, {"size", 10}, {"kind", 0}, {"language", 0},
                         {"color", "#B22222"}, {"labelColor", "#000000"}, {"label", "R"}, {"nodes", QJsonArray{"a"}},
                         {"shape", QJsonObject{{"kind", "rounded"}, {"width", 30}, {"height", 12}, {"radius", 3}}},
                         {"image", "dot"}},
             QJsonObject{{"position", QJsonArray{40, 0}}, {"size", 10}, {"kind", 0}, {"language", 0},
                         {"color", "#B22222"}, {"labelColor", "#000000"}, {"label", ""}, {"nodes", QJsonArray{"b"}},
                         {"shape", QJsonObject{{"kind", "polygon"},
                                               {"points", QJsonArray{QJsonArray{0, -5}, QJsonArray{5, 5},
                                                                     QJsonArray{-5, 5}}}}},
                         {"frame", false}},
             QJsonObject{{"position", QJsonArray{80, 0}}, {"size", 10}, {"kind", 1}, {"language", 0},
                         {"color", "#123456"}, {"labelColor", "#FFFFFF"}, {"label", "Go"},
                         {"nodes", QJsonArray{"print 1;"}},
                         {"shape", QJsonObject{{"kind", "path"}, {"path", "M0 -6 L6 6 L-6 6 Z"}}}},
         }}};
    ASSERT_EQ(qbx({"build", writeJson("s.json", picker), "-o", path("s.qbx")}).status, 0);
    EXPECT_EQ(dump(path("s.qbx")), picker);
    // Drawn: the picture shows inside the rounded shape.
    const run_result r = qbx({"render", path("s.qbx"), "-o", path("s.png")});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_FALSE(QImage(path("s.png")).isNull());

    const struct {
        const char* json;
        const char* message;
    } bad[] = {
        {R"({"buttons": [{"position": [0, 0], "size": 1, "nodes": [], "shape": {"kind": "star"}}]})", R"("kind" must be)"},
        {R"({"buttons": [{"position": [0, 0], "size": 1, "nodes": [], "shape": {"kind": "path", "path": "L1 1"}}]})",
         "starts with a move"},
        {R"({"buttons": [{"position": [0, 0], "size": 1, "nodes": [], "image": "none"}]})", R"(which "images" does not hold)"},
    };
    for (const auto& row : bad) {
        const run_result b = qbx({"build", write("bad.json", row.json), "-o", path("bad.qbx")});
        EXPECT_EQ(b.status, 2) << row.json;
        EXPECT_TRUE(b.err.contains(row.message)) << b.err.constData();
    }
}

TEST_F(QbxTool, BuildDefaults)
{
    const struct {
        const char* json;
        const char* expected;
    } rows[] = {
        {R"({"buttons": [{"position": [1, 2], "size": 3, "nodes": ["a"]},
                         {"position": [0, 0], "size": 1, "nodes": [], "color": "#00ff7F", "labelColor": "#FFFFFF"}]})",
         R"({"version": 4, "name": "", "background": {"name": ""}, "buttons": [
             {"position": [1, 2], "size": 3, "kind": 0, "language": 0, "color": "#B22222", "labelColor": "#000000",
              "label": "", "nodes": ["a"]},
             {"position": [0, 0], "size": 1, "kind": 0, "language": 0, "color": "#00FF7F", "labelColor": "#FFFFFF",
              "label": "", "nodes": []}]})"},
        // Both forms of the colour with a top byte, and labels stored null.
        {R"({"buttons": [{"position": [0, 0], "size": 1, "nodes": [], "color": "#80B22222", "labelColor": 4278255360},
                         {"position": [0, 0], "size": 1, "nodes": [], "label": null}], "nullLabels": [0]})",
         R"({"version": 4, "name": "", "background": {"name": ""}, "nullLabels": [0, 1], "buttons": [
             {"position": [0, 0], "size": 1, "kind": 0, "language": 0, "color": "#80B22222", "labelColor": "#FF00FF00",
              "label": "", "nodes": []},
             {"position": [0, 0], "size": 1, "kind": 0, "language": 0, "color": "#B22222", "labelColor": "#000000",
              "label": "", "nodes": []}]})"},
        {R"({"name": null, "background": {"name": "0"}})",
         R"({"version": 4, "name": null, "background": {"name": "0"}, "buttons": []})"},
    };
    for (const auto& row : rows) {
        const run_result r = qbx({"build", write("d.json", row.json), "-o", path("d.qbx")});
        ASSERT_EQ(r.status, 0) << r.err.constData();
        EXPECT_EQ(dump(path("d.qbx")), parse(row.expected)) << row.json;
    }
}

TEST_F(QbxTool, DumpFollowsTheVersionRules)
{
    const struct {
        int version;
        bool background;
        int kind, language;
        qint64 labelColor;
        int status;
    } rows[] = {{0, false, 0, 0, 16777215, 0}, {1, false, 0, 0, 16777215, 0}, {2, true, 1, 1, 16777215, 0},
                {3, true, 1, 1, 16777215, 0},  {4, true, 1, 1, 0xABCDEF, 0},   {5, true, 1, 1, 0xABCDEF, 1}};
    for (const auto& row : rows) {
        byte_builder b;
        b.i32(row.version).str("V");
        if (row.version >= 2)
            b.str("42").image(sampleImage());
        b.i32(1).button(row.version, 0, {3, -4}, 9, 1, 1, 0x123456, 0xABCDEF, "lbl", {"select a;\nselect b;"});
        const run_result r = qbx({"dump", write("v.qbx", b.bytes())});
        ASSERT_EQ(r.status, row.status) << "version " << row.version;
        if (row.status != 0) {
            EXPECT_TRUE(oneErrorLine(r));
            EXPECT_TRUE(r.err.contains("data version 5 is newer")) << r.err.constData();
        }
        const QJsonObject o = parse(r.out);
        const QJsonObject bg = o["background"].toObject();
        const QJsonObject button = o["buttons"].toArray().at(0).toObject();
        EXPECT_EQ(o["version"].toInt(), row.version);
        EXPECT_EQ(bg["name"], row.background ? QJsonValue("42") : QJsonValue()) << row.version;
        EXPECT_EQ(bg["png"].toString(), row.background ? base64Png(sampleImage()) : QString()) << row.version;
        EXPECT_EQ(button["kind"].toInt(), row.kind) << row.version;
        EXPECT_EQ(button["language"].toInt(), row.language) << row.version;
        EXPECT_EQ(button["labelColor"].toString(), sample_button::hex(quint32(row.labelColor))) << row.version;
        EXPECT_EQ(button["color"].toString(), QStringLiteral("#123456")) << row.version;
        EXPECT_EQ(button["nodes"], QJsonArray{"select a;\nselect b;"}) << row.version;
    }
}

TEST_F(QbxTool, CheckListsWhatThePluginDrops)
{
    byte_builder mixed;
    mixed.i32(4).str("M").str("").i32(4)
        .button(4, 0, {0, 0}, 10, 0, 0, 0, 0, "", {"keep0"})
        .button(4, 7, {0, 0}, 10, 0, 0, 0, 0, "", {"wrong index"})
        .button(4, 2, {0, 0}, 10, 2, 0, 0, 0, "", {"kind 2"})
        .button(4, 3, {0, 0}, 10, 1, 1, 0, 0, "", {"keep3"});
    byte_builder two;
    two.i32(4).str("T").str("").i32(2).button(4, 0, {1, 1}, 5, 0, 0, 1, 1, "a", {"x"})
        .button(4, 1, {2, 2}, 5, 0, 0, 1, 1, "b", {"y", "z"});
    byte_builder cutImage;
    cutImage.i32(4).str("T").str("9").image(sampleImage());
    byte_builder newer;
    newer.i32(7).str("N").str("").i32(0);
    const struct {
        const char* what;
        QByteArray bytes;
        int status;
        QStringList lines; // each expected line contains this text
    } rows[] = {
        {"clean", two.bytes(), 0, {"clean (data version 4, 2 buttons)"}},
        {"dropped records", mixed.bytes(), 1,
         {"button 1: stored index 7", "button 2: kind 2, language 0"}},
        {"cut in a button", two.bytes().left(two.bytes().size() - 3), 1, {"ends (truncated) in button 1"}},
        {"cut in the image", cutImage.bytes().left(cutImage.bytes().size() - 10), 1, {"(truncated) before the buttons"}},
        {"not a PNG", byte_builder().i32(4).str("T").str("9").i32(1).raw("notapng!").bytes(), 1,
         {"is corrupt before the buttons"}},
        {"newer version", newer.bytes(), 1, {"data version 7 is newer than 4"}},
        {"bytes after the picker", two.bytes() + "zz", 1, {"2 bytes after the last button"}},
    };
    for (const auto& row : rows) {
        const QString file = write("c.qbx", row.bytes);
        const run_result r = qbx({"check", file});
        EXPECT_EQ(r.status, row.status) << row.what;
        const QList<QByteArray> lines = r.out.trimmed().split('\n');
        ASSERT_EQ(lines.size(), row.lines.size()) << row.what << ": " << r.out.constData();
        for (int i = 0; i < lines.size(); ++i)
            EXPECT_TRUE(lines[i].startsWith(file.toUtf8() + ": ") && lines[i].contains(row.lines[i].toUtf8()))
                << row.what << ": " << lines[i].constData();
    }
    // dump shows what the plug-in loads, and says that it is not everything.
    const run_result r = qbx({"dump", write("m.qbx", mixed.bytes())});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(oneErrorLine(r));
    const QJsonArray loaded = parse(r.out)["buttons"].toArray();
    ASSERT_EQ(loaded.size(), 2);
    EXPECT_EQ(loaded[1].toObject()["nodes"], QJsonArray{"keep3"});
}

TEST_F(QbxTool, RebindGivesWhatTheChooserGives)
{
    for (const namespace_case& c : namespace_cases()) {
        QJsonArray buttons;
        for (const namespace_case_button& cb : c.buttons)
            buttons.append(sample_button{{0, 0}, 10, cb.kind, cb.language, 0, 0, "", cb.nodes}.json());
        ASSERT_EQ(qbx({"build", writeJson("ns.json", {{"buttons", buttons}}), "-o", path("ns.qbx")}).status, 0);
        QStringList args{"rebind", path("ns.qbx"), "-o", path("out.qbx")};
        for (int i = 0; i < c.current.size(); ++i)
            args << "--map" << c.current[i] + "=" + c.choices[i];
        const run_result r = qbx(args);
        ASSERT_EQ(r.status, 0) << c.what << ": " << r.err.constData();
        const QJsonArray out = dump(path("out.qbx"))["buttons"].toArray();
        ASSERT_EQ(out.size(), c.buttons.size()) << c.what;
        for (int i = 0; i < out.size(); ++i)
            EXPECT_EQ(out[i].toObject()["nodes"].toVariant().toStringList(), c.buttons[i].expected) << c.what;
    }
}

TEST_F(QbxTool, RebindOfADamagedFileWarnsAndNeverOverwritesIt)
{
    byte_builder b;
    b.i32(4).str("T").str("").i32(2).button(4, 0, {1, 1}, 5, 0, 0, 1, 1, "a", {"hero:x"})
        .button(4, 1, {2, 2}, 5, 0, 0, 1, 1, "b", {"hero:y"});
    const QByteArray cut = b.bytes().left(b.bytes().size() - 2);
    const QString in = write("cut.qbx", cut);
    run_result r = qbx({"rebind", in, "--map", "hero=villain", "-o", path("out.qbx")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(oneErrorLine(r));
    EXPECT_EQ(dump(path("out.qbx"))["buttons"].toArray().at(0).toObject()["nodes"], QJsonArray{"villain:x"});
    r = qbx({"rebind", in, "--map", "hero=villain", "-o", in});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(oneErrorLine(r));
    EXPECT_EQ(read("cut.qbx"), cut);
}

TEST_F(QbxTool, BadInputGivesOneLineAndNoCrash)
{
    QStringList inputs{path("missing.qbx"), dir_.path(), write("empty", ""), write("bad.json", "{\"name\": [1,")};
    QRandomGenerator random(8);
    for (int size : {1, 7, 64, 5000}) {
        QByteArray bytes(size, 0);
        for (char& c : bytes)
            c = char(random.bounded(256));
        inputs << write(QStringLiteral("random%1").arg(size), bytes);
    }
    const QString out = path("never.qbx");
    for (const QString& in : inputs) {
        const QList<QStringList> calls = {{"dump", in}, {"check", in}, {"build", in, "-o", out},
                                          {"rebind", in, "--map", "a=b", "-o", out}};
        for (const QStringList& args : calls) {
            const run_result r = qbx(args);
            EXPECT_NE(r.status, 0) << args.join(' ').toStdString();
            EXPECT_TRUE(oneErrorLine(r)) << args.join(' ').toStdString();
            EXPECT_FALSE(QFile::exists(out)) << args.join(' ').toStdString();
        }
        EXPECT_EQ(qbx({"check", in}).status, 2) << in.toStdString();
    }
}

TEST_F(QbxTool, UsageAndOutputErrors)
{
    const QString json = write("ok.json", R"({"buttons": []})");
    ASSERT_EQ(qbx({"build", json, "-o", path("ok.qbx")}).status, 0);
    const QString qbxFile = path("ok.qbx");
    const QList<QStringList> calls = {
        {}, {"frob"}, {"render", qbxFile, "--map", "a=b", "-o", path("x.png")}, {"dump"}, {"dump", qbxFile, "-x"},
        {"dump", qbxFile, qbxFile}, {"dump", qbxFile, "-o", path("x")}, {"build", json}, {"build", json, "-o"},
        {"rebind", qbxFile, "-o", path("x")}, {"rebind", qbxFile, "--map", "hero", "-o", path("x")},
        {"rebind", qbxFile, "--map", "=villain", "-o", path("x")},
        {"build", json, "-o", path("no/such/dir/x.qbx")}, {"build", json, "-o", dir_.path()},
    };
    for (const QStringList& args : calls) {
        const run_result r = qbx(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(oneErrorLine(r)) << args.join(' ').toStdString();
    }
    EXPECT_TRUE(qbx({"frob"}).err.contains("usage: qbx dump FILE.qbx"));
    EXPECT_FALSE(QFile::exists(path("x")));
    EXPECT_FALSE(QFile::exists(path("x.png")));
    const run_result full = qbx({"dump", qbxFile}, QStringLiteral("/dev/full"));
    EXPECT_EQ(full.status, 2);
    EXPECT_TRUE(oneErrorLine(full));

    const run_result help = qbx({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* c : {"qbx dump", "qbx build", "qbx check", "qbx rebind", "qbx render"})
        EXPECT_TRUE(help.out.contains(c)) << c;
}

TEST_F(QbxTool, RejectedJsonNamesTheButtonAndKeyAndWritesNothing)
{
    const QString png = base64Png(sampleImage());
    const struct {
        QString json;
        const char* message;
    } rows[] = {
        {R"({"buttons": [{"size": 1, "nodes": []}]})", R"(button 0: "position" is missing)"},
        {R"({"buttons": [{"position": [0, 0], "size": 1, "nodes": []}, {"position": [0, 0], "nodes": []}]})",
         R"(button 1: "size" is missing)"},
        {R"({"buttons": [{"position": [0, 0], "size": 1}]})", R"(button 0: "nodes" is missing)"},
        {R"({"buttons": [{"position": [0, 0], "size": 1, "nodes": [], "kind": 2}]})", R"(button 0: "kind" must be 0 or 1)"},
        {R"({"buttons": [{"position": [0, 0], "size": 1, "nodes": [], "language": 2}]})", R"(button 0: "language")"},
        {R"({"buttons": [{"position": [0], "size": 1, "nodes": []}]})", R"(button 0: "position")"},
        {R"({"buttons": [{"position": [0, 0], "size": "ten", "nodes": []}]})", R"(button 0: "size")"},
        {R"({"buttons": [{"position": [0, 0], "size": 1.5, "nodes": []}]})", R"(button 0: "size")"},
        {R"({"buttons": [{"position": [0, 0], "size": 1, "nodes": [7]}]})", R"(button 0: "nodes")"},
        {R"({"buttons": [{"position": [0, 0], "size": 1, "nodes": [], "color": "#12345"}]})", R"(button 0: "color")"},
        {R"({"buttons": [{"position": [0, 0], "size": 1, "nodes": [], "labelColor": -1}]})", R"(button 0: "labelColor")"},
        {R"({"buttons": [{"position": [3000000000, 0], "size": 1, "nodes": []}]})", R"(button 0: "position")"},
        {R"({"buttons": [7]})", "button 0 must be an object"},
        {R"({"buttons": [{"position": [0, 0], "size": 1, "nodes": []}], "nullLabels": [1]})",
         R"("nullLabels" must list button numbers from 0 to 0)"},
        {QStringLiteral(R"({"background": {"png": "%1"}})").arg(png), R"(background: "png" needs a non-empty "name")"},
        {R"({"background": {"name": "1", "png": "aGVsbG8="}})", R"(background: "png" is not a PNG file)"},
        {R"({"name": 3})", R"("name" must be a string)"},
        {R"({"mirror": {"axis": 1.5}})", R"(mirror: "axis" must be an integer)"},
        {R"({"mirror": {"rules": [["l_", "_r"]]}})", R"(mirror: "rules" entry 0: "l_" and "_r" are not of one form)"},
        {R"({"mirror": {"colors": ["#3070E0"]}})", R"(mirror: "colors" must be two colours)"},
        {R"([1])", "must be a JSON object"},
        {R"({"name": "x")", "malformed JSON"},
    };
    for (const auto& row : rows) {
        const QString json = write("bad.json", row.json.toUtf8());
        const QString fresh = path("fresh.qbx");
        run_result r = qbx({"build", json, "-o", fresh});
        EXPECT_EQ(r.status, 2) << row.message;
        EXPECT_TRUE(oneErrorLine(r)) << row.message;
        EXPECT_TRUE(r.err.contains(row.message)) << r.err.constData();
        EXPECT_FALSE(QFile::exists(fresh)) << row.message;
        const QString kept = write("kept.qbx", "keep me");
        r = qbx({"build", json, "-o", kept});
        EXPECT_EQ(r.status, 2) << row.message;
        EXPECT_EQ(read("kept.qbx"), QByteArray("keep me")) << row.message;
    }
}

namespace {

QJsonArray buttons_of(const QJsonObject& picker)
{
    return picker.value("buttons").toArray();
}

} // namespace

TEST_F(QbxTool, MirrorBuildsTheBodyPickersRightSideFromItsLeft)
{
    QFile source(QStringLiteral(QB_TEST_DATA "/../../examples/body_picker.json"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QJsonObject body = parse(source.readAll());
    ASSERT_EQ(body.value("mirror").toObject(), parse(R"({"axis": 160, "colors": ["#3070E0", "#D03030"]})"));
    // The left half: every button of the right side left out.
    QJsonArray half, right;
    for (const QJsonValue& v : buttons_of(body)) {
        const QJsonObject b = v.toObject();
        const bool isRight = b.value("nodes").toArray().first().toString().startsWith("hero:r_");
        (isRight ? right : half).append(b);
    }
    ASSERT_EQ(right.size(), 17);
    body["buttons"] = half;
    ASSERT_EQ(qbx({"build", writeJson("half.json", body), "-o", path("half.qbx")}).status, 0);

    run_result r = qbx({"mirror", path("half.qbx"), "-o", path("full.qbx")});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(r.out.contains("mirrored about x = 160 (the picker's axis)")) << r.out.constData();
    EXPECT_TRUE(r.out.contains("18 copies made, 48 button(s)")) << r.out.constData();
    EXPECT_TRUE(r.out.contains("mapped to themselves (12):\n  hero:root_ctrl\n")) << r.out.constData();
    EXPECT_TRUE(r.out.contains("partner already present (0):")) << r.out.constData();
    // Read back: the copies are the right side as the demo has it, then the
    // command button for the right arm it lacks.
    const QJsonObject full = dump(path("full.qbx"));
    const QJsonArray made = buttons_of(full);
    ASSERT_EQ(made.size(), 48);
    for (int i = 0; i < right.size(); ++i) {
        QJsonObject expected = right[i].toObject();
        expected["color"] = sample_button::hex(quint32(expected.value("color").toString().mid(1).toUInt(nullptr, 16)));
        EXPECT_EQ(made[half.size() + i].toObject(), expected) << i;
    }
    const QJsonObject arm = made.last().toObject();
    EXPECT_EQ(arm.value("label").toString(), QStringLiteral("R arm"));
    EXPECT_EQ(arm.value("position").toArray(), QJsonArray({38, 150}));
    EXPECT_TRUE(arm.value("nodes").toArray().first().toString().startsWith("select -r \"hero:r_clavicle_ctrl\""));
    EXPECT_EQ(full.value("mirror"), body.value("mirror"));

    // Once whole, every copy would have its partner already.
    r = qbx({"mirror", path("full.qbx"), "-o", path("again.qbx")});
    EXPECT_TRUE(r.out.contains("0 copies made, 48 button(s)")) << r.out.constData();
    EXPECT_TRUE(r.out.contains("partner already present (36):\n  hero:l_eye_ctrl -> hero:r_eye_ctrl\n"))
        << r.out.constData();

    // Flip mirrors every button in place.
    ASSERT_EQ(qbx({"mirror", path("half.qbx"), "--flip", "-o", path("flipped.qbx")}).status, 0);
    const QJsonObject leftArm = buttons_of(dump(path("flipped.qbx")))[13].toObject();
    EXPECT_EQ(leftArm.value("nodes").toArray(), QJsonArray({"hero:r_arm_ctrl"}));
    EXPECT_EQ(leftArm.value("position").toArray(), QJsonArray({110, 130}));
}

TEST_F(QbxTool, MirrorTakesRulesAndAnAxisAndRefusesBadOnes)
{
    const QString json = write("own.json", R"({"buttons": [
        {"position": [10, 0], "size": 10, "nodes": ["hero:lft_a"]},
        {"position": [30, 0], "size": 10, "nodes": ["hero:l_b"]}]})");
    ASSERT_EQ(qbx({"build", json, "-o", path("own.qbx")}).status, 0);
    const run_result r =
        qbx({"mirror", path("own.qbx"), "--rule", "lft_=rgt_", "--axis=-5", "-o", path("own2.qbx")});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(r.out.contains("mirrored about x = -5 (as given)")) << r.out.constData();
    EXPECT_TRUE(r.out.contains("mapped to themselves (1):\n  hero:l_b\n")) << r.out.constData();
    const QJsonObject copy = buttons_of(dump(path("own2.qbx"))).last().toObject();
    EXPECT_EQ(copy.value("nodes").toArray(), QJsonArray({"hero:rgt_a"}));
    EXPECT_EQ(copy.value("position").toArray(), QJsonArray({-20, 0}));
    EXPECT_FALSE(dump(path("own2.qbx")).contains("mirror")); // the file's own settings stay

    for (const QStringList& bad : QList<QStringList>{{"--rule", "l_=_r"}, {"--rule", "l_"}, {"--axis", "x"},
                                                     {"--axis", "1", "--axis", "2"}, {"--map", "a=b"}}) {
        const run_result e = qbx(QStringList{"mirror", path("own.qbx"), "-o", path("never.qbx")} + bad);
        EXPECT_EQ(e.status, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(oneErrorLine(e)) << bad.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(path("never.qbx")));
    }
    EXPECT_EQ(qbx({"dump", path("own.qbx"), "--flip"}).status, 2);
}

TEST_F(QbxTool, ControlsRoundTripAndRender)
{
    const auto control_button = [](int x, const char* node, QJsonObject control) {
        return QJsonObject{{"position", QJsonArray{x, 20}}, {"size", 10}, {"kind", 0}, {"language", 0},
                           {"color", "#2080FF"}, {"labelColor", "#000000"}, {"label", ""},
                           {"nodes", QJsonArray{node}}, {"control", control}};
    };
    const QJsonObject picker{
        {"version", 4}, {"name", "Face"}, {"background", QJsonObject{{"name", ""}}},
        {"buttons",
         QJsonArray{control_button(40, "brow_ctrl",
                                   QJsonObject{{"kind", "slider"}, {"attributes", QJsonArray{"brow"}}, {"min", -1},
                                               {"max", 1}, {"orientation", "horizontal"}, {"length", 60}}),
                    control_button(120, "jaw_ctrl",
                                   QJsonObject{{"kind", "pad"}, {"attributes", QJsonArray{"jawX", "jawY"}},
                                               {"min", QJsonArray{-2, 0}}, {"max", QJsonArray{2, 1}},
                                               {"orientation", "horizontal"}, {"length", 30}}),
                    control_button(180, "arm_ctrl",
                                   QJsonObject{{"kind", "toggle"}, {"attributes", QJsonArray{"ikFk"}}, {"min", 0},
                                               {"max", 1}, {"orientation", "vertical"}})}}};
    ASSERT_EQ(qbx({"build", writeJson("c.json", picker), "-o", path("c.qbx")}).status, 0);
    EXPECT_EQ(dump(path("c.qbx")), picker);
    const run_result r = qbx({"render", path("c.qbx"), "-o", path("c.png")});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const QImage drawn(path("c.png"));
    ASSERT_FALSE(drawn.isNull());
    // The slider's handle in its colour, where 0 lies on a -1 to 1 track.
    bool accent = false;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            accent = accent || (drawn.pixel(x, y) & 0xffffff) == 0x2080ff;
    EXPECT_TRUE(accent);

    const struct {
        const char* json;
        const char* message;
    } bad[] = {
        {R"({"buttons": [{"position": [0, 0], "size": 1, "nodes": ["a"], "control": {"kind": "knob", "attributes": ["x"]}}]})",
         R"("kind" must be)"},
        {R"({"buttons": [{"position": [0, 0], "size": 1, "nodes": ["a"], "control": {"kind": "pad", "attributes": ["x"]}}]})",
         "two attributes"},
        {R"({"buttons": [{"position": [0, 0], "size": 1, "nodes": ["a"], "control": {"kind": "pad", "attributes": ["x", "y"], "min": 3}}]})",
         R"("min" must be [x, y])"},
        {R"({"buttons": [{"position": [0, 0], "size": 1, "kind": 1, "nodes": ["a"], "control": {"kind": "slider", "attributes": ["x"]}}]})",
         "a control is a selection button"},
    };
    for (const auto& row : bad) {
        const run_result b = qbx({"build", write("bad.json", row.json), "-o", path("bad.qbx")});
        EXPECT_EQ(b.status, 2) << row.json;
        EXPECT_TRUE(b.err.contains(row.message)) << b.err.constData();
    }
}
