#include <maya/MDoubleArray.h>

MDoubleArray::MDoubleArray() = default;
MDoubleArray::MDoubleArray(const MDoubleArray& other) = default;
MDoubleArray::~MDoubleArray() = default;
MDoubleArray& MDoubleArray::operator=(const MDoubleArray& other) = default;

unsigned int MDoubleArray::length() const { return static_cast<unsigned int>(items_.size()); }
MStatus MDoubleArray::append(double element)
{
    items_.push_back(element);
    return MS::kSuccess;
}
MStatus MDoubleArray::setLength(unsigned int length)
{
    items_.resize(length);
    return MS::kSuccess;
}
MStatus MDoubleArray::clear()
{
    items_.clear();
    return MS::kSuccess;
}
double& MDoubleArray::operator[](unsigned int index) { return items_.at(index); }
double MDoubleArray::operator[](unsigned int index) const { return index < items_.size() ? items_[index] : 0.0; }
