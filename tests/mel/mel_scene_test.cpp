// Scene files written as MEL and read back, and the plug-in's embedded
// namespace script run by the interpreter.
#include "mel_test_support.h"

#include <maya/MEventMessage.h>
#include <maya/MGlobal.h>

#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QRegularExpression>
#include <QtCore/QTemporaryDir>

using qbhost::HistoryKind;

namespace {

QStringList events;
void recordEvent(void* name) { events << QString::fromLatin1(static_cast<const char*>(name)); }

class MelScene : public MelTest
{
protected:
    void SetUp() override
    {
        MelTest::SetUp();
        events.clear();
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("scene.ma");
    }
    void watch(std::initializer_list<const char*> names)
    {
        for (const char* n : names) {
            MStatus st;
            MEventMessage::addEventCallback(n, recordEvent, const_cast<char*>(n), &st);
            ASSERT_TRUE(st) << n;
        }
    }
    struct Snapshot {
        QStringList nodes, types, namespaces;
        QList<QPair<QString, QString>> info;
        bool operator==(const Snapshot& o) const
        {
            return nodes == o.nodes && types == o.types && namespaces == o.namespaces && info == o.info;
        }
    };
    static Snapshot snapshot()
    {
        Snapshot s;
        s.nodes = host().nodes();
        for (const QString& n : s.nodes)
            s.types << host().nodeType(n);
        s.namespaces = host().namespaces();
        s.info = host().fileInfo();
        return s;
    }
    QTemporaryDir dir;
    QString path;
};

TEST_F(MelScene, SavedSceneReopensIdenticalWithEventsInOrder)
{
    eval("namespace -add \"crowd\"; namespace -add \"hero\" -parent \"crowd\"; namespace -add \"empty\";");
    host().createNode("transform", "crowd:hero:arm_ctrl");
    host().createNode("joint", "spine");
    host().createNode("nurbsCurve", "villain:shape");
    host().createNode("transform", "a1");
    host().setFileInfo("QuillbrookPickerData", "<x a=\"1\">\\path\\</x>\nline2\r\n\ttabbed \xc3\xa9");
    host().setFileInfo("plain", "v");
    host().setFileInfo("empty", "");
    host().setSceneName(path);
    ASSERT_TRUE(host().saveScene());
    EXPECT_FALSE(host().isModified());
    const Snapshot before = snapshot();

    watch({"deleteAll", "NewSceneOpened", "SceneOpened", "SceneSaved"});
    eval("file -f -new;");
    EXPECT_EQ(events, QStringList({"deleteAll", "NewSceneOpened"}));
    events.clear();
    eval("file -f -open \"" + path + "\";");
    EXPECT_EQ(events, QStringList({"deleteAll", "SceneOpened"}));
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('|').toStdString();
    EXPECT_TRUE(snapshot() == before);
    EXPECT_EQ(host().fileInfoValue("QuillbrookPickerData"), before.info[0].second);
    EXPECT_FALSE(host().isModified());
    EXPECT_EQ(host().sceneName(), path);
    EXPECT_TRUE(host().selection().isEmpty()); // reading a file selects nothing
    // Neither the scene file nor its text went to the history.
    for (const QString& h : host().historyTexts(HistoryKind::Mel))
        EXPECT_FALSE(h.contains("createNode")) << h.toStdString();

    events.clear();
    eval("file -modified 1; file -save;");
    EXPECT_EQ(events, QStringList({"SceneSaved"}));
    EXPECT_FALSE(host().isModified());
}

TEST_F(MelScene, FileTextIsMelWithParentsFirst)
{
    host().addNamespace("outer:inner"); // only the nested one on its own
    host().createNode("transform", "n1");
    host().createNode("my type", "odd \"name\"");
    host().setFileInfo("k", "v");
    const QString text = host().sceneFileText();
    EXPECT_TRUE(text.startsWith("//"));
    const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
    const QStringList body = lines.filter(QRegularExpression("^[^/]"));
    EXPECT_EQ(body, QStringList({"namespace -add \"outer\";", "namespace -add \"inner\" -parent \":outer\";",
                                 "createNode transform -n \"n1\";", "createNode \"my type\" -n \"odd \\\"name\\\"\";",
                                 "fileInfo \"k\" \"v\";"}));
}

TEST_F(MelScene, HostileValuesStayStrings)
{
    const QString hostile[] = {
        "\"; file -new; \"",
        "\\\"; file -f -new; print \"\\",
        "`file -new`",
        "*/ file -new; /*",
        "\n file -new;\n",
        "end\\",
        QString(QChar(0)) + "nul and \x01 control",
    };
    int i = 0;
    for (const QString& v : hostile)
        host().setFileInfo(QStringLiteral("k%1").arg(i++), v);
    host().setFileInfo("key \"; file -new; \"", "x");
    host().createNode("transform", "keep_me");
    ASSERT_TRUE(host().saveScene(path));
    const Snapshot before = snapshot();
    host().newScene();

    watch({"NewSceneOpened", "SceneOpened"});
    ASSERT_TRUE(host().openScene(path)) << host().errors().join('|').toStdString();
    EXPECT_EQ(events, QStringList({"SceneOpened"})); // no file -new ran
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('|').toStdString();
    EXPECT_TRUE(snapshot() == before);
    EXPECT_TRUE(host().nodeExists("keep_me"));
}

TEST_F(MelScene, HugeValueSurvivesTheRoundTrip)
{
    QString big;
    big.reserve(10 * 1024 * 1024);
    const QString chunk = QStringLiteral("<button x=\"12\" y=\"34\">\\data\\</button>\n\t");
    while (big.size() < 10 * 1024 * 1024)
        big += chunk;
    host().setFileInfo("QuillbrookPickerData", big);
    ASSERT_TRUE(host().saveScene(path));
    host().newScene();
    ASSERT_TRUE(host().openScene(path));
    EXPECT_EQ(host().fileInfoValue("QuillbrookPickerData"), big);
}

TEST_F(MelScene, AFailingStatementIsReportedAndTheRestIsRead)
{
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("//Quillbrook host scene, written as MEL\ncreateNode transform -n \"first\";\nfileInfo \"k\" \"v\";\n"
                "noSuchCommand;\ncreateNode transform -n \"after\";\n");
    }
    host().createNode("transform", "old");
    watch({"deleteAll", "SceneOpened"});
    EXPECT_FALSE(host().openScene(path));
    EXPECT_EQ(events, QStringList({"deleteAll", "SceneOpened"}));
    EXPECT_EQ(host().errors(), QStringList({"file: " + path + " line 4: Cannot find procedure \"noSuchCommand\"."}));
    EXPECT_EQ(host().nodes(), QStringList({"first", "after"}));
    EXPECT_EQ(host().fileInfoValue("k"), QStringLiteral("v"));
    EXPECT_FALSE(host().isModified());
    EXPECT_EQ(host().sceneName(), path);
    EXPECT_EQ(host().damageErrors(), host().errors());

    // A file that cannot be read changes nothing and raises nothing.
    events.clear();
    host().clearErrors();
    EXPECT_FALSE(host().openScene(dir.filePath("missing.ma")));
    EXPECT_TRUE(events.isEmpty());
    EXPECT_EQ(host().errors().size(), 1);
    EXPECT_EQ(host().nodes(), QStringList({"first", "after"}));
}

TEST_F(MelScene, OversizedFileIsRefusedBeforeReading)
{
    {
        // Sparse: no disk is used for the 300 MB.
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(300) << 20));
    }
    host().createNode("transform", "old");
    watch({"deleteAll", "SceneOpened"});
    EXPECT_FALSE(host().openScene(path));
    EXPECT_TRUE(events.isEmpty());
    ASSERT_EQ(host().errors().size(), 1);
    EXPECT_TRUE(host().errors()[0].contains("larger than")) << host().errors()[0].toStdString();
    EXPECT_EQ(host().nodes(), QStringList({"old"}));
}

TEST_F(MelScene, ASceneOpenedFromInsideAReadIsRefused)
{
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(("//Quillbrook host scene, written as MEL\ncreateNode transform -n \"n\";\nfile -f -open \"" + path
                 + "\";\ncreateNode transform -n \"m\";\n")
                    .toUtf8());
    }
    EXPECT_FALSE(host().openScene(path));
    EXPECT_EQ(host().errors(), QStringList({"file: " + path + " line 3: Cannot make a new scene or open one while \""
                                            + path + "\" is being read."}));
    // The read went on: nothing was cleared from under it.
    EXPECT_EQ(host().nodes(), QStringList({"n", "m"}));
    EXPECT_EQ(host().sceneName(), path);
}

TEST_F(MelScene, SaveWithoutNameFailsAndCopiesLeaveStateAlone)
{
    EXPECT_FALSE(host().saveScene());
    EXPECT_EQ(host().errors().size(), 1);
    host().setSceneName(path);
    host().setModified(true);
    ASSERT_TRUE(host().saveScene(dir.filePath("copy.ma")));
    EXPECT_TRUE(host().isModified()); // the scene's own file is still behind
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(host().saveScene(dir.filePath("no/such/dir/x.ma")));
}

TEST_F(MelScene, SourcedScriptDefinesProceduresWithoutHistory)
{
    const QString script = dir.filePath("tools.mel");
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("proc string helper() { return \"from file\"; }\n"
                "global proc string toolsEntry() { return helper(); }\n");
    }
    eval("source \"" + script + "\";");
    EXPECT_EQ(eval("toolsEntry()"), QStringLiteral("from file"));
    for (const QString& h : host().historyTexts(HistoryKind::Mel))
        EXPECT_FALSE(h.contains("toolsEntry()") && h.contains("helper")) << h.toStdString();
    EXPECT_FALSE(run("source \"" + dir.filePath("none.mel") + "\";"));
    EXPECT_EQ(host().errors(),
              QStringList({"line 1: Cannot find file \"" + dir.filePath("none.mel") + "\" for source statement."}));
}

// ---- the embedded namespace script ------------------------------------------------------

QString embeddedScript()
{
    QFile f(QStringLiteral(QB_SOURCE_DIR "/resources/scripts/picker_ListNamespaces.mel"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll());
}

class EmbeddedScript : public MelTest
{
protected:
    void SetUp() override
    {
        MelTest::SetUp();
        for (const char* n : {"hero:arm_ctrl", "crowd:hero:head", "crowd:extra:foot", "crowd:extra:deep:toe",
                              "plain_node", "b_ns:x"})
            host().createNode("transform", n);
        host().addNamespace("zeta");
        host().addNamespace("crowd:hero:inner");
        // Queued and run as the plug-in does when it loads.
        MGlobal::executeCommandOnIdle(MString(embeddedScript().toUtf8().constData()));
        EXPECT_EQ(host().drainIdle(), 1);
        EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('|').toStdString();
    }
};

const char kSceneList[] = "hero,crowd,crowd:hero,crowd:hero:inner,crowd:extra,crowd:extra:deep,b_ns,zeta,:";

TEST_F(EmbeddedScript, ListsNamespacesDepthFirstWithRootLast)
{
    // In creation order, parents before their children.
    EXPECT_EQ(eval("stringArrayToString(picker_ListNamespaces(), \",\")"), QLatin1String(kSceneList));
    // As the plug-in calls it.
    registerRecorder("QuillbrookPicker");
    eval("QuillbrookPicker \"rebind\" `picker_ListNamespaces`;");
    ASSERT_EQ(RecordedCalls::calls().size(), 1u);
    EXPECT_EQ(describe(RecordedCalls::calls()[0]),
              QStringList({"rebind", "[hero|crowd|crowd:hero|crowd:hero:inner|crowd:extra|crowd:extra:deep|b_ns|zeta|:]"}));
}

TEST_F(EmbeddedScript, TheWholeSceneWhateverTheCurrentNamespaceAndNameMode)
{
    const struct {
        const char* set;
        const char* relative;
        const char* current;
    } rows[] = {
        {"namespace -set \":\"", "false", ":"},
        {"namespace -set \"hero\"", "false", "hero"},
        {"namespace -set \"crowd\"; namespace -set \"hero\"", "false", "crowd:hero"},
        {"namespace -set \":crowd:extra:deep\"", "false", "crowd:extra:deep"},
        {"namespace -set \":\"", "true", ":"},
        {"namespace -set \"hero\"", "true", "hero"},
        {"namespace -set \":crowd:hero\"", "true", "crowd:hero"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.set) + ", relative names " + r.relative);
        eval(QStringLiteral("namespace -set \":\"; %1; namespace -relativeNames %2;")
                 .arg(QLatin1String(r.set), QLatin1String(r.relative)));
        ASSERT_EQ(host().currentNamespace(), QLatin1String(r.current));
        EXPECT_EQ(eval("stringArrayToString(picker_ListNamespaces(), \",\")"), QLatin1String(kSceneList));
        EXPECT_EQ(host().currentNamespace(), QLatin1String(r.current));
        EXPECT_EQ(eval("namespace -q -relativeNames"), QLatin1String(QLatin1String(r.relative) == QLatin1String("true") ? "1" : "0"));
    }
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('|').toStdString();
}

TEST_F(EmbeddedScript, OnlyGlobalPrefixedProceduresAndNoVersionBranch)
{
    const QString script = embeddedScript();
    // Every procedure is global and carries a prefix of the plug-in.
    const QRegularExpression proc(QStringLiteral("^\\s*(global\\s+)?proc\\s+(\\w+\\s*(\\[\\])?\\s+)?(\\w+)\\s*\\("),
                                  QRegularExpression::MultilineOption);
    int procs = 0;
    for (auto it = proc.globalMatch(script); it.hasNext(); ++procs) {
        const QRegularExpressionMatch m = it.next();
        EXPECT_FALSE(m.captured(1).isEmpty()) << m.captured(0).toStdString();
        EXPECT_TRUE(m.captured(4).startsWith("picker_") || m.captured(4).startsWith("QuillbrookPicker_"))
            << m.captured(4).toStdString();
    }
    EXPECT_EQ(procs, 2);
    EXPECT_FALSE(script.contains("getApplicationVersionAsFloat"));
    EXPECT_FALSE(script.contains("namespace -set"));
    // An old host version changes nothing now.
    host().setApplicationVersion(2012);
    EXPECT_EQ(eval("stringArrayToString(picker_ListNamespaces(), \",\")"), QLatin1String(kSceneList));
}

TEST(EmbeddedScriptForm, ALocalHelperInQueuedTextFailsWithAMissingProcedure)
{
    qbhost::HostSession& host = qbhost::HostSession::instance();
    host.resetForTest();
    host.createNode("transform", "hero:arm_ctrl");
    // The form the script had: a file-local helper, run as queued text.
    const char* oldForm =
        "proc string[] picker_ListOneNamespace(string $prefix, string $list[])\n"
        "{\n"
        "    string $children[] = `namespaceInfo -listOnlyNamespaces`;\n"
        "    for ($name in $children) $list[size($list)] = $name;\n"
        "    return $list;\n"
        "}\n"
        "global proc string[] picker_ListNamespaces()\n"
        "{\n"
        "    string $list[];\n"
        "    $list = picker_ListOneNamespace(\"\", $list);\n"
        "    $list[size($list)] = \":\";\n"
        "    return $list;\n"
        "}\n";
    MGlobal::executeCommandOnIdle(MString(oldForm));
    host.drainIdle();
    ASSERT_FALSE(host.errors().isEmpty());
    host.clearErrors();
    EXPECT_FALSE(host.executeMel("QuillbrookPicker \"bind\" `picker_ListNamespaces`;"));
    EXPECT_EQ(host.errors(), QStringList({"line 1: Cannot find procedure \"picker_ListNamespaces\"."}));

    // The script as shipped passes.
    host.clearErrors();
    MGlobal::executeCommandOnIdle(MString(embeddedScript().toUtf8().constData()));
    host.drainIdle();
    EXPECT_TRUE(host.errors().isEmpty()) << host.errors().join('|').toStdString();
    QString result;
    EXPECT_TRUE(host.executeMel("stringArrayToString(picker_ListNamespaces(), \",\")", &result));
    EXPECT_EQ(result, QStringLiteral("hero,:"));
    host.resetForTest();
}

TEST_F(EmbeddedScript, EmptySceneGivesTheRootOnly)
{
    host().newScene();
    EXPECT_EQ(eval("stringArrayToString(picker_ListNamespaces(), \",\")"), QStringLiteral(":"));
}

} // namespace
