#ifndef QB_STANDIN_MPXCOMMAND_H
#define QB_STANDIN_MPXCOMMAND_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>

class OPENMAYA_EXPORT MPxCommand
{
public:
    MPxCommand();
    virtual ~MPxCommand();
    virtual MStatus doIt(const MArgList& args);
    virtual MStatus undoIt();
    virtual MStatus redoIt();
    virtual bool isUndoable() const;
};
#endif
