#include "mel_flags.h"
#include "mel_parser.h"

#include <cstring>

namespace qbhost {
namespace mel {

namespace {

// "-name" against a rule's name, without building "name".
bool flagIs(const QString& word, const char* name)
{
    const int n = int(std::strlen(name));
    if (word.size() != n + 1)
        return false;
    const QChar* w = word.constData() + 1;
    for (int i = 0; i < n; ++i)
        if (w[i].unicode() != static_cast<ushort>(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

bool isQueryFlag(const CallArg& a)
{
    if (!a.flag)
        return false;
    const QString& s = a.val().stringRef();
    return s == QLatin1String("-q") || s == QLatin1String("-query");
}

} // namespace

Flags::Flags(CommandCall& call, std::initializer_list<FlagRule> rules, bool queryable)
{
    if (queryable)
        for (const CallArg& a : call.args)
            if (isQueryFlag(a))
                query_ = true;
    for (size_t i = 0; i < call.args.size(); ++i) {
        const CallArg& a = call.args[i];
        if (!a.flag) {
            positional_.push_back(&a);
            continue;
        }
        if (queryable && isQueryFlag(a))
            continue;
        const QString& word = a.val().stringRef();
        const FlagRule* rule = nullptr;
        for (const FlagRule& s : rules) {
            if (flagIs(word, s.shortName) || flagIs(word, s.longName)) {
                rule = &s;
                break;
            }
        }
        if (!rule)
            call.fail(QStringLiteral("Invalid flag '%1'").arg(word));
        Seen seen{rule->longName, Value()};
        if (rule->takesValue && !query_) {
            if (i + 1 >= call.args.size() || call.args[i + 1].flag)
                call.fail(QStringLiteral("Flag '%1' needs an argument.").arg(word));
            seen.value = call.args[++i].val();
        }
        seen_.push_back(seen);
    }
}

bool Flags::has(const char* longName) const
{
    for (const Seen& s : seen_)
        if (std::strcmp(s.longName, longName) == 0)
            return true;
    return false;
}

Value Flags::value(const char* longName) const
{
    for (const Seen& s : seen_)
        if (std::strcmp(s.longName, longName) == 0)
            return s.value;
    return Value();
}

QStringList Flags::values(const char* longName) const
{
    QStringList out;
    for (const Seen& s : seen_)
        if (std::strcmp(s.longName, longName) == 0)
            out << s.value.toString();
    return out;
}

bool Flags::boolean(const char* longName, bool dflt) const
{
    if (!has(longName))
        return dflt;
    const Value v = value(longName);
    int on = 0;
    if (v.isString() && isBooleanWord(v.stringRef(), &on))
        return on != 0;
    return v.toInt() != 0;
}

QStringList Flags::positionalNames() const
{
    QStringList out;
    for (const CallArg* a : positional_) {
        const Value& v = a->val();
        if (v.type() == Type::StringArray)
            out.append(v.stringArrayRef());
        else if (v.isArray())
            out.append(v.toStringList());
        else
            out.append(v.toString());
    }
    return out;
}

} // namespace mel
} // namespace qbhost
