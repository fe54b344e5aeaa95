#ifndef QB_PLUGIN_MAYA_HOST_PORT_H
#define QB_PLUGIN_MAYA_HOST_PORT_H
#include "document/host_port.h"

#include <maya/MMessage.h>
#include <maya/MObjectHandle.h>
#include <maya/MStatus.h>

#include <QtCore/QHash>
#include <QtCore/QMultiHash>
#include <memory>
#include <vector>

// The host port over the host's API, installed by the entry point. It keys
// the nodes names resolve to by handle, and listens to the host's node,
// DAG and reference messages for the resolution (node_resolver), and to
// the attribute changes of the nodes attribute controls show.
class maya_host_port : public host_port
{
public:
    ~maya_host_port() override;

    void queue_mel(const QString& text) override;
    void queue_python(const QString& text) override;
    void request_selection(const QStringList& names) override;
    node_lookup lookup_node(const QString& name) override;
    QString node_full_path(quint64 node) override;
    QString node_path(quint64 node) override;
    QList<QRect> screen_areas() const override;
    int primary_screen() const override;
    QList<control_curves> curves_of(const QStringList& names) const override;
    void warn(const QString& text) override;

    host_attribute read_attribute(const QString& node, const QString& attribute) override;
    QStringList keyable_attributes(const QString& node) override;
    void watch_nodes(const QStringList& nodes) override;
    QStringList watched_nodes() const override;

    struct watch;
    // From the host's attribute-change callback; reread for a lock change.
    void attribute_set(const QString& node, const QString& attribute, double value, bool reread) const;

    // Installs the scene callbacks (each failure reported, the first one's
    // status returned), and removes them.
    MStatus listen();
    void stop_listening();
    bool listening() const { return !callbacks_.empty(); }

private:
    quint64 key_of(const MObject& node);
    std::vector<MObjectHandle> nodes_;    // key - 1
    QMultiHash<unsigned int, quint64> byHash_;
    std::vector<MCallbackId> callbacks_;
    QHash<QString, std::shared_ptr<watch>> watches_;
};
#endif
