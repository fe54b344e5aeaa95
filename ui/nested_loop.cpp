#include "ui/nested_loop.h"
#include <QtCore/QFile>

namespace {
int open = 0;

QStringList& kinds()
{
    static QStringList list;
    return list;
}
} // namespace

nested_loop::nested_loop(const QString& kind)
{
    ++open;
    shown(kind);
}

void nested_loop::shown(const QString& kind)
{
    if (kinds().contains(kind))
        return;
    kinds().append(kind);
    // The suite gathers the loops of every test program in one file.
    const QString log = qEnvironmentVariable("QB_NESTED_LOOP_LOG");
    if (log.isEmpty())
        return;
    QFile file(log);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(kind.toUtf8() + '\n');
}

nested_loop::~nested_loop()
{
    --open;
}

int nested_loop::open_count()
{
    return open;
}

QStringList nested_loop::kinds_opened()
{
    return kinds();
}
