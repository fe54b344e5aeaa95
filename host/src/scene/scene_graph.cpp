#include "scene_graph.h"
#include "node_types.h"

#include <algorithm>

namespace qbhost {

namespace {

QString stripRoot(const QString& element)
{
    return element.startsWith(QLatin1Char(':')) ? element.mid(1) : element;
}

// As in the host, '*' and '?' stay within one namespace level.
QRegularExpression wildcardRegex(const QString& element)
{
    QString rx;
    rx.reserve(element.size() * 2);
    for (QChar c : element) {
        if (c == QLatin1Char('*'))
            rx += QStringLiteral("[^:]*");
        else if (c == QLatin1Char('?'))
            rx += QStringLiteral("[^:]");
        else
            rx += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(rx));
}

} // namespace

SceneGraph::SceneGraph() = default;
SceneGraph::~SceneGraph() = default;

const NodeRecord* SceneGraph::node(NodeId id) const
{
    if (id < base_ || id - base_ >= slots_.size())
        return nullptr;
    return slots_[static_cast<size_t>(id - base_)].get();
}

NodeRecord* SceneGraph::node(NodeId id)
{
    if (id < base_ || id - base_ >= slots_.size())
        return nullptr;
    return slots_[static_cast<size_t>(id - base_)].get();
}

std::vector<NodeId> SceneGraph::ids() const
{
    std::vector<NodeId> out;
    out.reserve(static_cast<size_t>(count_));
    for (const auto& slot : slots_)
        if (slot)
            out.push_back(slot->id);
    return out;
}

bool SceneGraph::hasWildcard(const QString& pattern)
{
    return pattern.contains(QLatin1Char('*')) || pattern.contains(QLatin1Char('?'));
}

void SceneGraph::noteName(const QString& name, NodeId id, int delta)
{
    QVector<NodeId>& list = byName_[name];
    if (delta > 0) {
        if (!list.isEmpty())
            ++namesGeneration_; // an existing node's shortest path grows
        list.append(id);
    } else {
        list.removeOne(id);
        if (list.isEmpty())
            byName_.erase(name);
        else
            ++namesGeneration_;
    }
    namespaces_.noteNodeName(name, delta);
}

QVector<NodeId> SceneGraph::namesakes(const QString& name) const
{
    auto it = byName_.find(name);
    return it == byName_.end() ? QVector<NodeId>() : it->second;
}

bool SceneGraph::nameFree(const QString& name, NodeId parent, bool dag, NodeId except) const
{
    auto it = byName_.find(name);
    if (it == byName_.end())
        return true;
    for (NodeId other : it->second) {
        if (other == except)
            continue;
        const NodeRecord* o = node(other);
        // A dependency node's name is unique in the scene, and no DAG node
        // takes it; DAG nodes differ among their siblings only.
        if (!dag || !o->dag || o->parent == parent)
            return false;
    }
    return true;
}

QString SceneGraph::uniqueName(const QString& wanted, NodeId parent, bool dag) const
{
    if (nameFree(wanted, parent, dag))
        return wanted;
    // "arm_ctrl" taken: "arm_ctrl1"; "pCube1" taken: "pCube2", as the host numbers.
    int digits = 0;
    while (digits < wanted.size() && wanted.at(wanted.size() - 1 - digits).isDigit()
           && wanted.at(wanted.size() - 1 - digits).unicode() < 128)
        ++digits;
    const QString base = wanted.left(wanted.size() - digits);
    bool ok = false;
    qlonglong n = digits > 0 && digits < 10 ? wanted.right(digits).toLongLong(&ok) + 1 : 1;
    if (!ok)
        n = 1;
    // Numbers below the last one given are taken while no name was freed:
    // a script making thousands of "transform" nodes stays linear.
    const QString hintKey = base + QLatin1Char('|') + QString::number(parent) + (dag ? QLatin1Char('d') : QLatin1Char('g'));
    auto hint = numberHints_.constFind(hintKey);
    const qlonglong from = n;
    // [hint.from, hint.next) were all found taken, and nothing was freed since.
    if (hint != numberHints_.constEnd() && hint->freed == freedGeneration_ && hint->from <= n && n < hint->next)
        n = hint->next;
    for (;; ++n) {
        const QString candidate = base + QString::number(n);
        if (nameFree(candidate, parent, dag)) {
            const qlonglong kept = hint != numberHints_.constEnd() && hint->freed == freedGeneration_
                                           && hint->from <= from && from <= hint->next
                                       ? hint->from
                                       : from;
            numberHints_.insert(hintKey, NumberHint{freedGeneration_, kept, n});
            return candidate;
        }
    }
}

NodeId SceneGraph::create(const QString& type, const QString& name, NodeId parent, bool dag)
{
    return createIn(byName_[name], type, name, parent, dag);
}

NodeId SceneGraph::createIn(QVector<NodeId>& sameName, const QString& type, const QString& name, NodeId parent, bool dag)
{
    auto record = std::make_unique<NodeRecord>();
    const NodeId id = base_ + slots_.size();
    record->id = id;
    record->name = name;
    record->type = type;
    record->typeInfo = &NodeTypes::instance().info(type);
    record->dag = dag;
    record->parent = dag ? parent : 0;
    record->nameSerial = nextSerial();
    if (dag) {
        if (NodeRecord* p = node(parent))
            p->children.push_back(id);
        else
            world_.push_back(id);
    }
    slots_.push_back(std::move(record));
    ++count_;
    if (!sameName.isEmpty())
        ++namesGeneration_; // an existing node's shortest path grows
    sameName.append(id);
    namespaces_.noteNodeName(name, 1);
    return id;
}

NodeId SceneGraph::createUnique(const QString& type, const QString& wanted, NodeId parent, bool dag)
{
    // One lookup of the name in the common case, where it is free.
    QVector<NodeId>& sameName = byName_[wanted];
    bool free = true;
    for (NodeId other : sameName) {
        const NodeRecord* o = node(other);
        free = free && dag && o->dag && o->parent != parent;
    }
    if (free)
        return createIn(sameName, type, wanted, parent, dag);
    return create(type, uniqueName(wanted, parent, dag), parent, dag);
}

void SceneGraph::unlinkFromParent(NodeRecord& n)
{
    if (!n.dag)
        return;
    std::vector<NodeId>& siblings = n.parent ? node(n.parent)->children : world_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), n.id), siblings.end());
}

void SceneGraph::remove(NodeId id)
{
    NodeRecord* n = node(id);
    if (!n)
        return;
    // Children left over go to the world rather than pointing at nothing.
    const std::vector<NodeId> orphans = n->children;
    for (NodeId c : orphans)
        reparent(c, 0);
    unlinkFromParent(*n);
    noteName(n->name, id, -1);
    ++namesGeneration_;
    ++freedGeneration_;
    slots_[static_cast<size_t>(id - base_)].reset();
    --count_;
}

void SceneGraph::rename(NodeId id, const QString& name)
{
    NodeRecord* n = node(id);
    if (!n || n->name == name)
        return;
    noteName(n->name, id, -1);
    ++freedGeneration_;
    n->name = name;
    noteName(name, id, 1);
    n->nameSerial = nextSerial();
    ++namesGeneration_;
}

void SceneGraph::reparent(NodeId id, NodeId parent)
{
    NodeRecord* n = node(id);
    if (!n || !n->dag)
        return;
    unlinkFromParent(*n);
    ++freedGeneration_; // its name is free where it was
    n->parent = node(parent) ? parent : 0;
    if (n->parent)
        node(n->parent)->children.push_back(id);
    else
        world_.push_back(id);
    n->nameSerial = nextSerial();
    ++namesGeneration_;
}

std::vector<NodeId> SceneGraph::subtree(NodeId id) const
{
    std::vector<NodeId> out;
    std::vector<NodeId> stack{id};
    while (!stack.empty()) {
        const NodeId top = stack.back();
        stack.pop_back();
        const NodeRecord* n = node(top);
        if (!n)
            continue;
        out.push_back(top);
        for (auto it = n->children.rbegin(); it != n->children.rend(); ++it)
            stack.push_back(*it);
    }
    return out;
}

bool SceneGraph::isAncestor(NodeId ancestor, NodeId id) const
{
    for (const NodeRecord* n = node(id); n && n->parent; n = node(n->parent))
        if (n->parent == ancestor)
            return true;
    return false;
}

QString SceneGraph::fullPath(NodeId id) const
{
    const NodeRecord* n = node(id);
    if (!n)
        return QString();
    if (!n->dag)
        return n->name;
    QStringList chain;
    for (const NodeRecord* p = n; p; p = node(p->parent))
        chain.prepend(p->name);
    return QLatin1Char('|') + chain.join(QLatin1Char('|'));
}

int SceneGraph::countMatches(const QStringList& chain, const QString& name) const
{
    int matches = 0;
    for (NodeId candidate : namesakes(name)) {
        const NodeRecord* p = node(candidate);
        bool ok = true;
        for (int k = chain.size() - 2; k >= 0 && ok; --k) {
            p = p && p->dag ? node(p->parent) : nullptr;
            ok = p && p->name == chain[k];
        }
        if (ok)
            ++matches;
    }
    return matches;
}

QString SceneGraph::shortestPath(NodeId id) const
{
    const NodeRecord* n = node(id);
    if (!n)
        return QString();
    auto list = byName_.find(n->name);
    if (!n->dag || list == byName_.end() || list->second.size() <= 1)
        return n->name; // shared, not copied: selections of thousands hold no copies
    if (shortestCacheGeneration_ != namesGeneration_) {
        shortestCache_.clear();
        shortestCacheGeneration_ = namesGeneration_;
    }
    auto cached = shortestCache_.constFind(id);
    if (cached != shortestCache_.constEnd())
        return *cached;
    QStringList chain{n->name};
    QString out;
    for (const NodeRecord* p = node(n->parent); p; p = node(p->parent)) {
        chain.prepend(p->name);
        if (countMatches(chain, n->name) == 1) {
            out = chain.join(QLatin1Char('|'));
            break;
        }
    }
    if (out.isEmpty())
        out = QLatin1Char('|') + chain.join(QLatin1Char('|'));
    shortestCache_.insert(id, out);
    return out;
}

std::vector<SceneGraph::Element> SceneGraph::splitPath(const QString& path, bool* absolute)
{
    std::vector<Element> out;
    *absolute = path.startsWith(QLatin1Char('|'));
    const QStringList parts = path.split(QLatin1Char('|'));
    for (int i = *absolute ? 1 : 0; i < parts.size(); ++i) {
        Element e;
        e.name = stripRoot(parts[i]);
        e.wildcard = hasWildcard(e.name);
        if (e.wildcard)
            e.re = std::make_shared<QRegularExpression>(wildcardRegex(e.name));
        out.push_back(e);
    }
    return out;
}

bool SceneGraph::elementMatches(const Element& e, const QString& name) const
{
    return e.wildcard ? e.re->match(name).hasMatch() : e.name == name;
}

bool SceneGraph::matchesChain(const NodeRecord& n, const std::vector<Element>& elements, bool absolute) const
{
    if (elements.empty() || !elementMatches(elements.back(), n.name))
        return false;
    if (!n.dag)
        return elements.size() == 1 && !absolute;
    const NodeRecord* p = &n;
    for (int k = static_cast<int>(elements.size()) - 2; k >= 0; --k) {
        p = node(p->parent);
        if (!p || !elementMatches(elements[static_cast<size_t>(k)], p->name))
            return false;
    }
    return !absolute || p->parent == 0;
}

std::vector<NodeId> SceneGraph::findExact(const QString& path) const
{
    std::vector<NodeId> out;
    // A plain name: the nodes of that name, without splitting a path.
    if (!path.contains(QLatin1Char('|'))) {
        auto it = byName_.find(path.startsWith(QLatin1Char(':')) ? path.mid(1) : path);
        if (it == byName_.end())
            return out;
        out.assign(it->second.begin(), it->second.end());
        std::sort(out.begin(), out.end());
        return out;
    }
    bool absolute = false;
    const std::vector<Element> elements = splitPath(path, &absolute);
    if (elements.empty() || elements.back().name.isEmpty())
        return out;
    for (NodeId id : namesakes(elements.back().name)) {
        const NodeRecord* n = node(id);
        if (n && matchesChain(*n, elements, absolute))
            out.push_back(id);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<NodeId> SceneGraph::match(const QString& pattern) const
{
    if (!hasWildcard(pattern))
        return findExact(pattern);
    bool absolute = false;
    const std::vector<Element> elements = splitPath(pattern, &absolute);
    std::vector<NodeId> out;
    for (const auto& slot : slots_)
        if (slot && matchesChain(*slot, elements, absolute))
            out.push_back(slot->id);
    return out;
}

PlugState& SceneGraph::setPlug(NodeId id, const QString& key)
{
    PlugState& p = node(id)->attributes.plugForWrite(key);
    p.serial = nextSerial();
    return p;
}

void SceneGraph::reserve(int count)
{
    if (count <= 0)
        return;
    slots_.reserve(slots_.size() + size_t(count));
    byName_.reserve(byName_.size() + size_t(count));
}

void SceneGraph::clear()
{
    base_ += slots_.size();
    slots_.clear();
    count_ = 0;
    world_.clear();
    byName_.clear();
    namespaces_.clear();
    shortestCache_.clear();
    numberHints_.clear();
    ++namesGeneration_;
}

} // namespace qbhost
