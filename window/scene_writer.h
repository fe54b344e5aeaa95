#ifndef QB_WINDOW_SCENE_WRITER_H
#define QB_WINDOW_SCENE_WRITER_H
// Coalesces the window's writes of the scene's picker data. Every change
// asks for a write; the write itself runs once, when control is back in the
// event loop, which is before the host's idle queue runs. A paste, an undo
// macro or a load of several files thus queues one text holding them all.
#include <QtCore/QObject>

class picker_window;

class scene_writer : public QObject
{
    Q_OBJECT
public:
    explicit scene_writer(picker_window* window);

    // Asks for a write at the end of the current event.
    void request();
    // Forgets a write asked for and not yet made: the scene it was for is
    // gone, or already holds what the window shows.
    void cancel() { pending_ = false; }
    bool pending() const { return pending_; }
    // Makes a write asked for, now.
    void flush();

private:
    void run_posted();

    picker_window* window_;
    bool pending_ = false;
    bool posted_ = false;
};
#endif
