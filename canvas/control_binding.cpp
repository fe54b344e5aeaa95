#include "canvas/control_binding.h"
#include "document/picker_document.h"

#include <cmath>

QVector<int> control_binding::toggle_values(const host_attribute& a, const button_control& c)
{
    if (a.kind == host_attribute::Enum && !a.enumValues.isEmpty())
        return a.enumValues;
    QVector<int> values;
    const int lo = int(std::ceil(c.min.x())), hi = int(std::floor(c.max.x()));
    for (int v = lo; v <= hi && values.size() < 64; ++v)
        values.append(v);
    if (values.size() < 2)
        values = {0, 1};
    return values;
}

void control_binding::ensure()
{
    if (built_ && revision_ == document_->buttons_revision())
        return;
    built_ = true;
    revision_ = document_->buttons_revision();
    shown_.clear();
    readings_.clear();
    reasons_.clear();
    dragged_ = -1;
    const QList<buttonRecord>& buttons = document_->buttons();
    for (int i = 0; i < buttons.size(); ++i) {
        const buttonRecord& b = buttons[i];
        if (!b.control.isActive())
            continue;
        read_control(i, false);
        if (!b.nodes.isEmpty())
            for (int axis = 0; axis < b.control.attributes.size(); ++axis)
                shown_[key(b.nodes.first(), b.control.attributes[axis])].append({i, axis});
    }
}

void control_binding::read_control(int index, bool fresh)
{
    const buttonRecord& b = document_->buttons()[index];
    for (const QString& node : b.nodes)
        for (const QString& attribute : b.control.attributes) {
            const QString k = key(node, attribute);
            if (fresh || !attributes_.contains(k))
                attributes_.insert(k, host_port::current().read_attribute(node, attribute));
        }
    update_reading(index);
}

void control_binding::update_reading(int index)
{
    const buttonRecord& b = document_->buttons()[index];
    const button_control& c = b.control;
    control_reading r;
    QString why;
    if (b.nodes.isEmpty())
        why = QObject::tr("No node to set");
    for (const QString& node : b.nodes) {
        for (const QString& attribute : c.attributes) {
            const host_attribute a = attributes_.value(key(node, attribute));
            const QString plug = key(node, attribute);
            if (a.kind == host_attribute::Missing)
                why = QObject::tr("%1 does not exist").arg(plug);
            else if (a.kind == host_attribute::Other)
                why = QObject::tr("%1 is not a number").arg(plug);
            else if (a.locked)
                why = QObject::tr("%1 is locked").arg(plug);
            if (!why.isEmpty())
                break;
        }
        if (!why.isEmpty())
            break;
    }
    r.enabled = why.isEmpty();
    if (!b.nodes.isEmpty()) {
        const host_attribute x = attributes_.value(key(b.nodes.first(), c.attributes.value(0)));
        const host_attribute y = attributes_.value(key(b.nodes.first(), c.attributes.value(1)));
        r.value = QPointF(x.value, y.value);
        if (c.kind == button_control::Toggle) {
            const QVector<int> values = toggle_values(x, c);
            r.steps = values.size();
            r.step = qMax(0, int(values.indexOf(int(std::lround(x.value)))));
        }
    }
    if (dragged_ == index) {
        r.value = readings_.value(index).value;
        r.dragging = true;
    }
    readings_.insert(index, r);
    if (why.isEmpty())
        reasons_.remove(index);
    else
        reasons_.insert(index, why);
}

const control_readings& control_binding::readings()
{
    ensure();
    return readings_;
}

void control_binding::reread(int index)
{
    ensure();
    if (document_->valid_index(index) && document_->buttons()[index].control.isActive())
        read_control(index, true);
}

QStringList control_binding::nodes()
{
    ensure();
    QStringList out;
    for (auto it = readings_.cbegin(); it != readings_.cend(); ++it)
        for (const QString& n : document_->buttons()[it.key()].nodes)
            if (!out.contains(n))
                out.append(n);
    return out;
}

QString control_binding::reason(int index)
{
    ensure();
    return reasons_.value(index);
}

host_attribute control_binding::attribute(const QString& node, const QString& attribute) const
{
    return attributes_.value(key(node, attribute));
}

bool control_binding::attribute_changed(const QString& node, const QString& attribute, double value, QRect* dirty)
{
    ensure();
    const QString k = key(node, attribute);
    auto a = attributes_.find(k);
    if (a == attributes_.end())
        return false;
    a->value = value;
    const auto shown = shown_.constFind(k);
    if (shown == shown_.constEnd())
        return false;
    bool moved = false;
    for (const QPair<int, int>& at : *shown) {
        if (at.first == dragged_)
            continue; // the drag's own value stands
        control_reading& r = readings_[at.first];
        const buttonRecord& b = document_->buttons()[at.first];
        if (b.control.kind == button_control::Toggle) {
            update_reading(at.first);
        } else if (at.second == 0) {
            r.value.setX(value);
        } else {
            r.value.setY(value);
        }
        *dirty |= b.rect;
        moved = true;
    }
    return moved;
}

bool control_binding::attribute_reread(const QString& node, const QString& attribute, QRect* dirty)
{
    ensure();
    const QString k = key(node, attribute);
    if (!attributes_.contains(k))
        return false;
    attributes_.insert(k, host_port::current().read_attribute(node, attribute));
    // Rare: every control of the node is looked at.
    bool any = false;
    const QList<int> indices = readings_.keys();
    for (int index : indices) {
        const buttonRecord& b = document_->buttons()[index];
        if (b.nodes.contains(node) && b.control.attributes.contains(attribute)) {
            update_reading(index);
            *dirty |= b.rect;
            any = true;
        }
    }
    return any;
}

void control_binding::set_dragged(int index, const QPointF& value)
{
    ensure();
    dragged_ = index;
    control_reading& r = readings_[index];
    r.value = value;
    r.dragging = true;
}

void control_binding::end_drag(int index, const QPointF& last)
{
    if (dragged_ != index)
        return;
    dragged_ = -1;
    if (!readings_.contains(index) || !document_->valid_index(index))
        return;
    const buttonRecord& b = document_->buttons()[index];
    if (!b.nodes.isEmpty())
        for (int axis = 0; axis < b.control.attributes.size(); ++axis) {
            auto a = attributes_.find(key(b.nodes.first(), b.control.attributes[axis]));
            if (a != attributes_.end())
                a->value = axis == 0 ? last.x() : last.y();
        }
    update_reading(index);
}
