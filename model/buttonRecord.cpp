#include "model/buttonRecord.h"
#include "model/window_selection.h"
#include <QtCore/QHash>
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
    fit_shape();
}

buttonRecord::buttonRecord(const buttonRecord& other) = default;

void buttonRecord::resolve() const
{
    node_names* names = node_names::installed();
    const quint64 generation = names ? names->generation() : 0;
    if (resolvedAt == generation && resolvedFor == nodes && hostNames.size() == nodes.size())
        return;
    resolvedFor = nodes;
    resolvedAt = generation;
    hostNames = nodes;
    health.fill(kNodeFound, nodes.size());
    if (!names || kind != kSelectionButton)
        return;
    for (int i = 0; i < nodes.size(); ++i) {
        node_health h = kNodeFound;
        hostNames[i] = names->host_name(nodes.at(i), &h);
        health[i] = h;
    }
}

QStringList buttonRecord::names_with(node_health wanted) const
{
    resolve();
    QStringList out;
    for (int i = 0; i < nodes.size(); ++i)
        if (health.at(i) == wanted)
            out << nodes.at(i);
    return out;
}

bool buttonRecord::broken() const
{
    resolve();
    for (char h : health)
        if (h != kNodeFound)
            return true;
    return false;
}

bool buttonRecord::all_missing() const
{
    resolve();
    if (health.isEmpty())
        return false;
    for (char h : health)
        if (h != kNodeMissing)
            return false;
    return true;
}

QRect buttonRecord::squareRect(const QPoint& centre, int size)
{
    const qint64 side = qMin(qint64(size), kLargestSide);
    const qint64 half = (side - 1) / 2;
    return rectFrom(centre.x() - half, centre.y() - half, side - 1, side - 1);
}

void buttonRecord::fit_shape()
{
    if (control.isActive()) {
        // A control's box is its track; it draws no outline of its own.
        outline = QPainterPath();
        shapeKey = 0;
        rect = control.bounds(size).translated(withinLimit(position));
        return;
    }
    if (shape.isDefault()) {
        outline = QPainterPath();
        shapeKey = 0;
        return;
    }
    outline = shape.outline(size);
    const QRect bounds = shape.bounds(size);
    rect = bounds.isEmpty() ? squareRect(position, size) : bounds.translated(position);
    quint64 key = qHash(shape.path) ^ (quint64(shape.kind) << 56) ^ (quint64(quint32(shape.width)) << 32)
                  ^ (quint64(quint32(shape.height)) << 16) ^ quint64(quint32(shape.radius)) * 0x9E3779B97F4A7C15ull;
    for (const QPoint& p : shape.points)
        key = (key ^ quint64(quint32(p.x())) ^ (quint64(quint32(p.y())) << 32)) * 0x100000001B3ull;
    key = (key ^ quint64(quint32(size))) * 0x100000001B3ull;
    shapeKey = key | 1; // never 0, the default's
}

bool buttonRecord::contains(const QPointF& p) const
{
    if (!QRectF(rect).adjusted(0, 0, 1, 1).contains(p))
        return false;
    if (shape.isDefault() || shape.kind == button_shape::Rect || outline.isEmpty())
        return true;
    return outline.contains(p - QPointF(position));
}

void buttonRecord::moveTo(const QPoint& point)
{
    if (!shape.isDefault() || control.isActive()) {
        const QPoint to = withinLimit(point);
        rect.translate(to - position);
        position = to;
        return;
    }
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
                if (names) {
                    resolve();
                    window_selection::add(hostNames.at(i));
                }
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
                if (names) {
                    resolve();
                    window_selection::remove(hostNames.at(i));
                }
                flags[i] = 0;
                changed = true;
            }
        }
    }
    state = kUnselected;
    return changed;
}
