#ifndef QB_STANDIN_MARGLIST_H
#define QB_STANDIN_MARGLIST_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>
#include <vector>

class OPENMAYA_EXPORT MArgList
{
public:
    MArgList();
    MArgList(const MArgList& other);
    ~MArgList();
    MArgList& operator=(const MArgList& other);

    unsigned int length(MStatus* ReturnStatus = NULL) const;
    MString asString(unsigned int index, MStatus* ReturnStatus = NULL) const;
    const MStringArray asStringArray(unsigned int& index, MStatus* ReturnStatus = NULL) const;
    MStatus get(unsigned int index, MString& ret) const;
    MStatus get(unsigned int& index, MStringArray& ret) const;

private:
    friend struct QbHostAccess;
    struct Arg {
        int kind;           // 0 string, 1 string array, 2 number
        MString text;       // string value, or the number's text
        MStringArray array; // string-array value
    };
    std::vector<Arg> args_;
};
#endif
