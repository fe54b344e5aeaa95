#include "model/button_set.h"
#include "model/buttonRecord.h"

button_set button_set::fromStringList(const QStringList& list)
{
    button_set set;
    set.names_.reserve(list.size());
    set.index_.reserve(list.size());
    for (const QString& s : list)
        set.add(s);
    return set;
}

bool button_set::add(const QString& name)
{
    // One hash lookup: insert, and see whether the set grew.
    const int before = index_.size();
    index_.insert(name);
    if (index_.size() == before)
        return false;
    names_.append(name);
    return true;
}

void button_set::add_button(const buttonRecord& button)
{
    button.resolve();
    for (const QString& n : button.hostNames)
        add(n);
}

void button_set::remove_button(const buttonRecord& button)
{
    button.resolve();
    for (const QString& n : button.hostNames)
        removeOne(n);
}

void button_set::removeOne(const QString& name)
{
    if (!index_.remove(name))
        return;
    names_.removeOne(name);
}

void button_set::appendAllToString(QString* out) const
{
    for (const QString& n : names_) {
        out->append(QLatin1Char(' '));
        out->append(n);
    }
}
