#include "model/buttonRecord.h"
#include "model/window_selection.h"
#include <climits>

namespace {
// Positions and sizes come from files and the clipboard unchecked: the
// rectangle is worked out in 64 bits and kept inside int, so a button at the
// integer limits lies at the edge rather than wrapping to the other side.
// No real button is larger than this; beyond it QRect's own width would
// overflow.
const qint64 kLargestSide = qint64(1) << 24;

int clampToInt(qint64 v)
{
    return int(qBound(qint64(INT_MIN), v, qint64(INT_MAX)));
}

QRect rectFrom(qint64 left, qint64 top, qint64 width, qint64 height)
{
    return QRect(QPoint(clampToInt(left), clampToInt(top)),
                 QPoint(clampToInt(left + width), clampToInt(top + height)));
}

QPoint withinLimit(const QPoint& p)
{
    const int l = buttonRecord::kCoordinateLimit;
    return QPoint(qBound(-l, p.x(), l), qBound(-l, p.y(), l));
}
} // namespace

buttonRecord::buttonRecord(const buttonAttributes& attributes)
    : buttonAttributes(attributes),
      flags(attributes.nodes.size(), 0)
{
    position = withinLimit(position);
    rect = squareRect(position, size);
}

buttonRecord::buttonRecord(const buttonRecord& other) = default;

QRect buttonRecord::squareRect(const QPoint& centre, int size)
{
    const qint64 side = qMin(qint64(size), kLargestSide);
    const qint64 half = (side - 1) / 2;
    return rectFrom(centre.x() - half, centre.y() - half, side - 1, side - 1);
}

void buttonRecord::moveTo(const QPoint& point)
{
    position = withinLimit(point);
    const qint64 w = qint64(rect.right()) - rect.left();
    const qint64 h = qint64(rect.bottom()) - rect.top();
    rect = rectFrom(position.x() - w / 2, position.y() - h / 2, w, h);
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
    state = kSelected;
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
    state = kUnselected;
    return changed;
}
