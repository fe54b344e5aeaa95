#include "window/scene_writer.h"
#include "window/picker_window.h"

scene_writer::scene_writer(picker_window* window) : QObject(window), window_(window) {}

void scene_writer::request()
{
    pending_ = true;
    if (posted_)
        return;
    posted_ = true;
    // Posted, not timed: posted events are delivered before the event loop
    // counts as idle, and so before the host runs its idle queue.
    QMetaObject::invokeMethod(this, &scene_writer::run_posted, Qt::QueuedConnection);
}

void scene_writer::run_posted()
{
    posted_ = false;
    flush();
}

void scene_writer::flush()
{
    if (!pending_)
        return;
    pending_ = false;
    window_->store_scene_data();
}
