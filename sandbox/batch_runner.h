#ifndef QB_SANDBOX_BATCH_RUNNER_H
#define QB_SANDBOX_BATCH_RUNNER_H
// Runs the start-up steps (load the plug-in, open the scene, the -c and -s
// commands in order), each once the idle queue is empty and the event loop
// has had its turn, then writes the screenshot and the state dump asked
// for. In batch mode it then quits the host and reports the exit status,
// and dismisses any modal dialog met meanwhile, since nobody can answer it.
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QStringList>
#include <QtCore/QTimer>

class QWidget;
namespace qbhost {
class HostSession;
}

class batch_runner : public QObject
{
    Q_OBJECT
public:
    // A dialog reopened without end gives up the run after this many.
    static constexpr int kMaximumDialogs = 100;
    // Rounds of a full idle queue before it counts as never emptying.
    static constexpr int kMaximumIdleRounds = 20;

    batch_runner(qbhost::HostSession& host, QWidget* mainWindow, bool batch, QObject* parent = nullptr);

    // MEL texts to run, in order.
    void setSteps(const QStringList& melSteps) { steps_ = melSteps; }
    void setOutputs(const QString& dumpState, const QString& screenshot);

    // Starts once the event loop runs.
    void start();
    bool isDone() const { return done_; }
    // 0 when no error was logged and every output was written, else 1.
    int exitStatus() const { return status_; }

    // Rejects the active modal dialog and logs that it did. True when there
    // was one.
    bool dismissModalDialog();

signals:
    // Batch mode: the host has quit; end the application with this status.
    void finished(int status);

private:
    void tick();
    void schedule();
    void finish();
    bool writeOutputs();

    qbhost::HostSession& host_;
    QPointer<QWidget> mainWindow_;
    bool batch_;
    QStringList steps_;
    int next_ = 0;
    int idleRounds_ = 0;
    int dialogs_ = 0;
    QString dumpState_;
    QString screenshot_;
    QTimer dialogWatch_;
    bool done_ = false;
    int status_ = 0;
};
#endif
