#include "model/window_selection.h"

QStringList& window_selection::names()
{
    static QStringList list;
    return list;
}

bool window_selection::add(const QString& name)
{
    QStringList& list = names();
    if (list.contains(name))
        return false;
    list.append(name);
    return true;
}

bool window_selection::remove(const QString& name)
{
    return names().removeOne(name);
}
