#ifndef QB_IMPORT_PICKER_IMPORT_H
#define QB_IMPORT_PICKER_IMPORT_H
// Reading another tool's picker file: its size checked, its JSON parsed, its
// format found from its content, and the reader for it run. A damaged or
// hostile file is refused whole with one line saying why.
#include "import/image_paths.h"
#include "import/imported_picker.h"
#include <QtCore/QByteArray>
#include <QtCore/QString>

class picker_import
{
public:
    enum Format { Detect, DwPicker, MGearPicker };
    enum Outcome {
        Read,       // the picker is read
        Unreadable, // the file cannot be opened or read
        Refused     // it is no picker of either tool, or it is damaged
    };

    // A regular file; its pictures are looked for from its folder.
    static picker_import read_file(const QString& path, Format format = Detect);
    // The bytes of a file whose pictures are looked for as lookup says.
    static picker_import read_bytes(const QByteArray& bytes, const image_lookup& lookup, Format format = Detect);

    bool ok() const { return outcome == Read; }

    Outcome outcome = Refused;
    QString error; // one line, naming the file when read from one
    imported_picker picker;
};
#endif
