#include <maya/MPoint.h>

MPoint::MPoint() : x(0), y(0), z(0), w(1) {}
MPoint::MPoint(const MPoint& srcpt) = default;
MPoint::MPoint(double xx, double yy, double zz, double ww) : x(xx), y(yy), z(zz), w(ww) {}
MPoint::~MPoint() = default;
MPoint& MPoint::operator=(const MPoint& src) = default;
