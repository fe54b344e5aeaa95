#ifndef QB_CANVAS_BUTTON_PAINTER_H
#define QB_CANVAS_BUTTON_PAINTER_H
// Draws buttons through a view: both kinds in their three selection looks
// and their label pictures. Widget-free, so that the file renderer paints
// exactly what the canvas shows.
#include "canvas/view_transform.h"
#include "model/buttonRecord.h"
#include <QtCore/QList>

class QPainter;

class button_painter
{
public:
    button_painter(QPainter& painter, const view_transform& view) : painter_(painter), view_(view) {}

    // Every button whose picker rectangle meets the canvas area, in list
    // order, so later buttons lie over earlier ones.
    void draw_buttons(const QList<buttonRecord>& buttons, const QRect& area);
    void draw_one_button(const buttonRecord& button);
    void draw_command_button(const buttonRecord& button);
    void draw_label(const buttonRecord& button, const QPointF& centre);

    // A button's box on the canvas, computed in single precision.
    static QRectF canvas_rect(const buttonRecord& button, const view_transform& view);

private:
    QPainter& painter_;
    const view_transform& view_;
};
#endif
