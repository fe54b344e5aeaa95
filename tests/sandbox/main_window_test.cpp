// The sandbox's main window as the host's: scene actions through MEL with
// the unsaved-changes guard, the status line, the plug-in menu, and the
// shelf button opening the real panel over it.
#include "sandbox/main_window.h"
#include "sandbox/outliner.h"
#include "sandbox/state_dump.h"
#include "modal_answer.h"
#include <qbhost/host_session.h>

#include <gtest/gtest.h>
#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonObject>
#include <QtCore/QTemporaryDir>
#include <QAction>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPushButton>

namespace {

class MainWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host().resetForTest();
        window = new sandbox_window(host());
        host().setMainWindow(window);
    }
    void TearDown() override
    {
        host().resetForTest();
        host().setMainWindow(nullptr);
        delete window;
    }
    static qbhost::HostSession& host() { return qbhost::HostSession::instance(); }

    static void answer(QMessageBox::StandardButton button)
    {
        answer_modal([button](QWidget* w) {
            QMessageBox* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            box->button(button)->click();
        });
    }

    QMenu* menu(const QString& title) const
    {
        for (QAction* a : window->menuBar()->actions())
            if (a->menu() && a->text().remove('&') == title)
                return a->menu();
        return nullptr;
    }

    static QStringList texts(QMenu* m)
    {
        QStringList out;
        for (QAction* a : m->actions())
            if (!a->isSeparator())
                out << a->text().remove('&');
        return out;
    }

    sandbox_window* window = nullptr;
    QTemporaryDir dir;
};

} // namespace

TEST_F(MainWindow, MenusAndShelf)
{
    EXPECT_EQ(texts(menu("File")),
              QStringList({"New Scene", "Open Scene...", "Save Scene", "Save Scene As...", "Quit"}));
    EXPECT_EQ(texts(menu("Plug-ins")), QStringList({"Load...", "Unload"}));
    // Edit runs the host's undo and redo of attribute values.
    ASSERT_EQ(texts(menu("Edit")), QStringList({"Undo", "Redo"}));
    ASSERT_TRUE(host().createNode("transform", "box"));
    ASSERT_TRUE(host().executeMel("setAttr box.tx 4"));
    menu("Edit")->actions().at(0)->trigger();
    QString tx;
    ASSERT_TRUE(host().executeMel("getAttr box.tx", &tx));
    EXPECT_EQ(tx, QStringLiteral("0"));
    menu("Edit")->actions().at(1)->trigger();
    ASSERT_TRUE(host().executeMel("getAttr box.tx", &tx));
    EXPECT_EQ(tx, QStringLiteral("4"));
    EXPECT_TRUE(texts(menu("Windows")).contains("Script Editor"));
    QAction* picker = window->findChild<QAction*>("pickerShelfButton");
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->text(), QStringLiteral("Picker"));
}

TEST_F(MainWindow, SaveAsThenOpenGoThroughMelAndTheStatusLineFollows)
{
    EXPECT_EQ(window->sceneLabel()->text(), QStringLiteral("Scene: untitled"));
    ASSERT_TRUE(host().executeMel(QStringLiteral("createNode transform -n \"kept\";")));
    EXPECT_EQ(window->sceneLabel()->text(), QStringLiteral("Scene: untitled (modified)"));
    // A name MEL would misread unless it is quoted and escaped.
    const QString path = dir.filePath("odd \"name\"; print \"x\".ma");
    ASSERT_TRUE(window->saveSceneAs(path));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(window->sceneLabel()->text(), QStringLiteral("Scene: %1").arg(path));
    EXPECT_TRUE(host().historyTexts(qbhost::HistoryKind::Output).isEmpty());
    EXPECT_TRUE(host().historyTexts(qbhost::HistoryKind::Mel).last().contains("file -rename"));

    ASSERT_TRUE(window->newScene());
    EXPECT_FALSE(host().nodeExists("kept"));
    EXPECT_EQ(window->sceneLabel()->text(), QStringLiteral("Scene: untitled"));
    ASSERT_TRUE(window->openScene(path));
    EXPECT_TRUE(host().nodeExists("kept"));
    EXPECT_EQ(host().sceneName(), path);
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("print \"x\".ma")));
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();

    // Save goes to the scene's own name.
    ASSERT_TRUE(host().executeMel(QStringLiteral("createNode transform -n \"more\";")));
    EXPECT_TRUE(window->windowTitle().endsWith('*'));
    ASSERT_TRUE(window->saveScene());
    EXPECT_FALSE(host().isModified());
    EXPECT_TRUE(host().historyTexts(qbhost::HistoryKind::Mel).contains(QStringLiteral("file -save;")));
}

TEST_F(MainWindow, UnsavedChangesAreNotDroppedWithoutAsking)
{
    ASSERT_TRUE(host().executeMel(QStringLiteral("createNode transform -n \"work\";")));
    answer(QMessageBox::Cancel);
    EXPECT_FALSE(window->newScene());
    EXPECT_TRUE(host().nodeExists("work"));

    const QString other = dir.filePath("other.ma");
    QFile f(other);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("//Quillbrook host scene, written as MEL\ncreateNode transform -n \"other\";\n");
    f.close();
    answer(QMessageBox::Cancel);
    EXPECT_FALSE(window->openScene(other));
    EXPECT_TRUE(host().nodeExists("work"));

    answer(QMessageBox::Discard);
    EXPECT_TRUE(window->openScene(other));
    EXPECT_FALSE(host().nodeExists("work"));
    EXPECT_TRUE(host().nodeExists("other"));
    // The user was asked, so the host is told to drop the changes; it
    // refuses unforced.
    EXPECT_TRUE(host().historyTexts(qbhost::HistoryKind::Mel).last().startsWith(QStringLiteral("file -f -open ")));
    ASSERT_TRUE(host().executeMel(QStringLiteral("createNode transform -n \"again\";")));
    EXPECT_FALSE(host().executeMel(QStringLiteral("file -new;")));
    answer(QMessageBox::Discard);
    EXPECT_TRUE(window->newScene());
    EXPECT_FALSE(host().nodeExists("again"));
    EXPECT_EQ(host().historyTexts(qbhost::HistoryKind::Mel).last(), QStringLiteral("file -f -new;"));
}

TEST_F(MainWindow, ChoosingSaveKeepsTheChangesInTheFile)
{
    const QString path = dir.filePath("shot.ma");
    ASSERT_TRUE(window->saveSceneAs(path));
    ASSERT_TRUE(host().executeMel(QStringLiteral("createNode transform -n \"late\";")));
    answer(QMessageBox::Save);
    EXPECT_TRUE(window->newScene());
    EXPECT_FALSE(host().nodeExists("late"));
    ASSERT_TRUE(window->openScene(path));
    EXPECT_TRUE(host().nodeExists("late"));
}

TEST_F(MainWindow, SavingOverAFileReadWithErrorsAsksFirst)
{
    const QString path = dir.filePath("damaged.ma");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QB_TEST_DATA "/scenes/damaged_statements.ma"), path));
    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();
    EXPECT_FALSE(window->openScene(path));
    EXPECT_EQ(window->sceneLabel()->text(), QStringLiteral("Scene: %1 (read with 2 errors)").arg(path));
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("(read with 2 errors)")));
    ASSERT_TRUE(host().executeMel(QStringLiteral("setAttr \"after.tx\" 9;")));
    answer(QMessageBox::Cancel);
    EXPECT_FALSE(window->saveScene());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), before);
    original.close();
    // Save As to the same file asks the same.
    answer(QMessageBox::Cancel);
    EXPECT_FALSE(window->saveSceneAs(path));
    answer(QMessageBox::Save);
    EXPECT_TRUE(window->saveScene());
    EXPECT_EQ(host().historyTexts(qbhost::HistoryKind::Mel).last(), QStringLiteral("file -save -force;"));
    EXPECT_EQ(window->sceneLabel()->text(), QStringLiteral("Scene: %1").arg(path));
    // Asked once: the file now holds the scene.
    EXPECT_TRUE(window->saveScene());
}

TEST_F(MainWindow, ClosingQuitsTheHostOnlyWhenNothingIsLost)
{
    ASSERT_TRUE(host().loadPlugin(QStringLiteral(QB_PLUGIN_PATH)));
    int quitSignals = 0;
    QObject::connect(window, &sandbox_window::quitRequested, [&quitSignals]() { ++quitSignals; });
    ASSERT_TRUE(host().executeMel(QStringLiteral("createNode transform -n \"work\";")));
    answer(QMessageBox::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(host().isPluginLoaded("QuillbrookPicker"));
    EXPECT_EQ(quitSignals, 0);

    window->setUnattended(true);
    EXPECT_TRUE(window->close());
    // The host quit: the plug-in had its quitApplication and was unloaded.
    EXPECT_FALSE(host().isPluginLoaded("QuillbrookPicker"));
    EXPECT_EQ(quitSignals, 1);
}

TEST_F(MainWindow, PluginMenuLoadsAndUnloadsTheModule)
{
    QMenu* plugins = menu("Plug-ins");
    QMenu* unload = plugins->actions().at(1)->menu();
    ASSERT_NE(unload, nullptr);
    ASSERT_EQ(unload->actions().size(), 1);
    EXPECT_FALSE(unload->actions()[0]->isEnabled());

    ASSERT_TRUE(window->loadPlugin(QStringLiteral(QB_PLUGIN_PATH)));
    EXPECT_TRUE(host().hasCommand("QuillbrookPicker"));
    ASSERT_EQ(texts(unload), QStringList{"QuillbrookPicker"});
    unload->actions()[0]->trigger();
    EXPECT_FALSE(host().isPluginLoaded("QuillbrookPicker"));
    EXPECT_EQ(texts(unload), QStringList{"(none loaded)"});
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
}

TEST_F(MainWindow, ShelfButtonDocksThePanelOverThisWindowAndSelectionsMeet)
{
    ASSERT_TRUE(host().executeMel(QStringLiteral(
        "createNode transform -n \"hero:arm\" -ss; createNode transform -n \"hero:leg\" -ss;")));
    window->sceneOutliner()->rebuild();
    ASSERT_TRUE(window->loadPlugin(QStringLiteral(QB_PLUGIN_PATH)));
    window->findChild<QAction*>("pickerShelfButton")->trigger();
    QDockWidget* dock = window->findChild<QDockWidget*>("QuillbrookPicker");
    ASSERT_NE(dock, nullptr);
    EXPECT_TRUE(dock->isFloating());
    const QJsonValue state = picker_state(window);
    ASSERT_TRUE(state.isObject());
    EXPECT_TRUE(state.toObject().value("visible").toBool());

    // A selection the panel makes shows in the outliner...
    ASSERT_TRUE(host().executeMel(QStringLiteral("QuillbrookPicker \"select\" \"hero:leg\";")));
    QCoreApplication::processEvents(); // the outliner follows when idle
    EXPECT_EQ(window->sceneOutliner()->selectedNodes(), QStringList{"hero:leg"});
    // ...and one made in the outliner reaches the panel's selection list.
    QTreeWidgetItem* arm = window->sceneOutliner()->nodeItem("hero:arm");
    window->sceneOutliner()->clearSelection();
    arm->setSelected(true);
    EXPECT_EQ(host().selection(), QStringList{"hero:arm"});
    QJsonArray selection = picker_state(window).toObject().value("selection").toArray();
    EXPECT_EQ(selection, QJsonArray{"hero:arm"});
}
