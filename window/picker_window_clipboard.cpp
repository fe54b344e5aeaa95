// The Edit menu's clipboard items: cut, copy and paste of the current
// canvas's buttons through the system clipboard.
#include "canvas/picker_view.h"
#include "edit/cut_buttons_cmd.h"
#include "edit/picker_clipboard.h"
#include "window/picker_window.h"

#include <QAction>
#include <QUndoStack>

void picker_window::updateClipboardItems(picker_view* view)
{
    const bool selected = view && view->any_selected();
    cutAction_->setEnabled(selected);
    copyAction_->setEnabled(selected);
    const bool paste = view && picker_clipboard::has_buttons();
    pasteAction_->setEnabled(paste);
    pasteInPlaceAction_->setEnabled(paste);
}

void picker_window::cut_buttons()
{
    picker_view* view = frontPicker();
    if (!view || !view->any_selected())
        return;
    cut_buttons_cmd* command = new cut_buttons_cmd(view);
    picker_clipboard::copyButtonsToClipboard(command->attributes());
    view->undoStack()->push(command);
}

void picker_window::copy_buttons()
{
    picker_view* view = frontPicker();
    if (!view || !view->any_selected())
        return;
    picker_clipboard::copyButtonsToClipboard(view->getButtons());
}

void picker_window::paste_buttons()
{
    picker_clipboard::handle_paste(frontPicker(), false);
}

void picker_window::paste_inplace_buttons()
{
    picker_clipboard::handle_paste(frontPicker(), true);
}
