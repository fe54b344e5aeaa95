#include "namespaces/namespace_binding.h"
#include "canvas/picker_view.h"
#include "namespaces/picker_editNamespaceDialog.h"

#include <QtCore/QPointer>
#include <algorithm>

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

void namespace_binding::rebind(picker_view* view, QStringList const& scene, bool force)
{
    picker_document* document = view->document();
    QStringList current;
    document->collectCurrentNamespace(current);
    if (current.isEmpty())
        current.append(QString(QLatin1Char(':')));
    if (!force && std::all_of(current.cbegin(), current.cend(),
                              [&](const QString& name) { return in_scene(name, scene); }))
        return;

    const QList<QStringList> before = node_lists(document->buttons());
    QPointer<picker_view> self(view);
    picker_editNamespaceDialog::do_dialog(view, current, scene);
    // The chooser ran its own event loop: the tab may be gone.
    if (!self || node_lists(document->buttons()) == before)
        return;
    // The rewrite is no edit of its own: the commands on the stack still
    // hold names of the old namespaces, and undoing one would bring them
    // back. The history before the rewrite goes.
    document->undoStack()->clear();
    // Store the new names in the scene now: a picker just loaded is not
    // stored again until its next edit, and a scene saved before then would
    // bring back the old names.
    document->edit_done();
}
