// The window's part of namespace binding: the Picker menu's Change
// Namespace item, the requests it and picker loading queue in the host, and
// which canvas each request binds.
#include "window/picker_window.h"
#include "canvas/picker_view.h"
#include "plugin/host_services.h"

#include <QAction>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabWidget>

void picker_window::make_namespace_menu()
{
    // Never disabled and not in the window's action list: it has no
    // shortcut, and with no tab the request simply finds nothing to bind.
    namespaceAction_ = pickerMenu_->addAction(QString::fromLatin1("Change Namespace..."));
    connect(namespaceAction_, &QAction::triggered, this, &picker_window::change_namespace);
}

void picker_window::change_namespace()
{
    request_rebind(true);
}

void picker_window::request_rebind(bool force)
{
    // The host runs the back-quoted procedure first and hands its list of
    // the scene's namespaces to the directive.
    queue_mel(QString::fromLatin1(force ? "QuillbrookPicker \"rebind\" `picker_ListNamespaces`;"
                                        : "QuillbrookPicker \"bind\" `picker_ListNamespaces`;"));
}

void picker_window::rebind_picker(QStringList const& scene, bool force)
{
    // Loading several files queues one bind per file, all running after the
    // last file became the current tab: each takes the canvas it was made
    // for. Other requests (Change Namespace, a script) act on the front one.
    rebind_request request{nullptr, false, scene, force};
    if (!force && !awaitingBind_.isEmpty()) {
        request.view = awaitingBind_.takeFirst();
        request.forLoad = true;
    }
    // The chooser runs its own event loop, in which the host may run the
    // next queued request: one chooser at a time, the next after it closes.
    if (rebinding_) {
        deferredRebinds_.append(request);
        return;
    }
    QPointer<picker_window> self(this);
    rebinding_ = true;
    run_rebind(request);
    while (self && !deferredRebinds_.isEmpty())
        run_rebind(deferredRebinds_.takeFirst());
    if (self)
        rebinding_ = false;
}

void picker_window::run_rebind(const rebind_request& request)
{
    picker_view* view = request.forLoad ? request.view.data() : frontPicker();
    if (!view)
        return; // no tab, or the loaded canvas was closed before its turn
    if (request.forLoad) {
        const int index = tabs_->indexOf(view);
        if (index < 0)
            return;
        // Show which picker the chooser is about.
        tabs_->setCurrentIndex(index);
    }
    view->rebind(request.scene, request.force);
}
