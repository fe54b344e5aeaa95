#ifndef QBHOST_NURBS_CURVE_H
#define QBHOST_NURBS_CURVE_H
// A nurbsCurve shape's curve, read from its "cached" data as a Maya ASCII
// file writes it ("degree spans form rational dimension", the knots, the
// control vertices) and evaluated as the host does.
#include "dag_transform.h"

#include <QtCore/QString>
#include <QtCore/QVector>

namespace qbhost {

struct NurbsCurve {
    enum Form { Open = 0, Closed = 1, Periodic = 2 };
    int degree = 1;
    int spans = 0;
    Form form = Open;
    QVector<double> knots;  // spans + 2 * degree - 1 of them
    QVector<Point3> cvs;     // spans + degree of them
    QVector<double> weights; // rational curves only

    // The data's text; false (with why) for data that does not hold a curve.
    static bool parse(const QString& text, NurbsCurve* out, QString* error = nullptr);
    // The curve read from a shape's ".cc"; false when it has none.
    static bool ofShape(const NodeRecord& shape, NurbsCurve* out);

    // The parameter range: knots[degree - 1] to knots[cvs - 1].
    double domainStart() const { return knots[degree - 1]; }
    double domainEnd() const { return knots[cvs.size() - 1]; }
    // The point at a parameter (clamped to the domain), in the shape's space.
    Point3 pointAt(double u) const;

    static constexpr int kMaxDegree = 7;
    static constexpr int kMaxCvs = 1 << 16;
};

} // namespace qbhost
#endif
