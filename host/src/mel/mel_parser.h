#ifndef QBHOST_MEL_PARSER_H
#define QBHOST_MEL_PARSER_H
// Parses a whole MEL text before any of it runs: a syntax error anywhere
// means nothing of that text runs, as in the host.

#include "mel_ast.h"
#include "mel_lexer.h"

namespace qbhost {
namespace mel {

// Nesting of blocks, parentheses and back-quotes beyond this is refused as a
// syntax error rather than risking the stack.
constexpr int kMaxNesting = 256;

struct SyntaxError {
    int line;
};

class Parser
{
public:
    explicit Parser(const QString& text);
    // Reads from a lexer of the caller's, one statement at a time.
    explicit Parser(Lexer& lexer);
    // The program, or false with the line of the first error.
    bool parse(Program* program, int* errorLine);
    // The one statement that starts at pos (on line), or false with the
    // line of its error. endPos: where the statement ended.
    bool parseOne(int pos, int line, StmtPtr* out, int* endPos, int* errorLine);
    // Warnings of the text read so far ("line N: ...").
    const QStringList& warnings() const { return lex_.warnings(); }

private:
    [[noreturn]] void fail(int line);
    [[noreturn]] void fail() { fail(cur_.line); }
    void advance();
    void expect(const char* punct);          // checks and advances
    void require(const char* punct);         // checks, leaves the lexer after it
    void expectStatementEnd();

    StmtPtr parseStatement(bool topLevel);
    StmtPtr parseBlock();
    StmtPtr parseIf();
    StmtPtr parseWhile();
    StmtPtr parseDoWhile();
    StmtPtr parseFor();
    StmtPtr parseDeclaration(bool global);
    StmtPtr parseProc(bool global, bool topLevel);
    StmtPtr parseCallStatement();
    bool parseParamType(Type* type);

    // Command syntax: arguments up to ';', the end of the text, or the
    // closing back-quote. Leaves the lexer after the terminator.
    void parseCommandArgs(CallExpr* call, bool insideBackquote);
    // After an opening back-quote; leaves the lexer after the closing one.
    ExprPtr parseBackquote(int line);
    // A `{...}` array literal as a command argument, the lexer at its '{';
    // leaves the lexer after the closing '}'.
    ExprPtr parseArrayLiteral();
    // The items of an array literal up to its closing brace, left unread.
    void parseArrayItems(ArrayLiteralExpr* list);
    void parseCallArgs(CallExpr* call); // function syntax, cur_ at '('

    ExprPtr parseExpression();
    ExprPtr parseTernary();
    ExprPtr parseOr();
    ExprPtr parseAnd();
    ExprPtr parseEquality();
    ExprPtr parseRelational();
    ExprPtr parseAdditive();
    ExprPtr parseMultiplicative();
    ExprPtr parseUnary();
    ExprPtr parsePostfix();
    ExprPtr parsePrimary();

    struct Nest {
        explicit Nest(Parser* p);
        ~Nest() { --p->depth_; }
        Parser* p;
    };

    Lexer ownLex_;
    Lexer& lex_;
    Token cur_;
    int prevEnd_ = 0; // where the token before cur_ ended
    int depth_ = 0;
    int loopDepth_ = 0;
    const ProcDef* proc_ = nullptr;
    // A call already read at the start of a statement, taken by
    // parsePrimary as the first operand of the expression it begins.
    ExprPtr seed_;
};

bool isLvalue(const Expr* e);
// true/on/yes and false/off/no, MEL's boolean words.
bool isBooleanWord(const QString& word, int* value);

} // namespace mel
} // namespace qbhost
#endif
