// Built-in commands that describe attributes: attributeQuery and listAttr.
#include "mel_flags.h"
#include "mel_scene_names.h"

#include "../scene/node_types.h"

#include <QtCore/QRegularExpression>

namespace qbhost {
namespace mel {

namespace {

QString enumText(const QString& names)
{
    QStringList parts;
    int expected = 0;
    for (const auto& f : enumFields(names)) {
        parts << (f.second == expected ? f.first : QStringLiteral("%1=%2").arg(f.first).arg(f.second));
        expected = f.second + 1;
    }
    return parts.join(QLatin1Char(':'));
}

Value attributeQueryCommand(CommandCall& call)
{
    Flags flags(call, {{"n", "node", true},           {"typ", "type", true},         {"ex", "exists", false},
                       {"r", "range", false},         {"sr", "softRange", false},    {"le", "listEnum", false},
                       {"k", "keyable", false},       {"at", "attributeType", false}, {"lc", "listChildren", false},
                       {"lp", "listParent", false},   {"mne", "minExists", false},   {"mxe", "maxExists", false},
                       {"ln", "longName", false},     {"sn", "shortName", false},    {"nn", "niceName", false},
                       {"m", "multi", false},         {"e", "enum", false},          {"h", "hidden", false},
                       {"ld", "listDefault", false},  {"uac", "usedAsColor", false}, {"w", "writable", false},
                       {"c", "connectable", false},   {"re", "rangeExists", false},  {"sre", "softRangeExists", false},
                       {"smn", "softMinExists", false}, {"smx", "softMaxExists", false}});
    SessionData& d = sessionOf(call);
    if (flags.positional().size() != 1)
        call.fail(QStringLiteral("attributeQuery needs one attribute name."));
    const QString name = flags.positional().front()->val().toString();
    NodeRecord probe;
    const NodeRecord* node = &probe;
    if (flags.has("node")) {
        node = d.scene.graph.node(requireNode(call, flags.value("node").toString()));
    } else if (flags.has("type")) {
        probe.type = flags.value("type").toString();
    } else {
        call.fail(QStringLiteral("attributeQuery needs -node or -type."));
    }
    const PlugRef plug = plugOf(*node, name);
    const AttrDef* def = plug.def;
    if (flags.has("exists"))
        return Value::fromInt(plugExists(*node, plug) ? 1 : 0);
    if (!def)
        call.fail(QStringLiteral("attributeQuery: No attribute named \"%1\".").arg(name));
    if (flags.has("range")) {
        if (!def->hasMin && !def->hasMax)
            call.fail(QStringLiteral("attributeQuery: \"%1\" has no range.").arg(name));
        return Value::fromFloatArray({def->hasMin ? def->minValue : -1e308, def->hasMax ? def->maxValue : 1e308});
    }
    if (flags.has("softRange")) {
        const double lo = def->hasSoftMin ? def->softMin : (def->hasMin ? def->minValue : 0);
        const double hi = def->hasSoftMax ? def->softMax : (def->hasMax ? def->maxValue : 0);
        return Value::fromFloatArray({lo, hi});
    }
    if (flags.has("listEnum")) {
        if (def->type != AttrType::Enum)
            call.fail(QStringLiteral("attributeQuery: \"%1\" is not an enum attribute.").arg(name));
        return Value::fromStringArray({enumText(def->enumNames)});
    }
    if (flags.has("rangeExists"))
        return Value::fromInt(def->hasMin || def->hasMax ? 1 : 0);
    if (flags.has("softRangeExists"))
        return Value::fromInt(def->hasSoftMin || def->hasSoftMax ? 1 : 0);
    if (flags.has("softMinExists"))
        return Value::fromInt(def->hasSoftMin ? 1 : 0);
    if (flags.has("softMaxExists"))
        return Value::fromInt(def->hasSoftMax ? 1 : 0);
    if (flags.has("minExists"))
        return Value::fromInt(def->hasMin ? 1 : 0);
    if (flags.has("maxExists"))
        return Value::fromInt(def->hasMax ? 1 : 0);
    if (flags.has("keyable"))
        return Value::fromInt(def->keyable ? 1 : 0);
    if (flags.has("hidden"))
        return Value::fromInt(def->hidden ? 1 : 0);
    if (flags.has("multi"))
        return Value::fromInt(def->multi ? 1 : 0);
    if (flags.has("enum"))
        return Value::fromInt(def->type == AttrType::Enum ? 1 : 0);
    if (flags.has("writable") || flags.has("connectable"))
        return Value::fromInt(1);
    if (flags.has("usedAsColor"))
        return Value::fromInt(0);
    if (flags.has("attributeType"))
        return Value::fromString(def->type == AttrType::Typed ? QStringLiteral("typed") : def->typeName);
    if (flags.has("longName"))
        return Value::fromString(def->longName);
    if (flags.has("shortName"))
        return Value::fromString(def->shortName.isEmpty() ? def->longName : def->shortName);
    if (flags.has("niceName"))
        return Value::fromString(def->niceName.isEmpty() ? def->longName : def->niceName);
    if (flags.has("listDefault"))
        return Value::fromFloatArray({def->defaultValue});
    const AttrLookup attr = findAttribute(*node, def->longName);
    if (flags.has("listChildren")) {
        QStringList out;
        for (const AttrDef* c : childrenOf(*node, attr))
            out << c->longName;
        return Value::fromStringArray(out);
    }
    if (flags.has("listParent")) {
        if (def->parent < 0)
            return Value::fromStringArray(QStringList());
        const AttrDef& p = attr.dynamic ? node->attributes.dynamicAt(def->parent)
                                        : typeOf(*node).attributes->at(def->parent);
        return Value::fromStringArray({p.longName});
    }
    call.fail(QStringLiteral("attributeQuery needs a query flag (-exists, -range, -listEnum, ...)."));
}

Value listAttrCommand(CommandCall& call)
{
    Flags flags(call, {{"ud", "userDefined", false}, {"k", "keyable", false},    {"l", "locked", false},
                       {"u", "unlocked", false},     {"cb", "channelBox", false}, {"st", "string", true},
                       {"sn", "shortNames", false},  {"s", "scalar", false},      {"m", "multi", false},
                       {"r", "read", false},         {"w", "write", false},       {"c", "connectable", false},
                       {"v", "visible", false}});
    SessionData& d = sessionOf(call);
    const std::vector<NodeId> targets = targetsOrSelection(call, flags.positionalNames());
    const QStringList patterns = flags.values("string");
    QStringList out;
    for (NodeId id : targets) {
        const NodeRecord& node = *d.scene.graph.node(id);
        std::vector<const AttrDef*> defs;
        if (!flags.has("userDefined")) {
            const AttrTable* table = typeOf(node).attributes;
            for (int i = 0; i < table->size(); ++i)
                defs.push_back(&table->at(i));
        }
        for (int i = 0; i < node.attributes.dynamicCount(); ++i)
            defs.push_back(&node.attributes.dynamicAt(i));
        for (const AttrDef* def : defs) {
            const PlugRef plug = plugOf(node, def->longName);
            const PlugState* state = node.attributes.plug(connectionKey(plug));
            const bool keyable = state && state->keyable >= 0 ? state->keyable == 1 : def->keyable;
            const bool locked = state && state->locked == 1;
            if (flags.has("keyable") && !keyable)
                continue;
            if (flags.has("channelBox") && (keyable || !(state && state->channelBox == 1)))
                continue;
            if (flags.has("locked") && !locked)
                continue;
            if (flags.has("unlocked") && locked)
                continue;
            if (flags.has("multi") && !def->multi)
                continue;
            if (flags.has("scalar") && (def->multi || def->type == AttrType::Compound))
                continue;
            if (flags.has("visible") && def->hidden)
                continue;
            const QString name = flags.has("shortNames") && !def->shortName.isEmpty() ? def->shortName : def->longName;
            if (!patterns.isEmpty()) {
                bool matched = false;
                for (const QString& p : patterns)
                    matched = matched
                              || QRegularExpression(QRegularExpression::wildcardToRegularExpression(p))
                                     .match(name)
                                     .hasMatch();
                if (!matched)
                    continue;
            }
            out << name;
        }
    }
    return Value::fromStringArray(out);
}

} // namespace

void addAttributeQueryCommands(BuiltinTable& table)
{
    table.insert(QStringLiteral("attributeQuery"), attributeQueryCommand);
    table.insert(QStringLiteral("listAttr"), listAttrCommand);
}

} // namespace mel
} // namespace qbhost
