#include "window/picker_dialogs.h"
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QInputDialog>

namespace {
picker_dialogs* installed = nullptr;
}

picker_dialogs::~picker_dialogs() = default;

QMessageBox::StandardButton picker_dialogs::warning(QWidget* parent, const QString& title, const QString& text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::warning(parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton picker_dialogs::critical(QWidget* parent, const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::critical(parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton picker_dialogs::question(QWidget* parent, const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton picker_dialogs::information(QWidget* parent, const QString& title,
                                                        const QString& text, QMessageBox::StandardButtons buttons,
                                                        QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::information(parent, title, text, buttons, defaultButton);
}

QString picker_dialogs::getText(QWidget* parent, const QString& title, const QString& label, const QString& text,
                                bool* ok)
{
    return QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, ok);
}

QStringList picker_dialogs::getOpenFileNames(QWidget* parent, const QString& caption, const QString& dir,
                                             const QString& filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter);
}

QString picker_dialogs::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                        const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString picker_dialogs::getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                        const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

void picker_dialogs::about(QWidget* parent, const QString& title, const QString& text)
{
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
