#ifndef QB_MODEL_BUTTONATTRIBUTES_H
#define QB_MODEL_BUTTONATTRIBUTES_H
#include "model/button_control.h"
#include "model/button_shape.h"
#include <QtCore/QPoint>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtGui/QRgb>

// Button kinds and script languages as stored.
enum button_kind : qint32 { kSelectionButton = 0, kCommandButton = 1 };
enum script_language : qint32 { kMelScript = 0, kPythonScript = 1 };

// What a new button is when nothing says otherwise.
constexpr QRgb kDefaultButtonColor = 0x00B22222u;
constexpr qint32 kDefaultButtonSize = 10;

// The persistent attributes of one button: what is saved, copied to the
// clipboard and carried by undo commands.
struct buttonAttributes {
    QPoint position;          // centre, picker units
    qint32 size = kDefaultButtonSize; // side of the square; minimum box of a label
    qint32 kind = kSelectionButton;
    qint32 language = kMelScript;
    QRgb color = kDefaultButtonColor; // top byte ignored when painting
    QRgb labelColor = 0x00000000u;
    QString label;
    QStringList nodes;        // node names; for a command button [0] is the script
    // Kept where earlier versions of the layouts do not look (the extension
    // block): a picker that uses none of them writes today's bytes.
    button_shape shape;       // the default: today's square and looks
    QString image;            // a picture of the picker, by name; empty for none
    bool frame = true;        // false: no fill, no outline, the label alone
    button_control control;   // none: a plain button

    // True when the button uses what only the extension block holds.
    bool has_extras() const { return !shape.isDefault() || !image.isEmpty() || !frame || control.isActive(); }

    ~buttonAttributes();
};

inline bool operator==(const buttonAttributes& a, const buttonAttributes& b)
{
    return a.position == b.position && a.size == b.size && a.kind == b.kind
           && a.language == b.language && a.color == b.color && a.labelColor == b.labelColor
           && a.label == b.label && a.nodes == b.nodes && a.shape == b.shape && a.image == b.image
           && a.frame == b.frame && a.control == b.control;
}
inline bool operator!=(const buttonAttributes& a, const buttonAttributes& b) { return !(a == b); }
#endif
