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
