// qbx store and dump --scene: a picker put into a rig's Maya ASCII file as
// its picker node through the stand-in host, read back, versioned, and
// refused when damaged.
#include "qbx_process.h"
#include <gtest/gtest.h>
#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>

namespace {


QByteArray read_all(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(QbxScene, StoreThenDumpRoundTripWithVersions)
{
    QTemporaryDir dir;
    const QString json = dir.filePath(QStringLiteral("body.json"));
    QFile j(json);
    ASSERT_TRUE(j.open(QIODevice::WriteOnly));
    j.write(R"({"name": "Body", "buttons": [{"position": [20, 20], "size": 10, "nodes": ["L_hand_ctrl"]},
                {"position": [60, 20], "size": 10, "nodes": ["R_hand_ctrl"], "label": "R"}]})");
    j.close();
    const QString picker = dir.filePath(QStringLiteral("body.qbx"));
    ASSERT_EQ(qbx({"build", json, "-o", picker}).status, 0);
    const QString rig = QStringLiteral(QB_TEST_DATA "/scenes/curve_controls.ma");
    const QString once = dir.filePath(QStringLiteral("once.ma")), twice = dir.filePath(QStringLiteral("twice.ma"));

    // A rig without pickers lists none.
    run_result r = qbx({"dump", "--scene", rig});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(QJsonDocument::fromJson(r.out).array().size(), 0);

    r = qbx({"store", "--scene", rig, picker, "-o", once});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(r.out.contains("stored as Body_picker, version 1")) << r.out.constData();
    // The node holds the file's own bytes, in Base64.
    EXPECT_TRUE(read_all(once).contains(read_all(picker).toBase64()));

    r = qbx({"store", "--scene", once, picker, "-o", twice});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    r = qbx({"dump", "--scene", twice});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const QJsonArray nodes = QJsonDocument::fromJson(r.out).array();
    ASSERT_EQ(nodes.size(), 1);
    const QJsonObject node = nodes[0].toObject();
    EXPECT_EQ(node.value(QStringLiteral("node")).toString(), QStringLiteral("Body_picker"));
    EXPECT_EQ(node.value(QStringLiteral("version")).toInt(), 2);
    // The picker inside reads as the file itself does.
    const run_result file = qbx({"dump", picker});
    ASSERT_EQ(file.status, 0);
    EXPECT_EQ(node.value(QStringLiteral("picker")).toObject(), QJsonDocument::fromJson(file.out).object());
    // The rest of the rig is still there.
    EXPECT_TRUE(read_all(twice).contains("createNode nurbsCurve -n \"L_hand_ctrlShape\" -p \"L_hand_ctrl\";"));
}

TEST(QbxScene, RefusesDamagedPickersAndBadArguments)
{
    QTemporaryDir dir;
    const QString rig = QStringLiteral(QB_TEST_DATA "/scenes/curve_controls.ma");
    const QString json = dir.filePath(QStringLiteral("p.json"));
    QFile j(json);
    ASSERT_TRUE(j.open(QIODevice::WriteOnly));
    j.write(R"({"name": "P", "buttons": [{"position": [1, 2], "size": 10, "nodes": ["a"]}, {"position": [3, 4], "size": 10, "nodes": ["b"]}]})");
    j.close();
    const QString picker = dir.filePath(QStringLiteral("p.qbx"));
    ASSERT_EQ(qbx({"build", json, "-o", picker}).status, 0);
    QFile f(picker);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.resize(f.size() - 5));
    f.close();
    const QString out = dir.filePath(QStringLiteral("out.ma"));
    run_result r = qbx({"store", "--scene", rig, picker, "-o", out});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("nothing stored")) << r.err.constData();
    EXPECT_FALSE(QFile::exists(out));

    EXPECT_EQ(qbx({"store", picker, "-o", out}).status, 2);                      // no scene
    EXPECT_EQ(qbx({"dump", "--scene", rig, picker}).status, 2);                  // both
    EXPECT_EQ(qbx({"dump", "--scene", dir.filePath(QStringLiteral("none.ma"))}).status, 2);
}
