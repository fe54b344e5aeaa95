// Built-in commands on strings and string arrays.
#include "mel_engine.h"

#include <QtCore/QRegularExpression>

namespace qbhost {
namespace mel {

namespace {

QRegularExpression compileRegex(CommandCall& call, const QString& pattern)
{
    QRegularExpression re(pattern, QRegularExpression::DotMatchesEverythingOption);
    if (!re.isValid())
        call.fail(QStringLiteral("%1: invalid regular expression \"%2\": %3").arg(call.name, pattern, re.errorString()));
    return re;
}

const Value& scalarArg(CommandCall& call, int i)
{
    const Value& v = call.args[static_cast<size_t>(i)].val();
    if (v.isArray())
        call.fail(QStringLiteral("Argument %1 of %2 must not be an array.").arg(i + 1).arg(call.name));
    return v;
}

Value sizeCommand(CommandCall& call)
{
    call.requireArgs(1, 1);
    const Value& v = call.args[0].val();
    return Value::fromInt(v.isArray() ? v.arraySize() : v.toString().size());
}

// match "regex" "text": the first part of text that matches, or "".
Value matchCommand(CommandCall& call)
{
    call.requireArgs(2, 2);
    const QRegularExpression re = compileRegex(call, scalarArg(call, 0).toString());
    const QRegularExpressionMatch m = re.match(scalarArg(call, 1).toString());
    return Value::fromString(m.hasMatch() ? m.captured(0) : QString());
}

// MEL's wildcards: * any run, ? one character, [abc] a set, \ escapes.
QString globToRegex(const QString& glob)
{
    QString rx;
    rx.reserve(glob.size() * 2);
    for (int i = 0; i < glob.size(); ++i) {
        const QChar c = glob.at(i);
        if (c == QLatin1Char('*')) {
            rx += QStringLiteral(".*");
        } else if (c == QLatin1Char('?')) {
            rx += QLatin1Char('.');
        } else if (c == QLatin1Char('\\') && i + 1 < glob.size()) {
            rx += QRegularExpression::escape(QString(glob.at(++i)));
        } else if (c == QLatin1Char('[')) {
            const int close = glob.indexOf(QLatin1Char(']'), i + 2);
            if (close < 0) {
                rx += QStringLiteral("\\[");
                continue;
            }
            QString set = glob.mid(i + 1, close - i - 1);
            QString out = QStringLiteral("[");
            int j = 0;
            if (set.startsWith(QLatin1Char('!')) || set.startsWith(QLatin1Char('^'))) {
                out += QLatin1Char('^');
                j = 1;
            }
            for (; j < set.size(); ++j) {
                const QChar s = set.at(j);
                if (s == QLatin1Char('\\') || s == QLatin1Char('[') || s == QLatin1Char(']')
                    || (s == QLatin1Char('^')))
                    out += QLatin1Char('\\');
                out += s;
            }
            rx += out + QLatin1Char(']');
            i = close;
        } else {
            rx += QRegularExpression::escape(QString(c));
        }
    }
    return rx;
}

Value gmatchCommand(CommandCall& call)
{
    call.requireArgs(2, 2);
    const QRegularExpression re(QRegularExpression::anchoredPattern(globToRegex(scalarArg(call, 1).toString())),
                                QRegularExpression::DotMatchesEverythingOption);
    if (!re.isValid())
        call.fail(QStringLiteral("gmatch: invalid pattern \"%1\"").arg(scalarArg(call, 1).toString()));
    return Value::fromInt(re.match(scalarArg(call, 0).toString()).hasMatch() ? 1 : 0);
}

// substitute "regex" "text" "with": the first match replaced, literally.
Value substituteCommand(CommandCall& call)
{
    call.requireArgs(3, 3);
    const QRegularExpression re = compileRegex(call, scalarArg(call, 0).toString());
    QString text = scalarArg(call, 1).toString();
    const QRegularExpressionMatch m = re.match(text);
    if (m.hasMatch())
        text.replace(m.capturedStart(0), m.capturedLength(0), scalarArg(call, 2).toString());
    return Value::fromString(text);
}

QStringList splitOn(const QString& text, const QString& separators)
{
    QStringList out;
    int start = -1;
    for (int i = 0; i <= text.size(); ++i) {
        const bool sep = i == text.size() || separators.contains(text.at(i));
        if (sep) {
            if (start >= 0)
                out << text.mid(start, i - start);
            start = -1;
        } else if (start < 0) {
            start = i;
        }
    }
    return out;
}

// tokenize "text" [splitChars] $buffer: the pieces into $buffer, their count
// returned; without a buffer the pieces themselves are returned.
Value tokenizeCommand(CommandCall& call)
{
    call.requireArgs(1, 3);
    const QString whitespace = QStringLiteral(" \t\n\r");
    const QString text = scalarArg(call, 0).toString();
    const int n = static_cast<int>(call.args.size());
    const CallArg* buffer = nullptr;
    QString separators = whitespace;
    if (n >= 2 && call.args[static_cast<size_t>(n - 1)].val().isArray())
        buffer = &call.args[static_cast<size_t>(n - 1)];
    if (n == 3 && !buffer)
        call.fail(QStringLiteral("The last argument of tokenize must be a string array variable."));
    if ((n == 2 && !buffer) || n == 3)
        separators = scalarArg(call, 1).toString();
    if (separators.isEmpty())
        separators = whitespace;
    const QStringList pieces = splitOn(text, separators);
    if (!buffer)
        return Value::fromStringArray(pieces);
    if (!buffer->ref || buffer->ref->type != Type::StringArray)
        call.fail(QStringLiteral("The last argument of tokenize must be a string array variable."));
    buffer->ref->value = Value::fromStringArray(pieces);
    return Value::fromInt(pieces.size());
}

Value stringArrayContainsCommand(CommandCall& call)
{
    call.requireArgs(2, 2);
    const QString item = scalarArg(call, 0).toString();
    const Value& list = call.args[1].val();
    if (!list.isArray())
        call.fail(QStringLiteral("The second argument of stringArrayContains must be a string array."));
    if (list.type() == Type::StringArray)
        return Value::fromInt(list.stringArrayRef().contains(item) ? 1 : 0);
    return Value::fromInt(list.toStringList().contains(item) ? 1 : 0);
}

Value stringArrayToStringCommand(CommandCall& call)
{
    call.requireArgs(2, 2);
    const Value& list = call.args[0].val();
    if (!list.isArray())
        call.fail(QStringLiteral("The first argument of stringArrayToString must be a string array."));
    return Value::fromString(list.toStringList().join(scalarArg(call, 1).toString()));
}

} // namespace

void addStringCommands(BuiltinTable& table)
{
    table.insert(QStringLiteral("size"), sizeCommand);
    table.insert(QStringLiteral("match"), matchCommand);
    table.insert(QStringLiteral("gmatch"), gmatchCommand);
    table.insert(QStringLiteral("substitute"), substituteCommand);
    table.insert(QStringLiteral("tokenize"), tokenizeCommand);
    table.insert(QStringLiteral("stringArrayContains"), stringArrayContainsCommand);
    table.insert(QStringLiteral("stringArrayToString"), stringArrayToStringCommand);
}

} // namespace mel
} // namespace qbhost
