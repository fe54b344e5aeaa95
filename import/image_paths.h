#ifndef QB_IMPORT_IMAGE_PATHS_H
#define QB_IMPORT_IMAGE_PATHS_H
// Where the other tools find the pictures their files name by path.
#include "import/imported_picker.h"
#include <QtCore/QString>

struct image_lookup {
    QString baseDir;        // the folder of the picker file
    bool touchFiles = true; // false: resolve the text only, never look at the disk
};

// Environment variables in a path as Python's expandvars expands them:
// $NAME and ${NAME}, and %NAME% as on Windows, where most pickers are made.
// A name that is not set is left as it is.
QString expand_environment(const QString& path);

// dwpicker: environment variables expanded (its own project folder variable
// among them), backslashes made slashes; a path still relative is taken
// relative to the picker file (the tool itself would use Maya's working
// folder, which means nothing on another machine).
imported_image resolve_dwpicker_image(const QString& stored, const image_lookup& lookup);

// mGear's anim picker: the path as stored, relative ones from the picker
// file's folder; when nothing is there, the file's name in the folder that
// ANIM_PICKER_RELATIVE_IMAGES names relative to the picker file (the picker
// file's own folder when it is not set).
imported_image resolve_mgear_image(const QString& stored, const image_lookup& lookup);
#endif
