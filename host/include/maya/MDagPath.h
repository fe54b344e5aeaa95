#ifndef QB_STANDIN_MDAGPATH_H
#define QB_STANDIN_MDAGPATH_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MObject.h>
#include <maya/MFn.h>
#include <vector>

// A path from the top of the DAG down to one node. The stand-in has no
// instancing, so a node has one path; the path keeps the nodes it went
// through and is invalid once one of them is deleted or moved elsewhere.
class OPENMAYA_EXPORT MDagPath
{
public:
    MDagPath();
    MDagPath(const MDagPath& src);
    virtual ~MDagPath();
    MDagPath& operator=(const MDagPath& src);
    bool operator==(const MDagPath& other) const;

    static MStatus getAPathTo(const MObject& node, MDagPath& path);

    bool hasFn(MFn::Type type, MStatus* ReturnStatus = NULL) const;
    MFn::Type apiType(MStatus* ReturnStatus = NULL) const;
    bool isValid(MStatus* ReturnStatus = NULL) const;
    MObject node(MStatus* ReturnStatus = NULL) const;
    MObject transform(MStatus* ReturnStatus = NULL) const;
    unsigned int length(MStatus* ReturnStatus = NULL) const;
    unsigned int childCount(MStatus* ReturnStatus = NULL) const;
    MObject child(unsigned int i, MStatus* ReturnStatus = NULL) const;
    MStatus push(const MObject& child);
    MStatus pop(unsigned int num = 1);
    MStatus extendToShape();
    MStatus extendToShapeDirectlyBelow(unsigned int);
    MStatus numberOfShapesDirectlyBelow(unsigned int& num) const;
    MString fullPathName(MStatus* ReturnStatus = NULL) const;
    MString partialPathName(MStatus* ReturnStatus = NULL) const;

private:
    friend struct QbHostAccess;
    std::vector<unsigned long long> nodes_; // from the top down
};
#endif
