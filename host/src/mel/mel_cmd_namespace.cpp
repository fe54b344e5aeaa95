// Built-in commands on namespaces.
#include "mel_flags.h"
#include "mel_parser.h"

#include <qbhost/host_session.h>

namespace qbhost {
namespace mel {

namespace {

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

void addNamespaceCommands(BuiltinTable& table)
{
    table.insert(QStringLiteral("namespace"), namespaceCommand);
    table.insert(QStringLiteral("namespaceInfo"), namespaceInfoCommand);
}

} // namespace mel
} // namespace qbhost
