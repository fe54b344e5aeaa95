#include "document/node_resolver.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>

node_resolver& node_resolver::instance()
{
    static node_resolver resolver;
    return resolver;
}

node_lookup node_resolver::lookup(const QString& name)
{
    auto it = cache_.find(name);
    if (it == cache_.end())
        it = cache_.insert(name, entry());
    if (it->generation != generation_) {
        it->found = host_port::current().lookup_node(name);
        it->generation = generation_;
    }
    return it->found;
}

QString node_resolver::host_name(const QString& name, node_health* health)
{
    auto it = cache_.constFind(name);
    if (it != cache_.constEnd() && it->generation == generation_) {
        *health = it->found.health;
        return it->found.path;
    }
    const node_lookup found = lookup(name);
    *health = found.health;
    return found.path;
}

void node_resolver::scene_changed()
{
    ++generation_;
    post();
}

void node_resolver::node_moved(const QString& fullPath)
{
    host_port& port = host_port::current();
    const QString below = fullPath + QLatin1Char('|');
    QHash<QString, QString> renamed;
    QList<QPair<QString, node_lookup>> now;
    ++generation_;
    for (auto it = cache_.begin(); it != cache_.end(); ++it) {
        const node_lookup was = it->found; // replaced below
        if (was.health != kNodeFound || was.node == 0)
            continue;
        const QString path = port.node_full_path(was.node);
        if (path.isEmpty() || (path != fullPath && !path.startsWith(below)))
            continue;
        it->found = port.lookup_node(it.key());
        it->generation = generation_;
        if (it->found.health == kNodeFound && it->found.node == was.node)
            continue; // the stored text still names it
        node_lookup moved;
        moved.node = was.node;
        moved.path = port.node_path(was.node);
        renamed.insert(it.key(), moved.path);
        now.append(qMakePair(moved.path, moved));
    }
    // The new texts name their nodes already: a second rename in the same
    // script follows them as well.
    for (const auto& n : now) {
        entry e;
        e.generation = generation_;
        e.found = n.second;
        cache_.insert(n.first, e);
    }
    if (!renamed.isEmpty())
        emit names_followed(renamed);
    post();
}

void node_resolver::reset()
{
    cache_.clear();
    ++generation_;
    post();
}

void node_resolver::post()
{
    // Installed before the application exists: no one to tell yet.
    if (posted_ || !QCoreApplication::instance())
        return;
    posted_ = true;
    QMetaObject::invokeMethod(this, "deliver", Qt::QueuedConnection);
}

void node_resolver::deliver()
{
    posted_ = false;
    emit resolutions_changed();
}
