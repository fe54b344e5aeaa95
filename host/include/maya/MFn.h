#ifndef QB_STANDIN_MFN_H
#define QB_STANDIN_MFN_H
#include <maya/MTypes.h>

class OPENMAYA_EXPORT MFn
{
public:
    enum Type {
        kInvalid = 0
    };
};
#endif
