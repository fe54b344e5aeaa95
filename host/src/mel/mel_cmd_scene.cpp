// Built-in commands on the scene: selection, nodes and namespaces.
#include "mel_flags.h"
#include "mel_parser.h"

#include <qbhost/host_session.h>

#include <QtCore/QSet>

namespace qbhost {
namespace mel {

namespace {

// Every name must match something before the selection changes at all.
QStringList matchAll(CommandCall& call, const QStringList& patterns)
{
    QStringList out;
    QSet<QString> seen;
    for (const QString& p : patterns) {
        const QStringList found = call.host().matchNodes(p);
        if (found.isEmpty())
            call.fail(QStringLiteral("No object matches name: %1").arg(p));
        for (const QString& n : found) {
            if (!seen.contains(n)) {
                seen.insert(n);
                out << n;
            }
        }
    }
    return out;
}

Value selectCommand(CommandCall& call)
{
    Flags flags(call, {{"r", "replace", false},
                       {"add", "add", false},
                       {"d", "deselect", false},
                       {"tgl", "toggle", false},
                       {"cl", "clear", false}});
    HostSession& host = call.host();
    if (flags.has("clear")) {
        host.setSelection(QStringList());
        return Value();
    }
    const QStringList patterns = flags.positionalNames();
    const bool add = flags.has("add"), deselect = flags.has("deselect"), toggle = flags.has("toggle");
    if (patterns.isEmpty()) {
        // Without objects `select` clears; adding or toggling nothing changes nothing.
        if (!add && !toggle)
            host.setSelection(QStringList());
        return Value();
    }
    const QStringList matches = matchAll(call, patterns);
    // One new list and one change: 10,000 names cost one pass, not 10,000.
    QStringList sel = (add || deselect || toggle) ? host.selection() : QStringList();
    QSet<QString> present(sel.begin(), sel.end());
    QSet<QString> removed;
    for (const QString& m : matches) {
        const bool in = present.contains(m);
        if (deselect || (toggle && in)) {
            if (in) {
                present.remove(m);
                removed.insert(m);
            }
        } else if (!in) {
            present.insert(m);
            sel << m;
        }
    }
    if (!removed.isEmpty()) {
        QStringList kept;
        kept.reserve(sel.size());
        for (const QString& s : sel)
            if (present.contains(s))
                kept << s;
        sel = kept;
    }
    host.setSelection(sel);
    return Value();
}

Value lsCommand(CommandCall& call)
{
    Flags flags(call, {{"sl", "selection", false}});
    HostSession& host = call.host();
    const QStringList patterns = flags.positionalNames();
    if (flags.has("selection")) {
        const QStringList sel = host.selection();
        if (patterns.isEmpty())
            return Value::fromStringArray(sel);
        QSet<QString> wanted;
        for (const QString& p : patterns)
            for (const QString& n : host.matchNodes(p))
                wanted.insert(n);
        QStringList out;
        for (const QString& s : sel)
            if (wanted.contains(s))
                out << s;
        return Value::fromStringArray(out);
    }
    if (patterns.isEmpty())
        return Value::fromStringArray(host.nodes());
    QStringList out;
    QSet<QString> seen;
    for (const QString& p : patterns) {
        for (const QString& n : host.matchNodes(p)) {
            if (!seen.contains(n)) {
                seen.insert(n);
                out << n;
            }
        }
    }
    return Value::fromStringArray(out);
}

// "arm_ctrl" taken: "arm_ctrl1"; "pCube1" taken: "pCube2", as the host numbers.
QString uniqueNodeName(HostSession& host, const QString& wanted)
{
    if (!host.nodeExists(wanted))
        return wanted;
    int digits = 0;
    while (digits < wanted.size() && wanted.at(wanted.size() - 1 - digits).isDigit()
           && wanted.at(wanted.size() - 1 - digits).unicode() < 128)
        ++digits;
    const QString base = wanted.left(wanted.size() - digits);
    bool ok = false;
    qlonglong n = digits > 0 && digits < 10 ? wanted.right(digits).toLongLong(&ok) + 1 : 1;
    if (!ok)
        n = 1;
    for (;; ++n) {
        const QString candidate = base + QString::number(n);
        if (!host.nodeExists(candidate))
            return candidate;
    }
}

Value createNodeCommand(CommandCall& call)
{
    Flags flags(call, {{"n", "name", true}, {"ss", "skipSelect", false}});
    if (flags.positional().size() != 1)
        call.fail(QStringLiteral("createNode needs one node type."));
    const QString type = flags.positional().front()->val().toString();
    if (type.isEmpty())
        call.fail(QStringLiteral("createNode needs one node type."));
    HostSession& host = call.host();
    QString name = flags.has("name") ? flags.value("name").toString() : QString();
    if (name.isEmpty())
        name = type + QLatin1Char('1');
    if (name.startsWith(QLatin1Char(':')))
        name.remove(0, 1);
    else if (host.currentNamespace() != QLatin1String(":"))
        name = host.currentNamespace() + QLatin1Char(':') + name; // new nodes go to the current namespace
    if (name.isEmpty() || name.endsWith(QLatin1Char(':')))
        call.fail(QStringLiteral("Invalid node name \"%1\".").arg(name));
    name = uniqueNodeName(host, name);
    if (!host.createNode(type, name))
        call.fail(QStringLiteral("Cannot create the node \"%1\".").arg(name));
    // The host selects a new node; not while it reads a scene file.
    if (!flags.has("skipSelect") && !call.engine.readingScene())
        host.setSelection(QStringList{name});
    return Value::fromString(name);
}

Value deleteCommand(CommandCall& call)
{
    Flags flags(call, {});
    HostSession& host = call.host();
    QStringList names = flags.positionalNames();
    names = names.isEmpty() ? host.selection() : matchAll(call, names);
    if (names.isEmpty())
        call.fail(QStringLiteral("Not enough objects or values."));
    for (const QString& n : names)
        host.deleteNode(n);
    return Value();
}

// A namespace argument as a full name without colons at the ends, "" for the
// root. A relative name is looked up below the current namespace first.
QString resolveNamespace(HostSession& host, QString name)
{
    if (name.isEmpty() || name == QLatin1String(":"))
        return QString();
    while (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    if (name.startsWith(QLatin1Char(':')))
        return name.mid(1);
    const QString current = host.currentNamespace();
    if (current != QLatin1String(":")) {
        const QString below = current + QLatin1Char(':') + name;
        if (host.namespaceExists(below))
            return below;
    }
    return name;
}

Value namespaceCommand(CommandCall& call)
{
    Flags flags(call, {{"add", "addNamespace", true},
                       {"p", "parent", true},
                       {"set", "setNamespace", true},
                       {"rm", "removeNamespace", true},
                       {"ex", "exists", false},
                       {"rel", "relativeNames", true}},
                true);
    HostSession& host = call.host();
    const auto& pos = flags.positional();
    if (flags.has("relativeNames")) {
        if (flags.query())
            return Value::fromInt(host.relativeNames() ? 1 : 0);
        const Value v = flags.value("relativeNames");
        int on = 0;
        if (!(v.isString() && isBooleanWord(v.stringRef(), &on)))
            on = v.toInt() != 0 ? 1 : 0;
        host.setRelativeNames(on != 0);
        return Value();
    }
    if (flags.query())
        call.fail(QStringLiteral("namespace -query needs -relativeNames."));
    if (flags.has("exists")) {
        if (pos.size() != 1)
            call.fail(QStringLiteral("namespace -exists needs one namespace name."));
        const QString name = pos.front()->val().toString();
        return Value::fromInt(host.namespaceExists(resolveNamespace(host, name)) || name == QLatin1String(":"));
    }
    if (flags.has("addNamespace")) {
        QString name = flags.value("addNamespace").toString();
        QString parent;
        if (flags.has("parent")) {
            parent = resolveNamespace(host, flags.value("parent").toString());
            if (!parent.isEmpty() && !host.namespaceExists(parent))
                call.fail(QStringLiteral("Namespace \"%1\" does not exist.").arg(flags.value("parent").toString()));
        } else if (!name.startsWith(QLatin1Char(':')) && host.currentNamespace() != QLatin1String(":")) {
            parent = host.currentNamespace();
        }
        while (name.startsWith(QLatin1Char(':')))
            name.remove(0, 1);
        while (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        if (name.isEmpty())
            call.fail(QStringLiteral("A namespace needs a name."));
        const QString full = parent.isEmpty() ? name : parent + QLatin1Char(':') + name;
        if (host.namespaceExists(full))
            call.fail(QStringLiteral("Namespace \"%1\" already exists.").arg(full));
        if (!host.addNamespace(full))
            call.fail(QStringLiteral("Cannot add the namespace \"%1\".").arg(full));
        return Value::fromString(full);
    }
    if (flags.has("setNamespace")) {
        const QString given = flags.value("setNamespace").toString();
        const QString name = resolveNamespace(host, given);
        if (!host.setCurrentNamespace(name.isEmpty() ? QStringLiteral(":") : name))
            call.fail(QStringLiteral("Namespace \"%1\" does not exist.").arg(given));
        return Value();
    }
    if (flags.has("removeNamespace")) {
        const QString given = flags.value("removeNamespace").toString();
        const QString name = resolveNamespace(host, given);
        if (name.isEmpty() || name == QLatin1String("UI") || name == QLatin1String("shared"))
            call.fail(QStringLiteral("The namespace \"%1\" cannot be removed.").arg(given));
        if (!host.namespaceExists(name))
            call.fail(QStringLiteral("Namespace \"%1\" does not exist.").arg(given));
        if (!host.removeNamespace(name))
            call.fail(QStringLiteral("Namespace \"%1\" is not empty.").arg(name));
        return Value();
    }
    call.fail(QStringLiteral("namespace needs one of -add, -set, -rm or -exists."));
}

// A full namespace name ("" for the root) as namespaceInfo gives it: with
// -absoluteName from the root (":hero:sub"); in relative-name mode relative
// to the current namespace where it lies below it; otherwise the full name.
QString shownNamespace(const HostSession& host, const QString& full, bool absolute)
{
    if (absolute || full.isEmpty())
        return QLatin1Char(':') + full;
    const QString current = host.currentNamespace();
    if (!host.relativeNames() || current == QLatin1String(":"))
        return full;
    if (full.startsWith(current + QLatin1Char(':')))
        return full.mid(current.size() + 1);
    return QLatin1Char(':') + full;
}

void listBelow(HostSession& host, const QString& parent, QStringList& out)
{
    for (const QString& ns : host.childNamespaces(parent.isEmpty() ? QStringLiteral(":") : parent)) {
        out << ns;
        listBelow(host, ns, out);
    }
}

Value namespaceInfoCommand(CommandCall& call)
{
    Flags flags(call, {{"lon", "listOnlyNamespaces", false},
                       {"r", "recurse", false},
                       {"cur", "currentNamespace", false},
                       {"an", "absoluteName", false}});
    HostSession& host = call.host();
    const bool absolute = flags.has("absoluteName");
    if (flags.has("currentNamespace")) {
        const QString current = host.currentNamespace();
        if (!absolute)
            return Value::fromString(current);
        return Value::fromString(current == QLatin1String(":") ? current : QLatin1Char(':') + current);
    }
    if (!flags.has("listOnlyNamespaces"))
        call.fail(QStringLiteral("namespaceInfo needs -listOnlyNamespaces or -currentNamespace."));
    if (flags.positional().size() > 1)
        call.fail(QStringLiteral("namespaceInfo takes one namespace."));
    QString base;
    if (flags.positional().empty()) {
        base = host.currentNamespace();
        if (base == QLatin1String(":"))
            base.clear();
    } else {
        const QString given = flags.positional().front()->val().toString();
        base = resolveNamespace(host, given);
        if (!base.isEmpty() && !host.namespaceExists(base))
            call.fail(QStringLiteral("Namespace \"%1\" does not exist.").arg(given));
    }
    QStringList out;
    if (flags.has("recurse"))
        listBelow(host, base, out);
    else
        out = host.childNamespaces(base.isEmpty() ? QStringLiteral(":") : base);
    for (QString& name : out)
        name = shownNamespace(host, name, absolute);
    return Value::fromStringArray(out);
}

} // namespace

void addSceneCommands(BuiltinTable& table)
{
    table.insert(QStringLiteral("select"), selectCommand);
    table.insert(QStringLiteral("ls"), lsCommand);
    table.insert(QStringLiteral("createNode"), createNodeCommand);
    table.insert(QStringLiteral("delete"), deleteCommand);
    table.insert(QStringLiteral("namespace"), namespaceCommand);
    table.insert(QStringLiteral("namespaceInfo"), namespaceInfoCommand);
}

} // namespace mel
} // namespace qbhost
