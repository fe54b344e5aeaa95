// MEL snippets whose fate in the real host is known (the texts the plug-in
// queues, and the documented forms of the commands they use), run through
// the stand-in: each must be accepted or refused as the host does.
#include "mel_test_support.h"

#include <QtCore/QTemporaryDir>

using qbhost::HistoryKind;

namespace {

struct Snippet {
    const char* what;
    const char* text;      // "$SCENE" stands for a saved scene file
    bool modifiedScene;    // the scene holds unsaved changes first
    const char* error;     // nullptr: accepted; else the start of the one error
    const char* recorded;  // the QuillbrookPicker calls, described, joined by " / "
};

const Snippet kSnippets[] = {
    // What the plug-in queues.
    {"scene data write", "fileInfo \"QuillbrookPickerData\" \"eJwLz0xPVQjJSFXIzi8F\"; file -modified 1;", false,
     nullptr, ""},
    {"image write", "fileInfo \"QuillbrookPickerImage_bg\" \"iVBORw0KGgo=\"; file -modified 1;", false, nullptr, ""},
    {"image removal", "fileInfo -remove \"QuillbrookPickerImage_bg\"; file -modified 1;", false, nullptr, ""},
    {"restore", "QuillbrookPicker restore `fileInfo -q \"QuillbrookPickerData\"`;", false, nullptr, "restore []"},
    {"image request",
     "fileInfo \"QuillbrookPickerImage_bg\" \"AAAA\"; { string $qbImage[] = `fileInfo -q "
     "\"QuillbrookPickerImage_bg\"`; if (size($qbImage)) QuillbrookPicker \"fetch_image\" \"bg\" $qbImage[0]; }",
     false, nullptr, "fetch_image bg AAAA"},
    {"bind", "QuillbrookPicker \"bind\" `picker_ListNamespaces`;", false, nullptr, "bind [hero|:]"},
    {"rebind", "QuillbrookPicker \"rebind\" `picker_ListNamespaces`;", false, nullptr, "rebind [hero|:]"},
    {"selection", "QuillbrookPicker select hero:arm_ctrl \"odd name\"", false, nullptr,
     "select hero:arm_ctrl odd name"},
    {"clear", "QuillbrookPicker clear", false, nullptr, "clear"},
    {"save", "QuillbrookPicker(\"save\");", false, nullptr, "save"},
    {"saveas", "QuillbrookPicker(\"saveas\");", false, nullptr, "saveas"},
    // Documented command forms.
    {"array literal to a plug-in command", "QuillbrookPicker open {\"a.qbx\", \"b.qbx\"};", false, nullptr,
     "open [a.qbx|b.qbx]"},
    {"array literal to select", "select -r {\"hero:arm_ctrl\", \"plain\"};", false, nullptr, ""},
    {"empty array literal", "QuillbrookPicker open {};", false, nullptr, "open []"},
    {"array variable to a plug-in command", "string $f[] = {\"a\"}; QuillbrookPicker open $f;", false, nullptr,
     "open [a]"},
    {"escaped line break", "string $s = \"one\\ntwo\\t\\\"three\\\"\\\\\";", false, nullptr, ""},
    {"global procedure in typed text", "global proc string qbSnippet() { return \"x\"; } qbSnippet();", false,
     nullptr, ""},
    {"absolute namespace walk", "namespaceInfo -listOnlyNamespaces -absoluteName \":\";", false, nullptr, ""},
    {"relative name mode", "namespace -relativeNames true; namespace -relativeNames false;", false, nullptr, ""},
    {"new scene, unmodified", "file -new;", false, nullptr, ""},
    {"forced new scene", "file -f -new;", true, nullptr, ""},
    {"forced open", "file -force -open \"$SCENE\";", true, nullptr, ""},
    {"open, unmodified", "file -open \"$SCENE\";", false, nullptr, ""},

    // What the host refuses.
    {"local procedure in typed text", "proc qbLocal() {} qbLocal();", false,
     "line 1: Cannot define the local procedure \"qbLocal\"", ""},
    {"unforced new scene on changes", "file -new;", true, "line 1: Unsaved changes", ""},
    {"unforced open on changes", "file -open \"$SCENE\";", true, "line 1: Unsaved changes", ""},
    {"line break inside a string", "print \"one\ntwo\";", false, "line 1: Syntax error", ""},
    {"unterminated array argument", "select -r {\"a\";", false, "line 1: Syntax error", ""},
};

class MelSnippets : public MelTest
{
protected:
    void SetUp() override
    {
        MelTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        scene = dir.filePath(QStringLiteral("shot.ma"));
        host().createNode("transform", "saved_node");
        ASSERT_TRUE(host().executeMel(QStringLiteral("file -rename \"%1\"; file -save;").arg(scene)));
        ASSERT_TRUE(host().executeMel(QStringLiteral("file -f -new;")));
        registerRecorder("QuillbrookPicker");
    }

    static QString describeAll()
    {
        QStringList calls;
        for (const MArgList& args : RecordedCalls::calls())
            calls << describe(args).join(QLatin1Char(' '));
        return calls.join(QStringLiteral(" / "));
    }

    QTemporaryDir dir;
    QString scene;
};

} // namespace

TEST_F(MelSnippets, AcceptedAndRefusedAsTheHostDoes)
{
    const QString script = [] {
        QFile f(QStringLiteral(QB_SOURCE_DIR "/resources/scripts/picker_ListNamespaces.mel"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }();
    ASSERT_FALSE(script.isEmpty());
    for (const Snippet& s : kSnippets) {
        SCOPED_TRACE(s.what);
        host().executeMel(QStringLiteral("file -f -new;"));
        host().createNode("transform", "hero:arm_ctrl");
        host().createNode("transform", "plain");
        ASSERT_TRUE(host().executeMel(script));
        host().setModified(s.modifiedScene);
        host().clearErrors();
        RecordedCalls::calls().clear();
        const QStringList nodesBefore = host().nodes();

        const QString text = QString::fromUtf8(s.text).replace(QLatin1String("$SCENE"), scene);
        const bool ok = host().executeMel(text);
        if (!s.error) {
            EXPECT_TRUE(ok) << host().errors().join('|').toStdString();
            EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('|').toStdString();
            EXPECT_EQ(describeAll(), QString::fromUtf8(s.recorded));
            continue;
        }
        EXPECT_FALSE(ok);
        ASSERT_EQ(host().errors().size(), 1) << host().errors().join('|').toStdString();
        EXPECT_TRUE(host().errors()[0].startsWith(QString::fromUtf8(s.error))) << host().errors()[0].toStdString();
        // A refused scene command changes nothing.
        EXPECT_EQ(host().nodes(), nodesBefore);
        EXPECT_EQ(host().isModified(), s.modifiedScene);
    }
}

TEST_F(MelSnippets, SelectTakesAnArrayLiteralAsItsObjects)
{
    for (const char* n : {"x", "y", "z"})
        host().createNode("transform", n);
    ASSERT_TRUE(host().executeMel("select -r {\"x\", \"y\"};"));
    EXPECT_EQ(host().selection(), QStringList({"x", "y"}));
    ASSERT_TRUE(host().executeMel("select -add {\"z\"} x;"));
    EXPECT_EQ(host().selection(), QStringList({"x", "y", "z"}));
}

TEST_F(MelSnippets, UnforcedNewSceneKeepsEverythingAndForcedOneProceeds)
{
    host().createNode("transform", "work");
    host().setFileInfo("QuillbrookPickerData", "kept");
    ASSERT_TRUE(host().isModified());
    EXPECT_FALSE(host().executeMel("file -new;"));
    EXPECT_EQ(host().errors(), QStringList({"line 1: Unsaved changes"}));
    EXPECT_TRUE(host().nodeExists("work"));
    EXPECT_EQ(host().fileInfoValue("QuillbrookPickerData"), QStringLiteral("kept"));
    EXPECT_TRUE(host().isModified());

    host().clearErrors();
    ASSERT_TRUE(host().executeMel("file -new -force;"));
    EXPECT_FALSE(host().nodeExists("work"));
    EXPECT_FALSE(host().hasFileInfo("QuillbrookPickerData"));
    EXPECT_TRUE(host().errors().isEmpty());
}

TEST_F(MelSnippets, UnknownEscapesWarnAndReadTheCharacter)
{
    QString result;
    ASSERT_TRUE(host().executeMel("string $s = \"a\\qb\\n\"; $s", &result));
    EXPECT_EQ(result, QStringLiteral("aqb\n"));
    const QStringList warnings = host().historyTexts(HistoryKind::Warning);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].startsWith("line 1: Unrecognized escape sequence \"\\q\"")) << warnings[0].toStdString();
    // Known escapes are silent, also when the parser reads a text twice.
    host().clearHistory();
    ASSERT_TRUE(host().executeMel("print(\"\\t\\\"\\\\\") ; for ($i = 0; $i < 1; $i++) print \"\\z\";"));
    EXPECT_EQ(host().historyTexts(HistoryKind::Warning).size(), 1);
}
