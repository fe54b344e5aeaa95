#include "canvas/overlay_list.h"
#include "canvas/banner_overlay.h"
#include "canvas/marquee_overlay.h"

overlay_list::overlay_list(picker_view* view)
{
    overlays_.append(new marquee_overlay);
    overlays_.append(new banner_overlay(view));
}

overlay_list::~overlay_list()
{
    qDeleteAll(overlays_);
}

void overlay_list::draw(QPainter& painter)
{
    for (picker_overlay* o : overlays_)
        if (o)
            o->draw(painter);
}

picker_overlay* overlay_list::get(int index) const
{
    if (index < 0 || index >= overlays_.size())
        return nullptr;
    return overlays_[index];
}
