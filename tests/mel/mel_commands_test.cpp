// Calls from MEL: plug-in commands with typed arguments, and the built-in
// commands on the scene, the file and strings.
#include "mel_test_support.h"

#include <maya/MEventMessage.h>

#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryDir>

using qbhost::HistoryKind;

namespace {

int selectionEvents = 0;
void countSelection(void*) { ++selectionEvents; }

class MelCommands : public MelTest
{
protected:
    void SetUp() override
    {
        MelTest::SetUp();
        for (const char* n : {"a", "b", "c", "hero:arm_ctrl", "hero:leg_ctrl", "crowd:hero:head"})
            host().createNode("transform", n);
        host().setModified(false);
        selectionEvents = 0;
        MStatus st;
        MEventMessage::addEventCallback("SelectionChanged", countSelection, nullptr, &st);
        ASSERT_TRUE(st);
    }
    static QStringList sel() { return host().selection(); }
};

// ---- the texts the plug-in queues -----------------------------------------------

TEST_F(MelCommands, StoreTextKeepsTheDataAndMarksTheScene)
{
    eval("fileInfo \"QuillbrookPickerData\" \"<picker a=\\\"1\\\">\\n\\\\</picker>\";  file -modified 1;");
    EXPECT_EQ(host().fileInfoValue("QuillbrookPickerData"), QStringLiteral("<picker a=\"1\">\n\\</picker>"));
    EXPECT_TRUE(host().isModified());
}

TEST_F(MelCommands, RestoreTextPassesTheStoredValueAsOneArray)
{
    registerRecorder("QuillbrookPicker");
    const QString restore = "QuillbrookPicker restore `fileInfo -q \"QuillbrookPickerData\"`;";
    eval(restore);
    host().setFileInfo("QuillbrookPickerData", "stored \"data\" two words");
    eval(restore);
    ASSERT_EQ(RecordedCalls::calls().size(), 2u);
    EXPECT_EQ(describe(RecordedCalls::calls()[0]), QStringList({"restore", "[]"}));
    const MArgList& args = RecordedCalls::calls()[1];
    ASSERT_EQ(args.length(), 2u);
    MString word;
    EXPECT_TRUE(args.get(0, word));
    EXPECT_EQ(word, MString("restore"));
    EXPECT_EQ(args.get(1, word), MS::kInvalidParameter); // an array, not a string
    unsigned int index = 1;
    MStringArray value;
    ASSERT_TRUE(args.get(index, value));
    EXPECT_EQ(index, 2u);
    ASSERT_EQ(value.length(), 1u);
    EXPECT_EQ(value[0], MString("stored \"data\" two words"));
}

TEST_F(MelCommands, FunctionSyntaxAndBackquotedProcedure)
{
    registerRecorder("QuillbrookPicker");
    eval("QuillbrookPicker(\"save\");");
    eval("global proc string[] picker_ListNamespaces() { return {\"hero\", \"crowd:hero\", \":\"}; }");
    eval("QuillbrookPicker \"rebind\" `picker_ListNamespaces`;");
    ASSERT_EQ(RecordedCalls::calls().size(), 2u);
    EXPECT_EQ(RecordedCalls::calls()[0].length(), 1u);
    EXPECT_EQ(describe(RecordedCalls::calls()[0]), QStringList({"save"}));
    EXPECT_EQ(describe(RecordedCalls::calls()[1]), QStringList({"rebind", "[hero|crowd:hero|:]"}));
}

TEST_F(MelCommands, CommandArgumentsKeepTheirKinds)
{
    registerRecorder("rec");
    eval("string $names[] = {\"x\", \"y\"}; int $n = 4; string $w = \"two words\";\n"
         "rec -q -flag hero:arm_ctrl \"|grp|node.tx\" *_ctrl a[0] 3 -1.5 $n $w $names ($n * 2) `ls -sl`;");
    // Command syntax whose first argument is in parentheses.
    eval("string $n = \"arm\"; rec ($n + \".tx\") 1; rec($n);");
    ASSERT_EQ(RecordedCalls::calls().size(), 3u);
    EXPECT_EQ(describe(RecordedCalls::calls()[0]),
              QStringList({"-q", "-flag", "hero:arm_ctrl", "|grp|node.tx", "*_ctrl", "a[0]", "3", "-1.5", "4",
                           "two words", "[x|y]", "8", "[]"}));
    EXPECT_EQ(describe(RecordedCalls::calls()[1]), QStringList({"arm.tx", "1"}));
    EXPECT_EQ(describe(RecordedCalls::calls()[2]), QStringList({"arm"}));
}

TEST_F(MelCommands, FailingPluginCommandStopsItsText)
{
    registerRecorder("rec");
    RecordedCalls::status() = MS::kFailure;
    EXPECT_FALSE(run("rec 1;\nprint \"after\";"));
    EXPECT_EQ(host().errors(), QStringList({"line 1: rec: (kFailure): Unexpected Internal Failure"}));
    EXPECT_TRUE(host().historyTexts(HistoryKind::Output).isEmpty());
}

// ---- selection and nodes --------------------------------------------------------------

TEST_F(MelCommands, SelectAdjustsTheSelection)
{
    struct Step {
        const char* text;
        QStringList selection;
    };
    const Step steps[] = {
        {"select -r hero:arm_ctrl \"hero:leg_ctrl\";", {"hero:arm_ctrl", "hero:leg_ctrl"}},
        {"select -add a b;", {"hero:arm_ctrl", "hero:leg_ctrl", "a", "b"}},
        {"select -d hero:arm_ctrl;", {"hero:leg_ctrl", "a", "b"}},
        {"select -tgl a c;", {"hero:leg_ctrl", "b", "c"}},
        {"select -replace \"hero:*\";", {"hero:arm_ctrl", "hero:leg_ctrl"}},
        {"select -toggle hero:arm_ctrl; select -deselect hero:leg_ctrl;", {}},
        {"select a; select -add \"*:*:*\";", {"a", "crowd:hero:head"}},
        {"select;", {}},
        {"string $l[] = {\"c\", \"b\"}; select -r $l;", {"c", "b"}},
        {"select -clear;", {}},
    };
    for (const Step& s : steps) {
        eval(s.text);
        EXPECT_EQ(sel(), s.selection) << s.text;
    }
    EXPECT_TRUE(host().errors().isEmpty());
}

TEST_F(MelCommands, SelectOfAMissingNameChangesNothing)
{
    eval("select -r a;");
    selectionEvents = 0;
    EXPECT_FALSE(run("select -r b ghost c;"));
    EXPECT_EQ(host().errors(), QStringList({"line 1: No object matches name: ghost"}));
    EXPECT_EQ(sel(), QStringList({"a"}));
    EXPECT_EQ(selectionEvents, 0);
}

TEST_F(MelCommands, SelectOfManyNamesIsOneChange)
{
    QString text = "select -r";
    QStringList names;
    for (int i = 0; i < 10000; ++i) {
        names << QStringLiteral("n%1").arg(i);
        host().createNode("transform", names.last());
        text += ' ' + names.last();
    }
    selectionEvents = 0;
    eval(text + ';');
    EXPECT_EQ(sel(), names);
    EXPECT_EQ(selectionEvents, 1);
    eval("select -d " + names.mid(0, 5000).join(' ') + ';');
    EXPECT_EQ(sel(), names.mid(5000));
}

TEST_F(MelCommands, LsListsNodesPatternsAndSelection)
{
    eval("select -r b hero:arm_ctrl;");
    EXPECT_EQ(eval("ls"), QStringLiteral("a b c hero:arm_ctrl hero:leg_ctrl crowd:hero:head"));
    EXPECT_EQ(eval("ls \"hero:*\" a"), QStringLiteral("hero:arm_ctrl hero:leg_ctrl a"));
    EXPECT_EQ(eval("ls \"*:*\""), QStringLiteral("hero:arm_ctrl hero:leg_ctrl")); // one level only
    EXPECT_EQ(eval("ls -sl"), QStringLiteral("b hero:arm_ctrl"));
    EXPECT_EQ(eval("ls -selection \"hero:*\""), QStringLiteral("hero:arm_ctrl"));
    EXPECT_EQ(eval("size(`ls ghost`)"), QStringLiteral("0"));
    EXPECT_EQ(eval("size(ls(\"-sl\"))"), QStringLiteral("2")); // flags as strings in function syntax
}

TEST_F(MelCommands, CreateNodeNamesTypesAndSelects)
{
    EXPECT_EQ(eval("createNode joint -n \"hero:spine\""), QStringLiteral("hero:spine"));
    EXPECT_EQ(host().nodeType("hero:spine"), QStringLiteral("joint"));
    EXPECT_EQ(sel(), QStringList({"hero:spine"}));
    EXPECT_EQ(eval("createNode transform -n a"), QStringLiteral("a1"));
    EXPECT_EQ(eval("createNode transform -name a"), QStringLiteral("a2"));
    EXPECT_EQ(eval("createNode transform -n \"pCube1\"; createNode transform -n \"pCube1\""),
              QStringLiteral("pCube2"));
    EXPECT_EQ(eval("createNode locator"), QStringLiteral("locator1"));
    EXPECT_EQ(eval("createNode locator -ss"), QStringLiteral("locator2"));
    EXPECT_EQ(sel(), QStringList({"locator1"})); // -ss kept the selection
    // New nodes go into the current namespace; a leading ':' means the root.
    eval("namespace -set \"hero\"; createNode transform -n \"knee\"; createNode transform -n \":root_ctrl\"; "
         "namespace -set \":\";");
    EXPECT_TRUE(host().nodeExists("hero:knee"));
    EXPECT_TRUE(host().nodeExists("root_ctrl"));
    EXPECT_FALSE(run("createNode -n x"));
}

TEST_F(MelCommands, DeleteNamesOrTheSelection)
{
    eval("delete a \"hero:*\";");
    EXPECT_EQ(host().nodes(), QStringList({"b", "c", "crowd:hero:head"}));
    eval("select -r b; delete;");
    EXPECT_EQ(host().nodes(), QStringList({"c", "crowd:hero:head"}));
    EXPECT_FALSE(run("delete ghost c;"));
    EXPECT_TRUE(host().nodeExists("c"));
}

// ---- namespaces --------------------------------------------------------------------------

TEST_F(MelCommands, NamespaceAddSetRemoveAndExists)
{
    EXPECT_EQ(eval("namespace -add \"villain\""), QStringLiteral("villain"));
    EXPECT_EQ(eval("namespace -add \"boss\" -parent \"villain\""), QStringLiteral("villain:boss"));
    EXPECT_EQ(eval("namespace -addNamespace \"minion\" -p \":villain\""), QStringLiteral("villain:minion"));
    EXPECT_EQ(eval("namespace -exists \"villain:boss\""), QStringLiteral("1"));
    EXPECT_EQ(eval("namespace -ex \"nobody\""), QStringLiteral("0"));
    eval("namespace -set \"villain\";");
    EXPECT_EQ(eval("namespaceInfo -cur"), QStringLiteral("villain"));
    // Relative to the current namespace.
    EXPECT_EQ(eval("namespace -add \"henchman\""), QStringLiteral("villain:henchman"));
    EXPECT_EQ(eval("namespaceInfo -lon"), QStringLiteral("villain:boss villain:minion villain:henchman"));
    eval("namespace -setNamespace \":\";");
    EXPECT_EQ(eval("namespaceInfo -currentNamespace"), QStringLiteral(":"));
    eval("namespace -rm \"villain:henchman\"; namespace -removeNamespace \"villain:minion\";");
    EXPECT_FALSE(host().namespaceExists("villain:minion"));

    const char* const failing[] = {"namespace -add \"villain\";", "namespace -rm \"villain\";",
                                   "namespace -rm \"UI\";", "namespace -set \"nowhere\";",
                                   "namespace -add \"x\" -parent \"nowhere\";", "namespaceInfo -lon \"nowhere\";"};
    for (const char* text : failing) {
        host().clearErrors();
        EXPECT_FALSE(run(text)) << text;
        EXPECT_EQ(host().errors().size(), 1) << text;
    }
    EXPECT_TRUE(host().namespaceExists("villain:boss"));
}

TEST_F(MelCommands, NamespaceInfoListsFullNames)
{
    eval("namespace -add \"extra\" -parent \"crowd:hero\";");
    // In creation order: the host's own two first, then as the nodes came.
    EXPECT_EQ(eval("namespaceInfo -listOnlyNamespaces"), QStringLiteral("UI shared hero crowd"));
    EXPECT_EQ(eval("namespaceInfo -lon \"crowd\""), QStringLiteral("crowd:hero"));
    EXPECT_EQ(eval("namespaceInfo -lon \":crowd:hero\""), QStringLiteral("crowd:hero:extra"));
    EXPECT_EQ(eval("namespaceInfo -lon -r"), QStringLiteral("UI shared hero crowd crowd:hero crowd:hero:extra"));
    EXPECT_EQ(eval("namespaceInfo -lon -recurse \"crowd\""), QStringLiteral("crowd:hero crowd:hero:extra"));
    EXPECT_EQ(eval("namespaceInfo -lon \"hero\""), QString());
    eval("namespace -add \"alpha\";");
    EXPECT_EQ(eval("namespaceInfo -lon"), QStringLiteral("UI shared hero crowd alpha"));
}

TEST_F(MelCommands, NamespaceInfoAbsoluteAndRelativeNames)
{
    eval("namespace -add \"extra\" -parent \"crowd:hero\"; namespace -set \"crowd\";");
    const struct {
        const char* relative;
        const char* text;
        const char* expected;
    } rows[] = {
        {"false", "namespaceInfo -lon", "crowd:hero"},
        {"false", "namespaceInfo -lon -an", ":crowd:hero"},
        {"false", "namespaceInfo -lon -absoluteName \":\"", ":UI :shared :hero :crowd"},
        {"false", "namespaceInfo -lon -r -an", ":crowd:hero :crowd:hero:extra"},
        {"false", "namespaceInfo -cur", "crowd"},
        {"false", "namespaceInfo -cur -an", ":crowd"},
        // Relative mode: names below the current namespace lose its prefix,
        // others are absolute; -absoluteName is unaffected.
        {"true", "namespaceInfo -lon", "hero"},
        {"true", "namespaceInfo -lon -r", "hero hero:extra"},
        {"true", "namespaceInfo -lon \"hero\"", "hero:extra"},
        {"true", "namespaceInfo -lon \":\"", ":UI :shared :hero :crowd"},
        {"true", "namespaceInfo -lon -an", ":crowd:hero"},
        {"true", "namespaceInfo -cur -an", ":crowd"},
    };
    for (const auto& r : rows) {
        eval(QStringLiteral("namespace -relativeNames %1;").arg(QLatin1String(r.relative)));
        EXPECT_EQ(eval(QLatin1String(r.text)), QLatin1String(r.expected)) << r.text << " relative " << r.relative;
    }
    EXPECT_EQ(eval("namespace -q -relativeNames"), QStringLiteral("1"));
    EXPECT_EQ(host().currentNamespace(), QStringLiteral("crowd"));
}

// ---- fileInfo and file --------------------------------------------------------------------

TEST_F(MelCommands, FileInfoSetsQueriesAndRemoves)
{
    eval("fileInfo \"k1\" \"v1\"; fileInfo \"k2\" \"-not a flag\"; fileInfo \"k1\" \"v1b\";");
    EXPECT_EQ(eval("size(`fileInfo -q \"k1\"`)"), QStringLiteral("1"));
    EXPECT_EQ(eval("string $v[] = `fileInfo -q \"k1\"`; $v[0]"), QStringLiteral("v1b"));
    EXPECT_EQ(eval("size(`fileInfo -q \"missing\"`)"), QStringLiteral("0"));
    EXPECT_EQ(eval("stringArrayToString(`fileInfo -query`, \"|\")"), QStringLiteral("k1|v1b|k2|-not a flag"));
    eval("fileInfo -rm \"k1\"; fileInfo -remove \"absent\";");
    EXPECT_FALSE(host().hasFileInfo("k1"));
    EXPECT_FALSE(run("fileInfo \"only key\";"));
}

TEST_F(MelCommands, FileStateNameSaveAndNew)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("shot.ma");
    EXPECT_FALSE(run("file -save;")); // no name yet
    EXPECT_EQ(host().errors().size(), 1);
    EXPECT_EQ(eval("file -q -sn"), QString());
    eval("file -rename \"" + path + "\"; file -modified 1;");
    EXPECT_EQ(eval("file -q -sceneName"), path);
    EXPECT_EQ(eval("file -q -modified"), QStringLiteral("1"));
    eval("file -f -save;");
    EXPECT_EQ(eval("file -query -mf"), QStringLiteral("0"));
    EXPECT_TRUE(QFileInfo::exists(path));
    eval("file -modified 1; file -modified 0;");
    EXPECT_FALSE(host().isModified());
    eval("file -f -new;");
    EXPECT_TRUE(host().nodes().isEmpty());
    EXPECT_EQ(eval("file -q -sn"), QString());
    eval("file -f -open \"" + path + "\";");
    EXPECT_EQ(host().nodes().size(), 6);
    EXPECT_EQ(host().sceneName(), path);

    // A missing file is an error that leaves the scene as it was.
    host().clearErrors();
    EXPECT_FALSE(run("file -f -o \"" + dir.filePath("none.ma") + "\"; print \"after\";"));
    EXPECT_EQ(host().errors().size(), 1);
    EXPECT_EQ(host().nodes().size(), 6);
    EXPECT_EQ(host().sceneName(), path);
}

// ---- strings ------------------------------------------------------------------------------

struct StringCase {
    const char* text;
    const char* result;
};

class MelStringCommands : public MelTest, public ::testing::WithParamInterface<StringCase>
{
};

TEST_P(MelStringCommands, GiveTheirResult)
{
    EXPECT_EQ(eval(QString::fromUtf8(GetParam().text)), QString::fromUtf8(GetParam().result)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    All, MelStringCommands,
    ::testing::Values(
        StringCase{"size(\"hello\")", "5"}, StringCase{"size({\"a\", \"b\", \"c\"})", "3"},
        StringCase{"match \"[^:]+\" \"crowd:hero:arm\"", "crowd"}, StringCase{"match \"[0-9]+$\" \"arm12\"", "12"},
        StringCase{"match \"x\" \"abc\"", ""}, StringCase{"gmatch \"hero:arm_ctrl\" \"hero:*_ctrl\"", "1"},
        StringCase{"gmatch \"arm\" \"a?m\"", "1"}, StringCase{"gmatch \"arm\" \"[xy]rm\"", "0"},
        StringCase{"gmatch \"a.b\" \"a.b\"", "1"}, StringCase{"gmatch \"aXb\" \"a.b\"", "0"},
        StringCase{"substitute \"o\" \"foo\" \"0\"", "f0o"}, StringCase{"substitute \"[.]\" \"a.b.c\" \"\\\\\"", "a\\b.c"},
        StringCase{"stringArrayToString(tokenize(\"a::b:c\", \":\"), \",\")", "a,b,c"},
        StringCase{"string $b[]; int $n = tokenize(\"one two  three\", $b); $n + \":\" + $b[2]", "3:three"},
        StringCase{"string $b[] = {\"old\", \"x\", \"y\", \"z\"}; tokenize(\"p|q\", \"|\", $b); stringArrayToString($b, \",\")",
                   "p,q"},
        StringCase{"stringArrayContains(\"b\", {\"a\", \"b\"})", "1"},
        StringCase{"stringArrayContains(\"B\", {\"a\", \"b\"})", "0"},
        StringCase{"stringArrayToString({\"a\", \"b\"}, \", \")", "a, b"},
        StringCase{"stringArrayToString({}, \"-\")", ""},
        StringCase{"getApplicationVersionAsFloat() > 2012", "1"}));

TEST_F(MelTest, StringCommandsRefuseBadInput)
{
    const char* const failing[] = {"match \"(\" \"x\";", "tokenize(\"a b\", \" \", \"notAnArray\");",
                                   "stringArrayContains(\"a\", \"a\");", "size();"};
    for (const char* text : failing) {
        host().clearErrors();
        EXPECT_FALSE(run(text)) << text;
        EXPECT_EQ(host().errors().size(), 1) << text;
    }
}

} // namespace
