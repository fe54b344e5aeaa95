// The command editor through its widgets, and the canvas's "Add Command
// Button..." / "Edit Command Button..." entry around it.
#include "canvas_harness.h"
#include "capture_command.h"
#include "edit/picker_editCmdDialog.h"
#include "modal_answer.h"
#include <gtest/gtest.h>
#include <QtCore/QSettings>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

namespace {

QSettings store()
{
    return QSettings(QStringLiteral("Quillbrook"), QStringLiteral("picker"));
}

QPushButton* push_button(QWidget* dialog, const char* text)
{
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == QLatin1String(text))
            return b;
    return nullptr;
}

QRadioButton* radio(QWidget* dialog, const char* text)
{
    for (QRadioButton* b : dialog->findChildren<QRadioButton*>())
        if (b->text() == QLatin1String(text))
            return b;
    return nullptr;
}

// Types into the editor's fields as a user would, then clicks the buttons.
void fill_in(QWidget* dialog, const QString& name, const char* language, const QString& script)
{
    QLineEdit* nameEdit = dialog->findChild<QLineEdit*>();
    nameEdit->selectAll();
    QTest::keyClicks(nameEdit, name);
    if (language)
        QTest::mouseClick(radio(dialog, language), Qt::LeftButton);
    QPlainTextEdit* command = dialog->findChild<QPlainTextEdit*>();
    command->selectAll();
    QTest::keyClicks(command, script);
}

void click(QWidget* dialog, const char* button)
{
    QTest::mouseClick(push_button(dialog, button), Qt::LeftButton);
}

struct CommandEditorTest : ::testing::Test {
    canvas_harness h;

    void SetUp() override
    {
        store().clear();
        qbhost::HostSession::instance().discardIdle();
    }
    void TearDown() override
    {
        store().clear();
        qbhost::HostSession::instance().discardIdle();
    }
    // Opens the entry of the context menu at a point, through a real right
    // press, and lets act answer the editor.
    void via_context_menu(QPoint at, std::function<void(QWidget*)> act)
    {
        QTimer::singleShot(0, [this, act] {
            QMenu* menu = h.canvas->menu()->context_menu();
            answer_modal(act);
            h.canvas->menu()->command_action()->trigger();
            menu->close();
        });
        h.press(at, Qt::RightButton);
        h.release(at, Qt::RightButton);
    }
};

} // namespace

TEST_F(CommandEditorTest, LayoutRowsTextsAndLimits)
{
    buttonAttributes a;
    picker_editCmdDialog d(h.canvas, &a);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Edit Command"));
    EXPECT_TRUE(d.isModal());
    EXPECT_FALSE(d.isSizeGripEnabled());
    auto* grid = qobject_cast<QGridLayout*>(d.layout());
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->columnMinimumWidth(0), 80);
    EXPECT_EQ(grid->columnMinimumWidth(1), 200);
    EXPECT_EQ(grid->rowMinimumHeight(1), 5);
    EXPECT_EQ(grid->rowMinimumHeight(3), 1);
    EXPECT_EQ(grid->rowMinimumHeight(5), 1);

    const struct {
        int row;
        const char* label;
        Qt::Alignment align;
    } labels[] = {{0, "Name:", Qt::AlignRight | Qt::AlignVCenter},
                  {2, "Language:", Qt::AlignRight | Qt::AlignVCenter},
                  {4, "Command:", Qt::AlignRight | Qt::AlignTop}};
    for (const auto& r : labels) {
        auto* label = qobject_cast<QLabel*>(grid->itemAtPosition(r.row, 0)->widget());
        ASSERT_NE(label, nullptr) << r.row;
        EXPECT_EQ(label->text(), QLatin1String(r.label));
        EXPECT_EQ(label->alignment() & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask), r.align) << r.label;
    }
    EXPECT_TRUE(qobject_cast<QLineEdit*>(grid->itemAtPosition(0, 1)->widget()));
    EXPECT_TRUE(qobject_cast<QPlainTextEdit*>(grid->itemAtPosition(4, 1)->widget()));
    QLayout* languages = grid->itemAtPosition(2, 1)->layout();
    ASSERT_NE(languages, nullptr);
    ASSERT_EQ(languages->count(), 3);
    EXPECT_EQ(languages->itemAt(0)->widget(), radio(&d, "MEL"));
    EXPECT_EQ(languages->itemAt(1)->widget(), radio(&d, "Python"));
    EXPECT_NE(languages->itemAt(2)->spacerItem(), nullptr);

    // Row 6 spans both columns: a spacing of 80, then OK, Test, Cancel.
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    QLayout* buttons = grid->itemAtPosition(6, 0)->layout();
    ASSERT_NE(buttons, nullptr);
    grid->getItemPosition(grid->indexOf(buttons), &row, &column, &rowSpan, &columnSpan);
    EXPECT_EQ(columnSpan, 2);
    ASSERT_EQ(buttons->count(), 4);
    EXPECT_EQ(buttons->itemAt(0)->spacerItem()->sizeHint().width(), 80);
    EXPECT_EQ(buttons->itemAt(1)->widget(), push_button(&d, "OK"));
    EXPECT_EQ(buttons->itemAt(2)->widget(), push_button(&d, "Test"));
    EXPECT_EQ(buttons->itemAt(3)->widget(), push_button(&d, "Cancel"));

    const QFont font = d.findChild<QPlainTextEdit*>()->font();
    EXPECT_EQ(font.family(), QStringLiteral("Monospace"));
    EXPECT_EQ(font.pointSize(), 9);

    QLineEdit* name = d.findChild<QLineEdit*>();
    QTest::keyClicks(name, QString(130, QLatin1Char('x')));
    EXPECT_EQ(name->text().size(), 128);
}

TEST_F(CommandEditorTest, InitialValuesAndWriteBack)
{
    const struct {
        int language;
        QStringList nodes;
        const char* checked; // null: neither
    } rows[] = {{0, {"sphere;"}, "MEL"}, {1, {"print(1)"}, "Python"}, {7, {}, nullptr}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.language);
        buttonAttributes a;
        a.kind = kCommandButton;
        a.language = r.language;
        a.label = QStringLiteral("Reset");
        a.nodes = r.nodes;
        picker_editCmdDialog d(h.canvas, &a);
        EXPECT_EQ(d.findChild<QLineEdit*>()->text(), QStringLiteral("Reset"));
        EXPECT_EQ(d.findChild<QPlainTextEdit*>()->toPlainText(), r.nodes.value(0));
        EXPECT_EQ(radio(&d, "MEL")->isChecked(), r.checked && !strcmp(r.checked, "MEL"));
        EXPECT_EQ(radio(&d, "Python")->isChecked(), r.checked && !strcmp(r.checked, "Python"));
        d.findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("line 1\nline 2"));
        d.update_button();
        EXPECT_EQ(a.nodes, QStringList{"line 1\nline 2"}); // appended or replaced: one entry
        EXPECT_EQ(a.language, r.language); // the checked one, or unchanged when neither is
    }
}

TEST_F(CommandEditorTest, TestQueuesTheScriptAndLeavesTheCanvasAlone)
{
    const struct {
        const char* language;
        QString script;
        QStringList mel, python;
    } rows[] = {{"MEL", QStringLiteral("polySphere -n ball;"), {"polySphere -n ball;"}, {}},
                {"Python", QStringLiteral("print('hi')"), {}, {"print('hi')"}},
                {"MEL", QString(), {}, {}}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.language);
        qbhost::HostSession::instance().discardIdle();
        buttonAttributes a;
        a.kind = kCommandButton;
        picker_editCmdDialog d(h.canvas, &a);
        d.show();
        fill_in(&d, QStringLiteral("B"), r.language, r.script);
        click(&d, "Test");
        EXPECT_EQ(pending_texts(qbhost::Language::Mel), r.mel);
        EXPECT_EQ(pending_texts(qbhost::Language::Python), r.python);
        EXPECT_TRUE(h.canvas->buttons().isEmpty());
        EXPECT_EQ(h.canvas->undoStack()->count(), 0);
    }
}

TEST_F(CommandEditorTest, OkAddsOneUndoableCommandButtonAtThePressPoint)
{
    const QPoint at(140, 120);
    via_context_menu(at, [](QWidget* d) {
        fill_in(d, QStringLiteral("Key All"), "Python", QStringLiteral("keyAll()"));
        click(d, "OK");
    });
    ASSERT_EQ(h.canvas->buttons().size(), 1);
    const buttonRecord& b = h.canvas->buttons()[0];
    EXPECT_EQ(b.kind, int(kCommandButton));
    EXPECT_EQ(b.language, int(kPythonScript));
    EXPECT_EQ(b.label, QStringLiteral("Key All"));
    EXPECT_EQ(b.nodes, QStringList{"keyAll()"});
    EXPECT_EQ(b.position, h.canvas->mapToPicker(at));
    EXPECT_EQ(b.size, 10);
    EXPECT_FALSE(b.labelPicture.isNull());
    ASSERT_EQ(h.canvas->undoStack()->count(), 1);
    EXPECT_EQ(h.canvas->undoStack()->undoText(), QStringLiteral("Add Command Button"));
    h.canvas->undoStack()->undo();
    EXPECT_TRUE(h.canvas->buttons().isEmpty());
    h.canvas->undoStack()->redo();
    EXPECT_EQ(h.canvas->buttons().size(), 1);
}

TEST_F(CommandEditorTest, CancelAfterTestAddsNothing)
{
    via_context_menu({100, 100}, [](QWidget* d) {
        fill_in(d, QStringLiteral("X"), "MEL", QStringLiteral("print \"x\";"));
        click(d, "Test");
        click(d, "Cancel");
    });
    EXPECT_EQ(pending_texts(qbhost::Language::Mel), QStringList{"print \"x\";"});
    EXPECT_TRUE(h.canvas->buttons().isEmpty());
    EXPECT_EQ(h.canvas->undoStack()->count(), 0);
}

TEST_F(CommandEditorTest, AnExistingCommandButtonIsEditedInPlaceWithoutUndo)
{
    const buttonAttributes original = make_attributes(QPoint(100, 100), 20, kCommandButton, kMelScript, 0xff,
                                                      0, QStringLiteral("Old"), {"old;"});
    h.canvas->document()->push_button(original, -1);
    const QPoint on = h.canvas->mapToScreen(QPoint(100, 100));

    // The entry names what it will do before the menu shows.
    QString shown;
    QTimer::singleShot(0, [&] {
        shown = h.canvas->menu()->command_action()->text();
        h.canvas->menu()->context_menu()->close();
    });
    h.press(on, Qt::RightButton);
    EXPECT_EQ(shown, QStringLiteral("Edit Command Button..."));

    via_context_menu(on, [](QWidget* d) {
        fill_in(d, QStringLiteral("New"), "Python", QStringLiteral("new()"));
        click(d, "Test");
        click(d, "Cancel");
    });
    EXPECT_EQ(h.canvas->buttons()[0].attributes(), original);

    int changes = 0;
    QObject::connect(h.canvas, &picker_view::changed, [&] { ++changes; });
    via_context_menu(on, [](QWidget* d) {
        fill_in(d, QStringLiteral("A much longer name"), "Python", QStringLiteral("new()"));
        click(d, "OK");
    });
    const buttonRecord& b = h.canvas->buttons()[0];
    EXPECT_EQ(b.label, QStringLiteral("A much longer name"));
    EXPECT_EQ(b.nodes, QStringList{"new()"});
    EXPECT_EQ(b.language, int(kPythonScript));
    EXPECT_GT(b.rect.width(), 20); // re-sized around the new name
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(h.canvas->undoStack()->count(), 0);

    QTimer::singleShot(0, [&] {
        shown = h.canvas->menu()->command_action()->text();
        h.canvas->menu()->context_menu()->close();
    });
    h.press({5, 5}, Qt::RightButton);
    EXPECT_EQ(shown, QStringLiteral("Add Command Button..."));
}

TEST_F(CommandEditorTest, GeometryIsStoredOnOkAndCancelAndRestored)
{
    const QRect first(60, 70, 500, 420);
    buttonAttributes a;
    answer_modal([&](QWidget* d) {
        d->resize(first.size());
        d->move(first.topLeft());
        click(d, "Cancel");
    });
    EXPECT_FALSE(picker_editCmdDialog::do_dialog(h.canvas, &a));
    EXPECT_EQ(store().value(QStringLiteral("editCommandWindowSize")).toSize(), first.size());
    EXPECT_EQ(store().value(QStringLiteral("editCommandWindowPos")).toPoint(), first.topLeft());

    QRect opened;
    const QRect second(80, 40, 450, 430);
    answer_modal([&](QWidget* d) {
        opened = QRect(d->pos(), d->size());
        d->resize(second.size());
        d->move(second.topLeft());
        click(d, "OK");
    });
    EXPECT_TRUE(picker_editCmdDialog::do_dialog(h.canvas, &a));
    EXPECT_EQ(opened, first);
    EXPECT_EQ(store().value(QStringLiteral("editCommandWindowSize")).toSize(), second.size());
    EXPECT_EQ(store().value(QStringLiteral("editCommandWindowPos")).toPoint(), second.topLeft());
}

TEST_F(CommandEditorTest, AStoredPlaceOnNoScreenMovesOntoThePrimary)
{
    qbhost::HostSession& host = qbhost::HostSession::instance();
    host.setScreens({QRect(0, 0, 1000, 800), QRect(1000, 0, 800, 600)}, 0);
    store().setValue(QStringLiteral("editCommandWindowSize"), QSize(400, 450));
    store().setValue(QStringLiteral("editCommandWindowPos"), QPoint(3000, 2000)); // a monitor unplugged
    QRect opened;
    answer_modal([&](QWidget* d) {
        opened = QRect(d->pos(), d->size());
        click(d, "Cancel");
    });
    buttonAttributes a;
    picker_editCmdDialog::do_dialog(h.canvas, &a);
    host.resetScreens();
    EXPECT_EQ(opened.size(), QSize(400, 450));
    EXPECT_EQ(opened.center(), QRect(0, 0, 1000, 800).center());
}

TEST_F(CommandEditorTest, ASceneResetWhileTheEditorIsOpenLeavesNoButton)
{
    h.canvas->document()->push_button(make_attributes(QPoint(100, 100), 20, kCommandButton, kMelScript, 0xff, 0,
                                          QStringLiteral("Old"), {"old;"}),
                          -1);
    const struct {
        const char* name;
        QPoint at;
    } rows[] = {{"new button", QPoint(300, 300)}, {"existing button", QPoint(100, 100)}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        QPointer<picker_view> canvas = h.window->frontPicker();
        const QPoint at = canvas->mapToScreen(r.at);
        QTimer::singleShot(0, [this, canvas, at] {
            answer_modal([this](QWidget* d) {
                fill_in(d, QStringLiteral("Half"), "MEL", QStringLiteral("half;"));
                h.window->reset(); // what the host's "deleteAll" does
            });
            canvas->menu()->command_action()->trigger();
            if (canvas)
                canvas->menu()->context_menu()->close();
        });
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(at), QPointF(canvas->mapToGlobal(at)), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &e);
        EXPECT_TRUE(canvas.isNull());
        ASSERT_NE(h.window->frontPicker(), nullptr);
        EXPECT_TRUE(h.window->frontPicker()->buttons().isEmpty());
        EXPECT_EQ(h.window->frontPicker()->undoStack()->count(), 0);
        h.canvas = h.window->frontPicker();
        h.canvas->document()->push_button(make_attributes(QPoint(100, 100), 20, kCommandButton, kMelScript, 0xff, 0,
                                              QStringLiteral("Old"), {"old;"}),
                              -1);
    }
}
