#include "ui/picker_dialogs.h"
#include "ui/nested_loop.h"
#include <QtCore/QPointer>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QInputDialog>

namespace {
picker_dialogs* installed = nullptr;

// The toolkit's static message boxes and file dialogs live on the stack
// with the given parent: a host callback that destroys the parent during
// the dialog's loop would delete a stack object. These are on the heap and
// guarded instead; a dialog destroyed under its loop answers "nothing".
QMessageBox::StandardButton runBox(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                   const QString& text, QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton)
{
    QPointer<QMessageBox> box = new QMessageBox(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(defaultButton);
    box->exec();
    if (!box)
        return QMessageBox::NoButton;
    const QMessageBox::StandardButton answer = box->standardButton(box->clickedButton());
    delete box.data();
    return answer;
}

QStringList runFileDialog(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                          QFileDialog::AcceptMode accept, QFileDialog::FileMode mode)
{
    QPointer<QFileDialog> dialog = new QFileDialog(parent, caption, dir, filter);
    dialog->setAcceptMode(accept);
    dialog->setFileMode(mode);
    const int result = dialog->exec();
    if (!dialog)
        return QStringList();
    const QStringList files = result == QDialog::Accepted ? dialog->selectedFiles() : QStringList();
    delete dialog.data();
    return files;
}
} // namespace

picker_dialogs::~picker_dialogs() = default;

QMessageBox::StandardButton picker_dialogs::warning(QWidget* parent, const QString& title, const QString& text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton)
{
    const nested_loop loop(QStringLiteral("warning: ") + title);
    return runBox(QMessageBox::Warning, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton picker_dialogs::critical(QWidget* parent, const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton)
{
    const nested_loop loop(QStringLiteral("critical: ") + title);
    return runBox(QMessageBox::Critical, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton picker_dialogs::question(QWidget* parent, const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton)
{
    const nested_loop loop(QStringLiteral("question: ") + title);
    return runBox(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton picker_dialogs::information(QWidget* parent, const QString& title,
                                                        const QString& text, QMessageBox::StandardButtons buttons,
                                                        QMessageBox::StandardButton defaultButton)
{
    const nested_loop loop(QStringLiteral("information: ") + title);
    return runBox(QMessageBox::Information, parent, title, text, buttons, defaultButton);
}

QString picker_dialogs::getText(QWidget* parent, const QString& title, const QString& label, const QString& text,
                                bool* ok)
{
    const nested_loop loop(QStringLiteral("getText: ") + title);
    return QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, ok);
}

QStringList picker_dialogs::getOpenFileNames(QWidget* parent, const QString& caption, const QString& dir,
                                             const QString& filter)
{
    const nested_loop loop(QStringLiteral("getOpenFileNames: ") + caption);
    return runFileDialog(parent, caption, dir, filter, QFileDialog::AcceptOpen, QFileDialog::ExistingFiles);
}

QString picker_dialogs::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                        const QString& filter)
{
    const nested_loop loop(QStringLiteral("getOpenFileName: ") + caption);
    const QStringList files =
        runFileDialog(parent, caption, dir, filter, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
    return files.value(0);
}

QString picker_dialogs::getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                        const QString& filter)
{
    const nested_loop loop(QStringLiteral("getSaveFileName: ") + caption);
    const QStringList files = runFileDialog(parent, caption, dir, filter, QFileDialog::AcceptSave, QFileDialog::AnyFile);
    return files.value(0);
}

void picker_dialogs::about(QWidget* parent, const QString& title, const QString& text)
{
    const nested_loop loop(QStringLiteral("about: ") + title);
    QMessageBox::about(parent, title, text);
}

picker_dialogs& picker_dialogs::current()
{
    static picker_dialogs toolkit;
    return installed ? *installed : toolkit;
}

void picker_dialogs::install(picker_dialogs* dialogs)
{
    installed = dialogs;
}
