#ifndef QBHOST_MEL_LEXER_H
#define QBHOST_MEL_LEXER_H
// MEL's lexer. MEL has two lexical modes: expressions (operators, numbers,
// `$vars`) and command arguments, where `hero:arm_ctrl`, `-r` or `*_ctrl`
// are single words. The parser chooses the mode token by token; both read
// the same position, so the text is scanned once from start to end.

#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

namespace qbhost {
namespace mel {

enum class Tok { End, Ident, Var, Int, Float, String, Backquote, Punct, Error };

struct Token {
    Tok kind = Tok::End;
    int line = 1;
    int pos = 0;     // offset of the first character
    QString text;    // identifier, variable name without '$', decoded string, operator
    int intValue = 0;
    double floatValue = 0.0;

    bool is(const char* punct) const { return kind == Tok::Punct && text == QLatin1String(punct); }
    bool isIdent(const char* word) const { return kind == Tok::Ident && text == QLatin1String(word); }
};

enum class ArgKind {
    End,            // end of text
    Semicolon,      // consumed
    CloseBrace,     // '}', not consumed
    BackquoteOpen,  // consumed
    BackquoteClose, // consumed (only inside a back-quote)
    String,
    Var,            // name in text; the caller reads an index after it
    Int,
    Float,
    Word,           // bare word
    Flag,           // bare word "-name"
    Paren,          // '(' consumed: an expression follows
    Brace,          // '{', not consumed: an array literal follows
    Error
};

struct ArgToken {
    ArgKind kind = ArgKind::End;
    int line = 1;
    QString text;
    int intValue = 0;
    double floatValue = 0.0;
};

class Lexer
{
public:
    explicit Lexer(const QString& source);

    // Next token in expression mode.
    Token next();
    // Next command argument; insideBackquote makes '`' close the command.
    ArgToken nextCommandArg(bool insideBackquote);
    // The next character after blanks and comments (0 at the end).
    QChar peekChar();
    // The character at the position, blanks not skipped.
    QChar currentChar() const { return pos_ < size_ ? data_[pos_] : QChar(); }
    // Skips blanks and comments; false on an unterminated block comment.
    bool skipSpace() { return skipBlanks(); }
    int pos() const { return pos_; }
    // Where the last token read ended.
    int tokenEnd() const { return tokenEnd_; }
    const QChar* data() const { return data_; }
    int size() const { return size_; }

    struct State {
        int pos;
        int line;
    };
    State state() const { return State{pos_, line_}; }
    void restore(State s)
    {
        pos_ = s.pos;
        line_ = s.line;
    }
    int line() const { return line_; }
    // Warnings met while reading ("line N: ..."), in text order.
    const QStringList& warnings() const { return warnings_; }

private:
    Token nextToken();
    ArgToken nextArg(bool insideBackquote);
    void warnEscape(int pos, QChar c);
    // Skips blanks and comments; false on an unterminated block comment.
    bool skipBlanks();
    // At the opening quote: decodes the literal; false when unterminated.
    bool readString(QString* out);
    bool atWordEnd(int i) const;

    QString source_; // keeps data_ alive
    const QChar* data_;
    int size_;
    int pos_ = 0;
    int line_ = 1;
    int tokenEnd_ = 0;
    QStringList warnings_;
    QVector<int> warnedAt_;
};

// A string as a MEL literal, quotes included, escaped so that reading it back
// gives exactly the same characters.
QString quoteString(const QString& s);
// Appends quoteString(s) to out without a temporary.
void appendQuoted(QString& out, const QString& s);

} // namespace mel
} // namespace qbhost
#endif
