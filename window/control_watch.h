#ifndef QB_WINDOW_CONTROL_WATCH_H
#define QB_WINDOW_CONTROL_WATCH_H
// Keeps the host watching exactly the nodes of the controls on the open
// tabs, and hands each value the host reports to every canvas.
#include <QtCore/QObject>

class QTabWidget;
class picker_view;

class control_watch : public QObject
{
    Q_OBJECT
public:
    control_watch(QTabWidget* tabs, QObject* parent);
    ~control_watch() override;

    // A canvas added: its edits change what is watched.
    void follow(picker_view* view);
    // Watches the nodes of the controls of every tab now open.
    void refresh();

private:
    void tell(const QString& node, const QString& attribute, double value, bool reread);

    QTabWidget* tabs_;
    bool closing_ = false;
};
#endif
