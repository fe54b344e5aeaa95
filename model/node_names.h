#ifndef QB_MODEL_NODE_NAMES_H
#define QB_MODEL_NODE_NAMES_H
// How a button's node names stand in the host's scene. A name is stored as
// text; what it stands for is the node it resolves to, known by the text
// the host itself gives that node (its shortest unique path), so that a
// button lights whatever form of the name the host's selection list uses.
// The resolution is kept above the model (it needs the host) and installed
// here; without one, every name stands for itself.
#include <QtCore/QString>
#include <QtCore/QtGlobal>

enum node_health : char { kNodeFound = 0, kNodeMissing = 1, kNodeAmbiguous = 2 };

class node_names
{
public:
    virtual ~node_names();
    // Changes whenever some name may resolve differently.
    virtual quint64 generation() const = 0;
    // The host's text for the node name stands for; the name itself when it
    // names no node or several, as health then says.
    virtual QString host_name(const QString& name, node_health* health) = 0;

    static node_names* installed();
    // Not owned; null goes back to names standing for themselves.
    static void install(node_names* names);
};
#endif
