// The node, DAG and scene messages the stand-in raises, heard through the
// API calls a plug-in makes in the host.
#include <maya/MDGMessage.h>
#include <maya/MDagMessage.h>
#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MNodeMessage.h>
#include <maya/MObjectHandle.h>
#include <maya/MSceneMessage.h>
#include <maya/MSelectionList.h>
#include <maya/MString.h>
#include <qbhost/host_session.h>

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QStringList>
#include <QtCore/QTemporaryDir>

namespace {

QStringList heard;

QString nameOf(MObject& node)
{
    MFnDependencyNode fn(node);
    return QString::fromUtf8(fn.name().asChar());
}

void added(MObject& node, void*) { heard << QStringLiteral("added ") + nameOf(node); }
void removed(MObject& node, void*) { heard << QStringLiteral("removed ") + nameOf(node); }
void renamed(MObject& node, const MString& previous, void*)
{
    heard << QStringLiteral("renamed %1 from %2").arg(nameOf(node), QString::fromUtf8(previous.asChar()));
}
void parentAdded(MDagPath& child, MDagPath& parent, void*)
{
    heard << QStringLiteral("parented %1 under %2")
                 .arg(QString::fromUtf8(child.fullPathName().asChar()),
                      parent.length() ? QString::fromUtf8(parent.fullPathName().asChar()) : QStringLiteral("world"));
}
void unloaded(void*) { heard << QStringLiteral("reference unloaded"); }
void loaded(void*) { heard << QStringLiteral("reference loaded"); }

struct SceneMessages : ::testing::Test {
    qbhost::HostSession& host = qbhost::HostSession::instance();
    std::vector<MCallbackId> ids;
    void SetUp() override
    {
        host.resetForTest();
        heard.clear();
        MStatus st;
        ids.push_back(MDGMessage::addNodeAddedCallback(added, "transform", nullptr, &st));
        EXPECT_TRUE(st);
        ids.push_back(MDGMessage::addNodeRemovedCallback(removed));
        ids.push_back(MNodeMessage::addNameChangedCallback(MObject::kNullObj, renamed));
        ids.push_back(MDagMessage::addParentAddedCallback(parentAdded));
        ids.push_back(MSceneMessage::addCallback(MSceneMessage::kAfterUnloadReference, unloaded));
        ids.push_back(MSceneMessage::addCallback(MSceneMessage::kAfterLoadReference, loaded));
    }
    void TearDown() override
    {
        for (MCallbackId id : ids)
            EXPECT_TRUE(MMessage::removeCallback(id));
        EXPECT_EQ(host.callbackCount(), 0);
        host.resetForTest();
    }
};

TEST_F(SceneMessages, NodesAddedRenamedMovedAndRemoved)
{
    ASSERT_TRUE(host.executeMel(QStringLiteral(
        "createNode transform -n grp; createNode transform -n arm -p grp; createNode network -n data;"
        "rename arm hand; parent hand -w; delete grp; delete hand;")));
    const QStringList expected{
        QStringLiteral("added grp"),        QStringLiteral("added arm"), // the network is no transform
        QStringLiteral("renamed hand from arm"), QStringLiteral("parented |hand under world"),
        QStringLiteral("removed grp"),      QStringLiteral("removed hand"),
    };
    EXPECT_EQ(heard, expected);

    // A callback on one node hears only that node.
    heard.clear();
    ASSERT_TRUE(host.executeMel(QStringLiteral("createNode transform -n a; createNode transform -n b;")));
    MSelectionList list;
    MObject b;
    ASSERT_TRUE(list.add("b"));
    ASSERT_TRUE(list.getDependNode(0, b));
    MObjectHandle handle(b);
    EXPECT_TRUE(handle.isValid());
    heard.clear();
    MMessage::removeCallback(ids[2]);
    ids[2] = MNodeMessage::addNameChangedCallback(b, renamed);
    ASSERT_TRUE(host.executeMel(QStringLiteral("rename a c; rename b d;")));
    EXPECT_EQ(heard, QStringList{QStringLiteral("renamed d from b")});
    ASSERT_TRUE(host.executeMel(QStringLiteral("delete d;")));
    EXPECT_FALSE(handle.isAlive());
}

TEST_F(SceneMessages, ReferenceUnloadRemovesItsNodesThenTells)
{
    QTemporaryDir dir;
    for (const char* name : {"twin_rig.ma", "twin_prop.ma"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(QB_TEST_DATA "/scenes/") + QLatin1String(name), dir.filePath(QLatin1String(name))));
    ASSERT_TRUE(host.openScene(dir.filePath(QStringLiteral("twin_rig.ma"))));
    EXPECT_TRUE(host.nodeExists(QStringLiteral("prop:prop_ctrl")));
    EXPECT_TRUE(heard.contains(QStringLiteral("reference loaded")));
    heard.clear();
    ASSERT_TRUE(host.executeMel(QStringLiteral("file -unloadReference propRN;")));
    EXPECT_EQ(heard, (QStringList{QStringLiteral("removed prop:prop_ctrlShape"), QStringLiteral("removed prop:prop_ctrl"),
                                  QStringLiteral("reference unloaded")}));
    heard.clear();
    ASSERT_TRUE(host.executeMel(QStringLiteral("file -loadReference propRN;")));
    EXPECT_EQ(heard, (QStringList{QStringLiteral("added prop:prop_ctrl"), QStringLiteral("reference loaded")}));
}

} // namespace
