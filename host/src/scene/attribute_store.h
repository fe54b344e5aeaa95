#ifndef QBHOST_ATTRIBUTE_STORE_H
#define QBHOST_ATTRIBUTE_STORE_H
// One node's attributes: its dynamic attribute definitions and the state of
// every plug something set (value, size, lock, keyable, channel box). Plugs
// are keyed by their canonical name (long names, indices as written);
// numeric compounds keep their children's values together under the
// compound's key. Values change only through SceneGraph::setPlug, so that
// change notification and undo have one place to hook.
#include "attribute_def.h"

#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

#include <vector>

namespace qbhost {

struct PlugValue {
    enum Kind : quint8 { None, Numbers, Text, Raw };
    Kind kind = None;
    QVector<double> numbers;  // Numbers: one per element (a compound's children)
    // Text: a string value. Raw: the value arguments as MEL text (strings
    // quoted, numbers as written), for values the stand-in does not read.
    QString text;
    QString dataType;         // the -type given with the value, if any

    bool operator==(const PlugValue& o) const
    {
        return kind == o.kind && numbers == o.numbers && text == o.text && dataType == o.dataType;
    }
};

struct PlugState {
    PlugValue value;
    int size = -1;           // setAttr -s, -1 when not given
    qint8 locked = -1;       // -1 not set, else 0/1
    qint8 keyable = -1;
    qint8 channelBox = -1;
    quint64 serial = 0;      // the scene's change counter when this plug last changed
};

class AttributeStore
{
public:
    // ---- dynamic attributes (addAttr) ----
    int dynamicCount() const { return static_cast<int>(dynamic_.size()); }
    const AttrDef& dynamicAt(int i) const { return dynamic_[static_cast<size_t>(i)]; }
    AttrDef& dynamicAt(int i) { return dynamic_[static_cast<size_t>(i)]; }
    int dynamicIndexOf(const QString& name) const;
    // When each dynamic attribute was added, in the order of dynamicAt.
    quint64 dynamicSerial(int i) const { return dynamicSerials_[static_cast<size_t>(i)]; }
    int addDynamic(const AttrDef& def, quint64 serial);
    // A dynamic attribute's definition was edited.
    void touchDynamic(int i, quint64 serial) { dynamicSerials_[static_cast<size_t>(i)] = serial; }
    // Removes a dynamic attribute, its children and their plugs.
    void removeDynamic(int index);

    // ---- plugs ----
    const PlugState* plug(const QString& key) const;
    PlugState* plug(const QString& key);
    PlugState& plugForWrite(const QString& key);
    // Keys in the order they were first set.
    QStringList keys() const;
    void removePlug(const QString& key);
    bool isEmpty() const { return plugs_.empty() && dynamic_.empty(); }
    // The highest serial among plugs and dynamic attributes.
    quint64 lastChange() const;

private:
    static constexpr size_t kIndexedFrom = 16;
    int indexOf(const QString& key) const;

    std::vector<AttrDef> dynamic_;
    std::vector<quint64> dynamicSerials_;
    QHash<QString, int> dynamicByName_;
    std::vector<std::pair<QString, PlugState>> plugs_;
    QHash<QString, int> plugIndex_;
    int removedPlugs_ = 0;
};

} // namespace qbhost
#endif
