#include "edit/picker_clipboard.h"
#include "document/picker_document.h"
#include "edit/paste_buttons_cmd.h"
#include "model/clipboard_payload.h"

#include <QtCore/QMimeData>
#include <QtGui/QClipboard>
#include <QtGui/QGuiApplication>

const char picker_clipboard::picker_mime_type_[] = "application/x-qt-picker-mime;value=\"buttons\"";

QString picker_clipboard::mime_type()
{
    // A heap copy: the clipboard may keep the format after the module is gone.
    return QString::fromLatin1(picker_mime_type_);
}

void picker_clipboard::copyButtonsToClipboard(QList<buttonAttributes> const& buttons,
                                              picker_pictures const& pictures)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    const QByteArray payload = writeClipboardPayload(buttons, pictures);
    clipboard->clear(QClipboard::Clipboard);
    QMimeData* data = new QMimeData;
    data->setData(mime_type(), payload);
    clipboard->setMimeData(data, QClipboard::Clipboard); // the clipboard owns it
}

bool picker_clipboard::has_buttons()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
    return data && data->hasFormat(mime_type());
}

QList<buttonAttributes> picker_clipboard::read_buttons(const QMimeData* data, picker_pictures* pictures)
{
    if (!data || !data->hasFormat(mime_type()))
        return {};
    return readClipboardPayload(data->data(mime_type()), pictures);
}

void picker_clipboard::handle_paste(picker_document* document, paste_view* view, bool inPlace)
{
    if (!document)
        return;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
    if (!data || !data->hasFormat(mime_type()))
        return;
    picker_pictures pictures;
    const QList<buttonAttributes> buttons = read_buttons(data, &pictures);
    document->undoStack()->push(new paste_buttons_cmd(document, view, buttons, inPlace, pictures));
}
