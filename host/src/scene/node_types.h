#ifndef QBHOST_NODE_TYPES_H
#define QBHOST_NODE_TYPES_H
// The node types the stand-in knows: whether a type is a DAG node or a
// shape, and the built-in attributes of the types rigs use (transform,
// joint, shapes and what every node has). A type the stand-in does not know
// is a dependency node with the common attributes only; what a file sets on
// it is kept as written.
#include "attribute_def.h"
#include "node_record.h"
#include "string_hash.h"

#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <unordered_map>
#include <vector>

namespace qbhost {

// Built-in attributes of one node type, looked up by long or short name.
class AttrTable
{
public:
    int indexOf(const QString& name) const
    {
        const auto it = byName_.find(name);
        return it == byName_.end() ? -1 : it->second;
    }
    const AttrDef& at(int i) const { return defs_[static_cast<size_t>(i)]; }
    int size() const { return static_cast<int>(defs_.size()); }

    // Appends def (and its index under both names); returns its index.
    int add(const AttrDef& def);
    void addChild(int parent, int child);

private:
    std::vector<AttrDef> defs_;
    std::unordered_map<QString, int, NameHash> byName_;
};

struct NodeTypeInfo {
    QString name;
    bool dag = false;
    bool shape = false;
    bool known = false;
    const AttrTable* attributes = nullptr;
};

class NodeTypes
{
public:
    static const NodeTypes& instance();
    // Unknown types: a dependency node with the common attributes.
    const NodeTypeInfo& info(const QString& type) const;

    // The nodes every Maya scene has before its file is read (name, type),
    // which files reach with `select -ne :name` and never create.
    static const QVector<QPair<QString, QString>>& defaultNodes();

private:
    NodeTypes();
    QHash<QString, NodeTypeInfo> types_;
    NodeTypeInfo unknown_;
    AttrTable common_, dagNode_, transform_, joint_;
};

// A node's type, as it was looked up when the node was made.
inline const NodeTypeInfo& typeOf(const NodeRecord& node)
{
    return node.typeInfo ? *node.typeInfo : NodeTypes::instance().info(node.type);
}

} // namespace qbhost
#endif
