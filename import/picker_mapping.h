#ifndef QB_IMPORT_PICKER_MAPPING_H
#define QB_IMPORT_PICKER_MAPPING_H
// An imported picker turned into this picker's tabs: buttons placed and sized
// in picker units, colours made opaque, commands kept with their language,
// backdrops drawn into each tab's background, and a report of all that did
// not come over (the reader's first, then the mapping's own).
#include "import/import_report.h"
#include "import/imported_picker.h"
#include "model/picker_stream.h"
#include <QtCore/QList>

struct mapping_options {
    // Picker units per unit of the other tool; 0: label_scale.
    double scale = 0;
    // False: no picture is read from disk (fuzzing).
    bool readImages = true;
    // Largest background drawn, in pixels; 0: the import's limit.
    long long maxBackgroundPixels = 0;
};

struct mapped_picker {
    QList<picker_tab_data> tabs;
    import_report report;
    double scale = 1;
};

// The backdrop behind a canvas here: translucent colours are shown as they
// would look over it.
constexpr QRgb kBackdropGrey = 0xff333333u;

// The label text here is 12 point Tahoma: 16 pixels at 96 dots per inch. The
// layout is scaled so that the picker's most common label size becomes that,
// so labels fit their buttons as they did; 1 for a picker without labels.
// Kept between 1/4 and 8, to two decimals.
double label_scale(const imported_picker& picker);

mapped_picker map_imported_picker(const imported_picker& picker, const mapping_options& options = mapping_options());
#endif
