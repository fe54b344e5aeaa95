#include "edit/picker_editCmdDialog.h"
#include "document/host_port.h"
#include "model/buttonAttributes.h"
#include "ui/panel_geometry.h"
#include "ui/nested_loop.h"

#include <QtCore/QPointer>
#include <QtCore/QSettings>
#include <QtGui/QFont>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

namespace {
// Heap strings: the toolkit keeps the settings store and fonts for the
// whole process, past an unload of this module.
QString text(const char* latin1)
{
    return QString::fromLatin1(latin1);
}
} // namespace

picker_editCmdDialog::picker_editCmdDialog(QWidget* parent, buttonAttributes* attributes)
    : QDialog(parent), attributes_(attributes)
{
    setModal(true);
    setSizeGripEnabled(false);
    setWindowTitle(tr("Edit Command"));

    QGridLayout* grid = new QGridLayout(this);
    grid->setColumnMinimumWidth(0, 80);
    grid->setColumnMinimumWidth(1, 200);

    QLabel* nameLabel = new QLabel(tr("Name:"), this);
    nameLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setMaxLength(128);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(nameEdit_, 0, 1);
    grid->setRowMinimumHeight(1, 5);

    QLabel* languageLabel = new QLabel(tr("Language:"), this);
    languageLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    melOption_ = new QRadioButton(tr("MEL"), this);
    pythonOption_ = new QRadioButton(tr("Python"), this);
    QButtonGroup* group = new QButtonGroup(this);
    group->setExclusive(true);
    group->addButton(melOption_);
    group->addButton(pythonOption_);
    QHBoxLayout* languages = new QHBoxLayout;
    languages->addWidget(melOption_);
    languages->addWidget(pythonOption_);
    languages->addStretch();
    grid->addWidget(languageLabel, 2, 0);
    grid->addLayout(languages, 2, 1);
    grid->setRowMinimumHeight(3, 1);

    QLabel* commandLabel = new QLabel(tr("Command:"), this);
    commandLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    commandEdit_ = new QPlainTextEdit(this);
    commandEdit_->setFont(QFont(text("Monospace"), 9));
    grid->addWidget(commandLabel, 4, 0);
    grid->addWidget(commandEdit_, 4, 1);
    grid->setRowMinimumHeight(5, 1);

    okButton_ = new QPushButton(tr("OK"), this);
    testButton_ = new QPushButton(tr("Test"), this);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    QHBoxLayout* buttons = new QHBoxLayout;
    buttons->addSpacing(80);
    buttons->addWidget(okButton_);
    buttons->addWidget(testButton_);
    buttons->addWidget(cancelButton_);
    grid->addLayout(buttons, 6, 0, 1, 2);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(testButton_, &QPushButton::clicked, this, &picker_editCmdDialog::test);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    nameEdit_->setText(attributes_->label);
    if (attributes_->language == kPythonScript)
        pythonOption_->setChecked(true);
    else if (attributes_->language == kMelScript)
        melOption_->setChecked(true);
    if (!attributes_->nodes.isEmpty())
        commandEdit_->setPlainText(attributes_->nodes.first());
}

void picker_editCmdDialog::update_button()
{
    attributes_->label = nameEdit_->text();
    if (attributes_->nodes.isEmpty())
        attributes_->nodes.append(commandEdit_->toPlainText());
    else
        attributes_->nodes[0] = commandEdit_->toPlainText();
    if (melOption_->isChecked())
        attributes_->language = kMelScript;
    else if (pythonOption_->isChecked())
        attributes_->language = kPythonScript;
}

void picker_editCmdDialog::test()
{
    update_button();
    run_command_button(*attributes_);
}

bool picker_editCmdDialog::do_dialog(QWidget* parent, buttonAttributes* attributes)
{
    QPointer<picker_editCmdDialog> dialog = new picker_editCmdDialog(parent, attributes);
    {
        QSettings settings(text("Quillbrook"), text("picker"));
        const QString sizeKey = text("editCommandWindowSize");
        const QString posKey = text("editCommandWindowPos");
        if (settings.contains(sizeKey) && settings.contains(posKey)) {
            const QSize size = settings.value(sizeKey, QSize(400, 450)).toSize();
            const QPoint pos = settings.value(posKey, QPoint(50, 50)).toPoint();
            // The panel's own rule: a place on no screen (one unplugged
            // since) moves onto the primary screen.
            const host_port& host = host_port::current();
            const QRect r = panel_geometry(pos, size, host.screen_areas(), host.primary_screen());
            dialog->resize(r.size());
            dialog->move(r.topLeft());
        }
    }
    int result = QDialog::Rejected;
    {
        const nested_loop loop(QStringLiteral("command editor"));
        result = dialog->exec();
    }
    // The dialog's event loop let host callbacks run: a scene reset or quit
    // may have destroyed the canvas, and the dialog with it.
    if (!dialog)
        return false;
    {
        QSettings settings(text("Quillbrook"), text("picker"));
        settings.setValue(text("editCommandWindowSize"), dialog->size());
        settings.setValue(text("editCommandWindowPos"), dialog->pos());
    }
    const bool accepted = result == QDialog::Accepted;
    if (accepted)
        dialog->update_button();
    delete dialog.data();
    return accepted;
}
