#include "document/node_resolver.h"
#include "window/picker_window.h"
#include "canvas/picker_view.h"
#include "document/host_port.h"
#include "document/scene_store.h"
#include "model/picker_image.h"
#include "model/window_selection.h"
#include "namespaces/namespace_binding.h"
#include "model/picker_version.h"
#include "ui/picker_dialogs.h"
#include "window/control_watch.h"
#include "window/picker_toolbox.h"
#include "window/rig_pickers.h"
#include "window/tab_files.h"
#include "window/window_menus.h"

#include <QtCore/QPointer>
#include <QtGui/QCursor>
#include <QtGui/QIcon>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QVBoxLayout>

QStringList& picker_window::selection_ = window_selection::names();

static void init_resources()
{
    // The images and the embedded script live in a static library: named
    // here, or the linker would leave them out.
    Q_INIT_RESOURCE(picker_resources);
}

picker_window::picker_window(QDockWidget* dock) : QWidget(dock, Qt::WindowFlags())
{
    init_resources();
    setWindowTitle(QString::fromLatin1(QB_PICKER_COMMAND));
    setObjectName(QString::fromLatin1(QB_PICKER_COMMAND));
    setWindowIcon(QIcon(QString::fromLatin1(":/resources/QuillbrookLogo.png")));
    setAttribute(Qt::WA_DeleteOnClose);

    tabs_ = new QTabWidget(nullptr);
    tabs_->setMovable(true);
    tabs_->setTabsClosable(true);
    store_ = new scene_store(
        [this] {
            scene_store::tabs t;
            t.current = tabs_->currentIndex();
            for (int i = 0; i < tabs_->count(); ++i)
                if (picker_view* view = qobject_cast<picker_view*>(tabs_->widget(i)))
                    t.documents.append(view->document());
            // Tabs of unloaded references, after the shown ones: the shot
            // keeps the animator's copy until the reference comes back.
            if (rigs_)
                t.documents.append(rigs_->stashed_documents());
            return t;
        },
        this);
    files_ = new tab_files(this);
    controlWatch_ = new control_watch(tabs_, this);

    menus_ = new window_menus(this, dock);
    add_untitled_tab();
    layout_ = new QVBoxLayout;
    layout_->setSpacing(0);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setMenuBar(menus_->menu_bar());
    layout_->addWidget(tabs_);
    rigs_ = new rig_pickers(this);
    toolboxControls_ = new picker_toolbox(this, layout_);
    setLayout(layout_);

    connect(tabs_, &QTabWidget::tabCloseRequested, this, &picker_window::close_one);
    // Tab order is part of what the scene keeps.
    connect(tabs_->tabBar(), &QTabBar::tabMoved, this, &picker_window::updateSceneData);
    toolbox_ = toolboxState();
    // Buttons stand for nodes: renamed nodes carry their names along, and
    // marks follow the scene.
    connect(&node_resolver::instance(), &node_resolver::names_followed, this, &picker_window::follow_names);
    connect(&node_resolver::instance(), &node_resolver::resolutions_changed, this, [this] {
        for (int i = 0; i < tabs_->count(); ++i)
            if (QWidget* w = tabs_->widget(i))
                w->update();
    });
    // Last, once every menu holds all its items.
    menus_->list_menu_actions();
}

picker_window::~picker_window()
{
    closing_ = true; // the scene keeps its images: this is no user's close
    delete controlWatch_; // the host stops telling this window
    controlWatch_ = nullptr;
    for (int i = tabs_->count() - 1; i >= 0; --i)
        close_tab(i);
    // The toolkit's destructor still moves focus and deletes the children:
    // the label field would report editingFinished to a window already gone.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
    toolboxControls_->forget_window();
}

// ---- tabs

picker_view* picker_window::add_tab(picker_document* document, bool current)
{
    picker_view* view = new picker_view(document, &toolbox_, this);
    const int index = tabs_->addTab(view, document->name());
    if (current)
        tabs_->setCurrentIndex(index);
    store_->watch(document);
    connect(document, &picker_document::nameChanged, this, [this, view] {
        const int at = tabs_->indexOf(view);
        if (at >= 0)
            tabs_->setTabText(at, view->document()->name());
    });
    connect(view, &picker_view::toolboxUpdateRequested, this, [this, view] { toolbox_wanted(view); });
    connect(view, &picker_view::clearingAllSelected, this, [this, view] { clear_other_canvases(view); });
    controlWatch_->follow(view);
    return view;
}

void picker_window::new_tab()
{
    add_untitled_tab();
    updateSceneData(); // a scene saved next holds the new tab
}

void picker_window::add_untitled_tab()
{
    picker_document* document = new picker_document;
    document->set_name(tr("Untitled"));
    add_tab(document, true);
}

bool picker_window::releases_background(int index) const
{
    const picker_view* view = qobject_cast<picker_view*>(tabs_->widget(index));
    return view && store_->releases_background(view->document());
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
        store_->remove_image(view->document());
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
    rigs_->clear_stash();
    add_untitled_tab();
    store_->cancel();
    store_->forget_file_paths();
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
    picker_view* view = page ? qobject_cast<picker_view*>(page.data()) : nullptr;
    if (!view || tabs_->indexOf(view) < 0)
        return;
    view->document()->set_name(text); // the tab and the scene follow
}

picker_view* picker_window::frontPicker() const
{
    if (tabs_->count() == 0)
        return nullptr;
    return qobject_cast<picker_view*>(tabs_->currentWidget());
}

void picker_window::toolbox_wanted(const picker_view* view)
{
    if (view == frontPicker())
        toolboxControls_->updateControls();
}

// ---- files and the scene (tab_files, scene_store)

void picker_window::load_pickers(QStringList const& paths)
{
    files_->load_pickers(paths);
}

void picker_window::streamTo(QDataStream& stream) const
{
    files_->streamTo(stream);
}

void picker_window::streamFrom(QDataStream& stream)
{
    files_->streamFrom(stream, QString(), QString());
}

void picker_window::streamFrom(QDataStream& stream, QString const& valueDamage, QString const& sceneName)
{
    files_->streamFrom(stream, valueDamage, sceneName);
}

void picker_window::open_tab()
{
    files_->open_tab();
}

void picker_window::save_current()
{
    files_->save_current();
}

void picker_window::saveas_current()
{
    files_->saveas_current();
}

void picker_window::updateSceneData()
{
    store_->request();
}

void picker_window::flush_scene_data()
{
    store_->flush();
}

// ---- the window selection list: what the host reports selected, as
// changed by clicks, and the request that sends it back to the host

void picker_window::setSelection(QStringList const& names)
{
    selection_ = names;
    if (tabs_->count() == 0)
        return;
    const button_set set = button_set::fromStringList(names);
    for (int i = 0; i < tabs_->count(); ++i)
        if (picker_view* view = qobject_cast<picker_view*>(tabs_->widget(i)))
            view->document()->conform_to_set(set);
}

void picker_window::clear_other_canvases(const picker_view* except)
{
    for (int i = 0; i < tabs_->count(); ++i)
        if (picker_view* view = qobject_cast<picker_view*>(tabs_->widget(i)))
            if (view != except)
                view->document()->clear_selected();
}

void picker_window::clearAllSelected()
{
    clear_other_canvases(nullptr);
    selection_.clear();
}

bool picker_window::postSelection()
{
    host_port::current().request_selection(selection_);
    return true;
}

// ---- namespace binding: the requests picker loading and Change Namespace
// queue in the host, and which canvas each binds

void picker_window::request_rebind(bool force)
{
    // The host runs the back-quoted procedure first and hands its list of
    // the scene's namespaces to the directive.
    host_port::current().queue_mel(QString::fromLatin1(force ? "QuillbrookPicker \"rebind\" `picker_ListNamespaces`;"
                                                             : "QuillbrookPicker \"bind\" `picker_ListNamespaces`;"));
}

void picker_window::rebind_picker(QStringList const& scene, bool force)
{
    // Loading several files queues one bind per file, all running after the
    // last file became the current tab: each takes the canvas it was made
    // for. Other requests (Change Namespace, a script) act on the front one.
    rebind_request request{nullptr, false, scene, force};
    if (!force && !awaitingBind_.isEmpty()) {
        request.view = awaitingBind_.takeFirst();
        request.forLoad = true;
    }
    // The chooser runs its own event loop, in which the host may run the
    // next queued request: one chooser at a time, the next after it closes.
    if (rebinding_) {
        deferredRebinds_.append(request);
        return;
    }
    QPointer<picker_window> self(this);
    rebinding_ = true;
    run_rebind(request);
    while (self && !deferredRebinds_.isEmpty())
        run_rebind(deferredRebinds_.takeFirst());
    if (self)
        rebinding_ = false;
}

void picker_window::run_rebind(const rebind_request& request)
{
    picker_view* view = request.forLoad ? request.view.data() : frontPicker();
    if (!view)
        return; // no tab, or the loaded canvas was closed before its turn
    if (request.forLoad) {
        const int index = tabs_->indexOf(view);
        if (index < 0)
            return;
        // Show which picker the chooser is about.
        tabs_->setCurrentIndex(index);
    }
    namespace_binding::rebind(view, request.scene, request.force);
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
    if (!hasFocus())
        return false;
    return menus_->execute_shortcut(e);
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
    if (top && !top->isActiveWindow() && QGuiApplication::applicationState() == Qt::ApplicationActive) {
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
    if (!b.shape.isDefault()) {
        m.insert(key("shapeKind"), int(b.shape.kind));
        QVariantList points;
        for (const QPoint& p : b.shape.points)
            points.append(QVariant(point_list(p)));
        m.insert(key("shapePoints"), points);
        m.insert(key("shapePath"), b.shape.path);
    }
    return m;
}

void add_view_state(QVariantMap* tab, const picker_view& view)
{
    const picker_document* document = view.document();
    tab->insert(key("background"), document->backgroundName());
    tab->insert(key("hasImage"), !document->background().isNull());
    tab->insert(key("imageSize"), QVariantList{document->background().width(), document->background().height()});
    // The picture itself, by the name its content gives it; empty for none.
    tab->insert(key("imageDigest"),
                document->background().isNull() ? QString() : contentImageName(document->background().toImage()));
    tab->insert(key("file"), document->filePath());
    tab->insert(key("zoom"), view.zoom());
    tab->insert(key("shift"), point_list(view.shift()));
    const QUndoStack* undo = document->undoStack();
    QStringList texts;
    for (int i = 0; i < undo->count(); ++i)
        texts << undo->text(i);
    tab->insert(key("undo"), texts);
    tab->insert(key("undoIndex"), undo->index());
    QVariantList buttons;
    const control_readings& readings = view.controls().readings();
    for (int i = 0; i < document->buttons().size(); ++i) {
        QVariantMap b = button_state(document->buttons()[i]);
        if (readings.contains(i)) {
            // What the control shows: its handle's value, and whether it works.
            const control_reading& r = readings[i];
            b.insert(key("control"), QVariantMap{{key("value"), QVariantList{r.value.x(), r.value.y()}},
                                                {key("enabled"), r.enabled},
                                                {key("step"), r.step},
                                                {key("reason"), view.controls().reason(i)}});
        }
        buttons.append(b);
    }
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
        if (const picker_view* view = qobject_cast<picker_view*>(tabs_->widget(i)))
            add_view_state(&tab, *view);
        tabs.append(tab);
    }
    state.insert(key("tabs"), tabs);
    return state;
}

void picker_window::follow_names(const QHash<QString, QString>& renamed)
{
    for (int i = 0; i < tabs_->count(); ++i)
        if (picker_view* view = qobject_cast<picker_view*>(tabs_->widget(i)))
            view->document()->follow_names(renamed);
    // The names the pickers consider selected follow too.
    for (QString& n : selection_) {
        const auto it = renamed.constFind(n);
        if (it != renamed.constEnd())
            n = *it;
    }
}
