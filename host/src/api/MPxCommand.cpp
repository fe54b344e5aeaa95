#include <maya/MPxCommand.h>

MPxCommand::MPxCommand() = default;
MPxCommand::~MPxCommand() = default;
MStatus MPxCommand::doIt(const MArgList&) { return MS::kSuccess; }
MStatus MPxCommand::undoIt() { return MS::kNotImplemented; }
MStatus MPxCommand::redoIt() { return MS::kNotImplemented; }
bool MPxCommand::isUndoable() const { return false; }
