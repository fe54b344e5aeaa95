#include "sandbox/main_window.h"
#include "sandbox/host_keys.h"
#include "sandbox/mel_string.h"
#include "sandbox/outliner.h"
#include "sandbox/script_editor.h"
#include <qbhost/host_session.h>

#include <QtCore/QFileInfo>
#include <QtCore/QPointer>
#include <QtGui/QCloseEvent>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QAction>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QToolBar>

namespace {

const char kSceneFilter[] = "Scenes (*.ma *.mel);;All files (*)";

// Where a viewport would be: a gradient with the scene's counts.
class viewport : public QWidget
{
public:
    explicit viewport(qbhost::HostSession& host) : host_(host)
    {
        setObjectName(QStringLiteral("viewport"));
        setMinimumSize(200, 150);
        connect(&host_, &qbhost::HostSession::sceneChanged, this, QOverload<>::of(&QWidget::update));
        connect(&host_, &qbhost::HostSession::selectionChanged, this, QOverload<>::of(&QWidget::update));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(110, 125, 145));
        g.setColorAt(1, QColor(40, 44, 52));
        p.fillRect(rect(), g);
        p.setPen(QColor(230, 230, 230));
        p.drawText(rect().adjusted(10, 10, -10, -10), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("%1 nodes, %2 selected").arg(host_.nodes().size()).arg(host_.selection().size()));
    }

private:
    qbhost::HostSession& host_;
};

} // namespace

sandbox_window::sandbox_window(qbhost::HostSession& host, QWidget* parent) : QMainWindow(parent), host_(host)
{
    setObjectName(QStringLiteral("sandboxMainWindow"));
    setCentralWidget(new viewport(host_));

    outliner_ = new outliner(host_);
    outlinerDock_ = new QDockWidget(tr("Outliner"), this);
    outlinerDock_->setObjectName(QStringLiteral("outlinerDock"));
    outlinerDock_->setWidget(outliner_);
    addDockWidget(Qt::LeftDockWidgetArea, outlinerDock_);

    scriptEditor_ = new script_editor(host_);
    scriptDock_ = new QDockWidget(tr("Script Editor"), this);
    scriptDock_->setObjectName(QStringLiteral("scriptEditorDock"));
    scriptDock_->setWidget(scriptEditor_);
    addDockWidget(Qt::BottomDockWidgetArea, scriptDock_);

    QToolBar* shelf = addToolBar(tr("Shelf"));
    shelf->setObjectName(QStringLiteral("shelf"));
    QAction* picker = shelf->addAction(tr("Picker"), this, &sandbox_window::runPickerCommand);
    picker->setObjectName(QStringLiteral("pickerShelfButton"));
    picker->setToolTip(QStringLiteral("QuillbrookPicker;"));

    makeMenus();
    keys_ = new host_keys(this, {outlinerDock_, scriptDock_});
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    resizeDocks({outlinerDock_}, {220}, Qt::Horizontal);
    resizeDocks({scriptDock_}, {260}, Qt::Vertical);

    sceneLabel_ = new QLabel;
    sceneLabel_->setObjectName(QStringLiteral("sceneStatus"));
    statusBar()->addPermanentWidget(sceneLabel_, 1);
    connect(&host_, &qbhost::HostSession::sceneChanged, this, &sandbox_window::updateSceneStatus);
    updateSceneStatus();
    resize(1100, 760);
}

void sandbox_window::makeMenus()
{
    // The two toolkits order addAction's shortcut differently; setting it
    // apart reads the same under both.
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New Scene"), this, &sandbox_window::newScene)->setShortcut(QKeySequence::New);
    file->addAction(tr("&Open Scene..."), this, [this]() { openScene(); })->setShortcut(QKeySequence::Open);
    file->addAction(tr("&Save Scene"), this, &sandbox_window::saveScene)->setShortcut(QKeySequence::Save);
    file->addAction(tr("Save Scene &As..."), this, [this]() { saveSceneAs(); })->setShortcut(QKeySequence::SaveAs);
    file->addSeparator();
    file->addAction(tr("&Quit"), this, &QWidget::close)->setShortcut(QKeySequence::Quit);

    // The host's own undo queue (attribute values). No shortcuts: Ctrl+Z
    // over the picker panel belongs to the picker's own undo.
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(tr("&Undo"), this, [this]() { host_.executeMel(QStringLiteral("undo")); });
    edit->addAction(tr("&Redo"), this, [this]() { host_.executeMel(QStringLiteral("redo")); });

    QMenu* plugins = menuBar()->addMenu(tr("&Plug-ins"));
    plugins->addAction(tr("&Load..."), this, [this]() { loadPlugin(); });
    unloadMenu_ = plugins->addMenu(tr("&Unload"));
    connect(unloadMenu_, &QMenu::aboutToShow, this, &sandbox_window::fillUnloadMenu);
    connect(&host_, &qbhost::HostSession::pluginsChanged, this, &sandbox_window::fillUnloadMenu);
    fillUnloadMenu();

    QMenu* windows = menuBar()->addMenu(tr("&Windows"));
    windows->addAction(tr("&Script Editor"), this, &sandbox_window::showScriptEditor);
    windows->addAction(outlinerDock_->toggleViewAction());
}

void sandbox_window::fillUnloadMenu()
{
    unloadMenu_->clear();
    const QList<qbhost::PluginInfo> plugins = host_.plugins();
    if (plugins.isEmpty()) {
        unloadMenu_->addAction(tr("(none loaded)"))->setEnabled(false);
        return;
    }
    for (const qbhost::PluginInfo& p : plugins) {
        const QString name = p.name;
        unloadMenu_->addAction(name, this, [this, name]() { unloadPlugin(name); });
    }
}

QString sandbox_window::sceneStatus() const
{
    const QString name = host_.sceneName().isEmpty() ? tr("untitled") : host_.sceneName();
    const int errors = host_.damageErrors().size();
    if (errors > 0)
        return host_.isModified() ? tr("Scene: %1 (read with %2 errors, modified)").arg(name).arg(errors)
                                  : tr("Scene: %1 (read with %2 errors)").arg(name).arg(errors);
    return host_.isModified() ? tr("Scene: %1 (modified)").arg(name) : tr("Scene: %1").arg(name);
}

void sandbox_window::updateSceneStatus()
{
    sceneLabel_->setText(sceneStatus());
    const QString name = host_.sceneName().isEmpty() ? tr("untitled") : QFileInfo(host_.sceneName()).fileName();
    const int errors = host_.damageErrors().size();
    setWindowTitle(tr("Quillbrook Sandbox - %1%2%3")
                       .arg(name, host_.isModified() ? QStringLiteral("*") : QString(),
                            errors > 0 ? tr(" (read with %1 errors)").arg(errors) : QString()));
}

bool sandbox_window::confirmOverDamagedFile(const QString& target, bool* force)
{
    *force = false;
    const QStringList errors = host_.damageErrors();
    if (errors.isEmpty() || QFileInfo(target).canonicalFilePath() != host_.damagedFile())
        return true;
    // Nobody can answer in batch mode: the host refuses the save itself.
    if (unattended_)
        return true;
    QStringList shown = errors.mid(0, 5);
    if (errors.size() > shown.size())
        shown << tr("... and %1 more").arg(errors.size() - shown.size());
    QPointer<sandbox_window> alive(this);
    const QMessageBox::StandardButton answer = QMessageBox::warning(
        this, tr("Scene Read With Errors"),
        tr("%1 was read with %2 errors:\n\n%3\n\nSaving over it writes the scene as it is now: what the stand-in "
           "could not read is kept only as the file's own statements. Save over it anyway?")
            .arg(target)
            .arg(errors.size())
            .arg(shown.join(QLatin1Char('\n'))),
        QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel);
    // The box ran a loop of its own: the window may be gone.
    if (!alive || answer != QMessageBox::Save)
        return false;
    *force = true;
    return true;
}

bool sandbox_window::runMel(const QString& text)
{
    return bool(host_.executeMel(text));
}

bool sandbox_window::settleUnsavedChanges()
{
    if (!host_.isModified() || unattended_)
        return true;
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, tr("Unsaved Changes"), tr("Save the changes to %1?").arg(host_.sceneName().isEmpty()
                                                                          ? tr("the untitled scene")
                                                                          : host_.sceneName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Discard)
        return true;
    if (answer == QMessageBox::Save)
        return saveScene();
    return false;
}

bool sandbox_window::newScene()
{
    if (!settleUnsavedChanges())
        return false;
    // Asked above: the host itself refuses to drop changes without -f.
    return runMel(QStringLiteral("file -f -new;"));
}

bool sandbox_window::openScene(const QString& given)
{
    if (!settleUnsavedChanges())
        return false;
    QString path = given;
    if (path.isEmpty())
        path = QFileDialog::getOpenFileName(this, tr("Open Scene"), QString(), QLatin1String(kSceneFilter));
    if (path.isEmpty())
        return false;
    return runMel(QStringLiteral("file -f -open %1;").arg(mel_string(path)));
}

bool sandbox_window::saveScene()
{
    if (host_.sceneName().isEmpty())
        return saveSceneAs();
    bool force = false;
    if (!confirmOverDamagedFile(host_.sceneName(), &force))
        return false;
    return runMel(force ? QStringLiteral("file -save -force;") : QStringLiteral("file -save;"));
}

bool sandbox_window::saveSceneAs(const QString& given)
{
    QString path = given;
    if (path.isEmpty()) {
        QFileDialog dialog(this, tr("Save Scene As"), host_.sceneName(), QLatin1String(kSceneFilter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("ma"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        path = dialog.selectedFiles().first();
    }
    bool force = false;
    if (!confirmOverDamagedFile(path, &force))
        return false;
    return runMel(QStringLiteral("file -rename %1; file -save%2;").arg(mel_string(path), force ? QStringLiteral(" -force")
                                                                                            : QString()));
}

bool sandbox_window::loadPlugin(const QString& given)
{
    QString path = given;
    if (path.isEmpty())
        path = QFileDialog::getOpenFileName(this, tr("Load Plug-in"), QString(),
                                            tr("Plug-ins (*.so *.bundle *.mll);;All files (*)"));
    if (path.isEmpty())
        return false;
    return runMel(QStringLiteral("loadPlugin %1;").arg(mel_string(path)));
}

bool sandbox_window::unloadPlugin(const QString& name)
{
    return runMel(QStringLiteral("unloadPlugin %1;").arg(mel_string(name)));
}

void sandbox_window::runPickerCommand()
{
    runMel(QStringLiteral("QuillbrookPicker;"));
}

void sandbox_window::showScriptEditor()
{
    scriptDock_->show();
    scriptDock_->raise();
    scriptEditor_->input()->setFocus();
}

void sandbox_window::closeEvent(QCloseEvent* event)
{
    if (quitting_) {
        event->accept();
        return;
    }
    if (!settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    quitting_ = true;
    // "quitApplication", then every plug-in unloads: the panel goes with it.
    host_.quit();
    event->accept();
    emit quitRequested();
}
