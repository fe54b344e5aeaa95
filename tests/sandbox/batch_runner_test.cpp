// The start-up runner: steps in order, each once the idle queue is empty;
// outputs at the end; in batch mode the exit status and dismissed dialogs.
#include "qt_print.h"
#include "sandbox/batch_runner.h"
#include <qbhost/host_session.h>

#include <gtest/gtest.h>
#include <QtCore/QCoreApplication>
#include <QtCore/QEventLoop>
#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtWidgets/QDialog>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QMessageBox>

namespace {

class BatchRunner : public ::testing::Test
{
protected:
    void SetUp() override { host().resetForTest(); }
    void TearDown() override { host().resetForTest(); }
    static qbhost::HostSession& host() { return qbhost::HostSession::instance(); }

    // Runs until the runner is done; the status it finished with, or -1.
    static int runToEnd(batch_runner& runner)
    {
        int status = -1;
        QEventLoop loop;
        QObject::connect(&runner, &batch_runner::finished, &loop, [&](int s) {
            status = s;
            loop.quit();
        });
        // Only a guard against a hang: sanitized builds on a busy machine
        // take seconds for the runner's own limit of idle rounds.
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        runner.start();
        loop.exec();
        return status;
    }

    QMainWindow window;
    QTemporaryDir dir;
};

QJsonObject readJson(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(f.readAll()).object();
}

} // namespace

TEST_F(BatchRunner, StepsRunInOrderEachAfterTheIdleQueue)
{
    batch_runner runner(host(), &window, true);
    host().queueIdle(qbhost::Language::Mel, QStringLiteral("createNode transform -n \"queued\";"));
    runner.setSteps({QStringLiteral("createNode transform -n \"first\";"),
                     QStringLiteral("createNode transform -n \"second\";")});
    // Queued by the first step's time: runs before the second step.
    QObject::connect(&host(), &qbhost::HostSession::sceneChanged, &runner, [] {
        if (host().nodeExists("first") && !host().nodeExists("fromIdle") && host().pendingIdleCount() == 0
            && !host().nodeExists("second"))
            host().queueIdle(qbhost::Language::Mel, QStringLiteral("createNode transform -n \"fromIdle\";"));
    });
    EXPECT_EQ(runToEnd(runner), 0);
    EXPECT_EQ(host().nodes(), QStringList({"queued", "first", "fromIdle", "second"}));
    EXPECT_TRUE(runner.isDone());
}

TEST_F(BatchRunner, AnErrorMakesTheStatusOneAndLaterStepsStillRun)
{
    batch_runner runner(host(), &window, true);
    runner.setSteps({QStringLiteral("error \"stop\";"), QStringLiteral("createNode transform -n \"after\";")});
    EXPECT_EQ(runToEnd(runner), 1);
    EXPECT_TRUE(host().nodeExists("after"));
    EXPECT_EQ(runner.exitStatus(), 1);
}

TEST_F(BatchRunner, OutputsAreWrittenAtTheEndAndAFailedOneCounts)
{
    batch_runner runner(host(), &window, true);
    const QString dump = dir.filePath("state.json");
    runner.setSteps({QStringLiteral("createNode transform -n \"a\";")});
    runner.setOutputs(dump, dir.filePath("no/such/dir/shot.png"));
    EXPECT_EQ(runToEnd(runner), 1);
    const QJsonObject json = readJson(dump);
    EXPECT_EQ(json.value("scene").toObject().value("nodes").toArray(), QJsonArray{"a"});
    // The failed screenshot is in the dump's errors.
    ASSERT_EQ(json.value("errors").toArray().size(), 1);
    EXPECT_TRUE(json.value("errors").toArray()[0].toString().startsWith("Screenshot: cannot write"));
}

TEST_F(BatchRunner, IdleTextsThatRequeueForeverDoNotHoldTheRun)
{
    batch_runner runner(host(), &window, true);
    // Each run queues the next one.
    QObject::connect(&host(), &qbhost::HostSession::historyAdded, &runner, [](int kind, const QString& text) {
        if (kind == int(qbhost::HistoryKind::Mel) && text == QLatin1String("print \"again\";"))
            host().queueIdle(qbhost::Language::Mel, text);
    });
    host().queueIdle(qbhost::Language::Mel, QStringLiteral("print \"again\";"));
    runner.setSteps({QStringLiteral("createNode transform -n \"reached\";")});
    EXPECT_EQ(runToEnd(runner), 1);
    EXPECT_TRUE(host().nodeExists("reached"));
    ASSERT_FALSE(host().errors().isEmpty());
    EXPECT_TRUE(host().errors()[0].startsWith("Batch mode: the idle queue did not empty"));
}

TEST_F(BatchRunner, ModalDialogsMetInBatchModeAreDismissedAndLogged)
{
    batch_runner runner(host(), &window, true);
    int dialogResult = -2;
    QMessageBox::StandardButton boxResult = QMessageBox::NoButton;
    // A step that ends up in dialogs nobody can answer.
    QObject::connect(&host(), &qbhost::HostSession::historyAdded, &runner, [&](int kind, const QString& text) {
        if (kind != int(qbhost::HistoryKind::Mel) || text != QLatin1String("print \"ask\";"))
            return;
        QDialog dialog(&window);
        dialog.setWindowTitle(QStringLiteral("Rename Tab"));
        dialogResult = dialog.exec();
        // Yes and No, no escape button: rejected all the same.
        boxResult = QMessageBox::question(&window, QStringLiteral("Replace?"),
                                          QStringLiteral("Replace it?\n\nThe old one  goes."),
                                          QMessageBox::Yes | QMessageBox::No);
    });
    runner.setSteps({QStringLiteral("print \"ask\";"), QStringLiteral("createNode transform -n \"after\";")});
    EXPECT_EQ(runToEnd(runner), 1);
    EXPECT_EQ(dialogResult, int(QDialog::Rejected));
    EXPECT_NE(boxResult, QMessageBox::Yes);
    EXPECT_TRUE(host().nodeExists("after"));
    EXPECT_EQ(host().errors(), QStringList({"Batch mode: dismissed the dialog \"Rename Tab\"",
                                            "Batch mode: dismissed the dialog \"Replace?\": Replace it? The old one goes."}));
}

TEST_F(BatchRunner, InteractiveModeLeavesDialogsAndTheHostAlone)
{
    batch_runner runner(host(), &window, false);
    bool finishedSignal = false;
    QObject::connect(&runner, &batch_runner::finished, [&] { finishedSignal = true; });
    runner.setSteps({QStringLiteral("createNode transform -n \"a\";")});
    runner.start();
    for (int i = 0; i < 50 && !runner.isDone(); ++i)
        QCoreApplication::processEvents();
    ASSERT_TRUE(runner.isDone());
    EXPECT_TRUE(host().nodeExists("a"));
    EXPECT_FALSE(finishedSignal); // the application goes on
    EXPECT_FALSE(runner.dismissModalDialog());
}
