#include "nurbs_curve.h"
#include "plug_key.h"

#include <QtCore/QRegularExpression>

#include <cmath>

namespace qbhost {

namespace {

bool fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

bool NurbsCurve::parse(const QString& text, NurbsCurve* out, QString* error)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    const QStringList words = text.split(space, Qt::SkipEmptyParts);
    int at = 0;
    auto number = [&](double* v) {
        if (at >= words.size())
            return false;
        bool ok = false;
        *v = words[at++].toDouble(&ok);
        return ok && std::isfinite(*v);
    };
    auto integer = [&](int* v, int low, int high) {
        double d = 0;
        if (!number(&d) || d != std::floor(d) || d < low || d > high)
            return false;
        *v = int(d);
        return true;
    };
    NurbsCurve c;
    int form = 0, dimension = 0;
    if (!integer(&c.degree, 1, kMaxDegree) || !integer(&c.spans, 1, kMaxCvs) || !integer(&form, 0, 2))
        return fail(error, QStringLiteral("the degree, spans or form is not a curve's"));
    c.form = Form(form);
    if (at >= words.size())
        return fail(error, QStringLiteral("the data ends after the form"));
    const QString rational = words[at++];
    const bool isRational = rational == QLatin1String("yes");
    if (!isRational && rational != QLatin1String("no"))
        return fail(error, QStringLiteral("\"%1\" is not yes or no").arg(rational));
    if (!integer(&dimension, 2, 3))
        return fail(error, QStringLiteral("the dimension is not 2 or 3"));
    int knotCount = 0, cvCount = 0;
    if (!integer(&knotCount, 0, kMaxCvs + 2 * kMaxDegree) || knotCount != c.spans + 2 * c.degree - 1)
        return fail(error, QStringLiteral("%1 knots for %2 spans of degree %3").arg(knotCount).arg(c.spans).arg(c.degree));
    c.knots.resize(knotCount);
    for (double& k : c.knots)
        if (!number(&k))
            return fail(error, QStringLiteral("a knot is not a number"));
    for (int i = 1; i < knotCount; ++i)
        if (c.knots[i] < c.knots[i - 1])
            return fail(error, QStringLiteral("the knots decrease"));
    if (!integer(&cvCount, 0, kMaxCvs + kMaxDegree) || cvCount != c.spans + c.degree)
        return fail(error, QStringLiteral("%1 control vertices for %2 spans of degree %3").arg(cvCount).arg(c.spans).arg(c.degree));
    c.cvs.resize(cvCount);
    if (isRational)
        c.weights.resize(cvCount);
    for (int i = 0; i < cvCount; ++i) {
        Point3& p = c.cvs[i];
        if (!number(&p.x) || !number(&p.y) || (dimension == 3 && !number(&p.z)))
            return fail(error, QStringLiteral("control vertex %1 is not %2 numbers").arg(i).arg(dimension));
        if (isRational && (!number(&c.weights[i]) || c.weights[i] <= 0))
            return fail(error, QStringLiteral("control vertex %1 has no positive weight").arg(i));
    }
    if (at != words.size() && !(at + 1 == words.size() && words[at] == QLatin1String(";")))
        return fail(error, QStringLiteral("more follows the control vertices"));
    if (c.domainEnd() <= c.domainStart())
        return fail(error, QStringLiteral("the curve's parameter range is empty"));
    *out = c;
    return true;
}

bool NurbsCurve::ofShape(const NodeRecord& shape, NurbsCurve* out)
{
    if (shape.type != QLatin1String("nurbsCurve"))
        return false;
    const PlugState* cc = shape.attributes.plug(plugOf(shape, QStringLiteral("cached")).key);
    if (!cc)
        cc = shape.attributes.plug(QStringLiteral("cc"));
    if (!cc || cc->value.kind != PlugValue::Raw)
        return false;
    return parse(cc->value.text, out);
}

Point3 NurbsCurve::pointAt(double u) const
{
    u = qBound(domainStart(), u, domainEnd());
    // The span holding u: knots[span] <= u < knots[span + 1], its degree + 1
    // vertices starting at span - degree + 1 (Maya's knots lack the two
    // outermost of the textbook's).
    int span = degree - 1;
    while (span + 1 < cvs.size() - 1 && knots[span + 1] <= u)
        ++span;
    const int first = span - degree + 1;
    QVector<double> w(degree + 1, 1.0);
    QVector<Point3> d(degree + 1);
    for (int j = 0; j <= degree; ++j) {
        const double wj = weights.isEmpty() ? 1.0 : weights[first + j];
        d[j] = Point3{cvs[first + j].x * wj, cvs[first + j].y * wj, cvs[first + j].z * wj};
        w[j] = wj;
    }
    // de Boor, on the knots as Maya keeps them: with i the vertex's index,
    // the blend of step r runs over knots[i - 1] .. knots[i + degree - r].
    for (int r = 1; r <= degree; ++r)
        for (int j = degree; j >= r; --j) {
            const int i = first + j;
            const double lo = knots[i - 1], hi = knots[i + degree - r];
            const double a = hi > lo ? (u - lo) / (hi - lo) : 0.0;
            d[j] = Point3{(1 - a) * d[j - 1].x + a * d[j].x, (1 - a) * d[j - 1].y + a * d[j].y,
                          (1 - a) * d[j - 1].z + a * d[j].z};
            w[j] = (1 - a) * w[j - 1] + a * w[j];
        }
    const double wd = w[degree] != 0 ? w[degree] : 1.0;
    return Point3{d[degree].x / wd, d[degree].y / wd, d[degree].z / wd};
}

} // namespace qbhost
