#ifndef QB_WINDOW_WINDOW_MENUS_H
#define QB_WINDOW_WINDOW_MENUS_H
#include <QtCore/QObject>

class QAction;
class QDockWidget;
class QKeyEvent;
class QMenu;
class QMenuBar;
class picker_view;
class picker_window;

// The picker window's menu bar (File, Edit, Picker, Help): its actions,
// their shortcuts, which of them are live when a menu opens, and the slots
// of the Edit, Picker and Help items. Every item but Change Namespace is
// also in the window's action list, which its keyboard dispatch searches.
class window_menus : public QObject
{
    Q_OBJECT
public:
    window_menus(picker_window* window, QDockWidget* dock);

    QMenuBar* menu_bar() const { return menuBar_; }
    // The window's action list: every item of the four menus in menu order,
    // but for the unlisted Change Namespace.
    void list_menu_actions();
    // Triggers the window's action matching the key, with enable states as
    // the menus would show them now.
    bool execute_shortcut(QKeyEvent* e);
    // Names the Hide Toolbox / Show Toolbox item after the toolbox's state.
    void toolbox_shown(bool shown);

public slots:
    void updateFileMenu();
    void updateEditMenu();
    void updatePickerMenu();
    void do_undo();
    void do_redo();
    void cut_buttons();
    void copy_buttons();
    void paste_buttons();
    void paste_inplace_buttons();
    void request_save();
    void request_saveas();
    void add_one_button();
    void add_many_buttons();
    void update_button();
    void change_background();
    void change_namespace();
    void mirror_rules();
    void check_picker();
    void set_mirror_axis();
    void about_dialog();

private:
    void make_menus(QDockWidget* dock);
    void make_namespace_menu();
    void updateClipboardItems(picker_view* view);
    // Menu enable states as the menus would show them if opened now.
    void refresh_enable_states();

    picker_window* window_;
    QMenuBar* menuBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* pickerMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* renameAction_ = nullptr;
    QAction* closeAction_ = nullptr;
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
    QAction* mirrorRulesAction_ = nullptr;
    QAction* checkPickerAction_ = nullptr;
    QAction* mirrorAxisAction_ = nullptr;
    QAction* storeRigAction_ = nullptr;
    QAction* removeRigAction_ = nullptr;
};
#endif
