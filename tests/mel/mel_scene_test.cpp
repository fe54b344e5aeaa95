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

TEST_F(MelScene, BrokenFileStillEndsWithSceneOpened)
{
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("createNode transform -n \"first\";\nfileInfo \"k\" \"v\";\nnoSuchCommand;\ncreateNode transform -n \"never\";\n");
    }
    host().createNode("transform", "old");
    watch({"deleteAll", "SceneOpened"});
    EXPECT_FALSE(host().openScene(path));
    EXPECT_EQ(events, QStringList({"deleteAll", "SceneOpened"}));
    EXPECT_EQ(host().errors(), QStringList({"line 3: Cannot find procedure \"noSuchCommand\"."}));
    EXPECT_EQ(host().nodes(), QStringList({"first"}));
    EXPECT_FALSE(host().isModified());
    EXPECT_EQ(host().sceneName(), path);

    // A file that cannot be read changes nothing and raises nothing.
    events.clear();
    host().clearErrors();
    EXPECT_FALSE(host().openScene(dir.filePath("missing.ma")));
    EXPECT_TRUE(events.isEmpty());
    EXPECT_EQ(host().errors().size(), 1);
    EXPECT_EQ(host().nodes(), QStringList({"first"}));
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

TEST_F(MelScene, SceneThatOpensItselfStopsWithOneError)
{
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(("createNode transform -n \"n\";\nfile -f -open \"" + path + "\";\n").toUtf8());
    }
    EXPECT_FALSE(host().openScene(path));
    EXPECT_EQ(host().errors(), QStringList({"line 1: Too many nested texts (more than 64)."}));
    // The innermost open had cleared the scene before it was refused.
    EXPECT_TRUE(host().nodes().isEmpty());
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

TEST_F(EmbeddedScript, ListsNamespacesDepthFirstWithRootLast)
{
    EXPECT_EQ(eval("stringArrayToString(picker_ListNamespaces(), \",\")"),
              QStringLiteral("b_ns,crowd,crowd:extra,crowd:extra:deep,crowd:hero,crowd:hero:inner,hero,zeta,:"));
    // The helper stays private to the script.
    EXPECT_FALSE(run("picker_ListOneNamespace(\"\", {})"));
    host().clearErrors();
    // As the plug-in calls it.
    registerRecorder("QuillbrookPicker");
    eval("QuillbrookPicker \"rebind\" `picker_ListNamespaces`;");
    ASSERT_EQ(RecordedCalls::calls().size(), 1u);
    EXPECT_EQ(describe(RecordedCalls::calls()[0]),
              QStringList({"rebind", "[b_ns|crowd|crowd:extra|crowd:extra:deep|crowd:hero|crowd:hero:inner|hero|zeta|:]"}));
}

TEST_F(EmbeddedScript, OlderHostsTakeTheFirstLevelFromNodeNames)
{
    host().setApplicationVersion(2012);
    eval("namespace -set \"crowd\";");
    // ls "*:*" sees nodes one level deep only, so "crowd" and "zeta" are missing.
    EXPECT_EQ(eval("stringArrayToString(picker_ListNamespaces(), \",\")"), QStringLiteral("hero,b_ns,:"));
    EXPECT_EQ(host().currentNamespace(), QStringLiteral(":"));
}

TEST_F(EmbeddedScript, EmptySceneGivesTheRootOnly)
{
    host().newScene();
    EXPECT_EQ(eval("stringArrayToString(picker_ListNamespaces(), \",\")"), QStringLiteral(":"));
}

} // namespace
