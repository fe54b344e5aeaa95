#include "mel_parser.h"

namespace qbhost {
namespace mel {

namespace {

bool typeKeyword(const Token& t, Type* type)
{
    if (t.kind != Tok::Ident)
        return false;
    if (t.text == QLatin1String("int"))
        *type = Type::Int;
    else if (t.text == QLatin1String("float"))
        *type = Type::Float;
    else if (t.text == QLatin1String("string"))
        *type = Type::String;
    else
        return false;
    return true;
}

// Tokens that can begin a command argument: after `f(x)` they mean the
// statement was command syntax with a parenthesised first argument.
bool startsCommandArg(const Token& t)
{
    return t.kind == Tok::Ident || t.kind == Tok::String || t.kind == Tok::Var || t.kind == Tok::Int
           || t.kind == Tok::Float || t.kind == Tok::Backquote || t.is("(");
}

} // namespace

bool isLvalue(const Expr* e)
{
    return e->kind == Expr::Variable || e->kind == Expr::Index;
}

bool isBooleanWord(const QString& w, int* value)
{
    if (w == QLatin1String("true") || w == QLatin1String("on") || w == QLatin1String("yes")) {
        *value = 1;
        return true;
    }
    if (w == QLatin1String("false") || w == QLatin1String("off") || w == QLatin1String("no")) {
        *value = 0;
        return true;
    }
    return false;
}

Parser::Nest::Nest(Parser* parser) : p(parser)
{
    if (++p->depth_ > kMaxNesting)
        p->fail();
}

Parser::Parser(const QString& text) : ownLex_(text), lex_(ownLex_) {}

Parser::Parser(Lexer& lexer) : ownLex_(QString()), lex_(lexer) {}

bool Parser::parseOne(int pos, int line, StmtPtr* out, int* endPos, int* errorLine)
{
    depth_ = 0;
    loopDepth_ = 0;
    proc_ = nullptr;
    seed_.reset();
    try {
        lex_.restore(Lexer::State{pos, line});
        advance();
        *out = parseStatement(true);
        *endPos = prevEnd_;
        return true;
    } catch (const SyntaxError& e) {
        *errorLine = e.line;
        return false;
    }
}

void Parser::fail(int line)
{
    throw SyntaxError{line};
}

void Parser::advance()
{
    prevEnd_ = lex_.tokenEnd();
    cur_ = lex_.next();
    if (cur_.kind == Tok::Error)
        fail();
}

void Parser::expect(const char* punct)
{
    if (!cur_.is(punct))
        fail();
    advance();
}

void Parser::require(const char* punct)
{
    if (!cur_.is(punct))
        fail();
}

void Parser::expectStatementEnd()
{
    // The last statement of a text may omit its ';', as typed commands do.
    if (cur_.kind == Tok::End)
        return;
    expect(";");
}

bool Parser::parse(Program* program, int* errorLine)
{
    try {
        advance();
        while (cur_.kind != Tok::End)
            program->statements.push_back(parseStatement(true));
        return true;
    } catch (const SyntaxError& e) {
        *errorLine = e.line;
        return false;
    }
}

StmtPtr Parser::parseStatement(bool topLevel)
{
    Nest nest(this);
    const int line = cur_.line;
    if (cur_.is("{"))
        return parseBlock();
    if (cur_.is(";")) {
        advance();
        return StmtPtr(new Stmt(Stmt::Empty, line));
    }
    if (cur_.kind == Tok::Ident) {
        const QString& w = cur_.text;
        Type type;
        if (w == QLatin1String("if"))
            return parseIf();
        if (w == QLatin1String("while"))
            return parseWhile();
        if (w == QLatin1String("do"))
            return parseDoWhile();
        if (w == QLatin1String("for"))
            return parseFor();
        if (w == QLatin1String("break") || w == QLatin1String("continue")) {
            if (loopDepth_ == 0)
                fail();
            const bool isBreak = w == QLatin1String("break");
            advance();
            expectStatementEnd();
            return StmtPtr(new Stmt(isBreak ? Stmt::Break : Stmt::Continue, line));
        }
        if (w == QLatin1String("return")) {
            advance();
            auto ret = std::make_unique<ReturnStmt>(line);
            if (!cur_.is(";") && cur_.kind != Tok::End) {
                // A procedure without a return type cannot return a value.
                if (proc_ && !proc_->hasReturn)
                    fail();
                ret->value = parseExpression();
            }
            expectStatementEnd();
            return ret;
        }
        if (w == QLatin1String("global")) {
            advance();
            if (cur_.isIdent("proc"))
                return parseProc(true, topLevel);
            return parseDeclaration(true);
        }
        if (w == QLatin1String("proc"))
            return parseProc(false, topLevel);
        if (typeKeyword(cur_, &type))
            return parseDeclaration(false);
        if (w == QLatin1String("else") || w == QLatin1String("in"))
            fail();
        int boolValue;
        if (!isBooleanWord(w, &boolValue))
            return parseCallStatement();
    }
    ExprPtr e = parseExpression();
    expectStatementEnd();
    return StmtPtr(new ExprStmt(line, std::move(e)));
}

StmtPtr Parser::parseBlock()
{
    auto block = std::make_unique<BlockStmt>(cur_.line);
    expect("{");
    while (!cur_.is("}")) {
        if (cur_.kind == Tok::End)
            fail();
        block->body.push_back(parseStatement(false));
    }
    advance();
    return block;
}

StmtPtr Parser::parseIf()
{
    auto s = std::make_unique<IfStmt>(cur_.line);
    advance();
    expect("(");
    s->cond = parseExpression();
    expect(")");
    s->then = parseStatement(false);
    if (cur_.isIdent("else")) {
        advance();
        s->otherwise = parseStatement(false);
    }
    return s;
}

StmtPtr Parser::parseWhile()
{
    auto s = std::make_unique<WhileStmt>(Stmt::While, cur_.line);
    advance();
    expect("(");
    s->cond = parseExpression();
    expect(")");
    ++loopDepth_;
    s->body = parseStatement(false);
    --loopDepth_;
    return s;
}

StmtPtr Parser::parseDoWhile()
{
    auto s = std::make_unique<WhileStmt>(Stmt::DoWhile, cur_.line);
    advance();
    ++loopDepth_;
    s->body = parseStatement(false);
    --loopDepth_;
    if (!cur_.isIdent("while"))
        fail();
    advance();
    expect("(");
    s->cond = parseExpression();
    expect(")");
    expectStatementEnd();
    return s;
}

StmtPtr Parser::parseFor()
{
    const int line = cur_.line;
    advance();
    expect("(");
    if (cur_.kind == Tok::Var) {
        const Lexer::State state = lex_.state();
        const Token var = cur_;
        advance();
        if (cur_.isIdent("in")) {
            auto s = std::make_unique<ForInStmt>(line);
            s->var = var.text;
            advance();
            s->array = parseExpression();
            expect(")");
            ++loopDepth_;
            s->body = parseStatement(false);
            --loopDepth_;
            return s;
        }
        lex_.restore(state);
        cur_ = var;
    }
    auto s = std::make_unique<ForStmt>(line);
    if (!cur_.is(";")) {
        s->init.push_back(parseExpression());
        while (cur_.is(",")) {
            advance();
            s->init.push_back(parseExpression());
        }
    }
    expect(";");
    if (!cur_.is(";"))
        s->cond = parseExpression();
    expect(";");
    if (!cur_.is(")")) {
        s->step.push_back(parseExpression());
        while (cur_.is(",")) {
            advance();
            s->step.push_back(parseExpression());
        }
    }
    expect(")");
    ++loopDepth_;
    s->body = parseStatement(false);
    --loopDepth_;
    return s;
}

StmtPtr Parser::parseDeclaration(bool global)
{
    Type type;
    if (!typeKeyword(cur_, &type))
        fail();
    auto s = std::make_unique<DeclStmt>(cur_.line, global, type);
    advance();
    for (;;) {
        if (cur_.kind != Tok::Var)
            fail();
        Declarator d;
        d.line = cur_.line;
        d.name = cur_.text;
        advance();
        if (cur_.is("[")) {
            advance();
            if (!cur_.is("]"))
                d.size = parseExpression();
            expect("]");
            d.array = true;
        }
        if (cur_.is("=")) {
            advance();
            d.init = parseExpression();
        }
        s->vars.push_back(std::move(d));
        if (!cur_.is(","))
            break;
        advance();
    }
    expectStatementEnd();
    return s;
}

bool Parser::parseParamType(Type* type)
{
    if (!typeKeyword(cur_, type))
        return false;
    advance();
    return true;
}

StmtPtr Parser::parseProc(bool global, bool topLevel)
{
    // Procedures are defined at the top of a text, never inside another.
    if (!topLevel || proc_)
        fail();
    auto def = std::make_unique<ProcDef>();
    def->line = cur_.line;
    def->pos = cur_.pos;
    def->global = global;
    advance(); // "proc"
    Type type;
    if (parseParamType(&type)) {
        def->hasReturn = true;
        if (cur_.is("[")) {
            advance();
            expect("]");
            type = arrayTypeOf(type);
        }
        def->returnType = type;
    }
    if (cur_.kind != Tok::Ident)
        fail();
    def->name = cur_.text;
    advance();
    expect("(");
    if (!cur_.is(")")) {
        for (;;) {
            Param p;
            if (!parseParamType(&p.type) || cur_.kind != Tok::Var)
                fail();
            p.name = cur_.text;
            advance();
            if (cur_.is("[")) {
                advance();
                expect("]");
                p.type = arrayTypeOf(p.type);
            }
            def->params.push_back(p);
            if (!cur_.is(","))
                break;
            advance();
        }
    }
    expect(")");
    if (!cur_.is("{"))
        fail();
    proc_ = def.get();
    const int loops = loopDepth_;
    loopDepth_ = 0;
    std::unique_ptr<Stmt> body = parseBlock();
    loopDepth_ = loops;
    proc_ = nullptr;
    def->body.reset(static_cast<BlockStmt*>(body.release()));
    const int line = def->line;
    return StmtPtr(new ProcStmt(line, std::move(def)));
}

StmtPtr Parser::parseCallStatement()
{
    const int line = cur_.line;
    const int pos = cur_.pos;
    const QString name = cur_.text;
    if (lex_.peekChar() != QLatin1Char('(')) {
        auto call = std::make_unique<CallExpr>(line, name, true);
        call->pos = pos;
        parseCommandArgs(call.get(), false);
        advance();
        return StmtPtr(new ExprStmt(line, std::move(call)));
    }
    advance(); // '('
    auto call = std::make_unique<CallExpr>(line, name, false);
    call->pos = pos;
    parseCallArgs(call.get());
    if (call->args.size() == 1 && startsCommandArg(cur_)) {
        // `setAttr ($n + ".tx") 1;`: command syntax whose first argument
        // is in parentheses. Read the rest again as command arguments.
        call->commandSyntax = true;
        lex_.restore(Lexer::State{cur_.pos, cur_.line});
        parseCommandArgs(call.get(), false);
        advance();
        return StmtPtr(new ExprStmt(line, std::move(call)));
    }
    if (cur_.is(";") || cur_.kind == Tok::End) {
        expectStatementEnd();
        return StmtPtr(new ExprStmt(line, std::move(call)));
    }
    // `size($a) + 1;`: the call begins an expression.
    seed_ = std::move(call);
    ExprPtr e = parseExpression();
    expectStatementEnd();
    return StmtPtr(new ExprStmt(line, std::move(e)));
}

void Parser::parseCallArgs(CallExpr* call)
{
    Nest nest(this);
    expect("(");
    if (cur_.is(")")) {
        advance();
        return;
    }
    for (;;) {
        CallArgNode arg;
        arg.expr = parseExpression();
        call->args.push_back(std::move(arg));
        if (cur_.is(")"))
            break;
        expect(",");
    }
    advance();
}

void Parser::parseCommandArgs(CallExpr* call, bool insideBackquote)
{
    for (;;) {
        ArgToken a = lex_.nextCommandArg(insideBackquote);
        CallArgNode arg;
        switch (a.kind) {
        case ArgKind::End:
            if (insideBackquote)
                fail(a.line);
            return;
        case ArgKind::Semicolon:
        case ArgKind::CloseBrace:
            if (insideBackquote || a.kind == ArgKind::CloseBrace)
                fail(a.line);
            return;
        case ArgKind::BackquoteClose:
            return;
        case ArgKind::BackquoteOpen:
            arg.expr = parseBackquote(a.line);
            break;
        case ArgKind::String:
            arg.expr.reset(new LiteralExpr(a.line, Value::fromString(a.text)));
            break;
        case ArgKind::Word:
            arg.expr.reset(new LiteralExpr(a.line, Value::fromString(a.text), a.text));
            break;
        case ArgKind::Flag:
            arg.expr.reset(new LiteralExpr(a.line, Value::fromString(a.text)));
            arg.flag = true;
            break;
        case ArgKind::Int:
            arg.expr.reset(new LiteralExpr(a.line, Value::fromInt(a.intValue), a.text));
            break;
        case ArgKind::Float:
            arg.expr.reset(new LiteralExpr(a.line, Value::fromFloat(a.floatValue), a.text));
            break;
        case ArgKind::Var:
            if (lex_.currentChar() == QLatin1Char('[')) {
                advance(); // '['
                advance();
                ExprPtr index = parseExpression();
                require("]");
                arg.expr.reset(new IndexExpr(a.line, a.text, std::move(index)));
            } else {
                arg.expr.reset(new VariableExpr(a.line, a.text));
            }
            break;
        case ArgKind::Paren: {
            Nest nest(this);
            advance();
            arg.expr = parseExpression();
            require(")");
            break;
        }
        case ArgKind::Brace:
            // `select -r {"a", "b"}`: an array literal is one argument.
            arg.expr = parseArrayLiteral();
            break;
        case ArgKind::Error:
            fail(a.line);
        }
        call->args.push_back(std::move(arg));
    }
}

ExprPtr Parser::parseArrayLiteral()
{
    Nest nest(this);
    advance(); // '{'
    auto list = std::make_unique<ArrayLiteralExpr>(cur_.line);
    advance();
    parseArrayItems(list.get());
    require("}");
    return list;
}

void Parser::parseArrayItems(ArrayLiteralExpr* list)
{
    if (cur_.is("}"))
        return;
    for (;;) {
        list->items.push_back(parseExpression());
        if (!cur_.is(","))
            return;
        advance();
    }
}

ExprPtr Parser::parseBackquote(int line)
{
    Nest nest(this);
    advance();
    if (cur_.kind != Tok::Ident)
        fail();
    const QString name = cur_.text;
    const int nameLine = cur_.line;
    const int namePos = cur_.pos;
    if (lex_.peekChar() != QLatin1Char('(')) {
        auto call = std::make_unique<CallExpr>(nameLine, name, true);
        call->pos = namePos;
        parseCommandArgs(call.get(), true);
        return call;
    }
    advance();
    auto call = std::make_unique<CallExpr>(nameLine, name, false);
    call->pos = namePos;
    parseCallArgs(call.get());
    if (cur_.kind != Tok::Backquote)
        fail(line);
    return call;
}

} // namespace mel
} // namespace qbhost
