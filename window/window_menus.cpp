#include "window/window_menus.h"
#include "window/rig_pickers.h"
#include "canvas/canvas_menu.h"
#include "canvas/picker_view.h"
#include "edit/change_mirror_cmd.h"
#include "edit/cut_buttons_cmd.h"
#include "edit/picker_clipboard.h"
#include "document/host_port.h"
#include "model/picker_version.h"
#include "ui/nested_loop.h"
#include "ui/picker_dialogs.h"
#include "ui/shortcut_dispatch.h"
#include "window/picker_checkPickerDialog.h"
#include "window/picker_mirrorRulesDialog.h"
#include "window/picker_toolbox.h"
#include "window/picker_window.h"
#include "window/tab_files.h"

#include <QtCore/QPointer>
#include <QAction>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QTabWidget>
#include <QUndoStack>

namespace {
QKeySequence native_keys(const char* text)
{
    return QKeySequence(QString::fromLatin1(text), QKeySequence::NativeText);
}
} // namespace

window_menus::window_menus(picker_window* window, QDockWidget* dock) : QObject(window), window_(window)
{
    menuBar_ = new QMenuBar(nullptr);
    make_menus(dock);
    connect(fileMenu_, &QMenu::aboutToShow, this, &window_menus::updateFileMenu);
    connect(editMenu_, &QMenu::aboutToShow, this, &window_menus::updateEditMenu);
    connect(pickerMenu_, &QMenu::aboutToShow, this, &window_menus::updatePickerMenu);
    for (QMenu* menu : {fileMenu_, editMenu_, pickerMenu_, helpMenu_})
        connect(menu, &QMenu::aboutToShow, [] { nested_loop::shown(QStringLiteral("menu bar")); });
}

void window_menus::make_menus(QDockWidget* dock)
{
    fileMenu_ = menuBar_->addMenu(picker_window::tr("&File"));
    editMenu_ = menuBar_->addMenu(picker_window::tr("&Edit"));
    pickerMenu_ = menuBar_->addMenu(picker_window::tr("&Picker"));
    helpMenu_ = menuBar_->addMenu(picker_window::tr("&Help"));
    const auto shortcut = [](QAction* action, const char* keys) {
        shortcut_dispatch::set_widget_shortcut(action, native_keys(keys));
    };

    QAction* newAction = fileMenu_->addAction(picker_window::tr("New..."));
    shortcut(newAction, "Ctrl+N");
    connect(newAction, &QAction::triggered, window_, &picker_window::new_tab);
    QAction* openAction = fileMenu_->addAction(picker_window::tr("Open..."));
    shortcut(openAction, "Ctrl+O");
    connect(openAction, &QAction::triggered, window_, &picker_window::open_tab);
    QAction* importAction = fileMenu_->addAction(picker_window::tr("Import..."));
    connect(importAction, &QAction::triggered, window_->files(), &tab_files::import_tab);
    fileMenu_->addSeparator();
    saveAction_ = fileMenu_->addAction(picker_window::tr("Save"));
    shortcut(saveAction_, "Ctrl+S");
    connect(saveAction_, &QAction::triggered, this, &window_menus::request_save);
    saveAsAction_ = fileMenu_->addAction(picker_window::tr("Save As..."));
    connect(saveAsAction_, &QAction::triggered, this, &window_menus::request_saveas);
    fileMenu_->addSeparator();
    renameAction_ = fileMenu_->addAction(picker_window::tr("Rename Tab..."));
    connect(renameAction_, &QAction::triggered, window_, &picker_window::rename_tab);
    closeAction_ = fileMenu_->addAction(picker_window::tr("Close Tab..."));
    shortcut(closeAction_, "Ctrl+W");
    connect(closeAction_, &QAction::triggered, window_, &picker_window::close_current);
    fileMenu_->addSeparator();
    QAction* exitAction = fileMenu_->addAction(picker_window::tr("Exit Picker"));
    shortcut(exitAction, "Ctrl+Shift+W");
    if (dock) // closing the dock only hides it; the tabs stay
        connect(exitAction, &QAction::triggered, dock, &QWidget::close);

    undoAction_ = editMenu_->addAction(picker_window::tr("Undo"));
    shortcut(undoAction_, "Ctrl+Z");
    connect(undoAction_, &QAction::triggered, this, &window_menus::do_undo);
    redoAction_ = editMenu_->addAction(picker_window::tr("Redo"));
    shortcut(redoAction_, "Shift+Ctrl+Z");
    connect(redoAction_, &QAction::triggered, this, &window_menus::do_redo);
    editMenu_->addSeparator();
    cutAction_ = editMenu_->addAction(picker_window::tr("Cut"));
    shortcut(cutAction_, "Ctrl+X");
    connect(cutAction_, &QAction::triggered, this, &window_menus::cut_buttons);
    copyAction_ = editMenu_->addAction(picker_window::tr("Copy"));
    shortcut(copyAction_, "Ctrl+C");
    connect(copyAction_, &QAction::triggered, this, &window_menus::copy_buttons);
    pasteAction_ = editMenu_->addAction(picker_window::tr("Paste"));
    shortcut(pasteAction_, "Ctrl+V");
    connect(pasteAction_, &QAction::triggered, this, &window_menus::paste_buttons);
    pasteInPlaceAction_ = editMenu_->addAction(picker_window::tr("Paste in Place"));
    shortcut(pasteInPlaceAction_, "Shift+Ctrl+V");
    connect(pasteInPlaceAction_, &QAction::triggered, this, &window_menus::paste_inplace_buttons);
    editMenu_->addSeparator();
    toolboxAction_ = editMenu_->addAction(QString::fromLatin1("Hide Toolbox"));
    connect(toolboxAction_, &QAction::triggered, this, [this] { window_->toolbox_controls()->toggle_toolbox(); });

    addOneAction_ = pickerMenu_->addAction(QString::fromLatin1("Add One Button"));
    connect(addOneAction_, &QAction::triggered, this, &window_menus::add_one_button);
    addManyAction_ = pickerMenu_->addAction(QString::fromLatin1("Add Many Buttons"));
    connect(addManyAction_, &QAction::triggered, this, &window_menus::add_many_buttons);
    updateButtonAction_ = pickerMenu_->addAction(QString::fromLatin1("Update Button"));
    connect(updateButtonAction_, &QAction::triggered, this, &window_menus::update_button);
    checkPickerAction_ = pickerMenu_->addAction(QString::fromLatin1("Check Picker..."));
    connect(checkPickerAction_, &QAction::triggered, this, &window_menus::check_picker);
    pickerMenu_->addSeparator();
    mirrorRulesAction_ = pickerMenu_->addAction(QString::fromLatin1("Mirror Rules..."));
    connect(mirrorRulesAction_, &QAction::triggered, this, &window_menus::mirror_rules);
    mirrorAxisAction_ = pickerMenu_->addAction(QString::fromLatin1("Set Mirror Axis"));
    connect(mirrorAxisAction_, &QAction::triggered, this, &window_menus::set_mirror_axis);
    pickerMenu_->addSeparator();
    storeRigAction_ = pickerMenu_->addAction(QString::fromLatin1("Store in Rig..."));
    connect(storeRigAction_, &QAction::triggered, this, [this] { window_->rigs()->store_current(); });
    removeRigAction_ = pickerMenu_->addAction(QString::fromLatin1("Remove from Rig"));
    connect(removeRigAction_, &QAction::triggered, this, [this] { window_->rigs()->remove_current(); });
    pickerMenu_->addSeparator();
    backgroundAction_ = pickerMenu_->addAction(QString::fromLatin1("Change Background..."));
    connect(backgroundAction_, &QAction::triggered, this, &window_menus::change_background);
    make_namespace_menu();

    QAction* about = helpMenu_->addAction(QString::fromLatin1("About QuillbrookPicker..."));
    connect(about, &QAction::triggered, this, &window_menus::about_dialog);
}

void window_menus::make_namespace_menu()
{
    // Never disabled and not in the window's action list: it has no
    // shortcut, and with no tab the request simply finds nothing to bind.
    namespaceAction_ = pickerMenu_->addAction(QString::fromLatin1("Change Namespace..."));
    connect(namespaceAction_, &QAction::triggered, this, &window_menus::change_namespace);
}

void window_menus::list_menu_actions()
{
    // Menu order is the dispatch order. An item already listed moves to
    // its menu place.
    for (QMenu* menu : {fileMenu_, editMenu_, pickerMenu_, helpMenu_})
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && !a->menu() && a != namespaceAction_)
                window_->addAction(a);
}

bool window_menus::execute_shortcut(QKeyEvent* e)
{
    if (window_->actions().isEmpty())
        return false;
    // A key acts on the state at hand, not on the state at the last opening
    // of a menu: Ctrl+C copies the buttons selected now.
    refresh_enable_states();
    return shortcut_dispatch::trigger_matching(window_->actions(), e);
}

void window_menus::toolbox_shown(bool shown)
{
    toolboxAction_->setText(QString::fromLatin1(shown ? "Hide Toolbox" : "Show Toolbox"));
}

void window_menus::refresh_enable_states()
{
    updateFileMenu();
    updateEditMenu();
    updatePickerMenu();
}

// ---- File

void window_menus::updateFileMenu()
{
    const bool anyTab = window_->tabs()->count() > 0;
    for (QAction* a : {saveAction_, saveAsAction_, renameAction_, closeAction_})
        a->setEnabled(anyTab);
}

void window_menus::request_save()
{
    host_port::current().queue_mel(QStringLiteral("QuillbrookPicker(\"save\");"));
}

void window_menus::request_saveas()
{
    host_port::current().queue_mel(QStringLiteral("QuillbrookPicker(\"saveas\");"));
}

// ---- Edit

void window_menus::updateEditMenu()
{
    picker_view* view = window_->frontPicker();
    const QUndoStack* undo = view ? view->undoStack() : nullptr;
    const bool canUndo = undo && undo->canUndo();
    const bool canRedo = undo && undo->canRedo();
    undoAction_->setEnabled(canUndo);
    redoAction_->setEnabled(canRedo);
    undoAction_->setText(canUndo ? picker_window::tr("Undo %1").arg(undo->undoText()) : picker_window::tr("Can't Undo"));
    redoAction_->setText(canRedo ? picker_window::tr("Redo %1").arg(undo->redoText()) : picker_window::tr("Can't Redo"));
    updateClipboardItems(view);
}

void window_menus::do_undo()
{
    if (picker_view* view = window_->frontPicker())
        view->undoStack()->undo();
}

void window_menus::do_redo()
{
    if (picker_view* view = window_->frontPicker())
        view->undoStack()->redo();
}

void window_menus::updateClipboardItems(picker_view* view)
{
    const bool selected = view && view->document()->any_selected();
    cutAction_->setEnabled(selected);
    copyAction_->setEnabled(selected);
    const bool paste = view && picker_clipboard::has_buttons();
    pasteAction_->setEnabled(paste);
    pasteInPlaceAction_->setEnabled(paste);
}

void window_menus::cut_buttons()
{
    picker_view* view = window_->frontPicker();
    if (!view || !view->document()->any_selected())
        return;
    cut_buttons_cmd* command = new cut_buttons_cmd(view->document());
    picker_clipboard::copyButtonsToClipboard(command->attributes(), view->document()->pictures());
    view->undoStack()->push(command);
}

void window_menus::copy_buttons()
{
    picker_view* view = window_->frontPicker();
    if (!view || !view->document()->any_selected())
        return;
    picker_clipboard::copyButtonsToClipboard(view->document()->getButtons(), view->document()->pictures());
}

void window_menus::paste_buttons()
{
    picker_view* view = window_->frontPicker();
    picker_clipboard::handle_paste(view ? view->document() : nullptr, view, false);
}

void window_menus::paste_inplace_buttons()
{
    picker_view* view = window_->frontPicker();
    picker_clipboard::handle_paste(view ? view->document() : nullptr, view, true);
}

// ---- Picker: each authoring item acts on the current canvas, and only
// while the host has something selected to make buttons for

void window_menus::updatePickerMenu()
{
    const bool anyTab = window_->tabs()->count() > 0;
    for (QAction* a :
         {addOneAction_, addManyAction_, updateButtonAction_, checkPickerAction_, backgroundAction_, mirrorRulesAction_,
          mirrorAxisAction_, storeRigAction_})
        a->setEnabled(anyTab);
    // Only a tab of this scene's own rig, or one not from a rig, has a node here.
    const picker_view* view = window_->frontPicker();
    removeRigAction_->setEnabled(view && !view->document()->origin().isEmpty()
                                 && view->document()->origin().space.isEmpty());
}

void window_menus::add_one_button()
{
    picker_view* view = window_->frontPicker();
    if (picker_window::selection_.isEmpty() || !view)
        return;
    view->menu()->add_one_button();
    view->frame_view();
}

void window_menus::add_many_buttons()
{
    picker_view* view = window_->frontPicker();
    if (picker_window::selection_.isEmpty() || !view)
        return;
    view->menu()->add_many_buttons();
    view->frame_view();
}

void window_menus::update_button()
{
    picker_view* view = window_->frontPicker();
    if (picker_window::selection_.isEmpty() || !view)
        return;
    view->menu()->update_button();
}

void window_menus::change_background()
{
    if (picker_view* view = window_->frontPicker())
        view->menu()->change_background();
}

void window_menus::change_namespace()
{
    window_->request_rebind(true);
}

void window_menus::mirror_rules()
{
    QPointer<picker_view> view = window_->frontPicker();
    if (!view)
        return;
    mirror_settings settings = view->document()->mirror();
    // The dialog's loop may let the host close the tab.
    if (!picker_mirrorRulesDialog::do_dialog(view, &settings) || !view)
        return;
    picker_document* document = view->document();
    if (settings != document->mirror())
        document->undoStack()->push(new change_mirror_cmd(document, settings, picker_window::tr("Mirror Rules")));
}

void window_menus::check_picker()
{
    if (picker_view* view = window_->frontPicker())
        picker_checkPickerDialog::do_dialog(view);
}

void window_menus::set_mirror_axis()
{
    if (picker_view* view = window_->frontPicker())
        view->menu()->set_mirror_axis();
}

// ---- Help

void window_menus::about_dialog()
{
    const QString build = QString::fromLatin1(__TIME__).left(2);
    const QString text = QString::fromLatin1("QuillbrookPicker\nVersion %1 (build %2)")
                             .arg(QString::fromLatin1(QB_PICKER_VERSION), build);
    picker_dialogs::current().about(window_, QString::fromLatin1("About"), text);
}
