// Files the host reads (scene files): statement by statement, so that one
// failing statement is reported and the rest of the file is still read.
// The statements Maya writes (a command with literal arguments) run without
// building a syntax tree; anything else goes through the parser as usual.
#include "mel_engine.h"
#include "mel_lexer.h"
#include "mel_parser.h"

#include <qbhost/host_session.h>

#include <algorithm>
#include <exception>
#include <new>

namespace qbhost {
namespace mel {

namespace {

bool isIdentStart(ushort c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isIdentChar(ushort c)
{
    return isIdentStart(c) || (c >= '0' && c <= '9');
}

// After a syntax error: the offset just past the statement that starts at
// start (its ';' at brace depth 0, or the '}' closing its block), with the
// lines passed counted into line. A string left open at the end of its line
// ends the statement there: the next line is the next statement.
int skipBrokenStatement(const QChar* data, int size, int start, int* line)
{
    int depth = 0;
    int i = start;
    while (i < size) {
        const ushort c = data[i].unicode();
        if (c == '\n') {
            ++*line;
        } else if (c == '"') {
            for (++i; i < size && data[i] != QLatin1Char('"') && data[i] != QLatin1Char('\n'); ++i)
                if (data[i] == QLatin1Char('\\') && i + 1 < size && data[i + 1] != QLatin1Char('\n'))
                    ++i;
            if (i < size && data[i] == QLatin1Char('\n')) {
                if (depth <= 0)
                    return i;
                continue; // inside a block: its closing brace ends it
            }
        } else if (c == '/' && i + 1 < size && data[i + 1] == QLatin1Char('/')) {
            while (i < size && data[i] != QLatin1Char('\n'))
                ++i;
            continue;
        } else if (c == '/' && i + 1 < size && data[i + 1] == QLatin1Char('*')) {
            for (i += 2; i + 1 < size && !(data[i] == QLatin1Char('*') && data[i + 1] == QLatin1Char('/')); ++i)
                if (data[i] == QLatin1Char('\n'))
                    ++*line;
            i += 2;
            continue;
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth <= 0)
                return i + 1;
        } else if (c == ';' && depth <= 0) {
            return i + 1;
        }
        ++i;
    }
    return size;
}

} // namespace

bool Engine::runPlainCommand(Lexer& lex, int start, int line)
{
    const QChar* data = lex.data();
    const int size = lex.size();
    if (!isIdentStart(data[start].unicode()))
        return false;
    int i = start + 1;
    while (i < size && isIdentChar(data[i].unicode()))
        ++i;
    // "name(" is function syntax; "name;" or "name args" is command syntax.
    if (i < size && data[i] != QLatin1Char(' ') && data[i] != QLatin1Char('\t') && data[i] != QLatin1Char('\n')
        && data[i] != QLatin1Char('\r') && data[i] != QLatin1Char(';'))
        return false;
    const int length = i - start;
    QString name;
    BuiltinFn fn = nullptr;
    for (const auto& known : fileCommands_) {
        if (known.first.size() == length
            && std::equal(data + start, data + i, known.first.constData())) {
            name = known.first;
            fn = known.second;
            break;
        }
    }
    if (!fn) {
        name = QString(data + start, length);
        auto builtin = builtins_.constFind(name);
        if (builtin == builtins_.constEnd())
            return false;
        fn = *builtin;
    }
    lex.restore(Lexer::State{i, line});
    if (argPool_.size() < static_cast<size_t>(texts_) + 1)
        argPool_.resize(static_cast<size_t>(texts_) + 1);
    std::vector<CallArg>& args = argPool_[static_cast<size_t>(texts_)];
    args.clear();
    for (;;) {
        const ArgToken t = lex.nextCommandArg(false);
        CallArg a;
        switch (t.kind) {
        case ArgKind::String:
            a.value = Value::fromString(t.text);
            break;
        case ArgKind::Word:
            a.value = Value::fromString(t.text);
            a.literal = t.text;
            break;
        case ArgKind::Flag:
            a.value = Value::fromString(t.text);
            a.flag = true;
            break;
        case ArgKind::Int:
            a.value = Value::fromInt(t.intValue);
            a.literal = t.text;
            break;
        case ArgKind::Float:
            a.value = Value::fromFloat(t.floatValue);
            a.literal = t.text;
            break;
        case ArgKind::Semicolon:
        case ArgKind::End: {
            if (stepBudget_ > 0 && ++steps_ > stepBudget_)
                fail(line, QStringLiteral("Script interrupted: more than %1 statements run.").arg(stepBudget_ - stepBase_));
            CommandCall call{*this, name, line, args, true};
            fn(call);
            args.clear();
            return true;
        }
        default:
            // Variables, expressions, blocks: the parser's.
            lex.restore(Lexer::State{start, line});
            return false;
        }
        args.push_back(std::move(a));
    }
}

bool Engine::runFile(const QString& text, StatementHooks& hooks)
{
    if (!enterText())
        return false;
    struct TextCount {
        Engine* e;
        ~TextCount() { e->leaveText(); }
    } count{this};
    kinds_.push_back(TextKind::Scene);
    struct KindPop {
        std::vector<TextKind>& k;
        ~KindPop() { k.pop_back(); }
    } pop{kinds_};
    auto unit = std::make_shared<Unit>();
    unit->fromFile = true;
    Frame frame;
    frame.unit = unit;
    frame.scopes.emplace_back();
    FrameGuard guard(this, &frame);

    // A file's loops end: without a budget of the caller's, each statement
    // of a file may run two million before it is interrupted like a
    // runaway script, and the next statement is read.
    struct Budget {
        Engine* e;
        qint64 saved, savedBase;
        ~Budget()
        {
            e->stepBudget_ = saved;
            e->stepBase_ = savedBase;
        }
    } budget{this, stepBudget_, stepBase_};
    const bool ownBudget = stepBudget_ <= 0;
    const qint64 kStatementSteps = 2000000;
    Lexer lex(text);
    Parser parser(lex);
    int warningsSeen = 0;
    for (;;) {
        const int blankLine = lex.line();
        if (!lex.skipSpace()) {
            hooks.begin(lex.pos(), blankLine);
            hooks.finish(lex.pos(), lex.size(), blankLine, false, QStringLiteral("Syntax error: unterminated comment"));
            break;
        }
        const int start = lex.pos();
        const int line = lex.line();
        if (start >= lex.size())
            break;
        hooks.begin(start, line);
        line_ = line;
        if (ownBudget) {
            stepBase_ = steps_;
            stepBudget_ = steps_ + kStatementSteps;
        }
        int end = start;
        int errorLine = line;
        bool ok = true;
        QString message;
        try {
            if (runPlainCommand(lex, start, line)) {
                end = lex.tokenEnd();
            } else {
                StmtPtr stmt;
                if (!parser.parseOne(start, line, &stmt, &end, &errorLine)) {
                    ok = false;
                    message = QStringLiteral("Syntax error");
                    int skipLine = line;
                    end = skipBrokenStatement(lex.data(), lex.size(), start, &skipLine);
                    lex.restore(Lexer::State{end, skipLine});
                } else {
                    // The parser read one token past the statement.
                    int nextLine = line;
                    for (int k = start; k < end; ++k)
                        nextLine += text.at(k) == QLatin1Char('\n');
                    lex.restore(Lexer::State{end, nextLine});
                    const Stmt* s = stmt.get();
                    if (s->kind == Stmt::Proc)
                        unit->program.statements.push_back(std::move(stmt)); // kept: procedures point into it
                    exec(s);
                }
            }
        } catch (const MelError& e) {
            ok = false;
            errorLine = e.line;
            if (!e.reported)
                message = e.message;
            if (end <= start) {
                // Failed inside the command: the lexer stopped at its end.
                end = qMax(lex.tokenEnd(), start + 1);
            }
        } catch (const std::bad_alloc&) {
            ok = false;
            message = QStringLiteral("Out of memory.");
        } catch (const std::exception& e) {
            ok = false;
            message = QStringLiteral("Internal error: %1").arg(QString::fromLocal8Bit(e.what()));
        }
        if (end <= start) {
            int skipLine = line;
            end = skipBrokenStatement(lex.data(), lex.size(), start, &skipLine);
            lex.restore(Lexer::State{end, skipLine});
        }
        const QStringList& warnings = parser.warnings();
        for (; warningsSeen < warnings.size(); ++warningsSeen)
            hooks.warning(warnings[warningsSeen]);
        hooks.finish(start, end, errorLine, ok, message);
    }
    return true;
}

} // namespace mel
} // namespace qbhost
