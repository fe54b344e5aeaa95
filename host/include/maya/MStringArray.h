#ifndef QB_STANDIN_MSTRINGARRAY_H
#define QB_STANDIN_MSTRINGARRAY_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <vector>

class OPENMAYA_EXPORT MStringArray
{
public:
    MStringArray();
    MStringArray(unsigned int initialSize, const MString& initialValue);
    MStringArray(const MStringArray& other);
    ~MStringArray();
    MStringArray& operator=(const MStringArray& other);

    unsigned int length() const;
    MStatus append(const MString& element);
    MStatus setLength(unsigned int length);
    MStatus clear();
    MString& operator[](unsigned int index);
    MString operator[](unsigned int index) const;

private:
    std::vector<MString> items_;
};
#endif
