#ifndef QB_STANDIN_MGLOBAL_H
#define QB_STANDIN_MGLOBAL_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

class OPENMAYA_EXPORT MGlobal
{
public:
    enum ListAdjustment {
        kReplaceList,
        kXORWithList,
        kAddToList,
        kRemoveFromList,
        kAddToHeadOfList
    };

    static MStatus executeCommandOnIdle(const MString& command, bool displayEnabled = false);
    static MStatus executePythonCommandOnIdle(const MString& command, bool displayEnabled = false);
    static MStatus executeCommand(const MString& command, bool displayEnabled = false, bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, int& result, bool displayEnabled = false,
                                  bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, double& result, bool displayEnabled = false,
                                  bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, MDoubleArray& result, bool displayEnabled = false,
                                  bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, MString& result, bool displayEnabled = false,
                                  bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, MStringArray& result, bool displayEnabled = false,
                                  bool undoEnabled = false);

    static MStatus selectByName(const MString& name, ListAdjustment listAdjustment = kAddToList);
    static MStatus clearSelectionList();
    static MStatus getActiveSelectionList(MSelectionList& dest, bool orderedSelectionIfAvailable = false);

    static void displayError(const MString& theError);
    static void displayWarning(const MString& theWarning);
    static void displayInfo(const MString& theInfo);
};
#endif
