// The picker window: tabs, closing with confirmation, renaming, reset, the
// menus that exist so far, About and the state snapshot.
#include "canvas_harness.h"
#include "modal_answer.h"
#include "scripted_dialogs.h"
#include "window/window_menus.h"
#include <gtest/gtest.h>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonObject>
#include <QtCore/QRegularExpression>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QInputDialog>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
#include <QUndoCommand>

namespace {
QStringList tab_texts(const picker_window& w)
{
    QStringList out;
    for (int i = 0; i < w.tabs()->count(); ++i)
        out << w.tabs()->tabText(i);
    return out;
}

QStringList menu_texts(const QMenu* m)
{
    QStringList out;
    for (QAction* a : m->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

QMenu* menu_named(const picker_window& w, const QString& title)
{
    for (QMenu* m : w.findChildren<QMenu*>())
        if (m->title() == title)
            return m;
    return nullptr;
}

QAction* action_named(const picker_window& w, const QString& text)
{
    for (QAction* a : w.actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

picker_view* canvas_at(const picker_window& w, int i)
{
    return qobject_cast<picker_view*>(w.tabs()->widget(i));
}
} // namespace

TEST(PickerWindow, StartsWithOneUntitledTab)
{
    picker_window w(nullptr);
    EXPECT_EQ(tab_texts(w), QStringList{"Untitled"});
    EXPECT_EQ(w.tabs()->currentIndex(), 0);
    ASSERT_NE(w.frontPicker(), nullptr);
    EXPECT_EQ(w.frontPicker()->window(), &w);
    EXPECT_TRUE(w.tabs()->isMovable());
    EXPECT_TRUE(w.tabs()->tabsClosable());
    EXPECT_EQ(w.objectName(), QStringLiteral("QuillbrookPicker"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("QuillbrookPicker"));
    EXPECT_FALSE(w.windowIcon().isNull());
    EXPECT_TRUE(w.testAttribute(Qt::WA_DeleteOnClose));
}

TEST(PickerWindow, NewAppendsAndSelects)
{
    picker_window w(nullptr);
    w.tabs()->setTabText(0, QStringLiteral("Hero"));
    w.new_tab();
    w.new_tab();
    w.tabs()->setCurrentIndex(0);
    w.new_tab();
    EXPECT_EQ(tab_texts(w), (QStringList{"Hero", "Untitled", "Untitled", "Untitled"}));
    EXPECT_EQ(w.tabs()->currentIndex(), 3);
    EXPECT_EQ(w.frontPicker(), canvas_at(w, 3));
}

TEST(PickerWindow, CloseAsksFirst)
{
    const struct {
        const char* how;
        QMessageBox::StandardButton answer;
        bool closes;
    } rows[] = {{"OK", QMessageBox::Ok, true}, {"Cancel", QMessageBox::Cancel, false}};
    for (const auto& r : rows) {
        for (int via = 0; via < 3; ++via) { // close_one, the tab's close button, close_current
            picker_window w(nullptr);
            w.tabs()->setTabText(0, QStringLiteral("Face \"rig\""));
            w.new_tab();
            w.tabs()->setCurrentIndex(0);
            scripted_dialogs dialogs;
            dialogs.boxAnswers.enqueue(r.answer);
            if (via == 0)
                w.close_one(0);
            else if (via == 1)
                emit w.tabs()->tabCloseRequested(0);
            else
                w.close_current();
            ASSERT_EQ(dialogs.asked.size(), 1) << r.how << via;
            const scripted_dialogs::Asked& q = dialogs.asked[0];
            EXPECT_EQ(q.kind, QStringLiteral("warning"));
            EXPECT_EQ(q.title, QStringLiteral("Close Tab"));
            EXPECT_EQ(q.text, QStringLiteral("Are you sure you want to close the tab \"Face \"rig\"\"?\n\n"
                                             "All changes will be lost."));
            EXPECT_EQ(q.buttons, QMessageBox::Ok | QMessageBox::Cancel);
            EXPECT_EQ(q.defaultButton, QMessageBox::NoButton);
            EXPECT_EQ(tab_texts(w), r.closes ? QStringList{"Untitled"} : (QStringList{"Face \"rig\"", "Untitled"}))
                << r.how << via;
        }
    }
}

TEST(PickerWindow, CloseWithNothingToClose)
{
    picker_window w(nullptr);
    scripted_dialogs dialogs;
    w.close_one(5);
    w.close_one(-1);
    w.close_tab(7);
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(w.tabs()->count(), 1);

    dialogs.boxAnswers.enqueue(QMessageBox::Ok);
    w.close_current();
    EXPECT_EQ(w.tabs()->count(), 0);
    EXPECT_EQ(w.frontPicker(), nullptr);
    w.close_current(); // no tab: no question
    EXPECT_EQ(dialogs.asked.size(), 1);
    w.new_tab();
    EXPECT_EQ(tab_texts(w), QStringList{"Untitled"});
    EXPECT_NE(w.frontPicker(), nullptr);
}

TEST(PickerWindow, CloseClosesTheTabAskedAboutEvenIfTabsChangedMeanwhile)
{
    // The question runs an event loop, in which the host may reset the window
    // or the user may move tabs.
    picker_window w(nullptr);
    w.tabs()->setTabText(0, QStringLiteral("A"));
    w.new_tab();
    w.tabs()->setTabText(1, QStringLiteral("B"));
    scripted_dialogs dialogs;
    dialogs.boxAnswers.enqueue(QMessageBox::Ok);
    dialogs.duringQuestion = [&] { w.tabs()->tabBar()->moveTab(1, 0); };
    w.close_one(1); // asked about B, which now stands first
    EXPECT_EQ(tab_texts(w), QStringList{"A"});

    dialogs.boxAnswers.enqueue(QMessageBox::Ok);
    dialogs.duringQuestion = [&] { w.reset(); };
    w.close_one(0); // A is gone by the answer: the fresh tab stays
    EXPECT_EQ(tab_texts(w), QStringList{"Untitled"});
}

TEST(PickerWindow, CloseThroughTheRealBox)
{
    const struct {
        const char* how;
        std::function<void(QMessageBox*)> answer;
        bool closes;
    } rows[] = {
        {"Escape", [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Escape); }, false},
        {"Cancel", [](QMessageBox* b) { b->button(QMessageBox::Cancel)->click(); }, false},
        {"OK", [](QMessageBox* b) { b->button(QMessageBox::Ok)->click(); }, true},
    };
    for (const auto& r : rows) {
        picker_window w(nullptr);
        w.show();
        QString seenTitle, seenText;
        answer_modal([&](QWidget* modal) {
            QMessageBox* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            seenTitle = box->windowTitle();
            seenText = box->text();
            r.answer(box);
        });
        w.close_current();
        EXPECT_EQ(seenTitle, QStringLiteral("Close Tab")) << r.how;
        EXPECT_TRUE(seenText.contains(QStringLiteral("\"Untitled\""))) << r.how;
        EXPECT_EQ(w.tabs()->count(), r.closes ? 0 : 1) << r.how;
    }
}

TEST(PickerWindow, ResetClosesEverythingWithoutAsking)
{
    picker_window w(nullptr);
    w.new_tab();
    w.new_tab();
    QPointer<picker_view> first = canvas_at(w, 0);
    w.tabs()->setTabText(1, QStringLiteral("Keep?"));
    scripted_dialogs dialogs;
    w.reset();
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(tab_texts(w), QStringList{"Untitled"});
    EXPECT_TRUE(first.isNull()); // destroyed at once, not later
    EXPECT_NE(w.frontPicker(), nullptr);
}

TEST(PickerWindow, Rename)
{
    const struct {
        const char* what;
        bool ok;
        QString typed;
        QString result;
    } rows[] = {{"confirmed", true, QStringLiteral("Face"), QStringLiteral("Face")},
                {"cancelled", false, QStringLiteral("Face"), QStringLiteral("Hero")},
                {"emptied", true, QString(), QStringLiteral("Hero")}};
    for (const auto& r : rows) {
        picker_window w(nullptr);
        w.tabs()->setTabText(0, QStringLiteral("Hero"));
        w.new_tab();
        w.tabs()->setCurrentIndex(0);
        scripted_dialogs dialogs;
        dialogs.textAnswers.enqueue({r.ok, r.typed});
        w.rename_tab();
        ASSERT_EQ(dialogs.asked.size(), 1);
        EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("Tab Name"));
        EXPECT_EQ(dialogs.asked[0].text, QStringLiteral("Name|Hero")); // label, then the text offered
        EXPECT_EQ(tab_texts(w), (QStringList{r.result, "Untitled"})) << r.what;
    }
    picker_window empty(nullptr);
    empty.close_tab(0);
    scripted_dialogs dialogs;
    empty.rename_tab();
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST(PickerWindow, RenameThroughTheRealDialog)
{
    const struct {
        const char* what;
        bool accept;
        QString result;
    } rows[] = {{"typed and confirmed", true, QStringLiteral("Hands")},
                {"typed and cancelled", false, QStringLiteral("Untitled")}};
    for (const auto& r : rows) {
        picker_window w(nullptr);
        w.show();
        QString offered;
        answer_modal([&](QWidget* modal) {
            QInputDialog* dialog = qobject_cast<QInputDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            QLineEdit* edit = dialog->findChild<QLineEdit*>();
            ASSERT_NE(edit, nullptr);
            offered = edit->text();
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("Hands"));
            QTest::keyClick(edit, r.accept ? Qt::Key_Return : Qt::Key_Escape);
        });
        w.rename_tab();
        EXPECT_EQ(offered, QStringLiteral("Untitled")) << r.what;
        EXPECT_EQ(tab_texts(w), QStringList{r.result}) << r.what;
    }
}

TEST(PickerWindow, SharedBackgroundStaysWithTheTabStillShowingIt)
{
    // Which of two tabs sharing a background name goes first must not matter.
    for (int closeFirst : {0, 1}) {
        picker_window w(nullptr);
        w.new_tab();
        w.new_tab();
        canvas_at(w, 0)->document()->setBackground(QStringLiteral("bg"), QPixmap());
        canvas_at(w, 1)->document()->setBackground(QStringLiteral("bg"), QPixmap());
        canvas_at(w, 2)->document()->setBackground(QStringLiteral("other"), QPixmap());
        EXPECT_FALSE(w.releases_background(0));
        EXPECT_FALSE(w.releases_background(1));
        EXPECT_TRUE(w.releases_background(2));
        w.close_tab(closeFirst);
        EXPECT_TRUE(w.releases_background(0)) << closeFirst; // now the last one showing bg
        EXPECT_TRUE(w.releases_background(1));
    }
    picker_window w(nullptr);
    EXPECT_FALSE(w.releases_background(0)); // no background name: nothing to release
    EXPECT_FALSE(w.releases_background(4));
}

TEST(PickerWindow, DestructionTakesEveryCanvas)
{
    auto* w = new picker_window(nullptr);
    w->new_tab();
    QPointer<picker_view> a = canvas_at(*w, 0), b = canvas_at(*w, 1);
    a->document()->push_button(make_button(QPoint(1, 1), 5, 0, {"n"}), -1);
    a->undoStack()->push(new QUndoCommand(QStringLiteral("edit")));
    delete w;
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(b.isNull());
}

TEST(PickerWindowMenus, BarAndFileMenu)
{
    QDockWidget dock;
    auto* w = new picker_window(&dock);
    dock.setWidget(w);
    QMenuBar* bar = w->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (QAction* a : bar->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Picker", "&Help"}));

    QMenu* file = menu_named(*w, QStringLiteral("&File"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(menu_texts(file), (QStringList{"New...", "Open...", "Import...", "-", "Save", "Save As...", "-", "Rename Tab...",
                                             "Close Tab...", "-", "Exit Picker"}));
    EXPECT_EQ(menu_texts(menu_named(*w, QStringLiteral("&Edit"))),
              (QStringList{"Undo", "Redo", "-", "Cut", "Copy", "Paste", "Paste in Place", "-", "Hide Toolbox"}));
    EXPECT_EQ(menu_texts(menu_named(*w, QStringLiteral("&Picker"))),
              (QStringList{"Add One Button", "Add Many Buttons", "Update Button", "Check Picker...", "-",
                           "Mirror Rules...", "Set Mirror Axis", "-", "Store in Rig...", "Remove from Rig", "-",
                           "Change Background...", "Change Namespace..."}));
    EXPECT_EQ(menu_texts(menu_named(*w, QStringLiteral("&Help"))), QStringList{"About QuillbrookPicker..."});

    const struct {
        const char* text;
        QKeySequence keys;
    } rows[] = {{"New...", QKeySequence(Qt::CTRL | Qt::Key_N)},
                {"Open...", QKeySequence(Qt::CTRL | Qt::Key_O)},
                {"Import...", QKeySequence()},
                {"Save", QKeySequence(Qt::CTRL | Qt::Key_S)},
                {"Save As...", QKeySequence()},
                {"Rename Tab...", QKeySequence()},
                {"Close Tab...", QKeySequence(Qt::CTRL | Qt::Key_W)},
                {"Exit Picker", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W)},
                {"Undo", QKeySequence(Qt::CTRL | Qt::Key_Z)},
                {"Redo", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Z)},
                {"Cut", QKeySequence(Qt::CTRL | Qt::Key_X)},
                {"Copy", QKeySequence(Qt::CTRL | Qt::Key_C)},
                {"Paste", QKeySequence(Qt::CTRL | Qt::Key_V)},
                {"Paste in Place", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_V)},
                {"Hide Toolbox", QKeySequence()},
                {"Add One Button", QKeySequence()},
                {"Add Many Buttons", QKeySequence()},
                {"Update Button", QKeySequence()},
                {"Check Picker...", QKeySequence()},
                {"Mirror Rules...", QKeySequence()},
                {"Set Mirror Axis", QKeySequence()},
                {"Store in Rig...", QKeySequence()},
                {"Remove from Rig", QKeySequence()},
                {"Change Background...", QKeySequence()},
                {"About QuillbrookPicker...", QKeySequence()}};
    QStringList listed;
    for (QAction* a : w->actions())
        listed << a->text();
    QStringList expected;
    for (const auto& r : rows) {
        expected << QString::fromLatin1(r.text);
        QAction* a = action_named(*w, QString::fromLatin1(r.text));
        ASSERT_NE(a, nullptr) << r.text;
        EXPECT_EQ(a->shortcut(), r.keys) << r.text;
        if (!r.keys.isEmpty())
            EXPECT_EQ(a->shortcutContext(), Qt::WidgetShortcut) << r.text;
    }
    EXPECT_EQ(listed, expected); // the window's own list, in order

    // Exit Picker closes (hides) the dock; the tabs stay for the next show.
    dock.show();
    action_named(*w, QStringLiteral("Exit Picker"))->trigger();
    EXPECT_FALSE(dock.isVisible());
    EXPECT_EQ(w->tabs()->count(), 1);

    action_named(*w, QStringLiteral("New..."))->trigger();
    EXPECT_EQ(w->tabs()->count(), 2);
}

TEST(PickerWindowMenus, FileMenuEnablesOnOpening)
{
    picker_window w(nullptr);
    QMenu* file = menu_named(w, QStringLiteral("&File"));
    QAction* rename = action_named(w, QStringLiteral("Rename Tab..."));
    QAction* close = action_named(w, QStringLiteral("Close Tab..."));
    w.close_tab(0);
    EXPECT_TRUE(close->isEnabled()); // states follow the last opening, not the tabs
    emit file->aboutToShow();
    EXPECT_FALSE(rename->isEnabled());
    EXPECT_FALSE(close->isEnabled());
    EXPECT_TRUE(action_named(w, QStringLiteral("New..."))->isEnabled());
    EXPECT_TRUE(action_named(w, QStringLiteral("Exit Picker"))->isEnabled());
    w.new_tab();
    emit file->aboutToShow();
    EXPECT_TRUE(rename->isEnabled());
    EXPECT_TRUE(close->isEnabled());
}

TEST(PickerWindowMenus, AboutBox)
{
    const QRegularExpression expected(QStringLiteral("^QuillbrookPicker\nVersion 1\\.4\\.11 \\(build ([0-2][0-9])\\)$"));
    picker_window w(nullptr);
    w.close_tab(0); // works with no tab at all
    {
        scripted_dialogs dialogs;
        action_named(w, QStringLiteral("About QuillbrookPicker..."))->trigger();
        ASSERT_EQ(dialogs.asked.size(), 1);
        EXPECT_EQ(dialogs.asked[0].kind, QStringLiteral("about"));
        EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("About"));
        const QRegularExpressionMatch m = expected.match(dialogs.asked[0].text);
        ASSERT_TRUE(m.hasMatch()) << qPrintable(dialogs.asked[0].text);
        EXPECT_LE(m.captured(1).toInt(), 23);
    }
    // The toolkit's own box, answered with its OK button.
    w.show();
    QString title, text;
    answer_modal([&](QWidget* modal) {
        QMessageBox* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        ASSERT_EQ(box->buttons().size(), 1);
        box->buttons().first()->click();
    });
    w.menus()->about_dialog();
    EXPECT_EQ(title, QStringLiteral("About"));
    EXPECT_TRUE(expected.match(text).hasMatch()) << qPrintable(text);
}

TEST(PickerWindowState, SnapshotDescribesEveryTab)
{
    picker_window w(nullptr);
    w.setSelection({"hero:arm"});
    picker_view* c = w.frontPicker();
    w.tabs()->setTabText(0, QStringLiteral("Hero"));
    c->document()->push_button(make_button(QPoint(10, 20), 10, 0xffb22222, {"hero:arm", "hero:leg"}, QString(), kSelectionButton,
                               0xffffff),
                   -1);
    c->document()->push_button(make_button(QPoint(-5, 0), 8, 0x112233, {"print('hi')"}, QStringLiteral("Go"), kCommandButton),
                   -1);
    c->document()->button(0)->state = 2;
    QPixmap image(4, 4);
    image.fill(Qt::blue);
    c->document()->setBackground(QStringLiteral("hero_bg"), image);
    c->setZoom(2.0f, QPoint(0, 0));
    c->setShift(QPoint(7, -3));
    c->undoStack()->push(new QUndoCommand(QStringLiteral("First")));
    c->undoStack()->push(new QUndoCommand(QStringLiteral("Second")));
    c->undoStack()->undo();
    w.new_tab();

    const QVariantMap s = w.state_snapshot();
    EXPECT_EQ(s.value("current").toInt(), 1);
    EXPECT_EQ(s.value("selection").toStringList(), QStringList{"hero:arm"});
    EXPECT_FALSE(s.value("visible").toBool());
    const QVariantList tabs = s.value("tabs").toList();
    ASSERT_EQ(tabs.size(), 2);
    const QVariantMap t = tabs[0].toMap();
    EXPECT_EQ(t.value("name").toString(), QStringLiteral("Hero"));
    EXPECT_EQ(t.value("background").toString(), QStringLiteral("hero_bg"));
    EXPECT_TRUE(t.value("hasImage").toBool());
    EXPECT_FALSE(tabs[1].toMap().value("hasImage").toBool());
    EXPECT_EQ(t.value("zoom").toDouble(), 2.0);
    EXPECT_EQ(t.value("shift").toList(), (QVariantList{7, -3}));
    EXPECT_EQ(t.value("undo").toStringList(), (QStringList{"First", "Second"}));
    EXPECT_EQ(t.value("undoIndex").toInt(), 1);
    const QVariantList buttons = t.value("buttons").toList();
    ASSERT_EQ(buttons.size(), 2);
    const QVariantMap b0 = buttons[0].toMap(), b1 = buttons[1].toMap();
    EXPECT_EQ(b0.value("position").toList(), (QVariantList{10, 20}));
    EXPECT_EQ(b0.value("size").toInt(), 10);
    EXPECT_EQ(b0.value("kind").toInt(), 0);
    EXPECT_EQ(b0.value("nodes").toStringList(), (QStringList{"hero:arm", "hero:leg"}));
    EXPECT_EQ(b0.value("state").toInt(), 2);
    EXPECT_EQ(b0.value("rect").toList(), (QVariantList{6, 16, 10, 10}));
    EXPECT_EQ(b1.value("kind").toInt(), 1);
    EXPECT_EQ(b1.value("label").toString(), QStringLiteral("Go"));
    const QRect r1 = c->buttons()[1].rect;
    EXPECT_EQ(b1.value("rect").toList(), (QVariantList{r1.left(), r1.top(), r1.width(), r1.height()}));

    // As the sandbox dumps it: colours are plain unsigned numbers.
    const QJsonObject json = QJsonDocument::fromVariant(s).object();
    const QJsonObject jb0 = json["tabs"].toArray()[0].toObject()["buttons"].toArray()[0].toObject();
    EXPECT_EQ(jb0["color"].toDouble(), double(0xffb22222u));
    EXPECT_EQ(jb0["labelColor"].toDouble(), double(0xffffff));
}
