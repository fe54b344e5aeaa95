#include "window/control_watch.h"
#include "canvas/picker_view.h"
#include "document/host_port.h"

#include <QtWidgets/QTabWidget>

control_watch::control_watch(QTabWidget* tabs, QObject* parent) : QObject(parent), tabs_(tabs)
{
    host_port::current().set_attribute_listener(
        [this](const QString& node, const QString& attribute, double value, bool reread) {
            tell(node, attribute, value, reread);
        });
}

control_watch::~control_watch()
{
    closing_ = true;
    host_port::current().set_attribute_listener(nullptr);
    host_port::current().watch_nodes(QStringList());
}

void control_watch::follow(picker_view* view)
{
    connect(view, &picker_view::changed, this, &control_watch::refresh);
    connect(view->document(), &picker_document::buttonsReset, this, &control_watch::refresh);
    // Removed from the tabs before it is deleted: its nodes go then.
    connect(view, &QObject::destroyed, this, &control_watch::refresh);
    refresh();
}

void control_watch::refresh()
{
    if (closing_)
        return;
    QStringList nodes;
    for (int i = 0; i < tabs_->count(); ++i)
        if (picker_view* view = qobject_cast<picker_view*>(tabs_->widget(i)))
            for (const QString& n : view->controls().nodes())
                if (!nodes.contains(n))
                    nodes.append(n);
    host_port::current().watch_nodes(nodes);
}

void control_watch::tell(const QString& node, const QString& attribute, double value, bool reread)
{
    for (int i = 0; i < tabs_->count(); ++i)
        if (picker_view* view = qobject_cast<picker_view*>(tabs_->widget(i)))
            view->attribute_changed(node, attribute, value, reread);
}
