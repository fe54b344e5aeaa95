#ifndef QBHOST_PLUG_KEY_H
#define QBHOST_PLUG_KEY_H
// A node's attributes by name, and plugs by their canonical key: long names,
// indices as written, a child of a numeric compound as an element of its
// compound's value.
#include "attribute_def.h"
#include "node_record.h"

#include <vector>

namespace qbhost {

// An attribute of a node: its definition, static or dynamic.
struct AttrLookup {
    const AttrDef* def = nullptr;
    bool dynamic = false;
    int index = -1;
};
AttrLookup findAttribute(const NodeRecord& node, const QString& name);
// The definitions of a node's attribute children.
std::vector<const AttrDef*> childrenOf(const NodeRecord& node, const AttrLookup& attr);

// A plug: the node and the canonical key of the plug that holds its value.
// A child of a numeric compound ("tx") is an element of its compound's value.
struct PlugRef {
    NodeId node = 0;
    QString written;   // as given, for messages
    QString key;       // canonical: long names, indices as written
    int element = -1;  // index in the compound's value
    const AttrDef* def = nullptr; // the attribute named, if known
    const AttrDef* holder = nullptr; // the attribute whose key holds the value
};
// The plug key of an attribute path on a node, without checking it exists.
PlugRef plugOf(const NodeRecord& node, const QString& attrPath);
// The key a connection names a plug by: a child of a numeric compound on
// its own ("translateX"), unlike its value, which the compound holds.
QString connectionKey(const PlugRef& plug);
// Whether a plug exists: a known attribute, one something set, or any on a
// node of a type the stand-in does not know.
bool plugExists(const NodeRecord& node, const PlugRef& plug);
} // namespace qbhost
#endif
