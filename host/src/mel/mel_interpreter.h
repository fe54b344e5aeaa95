#ifndef QBHOST_MEL_INTERPRETER_H
#define QBHOST_MEL_INTERPRETER_H
#include <maya/MStatus.h>
#include <QtCore/QString>

#include <memory>

namespace qbhost {

class HostSession;
namespace mel {
class Engine;
class StatementHooks;
class Value;
}

// The host's MEL interpreter: one per session, holding global variables and
// global procedures between texts.
class MelInterpreter
{
public:
    // What a text is: a scene file runs like any text, but while it runs new
    // nodes are not selected, as when the host reads a file.
    enum class Source { Command, Script, Scene };

    explicit MelInterpreter(HostSession& session);
    ~MelInterpreter();

    // Runs one text (a command line, an idle-queue text, a script file, a
    // scene file). Errors are written to the session's error log and stop
    // the text. The result of the last statement, if any, goes to result.
    MStatus execute(const QString& text, QString* result = nullptr);
    MStatus execute(const QString& text, Source source, QString* result = nullptr);
    // A command line whose last statement's value is wanted as it is
    // (MGlobal::executeCommand with a result).
    MStatus evaluate(const QString& text, mel::Value* value);
    // Runs a file's text statement by statement (see mel::Engine::runFile).
    bool runFile(const QString& text, mel::StatementHooks& hooks);
    // Forgets global variables and global procedures.
    void reset();
    // See HostSession::setMelStepBudget and setMelMemoryBudget.
    void setStepBudget(qint64 steps);
    void setMemoryBudget(qint64 bytes);

private:
    std::unique_ptr<mel::Engine> engine_;
};

} // namespace qbhost
#endif
