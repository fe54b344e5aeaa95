#ifndef QB_UI_PANEL_GEOMETRY_H
#define QB_UI_PANEL_GEOMETRY_H
#include <QtCore/QList>
#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtCore/QSize>

// The panel's rectangle from a stored position and size: each side at least
// 150; kept where it is when one screen's available area holds it whole,
// otherwise recentred, at its size, on the primary screen.
QRect panel_geometry(QPoint const& position, QSize const& size, QList<QRect> const& screens, int primary);
#endif
