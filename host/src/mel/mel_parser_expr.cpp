// Expressions, by precedence from assignment down to primaries.
#include "mel_parser.h"

namespace qbhost {
namespace mel {

ExprPtr Parser::parseExpression()
{
    Nest nest(this);
    const int line = cur_.line;
    ExprPtr lhs = parseTernary();
    QChar op;
    if (cur_.is("="))
        op = QLatin1Char('=');
    else if (cur_.is("+=") || cur_.is("-=") || cur_.is("*=") || cur_.is("/="))
        op = cur_.text.at(0);
    else
        return lhs;
    if (!isLvalue(lhs.get()))
        fail();
    advance();
    ExprPtr rhs = parseExpression();
    return ExprPtr(new AssignExpr(line, op, std::move(lhs), std::move(rhs)));
}

ExprPtr Parser::parseTernary()
{
    const int line = cur_.line;
    ExprPtr cond = parseOr();
    if (!cur_.is("?"))
        return cond;
    advance();
    ExprPtr a = parseExpression();
    expect(":");
    ExprPtr b = parseTernary();
    return ExprPtr(new TernaryExpr(line, std::move(cond), std::move(a), std::move(b)));
}

ExprPtr Parser::parseOr()
{
    ExprPtr lhs = parseAnd();
    while (cur_.is("||")) {
        const int line = cur_.line;
        advance();
        lhs.reset(new LogicalExpr(line, false, std::move(lhs), parseAnd()));
    }
    return lhs;
}

ExprPtr Parser::parseAnd()
{
    ExprPtr lhs = parseEquality();
    while (cur_.is("&&")) {
        const int line = cur_.line;
        advance();
        lhs.reset(new LogicalExpr(line, true, std::move(lhs), parseEquality()));
    }
    return lhs;
}

ExprPtr Parser::parseEquality()
{
    ExprPtr lhs = parseRelational();
    while (cur_.is("==") || cur_.is("!=")) {
        const int line = cur_.line;
        const QString op = cur_.text;
        advance();
        lhs.reset(new BinaryExpr(line, op, std::move(lhs), parseRelational()));
    }
    return lhs;
}

ExprPtr Parser::parseRelational()
{
    ExprPtr lhs = parseAdditive();
    while (cur_.is("<") || cur_.is(">") || cur_.is("<=") || cur_.is(">=")) {
        const int line = cur_.line;
        const QString op = cur_.text;
        advance();
        lhs.reset(new BinaryExpr(line, op, std::move(lhs), parseAdditive()));
    }
    return lhs;
}

ExprPtr Parser::parseAdditive()
{
    ExprPtr lhs = parseMultiplicative();
    while (cur_.is("+") || cur_.is("-")) {
        const int line = cur_.line;
        const QString op = cur_.text;
        advance();
        lhs.reset(new BinaryExpr(line, op, std::move(lhs), parseMultiplicative()));
    }
    return lhs;
}

ExprPtr Parser::parseMultiplicative()
{
    ExprPtr lhs = parseUnary();
    while (cur_.is("*") || cur_.is("/") || cur_.is("%")) {
        const int line = cur_.line;
        const QString op = cur_.text;
        advance();
        lhs.reset(new BinaryExpr(line, op, std::move(lhs), parseUnary()));
    }
    return lhs;
}

ExprPtr Parser::parseUnary()
{
    Nest nest(this);
    const int line = cur_.line;
    if (seed_)
        return parsePostfix();
    if (cur_.is("-") || cur_.is("+") || cur_.is("!")) {
        const QChar op = cur_.text.at(0);
        advance();
        return ExprPtr(new UnaryExpr(line, op, parseUnary()));
    }
    if (cur_.is("++") || cur_.is("--")) {
        const bool inc = cur_.is("++");
        advance();
        ExprPtr target = parseUnary();
        if (!isLvalue(target.get()))
            fail(line);
        return ExprPtr(new IncDecExpr(line, inc, true, std::move(target)));
    }
    return parsePostfix();
}

ExprPtr Parser::parsePostfix()
{
    ExprPtr e = parsePrimary();
    if ((cur_.is("++") || cur_.is("--")) && isLvalue(e.get())) {
        const bool inc = cur_.is("++");
        const int line = cur_.line;
        advance();
        return ExprPtr(new IncDecExpr(line, inc, false, std::move(e)));
    }
    return e;
}

ExprPtr Parser::parsePrimary()
{
    if (seed_)
        return std::move(seed_);
    const int line = cur_.line;
    switch (cur_.kind) {
    case Tok::Int: {
        ExprPtr e(new LiteralExpr(line, Value::fromInt(cur_.intValue)));
        advance();
        return e;
    }
    case Tok::Float: {
        ExprPtr e(new LiteralExpr(line, Value::fromFloat(cur_.floatValue)));
        advance();
        return e;
    }
    case Tok::String: {
        ExprPtr e(new LiteralExpr(line, Value::fromString(cur_.text)));
        advance();
        return e;
    }
    case Tok::Var: {
        const QString name = cur_.text;
        advance();
        if (cur_.is("[")) {
            advance();
            ExprPtr index = parseExpression();
            expect("]");
            return ExprPtr(new IndexExpr(line, name, std::move(index)));
        }
        return ExprPtr(new VariableExpr(line, name));
    }
    case Tok::Backquote: {
        ExprPtr e = parseBackquote(line);
        advance();
        return e;
    }
    case Tok::Ident: {
        const QString name = cur_.text;
        const int namePos = cur_.pos;
        advance();
        if (cur_.is("(")) {
            auto call = std::make_unique<CallExpr>(line, name, false);
            call->pos = namePos;
            parseCallArgs(call.get());
            return call;
        }
        int boolValue;
        if (isBooleanWord(name, &boolValue))
            return ExprPtr(new LiteralExpr(line, Value::fromInt(boolValue)));
        fail(line);
    }
    case Tok::Punct:
        if (cur_.is("(")) {
            advance();
            ExprPtr e = parseExpression();
            expect(")");
            return e;
        }
        if (cur_.is("{")) {
            Nest nest(this);
            auto list = std::make_unique<ArrayLiteralExpr>(line);
            advance();
            parseArrayItems(list.get());
            expect("}");
            return list;
        }
        fail();
    default:
        fail();
    }
}

} // namespace mel
} // namespace qbhost
