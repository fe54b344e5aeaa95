#include "model/buttonRecord.h"
#include "model/window_selection.h"

buttonRecord::buttonRecord(const buttonAttributes& attributes)
    : buttonAttributes(attributes),
      rect(squareRect(attributes.position, attributes.size)),
      flags(attributes.nodes.size(), 0)
{
}

buttonRecord::buttonRecord(const buttonRecord& other) = default;

QRect buttonRecord::squareRect(const QPoint& centre, int size)
{
    const int half = (size - 1) / 2;
    const int left = centre.x() - half;
    const int top = centre.y() - half;
    return QRect(QPoint(left, top), QPoint(left + size - 1, top + size - 1));
}

void buttonRecord::moveTo(const QPoint& point)
{
    position = point;
    const int w = rect.right() - rect.left();
    const int h = rect.bottom() - rect.top();
    const int left = point.x() - w / 2;
    const int top = point.y() - h / 2;
    rect = QRect(QPoint(left, top), QPoint(left + w, top + h));
}

bool buttonRecord::select(bool flagsOnly)
{
    if (flags.size() != nodes.size())
        flags.resize(nodes.size());
    bool changed = false;
    if (flagsOnly) {
        flags.fill(1);
    } else {
        // A command button's only entry is its script, never a node name:
        // it must not reach the host's selection.
        const bool names = kind == kSelectionButton;
        for (int i = 0; i < nodes.size(); ++i) {
            if (flags[i] == 0) {
                if (names)
                    window_selection::add(nodes[i]);
                flags[i] = 1;
                changed = true;
            }
        }
    }
    state = 1;
    return changed;
}

bool buttonRecord::unselect(bool flagsOnly)
{
    if (flags.size() != nodes.size())
        flags.resize(nodes.size());
    bool changed = false;
    if (flagsOnly) {
        flags.fill(0);
    } else {
        const bool names = kind == kSelectionButton;
        for (int i = 0; i < nodes.size(); ++i) {
            if (flags[i] == 1) {
                if (names)
                    window_selection::remove(nodes[i]);
                flags[i] = 0;
                changed = true;
            }
        }
    }
    state = 0;
    return changed;
}
