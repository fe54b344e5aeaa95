#include "dag_transform.h"
#include "node_types.h"
#include "plug_key.h"

#include <QtCore/QRegularExpression>

#include <cmath>

namespace qbhost {

namespace {

constexpr double kDegrees = 3.14159265358979323846 / 180.0;

Matrix44 rotationAbout(int axis, double degrees)
{
    const double c = std::cos(degrees * kDegrees), s = std::sin(degrees * kDegrees);
    Matrix44 r = Matrix44::identity();
    const int a = (axis + 1) % 3, b = (axis + 2) % 3;
    // Row vectors: p' = p * R turns a towards b.
    r.m[a][a] = c;
    r.m[a][b] = s;
    r.m[b][a] = -s;
    r.m[b][b] = c;
    return r;
}

// The numbers a plug holds, or fallback (one per element) when it holds none.
QVector<double> numbers(const NodeRecord& node, const char* name, QVector<double> fallback)
{
    const PlugRef ref = plugOf(node, QLatin1String(name));
    const PlugState* p = node.attributes.plug(ref.key);
    if (!p)
        return fallback;
    QVector<double> v;
    if (p->value.kind == PlugValue::Numbers) {
        v = p->value.numbers;
    } else if (p->value.kind == PlugValue::Raw) {
        // A matrix as its file writes it: sixteen numbers.
        static const QRegularExpression space(QStringLiteral("\\s+"));
        for (const QString& part : p->value.text.split(space, Qt::SkipEmptyParts)) {
            bool ok = false;
            const double d = part.toDouble(&ok);
            if (ok)
                v.append(d);
        }
    }
    if (v.size() != fallback.size())
        return fallback;
    for (double d : v)
        if (!std::isfinite(d))
            return fallback;
    return v;
}

Matrix44 triple(const NodeRecord& node, const char* name, double fill, Matrix44 (*make)(double, double, double))
{
    const QVector<double> v = numbers(node, name, {fill, fill, fill});
    return make(v[0], v[1], v[2]);
}

Matrix44 inverseTranslation(const NodeRecord& node, const char* name)
{
    const QVector<double> v = numbers(node, name, {0, 0, 0});
    return Matrix44::translation(-v[0], -v[1], -v[2]);
}

Matrix44 rotations(const NodeRecord& node, const char* name, int order)
{
    const QVector<double> v = numbers(node, name, {0, 0, 0});
    return Matrix44::rotation(v[0], v[1], v[2], order);
}

Matrix44 matrixPlug(const NodeRecord& node, const char* name)
{
    const QVector<double> v = numbers(node, name, QVector<double>(16, 0.0));
    Matrix44 out = Matrix44::identity();
    bool any = false;
    for (double d : v)
        any = any || d != 0;
    if (!any)
        return out;
    for (int i = 0; i < 16; ++i)
        out.m[i / 4][i % 4] = v[i];
    return out;
}

} // namespace

Matrix44 Matrix44::identity()
{
    Matrix44 i{};
    for (int k = 0; k < 4; ++k)
        i.m[k][k] = 1;
    return i;
}

Matrix44 Matrix44::translation(double x, double y, double z)
{
    Matrix44 t = identity();
    t.m[3][0] = x;
    t.m[3][1] = y;
    t.m[3][2] = z;
    return t;
}

Matrix44 Matrix44::scaling(double x, double y, double z)
{
    Matrix44 s = identity();
    s.m[0][0] = x;
    s.m[1][1] = y;
    s.m[2][2] = z;
    return s;
}

Matrix44 Matrix44::rotation(double x, double y, double z, int order)
{
    static const int orders[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {1, 0, 2}, {2, 1, 0}};
    const int* axes = orders[order >= 0 && order < 6 ? order : 0];
    const double angles[3] = {x, y, z};
    Matrix44 r = identity();
    for (int k = 0; k < 3; ++k)
        r = r * rotationAbout(axes[k], angles[axes[k]]);
    return r;
}

Matrix44 Matrix44::operator*(const Matrix44& o) const
{
    Matrix44 r{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            for (int k = 0; k < 4; ++k)
                r.m[i][j] += m[i][k] * o.m[k][j];
    return r;
}

bool Matrix44::isFinite() const
{
    for (const auto& row : m)
        for (double d : row)
            if (!std::isfinite(d))
                return false;
    return true;
}

Point3 operator*(const Point3& p, const Matrix44& m)
{
    Point3 r;
    const double w = p.x * m.m[0][3] + p.y * m.m[1][3] + p.z * m.m[2][3] + m.m[3][3];
    r.x = p.x * m.m[0][0] + p.y * m.m[1][0] + p.z * m.m[2][0] + m.m[3][0];
    r.y = p.x * m.m[0][1] + p.y * m.m[1][1] + p.z * m.m[2][1] + m.m[3][1];
    r.z = p.x * m.m[0][2] + p.y * m.m[1][2] + p.z * m.m[2][2] + m.m[3][2];
    if (w != 0 && w != 1) {
        r.x /= w;
        r.y /= w;
        r.z /= w;
    }
    return r;
}

Matrix44 localMatrix(const NodeRecord& node)
{
    const NodeTypeInfo& type = typeOf(node);
    if (!node.dag || type.shape)
        return Matrix44::identity();
    const int order = int(numbers(node, "rotateOrder", {0})[0]);
    Matrix44 local;
    if (node.type == QLatin1String("joint")) {
        // A joint: scale, its orientation of rotation, rotation, its joint
        // orient, then its place.
        local = triple(node, "scale", 1, &Matrix44::scaling) * rotations(node, "rotateAxis", 0)
                * rotations(node, "rotate", order) * rotations(node, "jointOrient", 0)
                * triple(node, "translate", 0, &Matrix44::translation);
    } else {
        // scale about its pivot, rotation about its pivot, then the place.
        local = inverseTranslation(node, "scalePivot") * triple(node, "scale", 1, &Matrix44::scaling)
                * triple(node, "scalePivot", 0, &Matrix44::translation)
                * triple(node, "scalePivotTranslate", 0, &Matrix44::translation)
                * inverseTranslation(node, "rotatePivot") * rotations(node, "rotateAxis", 0)
                * rotations(node, "rotate", order) * triple(node, "rotatePivot", 0, &Matrix44::translation)
                * triple(node, "rotatePivotTranslate", 0, &Matrix44::translation)
                * triple(node, "translate", 0, &Matrix44::translation);
    }
    return local * matrixPlug(node, "offsetParentMatrix");
}

Matrix44 worldMatrix(const SceneGraph& scene, NodeId id)
{
    Matrix44 world = Matrix44::identity();
    // Bounded by the scene's size: a parent chain has no cycles, but a
    // damaged graph must not hang the host.
    for (int guard = 0; id && guard <= scene.count(); ++guard) {
        const NodeRecord* n = scene.node(id);
        if (!n)
            break;
        world = world * localMatrix(*n);
        if (n->dag && !typeOf(*n).shape && numbers(*n, "inheritsTransform", {1})[0] == 0)
            break;
        id = n->parent;
    }
    return world;
}

} // namespace qbhost
