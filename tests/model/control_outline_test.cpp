// Controls' curves turned into buttons: projected as each view shows them,
// the arrangement fitted to the area, each outline the button's shape.
#include "model/control_outline.h"
#include <gtest/gtest.h>
#include <QtGui/QPainterPath>

namespace {

QVector<QVector3D> square(QVector3D centre, float half, bool flatOnFloor = false)
{
    QVector<QVector3D> out;
    for (QPointF c : {QPointF(-1, -1), QPointF(1, -1), QPointF(1, 1), QPointF(-1, 1)}) {
        const QVector3D offset = flatOnFloor ? QVector3D(float(c.x()), 0, float(c.y())) : QVector3D(float(c.x()), float(c.y()), 0);
        out.append(centre + offset * half);
    }
    return out;
}

} // namespace

TEST(ControlOutline, EachViewProjectsAsTheHostCameraSeesIt)
{
    const QVector3D p(1, 2, 3);
    EXPECT_EQ(project(p, control_view::Front), QPointF(1, -2));
    EXPECT_EQ(project(p, control_view::Side), QPointF(-3, -2));
    EXPECT_EQ(project(p, control_view::Top), QPointF(1, 3));
}

TEST(ControlOutline, ArrangementFittedAndOutlinesKept)
{
    // Two hands 20 apart and a foot ring flat on the floor; a control with
    // no curve at all.
    const QList<control_curves> controls = {
        {QStringLiteral("hero:l_hand_ctrl"), {square({10, 10, 0}, 2)}},
        {QStringLiteral("hero:r_hand_ctrl"), {square({-10, 10, 0}, 2), square({-10, 10, 0}, 1)}},
        {QStringLiteral("hero:l_foot_ctrl"), {square({5, 0, 0}, 3, true)}},
        {QStringLiteral("hero:root"), {}},
    };
    const QRect area(100, 50, 200, 100);
    const control_buttons made = buttons_from_controls(controls, control_view::Front, area, button_defaults());
    ASSERT_EQ(made.buttons.size(), 3);
    EXPECT_EQ(made.withoutCurves, QStringList{QStringLiteral("hero:root")});
    EXPECT_EQ(made.edgeOn, QStringList{QStringLiteral("hero:l_foot_ctrl")});
    // World x -12..12 (24 wide), y 0..12: the width fits 200, so 25/3 a unit.
    const buttonAttributes& left = made.buttons[0];
    EXPECT_EQ(left.nodes, QStringList{QStringLiteral("hero:l_hand_ctrl")});
    EXPECT_EQ(left.position, QPoint(200 + qRound(10 * 25.0 / 3), 100 - qRound(10 * 25.0 / 3 - 6 * 25.0 / 3)));
    EXPECT_EQ(made.buttons[1].position.x(), 400 - left.position.x());
    ASSERT_EQ(left.shape.kind, button_shape::Polygon);
    // 4 units wide at 25/3: 33, to a unit, about the button's position.
    const QRect box = left.shape.bounds(left.size);
    EXPECT_NEAR(box.width(), 33, 1);
    EXPECT_NEAR(box.height(), 33, 1);
    EXPECT_LE(QPoint(box.center()).manhattanLength(), 2);
    // Two curves under one control make one path with both.
    ASSERT_EQ(made.buttons[1].shape.kind, button_shape::Path);
    EXPECT_EQ(made.buttons[1].shape.path.count(QLatin1Char('M')), 2);
    EXPECT_EQ(made.buttons[1].shape.bounds(made.buttons[1].size).size(), box.size());
    // The floor ring is a line from the front: a plain square of the default size.
    EXPECT_TRUE(made.buttons[2].shape.isDefault());
    EXPECT_EQ(made.buttons[2].size, button_defaults().size);
    // From the top the same ring is a square.
    const control_buttons top = buttons_from_controls({controls[2]}, control_view::Top, area, button_defaults());
    ASSERT_EQ(top.buttons.size(), 1);
    EXPECT_EQ(top.buttons[0].shape.kind, button_shape::Polygon);
    EXPECT_TRUE(top.edgeOn.isEmpty());
}
