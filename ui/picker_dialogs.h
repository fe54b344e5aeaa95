#ifndef QB_UI_PICKER_DIALOGS_H
#define QB_UI_PICKER_DIALOGS_H
// Every message box, input dialog and file dialog of the window and the
// canvases goes through here, so that a test can answer them in place of a
// person. The default calls the toolkit's own static dialogs.
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtWidgets/QMessageBox>

class QWidget;

class picker_dialogs
{
public:
    virtual ~picker_dialogs();

    virtual QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton);
    virtual QMessageBox::StandardButton critical(QWidget* parent, const QString& title, const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton);
    virtual QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton);
    virtual QMessageBox::StandardButton information(QWidget* parent, const QString& title, const QString& text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton);
    virtual QString getText(QWidget* parent, const QString& title, const QString& label, const QString& text,
                            bool* ok);
    virtual QStringList getOpenFileNames(QWidget* parent, const QString& caption, const QString& dir,
                                         const QString& filter);
    virtual QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter);
    virtual QString getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter);
    virtual void about(QWidget* parent, const QString& title, const QString& text);

    // The installed dialogs; the toolkit's until install() says otherwise.
    static picker_dialogs& current();
    // Installs dialogs (not owned); null restores the toolkit's.
    static void install(picker_dialogs* dialogs);
};
#endif
