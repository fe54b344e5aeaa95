#ifndef QB_MODEL_BUTTON_DEFAULTS_H
#define QB_MODEL_BUTTON_DEFAULTS_H
#include "model/buttonAttributes.h"
#include <QtCore/QString>
#include <QtGui/QRgb>

// The values new buttons take: the window's toolbox holds them, the canvas
// makes buttons with them.
struct button_defaults {
    QRgb color = kDefaultButtonColor;
    QRgb labelColor = 0x000000;
    QString label;
    int size = kDefaultButtonSize;
};
#endif
