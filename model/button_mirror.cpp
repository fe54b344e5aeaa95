#include "model/button_mirror.h"
#include "model/buttonRecord.h"
#include <algorithm>
#include <climits>

qint64 mirror_axis_twice(const mirror_settings& settings, const QList<buttonAttributes>& buttons)
{
    if (settings.hasAxis)
        return 2 * qint64(settings.axis);
    if (buttons.isEmpty())
        return 0;
    qint64 left = LLONG_MAX, right = LLONG_MIN;
    for (const buttonAttributes& b : buttons) {
        left = qMin<qint64>(left, b.position.x());
        right = qMax<qint64>(right, b.position.x());
    }
    return left + right;
}

bool mirrors_to_itself(const buttonAttributes& button, const side_rules& rules)
{
    if (button.kind == kCommandButton)
        return button.nodes.isEmpty() || rules.mirror_script(button.nodes.first()) == button.nodes.first();
    for (const QString& name : button.nodes)
        if (rules.mirror_name(name) != name)
            return false;
    return true;
}

buttonAttributes mirrored_button(const buttonAttributes& button, const side_rules& rules,
                                 const mirror_settings& settings, qint64 twiceAxis)
{
    buttonAttributes out = button;
    // Within the canvas's limits: positions from a file may lie anywhere.
    const qint64 limit = buttonRecord::kCoordinateLimit;
    out.position.setX(int(qBound(-limit, twiceAxis - button.position.x(), limit)));
    if (button.kind == kCommandButton) {
        if (!out.nodes.isEmpty())
            out.nodes[0] = rules.mirror_script(out.nodes.first());
    } else {
        for (QString& name : out.nodes)
            name = rules.mirror_name(name);
    }
    if (!button.label.isEmpty())
        out.label = rules.mirror_label(button.label);
    out.color = settings.swapped(button.color);
    out.labelColor = settings.swapped(button.labelColor);
    out.shape = button.shape.flipped();
    return out;
}

bool same_names(const buttonAttributes& a, const buttonAttributes& b)
{
    if (a.kind != b.kind || a.nodes.size() != b.nodes.size())
        return false;
    QStringList x = a.nodes, y = b.nodes;
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    return x == y;
}
