#ifndef QBHOST_SCENE_INFO_H
#define QBHOST_SCENE_INFO_H
// Plain accounts of the scene's nodes and references, for the sandbox's
// outliner and state dump and for tests.
#include <QtCore/QString>

namespace qbhost {

struct NodeInfo {
    quint64 id = 0;        // stable for the node's life, whatever its name
    QString name;          // its own name, namespace included
    QString path;          // as `ls` gives it: the shortest unique path
    QString fullPath;      // "|a|b" for DAG nodes, the name otherwise
    QString type;
    quint64 parent = 0;    // 0 at the top or for a dependency node
    bool dag = false;
    bool isDefault = false; // one of the nodes every Maya scene has
    bool locked = false;
    QString reference;     // the reference node it came from, empty if none
};

struct ReferenceInfo {
    QString referenceNode;
    QString file;          // as the scene gives it
    QString resolvedFile;  // where it was found; empty when it was not
    QString ns;
    QString parentReference; // the reference node it was read from, if nested
    bool loaded = false;
};

} // namespace qbhost
#endif
