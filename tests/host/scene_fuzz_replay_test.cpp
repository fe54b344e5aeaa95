// The scene reading fed what the fuzz target is fed: its seed corpus,
// inputs that once broke it, and damaged forms of the fixtures (cut short,
// bytes flipped, binary, enormous lines). None may crash, hang or run past
// the host's limits, and each leaves a host that opens the next file.
#include "fuzz_scene_entry.h"

#include <gtest/gtest.h>
#include <qbhost/host_session.h>

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int replayFolder(const QString& folder, const QString& scratch)
{
    int count = 0;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files)) {
        SCOPED_TRACE(info.fileName().toStdString());
        const QByteArray bytes = fileBytes(info.filePath());
        fuzz_scene_file(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()), scratch);
        ++count;
    }
    return count;
}

class SceneFuzzReplay : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host().resetForTest();
        host().setMelStepBudget(200000);
        ASSERT_TRUE(scratch.isValid());
    }
    void TearDown() override { host().resetForTest(); }
    static qbhost::HostSession& host() { return qbhost::HostSession::instance(); }
    void feed(const QByteArray& bytes)
    {
        fuzz_scene_file(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()), scratch.path());
    }
    QTemporaryDir scratch;
};

TEST_F(SceneFuzzReplay, TheCorpusAndTheKeptInputsReadSafely)
{
    int count = replayFolder(QStringLiteral(QB_SOURCE_DIR "/fuzz/corpus/scene_file"), scratch.path());
    count += replayFolder(QStringLiteral(QB_TEST_DATA "/fuzz-regressions/scene_file"), scratch.path());
    EXPECT_GT(count, 0) << "the scene corpus is missing";
}

TEST_F(SceneFuzzReplay, DamagedFixturesReadWithinBoundsAndTheHostGoesOn)
{
    const QByteArray rig = fileBytes(QStringLiteral(QB_TEST_DATA "/scenes/quill_rig.ma"));
    ASSERT_FALSE(rig.isEmpty());
    QList<QByteArray> inputs;
    // Cut short anywhere, in the middle of a string or a multi-line value.
    for (int cut : {12, 25, 200, 333, 4096, 9001, int(rig.size() / 2), int(rig.size() - 3)})
        inputs << rig.left(cut);
    // Bytes flipped here and there.
    for (int seed = 1; seed <= 6; ++seed) {
        QByteArray flipped = rig;
        for (int i = seed * 97; i < flipped.size(); i += 1777 * seed)
            flipped[i] = char(flipped[i] ^ (0x55 + seed));
        inputs << flipped;
    }
    const QByteArray header("//Maya ASCII 2024 scene\n//Codeset: UTF-8\n");
    inputs << header + QByteArray(2 << 20, 'x');                      // one enormous word
    inputs << header + "fileInfo \"k\" \"" + QByteArray(1 << 20, 'v'); // an endless string
    inputs << header + QByteArray(3000, '{') + QByteArray(3000, '}');  // blocks nested past the limit
    inputs << header + QByteArray(1 << 16, '\0');                       // NUL bytes
    inputs << header + "while (1) { createNode transform; }\n";        // a loop that never ends
    inputs << header + "createNode transform -n \"a\";\n" + QByteArray(5000, ';') + "setAttr \".tx\" 1;\n";
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 7919) & 0xff);
    inputs << header + binary;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < inputs.size(); ++i) {
        SCOPED_TRACE(i);
        feed(inputs[i]);
    }
    EXPECT_LT(timer.elapsed(), 60000);
    // The host still reads a good scene after all that.
    host().setReadableRoot(QString());
    host().clearErrors();
    EXPECT_TRUE(host().openScene(QStringLiteral(QB_TEST_DATA "/scenes/prop_sword.ma")))
        << host().errors().join('\n').toStdString();
    EXPECT_TRUE(host().nodeExists(QStringLiteral("blade")));
}

TEST_F(SceneFuzzReplay, ReferencesAreReadFromTheScratchFolderOnly)
{
    QTemporaryDir outside;
    ASSERT_TRUE(outside.isValid());
    QFile secret(outside.filePath("secret.ma"));
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.write("//Maya ASCII 2024 scene\ncreateNode transform -n \"secret\";\n");
    secret.close();
    host().setReadableRoot(scratch.path());
    QFile scene(scratch.filePath("scene.ma"));
    ASSERT_TRUE(scene.open(QIODevice::WriteOnly));
    scene.write(("//Maya ASCII 2024 scene\nfile -r -ns \"s\" -rfn \"sRN\" \"" + secret.fileName() + "\";\n"
                 "file -i \"" + secret.fileName() + "\";\n").toUtf8());
    scene.close();
    host().openScene(scene.fileName());
    EXPECT_FALSE(host().nodeExists(QStringLiteral("s:secret")));
    EXPECT_FALSE(host().nodeExists(QStringLiteral("secret")));
}

} // namespace
