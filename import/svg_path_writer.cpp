#include "import/svg_path_writer.h"

namespace {

// Three decimals: far below a pixel, and the text stays short.
QString number(double v)
{
    QString s = QString::number(v, 'f', 3);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

} // namespace

void svg_path_writer::add(QChar command, std::initializer_list<QPointF> points)
{
    if (!text_.isEmpty())
        text_ += QLatin1Char(' ');
    text_ += command;
    for (const QPointF& p : points)
        text_ += QLatin1Char(' ') + number(p.x()) + QLatin1Char(' ') + number(p.y());
    ++segments_;
}

void svg_path_writer::moveTo(const QPointF& p)
{
    add(QLatin1Char('M'), {p});
    path_.moveTo(p);
}

void svg_path_writer::lineTo(const QPointF& p)
{
    add(QLatin1Char('L'), {p});
    path_.lineTo(p);
}

void svg_path_writer::cubicTo(const QPointF& c1, const QPointF& c2, const QPointF& end)
{
    add(QLatin1Char('C'), {c1, c2, end});
    path_.cubicTo(c1, c2, end);
}

void svg_path_writer::close()
{
    add(QLatin1Char('Z'), {});
    path_.closeSubpath();
}
