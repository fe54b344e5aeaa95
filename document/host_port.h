#ifndef QB_DOCUMENT_HOST_PORT_H
#define QB_DOCUMENT_HOST_PORT_H
// The one way from the picker to the host: texts queued for the host's idle
// time, the selection asked of it, and its screens. The plug-in installs
// the host's own implementation; code above the model and below the
// plug-in reaches the host only through the installed port.
#include "model/control_outline.h"
#include "model/node_names.h"
#include <QtCore/QList>
#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

#include <functional>

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

// One attribute of one node as the host has it.
struct host_attribute {
    enum kind_t { Missing, Number, Bool, Enum, Other };
    kind_t kind = Missing;
    bool locked = false;
    double value = 0;
    double defaultValue = 0;
    bool hasRange = false; // the attribute's own minimum and maximum (hard, else soft)
    double min = 0;
    double max = 0;
    // An enum's fields in the host's order, with their values.
    QStringList enumNames;
    QVector<int> enumValues;
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
    // Attributes, read now. The default port knows none.
    virtual host_attribute read_attribute(const QString& node, const QString& attribute);
    virtual QStringList keyable_attributes(const QString& node);
    // Values set in the host on attributes of the watched nodes reach the
    // listener (node, attribute long name, value, false); a lock or unlock
    // comes with true, the attribute to be read again. The port keeps
    // exactly the nodes given watched: those it had and is not given go.
    using attribute_listener = std::function<void(const QString&, const QString&, double, bool)>;
    virtual void watch_nodes(const QStringList& nodes);
    virtual QStringList watched_nodes() const;
    void set_attribute_listener(attribute_listener listener) { listener_ = std::move(listener); }

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

protected:
    void tell_attribute(const QString& node, const QString& attribute, double value, bool reread) const
    {
        if (listener_)
            listener_(node, attribute, value, reread);
    }

private:
    attribute_listener listener_;
};

// A command button's script, run by the host (MEL or Python by its
// language); nothing for an empty script or a selection button.
struct buttonAttributes;
void run_command_button(const buttonAttributes& button);
#endif
