#ifndef QB_IMPORT_DWPICKER_READER_H
#define QB_IMPORT_DWPICKER_READER_H
// dwpicker's picker files (.json): {"general": {...}, "shapes": [...]} as its
// releases write them, older ones read the way its own loader upgrades them
// (commands before 0.11, panels from 0.15, custom shapes stored absolute
// before 1.0 and relative to their top-left corner since). One tab per panel;
// background shapes become the tab's backdrops.
#include "import/image_paths.h"
#include "import/imported_picker.h"
#include <QtCore/QJsonObject>

// True for a top level that holds "general" and "shapes".
bool is_dwpicker(const QJsonObject& root);
// False, with the reason, for a damaged file; nothing is half-read.
bool read_dwpicker(const QJsonObject& root, const image_lookup& lookup, imported_picker* out, QString* error);
#endif
