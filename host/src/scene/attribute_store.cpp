#include "attribute_store.h"

#include <algorithm>

namespace qbhost {

int AttributeStore::dynamicIndexOf(const QString& name) const
{
    // Most nodes have few: looked through rather than hashed.
    if (dynamic_.size() < kIndexedFrom) {
        for (size_t i = 0; i < dynamic_.size(); ++i)
            if (dynamic_[i].longName == name || dynamic_[i].shortName == name)
                return static_cast<int>(i);
        return -1;
    }
    return dynamicByName_.value(name, -1);
}

int AttributeStore::addDynamic(const AttrDef& def, quint64 serial)
{
    const int index = static_cast<int>(dynamic_.size());
    dynamic_.push_back(def);
    dynamic_.back().dynamic = true;
    dynamicSerials_.push_back(serial);
    dynamicByName_.insert(def.longName, index);
    if (!def.shortName.isEmpty())
        dynamicByName_.insert(def.shortName, index);
    if (def.parent >= 0)
        dynamic_[static_cast<size_t>(def.parent)].children.append(index);
    return index;
}

void AttributeStore::removeDynamic(int index)
{
    // Children first, from the last, so that indices below stay valid.
    const QVector<int> children = dynamic_[static_cast<size_t>(index)].children;
    for (int i = children.size() - 1; i >= 0; --i)
        removeDynamic(children[i]);
    const AttrDef gone = dynamic_[static_cast<size_t>(index)];
    const QString prefix = gone.longName;
    for (const QString& key : keys())
        if (key == prefix || key.startsWith(prefix + QLatin1Char('[')) || key.startsWith(prefix + QLatin1Char('.')))
            removePlug(key);
    dynamic_.erase(dynamic_.begin() + index);
    dynamicSerials_.erase(dynamicSerials_.begin() + index);
    // Renumber what follows.
    dynamicByName_.clear();
    for (size_t i = 0; i < dynamic_.size(); ++i) {
        AttrDef& d = dynamic_[i];
        if (d.parent > index)
            --d.parent;
        else if (d.parent == index)
            d.parent = -1;
        QVector<int> kept;
        for (int c : d.children)
            if (c != index)
                kept.append(c > index ? c - 1 : c);
        d.children = kept;
        dynamicByName_.insert(d.longName, int(i));
        if (!d.shortName.isEmpty())
            dynamicByName_.insert(d.shortName, int(i));
    }
}

int AttributeStore::indexOf(const QString& key) const
{
    // Most nodes have a few plugs set: looked through, without a table of
    // their own; a table is kept once there are many.
    if (plugs_.size() < kIndexedFrom) {
        for (size_t i = 0; i < plugs_.size(); ++i)
            if (plugs_[i].first == key)
                return static_cast<int>(i);
        return -1;
    }
    return plugIndex_.value(key, -1);
}

const PlugState* AttributeStore::plug(const QString& key) const
{
    const int i = indexOf(key);
    return i < 0 ? nullptr : &plugs_[static_cast<size_t>(i)].second;
}

PlugState* AttributeStore::plug(const QString& key)
{
    const int i = indexOf(key);
    return i < 0 ? nullptr : &plugs_[static_cast<size_t>(i)].second;
}

PlugState& AttributeStore::plugForWrite(const QString& key)
{
    const int i = indexOf(key);
    if (i >= 0)
        return plugs_[static_cast<size_t>(i)].second;
    plugs_.emplace_back(key, PlugState());
    if (plugs_.size() == kIndexedFrom) {
        for (size_t k = 0; k < plugs_.size(); ++k)
            if (!plugs_[k].first.isNull())
                plugIndex_.insert(plugs_[k].first, static_cast<int>(k));
    } else if (plugs_.size() > kIndexedFrom) {
        plugIndex_.insert(key, static_cast<int>(plugs_.size()) - 1);
    }
    return plugs_.back().second;
}

QStringList AttributeStore::keys() const
{
    QStringList out;
    out.reserve(static_cast<int>(plugs_.size()) - removedPlugs_);
    for (const auto& p : plugs_)
        if (!p.first.isNull())
            out << p.first;
    return out;
}

void AttributeStore::removePlug(const QString& key)
{
    const int i = indexOf(key);
    if (i < 0)
        return;
    // Left as a hole: the order of the others is kept.
    plugs_[static_cast<size_t>(i)].first = QString();
    plugs_[static_cast<size_t>(i)].second = PlugState();
    plugIndex_.remove(key);
    ++removedPlugs_;
}

quint64 AttributeStore::lastChange() const
{
    quint64 last = 0;
    for (const auto& p : plugs_)
        last = std::max(last, p.second.serial);
    for (quint64 s : dynamicSerials_)
        last = std::max(last, s);
    return last;
}

} // namespace qbhost
