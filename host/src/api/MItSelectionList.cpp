#include <maya/MItSelectionList.h>

MItSelectionList::MItSelectionList(const MSelectionList& list, MFn::Type, MStatus* ReturnStatus)
    : list_(list), index_(0)
{
    if (ReturnStatus)
        *ReturnStatus = MS::kSuccess;
}

MItSelectionList::~MItSelectionList() = default;

bool MItSelectionList::isDone(MStatus* ReturnStatus)
{
    if (ReturnStatus)
        *ReturnStatus = MS::kSuccess;
    return index_ >= list_.length();
}

MStatus MItSelectionList::next()
{
    if (index_ < list_.length())
        ++index_;
    return MS::kSuccess;
}

MStatus MItSelectionList::reset()
{
    index_ = 0;
    return MS::kSuccess;
}

MStatus MItSelectionList::getStrings(MStringArray& array)
{
    array.clear();
    if (index_ >= list_.length())
        return MS::kFailure;
    array.append(list_.items_[index_]);
    return MS::kSuccess;
}
