// The toolbox row driven like a user: the palettes from the colour buttons,
// the size menu, the label field, hiding and showing, and what new buttons
// take from it.
#include "canvas_harness.h"
#include "window/picker_colorMenu.h"
#include "model/window_selection.h"
#include <qbhost/host_session.h>
#include <gtest/gtest.h>
#include <QtCore/QTimer>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace {
QPushButton* tool_button(const picker_window& w, const char* tip)
{
    for (QPushButton* b : w.findChildren<QPushButton*>())
        if (b->toolTip() == QString::fromLatin1(tip))
            return b;
    return nullptr;
}

QLineEdit* label_field(const picker_window& w)
{
    for (QLineEdit* e : w.findChildren<QLineEdit*>())
        if (e->toolTip() == QStringLiteral("Button Label"))
            return e;
    return nullptr;
}

QRgb icon_color(const QPushButton* b)
{
    return b->icon().pixmap(12, 12).toImage().pixel(6, 6) & 0xffffff;
}

QAction* edit_item(const picker_window& w, const QString& text)
{
    for (QAction* a : w.actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

void hover(QWidget* w, QPoint pos)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

picker_colorMenu* open_palette()
{
    return qobject_cast<picker_colorMenu*>(QApplication::activePopupWidget());
}

struct Toolbox : ::testing::Test {
    std::unique_ptr<canvas_harness> h;
    picker_window* w = nullptr;
    picker_view* c = nullptr;

    void SetUp() override
    {
        qbhost::HostSession::instance().resetForTest();
        window_selection::names().clear();
        h = std::make_unique<canvas_harness>();
        w = h->window.get();
        c = h->canvas;
        c->document()->set_buttons({make_button({50, 50}, 12, 0x00ff0000, {"a"}, QStringLiteral("Hip")),
                        make_button({100, 50}, 16, 0x000000ff, {"b"}, QStringLiteral("Leg")),
                        make_button({150, 50}, 18, 0x0000ff00, {"c"}, QStringLiteral("Leg"), kSelectionButton,
                                    0x00ffffff)});
    }
    void TearDown() override
    {
        h.reset();
        window_selection::names().clear();
        qbhost::HostSession::instance().resetForTest();
    }
    void click(QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::mouseClick(c, Qt::LeftButton, mods, p);
    }
    void select_all()
    {
        click({50, 50});
        click({100, 50}, Qt::ShiftModifier);
        click({150, 50}, Qt::ShiftModifier);
    }
    QList<int> sizes() const
    {
        QList<int> out;
        for (const buttonRecord& b : c->buttons())
            out << b.size;
        return out;
    }
    // Chooses an entry of the size button's menu with the mouse.
    void choose_size(const QString& text)
    {
        QPushButton* size = tool_button(*w, "Button Size");
        QTimer::singleShot(0, [text] {
            QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* a : menu->actions())
                if (a->text() == text)
                    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(a).center());
        });
        QTest::mouseClick(size, Qt::LeftButton);
    }
};
} // namespace

TEST_F(Toolbox, BuiltWithTheDefaults)
{
    QPushButton* color = tool_button(*w, "Button Color");
    QPushButton* size = tool_button(*w, "Button Size");
    QPushButton* labelColor = tool_button(*w, "Label Color");
    QLineEdit* label = label_field(*w);
    ASSERT_TRUE(color && size && labelColor && label);
    EXPECT_EQ(icon_color(color), 0xB22222u);
    EXPECT_EQ(icon_color(labelColor), 0x000000u);
    ASSERT_NE(size->menu(), nullptr);
    QStringList entries;
    for (QAction* a : size->menu()->actions())
        entries << a->text();
    EXPECT_EQ(entries.size(), 16);
    EXPECT_EQ(entries.first(), QStringLiteral("5"));
    EXPECT_EQ(entries.last(), QStringLiteral("20"));
    EXPECT_EQ(size->menu()->activeAction()->text(), QStringLiteral("10"));
    EXPECT_TRUE(label->text().isEmpty());

    // Colour, size, label, label colour, shape; only the label field grows.
    auto* main = qobject_cast<QVBoxLayout*>(w->layout());
    ASSERT_EQ(main->count(), 4);
    auto* row = qobject_cast<QHBoxLayout*>(main->itemAt(2)->layout());
    ASSERT_NE(row, nullptr);
    ASSERT_EQ(row->count(), 11);
    QStringList labels;
    for (int i = 0; i < row->count(); ++i)
        if (auto* l = qobject_cast<QLabel*>(row->itemAt(i)->widget()))
            labels << l->text();
    EXPECT_EQ(labels, (QStringList{"Color:", "Size:", "Label:"}));
    EXPECT_EQ(row->itemAt(8)->widget(), label);
    EXPECT_EQ(row->stretch(8), 1);

    EXPECT_EQ(w->toolbox().color, 0xB22222u);
    EXPECT_EQ(w->toolbox().labelColor, 0x000000u);
    EXPECT_EQ(w->toolbox().size, 10);
    EXPECT_TRUE(w->toolbox().label.isEmpty());
}

TEST_F(Toolbox, SelectionShowsItsValuesDeterministically)
{
    click({50, 50});
    click({100, 50}, Qt::ShiftModifier);
    // Two colours, two labels: the first selected button's values, and no label.
    EXPECT_EQ(icon_color(tool_button(*w, "Button Color")), 0xff0000u);
    EXPECT_EQ(tool_button(*w, "Button Size")->text(), QStringLiteral("12"));
    EXPECT_TRUE(label_field(*w)->text().isEmpty());
    EXPECT_EQ(w->toolbox().color, 0xff0000u);
    EXPECT_EQ(w->toolbox().size, 12);

    // The same selection built the other way round shows the same values:
    // list order decides, not the order of the clicks.
    click({100, 50});
    click({50, 50}, Qt::ShiftModifier);
    EXPECT_EQ(icon_color(tool_button(*w, "Button Color")), 0xff0000u);

    click({100, 50});
    click({150, 50}, Qt::ShiftModifier); // both read "Leg"
    EXPECT_EQ(label_field(*w)->text(), QStringLiteral("Leg"));
    EXPECT_EQ(w->toolbox().label, QStringLiteral("Leg"));
    EXPECT_EQ(w->toolbox().labelColor, 0x000000u);
    click({150, 50});
    EXPECT_EQ(icon_color(tool_button(*w, "Label Color")), 0xffffffu);
    EXPECT_EQ(w->toolbox().labelColor, 0xffffffu);

    // Nothing selected changes nothing.
    click({300, 300});
    EXPECT_EQ(w->toolbox().size, 18);
    EXPECT_EQ(c->undoStack()->count(), 0); // showing is no edit
}

TEST_F(Toolbox, SizeFourteenOnThreeButtonsIsOneStep)
{
    select_all();
    choose_size(QStringLiteral("14"));
    EXPECT_EQ(sizes(), (QList<int>{14, 14, 14}));
    ASSERT_EQ(c->undoStack()->count(), 1);
    EXPECT_EQ(c->undoStack()->text(0), QStringLiteral("Change Size"));
    EXPECT_EQ(w->toolbox().size, 14);
    EXPECT_EQ(tool_button(*w, "Button Size")->text(), QStringLiteral("14"));
    c->undoStack()->undo();
    EXPECT_EQ(sizes(), (QList<int>{12, 16, 18}));
}

TEST_F(Toolbox, SizeWithNothingSelectedOnlySetsNewButtons)
{
    choose_size(QStringLiteral("7"));
    EXPECT_EQ(w->toolbox().size, 7);
    EXPECT_EQ(sizes(), (QList<int>{12, 16, 18}));
    EXPECT_EQ(c->undoStack()->count(), 0);
}

TEST_F(Toolbox, LabelTypedAndEnteredIsOneStep)
{
    select_all();
    QLineEdit* label = label_field(*w);
    label->setFocus();
    label->selectAll();
    QTest::keyClicks(label, QStringLiteral("Arm"));
    EXPECT_EQ(c->undoStack()->count(), 0); // nothing until Enter
    QTest::keyClick(label, Qt::Key_Return);
    ASSERT_EQ(c->undoStack()->count(), 1);
    EXPECT_EQ(c->undoStack()->text(0), QStringLiteral("Label Change"));
    for (const buttonRecord& b : c->buttons())
        EXPECT_EQ(b.label, QStringLiteral("Arm"));
    c->undoStack()->undo();
    EXPECT_EQ(c->buttons()[0].label, QStringLiteral("Hip"));
}

TEST_F(Toolbox, LeavingTheFieldAppliesOnlyWhatWasTyped)
{
    select_all(); // mixed labels: the field reads empty
    QLineEdit* label = label_field(*w);
    ASSERT_TRUE(label->text().isEmpty());
    label->setFocus();
    c->setFocus(); // left without typing: no label is wiped
    EXPECT_EQ(c->undoStack()->count(), 0);
    EXPECT_EQ(c->buttons()[0].label, QStringLiteral("Hip"));

    label->setFocus();
    QTest::keyClicks(label, QStringLiteral("Arm"));
    c->setFocus(); // typed, then left: applied
    ASSERT_EQ(c->undoStack()->count(), 1);
    label->setFocus();
    QTest::keyClick(label, Qt::Key_Return); // Enter applies again, as asked
    EXPECT_EQ(c->undoStack()->count(), 2);
    c->setFocus(); // and leaving after Enter adds nothing
    EXPECT_EQ(c->undoStack()->count(), 2);
    for (const buttonRecord& b : c->buttons())
        EXPECT_EQ(b.label, QStringLiteral("Arm"));
}

TEST_F(Toolbox, EscapePutsBackTheShownLabelAndEditsNothing)
{
    click({50, 50}); // Hip
    QLineEdit* label = label_field(*w);
    ASSERT_EQ(label->text(), QStringLiteral("Hip"));
    label->setFocus();
    QTest::keyClick(label, Qt::Key_Backspace);
    QTest::keyClick(label, Qt::Key_Escape);
    EXPECT_EQ(label->text(), QStringLiteral("Hip"));
    // Clicking another button leaves the field: nothing is renamed.
    click({100, 50});
    EXPECT_EQ(c->undoStack()->count(), 0);
    EXPECT_EQ(c->buttons()[0].label, QStringLiteral("Hip"));
    EXPECT_EQ(label->text(), QStringLiteral("Leg"));
    // Typing after an Escape still applies on Enter.
    label->setFocus();
    QTest::keyClicks(label, QStringLiteral("s"));
    QTest::keyClick(label, Qt::Key_Escape);
    QTest::keyClicks(label, QStringLiteral("!"));
    QTest::keyClick(label, Qt::Key_Return);
    ASSERT_EQ(c->undoStack()->count(), 1);
    EXPECT_EQ(c->buttons()[1].label, QStringLiteral("Leg!"));
}

TEST_F(Toolbox, LabelWithNothingSelectedIsNotApplied)
{
    QLineEdit* label = label_field(*w);
    label->setFocus();
    QTest::keyClicks(label, QStringLiteral("Arm"));
    QTest::keyClick(label, Qt::Key_Return);
    EXPECT_EQ(c->undoStack()->count(), 0);
    EXPECT_EQ(c->buttons()[0].label, QStringLiteral("Hip"));
}

TEST_F(Toolbox, ColourFromThePaletteOfTheColourButton)
{
    click({50, 50});
    click({100, 50}, Qt::ShiftModifier);
    QPushButton* color = tool_button(*w, "Button Color");
    QTest::mousePress(color, Qt::LeftButton); // the palette opens on the press
    picker_colorMenu* palette = open_palette();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->currentIndex(), palette->findColorIndex(QColor(255, 0, 0)));
    QTest::mouseRelease(palette, Qt::LeftButton); // that press's release
    ASSERT_EQ(open_palette(), palette);
    const QPoint cell = palette->indexToPosition(40);
    hover(palette, cell);
    QTest::mouseClick(palette, Qt::LeftButton, Qt::NoModifier, cell);
    const QRgb chosen = picker_colorMenu::button_palette()[40];
    EXPECT_EQ(c->buttons()[0].color, chosen);
    EXPECT_EQ(c->buttons()[1].color, chosen);
    EXPECT_EQ(c->buttons()[2].color, 0x0000ff00u);
    EXPECT_EQ(icon_color(color), chosen & 0xffffff);
    ASSERT_EQ(c->undoStack()->count(), 1);
    EXPECT_EQ(w->toolbox().color, chosen);
}

TEST_F(Toolbox, LabelColourFromItsPalette)
{
    click({50, 50});
    QTest::mousePress(tool_button(*w, "Label Color"), Qt::LeftButton);
    picker_colorMenu* palette = open_palette();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->size(), QSize(21, 40));
    EXPECT_EQ(palette->currentIndex(), 0); // black in use
    QTest::mouseRelease(palette, Qt::LeftButton);
    hover(palette, palette->indexToPosition(1));
    QTest::mouseClick(palette, Qt::LeftButton, Qt::NoModifier, palette->indexToPosition(1));
    EXPECT_EQ(c->buttons()[0].labelColor, 0xFFFFFFFFu);
    EXPECT_EQ(c->undoStack()->text(0), QStringLiteral("Change Color"));
}

TEST_F(Toolbox, PaletteOutlivesTheWindow)
{
    click({50, 50});
    QTest::mousePress(tool_button(*w, "Button Color"), Qt::LeftButton);
    QPointer<picker_colorMenu> palette = open_palette();
    ASSERT_TRUE(palette);
    QTest::mouseRelease(palette, Qt::LeftButton);
    const QPoint cell = palette->indexToPosition(5);
    hover(palette, cell);
    QTest::mousePress(palette, Qt::LeftButton, Qt::NoModifier, cell);
    h.reset(); // a host callback destroyed the window
    if (palette)
        QTest::mouseRelease(palette, Qt::LeftButton, Qt::NoModifier, cell);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(palette.isNull());
}

TEST_F(Toolbox, HideAndShowGiveFreshControls)
{
    click({150, 50});
    EXPECT_EQ(label_field(*w)->text(), QStringLiteral("Leg"));
    QAction* toggle = edit_item(*w, QStringLiteral("Hide Toolbox"));
    ASSERT_NE(toggle, nullptr);
    toggle->trigger();
    EXPECT_EQ(toggle->text(), QStringLiteral("Show Toolbox"));
    EXPECT_EQ(tool_button(*w, "Button Color"), nullptr);
    EXPECT_EQ(label_field(*w), nullptr);
    EXPECT_EQ(w->layout()->count(), 1);
    // Hidden, a selection change touches no control; new buttons keep the values.
    click({50, 50});
    EXPECT_EQ(w->toolbox().color, 0x0000ff00u);

    toggle->trigger();
    EXPECT_EQ(toggle->text(), QStringLiteral("Hide Toolbox"));
    EXPECT_EQ(w->layout()->count(), 4);
    EXPECT_EQ(icon_color(tool_button(*w, "Button Color")), 0xB22222u);
    EXPECT_EQ(icon_color(tool_button(*w, "Label Color")), 0x000000u);
    EXPECT_EQ(tool_button(*w, "Button Size")->text(), QStringLiteral("10"));
    EXPECT_TRUE(label_field(*w)->text().isEmpty());
    EXPECT_EQ(sizes(), (QList<int>{12, 16, 18})); // showing resizes nothing
    EXPECT_EQ(w->findChildren<QPushButton*>().size(), 3);

    click({100, 50}); // the next selection change brings them in line
    EXPECT_EQ(icon_color(tool_button(*w, "Button Color")), 0x0000ffu);
    EXPECT_EQ(tool_button(*w, "Button Size")->text(), QStringLiteral("16"));
    EXPECT_EQ(label_field(*w)->text(), QStringLiteral("Leg"));
}

TEST_F(Toolbox, HidingWhileTheLabelFieldHasFocus)
{
    select_all();
    QLineEdit* label = label_field(*w);
    label->setFocus();
    QTest::keyClicks(label, QStringLiteral("x"));
    edit_item(*w, QStringLiteral("Hide Toolbox"))->trigger();
    EXPECT_EQ(label_field(*w), nullptr);
    EXPECT_LE(c->undoStack()->count(), 1);
}
