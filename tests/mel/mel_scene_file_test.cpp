// Scene files statement by statement: what each statement Maya writes does
// while a file is read, what a file may hold besides (procedures,
// variables, broken lines), references made and removed by MEL, and what
// the scene writes back when it changed.
#include "mel_test_support.h"

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>

namespace {

class SceneFile : public MelTest
{
protected:
    void SetUp() override
    {
        MelTest::SetUp();
        ASSERT_TRUE(dir.isValid());
    }
    QString write(const char* name, const QByteArray& body,
                  const QByteArray& header = "//Maya ASCII 2024 scene\n//Codeset: UTF-8\n")
    {
        const QString path = dir.filePath(QLatin1String(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(header + body);
        return path;
    }
    MStatus open(const QString& path)
    {
        host().clearErrors();
        return host().openScene(path);
    }
    QStringList warnings() const
    {
        QStringList out;
        for (const qbhost::HistoryEntry& e : host().history())
            if (e.kind == qbhost::HistoryKind::Warning)
                out << e.text;
        return out;
    }
    QString savedText()
    {
        const QString path = dir.filePath(QStringLiteral("saved.ma"));
        EXPECT_TRUE(host().saveScene(path, true));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QString::fromUtf8(f.readAll());
    }
    QTemporaryDir dir;
};

TEST_F(SceneFile, WhatEachStatementOfAFileDoesWhileItIsRead)
{
    const QString path = write("shapes.ma",
                               "requires maya \"2024\";\r\n"
                               "currentUnit -l millimeter -a radian -t ntsc;\r\n"
                               "createNode transform -s -n \"persp\";\r\n"
                               "\trename -uid \"11111111-2222-3333-4444-555555555555\";\r\n"
                               "createNode transform -s -n \"persp\";\r\n" // shared: made once
                               "createNode transform -n \"grp\";\r\n"
                               "\tsetAttr \".t\" -type \"double3\"\r\n\t\t1 2\r\n\t\t3 ;\r\n"
                               "\tsetAttr -k off -cb on \".tx\";\r\n"
                               "createNode mesh -n \"grpShape\" -p \"grp\";\r\n"
                               "\tsetAttr -s 2 \".vt[0:1]\" -1 0 0 1 0 0;\r\n"
                               "\tsetAttr \".dsm\" -type \"nurbsCurve\" 1 0 no 3;\r\n"
                               "lockNode -l 1 ;\r\n"
                               "select -ne :time1;\r\n"
                               "\tsetAttr \".o\" 12;\r\n"
                               "select -ne :quillUnknownDefault;\r\n"
                               "\tsetAttr \".x\" 1;\r\n"
                               "dataStructure -fmt \"raw\" -as \"name=q:int32=i\";\r\n");
    ASSERT_TRUE(open(path)) << host().errors().join('\n').toStdString();
    const struct {
        const char* mel;
        const char* result;
    } rows[] = {
        {"size(`ls \"persp\"`)", "1"},
        {"getAttr \"grp.t\"", "1 2 3"},
        {"getAttr -k \"grp.tx\"", "0"},
        {"getAttr -cb \"grp.tx\"", "1"},
        {"getAttr -s \"grpShape.vt[0:1]\"", "2"},
        {"getAttr \"grpShape.vt[0:1]\"", "-1 0 0 1 0 0"},
        {"getAttr \"grpShape.dsm\"", "1 0 no 3"},
        {"lockNode -q \"grpShape\"", "1"},
        {"lockNode -q \"grp\"", "0"},
        {"getAttr \"time1.o\"", "12"},
        {"currentUnit -q -l", "mm"},
        {"currentUnit -q -a -f", "radian"},
        {"currentUnit -q -t", "ntsc"},
        {"nodeType \"quillUnknownDefault\"", "unknown"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(eval(QLatin1String(r.mel)), QLatin1String(r.result)) << r.mel;
    // A default node the stand-in does not know is a warning, not a failure.
    ASSERT_EQ(warnings().size(), 2) << warnings().join('\n').toStdString();
    EXPECT_EQ(warnings()[0], "file: " + path + " line 19: \"quillUnknownDefault\" is not one of the default nodes the "
                                               "stand-in knows; it is kept as a node of unknown type.");
    // A node's block keeps to its node: the next createNode does not see it.
    EXPECT_EQ(eval("getAttr \"persp.t\""), QStringLiteral("0 0 0"));
}

TEST_F(SceneFile, AFileMayHoldProceduresVariablesAndBrokenLines)
{
    const QString path = write("script.ma",
                               "proc string nodeName(int $i) { return (\"part\" + $i); }\n"
                               "int $count = 3;\n"
                               "for ($i = 0; $i < $count; ++$i)\n"
                               "    createNode transform -n (nodeName($i));\n"
                               "setAttr \"part1.tx\" (2 * $count);\n"
                               "createNode transform -n \"broken\" -p;\n"
                               "}\n"
                               "setAttr \"part2.ty\" 4;\n"
                               "\"unterminated;\n"
                               "createNode transform -n \"last\";\n");
    EXPECT_FALSE(open(path));
    EXPECT_EQ(host().errors(), QStringList({"file: " + path + " line 8: Flag '-p' needs an argument.",
                                            "file: " + path + " line 9: Syntax error",
                                            "file: " + path + " line 11: Syntax error"}));
    EXPECT_EQ(eval("stringArrayToString(`ls \"part?\"`, \",\")"), QStringLiteral("part0,part1,part2"));
    EXPECT_EQ(eval("getAttr \"part1.tx\""), QStringLiteral("6"));
    EXPECT_EQ(eval("getAttr \"part2.ty\""), QStringLiteral("4"));
    EXPECT_TRUE(host().nodeExists("last"));
    // Local procedures stay with the file.
    EXPECT_FALSE(run("nodeName(1);"));

    // A loop that never ends is interrupted, and the rest is read.
    const QString endless = write("endless.ma", "while (1) { }\ncreateNode transform -n \"reached\";\n");
    EXPECT_FALSE(open(endless));
    EXPECT_EQ(host().errors().value(0), "file: " + endless + " line 3: Script interrupted: more than 2000000 statements run.");
    EXPECT_TRUE(host().nodeExists("reached"));
}

TEST_F(SceneFile, FilesThatAreNotQuiteUtf8OrThatNameAnUnknownCodePage)
{
    const QString bad = write("bad_bytes.ma", "fileInfo \"k\" \"caf\xe9\";\n");
    EXPECT_FALSE(open(bad));
    EXPECT_EQ(host().errors().value(0),
              "file: " + bad + ": 1 byte is not text in the code page \"UTF-8\"; read as \"\uFFFD\".");
    EXPECT_EQ(host().damageErrors().size(), 1); // written back, the byte would not come back: an error
    const QString unknown = write("unknown.ma", "fileInfo \"k\" \"v\";\n",
                                  "//Maya ASCII 2024 scene\n//Codeset: EBCDIC-Something-9\n");
    EXPECT_TRUE(open(unknown));
    EXPECT_TRUE(warnings().join('\n').contains("the code page \"EBCDIC-Something-9\" is not known; the file is read as UTF-8"));
    const QString bom = write("bom.ma", "createNode transform -n \"b\";\n", "\xef\xbb\xbf//Maya ASCII 2024 scene\n");
    EXPECT_TRUE(open(bom));
    EXPECT_TRUE(host().nodeExists("b"));
}

TEST_F(SceneFile, ReferencesMadeByMelAndRemovedAgain)
{
    const QString rig = write("rig.ma", "createNode transform -n \"root\";\ncreateNode transform -n \"arm\" -p \"root\";\n"
                                        "fileInfo \"rigOnly\" \"1\";\n");
    QDir(dir.path()).mkpath("project/assets");
    ASSERT_TRUE(QFile::copy(rig, dir.filePath("project/assets/prop.ma")));
    eval("workspace -o \"" + dir.filePath("project") + "\";");
    EXPECT_EQ(eval("workspace -q -rd"), dir.filePath("project") + "/");
    qputenv("QB_SCENE_FILE_TEST", dir.path().toUtf8());
    const struct {
        const char* mel;
        const char* result;
    } rows[] = {
        {"file -r \"${QB_SCENE_FILE_TEST}/rig.ma\"", "${QB_SCENE_FILE_TEST}/rig.ma"},
        {"file -r \"%QB_SCENE_FILE_TEST%/rig.ma\"", "%QB_SCENE_FILE_TEST%/rig.ma"},
        {"file -r -rpr \"old\" \"$QB_SCENE_FILE_TEST/rig.ma\"", "$QB_SCENE_FILE_TEST/rig.ma"},
        {"file -r -ns \"prop\" \"assets/prop.ma\"", "assets/prop.ma"}, // in the project
        // A second reference into a namespace taken gets a free one.
        {"stringArrayToString(`ls -l \"rig:arm\" \"rig1:arm\" \"old_arm\" \"prop:arm\"`, \",\")",
         "|rig:root|rig:arm,|rig1:root|rig1:arm,|old_root|old_arm,|prop:root|prop:arm"},
        {"stringArrayToString(`ls -type reference`, \",\")", "rigRN,rig1RN,oldRN,propRN"},
        {"referenceQuery -f -un \"propRN\"", "assets/prop.ma"},
        {"referenceQuery -f \"propRN\"", ""},
        {"size(`fileInfo -q \"rigOnly\"`)", "0"},
    };
    for (const auto& r : rows) {
        QString expected = QLatin1String(r.result);
        if (expected.isEmpty() && QString::fromLatin1(r.mel).contains(QStringLiteral("-f \"propRN\"")))
            expected = dir.filePath("project/assets/prop.ma");
        EXPECT_EQ(eval(QLatin1String(r.mel)), expected) << r.mel;
    }
    // Referenced nodes are the reference's: not deleted or renamed by MEL.
    EXPECT_FALSE(run("delete \"rig:arm\";"));
    EXPECT_EQ(host().errors().last(), QStringLiteral("line 1: Cannot delete 'rig:arm': it comes from a referenced file."));
    EXPECT_FALSE(run("delete \"rigRN\";"));
    eval("file -rr \"rig1RN\";");
    EXPECT_FALSE(host().nodeExists("rig1:arm"));
    EXPECT_FALSE(host().nodeExists("rig1RN"));
    EXPECT_FALSE(host().namespaceExists("rig1"));
    // Imported nodes are the scene's own.
    eval("file -i -ns \"imp\" \"" + rig + "\";");
    EXPECT_EQ(eval("referenceQuery -isNodeReferenced \"imp:arm\""), QStringLiteral("0"));
    EXPECT_TRUE(host().isModified());
}

TEST_F(SceneFile, WhatChangedIsWrittenBackAndWhatWentIsGone)
{
    write("ref.ma", "createNode transform -n \"root\";\n");
    const QString path = write("scene.ma",
                               "file -rdi 1 -ns \"r\" -rfn \"rRN\" \"ref.ma\";\n"
                               "file -r -ns \"r\" -dr 1 -rfn \"rRN\" \"ref.ma\";\n"
                               "requires maya \"2024\";\n"
                               "fileInfo \"keep\" \"1\";\n"
                               "fileInfo \"drop\" \"2\";\n"
                               "createNode transform -n \"a\";\n"
                               "\taddAttr -ci true -ln \"extra\" -at \"double\";\n"
                               "\tsetAttr \".extra\" 3;\n"
                               "lockNode -l 1 ;\n"
                               "createNode transform -n \"b\";\n"
                               "createNode transform -n \"c\" -p \"b\";\n"
                               "createNode reference -n \"rRN\";\n"
                               "select -ne :time1;\n"
                               "\tsetAttr \".o\" 5;\n"
                               "connectAttr \"a.tx\" \"c.tx\";\n");
    ASSERT_TRUE(open(path)) << host().errors().join('\n').toStdString();
    eval("lockNode -l 0 \"a\"; deleteAttr \"a.extra\"; fileInfo -rm \"drop\"; rename \"b\" \"bee\";"
         "createNode transform -n \"late\"; parent \"bee\" \"late\"; file -ur \"rRN\";"
         "setAttr \"defaultResolution.w\" 1920; setAttr \"time1.o\" 7;");
    const QString text = savedText();
    const struct {
        const char* text;
        bool present;
    } rows[] = {
        {"file -rdi 1 -ns \"r\" -dr 1 -rfn \"rRN\" \"ref.ma\";\n", true}, // unloaded now
        {"file -r -ns \"r\" -dr 1 -rfn \"rRN\" \"ref.ma\";\n", true},
        {"fileInfo \"keep\" \"1\";\n", true},
        {"fileInfo \"drop\"", false},
        {"addAttr -ci true -ln \"extra\"", false},
        {"\tsetAttr \".extra\" 3;", false},
        {"lockNode -l 0 ;\n", true},
        {"createNode transform -n \"bee\" -p \"late\";\n", true},
        {"createNode transform -n \"c\" -p \"b\";", false},
        {"createNode transform -n \"c\" -p \"bee\";\n", true},
        {"\tsetAttr \".o\" 7;\n", true},
        {"select -ne \":defaultResolution\";\n\tsetAttr \".w\" 1920;\n", true},
        {"connectAttr \"a.tx\" \"c.tx\";\n", true},
    };
    for (const auto& r : rows)
        EXPECT_EQ(text.contains(QLatin1String(r.text)), r.present) << r.text << "\n" << text.toStdString();
    // The parent comes before its child although the file had it after.
    EXPECT_LT(text.indexOf("-n \"late\""), text.indexOf("-n \"bee\""));
    host().newScene();
    ASSERT_TRUE(open(dir.filePath("saved.ma"))) << host().errors().join('\n').toStdString();
    EXPECT_EQ(eval("stringArrayToString(`ls -l \"c\"`, \",\")"), QStringLiteral("|late|bee|c"));
    EXPECT_EQ(eval("referenceQuery -il \"rRN\""), QStringLiteral("0"));
    EXPECT_EQ(eval("getAttr \"time1.o\""), QStringLiteral("7"));
    EXPECT_EQ(eval("lockNode -q \"a\""), QStringLiteral("0"));
}

TEST_F(SceneFile, MovedBlocksAndImportedStatementsKeepTheirNodes)
{
    const QString imported = write("imported.ma", "createNode transform -n \"prop\";\n"
                                                  "\tdataStructure -fmt \"raw\" -as \"name=prop:float=weight\";\n");
    const QString path = write("order.ma", "createNode transform -n \"a\";\n\tsetAttr \".tx\" 1;\n"
                                           "createNode transform -n \"b\";\n\tsetAttr \".ty\" 2;\n");
    ASSERT_TRUE(open(path));
    // a now lives below b, which the file makes after it.
    eval("parent \"a\" \"b\"; file -i \"" + imported + "\";");
    const QString text = savedText();
    EXPECT_LT(text.indexOf("createNode transform -n \"b\";"), text.indexOf("createNode transform -n \"a\" -p \"b\";"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("createNode transform -n \"a\" -p \"b\";\n\tsetAttr \".tx\" 1;\n"));
    // What the scene does not model of an imported file follows a select
    // of its node.
    EXPECT_TRUE(text.contains("select -ne \"prop\";\n\tdataStructure -fmt \"raw\" -as \"name=prop:float=weight\";\n"))
        << text.toStdString();
    host().newScene();
    ASSERT_TRUE(open(dir.filePath("saved.ma"))) << host().errors().join('\n').toStdString();
    EXPECT_EQ(eval("stringArrayToString(`ls -l \"a\"`, \",\")"), QStringLiteral("|b|a"));
    EXPECT_EQ(eval("getAttr \"a.tx\""), QStringLiteral("1"));
    EXPECT_TRUE(host().nodeExists("prop"));
}

TEST_F(SceneFile, AReferenceAddedToAMayaSceneIsWrittenWithTheFileReferences)
{
    write("prop.ma", "createNode transform -n \"prop_root\";\n\tsetAttr \".ty\" 4;\n");
    const QString path = write("shot.ma", "requires maya \"2024\";\nfileInfo \"a\" \"1\";\n"
                                          "createNode transform -n \"cam\";\n");
    ASSERT_TRUE(open(path));
    eval("file -r -ns \"prop\" \"prop.ma\"; setAttr \"prop:prop_root.ty\" 9;"
         "connectAttr \"cam.tx\" \"prop:prop_root.tx\";");
    EXPECT_EQ(eval("stringArrayToString(`file -q -r`, \",\")"), dir.filePath("prop.ma"));
    const QString text = savedText();
    // Beside the file's own header: the reference first, then what the file had.
    const int rdi = text.indexOf("file -rdi 1 -ns \"prop\" -rfn \"propRN\" \"prop.ma\";\n");
    const int r = text.indexOf("file -r -ns \"prop\" -rfn \"propRN\" \"prop.ma\";\n");
    ASSERT_GE(rdi, 0) << text.toStdString();
    EXPECT_GT(r, rdi);
    EXPECT_LT(r, text.indexOf("requires maya"));
    // The reference node is the scene's; the referenced node's change and
    // the new connection are written in full after the scene's nodes.
    EXPECT_TRUE(text.contains("createNode reference -n \"propRN\";\n"));
    EXPECT_TRUE(text.contains("\tsetAttr \"prop:prop_root.translate\" -type \"double3\" 0 9 0;\n"));
    EXPECT_TRUE(text.contains("connectAttr \"cam.translateX\" \"prop:prop_root.translateX\";\n"));
    EXPECT_FALSE(text.contains("createNode transform -n \"prop_root\"")); // it comes with the reference
    host().newScene();
    ASSERT_TRUE(open(dir.filePath("saved.ma"))) << host().errors().join('\n').toStdString();
    EXPECT_EQ(eval("getAttr \"prop:prop_root.ty\""), QStringLiteral("9"));
    EXPECT_EQ(eval("stringArrayToString(`ls -type reference`, \",\")"), QStringLiteral("propRN"));
    EXPECT_EQ(eval("stringArrayToString(`listConnections -p 1 \"prop:prop_root.tx\"`, \",\")"),
              QStringLiteral("cam.translateX"));
}

TEST_F(SceneFile, ReferenceAndWorkspaceCommandsRefuseWhatTheyCannotDo)
{
    eval("createNode transform -n \"plain\";");
    const struct {
        const char* mel;
        const char* message;
    } rows[] = {
        {"referenceQuery -f \"plain\";", "line 1: 'plain' is not from a referenced file."},
        {"referenceQuery -inr \"noSuch\";", "line 1: No object matches name: noSuch"},
        {"file -lr \"noRN\";", "line 1: \"noRN\" is neither a reference node nor a referenced file."},
        {"file -r;", "line 1: file -reference needs one file name."},
        {"workspace -o \"/no/such/project\";", "line 1: Workspace \"/no/such/project\" does not exist."},
        {"currentUnit -l \"furlong\";", "line 1: currentUnit: \"furlong\" is not a linear unit."},
        {"requires \"maya\";", "line 1: requires needs a product and its version."},
        {"dataStructure -fmt \"raw\";", "line 1: dataStructure needs -asString, -asFile or -remove."},
        {"relationship \"link\";", "line 1: relationship needs a relationship type and a node."},
        {"parent -add \"plain\" \"plain\";",
         "line 1: The stand-in host does not make instances (parent -addObject/-removeObject)."},
    };
    for (const auto& r : rows) {
        host().clearErrors();
        EXPECT_FALSE(run(QLatin1String(r.mel))) << r.mel;
        EXPECT_EQ(host().errors().value(0), QLatin1String(r.message)) << r.mel;
    }
    // A reference that is not found is kept, unloaded, with a warning.
    host().clearHistory();
    eval("file -r -ns \"gone\" \"" + dir.filePath("gone.ma") + "\";");
    EXPECT_EQ(eval("referenceQuery -il \"goneRN\""), QStringLiteral("0"));
    EXPECT_TRUE(warnings().value(0).contains("was not found; the reference is kept, unloaded")) << warnings().join('\n').toStdString();
    EXPECT_TRUE(host().namespaceExists("gone"));
}

TEST_F(SceneFile, TheOwnFormKeepsHierarchyAttributesAndConnections)
{
    eval("createNode transform -n \"grp\"; createNode transform -n \"ctrl\" -p \"grp\";"
         "addAttr -ln \"blend\" -at double -min 0 -max 1 -k true \"ctrl\"; setAttr \"ctrl.blend\" 0.5;"
         "setAttr \"ctrl.t\" -type \"double3\" 1 2 3; setAttr -l on \"ctrl.rx\";"
         "createNode transform -n \"ctrl\" -p \"|grp|ctrl\"; connectAttr \"grp|ctrl.blend\" \"ctrl|ctrl.sx\";"
         "lockNode -l 1 \"grp\"; fileInfo \"k\" \"v\";");
    const QString text = savedText();
    EXPECT_TRUE(text.startsWith("//Quillbrook host scene, written as MEL\n"));
    host().newScene();
    ASSERT_TRUE(open(dir.filePath("saved.ma"))) << host().errors().join('\n').toStdString();
    const struct {
        const char* mel;
        const char* result;
    } rows[] = {
        {"stringArrayToString(`ls -l \"ctrl\"`, \",\")", "|grp|ctrl,|grp|ctrl|ctrl"},
        {"getAttr \"grp|ctrl.blend\"", "0.5"},
        {"stringArrayToString(`attributeQuery -n \"grp|ctrl\" -r \"blend\"`, \",\")", "0,1"},
        {"getAttr \"grp|ctrl.t\"", "1 2 3"},
        {"getAttr -l \"grp|ctrl.rx\"", "1"},
        {"stringArrayToString(`listConnections -p 1 \"ctrl|ctrl.sx\"`, \",\")", "grp|ctrl.blend"},
        {"lockNode -q \"grp\"", "1"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(eval(QLatin1String(r.mel)), QLatin1String(r.result)) << r.mel;
}

} // namespace
