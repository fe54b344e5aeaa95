#include "model/side_rules.h"
#include "model/namespace_rewrite.h"

namespace {

bool is_name_char(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_';
}

bool is_alnum(QChar c)
{
    return is_name_char(c) && c != QLatin1Char('_');
}

// A word starts or ends at k: at either end of the text, beside anything
// but a letter or digit, where a lower-case letter meets a capital
// (armLeft), and where letters meet digits.
bool word_boundary(const QString& s, int k)
{
    if (k <= 0 || k >= s.size())
        return true;
    const QChar a = s.at(k - 1), b = s.at(k);
    if (!is_alnum(a) || !is_alnum(b))
        return true;
    if (a.isLower() && b.isUpper())
        return true;
    return a.isDigit() != b.isDigit();
}

bool is_separator(QChar c, bool label)
{
    return c == QLatin1Char('_') || (label && c == QLatin1Char(' '));
}

// The partner in the case of what matched: all capitals, all small
// letters, or a capital and small letters; anything else as written.
QString in_case_of(const QString& matched, const QString& written, const QString& partner)
{
    bool upper = false, lower = false, firstUpper = false, restLower = true, first = true;
    for (const QChar c : matched) {
        if (!c.isLetter())
            continue;
        upper = upper || c.isUpper();
        lower = lower || c.isLower();
        if (first)
            firstUpper = c.isUpper();
        else
            restLower = restLower && c.isLower();
        first = false;
    }
    QString plain = matched;
    plain.replace(QLatin1Char(' '), QLatin1Char('_'));
    if (plain == written)
        return partner;
    if (upper && !lower)
        return partner.toUpper();
    if (lower && !upper)
        return partner.toLower();
    if (firstUpper && restLower) {
        QString out = partner.toLower();
        for (QChar& c : out)
            if (c.isLetter()) {
                c = c.toUpper();
                break;
            }
        return out;
    }
    return partner;
}

} // namespace

side_rules::side_rules() : side_rules(default_pairs()) {}

side_rules::side_rules(const side_pairs& pairs)
{
    for (const side_pair& p : pairs) {
        if (!check_pair(p.first, p.second).isEmpty() || pairs_.size() >= kMaxPairs)
            continue;
        pairs_.append(p);
        const int at = parts_.size();
        parts_.append(part{p.first, form_of(p.first), at + 1});
        parts_.append(part{p.second, form_of(p.second), at});
    }
}

side_pairs side_rules::default_pairs()
{
    const char* const pairs[][2] = {{"l_", "r_"},   {"L_", "R_"},     {"_l", "_r"},       {"_L", "_R"},
                                    {"_lf", "_rt"}, {"_Lf", "_Rt"},   {"Left", "Right"}, {"left", "right"}};
    side_pairs out;
    for (const auto& p : pairs)
        out.append(side_pair(QLatin1String(p[0]), QLatin1String(p[1])));
    return out;
}

side_rules::form side_rules::form_of(const QString& text)
{
    const bool starts = text.startsWith(QLatin1Char('_')), ends = text.endsWith(QLatin1Char('_'));
    if (starts && ends)
        return form::infix;
    if (ends)
        return form::prefix;
    return starts ? form::suffix : form::word;
}

QString side_rules::check_pair(const QString& left, const QString& right)
{
    for (const QString& s : {left, right}) {
        if (s.isEmpty())
            return QStringLiteral("both sides of a rule need a name part");
        if (s.size() > kMaxPartLength)
            return QStringLiteral("\"%1\" is longer than %2 characters").arg(s).arg(kMaxPartLength);
        bool alnum = false;
        for (const QChar c : s) {
            if (!is_name_char(c))
                return QStringLiteral("\"%1\" may hold only letters, digits and '_'").arg(s);
            alnum = alnum || is_alnum(c);
        }
        if (!alnum)
            return QStringLiteral("\"%1\" needs a letter or a digit").arg(s);
    }
    if (left.compare(right, Qt::CaseInsensitive) == 0)
        return QStringLiteral("\"%1\" and \"%2\" are the same part").arg(left, right);
    if (form_of(left) != form_of(right))
        return QStringLiteral("\"%1\" and \"%2\" are not of one form (both at the start like l_, both at the end "
                              "like _l, or both whole words like Left)")
            .arg(left, right);
    return QString();
}

int side_rules::match_at(const QString& s, int at, bool label, int* length) const
{
    int best = -1;
    *length = 0;
    const int n = s.size();
    for (int k = 0; k < parts_.size(); ++k) {
        const part& p = parts_[k];
        const int len = p.text.size();
        if (len <= *length || at + len > n)
            continue;
        bool same = true;
        for (int j = 0; j < len && same; ++j) {
            const QChar want = p.text.at(j), got = s.at(at + j);
            same = want == QLatin1Char('_') ? is_separator(got, label) : want.toLower() == got.toLower();
        }
        if (!same)
            continue;
        const int end = at + len;
        bool placed = false;
        switch (p.where) {
        case form::prefix:
            placed = at == 0 || (label && s.at(at - 1) == QLatin1Char(' '));
            break;
        case form::suffix:
            placed = at > 0 && (end == n || is_separator(s.at(end), label));
            break;
        case form::infix:
            placed = true;
            break;
        case form::word:
            placed = word_boundary(s, at) && word_boundary(s, end);
            break;
        }
        if (placed) {
            best = k;
            *length = len;
        }
    }
    return best;
}

QString side_rules::mirror_element(const QString& element, bool label) const
{
    QString out;
    out.reserve(element.size() + 4);
    const int n = element.size();
    for (int i = 0; i < n;) {
        int length = 0;
        const int k = match_at(element, i, label, &length);
        if (k < 0) {
            out += element.at(i++);
            continue;
        }
        const QString matched = element.mid(i, length);
        QString partner = in_case_of(matched, parts_[k].text, parts_[parts_[k].partner].text);
        if (label) {
            // The blanks of a label stay blanks.
            if (partner.startsWith(QLatin1Char('_')) && matched.startsWith(QLatin1Char(' ')))
                partner[0] = QLatin1Char(' ');
            if (partner.endsWith(QLatin1Char('_')) && matched.endsWith(QLatin1Char(' ')))
                partner[partner.size() - 1] = QLatin1Char(' ');
        }
        out += partner;
        i += length;
    }
    return out;
}

QString side_rules::mirror_name(const QString& name) const
{
    if (parts_.isEmpty())
        return name;
    QString out;
    out.reserve(name.size() + 4);
    int start = 0;
    const int n = name.size();
    while (start <= n) {
        int bar = name.indexOf(QLatin1Char('|'), start);
        if (bar < 0)
            bar = n;
        const QString element = name.mid(start, bar - start);
        int dot = element.indexOf(QLatin1Char('.'));
        if (dot < 0)
            dot = element.size();
        const int colon = dot > 0 ? element.lastIndexOf(QLatin1Char(':'), dot - 1) : -1;
        out += element.left(colon + 1);
        out += mirror_element(element.mid(colon + 1, dot - colon - 1), false);
        out += element.mid(dot);
        if (bar < n)
            out += QLatin1Char('|');
        start = bar + 1;
    }
    return out;
}

QString side_rules::mirror_script(const QString& script) const
{
    return rewrite_script_tokens(script, [this](const QString& token) { return mirror_name(token); });
}

QString side_rules::mirror_label(const QString& label) const
{
    return mirror_element(label, true);
}
