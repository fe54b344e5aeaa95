// Maya ASCII scenes in the stand-in host: the fixtures of tests/data/scenes
// (a rig in code page 932, a shot referencing it twice, missing references
// and plug-ins, failing statements) open with the right nodes, paths,
// attributes, references and warnings, are written back without losing a
// statement, and a file that was not read in full is never saved over
// without force.
#include <gtest/gtest.h>
#include <maya/MEventMessage.h>
#include <qbhost/host_session.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include "../../host/src/scene/code_page.h"

using qbhost::HostSession;

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

QStringList events;
void recordEvent(void* name) { events << QString::fromLatin1(static_cast<const char*>(name)); }

class MayaScenes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host().resetForTest();
        ASSERT_TRUE(dir.isValid());
        // The fixtures in a folder of their own: saving writes beside them.
        const QDir source(QStringLiteral(QB_TEST_DATA "/scenes"));
        for (const QString& name : source.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(source.filePath(name), dir.filePath(name)));
        qputenv("QB_QUILL_ASSETS", dir.path().toUtf8());
    }
    void TearDown() override { host().resetForTest(); }
    static HostSession& host() { return HostSession::instance(); }

    QString eval(const QString& text)
    {
        QString result;
        EXPECT_TRUE(host().executeMel(text, &result)) << text.toStdString() << " -> "
                                                      << host().errors().join('|').toStdString();
        return result;
    }
    QString open(const char* name)
    {
        const QString path = dir.filePath(QLatin1String(name));
        host().clearErrors();
        host().executeMel(QStringLiteral("file -f -open \"%1\";").arg(path));
        return path;
    }
    QStringList warnings() const
    {
        QStringList out;
        for (const qbhost::HistoryEntry& e : host().history())
            if (e.kind == qbhost::HistoryKind::Warning)
                out << e.text;
        return out;
    }
    static QByteArray bytes(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void write(const QString& path, const QByteArray& data)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    QTemporaryDir dir;
};

// Statements of a Maya ASCII text: its lines without the comment lines
// (header and end) and without indentation, in order.
QStringList statements(const QString& text)
{
    QStringList out;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString t = line.trimmed();
        if (!t.isEmpty() && !t.startsWith(QLatin1String("//")))
            out << t;
    }
    return out;
}

TEST_F(MayaScenes, TheRigOpensWithItsHierarchyAttributesConnectionsAndReference)
{
    open("quill_rig.ma");
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    EXPECT_TRUE(warnings().isEmpty()) << warnings().join('\n').toStdString();
    EXPECT_FALSE(host().isModified());
    const struct {
        const char* mel;
        const char* result;
    } rows[] = {
        // 219 nodes of the file, 33 default nodes of the host, 4 of the sword.
        {"size(`ls`)", "256"},
        {"size(`ls -type joint`)", "21"},
        {"stringArrayToString(`ls \"head_OC\"`, \",\")", "L_eye_grp|head_OC,R_eye_grp|head_OC"},
        {"stringArrayToString(`ls -l \"COG_ctrl\"`, \",\")", "|rig|controls|root_ctrl|COG_ctrl"},
        {"stringArrayToString(`ls \"thumb_01\"`, \",\")",
         "L_arm_thumb|thumb_01,L_leg_thumb|thumb_01,R_arm_thumb|thumb_01,R_leg_thumb|thumb_01"},
        {"stringArrayToString(`listRelatives -p \"L_leg05_ctrl\"`, \",\")", "L_leg05_ctrl_offset"},
        {"stringArrayToString(`listRelatives -f -s \"R_eye_geo|Geo_C_eye\"`, \",\")",
         "|rig|geo|R_eye_geo|Geo_C_eye|Geo_C_eyeShape"},
        // Text in code page 932, decoded.
        {"getAttr \"rig.author\"", "\u5c0f\u6797"},
        {"stringArrayToString(`fileInfo -q \"rigNote\"`, \"\")", "\u30af\u30a4\u30eb\u306e\u30ea\u30b0: \u9aea\u3068\u76ee"},
        {"getAttr \"COG_ctrl.ikfk\"", "0.5"},
        {"getAttr -as \"COG_ctrl.space\"", "hips"},
        {"getAttr \"COG_ctrl.pivotOffset\"", "0 1.5 -0.25"},
        {"getAttr \"COG_ctrl.t\"", "0 95 0"},
        {"getAttr -k \"COG_ctrl.sx\"", "0"},
        {"getAttr -l \"COG_ctrl.v\"", "1"},
        {"stringArrayToString(`attributeQuery -n \"COG_ctrl\" -range \"ikFkBlend\"`, \",\")", "0,1"},
        {"stringArrayToString(`listAttr -ud \"COG_ctrl\"`, \",\")",
         "ikFkBlend,space,pivotOffset,pivotOffsetX,pivotOffsetY,pivotOffsetZ"},
        {"stringArrayToString(`listConnections -s 1 -d 0 \"root_jnt\"`, \",\")", "COG_ctrl,COG_ctrl"},
        {"stringArrayToString(`listConnections -p 1 \"R_eye_grp|head_OC.ry\"`, \",\")", "head_ctrl.rotateY"},
        {"stringArrayToString(`listConnections -d 0 -p 1 \":initialShadingGroup.dsm[1]\"`, \",\")",
         "R_eye_geo|Geo_C_eye|Geo_C_eyeShape.instObjGroups"},
        {"getAttr \"time1.o\"", "1"},
        {"lockNode -q \"rig\"", "1"},
        // The nested reference, read into its namespace.
        {"stringArrayToString(`ls -l \"sword:*\"`, \",\")",
         "|sword:sword_grp,|sword:sword_grp|sword:blade,|sword:sword_grp|sword:blade|sword:bladeShape,"
         "|sword:sword_grp|sword:handle"},
        {"referenceQuery -isNodeReferenced \"sword:blade\"", "1"},
        {"referenceQuery -isNodeReferenced \"COG_ctrl\"", "0"},
        {"referenceQuery -rfn \"sword:handle\"", "swordRN"},
        {"referenceQuery -ns \"swordRN\"", ":sword"},
        {"referenceQuery -f -shn \"sword:blade\"", "prop_sword.ma"},
        {"stringArrayToString(`listConnections -p 1 \"sword:handle.sy\"`, \",\")", "sword:blade.scaleY"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(eval(QString::fromUtf8(r.mel)), QString::fromUtf8(r.result)) << r.mel;
    // The hierarchy as the state dump and the outliner read it.
    int referenced = 0;
    for (const qbhost::NodeInfo& n : host().nodeInfos())
        referenced += n.reference == QLatin1String("swordRN");
    EXPECT_EQ(referenced, 4);
}

TEST_F(MayaScenes, RepeatedShortNamesAreAmbiguousAndPathsSelectOne)
{
    open("quill_rig.ma");
    host().clearErrors();
    EXPECT_FALSE(host().executeMel(QStringLiteral("select -r \"head_OC\";")));
    EXPECT_EQ(host().errors(), QStringList{QStringLiteral("line 1: More than one object matches name: head_OC")});
    EXPECT_TRUE(host().selection().isEmpty());
    eval(QStringLiteral("select -r \"|rig|controls|root_ctrl|COG_ctrl|head_ctrl|R_eye_grp|head_OC\";"));
    EXPECT_EQ(eval(QStringLiteral("stringArrayToString(`ls -sl`, \",\")")), QStringLiteral("R_eye_grp|head_OC"));
    EXPECT_EQ(host().selection(), QStringList{QStringLiteral("R_eye_grp|head_OC")});
}

TEST_F(MayaScenes, TheShotReferencesTheRigTwiceWherevertheFileIs)
{
    open("quill_shot.ma");
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    const QList<qbhost::ReferenceInfo> refs = host().references();
    ASSERT_EQ(refs.size(), 4);
    // One through an environment variable, one through a folder of another
    // machine that only the shot's own folder resolves.
    EXPECT_EQ(refs[0].referenceNode, QStringLiteral("heroRN"));
    EXPECT_EQ(refs[0].resolvedFile, dir.filePath("quill_rig.ma"));
    EXPECT_EQ(refs[2].referenceNode, QStringLiteral("villainRN"));
    EXPECT_EQ(refs[2].file, QStringLiteral("D:/projects/quill/assets/quill_rig.ma"));
    EXPECT_EQ(refs[2].resolvedFile, dir.filePath("quill_rig.ma"));
    // The nested sword: loaded in the hero, kept unloaded in the villain as
    // the shot's -rdi lines say.
    EXPECT_EQ(refs[1].referenceNode, QStringLiteral("hero:swordRN"));
    EXPECT_EQ(refs[1].parentReference, QStringLiteral("heroRN"));
    EXPECT_TRUE(refs[1].loaded);
    EXPECT_EQ(refs[3].referenceNode, QStringLiteral("villain:swordRN"));
    EXPECT_FALSE(refs[3].loaded);
    const struct {
        const char* mel;
        const char* result;
    } rows[] = {
        {"stringArrayToString(`ls -l \"hero:COG_ctrl\" \"villain:COG_ctrl\"`, \",\")",
         "|hero:rig|hero:controls|hero:root_ctrl|hero:COG_ctrl,|villain:rig|villain:controls|villain:root_ctrl|villain:COG_ctrl"},
        {"size(`ls \"hero:sword:*\"`)", "4"},
        {"size(`ls \"villain:sword:*\"`)", "0"},
        {"stringArrayToString(`ls \"hero:head_OC\"`, \",\")", "hero:L_eye_grp|hero:head_OC,hero:R_eye_grp|hero:head_OC"},
        {"getAttr \"hero:COG_ctrl.t\"", "0 97 3"},
        {"getAttr \"villain:COG_ctrl.ikfk\"", "1"},
        {"getAttr \"hero:rig.author\"", "\u5c0f\u6797"},
        {"stringArrayToString(`listRelatives -p \"lantern\"`, \",\")", "hero:COG_ctrl"},
        {"referenceQuery -isNodeReferenced \"lantern\"", "0"},
        {"referenceQuery -rfn \"hero:sword:blade\"", "hero:swordRN"},
        {"referenceQuery -rfn -tr \"hero:sword:blade\"", "heroRN"},
        {"referenceQuery -ns \"villainRN\"", ":villain"},
        {"referenceQuery -il \"villain:swordRN\"", "0"},
        {"stringArrayToString(`listConnections -p 1 -s 0 \"hero:head_ctrl.ry\"`, \",\")",
         "hero:L_eye_grp|hero:head_OC.rotateY,hero:R_eye_grp|hero:head_OC.rotateY,villain:head_ctrl.rotateY"},
        {"stringArrayToString(`fileInfo -q \"shot\"`, \"\")", "sq010_sh0040"},
        // The rig's own file information stays with the rig.
        {"size(`fileInfo -q \"rigNote\"`)", "0"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(eval(QString::fromUtf8(r.mel)), QString::fromUtf8(r.result)) << r.mel;

    // Unloaded and loaded again as the file command does it.
    eval(QStringLiteral("file -unloadReference \"villainRN\";"));
    EXPECT_EQ(eval(QStringLiteral("size(`ls \"villain:*\"`)")), QStringLiteral("0"));
    EXPECT_TRUE(host().namespaceExists(QStringLiteral("villain")));
    EXPECT_EQ(eval(QStringLiteral("referenceQuery -il \"villainRN\"")), QStringLiteral("0"));
    eval(QStringLiteral("file -loadReference \"villainRN\";"));
    EXPECT_EQ(eval(QStringLiteral("size(`ls -type joint \"villain:*\"`)")), QStringLiteral("21"));
}

TEST_F(MayaScenes, MissingReferencesAndPlugInsAreWarningsAndKeptInTheScene)
{
    const QString path = open("missing_refs.ma");
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    const QStringList w = warnings();
    ASSERT_EQ(w.size(), 4) << w.join('\n').toStdString();
    EXPECT_EQ(w[0], "file: " + path + " line 7: The referenced file \"/no/such/folder/ghost_rig.ma\" (reference node "
                                      "ghostRN) was not found; the reference is kept, unloaded.");
    EXPECT_EQ(w[1], "file: " + path + " line 8: The referenced file \"" + dir.filePath("binary_prop.mb")
                        + "\" (reference node binaryRN) is not a Maya ASCII file; the reference is kept, unloaded.");
    EXPECT_TRUE(w[2].contains("The plug-in \"quillNotes\" 3.1, which this scene requires, is not available"))
        << w[2].toStdString();
    EXPECT_EQ(w[3], "File \"" + path + "\" read with 0 errors and 3 warnings.");
    EXPECT_TRUE(host().damageErrors().isEmpty());
    const struct {
        const char* mel;
        const char* result;
    } rows[] = {
        {"stringArrayToString(`ls -type reference`, \",\")", "ghostRN,binaryRN"},
        {"namespace -exists \"ghost\"", "1"},
        {"nodeType \"note1\"", "quillNoteNode"},
        // Code page 1252, decoded; a type the stand-in does not know keeps what the file set.
        {"getAttr \"note1.txt\"", "R\u00e9sum\u00e9 of the shot"},
        {"getAttr \"note1.prio\"", "3"},
        {"stringArrayToString(`fileInfo -q \"note\"`, \"\")", "Caf\u00e9 cr\u00e8me"},
        {"currentUnit -q -t", "pal"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(eval(QString::fromUtf8(r.mel)), QString::fromUtf8(r.result)) << r.mel;
}

TEST_F(MayaScenes, FailingStatementsAreReportedWithTheirLinesAndTheRestIsRead)
{
    const QString path = open("damaged_statements.ma");
    EXPECT_EQ(host().errors(),
              QStringList({"file: " + path + " line 15: Cannot find procedure \"quillUnknownCommand\".",
                           "file: " + path + " line 16: Syntax error",
                           "line 1: Error reading file \"" + path + "\"."}).mid(0, 2) + host().errors().mid(2));
    ASSERT_EQ(host().damageErrors().size(), 2);
    EXPECT_EQ(eval(QStringLiteral("stringArrayToString(`ls -l \"after\"`, \",\")")), QStringLiteral("|before|after"));
    EXPECT_EQ(eval(QStringLiteral("getAttr \"after.tx\"")), QStringLiteral("4"));
    EXPECT_EQ(eval(QStringLiteral("getAttr \"before.t\"")), QStringLiteral("1 2 3"));
    EXPECT_EQ(eval(QStringLiteral("getAttr \"before.r\"")), QStringLiteral("0 0 0"));
    EXPECT_EQ(host().sceneName(), path);
    EXPECT_FALSE(host().isModified());
}

TEST_F(MayaScenes, AFileThatIsNotASceneLeavesTheSceneItsNameAndStateAsTheyWere)
{
    const QString scene = open("quill_rig.ma");
    const int nodes = host().nodes().size();
    MStatus st;
    for (const char* e : {"deleteAll", "SceneOpened"})
        MEventMessage::addEventCallback(e, recordEvent, const_cast<char*>(e), &st);
    const struct {
        const char* name;
        QByteArray content;
        const char* why;
    } rows[] = {
        {"garbage.ma", QByteArray("\x7f\x45garbage \x00\x01 not a scene", 24), "it is not a scene file"},
        {"empty.ma", QByteArray(), "it is not a scene file"},
        {"half_header.ma", QByteArray("//Maya"), "it is not a scene file"},
        {"script.ma", QByteArray("createNode transform -n \"x\";\n"), "it is not a scene file"},
        {"binary.mb", QByteArray("FOR4\0\0\0\x10Maya", 12), "it is a Maya Binary file"},
    };
    for (bool modified : {false, true}) {
        for (const auto& r : rows) {
            SCOPED_TRACE(std::string(r.name) + (modified ? ", modified" : ""));
            const QString path = dir.filePath(QLatin1String(r.name));
            write(path, r.content);
            host().setModified(modified);
            events.clear();
            host().clearErrors();
            EXPECT_FALSE(host().executeMel(QStringLiteral("file -f -open \"%1\";").arg(path)));
            ASSERT_EQ(host().errors().size(), 1);
            EXPECT_TRUE(host().errors()[0].contains(QLatin1String(r.why))) << host().errors()[0].toStdString();
            EXPECT_TRUE(events.isEmpty());
            EXPECT_EQ(host().nodes().size(), nodes);
            EXPECT_EQ(host().sceneName(), scene);
            EXPECT_EQ(host().isModified(), modified);
            EXPECT_EQ(bytes(path), r.content);
        }
    }
}

TEST_F(MayaScenes, ASceneReadWithErrorsIsNotSavedOverWithoutForce)
{
    const QString path = open("damaged_statements.ma");
    const QByteArray before = bytes(path);
    eval(QStringLiteral("setAttr \"after.tx\" 8;"));
    host().clearErrors();
    EXPECT_FALSE(host().executeMel(QStringLiteral("file -save;")));
    ASSERT_EQ(host().errors().size(), 1);
    EXPECT_TRUE(host().errors()[0].startsWith("Not saved: \"" + path + "\" was read with 2 errors (file: " + path
                                              + " line 15: Cannot find procedure"))
        << host().errors()[0].toStdString();
    EXPECT_FALSE(host().saveScene());
    EXPECT_EQ(bytes(path), before);
    EXPECT_TRUE(host().isModified());
    // Another file may be written; the file itself only when the user says so.
    EXPECT_TRUE(host().saveScene(dir.filePath("elsewhere.ma")));
    EXPECT_EQ(bytes(path), before);
    eval(QStringLiteral("file -save -force;"));
    EXPECT_NE(bytes(path), before);
    EXPECT_TRUE(host().damageErrors().isEmpty());
    // What failed is still in the file, as it was.
    const QString saved = QString::fromUtf8(bytes(path));
    EXPECT_TRUE(saved.contains("quillUnknownCommand -flag 1;"));
    EXPECT_TRUE(saved.contains("setAttr \".r\" -type \"double3\" 10 20 (30 ;"));
}

TEST_F(MayaScenes, EveryStatementOfTheFileIsWrittenBackUnchanged)
{
    const struct {
        const char* name;
        const char* codeset;
    } rows[] = {{"quill_rig.ma", "932"}, {"quill_shot.ma", "UTF-8"}, {"missing_refs.ma", "1252"},
                {"damaged_statements.ma", "UTF-8"}, {"prop_sword.ma", "UTF-8"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QString path = open(r.name);
        const QString copy = dir.filePath(QStringLiteral("copy_") + QLatin1String(r.name));
        ASSERT_TRUE(host().saveScene(copy, true));
        const QString original = qbhost::decodeCodePage(bytes(path), QLatin1String(r.codeset)).text;
        const QString written = qbhost::decodeCodePage(bytes(copy), QLatin1String(r.codeset)).text;
        EXPECT_EQ(statements(written), statements(original));
        EXPECT_TRUE(written.contains("//Codeset: " + QLatin1String(r.codeset)));
        EXPECT_TRUE(written.startsWith(original.section(QLatin1Char('\n'), 0, 0)));
    }
}

TEST_F(MayaScenes, ChangesAreWrittenWhereTheFileHadThemAndReadBack)
{
    const QString path = open("quill_rig.ma");
    eval(QStringLiteral(
        "setAttr \"COG_ctrl.ikfk\" 0.25; setAttr \"COG_ctrl.ty\" 90; delete \"L_eye_grp\";"
        "createNode transform -n \"prop_ctrl\" -p \"R_eye_grp|head_OC\"; setAttr \".tz\" 2;"
        "addAttr -ln \"grip\" -at double -dv 1 \"COG_ctrl\"; setAttr \"COG_ctrl.grip\" 0.75;"
        "connectAttr \"COG_ctrl.grip\" \"prop_ctrl.sx\"; rename \"R_eye_grp\" \"eyes_grp\";"
        "parent \"R_arm01_ctrl_offset\" \"head_ctrl\"; setAttr \"sword:blade.ty\" 15;"
        "fileInfo \"rigNote\" \"changed\"; fileInfo \"QuillbrookPickerData\" \"AAAA\";"));
    const QString copy = dir.filePath(QStringLiteral("changed.ma"));
    ASSERT_TRUE(host().saveScene(copy));
    const QString text = qbhost::decodeCodePage(bytes(copy), QStringLiteral("932")).text;
    // The changed value in place of the file's statement, in the node's block.
    EXPECT_TRUE(text.contains("\tsetAttr -k on \".ikFkBlend\" 0.25;\n")) << text.toStdString();
    EXPECT_FALSE(text.contains("setAttr -k on \".ikfk\" 0.5;"));
    EXPECT_FALSE(text.contains("\"L_eye_grp\""));
    EXPECT_LT(text.indexOf("fileInfo \"QuillbrookPickerData\""), text.indexOf("createNode"));

    host().newScene();
    host().clearErrors();
    ASSERT_TRUE(host().openScene(copy)) << host().errors().join('\n').toStdString();
    const struct {
        const char* mel;
        const char* result;
    } rows[] = {
        {"getAttr \"COG_ctrl.ikfk\"", "0.25"},
        {"getAttr \"COG_ctrl.t\"", "0 90 0"},
        {"getAttr \"COG_ctrl.grip\"", "0.75"},
        {"size(`ls \"L_eye_grp\"`)", "0"},
        {"stringArrayToString(`ls \"head_OC\"`, \",\")", "head_OC"},
        {"stringArrayToString(`ls -l \"prop_ctrl\"`, \",\")",
         "|rig|controls|root_ctrl|COG_ctrl|head_ctrl|eyes_grp|head_OC|prop_ctrl"},
        {"getAttr \"prop_ctrl.tz\"", "2"},
        {"stringArrayToString(`listConnections -p 1 \"prop_ctrl.sx\"`, \",\")", "COG_ctrl.grip"},
        {"stringArrayToString(`listRelatives -p \"R_arm01_ctrl_offset\"`, \",\")", "head_ctrl"},
        {"getAttr \"sword:blade.ty\"", "15"},
        {"stringArrayToString(`fileInfo -q \"rigNote\"`, \"\")", "changed"},
        {"stringArrayToString(`fileInfo -q \"QuillbrookPickerData\"`, \"\")", "AAAA"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(eval(QString::fromUtf8(r.mel)), QString::fromUtf8(r.result)) << r.mel;
    EXPECT_EQ(bytes(path).size(), bytes(dir.filePath("quill_rig.ma")).size());
}

TEST_F(MayaScenes, ReferenceCyclesAndDeepNestingAreRefusedWithAWarning)
{
    const auto scene = [](const QString& body) {
        return QByteArray("//Maya ASCII 2024 scene\n//Codeset: UTF-8\n") + body.toUtf8() + "requires maya \"2024\";\n";
    };
    write(dir.filePath("self.ma"), scene("file -r -ns \"me\" -rfn \"meRN\" \"self.ma\";\n"));
    write(dir.filePath("a.ma"), scene("file -r -ns \"b\" -rfn \"bRN\" \"b.ma\";\ncreateNode transform -n \"inA\";\n"));
    write(dir.filePath("b.ma"), scene("file -r -ns \"a\" -rfn \"aRN\" \"a.ma\";\ncreateNode transform -n \"inB\";\n"));
    for (int i = 0; i < 70; ++i)
        write(dir.filePath(QStringLiteral("deep%1.ma").arg(i)),
              scene(QStringLiteral("file -r -ns \"n\" -rfn \"nRN\" \"deep%1.ma\";\n").arg(i + 1)));
    write(dir.filePath("deep70.ma"), scene("createNode transform -n \"bottom\";\n"));

    open("self.ma");
    ASSERT_EQ(warnings().size(), 2) << warnings().join('\n').toStdString();
    EXPECT_TRUE(warnings()[0].contains("The reference meRN is a cycle")) << warnings()[0].toStdString();
    open("a.ma");
    EXPECT_TRUE(host().errors().isEmpty());
    // a -> b -> a: b is read, the second a refused.
    EXPECT_EQ(eval(QStringLiteral("stringArrayToString(`ls -type transform`, \",\")")), QStringLiteral("b:inB,inA"));
    EXPECT_TRUE(warnings().join('\n').contains("The reference b:aRN is a cycle (" + dir.filePath("a.ma") + " -> "
                                               + dir.filePath("b.ma") + " -> " + dir.filePath("a.ma") + ")"))
        << warnings().join('\n').toStdString();
    host().clearHistory();
    open("deep0.ma");
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    EXPECT_TRUE(warnings().join('\n').contains("is nested more than 64 deep")) << warnings().join('\n').toStdString();
}

TEST(CodePages, TextReadsInEachCodePageMayaNames)
{
    const struct {
        const char* codeset;
        const char* text;
    } rows[] = {
        {"932", "\u30af\u30a4\u30eb"},  {"936", "\u7fbd\u6bdb\u7b14"},       {"949", "\uae43\ud39c"},
        {"950", "\u7fbd\u6bdb\u7b46"},  {"1250", "\u0141\u00f3d\u017a"},      {"1251", "\u041f\u0435\u0440\u043e"},
        {"1252", "Caf\u00e9"},          {"1253", "\u03a6\u03c4\u03b5\u03c1\u03cc"}, {"1254", "\u011f\u0131\u015f"},
        {"1255", "\u05e0\u05d5\u05e6\u05d4"}, {"1256", "\u0631\u064a\u0634\u0629"}, {"1257", "Pl\u016bksna"},
        {"1258", "L\u00f4ng"},          {"UTF-8", "\u2603 \U0001F58B"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.codeset);
        const QString text = QString::fromUtf8(r.text);
        QByteArray bytes;
        ASSERT_TRUE(qbhost::encodeCodePage(text, QLatin1String(r.codeset), &bytes));
        const qbhost::DecodedText decoded = qbhost::decodeCodePage(bytes, QLatin1String(r.codeset));
        EXPECT_EQ(decoded.text, text);
        EXPECT_EQ(decoded.badBytes, 0);
    }
    // Bytes that are not text in the code page are counted, never dropped.
    const qbhost::DecodedText bad = qbhost::decodeCodePage(QByteArray("ok \xff\xfe ok"), QStringLiteral("UTF-8"));
    EXPECT_EQ(bad.badBytes, 2);
    EXPECT_EQ(bad.text, QString::fromUtf8("ok \xef\xbf\xbd\xef\xbf\xbd ok"));
    QByteArray unused;
    EXPECT_FALSE(qbhost::encodeCodePage(QString::fromUtf8("\u30af"), QStringLiteral("1252"), &unused));
    EXPECT_FALSE(qbhost::decodeCodePage("x", QStringLiteral("no-such-page")).known);
}

} // namespace
