#ifndef QB_STANDIN_MPLUG_H
#define QB_STANDIN_MPLUG_H
#include <maya/MTypes.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

// One attribute of one node. The stand-in's plugs are those its
// attribute-change callbacks hand over.
class OPENMAYA_EXPORT MPlug
{
public:
    MPlug();
    MPlug(const MPlug& in);
    virtual ~MPlug();
    MPlug& operator=(const MPlug& other);

    MObject node(MStatus* ReturnStatus = nullptr) const;
    MString name(MStatus* ReturnStatus = nullptr) const;
    MString partialName(bool includeNodeName = false, bool includeNonMandatoryIndices = false,
                        bool includeInstancedIndices = false, bool useAlias = false,
                        bool useFullAttributePath = false, bool useLongNames = false,
                        MStatus* ReturnStatus = nullptr) const;
    bool isNull(MStatus* ReturnStatus = nullptr) const;
    double asDouble(MStatus* ReturnStatus = nullptr) const;
    int asInt(MStatus* ReturnStatus = nullptr) const;
    bool asBool(MStatus* ReturnStatus = nullptr) const;

private:
    friend struct QbHostAccess;
    MObject node_;
    const void* attribute_; // the host's interned long name
};
#endif
