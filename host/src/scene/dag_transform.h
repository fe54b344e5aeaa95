#ifndef QBHOST_DAG_TRANSFORM_H
#define QBHOST_DAG_TRANSFORM_H
// Where a DAG node stands in the world: each transform's matrix from its
// attributes as Maya composes it, and the product of those up to the world.
// Matrices act on row vectors (p' = p * M), as the host's own do.
#include "scene_graph.h"

namespace qbhost {

struct Matrix44 {
    double m[4][4];

    static Matrix44 identity();
    static Matrix44 translation(double x, double y, double z);
    static Matrix44 scaling(double x, double y, double z);
    // Rotations in degrees, applied x, then y, then z as the order says
    // (0 xyz, 1 yzx, 2 zxy, 3 xzy, 4 yxz, 5 zyx: the rotateOrder values).
    static Matrix44 rotation(double x, double y, double z, int order);
    Matrix44 operator*(const Matrix44& o) const;
    bool isFinite() const;
};

struct Point3 {
    double x = 0, y = 0, z = 0;
};
Point3 operator*(const Point3& p, const Matrix44& m);

// The node's own matrix (its "matrix" times its "offsetParentMatrix");
// identity for a node that is no transform.
Matrix44 localMatrix(const NodeRecord& node);
// The node's "worldMatrix": its local matrix and every parent's, up to a
// node that does not inherit its parent's transform.
Matrix44 worldMatrix(const SceneGraph& scene, NodeId id);
} // namespace qbhost
#endif
