#ifndef QB_UI_NESTED_LOOP_H
#define QB_UI_NESTED_LOOP_H
// Marks a nested event loop (a modal dialog, a menu, a popup) for as long as
// it runs. While one is open a host callback may destroy the window and
// even unload the plug-in: the module must then stay mapped until the code
// that opened the loop has returned through it. Every loop also names its
// kind, so that the test suite can tell which loops it has swept.
#include <QtCore/QString>
#include <QtCore/QStringList>

class nested_loop
{
public:
    explicit nested_loop(const QString& kind);
    ~nested_loop();
    nested_loop(const nested_loop&) = delete;
    nested_loop& operator=(const nested_loop&) = delete;

    // A popup shown without a loop of its own (a palette, a menu bar menu):
    // nothing of ours waits under it, it is only named for the sweep.
    static void shown(const QString& kind);

    // Loops open right now (nested loops may nest further).
    static int open_count();
    // Every kind opened in this process, in order of first opening.
    static QStringList kinds_opened();
};
#endif
