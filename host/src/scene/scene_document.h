#ifndef QBHOST_SCENE_DOCUMENT_H
#define QBHOST_SCENE_DOCUMENT_H
// The file a scene was read from, as far as writing it back needs: its
// format, header, code page and every statement in order with what it set.
// A scene saved to Maya ASCII writes each statement whose subject did not
// change since the read as the file had it, and writes anew what changed.
#include "node_record.h"

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <vector>

namespace qbhost {

enum class StatementKind : quint8 {
    Kept,        // not modelled (relationship, dataStructure, ...): written as read
    Failed,      // failed when read: written as read, so that nothing of the file is lost
    Node,        // createNode: owner
    Context,     // select -ne: owner becomes the node the next statements set
    Attr,        // setAttr: owner's plug key
    AddAttr,     // addAttr: owner's attribute key (long name)
    Uuid,        // rename -uid: owner
    Lock,        // lockNode: owner
    Connect,     // connectAttr: connection id in ref
    FileInfo,    // fileInfo: key
    Requires,
    Unit,        // currentUnit
    ReferenceDepth, // file -rdi: reference id in ref
    Reference,   // file -r: reference id in ref
    Namespace,   // namespace -add: key
};

struct StatementRecord {
    int source = 0;  // which of the document's sources
    int start = 0;   // span in that source
    int length = 0;
    int line = 0;
    StatementKind kind = StatementKind::Kept;
    bool indented = false; // its line began with blanks, as a node's statements do
    NodeId context = 0; // the node whose block the statement is in
    NodeId owner = 0;
    QString key;
    // Connect: the connection id; Reference: the reference id; Attr,
    // AddAttr, Uuid, Lock: 1 when written relative to the node being read.
    quint64 ref = 0;
};

struct SceneDocument {
    enum class Format { Own, MayaAscii };
    Format format = Format::Own;
    QString path;
    // The decoded file texts the records point into: the scene file, then
    // each file imported into it.
    std::vector<QString> sources;
    std::vector<StatementRecord> records;
    // Statements of imported files the scene does not model, written after
    // everything else, each after a select of the node it was read for.
    std::vector<StatementRecord> imported;
    QString mayaVersion;      // "2024" of "//Maya ASCII 2024 scene"
    QStringList headerLines;  // the comment lines before the first statement
    QString codeset;          // as the header gives it; empty for UTF-8
    quint64 readMark = 0;     // the change counter when the read ended
    quint64 namesMark = 0;    // the names generation when the read ended

    QString text(const StatementRecord& r) const { return sources[static_cast<size_t>(r.source)].mid(r.start, r.length); }
    void clear() { *this = SceneDocument(); }
};

} // namespace qbhost
#endif
