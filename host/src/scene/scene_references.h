#ifndef QBHOST_SCENE_REFERENCES_H
#define QBHOST_SCENE_REFERENCES_H
// File references: which file, where it was found, the namespace (or
// renaming prefix) its nodes went into, its reference node and whether it is
// loaded. Nodes read from a reference carry its id.
#include "node_record.h"

#include <QtCore/QList>
#include <QtCore/QPair>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <memory>
#include <vector>

namespace qbhost {

struct ReferenceRecord {
    int id = 0;
    QString file;          // as the scene gives it
    QString resolved;      // where it was found; empty when it was not
    QString ns;            // full namespace its nodes are in, "" with a prefix
    QString prefix;        // -rpr renaming prefix
    QString type;          // -typ, "mayaAscii" when given
    QString options;       // -op
    QString referenceNode; // full name of its reference node
    NodeId node = 0;       // the reference node
    int parent = 0;        // the reference it was read from, 0 at the top
    bool loaded = false;
    bool deferred = false; // -dr 1: kept unloaded
    // The file's own fileInfo, which does not become the scene's.
    QList<QPair<QString, QString>> fileInfo;
    quint64 serial = 0;    // when it was made, loaded or unloaded
};

class SceneReferences
{
public:
    ReferenceRecord& add();
    ReferenceRecord* get(int id);
    const ReferenceRecord* get(int id) const;
    ReferenceRecord* byNode(const QString& referenceNode);
    ReferenceRecord* byNamespace(const QString& ns);
    // In the order they were made.
    std::vector<const ReferenceRecord*> all() const;
    // The reference and all those read from it, parents first.
    std::vector<int> subtree(int id) const;
    int depth(int id) const;
    void remove(int id);
    void clear() { refs_.clear(); }

private:
    // Records stay where they are while others come and go.
    std::vector<std::unique_ptr<ReferenceRecord>> refs_;
    int nextId_ = 1;
};

// Where a reference's file is, as the host looks for it: as written with
// environment variables expanded, then relative to the project folder, then
// by its file name in the folder of the file that references it. Empty when
// none exists.
QString resolveReferencePath(const QString& written, const QString& projectRoot, const QString& referencingFile);
// "$VAR", "${VAR}" and "%VAR%" replaced by their values.
QString expandEnvironment(const QString& path);

} // namespace qbhost
#endif
