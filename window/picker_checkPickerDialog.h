#ifndef QB_WINDOW_PICKER_CHECKPICKERDIALOG_H
#define QB_WINDOW_PICKER_CHECKPICKERDIALOG_H
// Picker > Check Picker...: the current tab's selection buttons whose names
// name no node or more than one, with a way to select those buttons.
#include "model/broken_buttons.h"

#include <QtCore/QVector>
#include <QtWidgets/QDialog>

class QListWidget;
class picker_view;

class picker_checkPickerDialog : public QDialog
{
    Q_OBJECT
public:
    picker_checkPickerDialog(QWidget* parent, const QList<broken_button>& broken);

    // The buttons the user chose to select (the rows picked, or all).
    QVector<int> chosen() const;

    // Runs the dialog over the canvas's buttons; the chosen buttons become
    // the selected ones when the canvas and its buttons outlive the loop.
    static void do_dialog(picker_view* view);

private:
    QList<broken_button> broken_;
    QListWidget* list_ = nullptr;
};
#endif
