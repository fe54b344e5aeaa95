// Expressions: operators, MEL's conversions, assignment and arrays.
#include "mel_engine.h"

#include <cmath>
#include <cstdint>

namespace qbhost {
namespace mel {

namespace {

// MEL ints are 32 bits and wrap; computing in 64 bits first keeps C++ free
// of signed overflow.
int wrap(qint64 v)
{
    return static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

// A string operand of an arithmetic operator reads as the number it starts with.
Value numeric(const Value& v)
{
    if (v.isString())
        return stringLooksFloat(v.stringRef()) ? Value::fromFloat(v.toFloat()) : Value::fromInt(v.toInt());
    return v;
}

} // namespace

bool Engine::truthy(const Value& v, int line)
{
    switch (v.type()) {
    case Type::Int: return v.toInt() != 0;
    case Type::Float: return v.toFloat() != 0.0;
    case Type::String: return numeric(v).toFloat() != 0.0;
    default: fail(line, QStringLiteral("An array cannot be used as a condition."));
    }
}

int Engine::arrayIndex(const Expr* index, int line)
{
    const Value v = eval(index);
    if (v.isArray())
        fail(line, QStringLiteral("An array cannot be used as an index."));
    const int i = v.toInt();
    if (i < 0)
        fail(line, QStringLiteral("Array index out of bounds: %1.").arg(i));
    return i;
}

Value Engine::eval(const Expr* e)
{
    switch (e->kind) {
    case Expr::Literal:
        return static_cast<const LiteralExpr*>(e)->value;
    case Expr::Variable:
        return requireVar(static_cast<const VariableExpr*>(e)->name, e->line)->value;
    case Expr::Index:
        return evalIndex(static_cast<const IndexExpr*>(e));
    case Expr::Unary:
        return evalUnary(static_cast<const UnaryExpr*>(e));
    case Expr::Binary: {
        const auto* b = static_cast<const BinaryExpr*>(e);
        const Value lhs = eval(b->lhs.get());
        const Value rhs = eval(b->rhs.get());
        return binary(b->op, lhs, rhs, b->line);
    }
    case Expr::Logical: {
        const auto* l = static_cast<const LogicalExpr*>(e);
        const bool a = truthy(eval(l->lhs.get()), l->line);
        if (l->andOp ? !a : a)
            return Value::fromInt(a ? 1 : 0);
        return Value::fromInt(truthy(eval(l->rhs.get()), l->line) ? 1 : 0);
    }
    case Expr::Ternary: {
        const auto* t = static_cast<const TernaryExpr*>(e);
        return truthy(eval(t->cond.get()), t->line) ? eval(t->then.get()) : eval(t->otherwise.get());
    }
    case Expr::Assign:
        return evalAssign(static_cast<const AssignExpr*>(e));
    case Expr::IncDec:
        return evalIncDec(static_cast<const IncDecExpr*>(e));
    case Expr::ArrayLiteral:
        return evalArrayLiteral(static_cast<const ArrayLiteralExpr*>(e));
    case Expr::Call:
        return evalCall(static_cast<const CallExpr*>(e));
    }
    return Value();
}

Value Engine::evalIndex(const IndexExpr* e)
{
    VarRef v = requireVar(e->name, e->line);
    if (!v->value.isArray())
        fail(e->line, QStringLiteral("\"$%1\" is not an array.").arg(e->name));
    const int i = arrayIndex(e->index.get(), e->line);
    return v->value.element(i);
}

Value Engine::evalUnary(const UnaryExpr* e)
{
    const Value v = eval(e->operand.get());
    if (v.isArray())
        fail(e->line, QStringLiteral("Illegal operation on an array of type %1.").arg(typeName(v.type())));
    if (e->op == QLatin1Char('!'))
        return Value::fromInt(truthy(v, e->line) ? 0 : 1);
    const Value n = numeric(v);
    if (e->op == QLatin1Char('+'))
        return n;
    if (n.type() == Type::Int)
        return Value::fromInt(wrap(-static_cast<qint64>(n.toInt())));
    return Value::fromFloat(-n.toFloat());
}

Value Engine::binary(const QString& op, const Value& a, const Value& b, int line)
{
    if (a.isArray() || b.isArray())
        fail(line, QStringLiteral("Illegal operation \"%1\" on an array.").arg(op));
    const QChar c0 = op.at(0);
    const bool comparison = op.size() == 2 || c0 == QLatin1Char('<') || c0 == QLatin1Char('>');
    if (comparison) {
        int cmp;
        if (a.isString() || b.isString()) {
            cmp = QString::compare(a.toString(), b.toString());
        } else if (a.type() == Type::Float || b.type() == Type::Float) {
            const double x = a.toFloat(), y = b.toFloat();
            cmp = x < y ? -1 : (x > y ? 1 : (x == y ? 0 : 2)); // 2: unordered (NaN)
        } else {
            const int x = a.toInt(), y = b.toInt();
            cmp = x < y ? -1 : (x > y ? 1 : 0);
        }
        bool r = false;
        if (op == QLatin1String("=="))
            r = cmp == 0;
        else if (op == QLatin1String("!="))
            r = cmp != 0;
        else if (cmp != 2) {
            if (op == QLatin1String("<"))
                r = cmp < 0;
            else if (op == QLatin1String(">"))
                r = cmp > 0;
            else if (op == QLatin1String("<="))
                r = cmp <= 0;
            else
                r = cmp >= 0;
        }
        return Value::fromInt(r ? 1 : 0);
    }
    if (c0 == QLatin1Char('+') && (a.isString() || b.isString())) {
        const QString x = a.toString(), y = b.toString();
        if (qint64(x.size()) + y.size() > kMaxStringSize)
            fail(line, QStringLiteral("String too long (more than %1 characters).").arg(kMaxStringSize));
        checkGrowth(qint64(x.size()) * 2, (qint64(x.size()) + y.size()) * 2, line);
        return Value::fromString(x + y);
    }
    const Value x = numeric(a), y = numeric(b);
    if (x.type() == Type::Int && y.type() == Type::Int) {
        const qint64 p = x.toInt(), q = y.toInt();
        switch (c0.unicode()) {
        case '+': return Value::fromInt(wrap(p + q));
        case '-': return Value::fromInt(wrap(p - q));
        case '*': return Value::fromInt(wrap(p * q));
        case '/':
            if (q == 0)
                fail(line, QStringLiteral("Divide by zero."));
            return Value::fromInt(wrap(p / q));
        case '%':
            if (q == 0)
                fail(line, QStringLiteral("Divide by zero."));
            return Value::fromInt(wrap(p % q));
        default: break;
        }
    } else {
        const double p = x.toFloat(), q = y.toFloat();
        switch (c0.unicode()) {
        case '+': return Value::fromFloat(p + q);
        case '-': return Value::fromFloat(p - q);
        case '*': return Value::fromFloat(p * q);
        case '/': return Value::fromFloat(p / q);
        case '%': return Value::fromFloat(std::fmod(p, q));
        default: break;
        }
    }
    fail(line, QStringLiteral("Syntax error"));
}

Value Engine::evalAssign(const AssignExpr* e)
{
    const int line = e->line;
    const QString opText = QString(e->op);
    if (e->target->kind == Expr::Variable) {
        const QString& name = static_cast<const VariableExpr*>(e->target.get())->name;
        VarRef v = lookup(name);
        if (!v && e->op != QLatin1Char('='))
            requireVar(name, line);
        Value rhs = eval(e->value.get());
        if (!v) {
            // First assignment declares the variable with the value's type.
            v = declareLocal(name, rhs.type());
            v->value = rhs;
            return v->value;
        }
        if (e->op == QLatin1Char('=')) {
            v->value = converted(rhs, v->type, line);
        } else if (e->op == QLatin1Char('+') && v->type == Type::String && !rhs.isArray()) {
            // In place: `$s += ...` in a loop stays linear.
            const QString tail = rhs.toString();
            const qint64 had = v->value.stringRef().size();
            if (had + tail.size() > kMaxStringSize)
                fail(line, QStringLiteral("String too long (more than %1 characters).").arg(kMaxStringSize));
            checkGrowth(had * 2, (had + tail.size()) * 2, line);
            v->value.stringRef().append(tail);
        } else {
            v->value = converted(binary(opText, v->value, rhs, line), v->type, line);
        }
        return v->value;
    }

    const auto* target = static_cast<const IndexExpr*>(e->target.get());
    VarRef v = lookup(target->name);
    if (!v && e->op != QLatin1Char('='))
        requireVar(target->name, line);
    const int index = arrayIndex(target->index.get(), line);
    if (index >= kMaxArraySize)
        fail(line, QStringLiteral("Array index %1 is too large.").arg(index));
    const Value rhs = eval(e->value.get());
    if (rhs.isArray())
        fail(line, QStringLiteral("Cannot convert data of type %1 to type %2.")
                       .arg(typeName(rhs.type()), typeName(elementType(rhs.type()))));
    if (!v)
        v = declareLocal(target->name, arrayTypeOf(rhs.type()));
    if (!v->value.isArray())
        fail(line, QStringLiteral("\"$%1\" is not an array.").arg(target->name));
    if (index >= v->value.arraySize()) {
        const qint64 each = v->type == Type::IntArray ? 4 : 8;
        checkGrowth(qint64(v->value.arraySize()) * each, (qint64(index) + 1) * each, line);
    }
    Value element = rhs;
    if (e->op != QLatin1Char('='))
        element = binary(opText, v->value.element(index), rhs, line);
    v->value.setElement(index, converted(element, elementType(v->type), line));
    return v->value.element(index);
}

Value Engine::evalIncDec(const IncDecExpr* e)
{
    const int line = e->line;
    const Value one = Value::fromInt(1);
    const QString op = e->increment ? QStringLiteral("+") : QStringLiteral("-");
    if (e->target->kind == Expr::Variable) {
        VarRef v = requireVar(static_cast<const VariableExpr*>(e->target.get())->name, line);
        if (v->type != Type::Int && v->type != Type::Float)
            fail(line, QStringLiteral("Illegal operation \"%1%1\" on type %2.").arg(op, typeName(v->type)));
        const Value before = v->value;
        v->value = converted(binary(op, before, one, line), v->type, line);
        return e->prefix ? v->value : before;
    }
    const auto* target = static_cast<const IndexExpr*>(e->target.get());
    VarRef v = requireVar(target->name, line);
    if (v->type != Type::IntArray && v->type != Type::FloatArray)
        fail(line, QStringLiteral("Illegal operation \"%1%1\" on type %2.").arg(op, typeName(v->type)));
    const int index = arrayIndex(target->index.get(), line);
    if (index >= kMaxArraySize)
        fail(line, QStringLiteral("Array index %1 is too large.").arg(index));
    if (index >= v->value.arraySize()) {
        const qint64 each = v->type == Type::IntArray ? 4 : 8;
        checkGrowth(qint64(v->value.arraySize()) * each, (qint64(index) + 1) * each, line);
    }
    const Value before = v->value.element(index);
    const Value after = binary(op, before, one, line);
    v->value.setElement(index, after);
    return e->prefix ? v->value.element(index) : before;
}

Value Engine::evalArrayLiteral(const ArrayLiteralExpr* e)
{
    std::vector<Value> items;
    items.reserve(e->items.size());
    bool anyString = false, anyFloat = false;
    for (const ExprPtr& item : e->items) {
        items.push_back(eval(item.get()));
        const Value& v = items.back();
        if (v.isArray())
            fail(e->line, QStringLiteral("An array cannot be an element of an array."));
        anyString = anyString || v.isString();
        anyFloat = anyFloat || v.type() == Type::Float;
    }
    // The element type is the widest of the elements; {} is a string array
    // that converts to whatever it is assigned to.
    if (anyString || items.empty()) {
        QStringList out;
        out.reserve(static_cast<int>(items.size()));
        for (const Value& v : items)
            out << v.toString();
        return Value::fromStringArray(out);
    }
    if (anyFloat) {
        QVector<double> out;
        out.reserve(static_cast<int>(items.size()));
        for (const Value& v : items)
            out << v.toFloat();
        return Value::fromFloatArray(out);
    }
    QVector<int> out;
    out.reserve(static_cast<int>(items.size()));
    for (const Value& v : items)
        out << v.toInt();
    return Value::fromIntArray(out);
}

} // namespace mel
} // namespace qbhost
