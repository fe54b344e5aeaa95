#include "scene_namespaces.h"

#include <algorithm>

namespace qbhost {

namespace {

// A namespace name as given, without root colon or trailing colon.
QString namespaceName(const QString& rawName)
{
    QString name = rawName.startsWith(QLatin1Char(':')) ? rawName.mid(1) : rawName;
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

void addPrefixes(const QString& name, QSet<QString>& out)
{
    int pos = name.indexOf(QLatin1Char(':'));
    while (pos > 0) {
        out.insert(name.left(pos));
        pos = name.indexOf(QLatin1Char(':'), pos + 1);
    }
}

} // namespace

void SceneNamespaces::rank(const QString& name)
{
    int pos = name.indexOf(QLatin1Char(':'));
    while (pos > 0) {
        const QString ns = name.left(pos);
        if (!rank_.contains(ns))
            rank_.insert(ns, nextRank_++);
        pos = name.indexOf(QLatin1Char(':'), pos + 1);
    }
}

void SceneNamespaces::noteNodeName(const QString& name, int delta)
{
    int pos = name.indexOf(QLatin1Char(':'));
    if (pos <= 0)
        return;
    if (delta > 0)
        rank(name);
    while (pos > 0) {
        const QString ns = name.left(pos);
        int& count = implied_[ns];
        count += delta;
        if (count <= 0)
            implied_.remove(ns);
        pos = name.indexOf(QLatin1Char(':'), pos + 1);
    }
}

QStringList SceneNamespaces::namespaces() const
{
    QSet<QString> all = explicit_;
    for (auto it = implied_.constBegin(); it != implied_.constEnd(); ++it)
        all.insert(it.key());
    for (const QString& ns : explicit_)
        addPrefixes(ns + QLatin1Char(':'), all);
    all.insert(QStringLiteral("UI"));
    all.insert(QStringLiteral("shared"));
    QStringList out = all.values();
    out.sort();
    return out;
}

QStringList SceneNamespaces::childNamespaces(const QString& rawParent) const
{
    const QString parent = namespaceName(rawParent);
    QStringList out;
    for (const QString& ns : namespaces()) {
        if (parent.isEmpty()) {
            if (!ns.contains(QLatin1Char(':')))
                out << ns;
        } else if (ns.startsWith(parent + QLatin1Char(':'))
                   && !ns.mid(parent.size() + 1).contains(QLatin1Char(':'))) {
            out << ns;
        }
    }
    // "UI" and "shared" exist before anything else (rank 0).
    std::stable_sort(out.begin(), out.end(), [this](const QString& a, const QString& b) {
        return rank_.value(a, 0) < rank_.value(b, 0);
    });
    return out;
}

bool SceneNamespaces::exists(const QString& rawName) const
{
    const QString name = namespaceName(rawName);
    if (name.isEmpty() || name == QLatin1String("UI") || name == QLatin1String("shared"))
        return true;
    if (implied_.contains(name) || explicit_.contains(name))
        return true;
    const QString prefix = name + QLatin1Char(':');
    for (const QString& ns : explicit_)
        if (ns.startsWith(prefix))
            return true;
    return false;
}

QStringList SceneNamespaces::explicitNamespaces() const
{
    QStringList out = explicit_.values();
    out.sort();
    return out;
}

MStatus SceneNamespaces::add(const QString& rawName)
{
    const QString name = namespaceName(rawName);
    if (name.isEmpty() || exists(name))
        return MS::kInvalidParameter;
    explicit_.insert(name);
    rank(name + QLatin1Char(':'));
    return MS::kSuccess;
}

MStatus SceneNamespaces::remove(const QString& rawName)
{
    const QString name = namespaceName(rawName);
    if (name == QLatin1String("UI") || name == QLatin1String("shared") || !exists(name))
        return MS::kInvalidParameter;
    // The host refuses to remove a namespace that still holds something.
    if (implied_.contains(name))
        return MS::kFailure;
    const QString prefix = name + QLatin1Char(':');
    for (const QString& ns : explicit_)
        if (ns.startsWith(prefix))
            return MS::kFailure;
    explicit_.remove(name);
    if (current_ == name)
        current_ = QStringLiteral(":");
    return MS::kSuccess;
}

MStatus SceneNamespaces::setCurrent(const QString& rawName)
{
    if (rawName == QLatin1String(":") || rawName.isEmpty()) {
        current_ = QStringLiteral(":");
        return MS::kSuccess;
    }
    const QString name = namespaceName(rawName);
    if (!exists(name))
        return MS::kInvalidParameter;
    current_ = name;
    return MS::kSuccess;
}

void SceneNamespaces::clear()
{
    explicit_.clear();
    implied_.clear();
    rank_.clear();
    current_ = QStringLiteral(":");
}

} // namespace qbhost
