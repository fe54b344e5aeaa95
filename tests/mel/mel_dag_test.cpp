// The scene commands on a hierarchy with repeated short names: names and
// paths as the host gives them, attributes, connections and the errors the
// host reports, each where it reports them.
#include "mel_test_support.h"

#include <maya/MGlobal.h>
#include <maya/MSelectionList.h>

namespace {

class MelDag : public MelTest
{
protected:
    void SetUp() override
    {
        MelTest::SetUp();
        // Two "head_OC" under two parents; "hero:arm" in a namespace.
        eval("createNode transform -n \"rig\";"
             "createNode transform -n \"L_eye\" -p \"rig\";"
             "createNode transform -n \"R_eye\" -p \"rig\";"
             "createNode transform -n \"head_OC\" -p \"L_eye\";"
             "createNode nurbsCurve -n \"head_OCShape\" -p \"L_eye|head_OC\";"
             "createNode transform -n \"head_OC\" -p \"R_eye\";"
             "createNode joint -n \"hero:arm\";"
             "createNode multiplyDivide -n \"md\";"
             "select -cl;");
        host().clearErrors();
    }
    QString error(const QString& text)
    {
        host().clearErrors();
        EXPECT_FALSE(run(text)) << text.toStdString();
        return host().errors().value(0);
    }
};

TEST_F(MelDag, NamesAndPathsAsTheHostGivesThem)
{
    const struct {
        const char* mel;
        const char* result;
    } rows[] = {
        {"stringArrayToString(`ls \"head_OC\"`, \",\")", "L_eye|head_OC,R_eye|head_OC"},
        {"stringArrayToString(`ls -l \"head_OC\"`, \",\")", "|rig|L_eye|head_OC,|rig|R_eye|head_OC"},
        {"stringArrayToString(`ls -l \"md\" \"hero:arm\"`, \",\")", "md,|hero:arm"},
        {"stringArrayToString(`ls \"head_O*\"`, \",\")", "L_eye|head_OC,head_OCShape,R_eye|head_OC"},
        {"stringArrayToString(`ls \"?_eye\"`, \",\")", "L_eye,R_eye"},
        {"stringArrayToString(`ls \"rig|*\"`, \",\")", "L_eye,R_eye"},
        {"stringArrayToString(`ls -type joint`, \",\")", "hero:arm"},
        {"stringArrayToString(`ls -as`, \",\")", "rig,hero:arm"},
        {"stringArrayToString(`listRelatives -c \"rig\"`, \",\")", "L_eye,R_eye"},
        {"stringArrayToString(`listRelatives -ad \"L_eye\"`, \",\")", "head_OC,head_OCShape"},
        {"stringArrayToString(`listRelatives -ad -pa \"L_eye\"`, \",\")", "L_eye|head_OC,head_OCShape"},
        {"stringArrayToString(`listRelatives -s -f \"L_eye|head_OC\"`, \",\")", "|rig|L_eye|head_OC|head_OCShape"},
        {"stringArrayToString(`listRelatives -p \"R_eye|head_OC\"`, \",\")", "R_eye"},
        {"stringArrayToString(`listRelatives -p \"rig\"`, \",\")", ""},
        {"nodeType \"L_eye|head_OC\"", "transform"},
        {"objExists \"head_OC\"", "1"},
        {"objExists \"rig|head_OC\"", "0"},
        {"objExists \"L_eye|head_OC.tx\"", "1"},
        {"objExists \"L_eye|head_OC.noSuch\"", "0"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(eval(QLatin1String(r.mel)), QLatin1String(r.result)) << r.mel;
}

TEST_F(MelDag, AnExactNameOfSeveralNodesIsAmbiguousWhereTheHostSaysSo)
{
    const QString message = QStringLiteral("line 1: More than one object matches name: head_OC");
    for (const char* mel : {"select -r \"head_OC\";", "setAttr \"head_OC.tx\" 1;", "getAttr \"head_OC.tx\";",
                            "delete \"head_OC\";", "rename \"head_OC\" \"x\";", "parent \"head_OC\" \"rig\";",
                            "connectAttr \"md.ox\" \"head_OC.tx\";", "nodeType \"head_OC\";"})
        EXPECT_EQ(error(QLatin1String(mel)), message) << mel;
    EXPECT_TRUE(host().selection().isEmpty());
    // Through the API as well: an exact name must name one node...
    MSelectionList list;
    EXPECT_EQ(list.add("head_OC"), MS::kInvalidParameter);
    EXPECT_EQ(MGlobal::selectByName("head_OC", MGlobal::kReplaceList), MS::kInvalidParameter);
    EXPECT_TRUE(host().selection().isEmpty());
    // ...while a pattern takes every match.
    EXPECT_TRUE(list.add("*head_OC"));
    EXPECT_EQ(list.length(), 2u);
    // A node selected by its path is named by its shortest unique path.
    eval("select -r \"|rig|R_eye|head_OC\" \"hero:arm\";");
    EXPECT_EQ(eval("stringArrayToString(`ls -sl`, \",\")"), QStringLiteral("R_eye|head_OC,hero:arm"));
    EXPECT_EQ(host().selection(), QStringList({"R_eye|head_OC", "hero:arm"}));
}

TEST_F(MelDag, ATakenNameIsNumberedFromTheLowestFreeNumber)
{
    const char* const rows[][2] = {
        {"createNode transform -n \"n5\"", "n5"}, {"createNode transform -n \"n5\"", "n6"},
        {"createNode transform -n \"n1\"", "n1"}, {"createNode transform -n \"n1\"", "n2"},
        {"createNode transform -n \"n5\"", "n7"}, {"delete \"n2\"; createNode transform -n \"n1\"", "n2"},
        {"createNode transform -n \"n\" -p \"rig\"", "n"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(eval(QLatin1String(r[0])), QLatin1String(r[1])) << r[0];
}

TEST_F(MelDag, RenamesAndMovesKeepSelectionAndNamesUniqueAmongSiblings)
{
    eval("select -r \"L_eye|head_OC\";");
    // A name taken among the new siblings is numbered, as the host does.
    EXPECT_EQ(eval("stringArrayToString(`parent \"L_eye|head_OC\" \"R_eye\"`, \",\")"), QStringLiteral("head_OC1"));
    EXPECT_EQ(host().selection(), QStringList{"head_OC1"});
    EXPECT_EQ(eval("rename \"head_OC1\" \"brow\""), QStringLiteral("brow"));
    EXPECT_EQ(host().selection(), QStringList{"brow"});
    // head_OC is now unique again: its shortest path is its name.
    EXPECT_EQ(eval("stringArrayToString(`ls \"head_OC\"`, \",\")"), QStringLiteral("head_OC"));
    EXPECT_EQ(eval("stringArrayToString(`parent -w \"brow\"`, \",\")"), QStringLiteral("brow"));
    EXPECT_EQ(eval("stringArrayToString(`ls -l \"brow\" \"head_OCShape\"`, \",\")"),
              QStringLiteral("|brow,|brow|head_OCShape"));
    const struct {
        const char* mel;
        const char* message;
    } refusals[] = {
        {"parent \"rig\" \"L_eye\";", "line 1: Cannot parent 'rig' below itself."},
        {"parent \"md\" \"rig\";", "line 1: 'md' is not a DAG node: it has no parent."},
        {"createNode transform -n \"x\" -p \"md\";", "line 1: 'md' is not a DAG node: nothing goes below it."},
        {"createNode transform -n \"x\" -p \"nowhere\";", "line 1: No object matches name: nowhere"},
        {"rename \"rig\" \"a|b\";", "line 1: New name has no legal characters: \"a|b\"."},
        {"lockNode -l 1 \"rig\"; delete \"rig\";", "line 1: Cannot delete the locked node 'rig'."},
        {"rename \"rig\" \"other\";", "line 1: Cannot rename the locked node 'rig'."},
    };
    for (const auto& r : refusals)
        EXPECT_EQ(error(QLatin1String(r.mel)), QLatin1String(r.message)) << r.mel;
    eval("lockNode -l 0 \"rig\"; delete \"rig\";");
    // The DAG below a deleted node goes with it.
    EXPECT_EQ(host().nodes(), QStringList({"brow", "head_OCShape", "hero:arm", "md"}));
}

TEST_F(MelDag, AttributesReadBackAsTheyWereSet)
{
    eval("select -r \"rig\";"
         "addAttr -ln \"ikFkBlend\" -sn \"ikfk\" -at double -min 0 -max 1 -dv 0.5 -k true;"
         "addAttr -ln \"space\" -at \"enum\" -en \"world:hips=3:chest\";"
         "addAttr -ln \"pivot\" -at double3; addAttr -ln \"pivotX\" -at double -p pivot;"
         "addAttr -ln \"pivotY\" -at double -p pivot; addAttr -ln \"pivotZ\" -at double -p pivot;"
         "addAttr -ln \"label\" -dt \"string\";"
         "setAttr \"rig.t\" -type \"double3\" 1 2.5 -3; setAttr \"rig.sy\" 2;"
         "setAttr \"rig.pivotY\" 7; setAttr \"rig.label\" -type \"string\" \"COG \\\"main\\\"\";"
         "setAttr \"rig.v\" off; setAttr -l on \"rig.tz\"; setAttr \".space\" 4;");
    const struct {
        const char* mel;
        const char* result;
    } rows[] = {
        {"getAttr \"rig.t\"", "1 2.5 -3"},
        {"getAttr \"rig.ty\"", "2.5"},
        {"getAttr \"rig.scale\"", "1 2 1"},
        {"getAttr \"rig.v\"", "0"},
        {"getAttr \"rig.ikfk\"", "0.5"},
        {"getAttr \"rig.space\"", "4"},
        {"getAttr -as \"rig.space\"", "chest"},
        {"getAttr \"rig.pivot\"", "0 7 0"},
        {"getAttr \"rig.label\"", "COG \"main\""},
        {"getAttr -type \"rig.t\"", "double3"},
        {"getAttr -type \"rig.tx\"", "doubleLinear"},
        {"getAttr -l \"rig.tz\"", "1"},
        {"getAttr \"L_eye.ro\"", "0"},
        {"stringArrayToString(`attributeQuery -n \"rig\" -range \"ikfk\"`, \",\")", "0,1"},
        {"stringArrayToString(`attributeQuery -n \"rig\" -le \"space\"`, \",\")", "world:hips=3:chest"},
        {"attributeQuery -n \"rig\" -ex \"ikFkBlend\"", "1"},
        {"attributeQuery -n \"rig\" -ex \"noSuch\"", "0"},
        {"attributeQuery -n \"rig\" -at \"label\"", "typed"},
        {"attributeQuery -n \"rig\" -k \"ikfk\"", "1"},
        {"stringArrayToString(`attributeQuery -n \"rig\" -lc \"pivot\"`, \",\")", "pivotX,pivotY,pivotZ"},
        {"stringArrayToString(`listAttr -ud \"rig\"`, \",\")", "ikFkBlend,space,pivot,pivotX,pivotY,pivotZ,label"},
        {"stringArrayToString(`listAttr -ud -k \"rig\"`, \",\")", "ikFkBlend"},
        {"stringArrayToString(`listAttr -l \"rig\"`, \",\")", "translateZ"},
        {"stringArrayToString(`listAttr -st \"pivot?\" \"rig\"`, \",\")", "pivotX,pivotY,pivotZ"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(eval(QLatin1String(r.mel)), QLatin1String(r.result)) << r.mel;
    const struct {
        const char* mel;
        const char* message;
    } refusals[] = {
        {"setAttr \"rig.ikfk\" 2;", "line 1: setAttr: The value 2 for 'rig.ikfk' is outside its range (0 to 1)."},
        {"setAttr \"rig.tz\" 1;", "line 1: setAttr: The attribute 'rig.tz' is locked or connected and cannot be modified."},
        {"setAttr \"rig.label\" \"x\";", "line 1: setAttr: 'rig.label' holds a string: give it with -type \"string\"."},
        {"setAttr \"rig.t\" 1 2 3;", "line 1: setAttr: The attribute 'rig.t' is locked or connected and cannot be modified."},
        {"setAttr \"rig.r\" 1 2;", "line 1: setAttr: 'rig.r' takes 3 values, not 2."},
        {"setAttr \"rig.noSuch\" 1;", "line 1: No object matches name: rig.noSuch"},
        {"getAttr \"rig.noSuch\";", "line 1: No object matches name: rig.noSuch"},
        {"addAttr -ln \"space\" -at double \"rig\";", "line 1: addAttr: 'rig' already has an attribute named \"space\"."},
        {"addAttr -ln \"x\" -at \"doubble\" \"rig\";", "line 1: addAttr: \"doubble\" is not an attribute type."},
    };
    for (const auto& r : refusals)
        EXPECT_EQ(error(QLatin1String(r.mel)), QLatin1String(r.message)) << r.mel;
    eval("setAttr -c \"rig.ikfk\" 2; deleteAttr \"rig.label\";");
    EXPECT_EQ(eval("getAttr \"rig.ikfk\""), QStringLiteral("1"));
    EXPECT_EQ(eval("attributeQuery -n \"rig\" -ex \"label\""), QStringLiteral("0"));
}

TEST_F(MelDag, ConnectionsAreRecordedAndListed)
{
    eval("connectAttr \"md.ox\" \"L_eye|head_OC.tx\"; connectAttr \"md.oy\" \"R_eye|head_OC.ty\";"
         "connectAttr \"rig.msg\" \"md.message\";");
    const struct {
        const char* mel;
        const char* result;
    } rows[] = {
        {"stringArrayToString(`listConnections \"md\"`, \",\")", "L_eye|head_OC,R_eye|head_OC,rig"},
        {"stringArrayToString(`listConnections -s 0 -p 1 \"md\"`, \",\")",
         "L_eye|head_OC.translateX,R_eye|head_OC.translateY"},
        {"stringArrayToString(`listConnections -c 1 -p 1 \"R_eye|head_OC.ty\"`, \",\")",
         "R_eye|head_OC.translateY,md.oy"},
        {"isConnected \"md.ox\" \"L_eye|head_OC.translateX\"", "1"},
        {"isConnected \"md.oy\" \"L_eye|head_OC.tx\"", "0"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(eval(QLatin1String(r.mel)), QLatin1String(r.result)) << r.mel;
    EXPECT_EQ(error("connectAttr \"md.oz\" \"L_eye|head_OC.tx\";"),
              QStringLiteral("line 1: The destination attribute 'L_eye|head_OC.translateX' cannot be connected to: it is "
                             "already connected from 'md.ox'."));
    EXPECT_EQ(error("setAttr \"L_eye|head_OC.tx\" 3;"),
              QStringLiteral("line 1: setAttr: The attribute 'L_eye|head_OC.tx' is locked or connected and cannot be "
                             "modified."));
    eval("connectAttr -f \"md.oz\" \"L_eye|head_OC.tx\"; disconnectAttr \"md.oy\" \"R_eye|head_OC.ty\";");
    EXPECT_EQ(eval("stringArrayToString(`listConnections -s 0 -p 1 \"md\"`, \",\")"),
              QStringLiteral("L_eye|head_OC.translateX"));
    EXPECT_EQ(eval("stringArrayToString(`listConnections -d 0 -p 1 \"L_eye|head_OC\"`, \",\")"), QStringLiteral("md.oz"));
    // Deleting a node drops its connections.
    eval("delete \"md\";");
    EXPECT_EQ(eval("stringArrayToString(`listConnections \"L_eye|head_OC\"`, \",\")"), QString());
}

} // namespace

namespace {

TEST_F(MelDag, MultiAttributesIndicesAndDefinitionsEdited)
{
    eval("createNode objectSet -n \"set\";"
         "connectAttr -na \"L_eye|head_OC.msg\" \"set.dsm\"; connectAttr -na \"R_eye|head_OC.msg\" \"set.dsm\";"
         "setAttr -s 3 \"set.dsm\";"
         "addAttr -ln \"mode\" -at \"enum\" \"rig\"; addAttr -ln \"gain\" -at double -smn 0 -smx 10 \"rig\";"
         "addAttr -e -ln \"gain\" -min -1 -max 20 -dv 2 \"rig\";"
         "setAttr -cb on \"rig.ry\"; setAttr -k off \"rig.ry\";");
    const struct {
        const char* mel;
        const char* result;
    } rows[] = {
        {"stringArrayToString(`listConnections -p 1 \"set.dsm[1]\"`, \",\")", "R_eye|head_OC.message"},
        {"stringArrayToString(`listConnections -c 1 \"set\"`, \",\")", "set.dsm[0],L_eye|head_OC,set.dsm[1],R_eye|head_OC"},
        {"getAttr -s \"set.dsm\"", "3"},
        {"stringArrayToString(`attributeQuery -n \"rig\" -le \"mode\"`, \",\")", "Green:Blue"},
        {"getAttr \"rig.gain\"", "2"},
        {"stringArrayToString(`attributeQuery -n \"rig\" -r \"gain\"`, \",\")", "-1,20"},
        {"stringArrayToString(`attributeQuery -n \"rig\" -sr \"gain\"`, \",\")", "0,10"},
        {"attributeQuery -n \"rig\" -mne \"gain\"", "1"},
        {"stringArrayToString(`listAttr -cb \"rig\"`, \",\")", "rotateY"},
        {"stringArrayToString(`attributeQuery -typ \"transform\" -lc \"t\"`, \",\")", "translateX,translateY,translateZ"},
        {"attributeQuery -typ \"joint\" -ex \"jointOrient\"", "1"},
        {"attributeQuery -typ \"transform\" -ex \"jointOrient\"", "0"},
        {"getAttr -type \"rig.gain\"", "double"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(eval(QLatin1String(r.mel)), QLatin1String(r.result)) << r.mel;
    EXPECT_EQ(error("setAttr \"rig.gain\" 25;"),
              QStringLiteral("line 1: setAttr: The value 25 for 'rig.gain' is outside its range (-1 to 20)."));
    EXPECT_EQ(error("addAttr -ln \"c\" -at double -p \"gain\" \"rig\";"),
              QStringLiteral("line 1: addAttr: 'rig' has no compound attribute \"gain\" to add \"c\" to."));
    EXPECT_EQ(error("disconnectAttr \"rig.tx\" \"md.i1x\";"),
              QStringLiteral("line 1: There is no connection from 'rig.translateX' to 'md.i1x' to disconnect."));
}

} // namespace
