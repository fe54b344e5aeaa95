#ifndef QBHOST_MEL_FLAGS_H
#define QBHOST_MEL_FLAGS_H
// Flag parsing for the built-in commands: `-r`, `-replace`, `-n "name"`,
// the query mode `-q`, and the remaining (positional) arguments.

#include "mel_engine.h"

#include <initializer_list>

namespace qbhost {
namespace mel {

struct FlagRule {
    const char* shortName;
    const char* longName;
    bool takesValue; // in query mode no flag takes a value
};

class Flags
{
public:
    // Unknown flags and flags missing their value stop the text. queryable:
    // the command accepts -q/-query.
    Flags(CommandCall& call, std::initializer_list<FlagRule> rules, bool queryable = false);

    bool query() const { return query_; }
    bool has(const char* longName) const;
    // The value given to a flag (an empty string when it took none).
    Value value(const char* longName) const;
    // Every value of a flag given more than once, in order.
    QStringList values(const char* longName) const;
    // A boolean flag's value ("on", "true", 1...), dflt when not given.
    bool boolean(const char* longName, bool dflt) const;
    const std::vector<const CallArg*>& positional() const { return positional_; }
    // Positional arguments as names: string arrays count element by element.
    QStringList positionalNames() const;

private:
    struct Seen {
        const char* longName;
        Value value;
    };
    bool query_ = false;
    std::vector<Seen> seen_;
    std::vector<const CallArg*> positional_;
};

} // namespace mel
} // namespace qbhost
#endif
