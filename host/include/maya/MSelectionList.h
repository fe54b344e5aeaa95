#ifndef QB_STANDIN_MSELECTIONLIST_H
#define QB_STANDIN_MSELECTIONLIST_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>
#include <vector>

class OPENMAYA_EXPORT MSelectionList
{
public:
    MSelectionList();
    MSelectionList(const MSelectionList& other);
    virtual ~MSelectionList();
    MSelectionList& operator=(const MSelectionList& other);

    bool isEmpty(MStatus* ReturnStatus = NULL) const;
    unsigned int length(MStatus* ReturnStatus = NULL) const;
    MStatus clear();
    MStatus add(const MString& matchString, const bool searchChildNamespacesToo = false);
    MStatus getSelectionStrings(MStringArray& array) const;
    MStatus getDependNode(unsigned int index, MObject& depNode) const;

private:
    friend class MItSelectionList;
    friend struct QbHostAccess;
    std::vector<MString> items_;
};
#endif
