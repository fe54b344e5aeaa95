// Built-in commands on attributes: setAttr, getAttr, addAttr, deleteAttr,
// attributeQuery and listAttr. Values the stand-in reads (numbers, bools,
// enums, numeric compounds, strings) are kept as values; any other is kept
// as the file wrote it.
#include "mel_flags.h"
#include "mel_parser.h"
#include "mel_scene_names.h"

#include "../scene/node_types.h"
#include "../scene/plug_text.h"
#include "../session/attribute_events.h"
#include "../session/scene_ops.h"

#include <qbhost/host_session.h>

#include <cmath>

namespace qbhost {
namespace mel {

namespace {

bool isNumericCompoundType(const QString& type)
{
    AttrType t;
    int children = 0;
    return attributeTypeFromName(type, &t, &children) && t == AttrType::NumericCompound;
}

// A value argument as a number: numbers and MEL's boolean words.
bool numberOf(const CallArg& a, double* out)
{
    const Value& v = a.val();
    if (v.isNumber()) {
        *out = v.toFloat();
        return true;
    }
    int b = 0;
    if (v.isString() && isBooleanWord(v.stringRef(), &b)) {
        *out = b;
        return true;
    }
    return false;
}

// Arguments as the MEL text they were: numbers and bare words as written,
// strings quoted.
QString rawText(const std::vector<const CallArg*>& values)
{
    QString out;
    for (const CallArg* a : values) {
        if (!out.isEmpty())
            out += QLatin1Char(' ');
        const Value& v = a->val();
        if (!a->literal.isEmpty())
            out += a->literal;
        else if (v.isString())
            appendQuoted(out, v.stringRef());
        else if (v.isNumber())
            out += formatNumber(v.toFloat());
        else
            appendQuoted(out, v.toStringList().join(QLatin1Char(' ')));
    }
    return out;
}

QString describeRange(const AttrDef* def)
{
    return QStringLiteral("%1 to %2")
        .arg(def->hasMin ? formatNumber(def->minValue) : QStringLiteral("-inf"),
             def->hasMax ? formatNumber(def->maxValue) : QStringLiteral("inf"));
}

double checkedNumber(CommandCall& call, const PlugRef& plug, const AttrDef* def, double value, bool clamp)
{
    if (!def || !def->isNumeric())
        return value;
    if ((def->hasMin && value < def->minValue) || (def->hasMax && value > def->maxValue)) {
        if (!clamp)
            call.fail(QStringLiteral("setAttr: The value %1 for '%2' is outside its range (%3).")
                          .arg(formatNumber(value), plug.written, describeRange(def)));
        value = def->hasMin && value < def->minValue ? def->minValue : def->maxValue;
    }
    return def->isInteger() ? std::trunc(value) : value;
}

// The numbers of a numeric compound's children, their defaults where unset.
QVector<double> compoundNumbers(const NodeRecord& node, const PlugRef& plug)
{
    QVector<double> out;
    if (const PlugState* p = node.attributes.plug(plug.key))
        if (p->value.kind == PlugValue::Numbers)
            out = p->value.numbers;
    const AttrLookup holder = findAttribute(node, plug.holder ? plug.holder->longName : QString());
    const std::vector<const AttrDef*> children = childrenOf(node, holder);
    for (size_t i = static_cast<size_t>(out.size()); i < children.size(); ++i)
        out << children[i]->defaultValue;
    return out;
}

PlugValue valueFrom(CommandCall& call, const NodeRecord& node, const PlugRef& plug,
                    const std::vector<const CallArg*>& values, const QString& type, bool clamp)
{
    PlugValue v;
    v.dataType = type;
    const AttrDef* holder = plug.holder;
    if (type == QLatin1String("string")) {
        if (values.size() != 1 || values[0]->val().isArray())
            call.fail(QStringLiteral("setAttr: a string value for '%1' is one string.").arg(plug.written));
        v.kind = PlugValue::Text;
        v.text = values[0]->val().toString();
        return v;
    }
    QVector<double> numbers;
    bool allNumbers = true;
    for (const CallArg* a : values) {
        double d = 0;
        if (!numberOf(*a, &d)) {
            allNumbers = false;
            break;
        }
        numbers << d;
    }
    if (holder && holder->type == AttrType::Typed && holder->typeName == QLatin1String("string") && type.isEmpty())
        call.fail(QStringLiteral("setAttr: '%1' holds a string: give it with -type \"string\".").arg(plug.written));
    const bool numericHolder = holder && (holder->isNumeric() || holder->type == AttrType::NumericCompound);
    if (allNumbers && (numericHolder || (!holder && (type.isEmpty() || isNumericCompoundType(type))))) {
        v.kind = PlugValue::Numbers;
        if (plug.element >= 0) {
            if (numbers.size() != 1)
                call.fail(QStringLiteral("setAttr: '%1' takes one value.").arg(plug.written));
            QVector<double> all = compoundNumbers(node, plug);
            if (plug.element < all.size())
                all[plug.element] = checkedNumber(call, plug, plug.def, numbers[0], clamp);
            v.numbers = all;
            v.dataType.clear();
            return v;
        }
        if (holder && holder->type == AttrType::NumericCompound) {
            if (numbers.size() != holder->children.size())
                call.fail(QStringLiteral("setAttr: '%1' takes %2 values, not %3.")
                              .arg(plug.written)
                              .arg(holder->children.size())
                              .arg(numbers.size()));
            if (!type.isEmpty() && type == holder->typeName)
                v.dataType.clear(); // written from the attribute's own type
        } else if (holder && numbers.size() != 1) {
            call.fail(QStringLiteral("setAttr: '%1' takes one value, not %2.").arg(plug.written).arg(numbers.size()));
        } else if (holder) {
            numbers[0] = checkedNumber(call, plug, holder, numbers[0], clamp);
        }
        v.numbers = numbers;
        return v;
    }
    if (numericHolder)
        call.fail(QStringLiteral("setAttr: '%1' takes numbers.").arg(plug.written));
    v.kind = PlugValue::Raw;
    v.text = rawText(values);
    return v;
}

// A plug is locked, or the compound it is a child of, or (for a whole
// compound) one of its children.
bool lockedPlug(const NodeRecord& node, const PlugRef& plug)
{
    const auto locked = [&](const QString& key) {
        const PlugState* p = node.attributes.plug(key);
        return p && p->locked == 1;
    };
    if (locked(connectionKey(plug)) || locked(plug.key))
        return true;
    if (plug.element < 0 && plug.holder && plug.holder->type == AttrType::NumericCompound) {
        const AttrLookup holder = findAttribute(node, plug.holder->longName);
        for (const AttrDef* child : childrenOf(node, holder))
            if (locked(child->longName))
                return true;
    }
    return false;
}

qint8 flagState(const Flags& flags, const char* name)
{
    return flags.has(name) ? (flags.boolean(name, true) ? 1 : 0) : -1;
}

Value setAttrCommand(CommandCall& call)
{
    Flags flags(call, {{"k", "keyable", true},
                       {"l", "lock", true},
                       {"cb", "channelBox", true},
                       {"s", "size", true},
                       {"typ", "type", true},
                       {"av", "alteredValue", false},
                       {"ca", "caching", true},
                       {"c", "clamp", false},
                       {"ch", "capacityHint", true}});
    const auto& pos = flags.positional();
    if (pos.empty())
        call.fail(QStringLiteral("setAttr needs an attribute."));
    SessionData& d = sessionOf(call);
    const PlugRef plug = requirePlug(call, pos.front()->val().toString());
    NodeRecord& node = *d.scene.graph.node(plug.node);
    if (!d.reading && !plugExists(node, plug))
        call.fail(QStringLiteral("No object matches name: %1").arg(plug.written));
    const std::vector<const CallArg*> values(pos.begin() + 1, pos.end());
    // A compound's children keep their values together and their lock,
    // keyable and channel box states each under its own name.
    const QString flagKey = connectionKey(plug);
    const bool unlocking = flags.has("lock") && !flags.boolean("lock", true);
    if (!values.empty() && !d.reading && !unlocking
        && (lockedPlug(node, plug) || d.scene.connections.into(plug.node, flagKey)))
        call.fail(QStringLiteral("setAttr: The attribute '%1' is locked or connected and cannot be modified.")
                      .arg(plug.written));
    PlugValue value;
    QString changed; // the attribute whose callbacks hear of it, at the end
    if (!values.empty()) {
        value = valueFrom(call, node, plug, values, flags.value("type").toString(), flags.has("clamp"));
        AttributeChange change;
        if (!d.reading) {
            const PlugState* before = node.attributes.plug(plug.key);
            change.hadBefore = before != nullptr;
            if (before)
                change.before = before->value;
        }
        d.scene.graph.setPlug(plug.node, plug.key).value = value;
        // A file being read is no step of the undo queue and tells nobody.
        if (!d.reading) {
            change.node = plug.node;
            change.key = plug.key;
            change.attribute = plug.def ? plug.def->longName : plug.key;
            change.after = value;
            d.undo.record(change);
            changed = change.attribute;
        }
    }
    const bool anyFlag = flags.has("size") || flags.has("keyable") || flags.has("lock") || flags.has("channelBox");
    if (anyFlag) {
        PlugState& state = d.scene.graph.setPlug(plug.node, flagKey);
        if (flags.has("size"))
            state.size = qMax(0, flags.value("size").toInt());
        if (flags.has("keyable"))
            state.keyable = flagState(flags, "keyable");
        if (flags.has("lock"))
            state.locked = flagState(flags, "lock");
        if (flags.has("channelBox"))
            state.channelBox = flagState(flags, "channelBox");
    }
    // ref 1: written relative to the node being read (".tx"), which a
    // rename does not touch.
    claim(d, StatementKind::Attr, plug.node, values.empty() ? flagKey : plug.key, plug.written.startsWith(QLatin1Char('.')) ? 1 : 0);
    sceneops::edited(call.host());
    if (!changed.isEmpty())
        notifyAttributeSet(d, plug.node, changed);
    if (flags.has("lock") && !d.reading)
        notifyAttributeSet(d, plug.node, plug.def ? plug.def->longName : flagKey,
                           flags.boolean("lock", true) ? MNodeMessage::kAttributeLocked
                                                       : MNodeMessage::kAttributeUnlocked);
    return Value();
}

Value numberValue(const AttrDef* def, double v)
{
    if (def && def->isInteger())
        return Value::fromInt(truncateToInt(v));
    return Value::fromFloat(v);
}

QString typeNameOf(const AttrDef* def, const PlugState* state)
{
    if (state && !state->value.dataType.isEmpty())
        return state->value.dataType;
    if (!def)
        return state && state->value.kind == PlugValue::Text ? QStringLiteral("string") : QString();
    return def->typeName;
}

// A value kept as written, read back: numbers as a float array, else strings.
Value rawValue(const QString& text)
{
    Lexer lex(text);
    QVector<double> numbers;
    QStringList strings;
    bool allNumbers = true;
    for (;;) {
        const ArgToken t = lex.nextCommandArg(false);
        if (t.kind == ArgKind::End || t.kind == ArgKind::Semicolon || t.kind == ArgKind::Error)
            break;
        if (t.kind == ArgKind::Int || t.kind == ArgKind::Float)
            numbers << (t.kind == ArgKind::Int ? double(t.intValue) : t.floatValue);
        else
            allNumbers = false;
        strings << t.text;
    }
    if (allNumbers && numbers.size() == 1)
        return Value::fromFloat(numbers[0]);
    if (allNumbers)
        return Value::fromFloatArray(numbers);
    return Value::fromStringArray(strings);
}

Value getAttrCommand(CommandCall& call)
{
    Flags flags(call, {{"typ", "type", false},
                       {"s", "size", false},
                       {"l", "lock", false},
                       {"k", "keyable", false},
                       {"cb", "channelBox", false},
                       {"as", "asString", false},
                       {"sl", "silent", false},
                       {"t", "time", true}});
    const auto& pos = flags.positional();
    if (pos.size() != 1)
        call.fail(QStringLiteral("getAttr needs one attribute."));
    SessionData& d = sessionOf(call);
    const PlugRef plug = requirePlug(call, pos.front()->val().toString());
    const NodeRecord& node = *d.scene.graph.node(plug.node);
    if (!plugExists(node, plug))
        call.fail(QStringLiteral("No object matches name: %1").arg(plug.written));
    const PlugState* state = node.attributes.plug(plug.key);
    const PlugState* flagState = node.attributes.plug(connectionKey(plug));
    const AttrDef* def = plug.def;
    if (flags.has("type"))
        return Value::fromString(plug.element >= 0 ? def->typeName : typeNameOf(plug.holder, state));
    if (flags.has("size"))
        return Value::fromInt(flagState && flagState->size >= 0 ? flagState->size : 0);
    if (flags.has("lock"))
        return Value::fromInt(lockedPlug(node, plug) ? 1 : 0);
    if (flags.has("keyable"))
        return Value::fromInt(flagState && flagState->keyable >= 0 ? flagState->keyable : (def && def->keyable ? 1 : 0));
    if (flags.has("channelBox"))
        return Value::fromInt(flagState && flagState->channelBox >= 0 ? flagState->channelBox : 0);
    const PlugValue* v = state ? &state->value : nullptr;
    if (plug.element >= 0) {
        const QVector<double> all = compoundNumbers(node, plug);
        return numberValue(def, plug.element < all.size() ? all[plug.element] : 0);
    }
    if (def && def->type == AttrType::NumericCompound) {
        const QVector<double> all = compoundNumbers(node, plug);
        return Value::fromFloatArray(all);
    }
    if (!v || v->kind == PlugValue::None) {
        if (def && def->type == AttrType::Enum && flags.has("asString")) {
            for (const auto& f : enumFields(def->enumNames))
                if (f.second == truncateToInt(def->defaultValue))
                    return Value::fromString(f.first);
        }
        if (def && def->isNumeric())
            return numberValue(def, def->defaultValue);
        if (def && def->type == AttrType::Matrix)
            return Value::fromFloatArray({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
        return Value::fromString(QString());
    }
    switch (v->kind) {
    case PlugValue::Numbers:
        if (def && def->type == AttrType::Enum && flags.has("asString") && v->numbers.size() == 1) {
            for (const auto& f : enumFields(def->enumNames))
                if (f.second == truncateToInt(v->numbers[0]))
                    return Value::fromString(f.first);
        }
        if (v->numbers.size() == 1)
            return numberValue(def, v->numbers[0]);
        return Value::fromFloatArray(v->numbers);
    case PlugValue::Text:
        return Value::fromString(v->text);
    case PlugValue::Raw:
        return rawValue(v->text);
    case PlugValue::None:
        break;
    }
    return Value();
}

AttrDef definitionFrom(CommandCall& call, const Flags& flags)
{
    AttrDef def;
    def.longName = flags.value("longName").toString();
    def.shortName = flags.value("shortName").toString();
    if (def.longName.isEmpty())
        def.longName = def.shortName;
    if (def.longName.isEmpty())
        call.fail(QStringLiteral("addAttr needs a name (-longName or -shortName)."));
    def.niceName = flags.value("niceName").toString();
    if (flags.has("dataType")) {
        def.type = AttrType::Typed;
        def.typeName = flags.value("dataType").toString();
    } else {
        def.typeName = flags.has("attributeType") ? flags.value("attributeType").toString() : QStringLiteral("double");
        int childCount = 0;
        if (!attributeTypeFromName(def.typeName, &def.type, &childCount))
            call.fail(QStringLiteral("addAttr: \"%1\" is not an attribute type.").arg(def.typeName));
    }
    def.multi = flags.has("multi");
    def.keyable = flags.boolean("keyable", false);
    def.hidden = flags.boolean("hidden", false);
    def.enumNames = flags.value("enumName").toString();
    if (def.type == AttrType::Enum && def.enumNames.isEmpty())
        def.enumNames = QStringLiteral("Green:Blue"); // the host's own default fields
    const auto number = [&](const char* name, bool* has, double* v) {
        if (flags.has(name)) {
            *has = true;
            *v = flags.value(name).toFloat();
        }
    };
    number("minValue", &def.hasMin, &def.minValue);
    number("maxValue", &def.hasMax, &def.maxValue);
    number("softMinValue", &def.hasSoftMin, &def.softMin);
    number("softMaxValue", &def.hasSoftMax, &def.softMax);
    number("defaultValue", &def.hasDefault, &def.defaultValue);
    if (flags.has("hasMinValue"))
        def.hasMin = flags.boolean("hasMinValue", true);
    if (flags.has("hasMaxValue"))
        def.hasMax = flags.boolean("hasMaxValue", true);
    if (def.hasMin && def.hasMax && def.minValue > def.maxValue)
        call.fail(QStringLiteral("addAttr: the minimum of \"%1\" is above its maximum.").arg(def.longName));
    return def;
}

const std::initializer_list<FlagRule> kAddAttrFlags = {
    {"ln", "longName", true},        {"sn", "shortName", true},        {"nn", "niceName", true},
    {"at", "attributeType", true},   {"dt", "dataType", true},         {"dv", "defaultValue", true},
    {"min", "minValue", true},       {"max", "maxValue", true},        {"smn", "softMinValue", true},
    {"smx", "softMaxValue", true},   {"hnv", "hasMinValue", true},     {"hxv", "hasMaxValue", true},
    {"hsn", "hasSoftMinValue", true}, {"hsx", "hasSoftMaxValue", true}, {"k", "keyable", true},
    {"h", "hidden", true},           {"en", "enumName", true},         {"p", "parent", true},
    {"nc", "numberOfChildren", true}, {"m", "multi", false},           {"im", "indexMatters", true},
    {"uac", "usedAsColor", false},   {"ci", "cachedInternally", true}, {"r", "readable", true},
    {"w", "writable", true},         {"s", "storable", true},          {"is", "internalSet", true},
    {"uaf", "usedAsFilename", false}, {"pxy", "proxy", true},          {"dcb", "disconnectBehaviour", true},
    {"fp", "fromPlugin", true},      {"ct", "category", true},         {"bt", "binaryTag", true},
    {"e", "edit", false},            {"ex", "exists", false},
};

Value addAttrCommand(CommandCall& call)
{
    Flags flags(call, kAddAttrFlags, true);
    SessionData& d = sessionOf(call);
    const std::vector<NodeId> targets = targetsOrSelection(call, flags.positionalNames());
    if (flags.query()) {
        // addAttr -q -exists -ln name node (the other queries belong to attributeQuery).
        const NodeRecord& node = *d.scene.graph.node(targets.front());
        const AttrLookup a = findAttribute(node, flags.value("longName").toString());
        return Value::fromInt(a.def && a.dynamic ? 1 : 0);
    }
    for (NodeId id : targets) {
        NodeRecord& node = *d.scene.graph.node(id);
        if (flags.has("edit")) {
            const QString name = flags.has("longName") ? flags.value("longName").toString()
                                                        : flags.value("shortName").toString();
            const AttrLookup a = findAttribute(node, name);
            if (!a.def || !a.dynamic)
                call.fail(QStringLiteral("addAttr: '%1' has no dynamic attribute \"%2\".")
                              .arg(d.scene.graph.shortestPath(id), name));
            AttrDef& def = node.attributes.dynamicAt(a.index);
            const AttrDef edits = definitionFrom(call, flags);
            if (flags.has("minValue") || flags.has("hasMinValue"))
                def.hasMin = edits.hasMin, def.minValue = edits.minValue;
            if (flags.has("maxValue") || flags.has("hasMaxValue"))
                def.hasMax = edits.hasMax, def.maxValue = edits.maxValue;
            if (flags.has("softMinValue"))
                def.hasSoftMin = true, def.softMin = edits.softMin;
            if (flags.has("softMaxValue"))
                def.hasSoftMax = true, def.softMax = edits.softMax;
            if (flags.has("defaultValue"))
                def.hasDefault = true, def.defaultValue = edits.defaultValue;
            if (flags.has("enumName"))
                def.enumNames = edits.enumNames;
            if (flags.has("keyable"))
                def.keyable = edits.keyable;
            if (flags.has("niceName"))
                def.niceName = edits.niceName;
            node.attributes.touchDynamic(a.index, d.scene.graph.nextSerial());
            sceneops::edited(call.host());
            continue;
        }
        AttrDef def = definitionFrom(call, flags);
        if (findAttribute(node, def.longName).def || (!def.shortName.isEmpty() && findAttribute(node, def.shortName).def))
            call.fail(QStringLiteral("addAttr: '%1' already has an attribute named \"%2\".")
                          .arg(d.scene.graph.shortestPath(id), def.longName));
        if (flags.has("parent")) {
            const AttrLookup parent = findAttribute(node, flags.value("parent").toString());
            if (!parent.def || !parent.dynamic
                || (parent.def->type != AttrType::Compound && parent.def->type != AttrType::NumericCompound))
                call.fail(QStringLiteral("addAttr: '%1' has no compound attribute \"%2\" to add \"%3\" to.")
                              .arg(d.scene.graph.shortestPath(id), flags.value("parent").toString(), def.longName));
            def.parent = parent.index;
        }
        const quint64 serial = d.scene.graph.nextSerial();
        node.attributes.addDynamic(def, serial);
        claim(d, StatementKind::AddAttr, id, def.longName, flags.positional().empty() ? 1 : 0);
        sceneops::edited(call.host());
    }
    return Value();
}

Value deleteAttrCommand(CommandCall& call)
{
    Flags flags(call, {{"at", "attribute", true}});
    SessionData& d = sessionOf(call);
    QStringList names = flags.positionalNames();
    if (flags.has("attribute") && names.size() == 1)
        names[0] += QLatin1Char('.') + flags.value("attribute").toString();
    if (names.size() != 1)
        call.fail(QStringLiteral("deleteAttr needs one attribute."));
    const PlugRef plug = requirePlug(call, names.front());
    NodeRecord& node = *d.scene.graph.node(plug.node);
    const AttrLookup a = findAttribute(node, plug.def ? plug.def->longName : QString());
    if (!a.def || !a.dynamic)
        call.fail(QStringLiteral("deleteAttr: '%1' is not a dynamic attribute.").arg(plug.written));
    node.attributes.removeDynamic(a.index);
    d.scene.graph.nextSerial();
    sceneops::edited(call.host());
    return Value();
}

} // namespace

void addAttributeCommands(BuiltinTable& table)
{
    table.insert(QStringLiteral("setAttr"), setAttrCommand);
    table.insert(QStringLiteral("getAttr"), getAttrCommand);
    table.insert(QStringLiteral("addAttr"), addAttrCommand);
    table.insert(QStringLiteral("deleteAttr"), deleteAttrCommand);
}

} // namespace mel
} // namespace qbhost
