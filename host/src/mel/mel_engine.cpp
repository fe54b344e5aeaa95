#include "mel_engine.h"
#include "mel_parser.h"

#include <qbhost/host_session.h>

#include <QtCore/QSet>

#include <exception>
#include <new>

namespace qbhost {
namespace mel {

// ---- guards -------------------------------------------------------------------

struct Engine::ScopeGuard {
    explicit ScopeGuard(Engine* e) : frame(e->frames_.back())
    {
        frame->scopes.emplace_back();
    }
    ~ScopeGuard() { frame->scopes.pop_back(); }
    Frame* frame;
};

namespace {

size_t stackUsed(const char* base)
{
    const char* here = static_cast<const char*>(__builtin_frame_address(0));
    return base > here ? static_cast<size_t>(base - here) : static_cast<size_t>(here - base);
}

} // namespace

struct Engine::DepthGuard {
    DepthGuard(Engine* e, int line) : engine(e)
    {
        if (engine->depth_ >= kMaxCallDepth
            || (engine->stackBase_ && stackUsed(engine->stackBase_) > kStackBudget))
            fail(line, QStringLiteral("Too many nested procedure calls (more than %1).").arg(engine->depth_));
        ++engine->depth_;
    }
    ~DepthGuard() { --engine->depth_; }
    Engine* engine;
};

// ---- CommandCall --------------------------------------------------------------

HostSession& CommandCall::host() const
{
    return engine.host();
}

void CommandCall::fail(const QString& message) const
{
    throw MelError{line, message, false};
}

void CommandCall::failReported() const
{
    throw MelError{line, QString(), true};
}

void CommandCall::failHost(int errorsBefore, const QString& message) const
{
    if (host().errors().size() > errorsBefore)
        failReported();
    fail(message);
}

void CommandCall::requireArgs(int min, int max) const
{
    const int n = static_cast<int>(args.size());
    if (n < min || (max >= 0 && n > max))
        fail(QStringLiteral("Wrong number of arguments on call to %1.").arg(name));
}

// ---- engine -------------------------------------------------------------------

Engine::Engine(HostSession& host) : host_(host)
{
    addSceneCommands(builtins_);
    addNamespaceCommands(builtins_);
    addAttributeCommands(builtins_);
    addAttributeQueryCommands(builtins_);
    addConnectionCommands(builtins_);
    addFileCommands(builtins_);
    addReferenceCommands(builtins_);
    addSceneFileCommands(builtins_);
    addStringCommands(builtins_);
    addSystemCommands(builtins_);
    addUndoCommands(builtins_);
    for (const char* name : {"setAttr", "createNode", "rename", "connectAttr", "addAttr", "select", "lockNode",
                             "fileInfo", "requires", "relationship", "parent", "file", "currentUnit",
                             "dataStructure", "disconnectAttr"}) {
        const QString n = QLatin1String(name);
        fileCommands_.emplace_back(n, builtins_.value(n));
    }
}

Engine::~Engine() = default;

void Engine::fail(int line, const QString& message)
{
    throw MelError{line, message, false};
}

void Engine::reset()
{
    globals_.clear();
    globalProcs_.clear();
}

bool Engine::enterText()
{
    if (texts_ >= kMaxTextNesting || (stackBase_ && stackUsed(stackBase_) > kStackBudget)) {
        host_.logError(QStringLiteral("line 1: Too many nested texts (more than %1).").arg(texts_));
        return false;
    }
    if (texts_++ == 0) {
        stackBase_ = static_cast<const char*>(__builtin_frame_address(0));
        steps_ = 0;
    }
    return true;
}

void Engine::leaveText()
{
    if (--texts_ == 0)
        stackBase_ = nullptr;
}

MStatus Engine::run(const QString& text, QString* result, TextKind kind, Value* value)
{
    if (result)
        result->clear();
    if (!enterText())
        return MS::kFailure;
    struct TextCount {
        Engine* e;
        ~TextCount() { e->leaveText(); }
    } count{this};
    auto unit = std::make_shared<Unit>();
    unit->fromFile = kind != TextKind::Command;
    int errorLine = 0;
    if (!parseUnit(text, unit.get(), &errorLine)) {
        host_.logError(QStringLiteral("line %1: Syntax error").arg(errorLine));
        return MS::kFailure;
    }
    kinds_.push_back(kind);
    struct KindPop {
        std::vector<TextKind>& k;
        ~KindPop() { k.pop_back(); }
    } pop{kinds_};
    try {
        bool hasValue = false;
        const Value last = runUnit(unit, &hasValue);
        if (result && hasValue)
            *result = last.displayText();
        if (value && hasValue)
            *value = last;
    } catch (const MelError& e) {
        if (!e.reported)
            host_.logError(QStringLiteral("line %1: %2").arg(e.line).arg(e.message));
        return MS::kFailure;
    } catch (const std::bad_alloc&) {
        host_.logError(QStringLiteral("line %1: Out of memory.").arg(line_));
        return MS::kFailure;
    } catch (const std::exception& e) {
        host_.logError(QStringLiteral("line %1: Internal error: %2").arg(line_).arg(QString::fromLocal8Bit(e.what())));
        return MS::kFailure;
    }
    return MS::kSuccess;
}

bool Engine::parseUnit(const QString& text, Unit* unit, int* errorLine)
{
    Parser parser(text);
    const bool ok = parser.parse(&unit->program, errorLine);
    for (const QString& w : parser.warnings())
        host_.logWarning(w);
    return ok;
}

Value Engine::runNested(const QString& text, int line, bool fromFile)
{
    DepthGuard depth(this, line);
    auto unit = std::make_shared<Unit>();
    unit->fromFile = fromFile;
    int errorLine = 0;
    if (!parseUnit(text, unit.get(), &errorLine))
        fail(errorLine, QStringLiteral("Syntax error"));
    bool hasValue = false;
    return runUnit(unit, &hasValue);
}

Value Engine::runUnit(const UnitPtr& unit, bool* hasValue)
{
    Frame frame;
    frame.unit = unit;
    frame.scopes.emplace_back();
    FrameGuard guard(this, &frame);
    Value last;
    *hasValue = false;
    for (const StmtPtr& s : unit->program.statements) {
        line_ = s->line;
        // The value of the text is that of its last top-level statement;
        // it is kept here only, so loops never hold an extra reference to
        // an array they are growing.
        if (s->kind == Stmt::ExprS) {
            last = eval(static_cast<const ExprStmt*>(s.get())->expr.get());
            *hasValue = true;
            continue;
        }
        if (s->kind == Stmt::Decl) {
            declare(static_cast<const DeclStmt*>(s.get()));
            const Declarator& d = static_cast<const DeclStmt*>(s.get())->vars.back();
            last = lookup(d.name)->value;
            *hasValue = true;
            continue;
        }
        *hasValue = false;
        if (exec(s.get()) == Flow::Return)
            break;
    }
    return last;
}

// ---- statements ---------------------------------------------------------------

Engine::Flow Engine::execLoopBody(const Stmt* body, bool* stop)
{
    const Flow f = exec(body);
    *stop = f == Flow::Break || f == Flow::Return;
    return f == Flow::Return ? Flow::Return : Flow::Normal;
}

Engine::Flow Engine::exec(const Stmt* s)
{
    line_ = s->line;
    if (stepBudget_ > 0 && ++steps_ > stepBudget_)
        fail(s->line, QStringLiteral("Script interrupted: more than %1 statements run.").arg(stepBudget_ - stepBase_));
    switch (s->kind) {
    case Stmt::Empty:
        return Flow::Normal;
    case Stmt::ExprS:
        eval(static_cast<const ExprStmt*>(s)->expr.get());
        return Flow::Normal;
    case Stmt::Decl:
        declare(static_cast<const DeclStmt*>(s));
        return Flow::Normal;
    case Stmt::Block: {
        ScopeGuard scope(this);
        for (const StmtPtr& child : static_cast<const BlockStmt*>(s)->body) {
            const Flow f = exec(child.get());
            if (f != Flow::Normal)
                return f;
        }
        return Flow::Normal;
    }
    case Stmt::If: {
        const auto* i = static_cast<const IfStmt*>(s);
        if (truthy(eval(i->cond.get()), i->line))
            return exec(i->then.get());
        if (i->otherwise)
            return exec(i->otherwise.get());
        return Flow::Normal;
    }
    case Stmt::While: {
        const auto* w = static_cast<const WhileStmt*>(s);
        while (truthy(eval(w->cond.get()), w->line)) {
            bool stop = false;
            const Flow f = execLoopBody(w->body.get(), &stop);
            if (stop)
                return f;
        }
        return Flow::Normal;
    }
    case Stmt::DoWhile: {
        const auto* w = static_cast<const WhileStmt*>(s);
        do {
            bool stop = false;
            const Flow f = execLoopBody(w->body.get(), &stop);
            if (stop)
                return f;
        } while (truthy(eval(w->cond.get()), w->line));
        return Flow::Normal;
    }
    case Stmt::For: {
        const auto* f = static_cast<const ForStmt*>(s);
        for (const ExprPtr& e : f->init)
            eval(e.get());
        while (!f->cond || truthy(eval(f->cond.get()), f->line)) {
            bool stop = false;
            const Flow flow = execLoopBody(f->body.get(), &stop);
            if (stop)
                return flow;
            for (const ExprPtr& e : f->step)
                eval(e.get());
        }
        return Flow::Normal;
    }
    case Stmt::ForIn: {
        const auto* f = static_cast<const ForInStmt*>(s);
        // The loop walks the array as it was when the loop began.
        const Value items = eval(f->array.get());
        if (!items.isArray())
            fail(f->line, QStringLiteral("The expression after \"in\" must be an array."));
        VarRef var = lookup(f->var);
        if (!var)
            var = declareLocal(f->var, elementType(items.type()));
        if (var->value.isArray())
            fail(f->line, QStringLiteral("Cannot convert data of type %1 to type %2.")
                              .arg(typeName(elementType(items.type())), typeName(var->type)));
        const int n = items.arraySize();
        for (int i = 0; i < n; ++i) {
            var->value = converted(items.element(i), var->type, f->line);
            bool stop = false;
            const Flow flow = execLoopBody(f->body.get(), &stop);
            if (stop)
                return flow;
        }
        return Flow::Normal;
    }
    case Stmt::Break:
        return Flow::Break;
    case Stmt::Continue:
        return Flow::Continue;
    case Stmt::Return: {
        const auto* r = static_cast<const ReturnStmt*>(s);
        Frame* frame = frames_.back();
        frame->returned = true;
        frame->returnValue = r->value ? eval(r->value.get()) : Value();
        return Flow::Return;
    }
    case Stmt::Proc:
        defineProc(static_cast<const ProcStmt*>(s)->proc.get());
        return Flow::Normal;
    }
    return Flow::Normal;
}

void Engine::declare(const DeclStmt* d)
{
    for (const Declarator& v : d->vars) {
        const Type type = v.array ? arrayTypeOf(d->baseType) : d->baseType;
        Value init = Value::defaultOf(type);
        if (v.init) {
            init = converted(eval(v.init.get()), type, v.line);
        } else if (v.size) {
            const int n = eval(v.size.get()).toInt();
            if (n < 0 || n > kMaxArraySize)
                fail(v.line, QStringLiteral("Invalid array size %1.").arg(n));
            checkGrowth(0, qint64(n) * (type == Type::StringArray ? 8 : type == Type::FloatArray ? 8 : 4), v.line);
            if (n > 0)
                init.setElement(n - 1, Value::defaultOf(elementType(type)));
        }
        QHash<QString, VarRef>& scope = frames_.back()->scopes.back();
        if (d->global) {
            VarRef g = globals_.value(v.name);
            if (g && g->type != type)
                fail(v.line, QStringLiteral("Invalid redeclaration of variable \"$%1\" as a different type.")
                                 .arg(v.name));
            // A global is initialised when it is first declared only.
            if (!g) {
                g = std::make_shared<Variable>(Variable{type, init});
                globals_.insert(v.name, g);
            }
            scope.insert(v.name, g);
            continue;
        }
        auto it = scope.find(v.name);
        if (it != scope.end()) {
            if ((*it)->type != type)
                fail(v.line, QStringLiteral("Invalid redeclaration of variable \"$%1\" as a different type.")
                                 .arg(v.name));
            (*it)->value = init;
            continue;
        }
        scope.insert(v.name, std::make_shared<Variable>(Variable{type, init}));
    }
}

void Engine::defineProc(const ProcDef* def)
{
    if (builtins_.contains(def->name) || host_.hasCommand(def->name))
        host_.logWarning(QStringLiteral("Procedure \"%1\" will not be called: a command of that name comes first.")
                             .arg(def->name));
    const UnitPtr& unit = frames_.back()->unit;
    if (def->global) {
        globalProcs_.insert(def->name, GlobalProc{unit, def});
        return;
    }
    // The host keeps local procedures for script files it sources; typed,
    // evaluated or queued text must define them with "global proc".
    if (!unit->fromFile)
        fail(def->line, QStringLiteral("Cannot define the local procedure \"%1\" here: only a sourced script "
                                       "file may hold local procedures (use \"global proc\").")
                            .arg(def->name));
    unit->localProcs.insert(def->name, def);
}

// ---- variables ----------------------------------------------------------------

VarRef Engine::lookup(const QString& name) const
{
    const Frame* frame = frames_.back();
    for (auto it = frame->scopes.rbegin(); it != frame->scopes.rend(); ++it) {
        auto found = it->constFind(name);
        if (found != it->constEnd())
            return *found;
    }
    return VarRef();
}

VarRef Engine::requireVar(const QString& name, int line) const
{
    VarRef v = lookup(name);
    if (!v)
        fail(line, QStringLiteral("\"$%1\" is an undeclared variable.").arg(name));
    return v;
}

VarRef Engine::declareLocal(const QString& name, Type type)
{
    VarRef v = std::make_shared<Variable>(Variable{type, Value::defaultOf(type)});
    frames_.back()->scopes.back().insert(name, v);
    return v;
}

Value Engine::converted(const Value& v, Type type, int line) const
{
    Value out;
    if (!v.convertTo(type, &out))
        fail(line, QStringLiteral("Cannot convert data of type %1 to type %2.").arg(typeName(v.type()), typeName(type)));
    return out;
}

// ---- calls --------------------------------------------------------------------

Value Engine::evalCall(const CallExpr* c)
{
    std::vector<CallArg> args;
    args.reserve(c->args.size());
    for (const CallArgNode& node : c->args) {
        CallArg a;
        if (node.expr->kind == Expr::Variable)
            a.ref = requireVar(static_cast<const VariableExpr*>(node.expr.get())->name, node.expr->line);
        else
            a.value = eval(node.expr.get());
        if (node.expr->kind == Expr::Literal)
            a.literal = static_cast<const LiteralExpr*>(node.expr.get())->text;
        if (node.flag) {
            a.flag = true;
        } else if (!c->commandSyntax && !a.ref && a.value.isString()) {
            // ls("-sl"): in function syntax flags are strings.
            const QString& s = a.value.stringRef();
            a.flag = s.size() > 1 && s.at(0) == QLatin1Char('-') && s.at(1).isLetter();
        }
        args.push_back(std::move(a));
    }

    auto builtin = builtins_.constFind(c->name);
    if (builtin != builtins_.constEnd()) {
        CommandCall call{*this, c->name, c->line, args, c->commandSyntax};
        return (*builtin)(call);
    }
    if (host_.hasCommand(c->name))
        return callPluginCommand(c->name, args, c->line);
    const UnitPtr& unit = frames_.back()->unit;
    auto local = unit->localProcs.constFind(c->name);
    // A local procedure is known only below its definition in the file.
    if (local != unit->localProcs.constEnd() && (*local)->pos <= c->pos)
        return callProc(unit, *local, args, c->line);
    auto global = globalProcs_.constFind(c->name);
    if (global != globalProcs_.constEnd()) {
        // A copy: the procedure may redefine itself while it runs.
        const GlobalProc proc = *global;
        return callProc(proc.unit, proc.def, args, c->line);
    }
    fail(c->line, QStringLiteral("Cannot find procedure \"%1\".").arg(c->name));
}

Value Engine::callProc(const UnitPtr& unit, const ProcDef* def, std::vector<CallArg>& args, int line)
{
    if (args.size() != def->params.size())
        fail(line, QStringLiteral("Wrong number of arguments on call to %1.").arg(def->name));
    DepthGuard depth(this, line);
    Frame frame;
    frame.unit = unit;
    frame.scopes.emplace_back();
    QHash<QString, VarRef>& scope = frame.scopes.back();
    for (size_t i = 0; i < args.size(); ++i) {
        const Param& p = def->params[i];
        CallArg& a = args[i];
        // Arrays are passed by reference, scalars by value.
        if (isArrayType(p.type) && a.ref && a.ref->type == p.type)
            scope.insert(p.name, a.ref);
        else
            scope.insert(p.name, std::make_shared<Variable>(Variable{p.type, converted(a.val(), p.type, line)}));
    }
    FrameGuard guard(this, &frame);
    exec(def->body.get());
    if (!def->hasReturn)
        return Value();
    if (!frame.returned)
        return Value::defaultOf(def->returnType);
    return converted(frame.returnValue, def->returnType, line);
}

Value Engine::callPluginCommand(const QString& name, std::vector<CallArg>& args, int line)
{
    QList<Argument> list;
    list.reserve(static_cast<int>(args.size()));
    for (const CallArg& a : args) {
        const Value& v = a.val();
        switch (v.type()) {
        case Type::Int:
        case Type::Float: list << Argument::numberValue(v.toFloat()); break;
        case Type::String: list << Argument::string(v.stringRef()); break;
        default: list << Argument::stringArray(v.toStringList()); break;
        }
    }
    const int errorsBefore = host_.errors().size();
    MStatus st;
    try {
        st = host_.runCommand(name, list);
    } catch (const MelError&) {
        throw;
    } catch (const std::exception& e) {
        // A plug-in's exception must not take the host down.
        fail(line, QStringLiteral("%1: %2").arg(name, QString::fromLocal8Bit(e.what())));
    } catch (...) {
        fail(line, QStringLiteral("%1: unknown exception").arg(name));
    }
    if (!st) {
        if (host_.errors().size() > errorsBefore)
            throw MelError{line, QString(), true};
        fail(line, QStringLiteral("%1: %2").arg(name, QString::fromUtf8(st.errorString().asChar())));
    }
    return Value();
}

// ---- memory budget ----------------------------------------------------------

namespace {

// Approximate bytes of a value: what an array or a string allocates.
qint64 footprint(const Value& v)
{
    switch (v.type()) {
    case Type::String: return qint64(v.stringRef().size()) * 2;
    case Type::IntArray: return qint64(v.arraySize()) * 4;
    case Type::FloatArray: return qint64(v.arraySize()) * 8;
    // The elements' own characters are not walked: that would make every
    // check as slow as the array is long.
    case Type::StringArray: return qint64(v.arraySize()) * 8;
    default: return 0;
    }
}

} // namespace

qint64 Engine::heldBytes() const
{
    // A variable reached from several scopes (an array passed by reference)
    // counts once.
    QSet<const Variable*> seen;
    qint64 total = 0;
    const auto add = [&](const VarRef& v) {
        if (v && !seen.contains(v.get())) {
            seen.insert(v.get());
            total += footprint(v->value);
        }
    };
    for (const VarRef& v : globals_)
        add(v);
    for (const Frame* f : frames_)
        for (const auto& scope : f->scopes)
            for (const VarRef& v : scope)
                add(v);
    return total;
}

void Engine::checkGrowth(qint64 oldBytes, qint64 newBytes, int line)
{
    // The variables are walked only when the value crosses a 256 KiB step,
    // so growing one element at a time stays cheap.
    const int kStepShift = 18;
    if (memoryBudget_ <= 0 || newBytes <= oldBytes || (oldBytes >> kStepShift) == (newBytes >> kStepShift))
        return;
    if (heldBytes() - oldBytes + newBytes > memoryBudget_)
        fail(line, QStringLiteral("Out of memory: the script's variables would hold more than %1 MiB.")
                       .arg(memoryBudget_ >> 20));
}

} // namespace mel
} // namespace qbhost
