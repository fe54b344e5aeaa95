#ifndef QB_WINDOW_PICKER_WINDOW_H
#define QB_WINDOW_PICKER_WINDOW_H
#include "model/button_defaults.h"
#include "ui/qt_compat.h"
#include <QtCore/QDataStream>
#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QHash>
#include <QtCore/QStringList>
#include <QtCore/QVariantMap>
#include <QtWidgets/QWidget>

class QDockWidget;
class QTabWidget;
class QVBoxLayout;
class picker_document;
class control_watch;
class picker_toolbox;
class picker_view;
class rig_pickers;
class scene_store;
class tab_files;
class window_menus;

// The picker panel's content: a menu bar over tabs of picker canvases, each
// showing one document, and the toolbox under them. It keeps the tabs and
// the window selection list, and dispatches keys; focus follows the mouse
// into and out of it, so that its own dispatch serves the keys the host
// would otherwise take. Menus, toolbox, picker files and the scene's copy
// of the pickers are parts of their own.
class picker_window : public QWidget
{
    Q_OBJECT
public:
    explicit picker_window(QDockWidget* dock);
    ~picker_window() override;

    // The values new buttons take.
    using toolboxState = button_defaults;
    const toolboxState& toolbox() const { return toolbox_; }
    toolboxState& toolbox() { return toolbox_; }

    // Back to one empty tab, touching nothing of the scene.
    void reset();
    // The canvas of the current tab, or null.
    picker_view* frontPicker() const;
    QTabWidget* tabs() const { return tabs_; }
    // Adds a tab showing document (taken over), made current or not; the
    // canvas.
    picker_view* add_tab(picker_document* document, bool current);

    // The window selection list and the canvases' highlights.
    void setSelection(QStringList const& names);
    // Nodes renamed in the host: every tab's names follow (node_resolver).
    void follow_names(const QHash<QString, QString>& renamed);
    void clearAllSelected();
    bool postSelection();
    bool execute_shortcut(QKeyEvent* e);

    // The parts.
    scene_store* scene() const { return store_; }
    tab_files* files() const { return files_; }
    window_menus* menus() const { return menus_; }
    rig_pickers* rigs() const { return rigs_; }
    picker_toolbox* toolbox_controls() const { return toolboxControls_; }

    // Picker files and the scene's copy of the pickers (tab_files).
    void load_pickers(QStringList const& paths);
    void streamTo(QDataStream& stream) const;
    void streamFrom(QDataStream& stream);
    void streamFrom(QDataStream& stream, QString const& valueDamage, QString const& sceneName);
    // True when closing the tab at index leaves its background name to no
    // other tab, so that the scene's copy of the image may go.
    bool releases_background(int index) const;
    // Makes a scene write asked for now.
    void flush_scene_data();

    // Namespace binding: request_rebind queues the bind (force false) or
    // rebind request, which reaches rebind_picker with the scene's
    // namespaces.
    void request_rebind(bool force);
    void rebind_picker(QStringList const& scene, bool force);

    // The window's state as plain values (tabs with their views, buttons
    // and undo history, current tab, selection list), for the sandbox's
    // state dump and for tests that reach the panel only through the
    // toolkit's meta-object system.
    Q_INVOKABLE QVariantMap state_snapshot() const;

    // The window selection list, shared by every window and canvas.
    static QStringList& selection_;

public slots:
    void new_tab();
    void open_tab();
    void rename_tab();
    void close_tab(int index);
    void close_one(int index);
    void close_current();
    void save_current();
    void saveas_current();
    void updateSceneData();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void enterEvent(qt_compat::enter_event* e) override;
    void leaveEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    friend class tab_files;
    friend class rig_pickers;
    void add_untitled_tab();
    // Removes and destroys the canvas at index; with touchScene, takes the
    // scene's image key along when no other tab shows that background.
    void remove_tab(int index, bool touchScene);
    void clear_other_canvases(const picker_view* except);
    void toolbox_wanted(const picker_view* view);

    // One bind or rebind request; view is the loaded canvas it was made
    // for (it may be gone since), or null for the front picker.
    struct rebind_request {
        QPointer<picker_view> view;
        bool forLoad;
        QStringList scene;
        bool force;
    };
    void run_rebind(const rebind_request& request);

    QTabWidget* tabs_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    toolboxState toolbox_;
    scene_store* store_ = nullptr;
    tab_files* files_ = nullptr;
    control_watch* controlWatch_ = nullptr;
    window_menus* menus_ = nullptr;
    rig_pickers* rigs_ = nullptr;
    picker_toolbox* toolboxControls_ = nullptr;
    bool closing_ = false;
    // Loaded canvases whose bind request is queued, in load order; a load
    // (tab_files) adds them.
    QList<QPointer<picker_view>> awaitingBind_;
    // Requests that came while a chooser was open, run after it closes.
    QList<rebind_request> deferredRebinds_;
    bool rebinding_ = false;
    // Shown with the pointer already over it: no entering until it leaves.
    bool shownUnderPointer_ = false;
    // The window that was active when entering the panel activated its
    // own; it gets the keyboard back on leaving.
    QPointer<QWidget> handedFrom_;
};
#endif
