// The canvas's part of namespace binding: which namespaces its buttons use,
// and whether the user must be asked to map them onto the scene's.
#include "canvas/picker_view.h"
#include "namespaces/namespace_scan.h"
#include "namespaces/picker_editNamespaceDialog.h"

#include <QtCore/QPointer>
#include <algorithm>

void picker_view::collectCurrentNamespace(QStringList& out) const
{
    for (const buttonRecord& b : buttons_)
        collect_button_namespaces(b, out);
    std::stable_sort(out.begin(), out.end(), compare_name);
}

namespace {

// A name written with a leading colon (":arm_ctrl") is in the root, which
// every scene has: its empty namespace stands for the scene's ":".
bool in_scene(const QString& name, const QStringList& scene)
{
    return scene.contains(name) || (name.isEmpty() && scene.contains(QString(QLatin1Char(':'))));
}

QList<QStringList> node_lists(const QList<buttonRecord>& buttons)
{
    QList<QStringList> out;
    out.reserve(buttons.size());
    for (const buttonRecord& b : buttons)
        out.append(b.nodes);
    return out;
}

} // namespace

void picker_view::rebind(QStringList const& scene, bool force)
{
    QStringList current;
    collectCurrentNamespace(current);
    if (current.isEmpty())
        current.append(QString(QLatin1Char(':')));
    if (!force && std::all_of(current.cbegin(), current.cend(),
                              [&](const QString& name) { return in_scene(name, scene); }))
        return;

    const QList<QStringList> before = node_lists(buttons_);
    QPointer<picker_view> self(this);
    picker_editNamespaceDialog::do_dialog(this, current, scene);
    // The chooser ran its own event loop: the tab may be gone.
    if (!self || node_lists(buttons_) == before)
        return;
    // The rewrite is no edit of its own: the commands on the stack still
    // hold names of the old namespaces, and undoing one would bring them
    // back. The history before the rewrite goes.
    undo_.clear();
    // Store the new names in the scene now: a picker just loaded is not
    // stored again until its next edit, and a scene saved before then would
    // bring back the old names.
    update();
    emit changed();
}
