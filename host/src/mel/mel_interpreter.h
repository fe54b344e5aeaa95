#ifndef QBHOST_MEL_INTERPRETER_H
#define QBHOST_MEL_INTERPRETER_H
#include <maya/MStatus.h>
#include <QtCore/QString>

namespace qbhost {

class HostSession;

// The host's MEL interpreter: one per session, holding global variables and
// global procedures between texts.
class MelInterpreter
{
public:
    explicit MelInterpreter(HostSession& session);
    ~MelInterpreter();

    // Runs one text (a command line, an idle-queue text, a script file, a
    // scene file). Errors are written to the session's error log and stop
    // the text. The result of the last statement, if any, goes to result.
    MStatus execute(const QString& text, QString* result = nullptr);

private:
    HostSession& session_;
};

} // namespace qbhost
#endif
