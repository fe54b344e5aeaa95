#ifndef QB_WINDOW_PICKER_MIRRORRULESDIALOG_H
#define QB_WINDOW_PICKER_MIRRORRULESDIALOG_H
// The mirror rules of a picker: its pairs of side name parts, its mirror
// axis and the pair of colours that mirroring swaps.
#include "model/mirror_settings.h"
#include <QtWidgets/QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

class picker_mirrorRulesDialog : public QDialog
{
    Q_OBJECT
public:
    picker_mirrorRulesDialog(QWidget* parent, const mirror_settings& settings);

    // The settings shown; rules equal to the defaults are stored as none.
    mirror_settings settings() const;
    // Why the dialog's values cannot be taken; empty when they can.
    QString problem() const;

    // Runs the dialog modally on settings; true with them written when
    // accepted. False too when a host callback destroyed the parent while
    // it was open.
    static bool do_dialog(QWidget* parent, mirror_settings* settings);

private slots:
    void add_rule();
    void remove_rule();
    void default_rules();
    void check();

private:
    void show_rules(const side_pairs& pairs);
    side_pairs rules() const;

    QTableWidget* table_ = nullptr;
    QCheckBox* axisOption_ = nullptr;
    QSpinBox* axis_ = nullptr;
    QCheckBox* colorOption_ = nullptr;
    QLineEdit* leftColor_ = nullptr;
    QLineEdit* rightColor_ = nullptr;
    QLabel* problem_ = nullptr;
    QPushButton* ok_ = nullptr;
};
#endif
