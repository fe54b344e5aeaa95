#include "document/host_port.h"
#include "model/buttonAttributes.h"
#include "document/node_resolver.h"

namespace {

// Without a host there is nothing to talk to.
class no_host : public host_port
{
public:
    void queue_mel(const QString&) override {}
    void queue_python(const QString&) override {}
    void request_selection(const QStringList&) override {}
    QList<QRect> screen_areas() const override { return QList<QRect>(); }
    int primary_screen() const override { return 0; }
};

no_host& no_host_port()
{
    static no_host port;
    return port;
}

host_port* installed = nullptr;

} // namespace

host_port::~host_port() = default;

QList<control_curves> host_port::curves_of(const QStringList& names) const
{
    QList<control_curves> out;
    for (const QString& name : names)
        out.append(control_curves{name, {}});
    return out;
}

void host_port::warn(const QString&) {}
node_lookup host_port::lookup_node(const QString& name)
{
    node_lookup found;
    found.path = name;
    return found;
}

QString host_port::node_full_path(quint64)
{
    return QString();
}

QString host_port::node_path(quint64)
{
    return QString();
}

host_attribute host_port::read_attribute(const QString&, const QString&)
{
    return host_attribute();
}

QStringList host_port::keyable_attributes(const QString&)
{
    return QStringList();
}

void host_port::watch_nodes(const QStringList&) {}

QStringList host_port::watched_nodes() const
{
    return QStringList();
}

host_port& host_port::current()
{
    return installed ? *installed : no_host_port();
}

void host_port::install(host_port* port)
{
    installed = port;
    // Names are resolved through the host once there is one.
    node_resolver::instance().reset();
    node_names::install(port ? &node_resolver::instance() : nullptr);
}

void run_command_button(const buttonAttributes& button)
{
    if (button.kind != kCommandButton || button.nodes.isEmpty() || button.nodes.first().isEmpty())
        return;
    if (button.language == kPythonScript)
        host_port::current().queue_python(button.nodes.first());
    else if (button.language == kMelScript)
        host_port::current().queue_mel(button.nodes.first());
}
