#ifndef QB_CANVAS_OVERLAY_LIST_H
#define QB_CANVAS_OVERLAY_LIST_H
#include <QtCore/QVector>

class QPainter;
class picker_overlay;
class picker_view;

// A canvas's overlays, drawn in index order: the marquee (0), then the link
// banner (1), which so lies over everything.
class overlay_list
{
public:
    enum { kMarquee = 0, kBanner = 1 };

    explicit overlay_list(picker_view* view);
    ~overlay_list();
    overlay_list(const overlay_list&) = delete;
    overlay_list& operator=(const overlay_list&) = delete;

    void draw(QPainter& painter);
    // Null when index is out of range.
    picker_overlay* get(int index) const;

private:
    QVector<picker_overlay*> overlays_;
};
#endif
