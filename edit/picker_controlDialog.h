#ifndef QB_EDIT_PICKER_CONTROLDIALOG_H
#define QB_EDIT_PICKER_CONTROLDIALOG_H
#include "model/buttonAttributes.h"
#include <QtWidgets/QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The control editor: which of the first node's keyable attributes a
// slider, pad or toggle sets, its orientation, range and length. The range
// follows the attribute's own when it has one.
class picker_controlDialog : public QDialog
{
    Q_OBJECT
public:
    // attributes: the control's button; its control kind is set.
    picker_controlDialog(QWidget* parent, buttonAttributes* attributes);

    // Runs the editor modally; true (with the attributes written) when
    // accepted. False too when a host callback destroyed the parent
    // while it was open.
    static bool do_dialog(QWidget* parent, buttonAttributes* attributes);

    void update_button();

private:
    void attribute_chosen(int axis);

    buttonAttributes* attributes_;
    QComboBox* attribute_[2] = {nullptr, nullptr};
    QDoubleSpinBox* min_[2] = {nullptr, nullptr};
    QDoubleSpinBox* max_[2] = {nullptr, nullptr};
    QComboBox* orientation_ = nullptr;
    QSpinBox* length_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
#endif
