#ifndef QB_MODEL_MIRROR_SETTINGS_H
#define QB_MODEL_MIRROR_SETTINGS_H
// A picker's own mirror settings: its side rules, its mirror axis and the
// pair of colours that tell its sides apart. Kept in the extension block
// (one "MIRR" record), and only when one of them is set, so that every other
// picker keeps its bytes.
#include "model/picker_extensions.h"
#include "model/side_rules.h"
#include <QtGui/QRgb>

struct mirror_settings {
    side_pairs rules;        // empty: the default rules
    bool hasAxis = false;
    qint32 axis = 0;         // picker x of the vertical mirror axis
    bool hasColors = false;
    QRgb leftColor = 0;      // swapped with rightColor by mirroring
    QRgb rightColor = 0;

    bool isDefault() const { return rules.isEmpty() && !hasAxis && !hasColors; }
    side_rules side() const { return rules.isEmpty() ? side_rules() : side_rules(rules); }
    // The partner of a colour of one side (the top byte kept); others as they are.
    QRgb swapped(QRgb color) const;

    bool operator==(const mirror_settings& o) const
    {
        return rules == o.rules && hasAxis == o.hasAxis && (!hasAxis || axis == o.axis) && hasColors == o.hasColors
               && (!hasColors || (leftColor == o.leftColor && rightColor == o.rightColor));
    }
    bool operator!=(const mirror_settings& o) const { return !(*this == o); }
};

// The record of the settings; none for the defaults.
extension_records mirrorRecords(const mirror_settings& settings);
// The settings a block's records hold; the defaults when none does, or when
// the record does not read whole. Rules the side rules refuse, and an axis
// beyond the canvas's coordinate limit, are left out.
mirror_settings readMirrorRecords(const extension_records& records);
#endif
