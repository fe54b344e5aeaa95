// Buttons made from the controls' own curves, end to end: a rig read from a
// Maya ASCII file into the stand-in host, its controls selected with MEL,
// the panel's context menu chosen with the mouse, and the buttons' outlines
// compared with the curves' points as the front camera sees them.
#include "host_fixture.h"
#include <QtCore/QCoreApplication>
#include <QtCore/QTimer>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabWidget>
#include <climits>

namespace {

class ButtonsFromControls : public HostFixture
{
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        ASSERT_TRUE(host().executeMel(QStringLiteral("file -f -open \"" QB_TEST_DATA "/scenes/curve_controls.ma\";")));
        ASSERT_TRUE(loadPicker());
        ASSERT_TRUE(picker());
        settle();
    }
    void settle() const
    {
        QCoreApplication::processEvents();
        host().drainIdle();
        QCoreApplication::processEvents();
    }
    // Right-clicks the canvas, opens "Add Buttons from Controls" and picks
    // the view from it, all with the mouse inside the menus' own loops.
    void choose(const char* view) const
    {
        QWidget* canvas = tabs()->currentWidget();
        ASSERT_NE(canvas, nullptr);
        bool chosen = false;
        QTimer::singleShot(0, [&] {
            QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* a : menu->actions()) {
                if (!a->menu() || a->text() != QLatin1String("Add Buttons from Controls"))
                    continue;
                QMenu* views = a->menu();
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(a).center());
                for (QAction* v : views->actions())
                    if (v->text() == QLatin1String(view) && v->isEnabled()) {
                        chosen = true;
                        v->trigger();
                    }
            }
            if (QWidget* still = QApplication::activePopupWidget())
                still->close();
        });
        QTest::mousePress(canvas, Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
        ASSERT_TRUE(chosen);
        settle();
    }
    QVariantList buttons() const
    {
        return pickerState().value("tabs").toList().value(0).toMap().value("buttons").toList();
    }
};

QPoint point_of(const QVariant& v)
{
    const QVariantList p = v.toList();
    return QPoint(p.value(0).toInt(), p.value(1).toInt());
}

// From the smallest to the largest coordinate of the outline's points.
QSize outline_box(const QVariantMap& button)
{
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const QVariant& v : button.value("shapePoints").toList()) {
        const QPoint p = point_of(v);
        left = qMin(left, p.x());
        right = qMax(right, p.x());
        top = qMin(top, p.y());
        bottom = qMax(bottom, p.y());
    }
    return left > right ? QSize() : QSize(right - left, bottom - top);
}

} // namespace

TEST_F(ButtonsFromControls, OutlinesFollowTheCurvesThroughTheirWorldTransforms)
{
    ASSERT_TRUE(host().executeMel(QStringLiteral("select -r L_hand_ctrl R_hand_ctrl floor_ctrl empty_ctrl;")));
    settle();
    host().clearHistory();
    choose("Front");
    const QVariantList made = buttons();
    // The rig's squares: L_hand under a group moved 10 and scaled 2, itself
    // moved 5 (centre x 20, side 4); R_hand alone at -20 (side 2). The floor
    // square is seen edge-on, the empty control has nothing to show.
    ASSERT_EQ(made.size(), 3);
    const QVariantMap left = made[0].toMap(), right = made[1].toMap(), floor = made[2].toMap();
    EXPECT_EQ(left.value("nodes").toStringList(), QStringList{"L_hand_ctrl"});
    EXPECT_EQ(left.value("shapeKind").toInt(), 3); // a polygon
    EXPECT_EQ(left.value("shapePoints").toList().size(), 4); // a closed square, its corners
    // The picker's scale from the whole arrangement: R_hand's left edge
    // (world x -21) to L_hand's right edge (22).
    const QPoint lp = point_of(left.value("position")), rp = point_of(right.value("position"));
    int leftmost = INT_MAX, rightmost = INT_MIN;
    for (const QVariant& v : right.value("shapePoints").toList())
        leftmost = qMin(leftmost, rp.x() + point_of(v).x());
    for (const QVariant& v : left.value("shapePoints").toList())
        rightmost = qMax(rightmost, lp.x() + point_of(v).x());
    const double scale = (rightmost - leftmost) / 43.0;
    ASSERT_GT(scale, 1.0);
    const QSize l = outline_box(left), r = outline_box(right);
    EXPECT_NEAR(l.width(), 4 * scale, 1.5);
    EXPECT_NEAR(l.height(), 4 * scale, 1.5);
    EXPECT_NEAR(r.width(), 2 * scale, 1.5);
    EXPECT_NEAR(lp.x() - rp.x(), 40 * scale, 1.5);
    EXPECT_EQ(lp.y(), rp.y());
    // The first corner of each curve is its top left seen from the front.
    const QPoint first = point_of(left.value("shapePoints").toList().first());
    EXPECT_LT(first.x(), 0);
    EXPECT_LT(first.y(), 0);
    EXPECT_FALSE(floor.contains("shapeKind")); // the default square

    const QStringList warnings = host().historyTexts(qbhost::HistoryKind::Warning);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("edge-on from the front, made as squares: floor_ctrl")))
        << warnings[0].toStdString();
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("no curve shape, no button: empty_ctrl")));

    // One step takes all three back.
    const QVariantMap tab = pickerState().value("tabs").toList().value(0).toMap();
    EXPECT_EQ(tab.value("undo").toStringList(), QStringList{"Add Buttons from Controls"});
}

TEST_F(ButtonsFromControls, TopViewSeesTheFloorSquare)
{
    ASSERT_TRUE(host().executeMel(QStringLiteral("select -r floor_ctrl;")));
    settle();
    choose("Top");
    const QVariantList made = buttons();
    ASSERT_EQ(made.size(), 1);
    const QSize box = outline_box(made[0].toMap());
    EXPECT_EQ(made[0].toMap().value("shapeKind").toInt(), 3);
    // One control alone fills a box four buttons wide.
    EXPECT_NEAR(box.width(), 40, 1);
    EXPECT_NEAR(box.height(), 40, 1);
}
