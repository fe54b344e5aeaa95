#ifndef QB_STANDIN_MPOINT_H
#define QB_STANDIN_MPOINT_H
#include <maya/MTypes.h>
#include <maya/MStatus.h>

class OPENMAYA_EXPORT MPoint
{
public:
    MPoint(); // 0, 0, 0, 1
    MPoint(const MPoint& srcpt);
    MPoint(double xx, double yy, double zz = 0.0, double ww = 1.0);
    ~MPoint();
    MPoint& operator=(const MPoint& src);

    double x;
    double y;
    double z;
    double w;
};
#endif
