// The canvas's selection bookkeeping: button states follow node names, and
// clicks change the window selection list.
#include "canvas/picker_view.h"
#include "model/button_selection.h"
#include "window/picker_window.h"

#include <maya/MGlobal.h>
#include <maya/MQtUtil.h>

bool picker_view::any_selected() const
{
    return ::any_selected(buttons_);
}

bool picker_view::conform_to_set(const button_set& set)
{
    return conform_buttons(buttons_, set);
}

bool picker_view::conform_to_selection()
{
    return conform_to_set(button_set::fromStringList(picker_window::selection_));
}

void picker_view::append_selected(button_set& set) const
{
    ::append_selected(buttons_, set);
}

bool picker_view::conform_to_selected()
{
    button_set set;
    append_selected(set);
    return conform_to_set(set);
}

bool picker_view::clear_selected()
{
    return ::clear_selected(buttons_);
}

bool picker_view::unselect(buttonRecord* button)
{
    button_set set;
    append_selected(set);
    if (button)
        for (const QString& n : button->nodes)
            set.removeOne(n);
    return conform_to_set(set);
}

bool picker_view::select_bounds(const QRect& rect, bool additive)
{
    bool touched = false;
    for (buttonRecord& b : buttons_) {
        if (!mapToScreen(b.rect).intersects(rect))
            continue;
        if (additive) {
            if (b.state != 1) {
                b.select(false);
                touched = true;
            }
        } else {
            if (b.state == 1)
                b.unselect(false);
            else
                b.select(false);
            touched = true;
        }
    }
    return touched;
}

void picker_view::select_list(const QVector<int>& indices, bool flagsOnly)
{
    for (int i : indices)
        if (i >= 0 && i < buttons_.size())
            buttons_[i].select(flagsOnly);
}

void picker_view::do_button_action(const buttonAttributes& button)
{
    if (button.kind != kCommandButton || button.nodes.isEmpty())
        return;
    const MString script = MQtUtil::toMString(button.nodes.first());
    if (script.length() == 0)
        return;
    if (button.language == kPythonScript)
        MGlobal::executePythonCommandOnIdle(script, false);
    else if (button.language == kMelScript)
        MGlobal::executeCommandOnIdle(script, false);
}

QString picker_view::hover_text(const QStringList& nodes)
{
    if (nodes.size() < 5)
        return nodes.join(QLatin1Char('\n'));
    QString text;
    for (int i = 0; i < 3; ++i)
        text += nodes.at(i) + QLatin1Char('\n');
    return text + tr("...and %1 more").arg(nodes.size() - 3);
}
