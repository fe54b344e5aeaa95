#include "window/picker_window.h"
#include "canvas/picker_view.h"
#include "model/picker_image.h"
#include "model/window_selection.h"
#include "plugin/picker_version.h"
#include "window/nested_loop.h"
#include "window/picker_dialogs.h"
#include "window/scene_writer.h"
#include "window/shortcut_dispatch.h"

#include <QtCore/QPointer>
#include <QtGui/QCursor>
#include <QtGui/QIcon>
#include <QtGui/QKeyEvent>
#include <QAction>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QApplication>
#include <QtWidgets/QTabWidget>
#include <QUndoStack>
#include <QtWidgets/QVBoxLayout>

QStringList& picker_window::selection_ = window_selection::names();

namespace {
QKeySequence native_keys(const char* text)
{
    return QKeySequence(QString::fromLatin1(text), QKeySequence::NativeText);
}
} // namespace

picker_window::picker_window(QDockWidget* dock) : QWidget(dock, Qt::WindowFlags())
{
    setWindowTitle(QString::fromLatin1(QB_PICKER_COMMAND));
    setObjectName(QString::fromLatin1(QB_PICKER_COMMAND));
    setWindowIcon(QIcon(QString::fromLatin1(":/resources/QuillbrookLogo.png")));
    setAttribute(Qt::WA_DeleteOnClose);

    menuBar_ = new QMenuBar(nullptr);
    tabs_ = new QTabWidget(nullptr);
    tabs_->setMovable(true);
    tabs_->setTabsClosable(true);
    sceneWriter_ = new scene_writer(this);

    make_menus(dock);
    add_untitled_tab();
    make_toolbox();

    layout_ = new QVBoxLayout;
    layout_->setSpacing(0);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setMenuBar(menuBar_);
    layout_->addWidget(tabs_);
    layout_->addSpacing(4);
    layout_->addLayout(toolboxRow_);
    layout_->addSpacing(4);
    setLayout(layout_);

    connect(fileMenu_, &QMenu::aboutToShow, this, &picker_window::updateFileMenu);
    connect(editMenu_, &QMenu::aboutToShow, this, &picker_window::updateEditMenu);
    connect(pickerMenu_, &QMenu::aboutToShow, this, &picker_window::updatePickerMenu);
    for (QMenu* menu : {fileMenu_, editMenu_, pickerMenu_, helpMenu_})
        connect(menu, &QMenu::aboutToShow, [] { nested_loop::shown(QStringLiteral("menu bar")); });
    connect(tabs_, &QTabWidget::tabCloseRequested, this, &picker_window::close_one);
    // Tab order is part of what the scene keeps.
    connect(tabs_->tabBar(), &QTabBar::tabMoved, this, &picker_window::updateSceneData);
    toolbox_ = toolboxState();
    // Last, once every menu holds all its items.
    list_menu_actions();
}

void picker_window::make_menus(QDockWidget* dock)
{
    fileMenu_ = menuBar_->addMenu(tr("&File"));
    editMenu_ = menuBar_->addMenu(tr("&Edit"));
    pickerMenu_ = menuBar_->addMenu(tr("&Picker"));
    helpMenu_ = menuBar_->addMenu(tr("&Help"));

    newAction_ = fileMenu_->addAction(tr("New..."));
    setWidgetShortcut(newAction_, native_keys("Ctrl+N"));
    connect(newAction_, &QAction::triggered, this, &picker_window::new_tab);
    openAction_ = fileMenu_->addAction(tr("Open..."));
    setWidgetShortcut(openAction_, native_keys("Ctrl+O"));
    connect(openAction_, &QAction::triggered, this, &picker_window::open_tab);
    fileMenu_->addSeparator();
    saveAction_ = fileMenu_->addAction(tr("Save"));
    setWidgetShortcut(saveAction_, native_keys("Ctrl+S"));
    connect(saveAction_, &QAction::triggered, this, &picker_window::request_save);
    saveAsAction_ = fileMenu_->addAction(tr("Save As..."));
    connect(saveAsAction_, &QAction::triggered, this, &picker_window::request_saveas);
    fileMenu_->addSeparator();
    renameAction_ = fileMenu_->addAction(tr("Rename Tab..."));
    connect(renameAction_, &QAction::triggered, this, &picker_window::rename_tab);
    closeAction_ = fileMenu_->addAction(tr("Close Tab..."));
    setWidgetShortcut(closeAction_, native_keys("Ctrl+W"));
    connect(closeAction_, &QAction::triggered, this, &picker_window::close_current);
    fileMenu_->addSeparator();
    exitAction_ = fileMenu_->addAction(tr("Exit Picker"));
    setWidgetShortcut(exitAction_, native_keys("Ctrl+Shift+W"));
    if (dock) // closing the dock only hides it; the tabs stay
        connect(exitAction_, &QAction::triggered, dock, &QWidget::close);

    undoAction_ = editMenu_->addAction(tr("Undo"));
    setWidgetShortcut(undoAction_, native_keys("Ctrl+Z"));
    connect(undoAction_, &QAction::triggered, this, &picker_window::do_undo);
    redoAction_ = editMenu_->addAction(tr("Redo"));
    setWidgetShortcut(redoAction_, native_keys("Shift+Ctrl+Z"));
    connect(redoAction_, &QAction::triggered, this, &picker_window::do_redo);
    editMenu_->addSeparator();
    cutAction_ = editMenu_->addAction(tr("Cut"));
    setWidgetShortcut(cutAction_, native_keys("Ctrl+X"));
    connect(cutAction_, &QAction::triggered, this, &picker_window::cut_buttons);
    copyAction_ = editMenu_->addAction(tr("Copy"));
    setWidgetShortcut(copyAction_, native_keys("Ctrl+C"));
    connect(copyAction_, &QAction::triggered, this, &picker_window::copy_buttons);
    pasteAction_ = editMenu_->addAction(tr("Paste"));
    setWidgetShortcut(pasteAction_, native_keys("Ctrl+V"));
    connect(pasteAction_, &QAction::triggered, this, &picker_window::paste_buttons);
    pasteInPlaceAction_ = editMenu_->addAction(tr("Paste in Place"));
    setWidgetShortcut(pasteInPlaceAction_, native_keys("Shift+Ctrl+V"));
    connect(pasteInPlaceAction_, &QAction::triggered, this, &picker_window::paste_inplace_buttons);
    editMenu_->addSeparator();
    toolboxAction_ = editMenu_->addAction(QString::fromLatin1("Hide Toolbox"));
    connect(toolboxAction_, &QAction::triggered, this, &picker_window::toggle_toolbox);

    addOneAction_ = pickerMenu_->addAction(QString::fromLatin1("Add One Button"));
    connect(addOneAction_, &QAction::triggered, this, &picker_window::add_one_button);
    addManyAction_ = pickerMenu_->addAction(QString::fromLatin1("Add Many Buttons"));
    connect(addManyAction_, &QAction::triggered, this, &picker_window::add_many_buttons);
    updateButtonAction_ = pickerMenu_->addAction(QString::fromLatin1("Update Button"));
    connect(updateButtonAction_, &QAction::triggered, this, &picker_window::update_button);
    pickerMenu_->addSeparator();
    backgroundAction_ = pickerMenu_->addAction(QString::fromLatin1("Change Background..."));
    connect(backgroundAction_, &QAction::triggered, this, &picker_window::change_background);
    make_namespace_menu();

    QAction* about = helpMenu_->addAction(QString::fromLatin1("About QuillbrookPicker..."));
    connect(about, &QAction::triggered, this, &picker_window::about_dialog);
}

void picker_window::list_menu_actions()
{
    // Menu order is the dispatch order. An item already listed moves to
    // its menu place.
    for (QMenu* menu : {fileMenu_, editMenu_, pickerMenu_, helpMenu_})
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && !a->menu() && a != namespaceAction_)
                addAction(a);
}

picker_window::~picker_window()
{
    closing_ = true; // the scene keeps its images: this is no user's close
    for (int i = tabs_->count() - 1; i >= 0; --i)
        close_tab(i);
    // The toolkit's destructor still moves focus and deletes the children:
    // the label field would report editingFinished to a window already gone.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
}

// ---- tabs

void picker_window::new_tab()
{
    add_untitled_tab();
    updateSceneData(); // a scene saved next holds the new tab
}

void picker_window::add_untitled_tab()
{
    picker_view* view = new picker_view(this);
    const int index = tabs_->addTab(view, tr("Untitled"));
    tabs_->setCurrentIndex(index);
    connect(view, &picker_view::changed, this, &picker_window::updateSceneData);
}

bool picker_window::releases_background(int index) const
{
    const picker_view* view = qobject_cast<picker_view*>(tabs_->widget(index));
    if (!view || view->backgroundName().isEmpty())
        return false;
    for (int i = 0; i < tabs_->count(); ++i) {
        const picker_view* other = qobject_cast<picker_view*>(tabs_->widget(i));
        if (i != index && other && other->backgroundName() == view->backgroundName())
            return false; // that tab still shows the image
    }
    return true;
}

void picker_window::close_tab(int index)
{
    remove_tab(index, !closing_);
}

void picker_window::remove_tab(int index, bool touchScene)
{
    picker_view* view = qobject_cast<picker_view*>(tabs_->widget(index));
    if (!view)
        return;
    const bool release = touchScene && releases_background(index);
    tabs_->removeTab(index);
    if (release)
        removeImageData(view);
    delete view;
}

void picker_window::close_one(int index)
{
    QPointer<QWidget> page = tabs_->widget(index);
    if (!page)
        return;
    const QString text = tr("Are you sure you want to close the tab \"%1\"?\n\nAll changes will be lost.")
                             .arg(tabs_->tabText(index));
    const QMessageBox::StandardButton answer = picker_dialogs::current().warning(
        this, tr("Close Tab"), text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoButton);
    if (answer == QMessageBox::Cancel)
        return;
    // The box ran its own event loop: a scene reset may have closed or moved
    // the tab meanwhile. Close the one that was asked about, if it is left.
    const int now = page ? tabs_->indexOf(page) : -1;
    if (now < 0)
        return;
    close_tab(now);
    updateSceneData();
}

void picker_window::close_current()
{
    if (tabs_->count() > 0 && tabs_->currentIndex() >= 0)
        close_one(tabs_->currentIndex());
}

void picker_window::reset()
{
    // The host is replacing the scene, or the scene holds no pickers: the
    // outgoing scene is gone and the incoming one must not be touched, so
    // nothing is queued and no write asked for earlier is made.
    for (int i = tabs_->count() - 1; i >= 0; --i)
        remove_tab(i, false);
    add_untitled_tab();
    sceneWriter_->cancel();
    filePathsKept_ = false;
}

void picker_window::rename_tab()
{
    if (tabs_->count() == 0 || tabs_->currentIndex() < 0)
        return;
    QPointer<QWidget> page = tabs_->currentWidget();
    bool ok = false;
    const QString text = picker_dialogs::current().getText(this, tr("Tab Name"), tr("Name"),
                                                           tabs_->tabText(tabs_->currentIndex()), &ok);
    if (!ok || text.isEmpty())
        return;
    // As in close_one: rename the tab that was asked about, wherever it is now.
    const int now = page ? tabs_->indexOf(page) : -1;
    if (now < 0)
        return;
    tabs_->setTabText(now, text);
    updateSceneData();
}

picker_view* picker_window::frontPicker() const
{
    if (tabs_->count() == 0)
        return nullptr;
    return qobject_cast<picker_view*>(tabs_->currentWidget());
}

// ---- menus

void picker_window::updateFileMenu()
{
    const bool anyTab = tabs_->count() > 0;
    for (QAction* a : {saveAction_, saveAsAction_, renameAction_, closeAction_})
        a->setEnabled(anyTab);
}

void picker_window::updateEditMenu()
{
    picker_view* view = frontPicker();
    const QUndoStack* undo = view ? view->undoStack() : nullptr;
    const bool canUndo = undo && undo->canUndo();
    const bool canRedo = undo && undo->canRedo();
    undoAction_->setEnabled(canUndo);
    redoAction_->setEnabled(canRedo);
    undoAction_->setText(canUndo ? tr("Undo %1").arg(undo->undoText()) : tr("Can't Undo"));
    redoAction_->setText(canRedo ? tr("Redo %1").arg(undo->redoText()) : tr("Can't Redo"));
    updateClipboardItems(view);
}

void picker_window::do_undo()
{
    if (picker_view* view = frontPicker())
        view->undoStack()->undo();
}

void picker_window::do_redo()
{
    if (picker_view* view = frontPicker())
        view->undoStack()->redo();
}

void picker_window::updatePickerMenu()
{
    const bool anyTab = tabs_->count() > 0;
    for (QAction* a : {addOneAction_, addManyAction_, updateButtonAction_, backgroundAction_})
        a->setEnabled(anyTab);
}

void picker_window::change_background()
{
    if (picker_view* view = frontPicker())
        view->change_background();
}

void picker_window::about_dialog()
{
    const QString build = QString::fromLatin1(__TIME__).left(2);
    const QString text = QString::fromLatin1("QuillbrookPicker\nVersion %1 (build %2)")
                             .arg(QString::fromLatin1(QB_PICKER_VERSION), build);
    picker_dialogs::current().about(this, QString::fromLatin1("About"), text);
}

// ---- keyboard and focus

void picker_window::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == 0 || e->key() == Qt::Key_unknown) {
        QWidget::keyPressEvent(e);
        return;
    }
    if (execute_shortcut(e)) {
        e->accept();
        return;
    }
    if (tabs_->count() == 0) {
        QWidget::keyPressEvent(e);
        return;
    }
    picker_view* view = qobject_cast<picker_view*>(tabs_->currentWidget());
    if (!view)
        return;
    if (view->execute_shortcut(e))
        e->accept();
    else
        QWidget::keyPressEvent(e); // on to the dock and the host
}

bool picker_window::execute_shortcut(QKeyEvent* e)
{
    if (actions().isEmpty() || !hasFocus())
        return false;
    // A key acts on the state at hand, not on the state at the last opening
    // of a menu: Ctrl+C copies the buttons selected now.
    refresh_enable_states();
    return shortcut_dispatch::trigger_matching(actions(), e);
}

void picker_window::refresh_enable_states()
{
    updateFileMenu();
    updateEditMenu();
    updatePickerMenu();
}

void picker_window::setWidgetShortcut(QAction* action, const QKeySequence& sequence) const
{
    shortcut_dispatch::set_widget_shortcut(action, sequence);
}

void picker_window::enterEvent(qt_compat::enter_event* e)
{
    QWidget::enterEvent(e);
    // Qt 6 sends an enter to a widget shown under the pointer; opening the
    // panel must not take the keyboard from the host.
    if (shownUnderPointer_)
        return;
    // A floating panel is a window of its own, and keys reach only the
    // active window: with a click-to-focus window manager it would wait
    // for a click. Taken from this application's windows only, and given
    // back on leaving.
    QWidget* top = window();
    if (top && !top->isActiveWindow()
        && QGuiApplication::applicationState() == Qt::ApplicationActive) {
        handedFrom_ = QApplication::activeWindow();
        top->activateWindow();
    }
    setFocus(Qt::MouseFocusReason);
}

void picker_window::leaveEvent(QEvent* e)
{
    QWidget::leaveEvent(e);
    shownUnderPointer_ = false;
    clearFocus();
    // Only while the panel still holds what it took: a dialog or another
    // window activated meanwhile keeps the keyboard.
    if (handedFrom_ && window()->isActiveWindow())
        handedFrom_->activateWindow();
    handedFrom_ = nullptr;
}

void picker_window::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    shownUnderPointer_ = rect().contains(mapFromGlobal(QCursor::pos()));
}

// ---- state for the sandbox and the end-to-end tests

namespace {
// Heap strings: a caller may keep the snapshot after the module is unloaded.
QString key(const char* text)
{
    return QString::fromLatin1(text);
}

QVariantList point_list(const QPoint& p)
{
    return QVariantList{p.x(), p.y()};
}

QVariantMap button_state(const buttonRecord& b)
{
    QVariantMap m;
    m.insert(key("position"), point_list(b.position));
    m.insert(key("size"), b.size);
    m.insert(key("kind"), b.kind);
    m.insert(key("language"), b.language);
    m.insert(key("color"), uint(b.color));
    m.insert(key("labelColor"), uint(b.labelColor));
    m.insert(key("label"), b.label);
    m.insert(key("nodes"), b.nodes);
    m.insert(key("state"), int(b.state));
    m.insert(key("rect"), QVariantList{b.rect.left(), b.rect.top(), b.rect.width(), b.rect.height()});
    return m;
}

void add_view_state(QVariantMap* tab, const picker_view& view)
{
    tab->insert(key("background"), view.backgroundName());
    tab->insert(key("hasImage"), !view.background().isNull());
    tab->insert(key("imageSize"), QVariantList{view.background().width(), view.background().height()});
    // The picture itself, by the name its content gives it; empty for none.
    tab->insert(key("imageDigest"),
                view.background().isNull() ? QString() : contentImageName(view.background().toImage()));
    tab->insert(key("file"), view.filePath());
    tab->insert(key("zoom"), view.zoom());
    tab->insert(key("shift"), point_list(view.shift()));
    const QUndoStack* undo = view.undoStack();
    QStringList texts;
    for (int i = 0; i < undo->count(); ++i)
        texts << undo->text(i);
    tab->insert(key("undo"), texts);
    tab->insert(key("undoIndex"), undo->index());
    QVariantList buttons;
    for (const buttonRecord& b : view.buttons())
        buttons.append(button_state(b));
    tab->insert(key("buttons"), buttons);
}
} // namespace

QVariantMap picker_window::state_snapshot() const
{
    QVariantMap state;
    state.insert(key("visible"), isVisible());
    state.insert(key("current"), tabs_->currentIndex());
    state.insert(key("selection"), selection_);
    QVariantList tabs;
    for (int i = 0; i < tabs_->count(); ++i) {
        QVariantMap tab;
        tab.insert(key("name"), tabs_->tabText(i));
        if (const picker_view* view = qobject_cast<picker_view*>(tabs_->widget(i))) {
            tab.insert(key("file"), view->filePath());
            add_view_state(&tab, *view);
        }
        tabs.append(tab);
    }
    state.insert(key("tabs"), tabs);
    return state;
}
