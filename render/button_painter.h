#ifndef QB_RENDER_BUTTON_PAINTER_H
#define QB_RENDER_BUTTON_PAINTER_H
// Draws buttons through a view: both kinds in their three selection looks,
// their shapes, pictures and labels. Widget-free, so that the file renderer
// paints exactly what the canvas shows.
#include "render/control_painter.h"
#include "render/view_transform.h"
#include "model/buttonRecord.h"
#include "model/picker_extensions.h"
#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtGui/QColor>
#include <QtCore/QPair>
#include <QtGui/QImage>
#include <QtGui/QPixmap>
#include <QtGui/QPolygonF>

class QPainter;

class button_painter
{
public:
    // Small button bodies (shape, fill and outline, without the label) drawn
    // once into an image and then copied: the antialiased fill of a tiny
    // shape costs many times the copy. A look is rendered the second time it
    // is met at one zoom, so looks met once cost nothing extra. A canvas
    // keeps one across paints; it empties itself when the zoom changes or it
    // grows too large.
    class sprite_cache
    {
    public:
        void clear();
        int sprites() const { return sprites_; }

    private:
        friend class button_painter;
        struct look {
            int kind;
            int width;
            int height;
            QRgb fill;
            QRgb outline;
            bool gradient;
            bool operator==(const look& o) const
            {
                return kind == o.kind && width == o.width && height == o.height && fill == o.fill
                       && outline == o.outline && gradient == o.gradient;
            }
        };
        friend size_t qHash(const look& l, size_t seed = 0)
        {
            return ::qHash(quint64(l.kind) << 60 ^ quint64(l.width) << 40 ^ quint64(l.height) << 20 ^ l.gradient, seed)
                   ^ ::qHash(quint64(l.fill) << 32 | l.outline, seed);
        }
        struct entry {
            int seen = 0;
            QImage image;
        };
        // A shaped body: outline, size on the device, colours, picture.
        struct shaped_look {
            quint64 shape;
            int width;
            int height;
            QRgb fill;
            QRgb outline;
            QRgb tint;
            QString picture;
            bool operator==(const shaped_look& o) const
            {
                return shape == o.shape && width == o.width && height == o.height && fill == o.fill
                       && outline == o.outline && tint == o.tint && picture == o.picture;
            }
        };
        friend size_t qHash(const shaped_look& l, size_t seed = 0)
        {
            return ::qHash(l.shape ^ (quint64(l.width) << 40) ^ (quint64(l.height) << 20), seed)
                   ^ ::qHash(quint64(l.fill) << 32 | l.outline, seed) ^ ::qHash(l.tint, seed) ^ ::qHash(l.picture, seed);
        }
        // A label drawn for one scale step.
        struct label_key {
            QString text;
            QRgb color;
            int step;
            bool operator==(const label_key& o) const { return step == o.step && color == o.color && text == o.text; }
        };
        friend size_t qHash(const label_key& k, size_t seed = 0)
        {
            return ::qHash(k.text, seed) ^ ::qHash(quint64(k.color) << 8 | quint64(quint32(k.step)), seed);
        }
        void prepare(double zoom, qreal pixelRatio);

        QHash<look, entry> entries_;
        QHash<shaped_look, entry> shaped_;
        // Labels by text, colour and scale step: kept across zooms, so that
        // an animation renders each label once per step, not per frame.
        QHash<label_key, QImage> labels_;
        qint64 labelBytes_ = 0;
        double zoom_ = 0.0;
        qreal pixelRatio_ = 1.0;
        qint64 bytes_ = 0;
        int sprites_ = 0;
    };

    // pictures: those the buttons show (none when null).
    button_painter(QPainter& painter, const view_transform& view, sprite_cache* sprites = nullptr,
                   const picker_pictures* pictures = nullptr)
        : painter_(painter), view_(view), sprites_(sprites), pictures_(pictures)
    {
    }

    // Every button whose picker rectangle meets the canvas area, in list
    // order, so later buttons lie over earlier ones.
    void draw_buttons(const QList<buttonRecord>& buttons, const QRect& area);
    // What the controls show; without, each shows 0 (kept within its range).
    void set_control_readings(const control_readings* readings) { readings_ = readings; }
    void draw_control(const buttonRecord& button, const control_reading& reading);
    void draw_one_button(const buttonRecord& button);
    // A selection button some of whose names are missing or ambiguous: a
    // dashed outline; with all its nodes missing, its colour washed out.
    void draw_broken_mark(const buttonRecord& button);
    void draw_command_button(const buttonRecord& button);
    // A shape, a picture or no frame: the outline filled and drawn.
    void draw_shaped_button(const buttonRecord& button);
    void draw_label(const buttonRecord& button, const QPointF& centre);

    // The scale step labels are drawn for at a scale (zoom times the
    // device's pixel ratio): quarter octaves, so a label is drawn again
    // only when the scale changes by a fifth or more.
    static int label_step(double scale);
    static double step_scale(int step);

    // A button's box on the canvas, computed in single precision.
    static QRectF canvas_rect(const buttonRecord& button, const view_transform& view);

private:
    enum shape_kind { kEllipse, kSelectionRounded, kCommandRounded };
    // What a button's body looks like, label aside.
    struct body {
        shape_kind kind;
        QColor fill;
        bool gradient; // the command button's vertical four-stop gradient
        bool outlined;
        QColor outline;
    };
    void draw_body(const body& b, const QRectF& r);
    void paint_body(QPainter& painter, const body& b, const QRectF& r);
    void paint_shape(QPainter& painter, shape_kind kind, const QRectF& r);
    // A shaped body into painter, its box's corner at origin.
    void paint_shaped(QPainter& painter, const buttonRecord& button, const sprite_cache::shaped_look& look,
                      const QPointF& origin) const;
    // The label drawn for the scale it is shown at; null when too small.
    QImage scaled_label(const buttonRecord& button, double scale);
    qreal pixel_ratio() const;

    QPainter& painter_;
    const view_transform& view_;
    sprite_cache* sprites_;
    const picker_pictures* pictures_;
    const control_readings* readings_ = nullptr;
    // Outlines of small shapes by kind and size, made once per paint.
    QHash<quint64, QPolygonF> shapes_;
    double labelScale_ = -1;
    int labelStep_ = 0;
};
#endif
