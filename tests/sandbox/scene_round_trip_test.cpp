// Each Maya ASCII fixture opened in the sandbox and saved, then reopened in
// a fresh host process: the same nodes, parents, attributes, connections,
// references and file information as the original gave, read the same way.
#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>

namespace {

class SceneRoundTrip : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QDir source(QStringLiteral(QB_TEST_DATA "/scenes"));
        for (const QString& name : source.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(source.filePath(name), dir.filePath(name)));
        QDir(dir.path()).mkpath("config");
        QDir(dir.path()).mkpath("runtime");
        QFile::setPermissions(dir.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A batch run of the sandbox without the plug-in; its standard output.
    QString run(const QStringList& args, int* code)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
        env.insert("QB_QUILL_ASSETS", dir.path());
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(SANDBOX_PATH), QStringList{"--batch", "--no-plugin"} + args);
        if (!p.waitForStarted(10000) || !p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            ADD_FAILURE() << "the sandbox did not finish";
            return QString();
        }
        *code = p.exitCode();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    QTemporaryDir dir;
};

TEST_F(SceneRoundTrip, AFixtureSavedAndReopenedInAFreshProcessReadsTheSame)
{
    const QString digest = QStringLiteral(QB_TEST_DATA "/scenes/scene_digest.mel");
    const struct {
        const char* name;
        int code; // 1: the file is read with errors
    } rows[] = {{"quill_rig.ma", 0}, {"quill_shot.ma", 0}, {"missing_refs.ma", 0}, {"damaged_statements.ma", 1}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QString original = dir.filePath(QLatin1String(r.name));
        const QString copy = dir.filePath(QStringLiteral("saved_") + QLatin1String(r.name));
        int code = -1;
        const QString before = run({original, "-s", digest}, &code);
        EXPECT_EQ(code, r.code);
        ASSERT_GT(before.count('\n'), 5) << before.toStdString();
        run({original, "-c", QStringLiteral("file -rename \"%1\"; file -save -force;").arg(copy)}, &code);
        ASSERT_TRUE(QFile::exists(copy));
        const QString after = run({copy, "-s", digest}, &code);
        EXPECT_EQ(code, r.code);
        EXPECT_EQ(after, before);
    }
}

} // namespace
