// The other side selected in the host: an Alt-click on a button of the
// demo's body picker, in the loaded plug-in, sends the mirrored names.
#include "host_fixture.h"
#include <QtTest/QTest>
#include <QtWidgets/QTabWidget>

namespace {

class MirrorSelection : public HostFixture
{
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        // The rig's namespace, so that the picker binds without asking;
        // the right arm's nodes, whatever the picker has buttons for.
        createNodes({"hero:l_arm_ctrl", "hero:r_arm_ctrl", "hero:r_clavicle_ctrl", "hero:r_elbow_ctrl",
                     "hero:r_wrist_ctrl"});
        ASSERT_TRUE(loadPicker());
        ASSERT_TRUE(picker());
        host().drainIdle();
        ASSERT_TRUE(picker({"open", QStringLiteral(QB_DEMO_DIR "/body_picker.qbx")}));
        host().drainIdle();
        ASSERT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
        ASSERT_EQ(tabTexts().last(), QStringLiteral("Body"));
        tabs()->setCurrentIndex(tabs()->count() - 1);
    }

    // The canvas point at the middle of the button holding exactly these nodes.
    QPoint buttonPoint(const QStringList& nodes)
    {
        const QVariantMap tab = pickerState().value("tabs").toList().last().toMap();
        const double zoom = tab.value("zoom").toDouble();
        const QVariantList shift = tab.value("shift").toList();
        for (const QVariant& v : tab.value("buttons").toList()) {
            const QVariantMap b = v.toMap();
            if (b.value("nodes").toStringList() != nodes)
                continue;
            const QVariantList r = b.value("rect").toList();
            const double x = r[0].toDouble() + r[2].toDouble() / 2, y = r[1].toDouble() + r[3].toDouble() / 2;
            return QPoint(int(x * zoom) + shift[0].toInt(), int(y * zoom) + shift[1].toInt());
        }
        ADD_FAILURE() << "no button for " << nodes.join(' ').toStdString();
        return QPoint();
    }
};

} // namespace

TEST_F(MirrorSelection, AltClickOnTheLeftArmSelectsTheRightArmInTheHost)
{
    QWidget* canvas = tabs()->currentWidget();
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::AltModifier, buttonPoint({"hero:l_arm_ctrl"}));
    EXPECT_EQ(pendingMel(), QStringList({"QuillbrookPicker select hero:r_arm_ctrl"}));
    host().drainIdle();
    EXPECT_EQ(host().selection(), QStringList({"hero:r_arm_ctrl"}));
    EXPECT_EQ(pickerState().value("selection").toStringList(), QStringList({"hero:r_arm_ctrl"}));

    // The "L arm" command button runs its script for the right arm.
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::AltModifier,
                      buttonPoint({"select -r \"hero:l_clavicle_ctrl\" \"hero:l_arm_ctrl\" \"hero:l_elbow_ctrl\" "
                                   "\"hero:l_wrist_ctrl\";"}));
    host().drainIdle();
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    EXPECT_EQ(host().selection(),
              QStringList({"hero:r_clavicle_ctrl", "hero:r_arm_ctrl", "hero:r_elbow_ctrl", "hero:r_wrist_ctrl"}));
}
