#include "model/namespace_scan.h"
#include <algorithm>

bool compare_name(const QString& a, const QString& b)
{
    return a.toLower() < b.toLower();
}

static void addOnce(const QString& name, QStringList& out)
{
    if (!out.contains(name))
        out.append(name);
}

void collect_name_namespaces(const QString& name, QStringList& out)
{
    bool inBrackets = false;
    for (int k = name.size() - 1; k >= 0; --k) {
        const QChar c = name.at(k);
        if (inBrackets) {
            if (c == QLatin1Char('['))
                inBrackets = false;
        } else if (c == QLatin1Char(']')) {
            inBrackets = true;
        } else if (c == QLatin1Char(':')) {
            addOnce(name.left(k), out);
        }
    }
}

static bool isIdentifierChar(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == ':'
           || u == '.';
}

void collect_script_namespaces(const QString& script, qint32 language, QStringList& out)
{
    enum class State { Code, String, Bracket, Comment };
    State state = State::Code;
    QChar quote;
    int tokenStart = 0;
    auto endToken = [&](int end) {
        if (end <= tokenStart)
            return;
        const QString token = script.mid(tokenStart, end - tokenStart);
        const int colon = token.lastIndexOf(QLatin1Char(':'));
        if (colon > 0)
            addOnce(token.left(colon), out);
    };
    const int n = script.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = script.at(i);
        switch (state) {
        case State::Code:
            if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                state = State::String;
                quote = c;
                tokenStart = i + 1;
            } else if (language == 0 && c == QLatin1Char('/') && i + 1 < n && script.at(i + 1) == QLatin1Char('/')) {
                state = State::Comment;
                ++i;
            } else if (language == 1 && c == QLatin1Char('#')) {
                state = State::Comment;
            }
            break;
        case State::String:
            if (isIdentifierChar(c))
                break;
            endToken(i);
            tokenStart = i + 1;
            if (c == quote) {
                state = State::Code;
            } else if (c == QLatin1Char('\\')) {
                ++i;
                tokenStart = i + 1;
            } else if (c == QLatin1Char('[')) {
                state = State::Bracket;
            }
            break;
        case State::Bracket:
            if (c == QLatin1Char(']')) {
                state = State::String;
                tokenStart = i + 1;
            } else if (c == quote) {
                state = State::Code;
            }
            break;
        case State::Comment:
            if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                state = State::Code;
            break;
        }
    }
    // A token still open at the end of the text is dropped.
}

void collect_button_namespaces(const buttonAttributes& button, QStringList& out)
{
    if (button.kind == 0) {
        for (const QString& name : button.nodes)
            collect_name_namespaces(name, out);
    } else if (button.kind == 1 && button.nodes.size() == 1) {
        collect_script_namespaces(button.nodes.first(), button.language, out);
    }
}
