#include "mel_interpreter.h"
#include <qbhost/host_session.h>

namespace qbhost {

MelInterpreter::MelInterpreter(HostSession& session) : session_(session) {}
MelInterpreter::~MelInterpreter() = default;

MStatus MelInterpreter::execute(const QString& text, QString* result)
{
    Q_UNUSED(text);
    if (result)
        result->clear();
    session_.logError(QStringLiteral("MEL is not available yet"));
    return MS::kNotImplemented;
}

} // namespace qbhost
