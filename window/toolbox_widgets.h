#ifndef QB_WINDOW_TOOLBOX_WIDGETS_H
#define QB_WINDOW_TOOLBOX_WIDGETS_H
// Small helpers of the window's toolbox row.
#include <QtGui/QIcon>
#include <QtGui/QRgb>

class QLayout;

// A 12 x 12 square of the colour, opaque whatever the colour's alpha.
QIcon make_icon(QRgb color);
// Empties a layout, nested layouts included, destroying its widgets.
void clear_layout(QLayout* layout);
#endif
