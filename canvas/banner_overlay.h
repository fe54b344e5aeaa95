#ifndef QB_CANVAS_BANNER_OVERLAY_H
#define QB_CANVAS_BANNER_OVERLAY_H
#include "canvas/picker_overlay.h"
#include <QtCore/QList>
#include <QtCore/QRect>
#include <QtCore/QVector>
#include <QtCore/QString>
#include <QtGui/QImage>

class picker_view;

// The strip along the canvas's bottom edge: the logo and four web links.
// Laid out and rendered once per resize, blitted on every paint.
class banner_overlay : public picker_overlay
{
public:
    struct bannerRecord {
        bannerRecord(const char* label, const char* link);
        QString label;
        QString link;
        QRect hit; // canvas coordinates; empty until laid out
    };

    static constexpr int kBandHeight = 22;
    static constexpr int kMinGap = 10;

    explicit banner_overlay(picker_view* view);

    void draw(QPainter& painter) override;
    void resize(int width, int height);
    // True when point lies on a link; the canvas then tracks the press.
    bool click(const QPoint& point) const;

    const QList<bannerRecord>& records() const { return records_; }
    const QRect& area() const { return area_; }
    const QImage& image() const { return image_; }
    int gap() const { return gap_; }

    // Shared by every banner; loaded on the first layout.
    static QImage logo_;

private:
    picker_view* view_;
    QImage image_;
    QList<bannerRecord> records_;
    QRect area_;
    int gap_ = 0;
};
#endif
