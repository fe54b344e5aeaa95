#include "model/svg_path.h"
#include <QtCore/QXmlStreamReader>
#include <QtCore/QtMath>
#include <cmath>

namespace {

class path_reader
{
public:
    explicit path_reader(const QString& data) : s_(data) {}

    bool read(QPainterPath* out, QString* error)
    {
        QPainterPath path;
        QChar command;
        skip_blanks();
        while (i_ < s_.size()) {
            const QChar c = s_.at(i_);
            if (c.isLetter()) {
                if (command.isNull() && c != QLatin1Char('M') && c != QLatin1Char('m'))
                    return fail(error, QStringLiteral("path data starts with a move (M)"));
                command = c;
                ++i_;
            } else if (command.isNull() || command == QLatin1Char('Z') || command == QLatin1Char('z')) {
                return fail(error, QStringLiteral("a command letter was expected"));
            } else if (command == QLatin1Char('M')) {
                command = QLatin1Char('L'); // pairs after a move are lines
            } else if (command == QLatin1Char('m')) {
                command = QLatin1Char('l');
            }
            if (!step(command, &path))
                return fail(error, fault_);
            skip_blanks();
        }
        *out = path;
        return true;
    }

private:
    bool fail(QString* error, const QString& what)
    {
        if (error)
            *error = QStringLiteral("path data, character %1: %2").arg(i_ + 1).arg(what);
        return false;
    }

    void skip_blanks()
    {
        while (i_ < s_.size() && (s_.at(i_).isSpace() || s_.at(i_) == QLatin1Char(',')))
            ++i_;
    }

    bool number(double* v)
    {
        skip_blanks();
        const int start = i_;
        if (i_ < s_.size() && (s_.at(i_) == QLatin1Char('+') || s_.at(i_) == QLatin1Char('-')))
            ++i_;
        bool digits = false, dot = false;
        while (i_ < s_.size()) {
            const QChar c = s_.at(i_);
            if (c.isDigit()) {
                digits = true;
            } else if (c == QLatin1Char('.') && !dot) {
                dot = true;
            } else {
                break;
            }
            ++i_;
        }
        if (digits && i_ < s_.size() && (s_.at(i_) == QLatin1Char('e') || s_.at(i_) == QLatin1Char('E'))) {
            int j = i_ + 1;
            if (j < s_.size() && (s_.at(j) == QLatin1Char('+') || s_.at(j) == QLatin1Char('-')))
                ++j;
            if (j < s_.size() && s_.at(j).isDigit()) {
                i_ = j;
                while (i_ < s_.size() && s_.at(i_).isDigit())
                    ++i_;
            }
        }
        bool ok = false;
        *v = digits ? s_.mid(start, i_ - start).toDouble(&ok) : 0;
        if (!ok || !std::isfinite(*v)) {
            i_ = start;
            fault_ = QStringLiteral("a number was expected");
            return false;
        }
        return true;
    }

    // An arc flag: one digit 0 or 1, which may touch what follows.
    bool flag(bool* v)
    {
        skip_blanks();
        if (i_ < s_.size() && (s_.at(i_) == QLatin1Char('0') || s_.at(i_) == QLatin1Char('1'))) {
            *v = s_.at(i_) == QLatin1Char('1');
            ++i_;
            return true;
        }
        fault_ = QStringLiteral("an arc flag (0 or 1) was expected");
        return false;
    }

    bool point(bool relative, QPointF* p)
    {
        double x = 0, y = 0;
        if (!number(&x) || !number(&y))
            return false;
        *p = relative ? current_ + QPointF(x, y) : QPointF(x, y);
        return true;
    }

    bool step(QChar command, QPainterPath* path)
    {
        const bool rel = command.isLower();
        // S and T reflect the control point of the curve before only.
        const QChar before = previous_;
        previous_ = command.toUpper();
        switch (command.toUpper().unicode()) {
        case 'M': {
            QPointF p;
            if (!point(rel, &p))
                return false;
            path->moveTo(p);
            current_ = start_ = lastControl_ = p;
            return true;
        }
        case 'L': {
            QPointF p;
            if (!point(rel, &p))
                return false;
            path->lineTo(p);
            current_ = lastControl_ = p;
            return true;
        }
        case 'H':
        case 'V': {
            double v = 0;
            if (!number(&v))
                return false;
            QPointF p = current_;
            if (command.toUpper() == QLatin1Char('H'))
                p.setX(rel ? p.x() + v : v);
            else
                p.setY(rel ? p.y() + v : v);
            path->lineTo(p);
            current_ = lastControl_ = p;
            return true;
        }
        case 'C':
        case 'S': {
            QPointF c1, c2, p;
            if (command.toUpper() == QLatin1Char('C')) {
                if (!point(rel, &c1))
                    return false;
            } else {
                c1 = before == QLatin1Char('C') || before == QLatin1Char('S') ? 2 * current_ - lastControl_ : current_;
            }
            if (!point(rel, &c2) || !point(rel, &p))
                return false;
            path->cubicTo(c1, c2, p);
            lastControl_ = c2;
            current_ = p;
            return true;
        }
        case 'Q':
        case 'T': {
            QPointF c, p;
            if (command.toUpper() == QLatin1Char('Q')) {
                if (!point(rel, &c))
                    return false;
            } else {
                c = before == QLatin1Char('Q') || before == QLatin1Char('T') ? 2 * current_ - lastControl_ : current_;
            }
            if (!point(rel, &p))
                return false;
            path->quadTo(c, p);
            lastControl_ = c;
            current_ = p;
            return true;
        }
        case 'A': {
            double rx = 0, ry = 0, angle = 0;
            bool large = false, sweep = false;
            QPointF p;
            if (!number(&rx) || !number(&ry) || !number(&angle) || !flag(&large) || !flag(&sweep) || !point(rel, &p))
                return false;
            arc(path, rx, ry, angle, large, sweep, p);
            current_ = lastControl_ = p;
            return true;
        }
        case 'Z':
            path->closeSubpath();
            current_ = lastControl_ = start_;
            return true;
        default:
            fault_ = QStringLiteral("\"%1\" is no path command").arg(command);
            return false;
        }
    }

    // The arc from the current point to p, as the SVG specification's
    // endpoint parameterisation gives it, drawn as cubic curves of at most a
    // quarter turn each.
    void arc(QPainterPath* path, double rx, double ry, double angleDegrees, bool large, bool sweep, const QPointF& p)
    {
        const QPointF p0 = current_;
        if (p0 == p)
            return;
        rx = std::fabs(rx);
        ry = std::fabs(ry);
        if (rx == 0 || ry == 0) {
            path->lineTo(p);
            return;
        }
        const double phi = qDegreesToRadians(angleDegrees);
        const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
        const double dx = (p0.x() - p.x()) / 2, dy = (p0.y() - p.y()) / 2;
        const double x1 = cosPhi * dx + sinPhi * dy, y1 = -sinPhi * dx + cosPhi * dy;
        const double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
        if (lambda > 1) {
            rx *= std::sqrt(lambda);
            ry *= std::sqrt(lambda);
        }
        const double num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
        const double den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
        double factor = den == 0 ? 0 : std::sqrt(qMax(0.0, num / den));
        if (large == sweep)
            factor = -factor;
        const double cx1 = factor * rx * y1 / ry, cy1 = -factor * ry * x1 / rx;
        const double cx = cosPhi * cx1 - sinPhi * cy1 + (p0.x() + p.x()) / 2;
        const double cy = sinPhi * cx1 + cosPhi * cy1 + (p0.y() + p.y()) / 2;
        const auto angle_of = [](double ux, double uy, double vx, double vy) {
            return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
        };
        const double theta = angle_of(1, 0, (x1 - cx1) / rx, (y1 - cy1) / ry);
        double delta = angle_of((x1 - cx1) / rx, (y1 - cy1) / ry, (-x1 - cx1) / rx, (-y1 - cy1) / ry);
        if (!sweep && delta > 0)
            delta -= 2 * M_PI;
        else if (sweep && delta < 0)
            delta += 2 * M_PI;
        const int segments = int(std::ceil(std::fabs(delta) / (M_PI / 2) - 1e-9));
        const double step = delta / qMax(1, segments);
        const double k = 4.0 / 3.0 * std::tan(step / 4);
        const auto on = [&](double t, double ox, double oy) {
            const double x = rx * (std::cos(t) + ox), y = ry * (std::sin(t) + oy);
            return QPointF(cosPhi * x - sinPhi * y + cx, sinPhi * x + cosPhi * y + cy);
        };
        double t = theta;
        for (int n = 0; n < segments; ++n) {
            const double t2 = t + step;
            const QPointF c1 = on(t, -k * std::sin(t), k * std::cos(t));
            const QPointF c2 = on(t2, k * std::sin(t2), -k * std::cos(t2));
            path->cubicTo(c1, c2, n == segments - 1 ? p : on(t2, 0, 0));
            t = t2;
        }
    }

    const QString& s_;
    int i_ = 0;
    QPointF current_, start_, lastControl_;
    QChar previous_;
    QString fault_;
};

} // namespace

bool parse_svg_path(const QString& data, QPainterPath* path, QString* error)
{
    path_reader reader(data);
    return reader.read(path, error);
}

QString first_svg_path_data(const QByteArray& svg, QString* error)
{
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("path")) {
            const QString d = xml.attributes().value(QLatin1String("d")).toString();
            if (!d.trimmed().isEmpty())
                return d;
        }
    }
    if (error)
        *error = xml.hasError() ? QStringLiteral("not an SVG file: %1").arg(xml.errorString())
                                : QStringLiteral("the SVG file holds no path");
    return QString();
}
