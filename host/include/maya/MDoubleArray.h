#ifndef QB_STANDIN_MDOUBLEARRAY_H
#define QB_STANDIN_MDOUBLEARRAY_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <vector>

class OPENMAYA_EXPORT MDoubleArray
{
public:
    MDoubleArray();
    MDoubleArray(const MDoubleArray& other);
    ~MDoubleArray();
    MDoubleArray& operator=(const MDoubleArray& other);

    unsigned int length() const;
    MStatus append(double element);
    MStatus setLength(unsigned int length);
    MStatus clear();
    double& operator[](unsigned int index);
    double operator[](unsigned int index) const;

private:
    std::vector<double> items_;
};
#endif
