#ifndef QB_SANDBOX_MAIN_WINDOW_H
#define QB_SANDBOX_MAIN_WINDOW_H
// The host's main window: the one the plug-in docks its panel over. Menus
// for scenes, plug-ins and windows, a shelf, the outliner, the script
// editor and a status line with the scene's name and modified flag. Scene
// and plug-in actions run MEL, so that the plug-in sees the same events as
// in the real host and the script editor shows what ran.
#include <QtWidgets/QMainWindow>

class QDockWidget;
class QLabel;
class QMenu;
class host_keys;
class outliner;
class script_editor;
namespace qbhost {
class HostSession;
}

class sandbox_window : public QMainWindow
{
    Q_OBJECT
public:
    explicit sandbox_window(qbhost::HostSession& host, QWidget* parent = nullptr);

    outliner* sceneOutliner() const { return outliner_; }
    script_editor* scriptEditor() const { return scriptEditor_; }
    QDockWidget* scriptEditorDock() const { return scriptDock_; }
    QLabel* sceneLabel() const { return sceneLabel_; }
    // The status line's text for the current scene.
    QString sceneStatus() const;

    // When on, closing asks nothing (batch mode, where nobody can answer).
    void setUnattended(bool on) { unattended_ = on; }

public slots:
    // Each true when done; false when the user cancelled or MEL failed.
    bool newScene();
    bool openScene(const QString& path = QString());
    bool saveScene();
    bool saveSceneAs(const QString& path = QString());
    bool loadPlugin(const QString& path = QString());
    bool unloadPlugin(const QString& name);
    void runPickerCommand();
    void showScriptEditor();

signals:
    // The window closed through File > Quit or its close button: the host
    // has quit (plug-ins unloaded); the application should end.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void makeMenus();
    void fillUnloadMenu();
    void updateSceneStatus();
    // True when there are no unsaved changes or the user saved or dropped
    // them.
    bool settleUnsavedChanges();
    // Saving to target over a file the scene was read from with errors
    // needs the user's word: false when they declined, force set when they
    // gave it.
    bool confirmOverDamagedFile(const QString& target, bool* force);
    bool runMel(const QString& text);

    qbhost::HostSession& host_;
    outliner* outliner_ = nullptr;
    script_editor* scriptEditor_ = nullptr;
    QDockWidget* scriptDock_ = nullptr;
    QDockWidget* outlinerDock_ = nullptr;
    QLabel* sceneLabel_ = nullptr;
    QMenu* unloadMenu_ = nullptr;
    host_keys* keys_ = nullptr;
    bool unattended_ = false;
    bool quitting_ = false;
};
#endif
