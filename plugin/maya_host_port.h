#ifndef QB_PLUGIN_MAYA_HOST_PORT_H
#define QB_PLUGIN_MAYA_HOST_PORT_H
#include "document/host_port.h"

#include <QtCore/QHash>
#include <memory>

// The host port over the host's API, installed by the entry point.
class maya_host_port : public host_port
{
public:
    ~maya_host_port() override;

    void queue_mel(const QString& text) override;
    void queue_python(const QString& text) override;
    void request_selection(const QStringList& names) override;
    QList<QRect> screen_areas() const override;
    int primary_screen() const override;

    host_attribute read_attribute(const QString& node, const QString& attribute) override;
    QStringList keyable_attributes(const QString& node) override;
    void watch_nodes(const QStringList& nodes) override;
    QStringList watched_nodes() const override;

    struct watch;
    // From the host's attribute-change callback; reread for a lock change.
    void attribute_set(const QString& node, const QString& attribute, double value, bool reread) const;

private:
    QHash<QString, std::shared_ptr<watch>> watches_;
};
#endif
