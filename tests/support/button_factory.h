#ifndef QB_TESTS_BUTTON_FACTORY_H
#define QB_TESTS_BUTTON_FACTORY_H
// Button attributes with every field given, for tests.
#include "model/buttonAttributes.h"

inline buttonAttributes make_attributes(QPoint position, int size, int kind, int language, QRgb color,
                                        QRgb labelColor, QString label, QStringList nodes)
{
    buttonAttributes b;
    b.position = position;
    b.size = size;
    b.kind = kind;
    b.language = language;
    b.color = color;
    b.labelColor = labelColor;
    b.label = label;
    b.nodes = nodes;
    return b;
}
#endif
