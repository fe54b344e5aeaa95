#include "window/toolbox_widgets.h"
#include <QtGui/QPixmap>
#include <QtWidgets/QLayout>
#include <QtWidgets/QWidget>

QIcon make_icon(QRgb color)
{
    QPixmap square(12, 12);
    square.fill(QColor(qRed(color), qGreen(color), qBlue(color)));
    return QIcon(square);
}

void clear_layout(QLayout* layout)
{
    if (!layout)
        return;
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QLayout* inner = item->layout())
            clear_layout(inner);
        if (QWidget* widget = item->widget()) {
            layout->removeWidget(widget);
            delete widget;
        }
        delete item;
    }
}
