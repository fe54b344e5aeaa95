#ifndef QB_TESTS_QBX_PROCESS_H
#define QB_TESTS_QBX_PROCESS_H
// Runs the qbx tool (QBX_PATH) as a subprocess without any display: it must
// never need one.
#include <QtCore/QByteArray>
#include <QtCore/QProcess>
#include <QtCore/QStringList>

struct run_result {
    int status = -1; // -1: crashed or hung
    QByteArray out, err;
};

inline run_result qbx(const QStringList& args, const QString& stdoutFile = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(v));
    p.setProcessEnvironment(env);
    if (!stdoutFile.isEmpty())
        p.setStandardOutputFile(stdoutFile);
    p.start(QStringLiteral(QBX_PATH), args);
    run_result r;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.status = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}
#endif
