#ifndef QB_STANDIN_MOBJECT_H
#define QB_STANDIN_MOBJECT_H
#include <maya/MTypes.h>

// Opaque handle. The stand-in host uses it to pass its plug-in record, and
// to name a scene node (by its id, which no other node ever gets).
class OPENMAYA_EXPORT MObject
{
public:
    MObject();
    MObject(const MObject& other);
    MObject& operator=(const MObject& other);
    ~MObject();

    bool isNull() const;
    bool operator==(const MObject& other) const;
    bool operator!=(const MObject& other) const;

    static MObject kNullObj;

private:
    friend class MFnPlugin;
    friend struct QbHostAccess;
    void* ptr_;
    unsigned long long node_;
};
#endif
