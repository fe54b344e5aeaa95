#include "plug_key.h"
#include "node_types.h"

namespace qbhost {

AttrLookup findAttribute(const NodeRecord& node, const QString& name)
{
    AttrLookup out;
    const AttrTable* table = typeOf(node).attributes;
    const int s = table->indexOf(name);
    if (s >= 0) {
        out.def = &table->at(s);
        out.index = s;
        return out;
    }
    const int dyn = node.attributes.dynamicIndexOf(name);
    if (dyn >= 0) {
        out.def = &node.attributes.dynamicAt(dyn);
        out.dynamic = true;
        out.index = dyn;
    }
    return out;
}

std::vector<const AttrDef*> childrenOf(const NodeRecord& node, const AttrLookup& attr)
{
    std::vector<const AttrDef*> out;
    if (!attr.def)
        return out;
    const AttrTable* table = typeOf(node).attributes;
    for (int c : attr.def->children)
        out.push_back(attr.dynamic ? &node.attributes.dynamicAt(c) : &table->at(c));
    return out;
}

namespace {

// "name[3]" -> "name", "[3]"
void splitIndex(const QString& element, QString* name, QString* index)
{
    const int bracket = element.indexOf(QLatin1Char('['));
    if (bracket < 0) {
        *name = element;
        index->clear();
        return;
    }
    *name = element.left(bracket);
    *index = element.mid(bracket);
    index->remove(QLatin1Char(' '));
}

// Splits "a[0].b[1:3].c" at the dots outside brackets.
QStringList splitAttrPath(const QString& path)
{
    QStringList out;
    int depth = 0;
    int start = 0;
    for (int i = 0; i < path.size(); ++i) {
        const QChar c = path.at(i);
        if (c == QLatin1Char('['))
            ++depth;
        else if (c == QLatin1Char(']'))
            --depth;
        else if (c == QLatin1Char('.') && depth <= 0) {
            out << path.mid(start, i - start);
            start = i + 1;
        }
    }
    out << path.mid(start);
    return out;
}

} // namespace

PlugRef plugOf(const NodeRecord& node, const QString& attrPath)
{
    PlugRef out;
    out.node = node.id;
    // The common case, one attribute by name ("tx", "ikfk"), without
    // splitting the path.
    if (!attrPath.contains(QLatin1Char('.')) && !attrPath.contains(QLatin1Char('['))) {
        const AttrLookup found = findAttribute(node, attrPath);
        out.def = out.holder = found.def;
        out.key = found.def ? found.def->longName : attrPath;
        if (found.def && found.def->parent >= 0) {
            const AttrDef* compound = found.dynamic
                                          ? &node.attributes.dynamicAt(found.def->parent)
                                          : &typeOf(node).attributes->at(found.def->parent);
            if (compound->type == AttrType::NumericCompound) {
                out.key = compound->longName;
                out.element = compound->children.indexOf(found.index);
                out.holder = compound;
            }
        }
        return out;
    }
    const QStringList elements = splitAttrPath(attrPath);
    AttrLookup current;
    QString key;
    QString parentKey; // the key up to the last element
    for (int i = 0; i < elements.size(); ++i) {
        QString name, index;
        splitIndex(elements[i], &name, &index);
        AttrLookup found;
        if (i == 0) {
            found = findAttribute(node, name);
        } else if (current.def) {
            for (int c : current.def->children) {
                const AttrDef* child = current.dynamic ? &node.attributes.dynamicAt(c)
                                                       : &typeOf(node).attributes->at(c);
                if (child->longName == name || child->shortName == name) {
                    found.def = child;
                    found.dynamic = current.dynamic;
                    found.index = c;
                    break;
                }
            }
        }
        parentKey = key;
        if (!key.isEmpty())
            key += QLatin1Char('.');
        key += (found.def ? found.def->longName : name) + index;
        current = found;
        if (!found.def && i + 1 < elements.size()) {
            // Below an attribute the stand-in does not know: the rest as written.
            key += QLatin1Char('.') + QStringList(elements.mid(i + 1)).join(QLatin1Char('.'));
            current = AttrLookup();
            break;
        }
    }
    out.def = current.def;
    out.holder = current.def;
    out.key = key;
    // A child of a numeric compound is an element of the compound's value.
    if (current.def && current.def->parent >= 0 && !elements.last().contains(QLatin1Char('['))) {
        const AttrDef* compound = current.dynamic
                                      ? &node.attributes.dynamicAt(current.def->parent)
                                      : &typeOf(node).attributes->at(current.def->parent);
        if (compound->type == AttrType::NumericCompound) {
            out.key = elements.size() == 1 ? compound->longName : parentKey;
            out.element = compound->children.indexOf(current.index);
            out.holder = compound;
        }
    }
    return out;
}

QString connectionKey(const PlugRef& plug)
{
    if (plug.element < 0 || !plug.def)
        return plug.key;
    if (plug.key.contains(QLatin1Char('[')) || plug.key.contains(QLatin1Char('.')))
        return plug.key + QLatin1Char('.') + plug.def->longName;
    return plug.def->longName;
}

bool plugExists(const NodeRecord& node, const PlugRef& plug)
{
    if (plug.def)
        return true;
    // The attributes of a type the stand-in does not know cannot be checked.
    if (!typeOf(node).known)
        return true;
    if (node.attributes.plug(plug.key))
        return true;
    // An element or child of something set ("pt[3]" of "pt[0:7]") is not
    // looked into: only what was set under that very name exists.
    const QString prefix = plug.key + QLatin1Char('[');
    const QString childPrefix = plug.key + QLatin1Char('.');
    for (const QString& k : node.attributes.keys())
        if (k.startsWith(prefix) || k.startsWith(childPrefix))
            return true;
    return false;
}

} // namespace qbhost
