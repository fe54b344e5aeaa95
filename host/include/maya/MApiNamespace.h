#ifndef QB_STANDIN_MAPINAMESPACE_H
#define QB_STANDIN_MAPINAMESPACE_H
// Forward declarations of the API classes. The real devkit opens a versioned
// namespace here; the stand-in keeps the classes in the global namespace.
class MArgList;
class MDagMessage;
class MDGMessage;
class MDagPath;
class MFnBase;
class MFnDagNode;
class MFnDependencyNode;
class MFnPlugin;
class MGlobal;
class MItSelectionList;
class MMessage;
class MNodeMessage;
class MObjectHandle;
class MSceneMessage;
class MEventMessage;
class MDoubleArray;
class MNodeMessage;
class MObject;
class MPlug;
class MPxCommand;
class MQtUtil;
class MSelectionList;
class MStatus;
class MString;
class MStringArray;
class MSyntax;
#endif
