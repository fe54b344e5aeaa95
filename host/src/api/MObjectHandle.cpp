#include <maya/MObjectHandle.h>
#include "node_access.h"

using namespace qbhost::nodeaccess;

MObjectHandle::MObjectHandle() = default;
MObjectHandle::MObjectHandle(const MObject& object) : object_(object) {}
MObjectHandle::MObjectHandle(const MObjectHandle& handle) = default;
MObjectHandle::~MObjectHandle() = default;
MObjectHandle& MObjectHandle::operator=(const MObjectHandle& other) = default;

MObject MObjectHandle::object() const { return object_; }
const MObject& MObjectHandle::objectRef() const { return object_; }

unsigned int MObjectHandle::hashCode() const
{
    const unsigned long long id = QbHostAccess::nodeId(object_);
    return static_cast<unsigned int>(id ^ (id >> 32));
}

// No undo queue keeps deleted nodes here: a node gone is neither.
bool MObjectHandle::isValid() const { return nodeOf(object_) != nullptr; }
bool MObjectHandle::isAlive() const { return nodeOf(object_) != nullptr; }

bool MObjectHandle::operator==(const MObject& object) const { return object_ == object; }
bool MObjectHandle::operator==(const MObjectHandle& object) const { return object_ == object.object_; }
bool MObjectHandle::operator!=(const MObject& object) const { return !(object_ == object); }
bool MObjectHandle::operator!=(const MObjectHandle& object) const { return !(object_ == object.object_); }
