#ifndef QB_IMPORT_MGEAR_PICKER_READER_H
#define QB_IMPORT_MGEAR_PICKER_READER_H
// mGear's anim picker files (.pkr): {"tabs": [{"name", "data": {"items",
// "background"/"backgrounds"}}]}. Its scene has y pointing up and items
// rotate about their position; both are turned into this picker's
// orientation here. Node names are stored without namespace: the tool adds
// that of the picker node it loads them on, so they are kept as stored.
#include "import/image_paths.h"
#include "import/imported_picker.h"
#include <QtCore/QJsonObject>

// True for a top level that holds "tabs".
bool is_mgear_picker(const QJsonObject& root);
// False, with the reason, for a damaged file; nothing is half-read.
bool read_mgear_picker(const QJsonObject& root, const image_lookup& lookup, imported_picker* out, QString* error);
#endif
