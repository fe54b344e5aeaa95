// Mirror Buttons and Flip Buttons on the demo's body picker, the mirror
// axis and rules from the Picker menu, and Alt-clicks that select the other
// side.
#include "authoring_harness.h"
#include "model/picker_file_check.h"
#include "model/window_selection.h"
#include "window/picker_mirrorRulesDialog.h"
#include <gtest/gtest.h>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>

namespace {

// The demo's left arm (clavicle to pinky) and right arm, by list position.
constexpr int kLeftArm = 12, kRightArm = 27, kArmButtons = 9;

struct body_harness : authoring_harness {
    body_harness()
    {
        const picker_file_check read =
            picker_file_check::read(QStringLiteral(QB_BINARY_DIR "/examples/body_picker.qbx"));
        EXPECT_TRUE(read.ok()) << read.error.toStdString();
        canvas->document()->set_mirror(read.tab.mirror);
        canvas->document()->set_buttons(read.tab.buttons);
        enter();
    }
    const buttonRecord& at(int i) const { return canvas->buttons()[i]; }
    QAction* window_action(const char* text) const
    {
        for (QAction* a : window->actions())
            if (a->text() == QLatin1String(text))
                return a;
        return nullptr;
    }
    // The centre of a button on the canvas.
    QPoint on(int i) const { return canvas->mapToScreen(at(i).rect).center(); }
};

} // namespace

TEST(MirrorButtons, TheLeftArmsCopiesStandWhereTheRightArmStandsAndUndoInOneStep)
{
    body_harness h;
    ASSERT_EQ(h.canvas->buttons().size(), 47);
    ASSERT_TRUE(h.canvas->document()->mirror().hasAxis);
    for (int i = 0; i < kArmButtons; ++i)
        h.select({kLeftArm + i});
    h.key(Qt::Key_M);
    ASSERT_EQ(h.canvas->buttons().size(), 47 + kArmButtons);
    ASSERT_EQ(h.undo()->count(), 1);
    EXPECT_EQ(h.undo()->text(0), QStringLiteral("Mirror Buttons"));
    for (int i = 0; i < kArmButtons; ++i) {
        const buttonRecord& copy = h.at(47 + i);
        const buttonRecord& right = h.at(kRightArm + i);
        EXPECT_EQ(copy.position, right.position) << i;
        EXPECT_EQ(copy.nodes, right.nodes) << i;
        EXPECT_EQ(copy.color, right.color) << i; // the picker's side colours swapped
        EXPECT_EQ(copy.state, kSelected) << i;
        EXPECT_EQ(h.at(kLeftArm + i).state, kUnselected) << i;
    }

    // Flip on the copies gives back the left arm, in place.
    QTest::keyClick(h.canvas, Qt::Key_M, Qt::ShiftModifier);
    ASSERT_EQ(h.undo()->count(), 2);
    EXPECT_EQ(h.undo()->text(1), QStringLiteral("Flip Buttons"));
    EXPECT_EQ(h.canvas->buttons().size(), 47 + kArmButtons);
    for (int i = 0; i < kArmButtons; ++i) {
        EXPECT_EQ(h.at(47 + i).position, h.at(kLeftArm + i).position) << i;
        EXPECT_EQ(h.at(47 + i).nodes, h.at(kLeftArm + i).nodes) << i;
        EXPECT_EQ(h.at(47 + i).color, h.at(kLeftArm + i).color) << i;
    }
    h.undo()->undo();
    EXPECT_EQ(h.at(47).nodes, h.at(kRightArm).nodes);
    h.undo()->undo();
    EXPECT_EQ(h.canvas->buttons().size(), 47);
    EXPECT_EQ(h.at(kLeftArm).state, kSelected); // the mirrored buttons, selected again

    // The centre line alone makes no copy and no undo step.
    h.canvas->document()->clear_selected();
    h.select({1, 2});
    h.key(Qt::Key_M);
    EXPECT_EQ(h.canvas->buttons().size(), 47);
    EXPECT_EQ(h.undo()->count(), 2);
}

TEST(MirrorButtons, SetMirrorAxisTakesTheNextClickAndTheRulesDialogEditsTheRules)
{
    body_harness h;
    picker_document* doc = h.canvas->document();
    doc->set_mirror(mirror_settings());
    QAction* axis = h.window_action("Set Mirror Axis");
    ASSERT_NE(axis, nullptr);
    axis->trigger();
    QTest::mouseClick(h.canvas, Qt::LeftButton, Qt::NoModifier, h.canvas->mapToScreen(QPoint(100, 5)));
    EXPECT_EQ(doc->mirror().hasAxis, true);
    EXPECT_EQ(doc->mirror().axis, 100);
    EXPECT_EQ(h.undo()->text(h.undo()->count() - 1), QStringLiteral("Set Mirror Axis"));

    // A rule of two forms keeps OK disabled; a good one is taken, one undo step.
    QAction* rules = h.window_action("Mirror Rules...");
    ASSERT_NE(rules, nullptr);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<picker_mirrorRulesDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        QTableWidget* table = dialog->findChild<QTableWidget*>();
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        table->setRowCount(1);
        table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("lft_")));
        table->setItem(0, 1, new QTableWidgetItem(QStringLiteral("rgt")));
        table->item(0, 1)->setText(QStringLiteral("_rgt"));
        EXPECT_FALSE(ok->isEnabled());
        table->item(0, 1)->setText(QStringLiteral("rgt_"));
        EXPECT_TRUE(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    rules->trigger();
    ASSERT_TRUE(seen);
    EXPECT_EQ(doc->mirror().rules, side_pairs({{QStringLiteral("lft_"), QStringLiteral("rgt_")}}));
    EXPECT_EQ(doc->mirror().axis, 100);
    EXPECT_EQ(doc->side().mirror_name(QStringLiteral("hero:lft_arm")), QStringLiteral("hero:rgt_arm"));
    h.undo()->undo();
    EXPECT_TRUE(doc->mirror().rules.isEmpty());
}

TEST(MirrorSelection, AltSelectsTheOtherSideAndAltShiftBoth)
{
    body_harness h;
    const int leftArm = kLeftArm + 1, leftElbow = kLeftArm + 2;
    h.press(h.on(leftArm), Qt::LeftButton, Qt::AltModifier);
    h.release(h.on(leftArm), Qt::LeftButton, Qt::AltModifier);
    EXPECT_EQ(window_selection::names(), QStringList({"hero:r_arm_ctrl"}));
    EXPECT_EQ(h.at(kRightArm + 1).state, kSelected);
    EXPECT_EQ(h.at(leftArm).state, kUnselected);

    const Qt::KeyboardModifiers both = Qt::AltModifier | Qt::ShiftModifier;
    h.press(h.on(leftElbow), Qt::LeftButton, both);
    h.release(h.on(leftElbow), Qt::LeftButton, both);
    EXPECT_EQ(window_selection::names(), QStringList({"hero:r_arm_ctrl", "hero:l_elbow_ctrl", "hero:r_elbow_ctrl"}));

    // A band with Alt: the mirrored set of the right leg's buttons it meets.
    const QRect leg = h.canvas->mapToScreen(h.at(36).rect.united(h.at(37).rect));
    h.press(leg.topLeft() - QPoint(2, 2), Qt::LeftButton, Qt::AltModifier);
    h.move(leg.bottomRight() + QPoint(2, 2), Qt::LeftButton, Qt::AltModifier);
    h.release(leg.bottomRight() + QPoint(2, 2), Qt::LeftButton, Qt::AltModifier);
    EXPECT_EQ(window_selection::names(), QStringList({"hero:l_leg_ctrl", "hero:l_knee_ctrl"}));
    EXPECT_EQ(h.at(21).state, kSelected);
    EXPECT_EQ(h.at(36).state, kUnselected);
}
