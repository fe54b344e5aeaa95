#include <maya/MStringArray.h>

MStringArray::MStringArray() = default;
MStringArray::MStringArray(unsigned int initialSize, const MString& initialValue)
    : items_(initialSize, initialValue) {}
MStringArray::MStringArray(const MStringArray& other) = default;
MStringArray::~MStringArray() = default;
MStringArray& MStringArray::operator=(const MStringArray& other) = default;

unsigned int MStringArray::length() const { return static_cast<unsigned int>(items_.size()); }
MStatus MStringArray::append(const MString& element)
{
    items_.push_back(element);
    return MS::kSuccess;
}
MStatus MStringArray::setLength(unsigned int length)
{
    items_.resize(length);
    return MS::kSuccess;
}
MStatus MStringArray::clear()
{
    items_.clear();
    return MS::kSuccess;
}
MString& MStringArray::operator[](unsigned int index) { return items_.at(index); }
MString MStringArray::operator[](unsigned int index) const
{
    return index < items_.size() ? items_[index] : MString();
}
