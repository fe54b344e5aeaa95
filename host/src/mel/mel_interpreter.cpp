#include "mel_interpreter.h"
#include "mel_engine.h"

#include <qbhost/host_session.h>

namespace qbhost {

MelInterpreter::MelInterpreter(HostSession& session) : engine_(new mel::Engine(session)) {}
MelInterpreter::~MelInterpreter() = default;

MStatus MelInterpreter::execute(const QString& text, QString* result)
{
    return execute(text, Source::Command, result);
}

MStatus MelInterpreter::execute(const QString& text, Source source, QString* result)
{
    mel::TextKind kind = mel::TextKind::Command;
    if (source == Source::Script)
        kind = mel::TextKind::Script;
    else if (source == Source::Scene)
        kind = mel::TextKind::Scene;
    return engine_->run(text, result, kind);
}

bool MelInterpreter::runFile(const QString& text, mel::StatementHooks& hooks)
{
    return engine_->runFile(text, hooks);
}

MStatus MelInterpreter::evaluate(const QString& text, mel::Value* value)
{
    return engine_->run(text, nullptr, mel::TextKind::Command, value);
}

void MelInterpreter::reset()
{
    engine_->reset();
}

void MelInterpreter::setStepBudget(qint64 steps)
{
    engine_->setStepBudget(steps);
}

void MelInterpreter::setMemoryBudget(qint64 bytes)
{
    engine_->setMemoryBudget(bytes);
}

} // namespace qbhost
