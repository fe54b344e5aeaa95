#include "model/mel_text.h"

QString mel_escape(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '"': out += QLatin1String("\\\""); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\r': out += QLatin1String("\\r"); break;
        default: out += c;
        }
    }
    return out;
}

QString mel_quote(const QString& text)
{
    return QLatin1Char('"') + mel_escape(text) + QLatin1Char('"');
}

static bool isAsciiAlnum(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
}

bool is_plain_identifier(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (!isAsciiAlnum(c) && c != QLatin1Char('_'))
            return false;
    return true;
}

bool is_node_name_text(const QString& text)
{
    if (text.isEmpty())
        return false;
    static const QString extra = QStringLiteral("_:|.[]*-");
    for (const QChar c : text)
        if (!isAsciiAlnum(c) && !extra.contains(c))
            return false;
    return true;
}

QString mel_node_argument(const QString& name)
{
    return is_node_name_text(name) ? name : mel_quote(name);
}

bool mel_unquote_list(const QString& text, QStringList* out)
{
    QStringList items;
    int i = 0;
    const int n = text.size();
    for (;;) {
        while (i < n && text.at(i).isSpace())
            ++i;
        if (i == n)
            break;
        if (text.at(i) != QLatin1Char('"'))
            return false;
        QString item;
        for (++i;; ++i) {
            if (i >= n)
                return false;
            const QChar c = text.at(i);
            if (c == QLatin1Char('"'))
                break;
            if (c != QLatin1Char('\\')) {
                item += c;
                continue;
            }
            if (++i >= n)
                return false;
            switch (text.at(i).unicode()) {
            case 'n': item += QLatin1Char('\n'); break;
            case 't': item += QLatin1Char('\t'); break;
            case 'r': item += QLatin1Char('\r'); break;
            default: item += text.at(i); // \\ and \" stand for themselves
            }
        }
        ++i;
        items.append(item);
    }
    *out = items;
    return true;
}
