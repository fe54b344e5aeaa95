#include "ui/panel_geometry.h"

QRect panel_geometry(QPoint const& position, QSize const& size, QList<QRect> const& screens, int primary)
{
    QRect r(position, QSize(qMax(size.width(), 150), qMax(size.height(), 150)));
    for (const QRect& area : screens)
        if (area.contains(r, false))
            return r;
    if (primary >= 0 && primary < screens.size())
        r.moveCenter(screens.at(primary).center());
    return r;
}
