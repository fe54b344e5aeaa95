#ifndef QB_MODEL_BUTTONRECORD_H
#define QB_MODEL_BUTTONRECORD_H
#include "model/buttonAttributes.h"
#include "model/node_names.h"
#include <QtCore/QRect>
#include <QtCore/QVector>
#include <QtGui/QPainterPath>
#include <QtGui/QPixmap>

// A button's selection state: none, all or some of its nodes selected.
enum selection_state : qint16 { kUnselected = 0, kSelected = 1, kPartlySelected = 2 };

// The canvas's run-time record of one button.
struct buttonRecord : buttonAttributes {
    QRect rect;              // picker units, derived
    QPixmap labelPicture;    // null without a label
    qint16 state = kUnselected; // a selection_state
    QVector<char> flags;     // one per node: 1 when selected in the host
    // A shape other than the default: its outline about the position, and
    // a key that tells outlines apart (painting keeps sprites by it).
    QPainterPath outline;
    quint64 shapeKey = 0;
    // What the node names stand for, one per name (see node_names): the
    // host's name of each node, and whether the name found one, none or
    // several. Brought up to date by resolve() when the names or the
    // scene changed; a command button's script is never resolved.
    mutable QStringList hostNames;
    mutable QVector<char> health;
    mutable QStringList resolvedFor;
    mutable quint64 resolvedAt = 0;

    // Positions on the canvas stay within this distance of the origin, so
    // that screen mapping, framing and dragging never overflow. Files and
    // the clipboard may claim any 32-bit position; no real picker comes
    // near this.
    static constexpr int kCoordinateLimit = 1 << 24;

    buttonRecord() = default;
    // State 0, flags clear, no label picture, the square rectangle; the
    // position brought within the coordinate limit.
    explicit buttonRecord(const buttonAttributes& attributes);
    buttonRecord(const buttonRecord& other);
    buttonRecord& operator=(const buttonRecord& other) = default;

    // The square of side size centred on centre, the extra pixel of an even
    // size right and below.
    static QRect squareRect(const QPoint& centre, int size);

    // Sets the position (within the coordinate limit) and recentres the
    // rectangle, keeping its size.
    void moveTo(const QPoint& point);
    // A shape other than the default gives the box its bounds; the default
    // keeps the square or label box it has.
    void fit_shape();
    // True when a picker point (fractional: a canvas pixel's centre) lies
    // on the button: its outline, or its box for the default square.
    bool contains(const QPointF& pickerPoint) const;

    // Mark this button selected (or not), keeping the window selection list
    // in step unless flagsOnly. True when a node flag changed.
    bool select(bool flagsOnly);
    bool unselect(bool flagsOnly);

    // Resolves the node names unless already done for these names in this
    // state of the scene.
    void resolve() const;
    // The names that resolve to no node (missing) or several (ambiguous).
    QStringList names_with(node_health health) const;
    // Some name is missing or ambiguous; every name is missing.
    bool broken() const;
    bool all_missing() const;

    const buttonAttributes& attributes() const { return *this; }
};
#endif
