// Built-in commands on output, evaluation and the application.
#include "mel_engine.h"

#include <qbhost/host_session.h>

#include <QtCore/QFile>

namespace qbhost {
namespace mel {

namespace {

QString joinedArgs(const CommandCall& call)
{
    QStringList parts;
    for (const CallArg& a : call.args)
        parts << a.val().displayText();
    return parts.join(QLatin1Char(' '));
}

Value printCommand(CommandCall& call)
{
    call.requireArgs(1, 1);
    const Value& v = call.args[0].val();
    if (!v.isArray()) {
        call.host().logOutput(v.toString());
        return Value();
    }
    // Arrays print one element a line.
    QString text;
    for (const QString& s : v.toStringList())
        text += s + QLatin1Char('\n');
    call.host().logOutput(text);
    return Value();
}

Value warningCommand(CommandCall& call)
{
    call.requireArgs(1, -1);
    call.host().logWarning(joinedArgs(call));
    return Value();
}

Value errorCommand(CommandCall& call)
{
    call.requireArgs(1, -1);
    call.fail(joinedArgs(call));
}

Value evalCommand(CommandCall& call)
{
    call.requireArgs(1, -1);
    return call.engine.runNested(joinedArgs(call), call.line);
}

Value pythonCommand(CommandCall& call)
{
    call.requireArgs(1, 1);
    // Kept in the history; the stand-in host runs no Python.
    call.host().addHistory(HistoryKind::Python, call.args[0].val().toString());
    return Value::fromString(QString());
}

Value sourceCommand(CommandCall& call)
{
    call.requireArgs(1, 1);
    const QString path = call.args[0].val().toString();
    QFile file(path);
    if (!call.host().mayRead(path) || !file.open(QIODevice::ReadOnly))
        call.fail(QStringLiteral("Cannot find file \"%1\" for source statement.").arg(path));
    // Not added to the history: a script file can be large.
    const QByteArray bytes = file.readAll();
    const QString text = QString::fromUtf8(bytes.constData(), bytes.size());
    call.engine.runNested(text, call.line, true);
    return Value();
}

Value applicationVersionCommand(CommandCall& call)
{
    call.requireArgs(0, 0);
    return Value::fromFloat(call.host().applicationVersion());
}

} // namespace

void addSystemCommands(BuiltinTable& table)
{
    table.insert(QStringLiteral("print"), printCommand);
    table.insert(QStringLiteral("warning"), warningCommand);
    table.insert(QStringLiteral("error"), errorCommand);
    table.insert(QStringLiteral("eval"), evalCommand);
    table.insert(QStringLiteral("python"), pythonCommand);
    table.insert(QStringLiteral("source"), sourceCommand);
    table.insert(QStringLiteral("getApplicationVersionAsFloat"), applicationVersionCommand);
}

} // namespace mel
} // namespace qbhost
