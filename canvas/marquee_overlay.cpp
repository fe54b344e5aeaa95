#include "canvas/marquee_overlay.h"
#include <QtGui/QPainter>
#include <cstdlib>

void marquee_overlay::reset()
{
    anchor_ = QPoint();
    corner_ = QPoint();
}

bool marquee_overlay::isEmpty() const
{
    return anchor_.isNull() && corner_.isNull();
}

QRect marquee_overlay::bounds() const
{
    return QRect(qMin(anchor_.x(), corner_.x()), qMin(anchor_.y(), corner_.y()),
                 std::abs(corner_.x() - anchor_.x()), std::abs(corner_.y() - anchor_.y()));
}

void marquee_overlay::draw(QPainter& painter)
{
    if (anchor_ == corner_)
        return;
    const QRect r = bounds();
    if (r.isEmpty())
        return;
    painter.setOpacity(0.2);
    painter.setPen(Qt::NoPen);
    painter.fillRect(r, Qt::white);
    painter.setPen(QPen(Qt::white));
    painter.setBrush(Qt::NoBrush);
    painter.setOpacity(1.0);
    painter.drawRect(r);
    painter.setPen(Qt::NoPen);
}
