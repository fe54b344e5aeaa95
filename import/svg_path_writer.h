#ifndef QB_IMPORT_SVG_PATH_WRITER_H
#define QB_IMPORT_SVG_PATH_WRITER_H
// Builds a vector outline as SVG path data (absolute M, L, C and Z) and keeps
// its exact bounds, so that both readers hand paths over the same way.
#include <QtCore/QPointF>
#include <QtCore/QString>
#include <QtGui/QPainterPath>

class svg_path_writer
{
public:
    void moveTo(const QPointF& p);
    void lineTo(const QPointF& p);
    void cubicTo(const QPointF& c1, const QPointF& c2, const QPointF& end);
    void close();

    int segments() const { return segments_; }
    QString text() const { return text_; }
    const QPainterPath& outline() const { return path_; }

private:
    void add(QChar command, std::initializer_list<QPointF> points);

    QString text_;
    QPainterPath path_;
    int segments_ = 0;
};
#endif
