#ifndef QBHOST_MEL_AST_H
#define QBHOST_MEL_AST_H
// The parsed form of a MEL text. Nodes carry the line they start on, for
// "line N:" in error messages.

#include "mel_value.h"

#include <QtCore/QString>

#include <memory>
#include <vector>

namespace qbhost {
namespace mel {

struct Expr {
    enum Kind {
        Literal,
        Variable,
        Index,
        Unary,
        Binary,
        Logical,
        Ternary,
        Assign,
        IncDec,
        ArrayLiteral,
        Call
    };
    explicit Expr(Kind k, int l) : kind(k), line(l) {}
    virtual ~Expr() = default;
    Kind kind;
    int line;
};
using ExprPtr = std::unique_ptr<Expr>;

struct LiteralExpr : Expr {
    LiteralExpr(int l, Value v) : Expr(Literal, l), value(std::move(v)) {}
    LiteralExpr(int l, Value v, QString t) : Expr(Literal, l), value(std::move(v)), text(std::move(t)) {}
    Value value;
    QString text; // a number argument as written, kept for values stored as written
};

struct VariableExpr : Expr {
    VariableExpr(int l, QString n) : Expr(Variable, l), name(std::move(n)) {}
    QString name; // without '$'
};

struct IndexExpr : Expr {
    IndexExpr(int l, QString n, ExprPtr i) : Expr(Index, l), name(std::move(n)), index(std::move(i)) {}
    QString name;
    ExprPtr index;
};

struct UnaryExpr : Expr {
    UnaryExpr(int l, QChar o, ExprPtr e) : Expr(Unary, l), op(o), operand(std::move(e)) {}
    QChar op; // '-', '+', '!'
    ExprPtr operand;
};

struct BinaryExpr : Expr {
    BinaryExpr(int l, QString o, ExprPtr a, ExprPtr b)
        : Expr(Binary, l), op(std::move(o)), lhs(std::move(a)), rhs(std::move(b))
    {
    }
    QString op; // + - * / % == != < > <= >=
    ExprPtr lhs, rhs;
};

struct LogicalExpr : Expr {
    LogicalExpr(int l, bool isAnd, ExprPtr a, ExprPtr b)
        : Expr(Logical, l), andOp(isAnd), lhs(std::move(a)), rhs(std::move(b))
    {
    }
    bool andOp;
    ExprPtr lhs, rhs;
};

struct TernaryExpr : Expr {
    TernaryExpr(int l, ExprPtr c, ExprPtr a, ExprPtr b)
        : Expr(Ternary, l), cond(std::move(c)), then(std::move(a)), otherwise(std::move(b))
    {
    }
    ExprPtr cond, then, otherwise;
};

// target is a VariableExpr or an IndexExpr.
struct AssignExpr : Expr {
    AssignExpr(int l, QChar o, ExprPtr t, ExprPtr v)
        : Expr(Assign, l), op(o), target(std::move(t)), value(std::move(v))
    {
    }
    QChar op; // '=', '+', '-', '*', '/'
    ExprPtr target, value;
};

struct IncDecExpr : Expr {
    IncDecExpr(int l, bool inc, bool pre, ExprPtr t)
        : Expr(IncDec, l), increment(inc), prefix(pre), target(std::move(t))
    {
    }
    bool increment, prefix;
    ExprPtr target;
};

struct ArrayLiteralExpr : Expr {
    explicit ArrayLiteralExpr(int l) : Expr(ArrayLiteral, l) {}
    std::vector<ExprPtr> items;
};

struct CallArgNode {
    ExprPtr expr;
    bool flag = false; // a bare "-name" word of command syntax
};

// A procedure or command call, in function syntax `f(a, b)`, in command
// syntax `f -x a b` or between back-quotes.
struct CallExpr : Expr {
    CallExpr(int l, QString n, bool cmd) : Expr(Call, l), name(std::move(n)), commandSyntax(cmd) {}
    QString name;
    bool commandSyntax;
    std::vector<CallArgNode> args;
    int pos = 0; // offset of the name in the text: a local procedure is seen only after its definition
};

struct Stmt;
using StmtPtr = std::unique_ptr<Stmt>;

struct Stmt {
    enum Kind { ExprS, Decl, Block, If, While, DoWhile, For, ForIn, Break, Continue, Return, Proc, Empty };
    Stmt(Kind k, int l) : kind(k), line(l) {}
    virtual ~Stmt() = default;
    Kind kind;
    int line;
};

struct ExprStmt : Stmt {
    ExprStmt(int l, ExprPtr e) : Stmt(ExprS, l), expr(std::move(e)) {}
    ExprPtr expr;
};

struct Declarator {
    int line = 0;
    QString name;
    bool array = false;
    ExprPtr size; // `int $a[5]`
    ExprPtr init;
};

struct DeclStmt : Stmt {
    DeclStmt(int l, bool g, Type t) : Stmt(Decl, l), global(g), baseType(t) {}
    bool global;
    Type baseType; // scalar type; a declarator may make it an array
    std::vector<Declarator> vars;
};

struct BlockStmt : Stmt {
    explicit BlockStmt(int l) : Stmt(Block, l) {}
    std::vector<StmtPtr> body;
};

struct IfStmt : Stmt {
    explicit IfStmt(int l) : Stmt(If, l) {}
    ExprPtr cond;
    StmtPtr then, otherwise;
};

struct WhileStmt : Stmt {
    WhileStmt(Kind k, int l) : Stmt(k, l) {}
    ExprPtr cond;
    StmtPtr body;
};

struct ForStmt : Stmt {
    explicit ForStmt(int l) : Stmt(For, l) {}
    std::vector<ExprPtr> init, step;
    ExprPtr cond; // may be null: loops until break
    StmtPtr body;
};

struct ForInStmt : Stmt {
    explicit ForInStmt(int l) : Stmt(ForIn, l) {}
    QString var;
    ExprPtr array;
    StmtPtr body;
};

struct ReturnStmt : Stmt {
    explicit ReturnStmt(int l) : Stmt(Return, l) {}
    ExprPtr value;
};

struct Param {
    Type type;
    QString name;
};

struct ProcDef {
    int line = 0;
    int pos = 0; // offset of "proc" in the text
    QString name;
    bool global = false;
    bool hasReturn = false;
    Type returnType = Type::String;
    std::vector<Param> params;
    std::unique_ptr<BlockStmt> body;
};

struct ProcStmt : Stmt {
    ProcStmt(int l, std::unique_ptr<ProcDef> p) : Stmt(Proc, l), proc(std::move(p)) {}
    std::unique_ptr<ProcDef> proc;
};

struct Program {
    std::vector<StmtPtr> statements;
};

} // namespace mel
} // namespace qbhost
#endif
