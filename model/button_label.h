#ifndef QB_MODEL_BUTTON_LABEL_H
#define QB_MODEL_BUTTON_LABEL_H
// A button's label picture and the box it gives the button. The picture is
// rendered once here and only scaled when painted.
#include "model/buttonRecord.h"
#include <QtGui/QFont>
#include <QtGui/QImage>

class button_label
{
public:
    // "Tahoma" 12 pt, normal weight, without antialiasing (the machine's fallback
    // where Tahoma is missing).
    static QFont font();

    // The label's bounding box from the font metrics, each side made even.
    static QSize pictureSize(const QString& text);

    // The box of a labelled button: at least size in each direction, two
    // pixels wider than the picture, centred on position by the half rule.
    static QRect labelRect(const QPoint& position, int size, const QSize& picture);

    // The label in color on a transparent picture of pictureSize(text), in
    // logical pixels: at a pixel ratio above 1 the picture holds that many
    // device pixels per logical one, drawn from the font at that size.
    static QImage render(const QString& text, QRgb color, qreal pixelRatio = 1.0);

    // Renders attributes' label into record's picture and sets its box.
    static void apply(const buttonAttributes& attributes, buttonRecord* record);
};
#endif
