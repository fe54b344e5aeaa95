#ifndef QBHOST_MEL_ENGINE_H
#define QBHOST_MEL_ENGINE_H
// The evaluator behind MelInterpreter: variables, procedures, statements,
// expressions and the dispatch of calls to built-in commands, plug-in
// commands and procedures.

#include "mel_ast.h"
#include "mel_value.h"

#include <maya/MStatus.h>

#include <QtCore/QHash>
#include <QtCore/QString>

#include <deque>
#include <memory>
#include <vector>

namespace qbhost {
class HostSession;

namespace mel {

// Procedure calls (and nested texts) deeper than this are refused as an
// error rather than overflowing the stack.
constexpr int kMaxCallDepth = 1000;
// Texts run from inside texts (a scene file reading its references, a
// plug-in command running MEL) nest at most this deep: room for references
// nested as deep as the host allows, with texts of their own.
constexpr int kMaxTextNesting = 160;
// Whatever the nesting, MEL stops before it has used this much stack.
// AddressSanitizer makes every frame several times larger; its runs raise
// the stack limit to match (tools/run-sanitized-tests.sh).
#if defined(__SANITIZE_ADDRESS__)
constexpr size_t kStackBudget = 16u * 1024u * 1024u;
#else
constexpr size_t kStackBudget = 4u * 1024u * 1024u;
#endif
// Strings longer than this (in characters) are refused rather than left to
// exhaust memory.
constexpr int kMaxStringSize = 1 << 28;

// An error that stops the running text. reported: already in the error log
// (a host operation or a nested text logged it), so nothing more is written.
struct MelError {
    int line;
    QString message;
    bool reported = false;
};

// One parsed text. Its local procedures are visible to code of this text
// only, including its procedures when they are called later from elsewhere.
struct Unit {
    Program program;
    QHash<QString, const ProcDef*> localProcs;
    // Read from a file (a sourced script, a scene file): only such a text
    // may define local procedures.
    bool fromFile = false;
};
using UnitPtr = std::shared_ptr<Unit>;

// An evaluated argument. An argument that was a plain `$var` keeps the
// variable itself, so array arguments reach procedures by reference and
// nothing copies the value meanwhile.
struct CallArg {
    Value value;
    VarRef ref;
    bool flag = false;
    // A number or a bare word as written in the text, if the argument was one.
    QString literal;

    const Value& val() const { return ref ? ref->value : value; }
};

enum class TextKind { Command, Script, Scene };

class Engine;
class Lexer;

// What running a file statement by statement reports to its reader.
class StatementHooks
{
public:
    virtual ~StatementHooks() = default;
    // A statement starts at offset start of the text, on line.
    virtual void begin(int start, int line) = 0;
    // It ended at offset end: ok, or failed with message (empty when the
    // host had reported it already); line is where the error was.
    virtual void finish(int start, int end, int line, bool ok, const QString& message) = 0;
    // A warning met while reading the text ("line N: ...").
    virtual void warning(const QString& text) = 0;
};

// What a built-in command gets.
struct CommandCall {
    Engine& engine;
    const QString& name;
    int line;
    std::vector<CallArg>& args;
    bool commandSyntax;

    HostSession& host() const;
    [[noreturn]] void fail(const QString& message) const;
    // Stops the text for an error the host already logged.
    [[noreturn]] void failReported() const;
    // For a failed host operation: stops quietly when the host logged
    // something since errorsBefore, else with message.
    [[noreturn]] void failHost(int errorsBefore, const QString& message) const;
    void requireArgs(int min, int max) const;
};
using BuiltinFn = Value (*)(CommandCall&);
using BuiltinTable = QHash<QString, BuiltinFn>;

// Filled by the built-in command files.
void addSceneCommands(BuiltinTable& table);
void addNamespaceCommands(BuiltinTable& table);
void addAttributeCommands(BuiltinTable& table);
void addAttributeQueryCommands(BuiltinTable& table);
void addConnectionCommands(BuiltinTable& table);
void addFileCommands(BuiltinTable& table);
void addReferenceCommands(BuiltinTable& table);
void addSceneFileCommands(BuiltinTable& table);
void addStringCommands(BuiltinTable& table);
void addSystemCommands(BuiltinTable& table);
void addUndoCommands(BuiltinTable& table);

class Engine
{
public:
    explicit Engine(HostSession& host);
    ~Engine();

    // Runs one text on its own: an error stops it and is logged once.
    MStatus run(const QString& text, QString* result, TextKind kind, Value* value = nullptr);
    // Runs a text inside the running one (eval, source): its errors stop
    // the caller too. Returns the value of its last statement. fromFile:
    // the text is a sourced file.
    Value runNested(const QString& text, int line, bool fromFile = false);
    // Runs a file's text as the host reads a scene: statement by statement
    // in one frame, a failing statement reported and the next one read.
    // False (with the error logged) when the text cannot run at all: too
    // deeply nested in other texts.
    bool runFile(const QString& text, StatementHooks& hooks);
    // Forgets global variables and procedures.
    void reset();
    // Statements an outermost text (with all it runs) may execute before it
    // is interrupted, and bytes its variables may hold; 0 for no limit.
    void setStepBudget(qint64 steps) { stepBudget_ = steps; }
    void setMemoryBudget(qint64 bytes) { memoryBudget_ = bytes; }
    // Called before a value grows by bytes: fails when the variables of all
    // frames would then hold more than the memory budget.
    void checkGrowth(qint64 oldBytes, qint64 newBytes, int line);

    HostSession& host() { return host_; }
    // A scene file is being read (createNode leaves the selection alone).
    bool readingScene() const { return !kinds_.empty() && kinds_.back() == TextKind::Scene; }

private:
    enum class Flow { Normal, Break, Continue, Return };

    struct Frame {
        UnitPtr unit;
        std::vector<QHash<QString, VarRef>> scopes;
        Value returnValue;
        bool returned = false;
    };
    struct FrameGuard {
        FrameGuard(Engine* e, Frame* f) : engine(e) { engine->frames_.push_back(f); }
        ~FrameGuard() { engine->frames_.pop_back(); }
        Engine* engine;
    };
    struct ScopeGuard;
    struct DepthGuard;
    struct GlobalProc {
        UnitPtr unit;
        const ProcDef* def = nullptr;
    };

    Value runUnit(const UnitPtr& unit, bool* hasValue);
    // The statement at the lexer as a built-in command of literal
    // arguments, run without building a tree; false (lexer back where it
    // was) when it is anything else.
    bool runPlainCommand(Lexer& lex, int start, int line);
    bool enterText();
    void leaveText();
    // Parses text into unit, logging its warnings; false on a syntax error.
    bool parseUnit(const QString& text, Unit* unit, int* errorLine);
    Flow exec(const Stmt* s);
    Flow execLoopBody(const Stmt* body, bool* stop);
    void declare(const DeclStmt* d);
    void defineProc(const ProcDef* def);

    Value eval(const Expr* e);
    Value evalIndex(const IndexExpr* e);
    Value evalUnary(const UnaryExpr* e);
    Value evalAssign(const AssignExpr* e);
    Value evalIncDec(const IncDecExpr* e);
    Value evalArrayLiteral(const ArrayLiteralExpr* e);
    Value evalCall(const CallExpr* e);
    Value binary(const QString& op, const Value& a, const Value& b, int line);
    bool truthy(const Value& v, int line);

    Value callProc(const UnitPtr& unit, const ProcDef* def, std::vector<CallArg>& args, int line);
    Value callPluginCommand(const QString& name, std::vector<CallArg>& args, int line);

    VarRef lookup(const QString& name) const;
    VarRef requireVar(const QString& name, int line) const;
    VarRef declareLocal(const QString& name, Type type);
    Value converted(const Value& v, Type type, int line) const;
    int arrayIndex(const Expr* index, int line);

    [[noreturn]] static void fail(int line, const QString& message);

    HostSession& host_;
    BuiltinTable builtins_;
    // The commands scene files are made of, found without building their
    // names, and argument lists kept for reuse, one per text nesting level.
    std::vector<std::pair<QString, BuiltinFn>> fileCommands_;
    std::deque<std::vector<CallArg>> argPool_; // grows without moving what is in use
    QHash<QString, VarRef> globals_;
    QHash<QString, GlobalProc> globalProcs_;
    std::vector<Frame*> frames_;
    std::vector<TextKind> kinds_;
    int depth_ = 0;
    int texts_ = 0;
    int line_ = 0; // of the statement running, for errors not raised by MEL
    const char* stackBase_ = nullptr; // where the outermost text began
    qint64 stepBudget_ = 0;
    qint64 steps_ = 0; // run by the outermost text so far
    qint64 stepBase_ = 0; // where the budget counts from (a file's statement)
    qint64 memoryBudget_ = 0;

    qint64 heldBytes() const;
};

} // namespace mel
} // namespace qbhost
#endif
