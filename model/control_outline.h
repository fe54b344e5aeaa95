#ifndef QB_MODEL_CONTROL_OUTLINE_H
#define QB_MODEL_CONTROL_OUTLINE_H
// Buttons drawn as the rig's controls look from a view: each control's
// curves (points along them in world space, as the host gives them)
// projected on the view's plane, the whole arrangement scaled to fit an
// area of the picker, each control's outline its button's shape.
#include "model/buttonAttributes.h"
#include "model/button_defaults.h"
#include <QtCore/QList>
#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>
#include <QtGui/QVector3D>

// The host's front, side and top cameras: front looks down -Z, side down
// -X from +X, top down -Y; the picker's y grows downwards.
enum class control_view { Front, Side, Top };

// A control and its curves, each a run of world-space points.
struct control_curves {
    QString name;
    QList<QVector<QVector3D>> curves;
};

struct control_buttons {
    QList<buttonAttributes> buttons;
    // Controls seen edge-on from the view (made as plain squares), and
    // controls with no curve (no button made).
    QStringList edgeOn;
    QStringList withoutCurves;
};

// The point on the view's plane, picker orientation (x right, y down).
QPointF project(const QVector3D& p, control_view view);

// One selection button per control with curves, holding its name; the
// arrangement's bounds fitted inside area (picker units) and centred on it.
control_buttons buttons_from_controls(const QList<control_curves>& controls, control_view view, const QRect& area,
                                      const button_defaults& defaults);

// What the user is told of the controls that gave no shaped button, from
// the view's name ("front"); empty when every control gave one.
QString control_buttons_report(const control_buttons& made, control_view view);
#endif
