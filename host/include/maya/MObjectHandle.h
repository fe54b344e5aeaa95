#ifndef QB_STANDIN_MOBJECTHANDLE_H
#define QB_STANDIN_MOBJECTHANDLE_H
#include <maya/MTypes.h>
#include <maya/MObject.h>

// Tells whether the node an MObject named is still there.
class OPENMAYA_EXPORT MObjectHandle
{
public:
    MObjectHandle();
    MObjectHandle(const MObject& object);
    MObjectHandle(const MObjectHandle& handle);
    ~MObjectHandle();
    MObjectHandle& operator=(const MObjectHandle& other);

    MObject object() const;
    const MObject& objectRef() const;
    unsigned int hashCode() const;
    bool isValid() const;
    bool isAlive() const;
    bool operator==(const MObject& object) const;
    bool operator==(const MObjectHandle& object) const;
    bool operator!=(const MObject& object) const;
    bool operator!=(const MObjectHandle& object) const;

private:
    MObject object_;
};
#endif
