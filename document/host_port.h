#ifndef QB_DOCUMENT_HOST_PORT_H
#define QB_DOCUMENT_HOST_PORT_H
// The one way from the picker to the host: texts queued for the host's idle
// time, the selection asked of it, and its screens. The plug-in installs
// the host's own implementation; code above the model and below the
// plug-in reaches the host only through the installed port.
#include "model/control_outline.h"
#include <QtCore/QList>
#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include "model/node_names.h"

// What one node name names in the host's scene.
struct node_lookup {
    node_health health = kNodeFound;
    // The port's key for the node found (0 for none, several, or a host
    // that keeps no keys), and the host's own name of it (its shortest
    // unique path); the name itself when it found none or several.
    quint64 node = 0;
    QString path;
    // Ambiguous: the host's names of the nodes it could be.
    QStringList candidates;
};

class host_port
{
public:
    virtual ~host_port();

    // Queues MEL (or Python) text for the host's idle time, echo off.
    virtual void queue_mel(const QString& text) = 0;
    virtual void queue_python(const QString& text) = 0;
    // Asks the host to select exactly these nodes (none: clear), through
    // the picker's own command, so that the answer comes back once.
    virtual void request_selection(const QStringList& names) = 0;

    // What a node name names now. Without a host every name stands for
    // itself.
    virtual node_lookup lookup_node(const QString& name);
    // The full path ("|grp|arm"; a dependency node's name) and the host's
    // name of a node by its key; empty once the node is gone.
    virtual QString node_full_path(quint64 node);
    virtual QString node_path(quint64 node);

    // Available areas of the screens, in index order, and the primary's.
    virtual QList<QRect> screen_areas() const = 0;
    virtual int primary_screen() const = 0;

    // The curve shapes under these nodes, as points along each in world
    // space, one entry per name (no curves for a node that has none or
    // does not exist). Nothing without a host.
    virtual QList<control_curves> curves_of(const QStringList& names) const;
    // A warning in the host's own output (its script editor, its status line).
    virtual void warn(const QString& text);

    // The installed port; one that drops everything until a host installs
    // its own.
    static host_port& current();
    // Installs a port (not owned); null goes back to the dropping one.
    static void install(host_port* port);
};

// A command button's script, run by the host (MEL or Python by its
// language); nothing for an empty script or a selection button.
struct buttonAttributes;
void run_command_button(const buttonAttributes& button);
#endif
