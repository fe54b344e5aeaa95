#ifndef QB_EDIT_PICKER_CLIPBOARD_H
#define QB_EDIT_PICKER_CLIPBOARD_H
#include "model/buttonAttributes.h"
#include "model/picker_extensions.h"
#include <QtCore/QList>
#include <QtCore/QString>

class QMimeData;
class paste_view;
class picker_document;

// Buttons on the system clipboard (its main mode, not the selection), under
// the picker's own MIME type, so that they travel between tabs and between
// the panels of separate host processes.
class picker_clipboard
{
public:
    // Replaces the clipboard's content with the buttons.
    // The pictures the buttons show go with them.
    static void copyButtonsToClipboard(QList<buttonAttributes> const& buttons,
                                       picker_pictures const& pictures = picker_pictures());
    // True when the clipboard offers picker buttons.
    static bool has_buttons();
    // The buttons a MIME object holds; empty when it holds none.
    static QList<buttonAttributes> read_buttons(const QMimeData* data, picker_pictures* pictures = nullptr);
    // Pushes a paste of the clipboard's buttons onto the document's undo
    // stack, placed for the canvas showing it; nothing without a document or
    // without picker buttons.
    static void handle_paste(picker_document* document, paste_view* view, bool inPlace);
    static QString mime_type();

private:
    static const char picker_mime_type_[];
};
#endif
