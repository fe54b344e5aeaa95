// The window selection list: what the host reports selected, as changed by
// clicks, and the request that sends it back to the host.
#include "window/picker_window.h"
#include "canvas/picker_view.h"
#include "model/mel_text.h"
#include "model/window_selection.h"
#include "plugin/host_services.h"

#include <QtWidgets/QTabWidget>

void picker_window::setSelection(QStringList const& names)
{
    selection_ = names;
    if (tabs_->count() == 0)
        return;
    const button_set set = button_set::fromStringList(names);
    for (int i = 0; i < tabs_->count(); ++i)
        if (picker_view* view = qobject_cast<picker_view*>(tabs_->widget(i)))
            if (view->conform_to_set(set))
                view->update();
}

bool picker_window::selectButton(QString const& name)
{
    return window_selection::add(name);
}

bool picker_window::unselectButton(QString const& name)
{
    return window_selection::remove(name);
}

void picker_window::clearAllSelected()
{
    for (int i = 0; i < tabs_->count(); ++i)
        if (picker_view* view = qobject_cast<picker_view*>(tabs_->widget(i)))
            if (view->clear_selected())
                view->update();
    selection_.clear();
}

bool picker_window::postSelection()
{
    if (selection_.isEmpty()) {
        queue_mel(QStringLiteral("QuillbrookPicker clear"));
        return true;
    }
    // Names from picker files reach the host as one argument each: text
    // that is not node-name text goes quoted, so it can never run as MEL.
    QString command = QStringLiteral("QuillbrookPicker select");
    for (const QString& name : selection_) {
        command += QLatin1Char(' ');
        command += mel_node_argument(name);
    }
    queue_mel(command);
    return true;
}
