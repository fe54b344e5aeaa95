#include <maya/MObject.h>

MObject MObject::kNullObj;

MObject::MObject() : ptr_(nullptr), node_(0) {}
MObject::MObject(const MObject& other) = default;
MObject& MObject::operator=(const MObject& other) = default;
MObject::~MObject() = default;
bool MObject::isNull() const { return ptr_ == nullptr && node_ == 0; }
bool MObject::operator==(const MObject& other) const { return ptr_ == other.ptr_ && node_ == other.node_; }
bool MObject::operator!=(const MObject& other) const { return !(*this == other); }
