#include "mel_lexer.h"

#include <charconv>
#include <cmath>
#include <system_error>

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

bool isDigit(ushort c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(ushort c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Characters that end a bare word in a command's arguments.
bool isWordDelimiter(ushort c)
{
    return isBlank(c) || c == ';' || c == '"' || c == '`' || c == '(' || c == ')' || c == '{'
           || c == '}';
}

// Reads a number at data[i..end): [+-](digits[.digits]|.digits)[e[+-]digits]
// or 0x hex. Returns the length (0 when there is none).
int scanNumber(const QChar* data, int i, int end, bool allowSign, bool* isFloat)
{
    const int start = i;
    *isFloat = false;
    if (allowSign && i < end && (data[i] == QLatin1Char('-') || data[i] == QLatin1Char('+')))
        ++i;
    if (i + 1 < end && data[i] == QLatin1Char('0')
        && (data[i + 1] == QLatin1Char('x') || data[i + 1] == QLatin1Char('X'))) {
        int j = i + 2;
        while (j < end && (isDigit(data[j].unicode()) || (data[j].toLower() >= QLatin1Char('a')
                                                          && data[j].toLower() <= QLatin1Char('f'))))
            ++j;
        if (j > i + 2)
            return j - start;
    }
    int digits = 0;
    while (i < end && isDigit(data[i].unicode())) {
        ++i;
        ++digits;
    }
    if (i < end && data[i] == QLatin1Char('.')) {
        int j = i + 1;
        int frac = 0;
        while (j < end && isDigit(data[j].unicode())) {
            ++j;
            ++frac;
        }
        if (digits + frac > 0) {
            i = j;
            digits += frac;
            *isFloat = true;
        }
    }
    if (digits == 0)
        return 0;
    if (i < end && (data[i] == QLatin1Char('e') || data[i] == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < end && (data[j] == QLatin1Char('-') || data[j] == QLatin1Char('+')))
            ++j;
        int exp = 0;
        while (j < end && isDigit(data[j].unicode())) {
            ++j;
            ++exp;
        }
        if (exp > 0) {
            i = j;
            *isFloat = true;
        }
    }
    return i - start;
}

// The value of a number text scanNumber accepted. Integers too large for
// an int become floats rather than wrapping.
void numberValue(const QString& text, bool isFloat, bool* asFloat, int* i, double* f)
{
    *asFloat = isFloat;
    // The numbers a scene file is made of, read without allocating: a
    // decimal of up to 9 digits, a float of up to 63 characters.
    const int n = text.size();
    const QChar* c = text.constData();
    if (!isFloat && n > 0 && n <= 10) {
        int k = (c[0] == QLatin1Char('-') || c[0] == QLatin1Char('+')) ? 1 : 0;
        if (n - k >= 1 && n - k <= 9) {
            int v = 0;
            bool digits = true;
            for (int j = k; j < n && digits; ++j) {
                digits = c[j].unicode() >= '0' && c[j].unicode() <= '9';
                v = v * 10 + (c[j].unicode() - '0');
            }
            if (digits) {
                *i = c[0] == QLatin1Char('-') ? -v : v;
                return;
            }
        }
    }
    if (isFloat && n < 64) {
        char buffer[64];
        int k = 0;
        if (n > 0 && c[0] == QLatin1Char('+'))
            k = 1; // from_chars takes no plus sign
        int w = 0;
        for (; k < n; ++k)
            buffer[w++] = static_cast<char>(c[k].unicode());
        double v = 0;
        const auto r = std::from_chars(buffer, buffer + w, v);
        if (r.ec == std::errc() && r.ptr == buffer + w) {
            *f = v;
            return;
        }
    }
    if (isFloat) {
        *f = text.toDouble();
        return;
    }
    bool ok = false;
    QString digits = text;
    bool negative = false;
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+'))) {
        negative = digits.at(0) == QLatin1Char('-');
        digits.remove(0, 1);
    }
    qulonglong v = 0;
    if (digits.startsWith(QLatin1String("0x")) || digits.startsWith(QLatin1String("0X")))
        v = digits.mid(2).toULongLong(&ok, 16);
    else
        v = digits.toULongLong(&ok, 10);
    const double asDouble = ok ? static_cast<double>(v) : digits.toDouble();
    if (!ok || v > 2147483648ULL || (v == 2147483648ULL && !negative)) {
        *asFloat = true;
        *f = negative ? -asDouble : asDouble;
        return;
    }
    const qlonglong signedValue = negative ? -static_cast<qlonglong>(v) : static_cast<qlonglong>(v);
    *i = static_cast<int>(signedValue);
}

const char* const kOperators2[] = {"==", "!=", "<=", ">=", "&&", "||", "++", "--", "+=", "-=", "*=", "/="};
const char kOperators1[] = "(){}[];,?:+-*/%=<>!";

} // namespace

Lexer::Lexer(const QString& source) : source_(source), data_(source_.constData()), size_(source_.size()) {}

bool Lexer::skipBlanks()
{
    while (pos_ < size_) {
        const ushort c = data_[pos_].unicode();
        if (c == '\n') {
            ++line_;
            ++pos_;
        } else if (isBlank(c)) {
            ++pos_;
        } else if (c == '/' && pos_ + 1 < size_ && data_[pos_ + 1] == QLatin1Char('/')) {
            pos_ += 2;
            while (pos_ < size_ && data_[pos_] != QLatin1Char('\n'))
                ++pos_;
        } else if (c == '/' && pos_ + 1 < size_ && data_[pos_ + 1] == QLatin1Char('*')) {
            pos_ += 2;
            for (;;) {
                if (pos_ + 1 >= size_) {
                    pos_ = size_;
                    return false;
                }
                if (data_[pos_] == QLatin1Char('*') && data_[pos_ + 1] == QLatin1Char('/')) {
                    pos_ += 2;
                    break;
                }
                if (data_[pos_] == QLatin1Char('\n'))
                    ++line_;
                ++pos_;
            }
        } else {
            break;
        }
    }
    return true;
}

QChar Lexer::peekChar()
{
    skipBlanks();
    return pos_ < size_ ? data_[pos_] : QChar();
}

bool Lexer::readString(QString* out)
{
    // One pass to find the end, one to decode into a buffer of the final
    // size: a 10 MB literal costs two linear scans and one allocation.
    // A line break inside the quotes is an error, as in the host: it is
    // written "\n".
    int i = pos_ + 1;
    int escapes = 0;
    while (i < size_) {
        const ushort c = data_[i].unicode();
        if (c == '"')
            break;
        if (c == '\\') {
            if (i + 1 >= size_ || data_[i + 1] == QLatin1Char('\n'))
                return false;
            ++escapes;
            i += 2;
            continue;
        }
        if (c == '\n')
            return false;
        ++i;
    }
    if (i >= size_)
        return false;
    const int rawStart = pos_ + 1;
    const int rawEnd = i;
    if (escapes == 0) {
        *out = QString(data_ + rawStart, rawEnd - rawStart);
    } else {
        QString s(rawEnd - rawStart - escapes, Qt::Uninitialized);
        QChar* w = s.data();
        for (int j = rawStart; j < rawEnd; ++j) {
            QChar c = data_[j];
            if (c == QLatin1Char('\\')) {
                c = data_[++j];
                switch (c.unicode()) {
                case 'n': c = QLatin1Char('\n'); break;
                case 't': c = QLatin1Char('\t'); break;
                case 'r': c = QLatin1Char('\r'); break;
                case '"':
                case '\\': break;
                default:
                    // The host reads the character itself, and says so.
                    warnEscape(j - 1, c);
                    break;
                }
            }
            *w++ = c;
        }
        *out = s;
    }
    pos_ = rawEnd + 1;
    return true;
}

void Lexer::warnEscape(int pos, QChar c)
{
    // The parser may read a text twice after looking ahead: one warning a place.
    if (!warnedAt_.isEmpty() && warnedAt_.last() >= pos)
        return;
    warnedAt_.append(pos);
    warnings_.append(QStringLiteral("line %1: Unrecognized escape sequence \"\\%2\" in a string; read as \"%2\".")
                         .arg(line_)
                         .arg(c));
}

Token Lexer::next()
{
    Token t = nextToken();
    tokenEnd_ = pos_;
    return t;
}

Token Lexer::nextToken()
{
    Token t;
    if (!skipBlanks()) {
        t.kind = Tok::Error;
        t.line = line_;
        return t;
    }
    t.line = line_;
    t.pos = pos_;
    if (pos_ >= size_) {
        t.kind = Tok::End;
        return t;
    }
    const ushort c = data_[pos_].unicode();
    if (c == '"') {
        t.kind = readString(&t.text) ? Tok::String : Tok::Error;
        return t;
    }
    if (c == '`') {
        ++pos_;
        t.kind = Tok::Backquote;
        return t;
    }
    if (c == '$') {
        int i = pos_ + 1;
        if (i >= size_ || !isIdentStart(data_[i].unicode())) {
            t.kind = Tok::Error;
            return t;
        }
        while (i < size_ && isIdentChar(data_[i].unicode()))
            ++i;
        t.kind = Tok::Var;
        t.text = QString(data_ + pos_ + 1, i - pos_ - 1);
        pos_ = i;
        return t;
    }
    if (isIdentStart(c)) {
        int i = pos_;
        while (i < size_ && isIdentChar(data_[i].unicode()))
            ++i;
        t.kind = Tok::Ident;
        t.text = QString(data_ + pos_, i - pos_);
        pos_ = i;
        return t;
    }
    bool isFloat = false;
    const int numLen = (isDigit(c) || c == '.') ? scanNumber(data_, pos_, size_, false, &isFloat) : 0;
    if (numLen > 0) {
        bool asFloat = false;
        numberValue(QString(data_ + pos_, numLen), isFloat, &asFloat, &t.intValue, &t.floatValue);
        t.kind = asFloat ? Tok::Float : Tok::Int;
        pos_ += numLen;
        return t;
    }
    if (pos_ + 1 < size_) {
        for (const char* op : kOperators2) {
            if (data_[pos_] == QLatin1Char(op[0]) && data_[pos_ + 1] == QLatin1Char(op[1])) {
                t.kind = Tok::Punct;
                t.text = QLatin1String(op);
                pos_ += 2;
                return t;
            }
        }
    }
    for (const char* p = kOperators1; *p; ++p) {
        if (c == static_cast<ushort>(*p)) {
            t.kind = Tok::Punct;
            t.text = QChar(c);
            ++pos_;
            return t;
        }
    }
    t.kind = Tok::Error;
    return t;
}

bool Lexer::atWordEnd(int i) const
{
    if (i >= size_ || isWordDelimiter(data_[i].unicode()))
        return true;
    // `select a// note`: a comment may follow a word directly.
    return data_[i] == QLatin1Char('/') && i + 1 < size_
           && (data_[i + 1] == QLatin1Char('/') || data_[i + 1] == QLatin1Char('*'));
}

ArgToken Lexer::nextCommandArg(bool insideBackquote)
{
    ArgToken t = nextArg(insideBackquote);
    tokenEnd_ = pos_;
    return t;
}

ArgToken Lexer::nextArg(bool insideBackquote)
{
    ArgToken t;
    if (!skipBlanks()) {
        t.kind = ArgKind::Error;
        t.line = line_;
        return t;
    }
    t.line = line_;
    if (pos_ >= size_) {
        t.kind = ArgKind::End;
        return t;
    }
    const ushort c = data_[pos_].unicode();
    switch (c) {
    case ';':
        ++pos_;
        t.kind = ArgKind::Semicolon;
        return t;
    case '}':
        t.kind = ArgKind::CloseBrace;
        return t;
    case '`':
        ++pos_;
        t.kind = insideBackquote ? ArgKind::BackquoteClose : ArgKind::BackquoteOpen;
        return t;
    case '"':
        t.kind = readString(&t.text) ? ArgKind::String : ArgKind::Error;
        return t;
    case '(':
        ++pos_;
        t.kind = ArgKind::Paren;
        return t;
    case '{':
        t.kind = ArgKind::Brace;
        return t;
    case ')':
        t.kind = ArgKind::Error;
        return t;
    case '$': {
        int i = pos_ + 1;
        if (i >= size_ || !isIdentStart(data_[i].unicode())) {
            t.kind = ArgKind::Error;
            return t;
        }
        while (i < size_ && isIdentChar(data_[i].unicode()))
            ++i;
        t.kind = ArgKind::Var;
        t.text = QString(data_ + pos_ + 1, i - pos_ - 1);
        pos_ = i;
        return t;
    }
    default: break;
    }
    int end = pos_;
    while (!atWordEnd(end))
        ++end;
    bool isFloat = false;
    const int numLen = scanNumber(data_, pos_, end, true, &isFloat);
    if (numLen > 0 && pos_ + numLen == end) {
        bool asFloat = false;
        t.text = QString(data_ + pos_, numLen);
        numberValue(t.text, isFloat, &asFloat, &t.intValue, &t.floatValue);
        t.kind = asFloat ? ArgKind::Float : ArgKind::Int;
        pos_ = end;
        return t;
    }
    t.text = QString(data_ + pos_, end - pos_);
    t.kind = (c == '-' && end - pos_ > 1 && isIdentStart(data_[pos_ + 1].unicode())) ? ArgKind::Flag
                                                                                       : ArgKind::Word;
    pos_ = end;
    return t;
}

void appendQuoted(QString& out, const QString& s)
{
    // Sized first, then written through a pointer: a 10 MB value costs two
    // linear passes and no reallocation.
    const QChar* begin = s.constData();
    const QChar* const end = begin + s.size();
    int extra = 0;
    for (const QChar* p = begin; p != end; ++p) {
        const ushort c = p->unicode();
        if (c == '"' || c == '\\' || c == '\n' || c == '\t' || c == '\r')
            ++extra;
    }
    const int at = out.size();
    out.resize(at + s.size() + extra + 2);
    QChar* w = out.data() + at;
    *w++ = QLatin1Char('"');
    for (const QChar* p = begin; p != end; ++p) {
        const ushort c = p->unicode();
        char esc = 0;
        switch (c) {
        case '"': esc = '"'; break;
        case '\\': esc = '\\'; break;
        case '\n': esc = 'n'; break;
        case '\t': esc = 't'; break;
        case '\r': esc = 'r'; break;
        default: break;
        }
        if (esc) {
            *w++ = QLatin1Char('\\');
            *w++ = QLatin1Char(esc);
        } else {
            *w++ = *p;
        }
    }
    *w = QLatin1Char('"');
}

QString quoteString(const QString& s)
{
    QString out;
    appendQuoted(out, s);
    return out;
}

} // namespace mel
} // namespace qbhost
