#ifndef QB_WINDOW_PICKER_WINDOW_H
#define QB_WINDOW_PICKER_WINDOW_H
#include "canvas/qt_compat.h"
#include "model/scene_data_compressor.h"
#include <QtCore/QDataStream>
#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QStringList>
#include <QtCore/QVariantMap>
#include <QtGui/QRgb>
#include <QtWidgets/QWidget>

class QAction;
class QDockWidget;
class QHBoxLayout;
class QKeySequence;
class QMenu;
class QMenuBar;
class QTabWidget;
class QPixmap;
class QPushButton;
class QVBoxLayout;
class toolbox_label_field;
class picker_view;
class scene_writer;
struct picker_tab_data;

// The picker panel's content: a menu bar over tabs of picker canvases.
// Focus follows the mouse into and out of it, so that its own keyboard
// dispatch serves the keys the host would otherwise take.
class picker_window : public QWidget
{
    Q_OBJECT
public:
    explicit picker_window(QDockWidget* dock);
    ~picker_window() override;

    // The values new buttons take.
    struct toolboxState {
        QRgb color = 0xB22222;
        QRgb labelColor = 0x000000;
        QString label;
        int size = 10;
    };
    const toolboxState& toolbox() const { return toolbox_; }
    toolboxState& toolbox() { return toolbox_; }

    void reset();
    // The canvas of the current tab, or null.
    picker_view* frontPicker() const;
    QTabWidget* tabs() const { return tabs_; }

    // The window selection list and the canvases' highlights.
    void setSelection(QStringList const& names);
    static bool selectButton(QString const& name);
    static bool unselectButton(QString const& name);
    void clearAllSelected();
    bool postSelection();

    // True when closing the tab at index leaves its background name to no
    // other tab, so that the scene's copy of the image may go.
    bool releases_background(int index) const;

    bool execute_shortcut(QKeyEvent* e);
    void setWidgetShortcut(QAction* action, const QKeySequence& sequence) const;

    // The toolbox row (picker_window_toolbox.cpp). updateControls shows the
    // current canvas's selection in it and takes those values for new
    // buttons.
    void make_toolbox();
    void updateControls();
    bool toolbox_shown() const;

    // Picker files and the scene's copy of the pickers.
    void load_pickers(QStringList const& paths);
    bool do_save(picker_view* view, QString const& path);
    void setImageData(picker_view* view);
    // setImageData for a restore: writes (and marks the scene modified)
    // only when the key is missing or holds another image.
    void restoreImageData(picker_view* view);
    void removeImageData(picker_view* view);
    void setBackgroundImage(QString const& name, QPixmap& image);
    void fetchImageData(picker_view* view);
    // streamTo serialises every tab; scene_stream gives the same bytes from
    // the blocks each canvas keeps, encoding only those that changed, and
    // scene_value the scene's value of them, compressing only those.
    void streamTo(QDataStream& stream) const;
    QByteArray scene_stream() const;
    QByteArray scene_value() const;
    void streamFrom(QDataStream& stream);
    // The same for a scene's value, with what decoding it found damaged
    // (empty when nothing) and the scene's file, for the one warning that
    // tells the user how much of the pickers could be read.
    void streamFrom(QDataStream& stream, QString const& valueDamage, QString const& sceneName);
    // Queues the scene's picker data now; updateSceneData asks for it at
    // the end of the event, and flush_scene_data makes a write asked for.
    void store_scene_data();
    void flush_scene_data();
    // Each tab's picker file is kept in the scene beside the picker data,
    // one quoted path per tab; a restore gives the tabs their files back.
    void store_file_paths();
    void restore_file_paths(QString const& value);

    // The window's state as plain values (tabs with their views, buttons
    // and undo history, current tab, selection list), for the sandbox's
    // state dump and for tests that reach the panel only through the
    // toolkit's meta-object system.
    Q_INVOKABLE QVariantMap state_snapshot() const;

    // Namespace binding (picker_window_namespaces.cpp). request_rebind
    // queues the bind (force false) or rebind request, which reaches
    // rebind_picker with the scene's namespaces.
    void request_rebind(bool force);
    void rebind_picker(QStringList const& scene, bool force);

    // The window selection list, shared by every window and canvas.
    static QStringList& selection_;

public slots:
    void set_button_color(QRgb which);
    void set_label_color(QRgb which);
    void set_button_size(QAction*);
    void set_button_label();
    void toggle_toolbox();
    void about_dialog();
    void add_one_button();
    void add_many_buttons();
    void update_button();
    void change_background();
    void change_namespace();
    void updateFileMenu();
    void updatePickerMenu();
    void updateEditMenu();
    void do_undo();
    void do_redo();
    void do_color_menu();
    void do_labelcolor_menu();
    void new_tab();
    void open_tab();
    void rename_tab();
    void close_tab(int index);
    void close_one(int index);
    void close_current();
    void updateSceneData();
    void request_save();
    void request_saveas();
    void cut_buttons();
    void copy_buttons();
    void paste_buttons();
    void paste_inplace_buttons();
    void save_current();
    void saveas_current();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void enterEvent(qt_compat::enter_event* e) override;
    void leaveEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void make_menus(QDockWidget* dock);
    void add_untitled_tab();
    // Removes and destroys the canvas at index; with touchScene, takes the
    // scene's image key along when no other tab shows that background.
    void remove_tab(int index, bool touchScene);
    // Tells the user that picker data could be read only in part.
    void report_damage(QString const& headline, QStringList const& problems, QString const& advice);
    static QString button_count(int count);
    // The MEL that writes (or removes) the key of the tabs' file paths,
    // with a leading blank; empty when there is nothing to write.
    QString file_paths_text();
    // Another tab than except showing that background name, or null.
    const picker_view* view_showing(QString const& backgroundName, const picker_view* except) const;
    // Gives a canvas made for a tab read from a file or the scene that
    // tab's background. False when no image key is to be written for it: no
    // background, or one whose picture could not be read.
    bool show_incoming_background(picker_view* view, picker_tab_data const& tab);
    void make_namespace_menu();
    void updateClipboardItems(picker_view* view);
    // The window's action list: every item of the four menus in menu order,
    // but for the unlisted Change Namespace.
    void list_menu_actions();
    // Menu enable states as the menus would show them if opened now.
    void refresh_enable_states();

    // One bind or rebind request; view is the loaded canvas it was made
    // for (it may be gone since), or null for the front picker.
    struct rebind_request {
        QPointer<picker_view> view;
        bool forLoad;
        QStringList scene;
        bool force;
    };
    void run_rebind(const rebind_request& request);

    QMenuBar* menuBar_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* pickerMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* newAction_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* renameAction_ = nullptr;
    QAction* closeAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* cutAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* pasteAction_ = nullptr;
    QAction* pasteInPlaceAction_ = nullptr;
    QAction* addOneAction_ = nullptr;
    QAction* addManyAction_ = nullptr;
    QAction* updateButtonAction_ = nullptr;
    QAction* toolboxAction_ = nullptr;
    QAction* backgroundAction_ = nullptr;
    QAction* namespaceAction_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    // The toolbox row and its controls; null while the toolbox is hidden.
    QPushButton* colorButton_ = nullptr;
    QPushButton* sizeButton_ = nullptr;
    toolbox_label_field* labelEdit_ = nullptr;
    QPushButton* labelColorButton_ = nullptr;
    QHBoxLayout* toolboxRow_ = nullptr;
    toolboxState toolbox_;
    bool closing_ = false;
    // Loaded canvases whose bind request is queued, in load order.
    QList<QPointer<picker_view>> awaitingBind_;
    // Requests that came while a chooser was open, run after it closes.
    QList<rebind_request> deferredRebinds_;
    bool rebinding_ = false;
    scene_writer* sceneWriter_ = nullptr;
    mutable scene_data_compressor sceneCompressor_;
    // Shown with the pointer already over it: no entering until it leaves.
    bool shownUnderPointer_ = false;
    // The window that was active when entering the panel activated its
    // own; it gets the keyboard back on leaving.
    QPointer<QWidget> handedFrom_;
    // The scene holds a key of the tabs' file paths.
    bool filePathsKept_ = false;
};
#endif
