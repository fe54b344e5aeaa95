#include "document/host_port.h"
#include "model/buttonAttributes.h"

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
