#ifndef QB_STANDIN_MITSELECTIONLIST_H
#define QB_STANDIN_MITSELECTIONLIST_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MStringArray.h>
#include <maya/MSelectionList.h>
#include <maya/MFn.h>

class OPENMAYA_EXPORT MItSelectionList
{
public:
    MItSelectionList(const MSelectionList& list, MFn::Type = MFn::kInvalid, MStatus* ReturnStatus = NULL);
    virtual ~MItSelectionList();

    bool isDone(MStatus* ReturnStatus = NULL);
    MStatus next();
    MStatus reset();
    MStatus getStrings(MStringArray& array);

private:
    MSelectionList list_;
    unsigned int index_;
};
#endif
