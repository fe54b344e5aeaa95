#include "model/button_control.h"
#include <QtCore/QtGlobal>
#include <cmath>

int button_control::track_length(int size) const
{
    if (length > 0)
        return length;
    return qBound(1, size, kMaxLength) * (kind == Pad ? 4 : kind == Toggle ? 3 : 6);
}

QRect button_control::bounds(int size) const
{
    const int thick = qBound(1, size, kMaxLength);
    const int along = track_length(size);
    int w = thick, h = thick;
    if (kind == Pad) {
        w = h = along;
    } else if (kind == Slider) {
        (orientation == Horizontal ? w : h) = along;
    } else if (kind == Toggle) {
        w = qMax(along, thick);
        h = thick;
    }
    return QRect(-(w - 1) / 2, -(h - 1) / 2, w, h);
}

bool button_control::isValid() const
{
    if (kind == None || kind >= kKinds || orientation > Vertical || length < 0 || length > kMaxLength)
        return false;
    if (attributes.size() != attribute_count(kind))
        return false;
    for (const QString& a : attributes)
        if (a.isEmpty() || a.size() > kMaxNameLength)
            return false;
    for (double v : {min.x(), min.y(), max.x(), max.y()})
        if (!std::isfinite(v))
            return false;
    return true;
}

const char* button_control::kind_name(kind_t kind)
{
    switch (kind) {
    case Slider:
        return "slider";
    case Pad:
        return "pad";
    case Toggle:
        return "toggle";
    case None:
        break;
    }
    return "";
}

int button_control::kind_of(const QString& name)
{
    for (int k = Slider; k < kKinds; ++k)
        if (name == QLatin1String(kind_name(kind_t(k))))
            return k;
    return -1;
}
