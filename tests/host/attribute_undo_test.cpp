// Attribute values in the stand-in host: setAttr tells the node's
// attribute-change callbacks, undo chunks gather setAttrs into one step,
// undo and redo put values back and tell the callbacks too, and the
// attribute queries a control needs answer as the host documents them.
#include <maya/MDoubleArray.h>
#include <maya/MGlobal.h>
#include <maya/MMessage.h>
#include <maya/MNodeMessage.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MSelectionList.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>
#include <qbhost/host_session.h>

#include <gtest/gtest.h>
#include <QtCore/QStringList>

namespace {

using qbhost::HostSession;

struct heard {
    QStringList plugs;
    QStringList shortNames;
    QList<double> values;
};

void listen(MNodeMessage::AttributeMessage msg, MPlug& plug, MPlug&, void* data)
{
    heard* h = static_cast<heard*>(data);
    if (!(msg & MNodeMessage::kAttributeSet))
        return;
    h->plugs << QString::fromUtf8(plug.name().asUTF8());
    h->shortNames << QString::fromUtf8(plug.partialName().asUTF8());
    h->values << plug.asDouble();
}

class AttributeUndo : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host().resetForTest();
        ASSERT_TRUE(host().openScene(QStringLiteral(QB_TEST_DATA "/scenes/face_controls.ma")));
    }
    static HostSession& host() { return HostSession::instance(); }
    static double get(const QString& plug)
    {
        QString r;
        EXPECT_TRUE(host().executeMel("getAttr " + plug, &r));
        return r.toDouble();
    }
    static MObject node(const char* name)
    {
        MSelectionList list;
        MObject object;
        EXPECT_TRUE(list.add(name));
        EXPECT_TRUE(list.getDependNode(0, object));
        return object;
    }
};

} // namespace

TEST_F(AttributeUndo, SetAttrTellsOnlyTheWatchedNodesCallbacks)
{
    heard h;
    MObject brow = node("brow_L_ctrl");
    MStatus st;
    const MCallbackId id = MNodeMessage::addAttributeChangedCallback(brow, listen, &h, &st);
    ASSERT_TRUE(st);
    ASSERT_TRUE(host().executeMel("setAttr brow_L_ctrl.brow -0.5; setAttr brow_R_ctrl.brow 0.1; setAttr brow_L_ctrl.tx 3"));
    EXPECT_EQ(h.plugs, QStringList({"brow_L_ctrl.brow", "brow_L_ctrl.translateX"}));
    EXPECT_EQ(h.values, QList<double>({-0.5, 3}));
    EXPECT_EQ(h.shortNames, QStringList({"brow", "tx"}));
    // A refused setAttr (locked) tells nobody.
    EXPECT_FALSE(host().executeMel("setAttr brow_L_ctrl.stiff 1"));
    EXPECT_EQ(h.plugs.size(), 2);
    EXPECT_TRUE(MMessage::removeCallback(id));
    ASSERT_TRUE(host().executeMel("setAttr brow_L_ctrl.brow 0"));
    EXPECT_EQ(h.plugs.size(), 2);

    // No node, no callback: a null object, or a node gone from the scene.
    MObject none;
    MNodeMessage::addAttributeChangedCallback(none, listen, &h, &st);
    EXPECT_FALSE(st);
    MSelectionList list;
    ASSERT_TRUE(list.add("brow_R_ctrl"));
    ASSERT_TRUE(host().executeMel("delete brow_R_ctrl"));
    MObject gone;
    EXPECT_FALSE(list.getDependNode(0, gone));
    EXPECT_FALSE(list.getDependNode(5, gone));
}

TEST_F(AttributeUndo, AChunkIsOneUndoStepAndUndoTellsTheCallbacks)
{
    heard h;
    MObject brow = node("brow_L_ctrl");
    MNodeMessage::addAttributeChangedCallback(brow, listen, &h);
    ASSERT_TRUE(host().executeMel("setAttr brow_L_ctrl.jawX 1"));
    ASSERT_TRUE(host().executeMel("undoInfo -openChunk"));
    for (const char* v : {"-0.1", "-0.4", "-0.9"})
        ASSERT_TRUE(host().executeMel(QStringLiteral("setAttr brow_L_ctrl.brow ") + QLatin1String(v)));
    ASSERT_TRUE(host().executeMel("undoInfo -openChunk; setAttr brow_L_ctrl.jawY 0.5; undoInfo -closeChunk"));
    ASSERT_TRUE(host().executeMel("undoInfo -closeChunk"));
    h = heard();
    ASSERT_TRUE(host().executeMel("undo"));
    EXPECT_DOUBLE_EQ(get("brow_L_ctrl.brow"), 0.5);
    EXPECT_DOUBLE_EQ(get("brow_L_ctrl.jawY"), 0);
    EXPECT_DOUBLE_EQ(get("brow_L_ctrl.jawX"), 1); // the step before stays
    EXPECT_EQ(h.values.last(), 0.5);
    ASSERT_TRUE(host().executeMel("redo"));
    EXPECT_DOUBLE_EQ(get("brow_L_ctrl.brow"), -0.9);
    EXPECT_DOUBLE_EQ(get("brow_L_ctrl.jawY"), 0.5);
    ASSERT_TRUE(host().executeMel("undo; undo"));
    EXPECT_DOUBLE_EQ(get("brow_L_ctrl.jawX"), 0);
    // A new change ends the redo queue; an empty queue warns.
    ASSERT_TRUE(host().executeMel("setAttr brow_L_ctrl.jawX 2"));
    ASSERT_TRUE(host().executeMel("redo"));
    EXPECT_DOUBLE_EQ(get("brow_L_ctrl.jawX"), 2);
    EXPECT_TRUE(host().historyTexts(qbhost::HistoryKind::Warning).contains("There are no more commands to redo."));
    // Opening a scene empties the queue.
    ASSERT_TRUE(host().newScene());
    ASSERT_TRUE(host().executeMel("undo"));
    EXPECT_TRUE(host().historyTexts(qbhost::HistoryKind::Warning).contains("There are no more commands to undo."));
}

TEST_F(AttributeUndo, QueriesAControlNeeds)
{
    MDoubleArray range;
    ASSERT_TRUE(MGlobal::executeCommand("attributeQuery -node \"brow_L_ctrl\" -range \"brow\"", range));
    ASSERT_EQ(range.length(), 2u);
    EXPECT_EQ(range[0], -1);
    EXPECT_EQ(range[1], 1);
    MStringArray fields;
    ASSERT_TRUE(MGlobal::executeCommand("attributeQuery -node brow_L_ctrl -listEnum mode", fields));
    ASSERT_EQ(fields.length(), 1u);
    EXPECT_STREQ(fields[0].asChar(), "open:half:shut");
    int exists = 1;
    ASSERT_TRUE(MGlobal::executeCommand("attributeQuery -node brow_L_ctrl -softRangeExists brow", exists));
    EXPECT_EQ(exists, 0);
    double value = 0;
    ASSERT_TRUE(MGlobal::executeCommand("getAttr brow_L_ctrl.brow", value));
    EXPECT_DOUBLE_EQ(value, 0.5);
    MStringArray keyable;
    ASSERT_TRUE(MGlobal::executeCommand("listAttr -keyable brow_L_ctrl", keyable));
    // A result of another kind is refused, as the host refuses it.
    EXPECT_FALSE(MGlobal::executeCommand("getAttr brow_L_ctrl.brow", fields));
    EXPECT_FALSE(MGlobal::executeCommand("attributeQuery -node brow_L_ctrl -listEnum brow", fields));
}
