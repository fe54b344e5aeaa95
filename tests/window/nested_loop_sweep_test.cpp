// Host events during every nested event loop of the plug-in: while a menu,
// the namespace chooser, the command editor, a palette, a message box or a
// file dialog is open, the host resets the scene, opens one, quits or
// unloads the plug-in; then the loop ends as a person would end it (Escape,
// OK, a click on an entry). The built module runs in the
// stand-in host, with its real dialogs. The loops and events swept are
// listed in nested_loops.txt, which also checks the suite's loop log.
#include "host_fixture.h"
#include "picker_files.h"
#include <QtCore/QFile>
#include <QtCore/QPointer>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtTest/QTest>
#include <QAction>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QToolButton>
#include <functional>
#include <map>

namespace {

struct sweep_row {
    QString kind;
    QStringList events;
};

QList<sweep_row> sweepList()
{
    QFile f(QStringLiteral(QB_SWEEP_LIST));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<sweep_row> rows;
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const int tab = line.indexOf(QLatin1Char('\t'));
        sweep_row r{line.left(tab), {}};
        for (const QString& e : line.mid(tab + 1).split(QLatin1Char(',')))
            r.events << e.trimmed();
        rows << r;
    }
    return rows;
}

class NestedLoopSweep : public HostFixture
{
protected:
    void openPanel()
    {
        ASSERT_TRUE(loadPicker());
        ASSERT_TRUE(picker());
        host().drainIdle();
        host().clearErrors();
    }

    QAction* action(const char* text) const
    {
        if (QWidget* w = pickerWindow())
            for (QMenu* m : w->findChildren<QMenu*>())
                for (QAction* a : m->actions())
                    if (a->text() == QLatin1String(text))
                        return a;
        return nullptr;
    }

    QToolButton* shapeButton() const
    {
        if (QWidget* w = pickerWindow())
            for (QToolButton* b : w->findChildren<QToolButton*>())
                if (b->toolTip() == QLatin1String("Button Shape"))
                    return b;
        return nullptr;
    }

    QPushButton* toolButton(const char* tip) const
    {
        if (QWidget* w = pickerWindow())
            for (QPushButton* b : w->findChildren<QPushButton*>())
                if (b->toolTip() == QLatin1String(tip))
                    return b;
        return nullptr;
    }

    void trigger(const char* text)
    {
        QAction* a = action(text);
        ASSERT_NE(a, nullptr) << text;
        a->trigger();
    }

    QTemporaryDir dir;
};

// What opens each loop, from a panel with one empty tab.
using opener = std::function<void()>;

// The host event raised while the loop is open.
std::map<QString, std::function<void()>> hostEvents()
{
    qbhost::HostSession& host = qbhost::HostSession::instance();
    return {
        {"new scene",
         [&host] {
             host.raiseEvent(QStringLiteral("deleteAll"));
             host.raiseEvent(QStringLiteral("NewSceneOpened"));
         }},
        {"SceneOpened", [&host] { host.raiseEvent(QStringLiteral("SceneOpened")); }},
        {"quitApplication", [&host] { host.raiseEvent(QStringLiteral("quitApplication")); }},
        {"unload", [&host] { host.unloadPlugin(QStringLiteral("QuillbrookPicker")); }},
    };
}

// Set by an opener whose loop comes after a file dialog that it answers
// itself: the sweep then waits for the next loop.
bool passFileDialogs = false;

// Runs act once inside the next loop: a modal dialog or a popup menu.
void whileOpen(std::function<void(QWidget*)> act, int turnsLeft = 1000)
{
    QTimer::singleShot(0, [act, turnsLeft] {
        QWidget* w = QApplication::activePopupWidget();
        if (!w)
            w = QApplication::activeModalWidget();
        if (w && passFileDialogs && qobject_cast<QFileDialog*>(w))
            w = nullptr;
        if (w) {
            act(w);
            return;
        }
        if (turnsLeft > 0)
            whileOpen(act, turnsLeft - 1);
    });
}

} // namespace

class NestedLoopSweepTable : public NestedLoopSweep
{
protected:
    std::map<QString, opener> openers()
    {
        const auto byAction = [this](const char* text) {
            return [this, text] {
                trigger(text);
                host().drainIdle(); // items that go through the host as MEL
            };
        };
        return {
            {"context menu",
             [this] {
                 QWidget* canvas = tabs() ? tabs()->currentWidget() : nullptr;
                 ASSERT_NE(canvas, nullptr);
                 QTest::mousePress(canvas, Qt::RightButton, Qt::NoModifier, QPoint(40, 40));
             }},
            {"namespace chooser",
             [this] {
                 createNodes({"hero:arm"});
                 const QString file =
                     write_picker_file(QDir(dir.path()), QStringLiteral("One"), {selection_button({"n1:arm"})});
                 ASSERT_TRUE(picker({"open", file}));
                 host().drainIdle();
             }},
            {"critical: Open Failed",
             [this] {
                 const QString junk = dir.filePath(QStringLiteral("junk.qbx"));
                 QFile f(junk);
                 ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                 f.write("not a picker");
                 f.close();
                 ASSERT_TRUE(picker({"open", junk}));
                 host().drainIdle();
             }},
            {"command editor", byAction("Add Command Button...")},
            {"popup: Button Color", [this] { QTest::mousePress(toolButton("Button Color"), Qt::LeftButton); }},
            {"popup: Label Color", [this] { QTest::mousePress(toolButton("Label Color"), Qt::LeftButton); }},
            {"menu: Button Size",
             [this] {
                 // The menu runs inside the press; the event may take the
                 // button with it before the release.
                 QPointer<QPushButton> size = toolButton("Button Size");
                 QTest::mousePress(size.data(), Qt::LeftButton);
                 if (size)
                     QTest::mouseRelease(size.data(), Qt::LeftButton);
             }},
            {"menu bar",
             [this] {
                 QMenuBar* bar = pickerWindow()->findChild<QMenuBar*>();
                 ASSERT_NE(bar, nullptr);
                 QAction* edit = bar->actions().value(1);
                 ASSERT_NE(edit, nullptr);
                 QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(edit).center());
             }},
            {"warning: Close Tab", byAction("Close Tab...")},
            {"getText: Tab Name", byAction("Rename Tab...")},
            {"getOpenFileNames: Select Picker", byAction("Open...")},
            {"getOpenFileNames: Import Picker", byAction("Import...")},
            {"critical: Import Failed",
             [this] {
                 const QString junk = dir.filePath(QStringLiteral("junk.json"));
                 QFile f(junk);
                 ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                 f.write("{\"not\": \"a picker\"}");
                 f.close();
                 ASSERT_TRUE(picker({"import", junk}));
                 host().drainIdle();
             }},
            {"information: Import Report",
             [this] {
                 // A file with what does not come over as it was; its
                 // namespace is the scene's, so that no chooser follows.
                 createNodes({"prop:root_ctrl"});
                 ASSERT_TRUE(picker({"import", QStringLiteral(QB_TEST_DATA "/import/dwpicker/abs_0_15.json")}));
                 host().drainIdle();
             }},
            {"getSaveFileName: Save Tab:", byAction("Save As...")},
            {"getOpenFileName: Choose Background", byAction("Change Background...")},
            {"getOpenFileName: Choose Image",
             [this] {
                 QWidget* canvas = tabs() ? tabs()->currentWidget() : nullptr;
                 ASSERT_NE(canvas, nullptr);
                 // Found first: the loop may take the canvas and its actions.
                 QAction* set = nullptr;
                 for (QAction* a : canvas->actions())
                     if (a->text() == QLatin1String("Set Image..."))
                         set = a;
                 ASSERT_NE(set, nullptr);
                 set->trigger();
             }},
            {"control editor",
             [this] {
                 // A node with a keyable float, selected in the host.
                 createNodes({"face_ctrl"});
                 ASSERT_TRUE(host().executeMel("addAttr -ln brow -min -1 -max 1 -k 1 -at \"float\" face_ctrl"));
                 host().setSelection({"face_ctrl"});
                 QWidget* canvas = tabs() ? tabs()->currentWidget() : nullptr;
                 ASSERT_NE(canvas, nullptr);
                 QAction* add = nullptr;
                 for (QAction* a : canvas->actions())
                     if (a->text() == QString::fromUtf8("Add Slider\u2026"))
                         add = a;
                 ASSERT_NE(add, nullptr);
                 add->trigger();
             }},
            {"menu: Button Shape", [this] { QTest::mousePress(shapeButton(), Qt::LeftButton); }},
            {"getOpenFileName: Choose SVG File",
             [this] {
                 QToolButton* shape = shapeButton();
                 ASSERT_NE(shape, nullptr);
                 QAction* svg = nullptr;
                 for (QAction* a : shape->menu()->actions())
                     if (a->text() == QLatin1String("From SVG File..."))
                         svg = a;
                 ASSERT_NE(svg, nullptr);
                 svg->trigger();
             }},
            {"about: About", byAction("About QuillbrookPicker...")},
            {"mirror rules", byAction("Mirror Rules...")},
            {"getText: Store in Rig", byAction("Store in Rig...")},
            {"check picker", byAction("Check Picker...")},
            {"warning: Damaged Picker",
             [this] {
                 const QString file = write_picker_file(
                     QDir(dir.path()), QStringLiteral("Cut"), {selection_button({"a"}), selection_button({"b"})});
                 QFile f(file);
                 ASSERT_TRUE(f.open(QIODevice::ReadWrite));
                 ASSERT_TRUE(f.resize(f.size() - 6)); // the last button cut short
                 f.close();
                 ASSERT_TRUE(picker({"open", file}));
                 host().drainIdle();
             }},
            {"question: Background",
             [this] {
                 // The question follows a cancelled file dialog on a canvas
                 // that shows a background.
                 picker_tab_data tab;
                 tab.name = QStringLiteral("Back");
                 tab.backgroundName = QStringLiteral("bg");
                 tab.background = QImage(8, 8, QImage::Format_ARGB32);
                 tab.background.fill(Qt::red);
                 const QString file = dir.filePath(QStringLiteral("back.qbx"));
                 {
                     QFile f(file);
                     ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                     QDataStream stream(&f);
                     stream.setVersion(kPickerFileStreamVersion);
                     writePickerFile(stream, tab);
                 }
                 ASSERT_TRUE(picker({"open", file}));
                 host().drainIdle();
                 passFileDialogs = true;
                 QTimer::singleShot(0, [] {
                     if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
                         d->reject();
                 });
                 trigger("Change Background...");
                 passFileDialogs = false;
             }},
        };
    }
};

// How a person ends each loop once the host event is over: Escape, unless
// listed here.
std::map<QString, std::function<void(QWidget*)>> enders()
{
    const auto clickEntry = [](QWidget* loop) {
        // The palette lives in the module: it is driven by its cells alone.
        ASSERT_TRUE(loop->inherits("picker_colorMenu"));
        QPointer<QWidget> guard(loop);
        QTest::mouseRelease(loop, Qt::LeftButton); // the opening press
        if (!guard)
            return;
        const QPoint firstCell(10, 10);
        QTest::mouseMove(loop, firstCell);
        QTest::mouseClick(loop, Qt::LeftButton, Qt::NoModifier, firstCell);
    };
    return {
        {"command editor",
         [](QWidget* loop) {
             for (QPushButton* b : loop->findChildren<QPushButton*>())
                 if (b->text() == QLatin1String("OK"))
                     return QTest::mouseClick(b, Qt::LeftButton);
             ADD_FAILURE() << "the command editor has no OK button";
         }},
        {"popup: Button Color", clickEntry},
        {"popup: Label Color", clickEntry},
        {"menu: Button Size",
         [](QWidget* loop) {
             auto* menu = qobject_cast<QMenu*>(loop);
             ASSERT_NE(menu, nullptr);
             const QList<QAction*> sizes = menu->actions();
             ASSERT_GT(sizes.size(), 7);
             QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(sizes[7]).center());
         }},
    };
}

TEST_F(NestedLoopSweepTable, EveryListedLoopSurvivesEveryHostEvent)
{
    const std::map<QString, std::function<void(QWidget*)>> end = enders();
    const QList<sweep_row> rows = sweepList();
    ASSERT_FALSE(rows.isEmpty()) << "the sweep list is missing";
    std::map<QString, opener> open = openers();
    const std::map<QString, std::function<void()>> events = hostEvents();
    for (const sweep_row& row : rows) {
        ASSERT_TRUE(open.count(row.kind)) << "no opener for " << row.kind.toStdString();
        for (const QString& event : row.events) {
            SCOPED_TRACE(row.kind.toStdString() + " / " + event.toStdString());
            ASSERT_TRUE(events.count(event)) << "unknown event " << event.toStdString();
            TearDown();
            SetUp();
            openPanel();
            bool opened = false;
            whileOpen([&](QWidget* loop) {
                opened = true;
                QPointer<QWidget> guard(loop);
                events.at(event)();
                // Then the person ends it, if the loop is still there.
                if (!guard)
                    return;
                if (end.count(row.kind))
                    end.at(row.kind)(guard.data());
                else
                    QTest::keyClick(guard.data(), Qt::Key_Escape);
            });
            open.at(row.kind)();
            // A popup without a loop of its own is met once events flow.
            for (int turn = 0; turn < 100 && !opened; ++turn)
                QCoreApplication::processEvents();
            EXPECT_TRUE(opened) << "the loop did not open";
            host().drainIdle();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            // Whatever is left still answers, and nothing queued fails.
            if (pickerWindow())
                pickerState();
            EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('|').toStdString();
        }
    }
    // Every opener is listed.
    for (const auto& kv : open) {
        bool listed = false;
        for (const sweep_row& r : rows)
            listed = listed || r.kind == kv.first;
        EXPECT_TRUE(listed) << kv.first.toStdString() << " is not in the sweep list";
    }
}

// Run last by ctest: every loop any test program opened is in the list.
TEST(NestedLoopLog, EveryLoopOpenedInTheSuiteIsSwept)
{
    const QString path = qEnvironmentVariable("QB_NESTED_LOOP_LOG");
    if (path.isEmpty() || !qEnvironmentVariableIsSet("QB_CHECK_NESTED_LOOP_LOG"))
        GTEST_SKIP() << "run by ctest after the suite";
    QStringList listed;
    for (const sweep_row& r : sweepList())
        listed << r.kind;
    QFile log(path);
    if (!log.open(QIODevice::ReadOnly))
        return; // no loop opened at all
    for (const QByteArray& raw : log.readAll().split('\n')) {
        const QString kind = QString::fromUtf8(raw).trimmed();
        if (!kind.isEmpty())
            EXPECT_TRUE(listed.contains(kind)) << kind.toStdString() << " was opened but is not swept";
    }
}
