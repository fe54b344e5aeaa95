#ifndef QB_EDIT_PICKER_EDITCMDDIALOG_H
#define QB_EDIT_PICKER_EDITCMDDIALOG_H
#include <QtWidgets/QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
struct buttonAttributes;

// The command editor: a command button's name, script language and script,
// with Test to run the script at once.
class picker_editCmdDialog : public QDialog
{
    Q_OBJECT
public:
    // The parent is the canvas of the edited button.
    picker_editCmdDialog(QWidget* parent, buttonAttributes* attributes);

    // Writes the dialog's values into the edited attributes.
    void update_button();

    // Runs the editor modally, at its stored place and size, for the
    // attributes; true (with the attributes written) when accepted. False
    // too when a host callback destroyed the canvas while it was open.
    static bool do_dialog(QWidget* parent, buttonAttributes* attributes);

public slots:
    void test();

private:
    buttonAttributes* attributes_;
    QLineEdit* nameEdit_ = nullptr;
    QPlainTextEdit* commandEdit_ = nullptr;
    QRadioButton* melOption_ = nullptr;
    QRadioButton* pythonOption_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* testButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
#endif
