#ifndef QB_MODEL_BUTTON_CONTROL_H
#define QB_MODEL_BUTTON_CONTROL_H
// A button bound to channels of its nodes instead of selecting them: a
// slider on one numeric attribute, a two-axis pad on two, a toggle on a
// bool or enum attribute. Layouts of earlier versions hold none of it: a
// control is stored there as the selection button of its nodes, and this
// record in the extension block.
#include <QtCore/QPointF>
#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QStringList>

struct button_control {
    enum kind_t : quint8 { None = 0, Slider = 1, Pad = 2, Toggle = 3 };
    static constexpr int kKinds = 4;
    enum orientation_t : quint8 { Horizontal = 0, Vertical = 1 };

    kind_t kind = None;
    orientation_t orientation = Horizontal;
    QStringList attributes; // one; two for a pad (x, then y)
    // The range of each axis (a slider and a toggle use x only).
    QPointF min{0, 0};
    QPointF max{1, 1};
    qint32 length = 0;      // the track (a pad: its side), picker units; 0 for the default

    bool isActive() const { return kind != None; }
    bool operator==(const button_control& o) const
    {
        return kind == o.kind && orientation == o.orientation && attributes == o.attributes && min == o.min
               && max == o.max && length == o.length;
    }
    bool operator!=(const button_control& o) const { return !(*this == o); }

    // How many attributes the kind binds.
    static int attribute_count(kind_t kind) { return kind == Pad ? 2 : kind == None ? 0 : 1; }
    // The track length used: the stored one, or a default from the size.
    int track_length(int size) const;
    // The control's box about (0, 0) for a button of that size.
    QRect bounds(int size) const;
    // Whether a reader may keep it: kind, attribute count, names, finite
    // ranges and a length within limits.
    bool isValid() const;

    // "slider", "pad", "toggle"; -1 for another name.
    static const char* kind_name(kind_t kind);
    static int kind_of(const QString& name);

    static constexpr int kMaxLength = 1 << 16;
    static constexpr int kMaxNameLength = 1024;
};
#endif
