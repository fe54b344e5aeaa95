#include "sandbox/batch_runner.h"
#include "sandbox/screenshot.h"
#include "sandbox/state_dump.h"
#include <qbhost/host_session.h>

#include <QtCore/QCoreApplication>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDialog>
#include <QtWidgets/QMessageBox>

#include <cstdio>
#include <cstdlib>

batch_runner::batch_runner(qbhost::HostSession& host, QWidget* mainWindow, bool batch, QObject* parent)
    : QObject(parent), host_(host), mainWindow_(mainWindow), batch_(batch)
{
    dialogWatch_.setInterval(20);
    connect(&dialogWatch_, &QTimer::timeout, this, &batch_runner::dismissModalDialog);
}

void batch_runner::setOutputs(const QString& dumpState, const QString& screenshot)
{
    dumpState_ = dumpState;
    screenshot_ = screenshot;
}

void batch_runner::start()
{
    // The watch runs inside the event loops of dialogs too: a timer fires in
    // whichever loop is running.
    if (batch_)
        dialogWatch_.start();
    schedule();
}

void batch_runner::schedule()
{
    QTimer::singleShot(0, this, &batch_runner::tick);
}

void batch_runner::tick()
{
    if (host_.pendingIdleCount() > 0) {
        if (++idleRounds_ > kMaximumIdleRounds) {
            host_.logError(QStringLiteral("Batch mode: the idle queue did not empty (%1 texts still queued); "
                                          "going on without them")
                               .arg(host_.pendingIdleCount()));
        } else {
            host_.drainIdle(10000);
            schedule();
            return;
        }
    }
    idleRounds_ = 0;
    if (next_ < steps_.size()) {
        host_.executeMel(steps_.at(next_++));
        schedule();
        return;
    }
    finish();
}

bool batch_runner::writeOutputs()
{
    bool ok = true;
    QString error;
    if (!screenshot_.isEmpty()) {
        if (save_screenshot(screenshot_, mainWindow_, &error)) {
            // Batch output is the commands' alone: pipelines may read it.
            if (!batch_)
                host_.logOutput(QStringLiteral("Wrote the screenshot to %1").arg(screenshot_));
        } else {
            host_.logError(QStringLiteral("Screenshot: ") + error);
            ok = false;
        }
    }
    if (!dumpState_.isEmpty()) {
        // Converted now, while the panel and its module are still there.
        const QJsonObject dump = state_dump(host_, mainWindow_);
        if (!write_json_file(dumpState_, dump, &error)) {
            host_.logError(QStringLiteral("State dump: ") + error);
            ok = false;
        } else if (!batch_) {
            host_.logOutput(QStringLiteral("Wrote the state to %1").arg(dumpState_));
        }
    }
    return ok;
}

void batch_runner::finish()
{
    const bool written = writeOutputs();
    done_ = true;
    if (!batch_) {
        status_ = written && host_.errors().isEmpty() ? 0 : 1;
        return;
    }
    host_.quit();
    dialogWatch_.stop();
    status_ = written && host_.errors().isEmpty() ? 0 : 1;
    emit finished(status_);
}

bool batch_runner::dismissModalDialog()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    if (++dialogs_ > kMaximumDialogs) {
        // Dialogs that keep coming back would hold the run for ever.
        std::fprintf(stderr, "quillbrook-sandbox: gave up after dismissing %d dialogs\n", kMaximumDialogs);
        std::fflush(stderr);
        std::_Exit(1);
    }
    QString title = modal->windowTitle();
    if (title.isEmpty())
        title = QString::fromLatin1(modal->metaObject()->className());
    QMessageBox* box = qobject_cast<QMessageBox*>(modal);
    // What a user would have read, so that a headless run shows it too.
    QString text;
    if (box) {
        text = box->text();
        if (!box->informativeText().isEmpty())
            text += QLatin1Char(' ') + box->informativeText();
        text = text.simplified();
    }
    host_.logError(text.isEmpty() ? QStringLiteral("Batch mode: dismissed the dialog \"%1\"").arg(title)
                                  : QStringLiteral("Batch mode: dismissed the dialog \"%1\": %2").arg(title, text));
    if (box) {
        // Escape answers with the box's own escape button, when it has one.
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &escape);
        if (box->isVisible())
            box->reject();
    } else if (QDialog* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
    return true;
}
