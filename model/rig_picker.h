#ifndef QB_MODEL_RIG_PICKER_H
#define QB_MODEL_RIG_PICKER_H
// Pickers that travel with a rig: each is an ordinary node of the rig (a
// network node named after the picker) holding the picker file's bytes in
// Base64 and a version that grows with every store. A tab made from one
// keeps where it came from (the node, the reference's namespace, the
// version it was made from) in one "RIGO" record of the scene's copy, so
// that the next open uses the animator's copy and can tell when the rig's
// picker changed since.
#include "model/picker_extensions.h"
#include <QtCore/QString>
#include <QtCore/QStringList>

constexpr quint32 kRigOriginTag = 0x5249474fu; // "RIGO": the rig picker a tab came from

struct rig_origin {
    QString node;      // the picker node's name in the rig, without namespace
    QString space;     // the reference's namespace ("hero", "a:b"); empty for the rig itself
    qint32 version = 0; // of the rig's picker when the tab was made from it

    bool isEmpty() const { return node.isEmpty(); }
    bool same_picker(const rig_origin& o) const { return node == o.node && space == o.space; }
    bool operator==(const rig_origin& o) const { return same_picker(o) && version == o.version; }
    bool operator!=(const rig_origin& o) const { return !(*this == o); }
};

// Its record; none for a tab that came from no rig.
extension_records rigOriginRecords(const rig_origin& origin);
// The origin a block's records hold; empty when none does or it does not
// read whole.
rig_origin readRigOrigin(const extension_records& records);

// A picker node as the host lists it.
struct rig_picker_node {
    QString name;      // as the host names it, namespace included ("hero:Body_picker")
    qint32 version = 0;
    QByteArray file;   // the picker file's bytes
    bool referenced = false;

    QString space() const;     // "hero" of "hero:Body_picker"
    QString bareName() const;  // "Body_picker"
};

namespace rig_picker {
// The attributes of a picker node.
extern const char* const kDataAttribute;
extern const char* const kVersionAttribute;
constexpr int kMaxFileBytes = 64 << 20;

// A node name for a picker name: letters, digits and '_' kept, anything
// else '_', "_picker" appended ("Body" gives "Body_picker").
QString node_name(const QString& pickerName);
// "Body (hero)" for a picker bound to a reference's namespace, "Body" for none.
QString tab_title(const QString& pickerName, const QString& space);

// MEL that makes or replaces the node with the file's bytes at a version,
// as one undo chunk of the host.
QString store_mel(const QString& node, const QByteArray& file, qint32 version);
// MEL that deletes the node, one undo chunk.
QString remove_mel(const QString& node);
// MEL that reports every picker node of the scene to the plug-in's
// command: "<command> rig_pickers" followed by, per node, its name, its
// version, its data and 1 when it comes from a referenced file (0 else).
QString scan_mel(const char* command);
// The nodes of such a report's arguments; false for a report that does not
// hold whole quadruples.
bool read_scan(const QStringList& args, QList<rig_picker_node>* nodes);
} // namespace rig_picker
#endif
