#include "import/picker_mapping.h"
#include "import/backdrop_composer.h"
#include "import/report_kinds.h"
#include "import/shape_mapping.h"
#include "model/picker_image.h"
#include <QtCore/QMap>

namespace {

constexpr double kLabelPixels = 16.0;

// A colour with its alpha as it shows over the backdrop grey.
QRgb opaque(QRgb c)
{
    const int a = qAlpha(c);
    auto mix = [a](int over, int under) { return (over * a + under * (255 - a) + 127) / 255; };
    return qRgb(mix(qRed(c), qRed(kBackdropGrey)), mix(qGreen(c), qGreen(kBackdropGrey)),
                mix(qBlue(c), qBlue(kBackdropGrey)));
}

picker_tab_data mapTab(const imported_tab& in, double scale, const mapping_options& options, import_report* report)
{
    picker_tab_data tab;
    tab.name = in.name;
    compose_options compose;
    compose.scale = scale;
    compose.readImages = options.readImages;
    compose.maxPixels = options.maxBackgroundPixels;
    const composed_backdrop backdrop = compose_backdrops(in, compose, report);
    QPointF offset;
    if (!backdrop.image.isNull()) {
        tab.background = backdrop.image;
        // Named by content, as a background chosen in the panel is.
        tab.backgroundName = contentImageName(backdrop.image);
        // The picture's corner is the picker's origin: everything moves with it.
        offset = -backdrop.origin;
    }
    for (int i = 0; i < in.buttons.size(); ++i) {
        const imported_button& from = in.buttons[i];
        const QString name = from.reference(i);
        buttonAttributes b;
        apply_shape(from, scale, offset, &b);
        apply_button_image(from, name, options.readImages, &b, &tab.pictures, report);
        // A button with no fill at all is a label on the picker.
        b.frame = qAlpha(from.fill) > 0;
        if ((b.frame && qAlpha(from.fill) < 255) || (!from.label.isEmpty() && qAlpha(from.textColor) < 255))
            report->add(report_kind::kTranslucent, name);
        b.color = opaque(from.fill);
        b.labelColor = opaque(from.textColor);
        b.label = from.label;
        if (from.script.isEmpty()) {
            b.kind = kSelectionButton;
            b.nodes = from.nodes;
        } else {
            b.kind = kCommandButton;
            b.language = from.language;
            b.nodes = QStringList{from.script};
        }
        tab.buttons.append(b);
    }
    return tab;
}

} // namespace

double label_scale(const imported_picker& picker)
{
    // The most common size, to a hundredth of a pixel; the smaller of
    // equally common ones.
    QMap<int, int> sizes;
    for (const imported_tab& tab : picker.tabs)
        for (const imported_button& b : tab.buttons)
            if (b.labelSize > 0 && !b.label.trimmed().isEmpty())
                ++sizes[qRound(qMin(b.labelSize, 1e4) * 100)];
    int best = 0, seen = 0;
    for (auto it = sizes.constBegin(); it != sizes.constEnd(); ++it)
        if (it.value() > seen) {
            best = it.key();
            seen = it.value();
        }
    if (best <= 0)
        return 1.0;
    const double scale = qBound(0.25, kLabelPixels / (best / 100.0), 8.0);
    return qRound(scale * 100) / 100.0;
}

mapped_picker map_imported_picker(const imported_picker& picker, const mapping_options& options)
{
    mapped_picker out;
    out.scale = options.scale > 0 ? qBound(0.01, options.scale, 100.0) : label_scale(picker);
    out.report = picker.report;
    for (const imported_tab& tab : picker.tabs)
        out.tabs.append(mapTab(tab, out.scale, options, &out.report));
    return out;
}
