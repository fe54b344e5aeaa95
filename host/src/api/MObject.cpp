#include <maya/MObject.h>

MObject MObject::kNullObj;

MObject::MObject() : ptr_(nullptr) {}
MObject::MObject(const MObject& other) = default;
MObject& MObject::operator=(const MObject& other) = default;
MObject::~MObject() = default;
bool MObject::isNull() const { return ptr_ == nullptr; }
