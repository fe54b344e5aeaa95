#ifndef QB_SANDBOX_HOST_KEYS_H
#define QB_SANDBOX_HOST_KEYS_H
// Key routing as the host does it: a key pressed while a plug-in's panel
// (a dock the host did not make itself) has focus goes first to the panel's
// own key handling; only a key the panel leaves unhandled reaches the main
// window's menu shortcuts. Without it a floating panel's window shortcuts
// and the main window's clash: a floating dock shares the main window's
// shortcut map and the toolkit drops the key as ambiguous.
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QPointer>

class QAction;
class QDockWidget;
class QKeyEvent;
class QMainWindow;
class QWidget;

class host_keys : public QObject
{
    Q_OBJECT
public:
    // Installs itself on the application. ownDocks are the main window's own
    // docks (outliner, script editor), whose keys stay with the main window.
    host_keys(QMainWindow* mainWindow, const QList<QDockWidget*>& ownDocks);
    ~host_keys() override;

    // The plug-in dock holding widget (itself included), or null when widget
    // is not inside a panel. Stops at widget's window: a dialog opened from
    // the panel is its own window and keeps its keys.
    QDockWidget* panelOf(QWidget* widget) const;
    // Triggers the main window's enabled menu action whose shortcut is the
    // event's key; true when one was triggered.
    bool triggerMenuShortcut(const QKeyEvent* event) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QMainWindow> mainWindow_;
    QList<QPointer<QDockWidget>> ownDocks_;
};
#endif
