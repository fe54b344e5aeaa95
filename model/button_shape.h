#ifndef QB_MODEL_BUTTON_SHAPE_H
#define QB_MODEL_BUTTON_SHAPE_H
// The outline of a button, in picker units about its position, so that a
// picker looks the same at every zoom. The default is today's square of the
// button's size (and the looks painting gives it); any other shape is drawn,
// hit and framed by its outline, its bounds being the button's box.
#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QVector>
#include <QtGui/QPainterPath>

struct button_shape {
    enum kind_t : quint8 { Rect = 0, Rounded = 1, Ellipse = 2, Polygon = 3, Path = 4 };
    static constexpr int kKinds = 5;

    kind_t kind = Rect;
    // Rect, rounded and ellipse: the box about the position; 0 stands for
    // the button's size (so Rect 0 by 0 is the default square).
    qint32 width = 0;
    qint32 height = 0;
    qint32 radius = 0; // rounded; 0: a quarter of the shorter side
    QVector<QPoint> points; // polygon
    QString path;           // SVG path data

    bool isDefault() const { return kind == Rect && width == 0 && height == 0; }
    bool operator==(const button_shape& o) const
    {
        return kind == o.kind && width == o.width && height == o.height && radius == o.radius
               && points == o.points && path == o.path;
    }
    bool operator!=(const button_shape& o) const { return !(*this == o); }

    // The outline about (0, 0) for a button of that size; empty for the
    // default and for path data that does not parse.
    QPainterPath outline(int size) const;
    // The outline's bounds about (0, 0), in whole picker units; empty for
    // the default.
    QRect bounds(int size) const;
    // The same shape scaled to fit a box of that size about (0, 0), aspect
    // kept (a polygon or path made from a drawing or a control's curve).
    button_shape fitted(int width, int height) const;
    // The mirror image about the vertical line through the position (the
    // other side's button); rect, rounded and ellipse are their own.
    button_shape flipped() const;

    // "rect", "rounded", "ellipse", "polygon", "path"; -1 for another name.
    static const char* kind_name(kind_t kind);
    static int kind_of(const QString& name);

    // Limits a reader holds a shape to.
    static constexpr int kMaxPoints = 4096;
    static constexpr int kMaxPathLength = 65536;
    static constexpr int kMaxExtent = 1 << 20;
};
#endif
