#ifndef QB_WINDOW_RIG_UPDATE_BAR_H
#define QB_WINDOW_RIG_UPDATE_BAR_H
#include <QtWidgets/QFrame>

class QLabel;
class QPushButton;

// The strip over the tabs offering a newer picker of the rig to a tab made
// from an older one: "Use the rig's new picker" or "Keep mine".
class rig_update_bar : public QFrame
{
    Q_OBJECT
public:
    explicit rig_update_bar(QWidget* parent);
    // Shown for a picker name and the versions (the tab's, the rig's).
    void offer(const QString& picker, int mine, int rigs);

    QPushButton* use_button() const { return use_; }
    QPushButton* keep_button() const { return keep_; }

signals:
    void use_rig();
    void keep_mine();

private:
    QLabel* text_;
    QPushButton* use_;
    QPushButton* keep_;
};
#endif
