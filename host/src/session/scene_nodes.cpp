#include "scene_nodes.h"

#include <QtCore/QRegularExpression>

#include <algorithm>

namespace qbhost {

namespace {

QString stripRoot(const QString& name)
{
    return name.startsWith(QLatin1Char(':')) ? name.mid(1) : name;
}

// A namespace name as given, without root colon or trailing colon.
QString namespaceName(const QString& rawName)
{
    QString name = stripRoot(rawName);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

void addImpliedNamespaces(const QString& nodeName, QSet<QString>& out)
{
    int pos = nodeName.indexOf(QLatin1Char(':'));
    while (pos > 0) {
        out.insert(nodeName.left(pos));
        pos = nodeName.indexOf(QLatin1Char(':'), pos + 1);
    }
}

} // namespace

// Gives the namespaces a name implies (parents first) their creation rank,
// unless they have one.
void SceneNodes::rankNamespaces(const QString& name)
{
    int pos = name.indexOf(QLatin1Char(':'));
    while (pos > 0) {
        const QString ns = name.left(pos);
        if (!namespaceRank_.contains(ns))
            namespaceRank_.insert(ns, nextNamespaceRank_++);
        pos = name.indexOf(QLatin1Char(':'), pos + 1);
    }
}

bool SceneNodes::exists(const QString& name) const
{
    return types_.contains(stripRoot(name));
}

QString SceneNodes::type(const QString& name) const
{
    return types_.value(stripRoot(name));
}

QString SceneNodes::sharedName(const QString& name) const
{
    const auto it = types_.constFind(name);
    return it == types_.constEnd() ? name : it.key();
}

MStatus SceneNodes::create(const QString& type, const QString& rawName)
{
    const QString name = stripRoot(rawName);
    if (name.isEmpty() || name.endsWith(QLatin1Char(':')) || types_.contains(name))
        return MS::kInvalidParameter;
    order_.append(name);
    types_.insert(name, type);
    rankNamespaces(name);
    return MS::kSuccess;
}

MStatus SceneNodes::remove(const QString& rawName)
{
    const QString name = stripRoot(rawName);
    if (!types_.remove(name))
        return MS::kInvalidParameter;
    order_.removeOne(name);
    return MS::kSuccess;
}

QStringList SceneNodes::match(const QString& rawPattern) const
{
    const QString pattern = stripRoot(rawPattern);
    if (!pattern.contains(QLatin1Char('*')) && !pattern.contains(QLatin1Char('?'))) {
        // The stored name, shared: a selection of thousands holds no copies.
        if (types_.contains(pattern))
            return QStringList{sharedName(pattern)};
        return QStringList();
    }
    // As in the host, '*' and '?' stay within one namespace level.
    QString rx;
    for (QChar c : pattern) {
        if (c == QLatin1Char('*'))
            rx += QStringLiteral("[^:]*");
        else if (c == QLatin1Char('?'))
            rx += QStringLiteral("[^:]");
        else
            rx += QRegularExpression::escape(QString(c));
    }
    const QRegularExpression re(QRegularExpression::anchoredPattern(rx));
    QStringList out;
    for (const QString& n : order_)
        if (re.match(n).hasMatch())
            out << n;
    return out;
}

QStringList SceneNodes::namespaces() const
{
    QSet<QString> all = explicitNamespaces_;
    for (const QString& n : order_)
        addImpliedNamespaces(n, all);
    // Parents of explicit nested namespaces exist too.
    for (const QString& ns : explicitNamespaces_)
        addImpliedNamespaces(ns + QLatin1Char(':'), all);
    all.insert(QStringLiteral("UI"));
    all.insert(QStringLiteral("shared"));
    QStringList out = all.values();
    out.sort();
    return out;
}

QStringList SceneNodes::childNamespaces(const QString& rawParent) const
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
        return namespaceRank_.value(a, 0) < namespaceRank_.value(b, 0);
    });
    return out;
}

bool SceneNodes::namespaceExists(const QString& rawName) const
{
    const QString name = namespaceName(rawName);
    if (name.isEmpty())
        return true; // the root
    return namespaces().contains(name);
}

QStringList SceneNodes::explicitNamespaces() const
{
    QStringList out = explicitNamespaces_.values();
    out.sort();
    return out;
}

MStatus SceneNodes::addNamespace(const QString& rawName)
{
    const QString name = namespaceName(rawName);
    if (name.isEmpty() || namespaceExists(name))
        return MS::kInvalidParameter;
    explicitNamespaces_.insert(name);
    rankNamespaces(name + QLatin1Char(':'));
    return MS::kSuccess;
}

MStatus SceneNodes::removeNamespace(const QString& rawName)
{
    const QString name = namespaceName(rawName);
    if (name == QLatin1String("UI") || name == QLatin1String("shared") || !namespaceExists(name))
        return MS::kInvalidParameter;
    // The host refuses to remove a namespace that still holds something.
    const QString prefix = name + QLatin1Char(':');
    for (const QString& n : order_)
        if (n.startsWith(prefix))
            return MS::kFailure;
    for (const QString& ns : explicitNamespaces_)
        if (ns.startsWith(prefix))
            return MS::kFailure;
    explicitNamespaces_.remove(name);
    if (current_ == name)
        current_ = QStringLiteral(":");
    return MS::kSuccess;
}

MStatus SceneNodes::setCurrentNamespace(const QString& rawName)
{
    if (rawName == QLatin1String(":") || rawName.isEmpty()) {
        current_ = QStringLiteral(":");
        return MS::kSuccess;
    }
    const QString name = namespaceName(rawName);
    if (!namespaceExists(name))
        return MS::kInvalidParameter;
    current_ = name;
    return MS::kSuccess;
}

void SceneNodes::clear()
{
    order_.clear();
    types_.clear();
    explicitNamespaces_.clear();
    namespaceRank_.clear();
    current_ = QStringLiteral(":");
}

} // namespace qbhost
