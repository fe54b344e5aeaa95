#include "model/namespace_rewrite.h"

namespace_mapping make_namespace_mapping(const QList<QPair<QString, QString>>& rows)
{
    namespace_mapping m;
    for (const auto& row : rows) {
        QString from = row.first;
        if (!from.endsWith(QLatin1Char(':')))
            from += QLatin1Char(':');
        QString to = row.second;
        if (!to.isEmpty() && !to.endsWith(QLatin1Char(':')))
            to += QLatin1Char(':');
        if (from != to) {
            m.from.append(from);
            m.to.append(to);
        }
    }
    return m;
}

QString rewrite_node_name(const QString& name, const namespace_mapping& mapping)
{
    const bool hasColon = name.contains(QLatin1Char(':'));
    for (int k = mapping.from.size() - 1; k >= 0; --k) {
        const QString& from = mapping.from.at(k);
        if (!hasColon && from == QLatin1String(":"))
            return mapping.to.at(k) + name;
        if (name.startsWith(from))
            return mapping.to.at(k) + name.mid(from.size());
    }
    return name;
}

static bool isTokenChar(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == ':'
           || u == '.';
}

static QString rewriteToken(const QString& token, const namespace_mapping& mapping)
{
    for (int k = mapping.from.size() - 1; k >= 0; --k) {
        const QString& from = mapping.from.at(k);
        if (token.startsWith(from))
            return mapping.to.at(k) + token.mid(from.size());
    }
    return token;
}

QString rewrite_script_tokens(const QString& script, const std::function<QString(const QString&)>& rewrite)
{
    QString out;
    out.reserve(script.size());
    const int n = script.size();
    int i = 0;
    while (i < n) {
        if (!isTokenChar(script.at(i))) {
            out += script.at(i++);
            continue;
        }
        int j = i;
        while (j < n && isTokenChar(script.at(j)))
            ++j;
        out += rewrite(script.mid(i, j - i));
        i = j;
    }
    return out;
}

QString rewrite_script(const QString& script, const namespace_mapping& mapping)
{
    return rewrite_script_tokens(script, [&mapping](const QString& token) { return rewriteToken(token, mapping); });
}

void rewrite_button(buttonAttributes& button, const namespace_mapping& mapping)
{
    if (mapping.isEmpty())
        return;
    if (button.kind == 0) {
        for (QString& name : button.nodes)
            name = rewrite_node_name(name, mapping);
    } else if (button.kind == 1 && !button.nodes.isEmpty()) {
        button.nodes[0] = rewrite_script(button.nodes.first(), mapping);
    }
}
