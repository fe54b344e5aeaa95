#ifndef QB_PLUGIN_MAYA_HOST_PORT_H
#define QB_PLUGIN_MAYA_HOST_PORT_H
#include "document/host_port.h"

// The host port over the host's API, installed by the entry point.
class maya_host_port : public host_port
{
public:
    void queue_mel(const QString& text) override;
    void queue_python(const QString& text) override;
    void request_selection(const QStringList& names) override;
    QList<QRect> screen_areas() const override;
    int primary_screen() const override;
    QList<control_curves> curves_of(const QStringList& names) const override;
    void warn(const QString& text) override;
};
#endif
