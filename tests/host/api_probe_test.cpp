// Every member of the stand-in API that the plug-in uses, taken with the
// exact type of the real devkit's signature. A parameter, a const, a return
// type or a static that differs from the real header fails to compile here,
// so code that builds against the stand-in also builds against a devkit.
#include <maya/MArgList.h>
#include <maya/MDagPath.h>
#include <maya/MDGMessage.h>
#include <maya/MDagMessage.h>
#include <maya/MDoubleArray.h>
#include <maya/MNodeMessage.h>
#include <maya/MPlug.h>
#include <maya/MEventMessage.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnPlugin.h>
#include <maya/MGlobal.h>
#include <maya/MItSelectionList.h>
#include <maya/MMessage.h>
#include <maya/MObjectHandle.h>
#include <maya/MSceneMessage.h>
#include <maya/MObject.h>
#include <maya/MPxCommand.h>
#include <maya/MQtUtil.h>
#include <maya/MSelectionList.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <qbhost/host_session.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace {

// Each line initialises a pointer of the real signature's type from the
// member: overloads are picked by that type, and nothing converts.
template <typename T>
using Exactly = T;
#define QB_PROBE(name, member, ...) [[maybe_unused]] const Exactly<__VA_ARGS__> name = member

QB_PROBE(statusEqual, &MStatus::operator==, bool (MStatus::*)(const MStatus&) const);
QB_PROBE(statusEqualCode, &MStatus::operator==, bool (MStatus::*)(MStatus::MStatusCode) const);
QB_PROBE(statusDiffer, &MStatus::operator!=, bool (MStatus::*)(const MStatus&) const);
QB_PROBE(statusDifferCode, &MStatus::operator!=, bool (MStatus::*)(MStatus::MStatusCode) const);
QB_PROBE(statusBool, &MStatus::operator bool, bool (MStatus::*)() const);
QB_PROBE(statusCode, &MStatus::statusCode, MStatus::MStatusCode (MStatus::*)() const);
QB_PROBE(statusText, &MStatus::errorString, MString (MStatus::*)() const);
QB_PROBE(statusPerror, &MStatus::perror, void (MStatus::*)(const char*) const);

QB_PROBE(stringChar, &MString::asChar, const char* (MString::*)() const);
QB_PROBE(stringUtf8, &MString::asUTF8, const char* (MString::*)() const);
QB_PROBE(stringWide, &MString::asWChar, const wchar_t* (MString::*)() const);
QB_PROBE(stringLength, &MString::length, unsigned int (MString::*)() const);
QB_PROBE(stringChars, &MString::numChars, unsigned int (MString::*)() const);
QB_PROBE(stringAppend, &MString::operator+=, MString& (MString::*)(const MString&));
QB_PROBE(stringPlus, &MString::operator+, MString (MString::*)(const MString&) const);
QB_PROBE(stringEqual, &MString::operator==, bool (MString::*)(const MString&) const);
QB_PROBE(stringEqualChars, &MString::operator==, bool (MString::*)(const char*) const);
QB_PROBE(stringDiffer, &MString::operator!=, bool (MString::*)(const MString&) const);
QB_PROBE(stringDifferChars, &MString::operator!=, bool (MString::*)(const char*) const);

QB_PROBE(arrayLength, &MStringArray::length, unsigned int (MStringArray::*)() const);
QB_PROBE(arrayAppend, &MStringArray::append, MStatus (MStringArray::*)(const MString&));
QB_PROBE(arraySetLength, &MStringArray::setLength, MStatus (MStringArray::*)(unsigned int));
QB_PROBE(arrayClear, &MStringArray::clear, MStatus (MStringArray::*)());
QB_PROBE(arrayAt, &MStringArray::operator[], MString& (MStringArray::*)(unsigned int));
QB_PROBE(arrayAtConst, &MStringArray::operator[], MString (MStringArray::*)(unsigned int) const);

QB_PROBE(objectIsNull, &MObject::isNull, bool (MObject::*)() const);
QB_PROBE(nullObject, &MObject::kNullObj, MObject*); // not const in the real header

QB_PROBE(pluginRegister, &MFnPlugin::registerCommand,
         MStatus (MFnPlugin::*)(const MString&, MCreatorFunction, MCreateSyntaxFunction));
QB_PROBE(pluginDeregister, &MFnPlugin::deregisterCommand, MStatus (MFnPlugin::*)(const MString&));
QB_PROBE(commandDoIt, &MPxCommand::doIt, MStatus (MPxCommand::*)(const MArgList&));

QB_PROBE(argsLength, &MArgList::length, unsigned int (MArgList::*)(MStatus*) const);
QB_PROBE(argsString, &MArgList::asString, MString (MArgList::*)(unsigned int, MStatus*) const);
QB_PROBE(argsArray, &MArgList::asStringArray, const MStringArray (MArgList::*)(unsigned int&, MStatus*) const);
QB_PROBE(argsGetString, &MArgList::get, MStatus (MArgList::*)(unsigned int, MString&) const);
QB_PROBE(argsGetArray, &MArgList::get, MStatus (MArgList::*)(unsigned int&, MStringArray&) const);

QB_PROBE(onIdle, &MGlobal::executeCommandOnIdle, MStatus (*)(const MString&, bool));
QB_PROBE(pythonOnIdle, &MGlobal::executePythonCommandOnIdle, MStatus (*)(const MString&, bool));
QB_PROBE(execute, &MGlobal::executeCommand, MStatus (*)(const MString&, bool, bool));
QB_PROBE(selectByName, &MGlobal::selectByName, MStatus (*)(const MString&, MGlobal::ListAdjustment));
QB_PROBE(clearSelection, &MGlobal::clearSelectionList, MStatus (*)());
QB_PROBE(activeSelection, &MGlobal::getActiveSelectionList, MStatus (*)(MSelectionList&, bool));
QB_PROBE(displayError, &MGlobal::displayError, void (*)(const MString&));
QB_PROBE(displayWarning, &MGlobal::displayWarning, void (*)(const MString&));
QB_PROBE(displayInfo, &MGlobal::displayInfo, void (*)(const MString&));

QB_PROBE(listEmpty, &MSelectionList::isEmpty, bool (MSelectionList::*)(MStatus*) const);
QB_PROBE(listLength, &MSelectionList::length, unsigned int (MSelectionList::*)(MStatus*) const);
QB_PROBE(listClear, &MSelectionList::clear, MStatus (MSelectionList::*)());
QB_PROBE(listAdd, &MSelectionList::add, MStatus (MSelectionList::*)(const MString&, const bool));
QB_PROBE(listStrings, &MSelectionList::getSelectionStrings, MStatus (MSelectionList::*)(MStringArray&) const);

QB_PROBE(listDependNode, &MSelectionList::getDependNode, MStatus (MSelectionList::*)(unsigned int, MObject&) const);
QB_PROBE(listDagPath, &MSelectionList::getDagPath,
         MStatus (MSelectionList::*)(unsigned int, MDagPath&, MObject&) const);

QB_PROBE(pathToNode, &MDagPath::getAPathTo, MStatus (*)(const MObject&, MDagPath&));
QB_PROBE(pathHasFn, &MDagPath::hasFn, bool (MDagPath::*)(MFn::Type, MStatus*) const);
QB_PROBE(pathType, &MDagPath::apiType, MFn::Type (MDagPath::*)(MStatus*) const);
QB_PROBE(pathValid, &MDagPath::isValid, bool (MDagPath::*)(MStatus*) const);
QB_PROBE(pathNode, &MDagPath::node, MObject (MDagPath::*)(MStatus*) const);
QB_PROBE(pathTransform, &MDagPath::transform, MObject (MDagPath::*)(MStatus*) const);
QB_PROBE(pathLength, &MDagPath::length, unsigned int (MDagPath::*)(MStatus*) const);
QB_PROBE(pathChildCount, &MDagPath::childCount, unsigned int (MDagPath::*)(MStatus*) const);
QB_PROBE(pathChild, &MDagPath::child, MObject (MDagPath::*)(unsigned int, MStatus*) const);
QB_PROBE(pathPush, &MDagPath::push, MStatus (MDagPath::*)(const MObject&));
QB_PROBE(pathPop, &MDagPath::pop, MStatus (MDagPath::*)(unsigned int));
QB_PROBE(pathToShape, &MDagPath::extendToShape, MStatus (MDagPath::*)());
QB_PROBE(pathToShapeBelow, &MDagPath::extendToShapeDirectlyBelow, MStatus (MDagPath::*)(unsigned int));
QB_PROBE(pathShapes, &MDagPath::numberOfShapesDirectlyBelow, MStatus (MDagPath::*)(unsigned int&) const);
QB_PROBE(pathFull, &MDagPath::fullPathName, MString (MDagPath::*)(MStatus*) const);
QB_PROBE(pathPartial, &MDagPath::partialPathName, MString (MDagPath::*)(MStatus*) const);
QB_PROBE(pathEqual, &MDagPath::operator==, bool (MDagPath::*)(const MDagPath&) const);

QB_PROBE(fnType, &MFnBase::type, MFn::Type (MFnBase::*)() const);
QB_PROBE(fnHasObj, &MFnBase::hasObj, bool (MFnBase::*)(MFn::Type) const);
QB_PROBE(fnObject, &MFnBase::object, MObject (MFnBase::*)(MStatus*) const);
QB_PROBE(fnSetObject, &MFnBase::setObject, MStatus (MFnBase::*)(MObject&));
QB_PROBE(fnSetConstObject, &MFnBase::setObject, MStatus (MFnBase::*)(const MObject&));
QB_PROBE(depName, &MFnDependencyNode::name, MString (MFnDependencyNode::*)(MStatus*) const);
QB_PROBE(depAbsolute, &MFnDependencyNode::absoluteName, MString (MFnDependencyNode::*)(MStatus*) const);
QB_PROBE(depTypeName, &MFnDependencyNode::typeName, MString (MFnDependencyNode::*)(MStatus*) const);
QB_PROBE(depReferenced, &MFnDependencyNode::isFromReferencedFile, bool (MFnDependencyNode::*)(MStatus*) const);
QB_PROBE(dagParents, &MFnDagNode::parentCount, unsigned int (MFnDagNode::*)(MStatus*) const);
QB_PROBE(dagParent, &MFnDagNode::parent, MObject (MFnDagNode::*)(unsigned int, MStatus*) const);
QB_PROBE(dagChildren, &MFnDagNode::childCount, unsigned int (MFnDagNode::*)(MStatus*) const);
QB_PROBE(dagChild, &MFnDagNode::child, MObject (MFnDagNode::*)(unsigned int, MStatus*) const);
QB_PROBE(dagGetPath, &MFnDagNode::getPath, MStatus (MFnDagNode::*)(MDagPath&) const);
QB_PROBE(dagPathOf, &MFnDagNode::dagPath, MDagPath (MFnDagNode::*)(MStatus*) const);
QB_PROBE(dagFull, &MFnDagNode::fullPathName, MString (MFnDagNode::*)(MStatus*) const);
QB_PROBE(dagPartial, &MFnDagNode::partialPathName, MString (MFnDagNode::*)(MStatus*) const);
QB_PROBE(dagIntermediate, &MFnDagNode::isIntermediateObject, bool (MFnDagNode::*)(MStatus*) const);
QB_PROBE(dagSetPath, &MFnDagNode::setObject, MStatus (MFnDagNode::*)(const MDagPath&));

QB_PROBE(iterDone, &MItSelectionList::isDone, bool (MItSelectionList::*)(MStatus*));
QB_PROBE(iterNext, &MItSelectionList::next, MStatus (MItSelectionList::*)());
QB_PROBE(iterReset, &MItSelectionList::reset, MStatus (MItSelectionList::*)());
QB_PROBE(iterStrings, &MItSelectionList::getStrings, MStatus (MItSelectionList::*)(MStringArray&));

QB_PROBE(addEventCallback, &MEventMessage::addEventCallback,
         MCallbackId (*)(const MString&, MMessage::MBasicFunction, void*, MStatus*));
QB_PROBE(removeCallback, &MMessage::removeCallback, MStatus (*)(MCallbackId));
QB_PROBE(nodeAdded, &MDGMessage::addNodeAddedCallback,
         MCallbackId (*)(MMessage::MNodeFunction, const MString&, void*, MStatus*));
QB_PROBE(nodeRemoved, &MDGMessage::addNodeRemovedCallback,
         MCallbackId (*)(MMessage::MNodeFunction, const MString&, void*, MStatus*));
QB_PROBE(nameChanged, &MNodeMessage::addNameChangedCallback,
         MCallbackId (*)(MObject&, MMessage::MNodeStringFunction, void*, MStatus*));
QB_PROBE(parentAdded, &MDagMessage::addParentAddedCallback,
         MCallbackId (*)(MMessage::MParentChildFunction, void*, MStatus*));
QB_PROBE(parentRemoved, &MDagMessage::addParentRemovedCallback,
         MCallbackId (*)(MMessage::MParentChildFunction, void*, MStatus*));
QB_PROBE(sceneCallback, &MSceneMessage::addCallback,
         MCallbackId (*)(MSceneMessage::Message, MMessage::MBasicFunction, void*, MStatus*));
QB_PROBE(handleValid, &MObjectHandle::isValid, bool (MObjectHandle::*)() const);
QB_PROBE(handleAlive, &MObjectHandle::isAlive, bool (MObjectHandle::*)() const);
QB_PROBE(handleHash, &MObjectHandle::hashCode, unsigned int (MObjectHandle::*)() const);
QB_PROBE(handleObject, &MObjectHandle::object, MObject (MObjectHandle::*)() const);
QB_PROBE(handleEqual, &MObjectHandle::operator==, bool (MObjectHandle::*)(const MObject&) const);

QB_PROBE(curveDomain, &MFnNurbsCurve::getKnotDomain, MStatus (MFnNurbsCurve::*)(double&, double&) const);
QB_PROBE(curvePoint, &MFnNurbsCurve::getPointAtParam,
         MStatus (MFnNurbsCurve::*)(double, MPoint&, MSpace::Space) const);
QB_PROBE(curveDegree, &MFnNurbsCurve::degree, int (MFnNurbsCurve::*)(MStatus*) const);
QB_PROBE(curveSpans, &MFnNurbsCurve::numSpans, int (MFnNurbsCurve::*)(MStatus*) const);
QB_PROBE(curveForm, &MFnNurbsCurve::form, MFnNurbsCurve::Form (MFnNurbsCurve::*)(MStatus*) const);

QB_PROBE(mainWindow, &MQtUtil::mainWindow, QWidget* (*)());
QB_PROBE(toQString, &MQtUtil::toQString, QString (*)(const MString&));
QB_PROBE(toMString, &MQtUtil::toMString, MString (*)(const QString&));

QB_PROBE(executeInt, &MGlobal::executeCommand, MStatus (*)(const MString&, int&, bool, bool));
QB_PROBE(executeDouble, &MGlobal::executeCommand, MStatus (*)(const MString&, double&, bool, bool));
QB_PROBE(executeDoubles, &MGlobal::executeCommand, MStatus (*)(const MString&, MDoubleArray&, bool, bool));
QB_PROBE(executeString, &MGlobal::executeCommand, MStatus (*)(const MString&, MString&, bool, bool));
QB_PROBE(executeStrings, &MGlobal::executeCommand, MStatus (*)(const MString&, MStringArray&, bool, bool));
QB_PROBE(attributeChanged, &MNodeMessage::addAttributeChangedCallback,
         MCallbackId (*)(MObject&, MNodeMessage::MAttr2PlugFunction, void*, MStatus*));
QB_PROBE(plugNode, &MPlug::node, MObject (MPlug::*)(MStatus*) const);
QB_PROBE(plugName, &MPlug::name, MString (MPlug::*)(MStatus*) const);
QB_PROBE(plugPartialName, &MPlug::partialName,
         MString (MPlug::*)(bool, bool, bool, bool, bool, bool, MStatus*) const);
QB_PROBE(plugDouble, &MPlug::asDouble, double (MPlug::*)(MStatus*) const);
QB_PROBE(plugInt, &MPlug::asInt, int (MPlug::*)(MStatus*) const);
QB_PROBE(plugBool, &MPlug::asBool, bool (MPlug::*)(MStatus*) const);

#undef QB_PROBE

// Enum values plug-ins compile in: the real headers' numbers.
static_assert(MSceneMessage::kAfterNew == 2 && MSceneMessage::kAfterOpen == 6, "scene messages");
static_assert(MSceneMessage::kAfterRemoveReference == 17 && MSceneMessage::kAfterUnloadReference == 23
                  && MSceneMessage::kAfterLoadReference == 37 && MSceneMessage::kAfterCreateReference == 45,
              "reference messages");
static_assert(MFnNurbsCurve::kOpen == 1 && MFnNurbsCurve::kPeriodic == 3 && MFn::kNurbsCurve == 267, "curves");

static_assert(std::is_same<MNodeMessage::MAttr2PlugFunction,
                           void (*)(MNodeMessage::AttributeMessage, MPlug&, MPlug&, void*)>::value,
              "MAttr2PlugFunction");
static_assert(MNodeMessage::kAttributeSet == 0x08, "kAttributeSet");

static_assert(std::is_same<MCallbackId, uintptr_t>::value, "MCallbackId is uintptr_t");
static_assert(std::is_same<MMessage::MBasicFunction, void (*)(void*)>::value, "MBasicFunction");
static_assert(std::is_same<MMessage::MNodeFunction, void (*)(MObject&, void*)>::value, "MNodeFunction");
static_assert(std::is_same<MMessage::MNodeStringFunction, void (*)(MObject&, const MString&, void*)>::value,
              "MNodeStringFunction");
static_assert(std::is_same<MMessage::MParentChildFunction, void (*)(MDagPath&, MDagPath&, void*)>::value,
              "MParentChildFunction");
static_assert(std::is_same<MCreatorFunction, void* (*)()>::value, "MCreatorFunction");
static_assert(std::is_base_of<MFnBase, MFnPlugin>::value, "MFnPlugin is a function set");
static_assert(std::has_virtual_destructor<MFnPlugin>::value, "as its base's");
static_assert(std::has_virtual_destructor<MPxCommand>::value, "MPxCommand");
static_assert(std::has_virtual_destructor<MDagPath>::value, "MDagPath");
static_assert(std::is_base_of<MFnBase, MFnDependencyNode>::value, "a function set");
static_assert(std::is_base_of<MFnDependencyNode, MFnDagNode>::value, "DAG nodes are dependency nodes");
static_assert(MFn::kDependencyNode == 4 && MFn::kDagNode == 107 && MFn::kTransform == 110
                  && MFn::kJoint == 121 && MFn::kNurbsCurve == 267 && MFn::kMesh == 296,
              "MFn::Type values");
static_assert(std::has_virtual_destructor<MSelectionList>::value, "MSelectionList");
static_assert(std::has_virtual_destructor<MItSelectionList>::value, "MItSelectionList");
static_assert(MGlobal::kReplaceList == 0 && MGlobal::kXORWithList == 1 && MGlobal::kAddToList == 2
                  && MGlobal::kRemoveFromList == 3 && MGlobal::kAddToHeadOfList == 4,
              "ListAdjustment values");
static_assert(MStatus::kSuccess == 0 && MStatus::kFailure == 1 && MStatus::kInvalidParameter == 3
                  && MStatus::kNotFound == 7 && MStatus::kEndOfFile == 8,
              "MStatusCode values");
static_assert(std::is_same<MS, MStatus>::value, "the MS typedef");
static_assert(MAYA_API_VERSION >= 20220000 && MAYA_API_VERSION % 10000 == 0, "a release's API version");

// The calls the plug-in writes with default arguments; compiled, never run.
[[maybe_unused]] void defaultArguments(MObject& object, const MArgList& args, MSelectionList& list)
{
    MFnPlugin plugin(object);
    MFnPlugin named(object, "vendor", "1.0", "Any", nullptr);
    plugin.registerCommand("cmd", nullptr);
    MGlobal::executeCommandOnIdle("text");
    MGlobal::selectByName("name");
    MGlobal::getActiveSelectionList(list);
    MEventMessage::addEventCallback("SelectionChanged", nullptr);
    unsigned int index = 1;
    args.asStringArray(index);
    args.length();
    MItSelectionList it(list);
    it.isDone();
    list.add("name");
    MDagPath path;
    list.getDagPath(0, path);
    path.fullPathName();
    path.pop();
    MFnDagNode dag(path);
    MFnDagNode fromObject(object);
    MFnDependencyNode dep(object);
    dag.isIntermediateObject();
    // Found by argument lookup, as the real friend operator is.
    const MString joined = "a" + MString("b");
    (void)joined;
}

} // namespace

TEST(ApiProbe, VersionMarkersFollowTheApiVersion)
{
    // MFnPlugin.h (included once here) defines both markers from
    // MAYA_API_VERSION, which the build selects.
    const std::string version = std::to_string(MAYA_API_VERSION);
    EXPECT_EQ(std::string(MApiVersion), version);
    EXPECT_NE(std::string(ADSK_PLUGIN_SIGNATURE).find(version), std::string::npos);
}

// The node classes on a scene where a short name repeats under two parents.
TEST(ApiProbe, PathsAndFunctionSetsFollowTheScene)
{
    qbhost::HostSession& host = qbhost::HostSession::instance();
    host.resetForTest();
    ASSERT_TRUE(host.executeMel(QStringLiteral(
        "createNode transform -n head_grp; createNode transform -n head_OC -p head_grp;"
        "createNode nurbsCurve -n head_OCShape -p head_OC;"
        "createNode transform -n face_grp; createNode transform -n head_OC -p face_grp;"
        "createNode network -n rigData;")));

    MSelectionList list;
    EXPECT_EQ(list.add("head_OC"), MS::kInvalidParameter); // two nodes match
    EXPECT_EQ(list.length(), 0u);
    ASSERT_TRUE(list.add("head_grp|head_OC"));
    ASSERT_TRUE(list.add("rigData"));
    ASSERT_TRUE(list.add("*_grp"));
    EXPECT_EQ(list.length(), 4u);

    MDagPath path;
    ASSERT_TRUE(list.getDagPath(0, path));
    EXPECT_TRUE(path.isValid());
    EXPECT_EQ(path.length(), 2u);
    EXPECT_STREQ(path.fullPathName().asChar(), "|head_grp|head_OC");
    EXPECT_STREQ(path.partialPathName().asChar(), "head_grp|head_OC");
    EXPECT_EQ(path.apiType(), MFn::kTransform);
    unsigned int shapes = 9;
    ASSERT_TRUE(path.numberOfShapesDirectlyBelow(shapes));
    EXPECT_EQ(shapes, 1u);
    MDagPath shape = path;
    EXPECT_EQ(shape.extendToShapeDirectlyBelow(1), MS::kInvalidParameter);
    ASSERT_TRUE(shape.extendToShapeDirectlyBelow(0));
    EXPECT_EQ(shape.apiType(), MFn::kNurbsCurve);
    EXPECT_TRUE(shape.hasFn(MFn::kShape));
    EXPECT_FALSE(shape == path);
    {
        MFnDagNode shapeFn(shape);
        EXPECT_FALSE(shapeFn.isIntermediateObject());
        MObject t = shape.transform();
        MFnDependencyNode tFn(t);
        EXPECT_STREQ(tFn.name().asChar(), "head_OC");
    }
    ASSERT_TRUE(shape.pop());
    EXPECT_TRUE(shape == path);
    EXPECT_EQ(shape.pop(3), MS::kInvalidParameter);

    MDagPath notDag;
    EXPECT_EQ(list.getDagPath(1, notDag), MS::kInvalidParameter); // a dependency node
    EXPECT_EQ(list.getDagPath(7, notDag), MS::kInvalidParameter);
    MObject data;
    ASSERT_TRUE(list.getDependNode(1, data));
    MStatus st;
    MFnDependencyNode dataFn(data, &st);
    ASSERT_TRUE(st);
    EXPECT_STREQ(dataFn.typeName().asChar(), "network");
    MFnDagNode wrong(data, &st);
    EXPECT_EQ(st, MS::kInvalidParameter);

    // A node keeps its identity through a rename and a move; its old path does not.
    MObject node;
    ASSERT_TRUE(list.getDependNode(0, node));
    ASSERT_TRUE(host.executeMel(QStringLiteral("rename \"head_grp|head_OC\" jaw_OC; parent jaw_OC face_grp;")));
    MFnDagNode fn(node, &st);
    ASSERT_TRUE(st);
    EXPECT_STREQ(fn.fullPathName().asChar(), "|face_grp|jaw_OC");
    EXPECT_STREQ(fn.partialPathName().asChar(), "jaw_OC");
    EXPECT_FALSE(path.isValid());
    EXPECT_EQ(path.fullPathName(&st).length(), 0u);
    EXPECT_FALSE(st);

    ASSERT_TRUE(host.executeMel(QStringLiteral("delete jaw_OC;")));
    MFnDependencyNode gone(node, &st);
    EXPECT_EQ(st, MS::kInvalidParameter);
    EXPECT_EQ(list.getDependNode(0, node), MS::kInvalidParameter);
    host.resetForTest();
}
