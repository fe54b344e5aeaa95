#ifndef QBHOST_ATTRIBUTE_DEF_H
#define QBHOST_ATTRIBUTE_DEF_H
// What an attribute is: names, type, ranges, default, enum fields and its
// place among compound attributes. Built-in attributes come from a table per
// node type (NodeTypes); dynamic ones are added to one node by addAttr.
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

namespace qbhost {

enum class AttrType : quint8 {
    Bool,
    Byte,
    Char,
    Short,
    Long,
    Enum,
    Float,
    Double,
    DoubleLinear,
    DoubleAngle,
    Time,
    // Numeric compounds ("double3", "float2", ...): one value per child,
    // stored together on the compound.
    NumericCompound,
    // A compound whose children hold their own values.
    Compound,
    Message,
    Matrix,
    // A typed attribute (addAttr -dt): "string", "stringArray", "doubleArray" ...
    Typed,
    // Typed as a generic attribute by addAttr -at "generic" and the like.
    Other
};

struct AttrDef {
    QString longName;
    QString shortName;
    QString niceName;
    AttrType type = AttrType::Double;
    // As addAttr names it: the -at type ("double3", "doubleLinear") or the
    // -dt type ("string").
    QString typeName;
    int parent = -1;        // index of the compound this is a child of
    QVector<int> children;  // indices of its children, in order
    bool multi = false;
    bool keyable = false;
    bool hidden = false;
    bool dynamic = false;
    bool hasMin = false, hasMax = false, hasSoftMin = false, hasSoftMax = false;
    double minValue = 0, maxValue = 0, softMin = 0, softMax = 0;
    bool hasDefault = false;
    double defaultValue = 0;
    // "a:b=4:c" as addAttr -en writes it.
    QString enumNames;

    bool isNumeric() const { return type <= AttrType::Time; }
    bool isInteger() const { return type <= AttrType::Enum; }
};

// The enum fields of "a:b=4:c" as (name, value) pairs: a=0, b=4, c=5.
QVector<QPair<QString, int>> enumFields(const QString& enumNames);
// The type names addAttr accepts after -at, and what each is.
bool attributeTypeFromName(const QString& name, AttrType* type, int* childCount);
// Children of a numeric compound are of this type ("double3" -> Double).
AttrType numericChildType(const QString& compoundName);

} // namespace qbhost
#endif
