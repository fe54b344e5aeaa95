#ifndef QB_MODEL_WINDOW_SELECTION_H
#define QB_MODEL_WINDOW_SELECTION_H
#include <QtCore/QString>
#include <QtCore/QStringList>

// The one process-wide list of node names that the pickers consider
// selected: the host selection as last reported, as changed since by clicks.
// The window reaches it as picker_window::selection_.
class window_selection
{
public:
    static QStringList& names();
    // Appends name unless present; true when added.
    static bool add(const QString& name);
    // Removes the first equal entry; true when one was removed.
    static bool remove(const QString& name);
};
#endif
