// The view transform and the zoom arithmetic, without widgets.
#include "render/view_transform.h"
#include <gtest/gtest.h>

TEST(ViewTransform, PointsTruncateTowardZero)
{
    struct Row {
        QPoint shift;
        double zoom;
        QPoint picker;
        QPoint screen;
    };
    const Row rows[] = {
        {{0, 0}, 1.0, {7, -3}, {7, -3}},
        {{5, 5}, 2.0, {10, 10}, {25, 25}},
        {{0, 0}, 0.25, {-7, 7}, {-1, 1}},    // -1.75 and 1.75 truncate to -1 and 1
        {{3, -2}, 1.5, {5, 5}, {10, 5}},     // 3 + 7.5, -2 + 7.5
    };
    for (const Row& r : rows) {
        const view_transform v(r.shift, r.zoom);
        EXPECT_EQ(v.mapToScreen(r.picker), r.screen) << r.zoom;
    }
    // Back to picker units: (x - sx) / z, truncated.
    const view_transform v(QPoint(5, 5), 2.0);
    EXPECT_EQ(v.mapToPicker(QPoint(25, 26)), QPoint(10, 10));
    EXPECT_EQ(v.mapToPicker(QPoint(2, 4)), QPoint(-1, 0)); // -1.5 and -0.5
}

TEST(ViewTransform, RectanglesMapTheirFirstAndLastPixel)
{
    struct Row {
        QPoint shift;
        double zoom;
        QRect in;
        QRect toScreen;
        QRect toPicker;
    };
    const Row rows[] = {
        {{5, 5}, 2.0, QRect(10, 10, 20, 20), QRect(25, 25, 38, 38), QRect(2, 2, 10, 10)},
        {{0, 0}, 1.0, QRect(0, 0, 10, 4), QRect(0, 0, 9, 3), QRect(0, 0, 9, 3)}, // one pixel smaller
        {{-10, 20}, 0.5, QRect(0, 0, 100, 50), QRect(-10, 20, 49, 24), QRect(20, -40, 198, 98)},
    };
    for (const Row& r : rows) {
        const view_transform v(r.shift, r.zoom);
        EXPECT_EQ(v.mapToScreen(r.in), r.toScreen) << r.zoom;
        EXPECT_EQ(v.mapToPicker(r.in), r.toPicker) << r.zoom;
    }
    const view_transform v(QPoint(5, 5), 2.0);
    EXPECT_EQ(v.mapToScreenF(QRect(10, 10, 20, 20)), QRectF(25, 25, 38, 38));
    EXPECT_EQ(view_transform(QPoint(1, 2), 0.3).mapToScreenF(QRect(10, 10, 11, 21)),
              QRectF(10 * 0.3 + 1, 10 * 0.3 + 2, 10 * 0.3, 20 * 0.3));
}

TEST(ViewTransform, ZoomAboutKeepsTheAnchorPixel)
{
    struct Row {
        QPoint shift;
        double from;
        double to;
        QPoint anchor;
    };
    const Row rows[] = {
        {{0, 0}, 1.0, 1.0625, {200, 150}},  {{0, 0}, 1.0, 16.0, {333, 7}},
        {{17, -40}, 2.5, 0.25, {123, 321}}, {{-300, -200}, 4.0, 3.7, {51, 99}},
        {{12, 12}, 0.25, 0.265625, {399, 1}},
    };
    for (const Row& r : rows) {
        const view_transform before(r.shift, r.from);
        const QPoint p = before.mapToPicker(r.anchor);
        const view_transform after = before.zoomedAbout(r.to, r.anchor);
        EXPECT_EQ(after.zoom, r.to);
        EXPECT_EQ(after.mapToScreen(p), before.mapToScreen(p)) << r.from << " -> " << r.to;
    }
}

TEST(ViewTransform, SteppedZoomOfWheelAndDrag)
{
    struct Row {
        int distance;
        int unit;
        float expected;
    };
    const float in = 1.0625f, out = 0.9375f;
    const Row rows[] = {
        {60, 60, 1.0f},         {119, 60, 1.0f},       {-60, 60, 1.0f},       {-119, 60, 1.0f},
        {120, 60, in},          {179, 60, in},         {180, 60, in * in},    {240, 60, in * in * in},
        {-120, 60, out},        {-240, 60, out * out * out},
        {39, 20, 1.0f},         {40, 20, in},          {59, 20, in},          {60, 20, in * in},
        {-39, 20, 1.0f},        {-40, 20, out},        {0, 20, 1.0f},
    };
    for (const Row& r : rows)
        EXPECT_EQ(stepped_zoom(1.0f, r.distance, r.unit), r.expected) << r.distance << "/" << r.unit;
    EXPECT_EQ(stepped_zoom(2.0f, 120, 60), 2.125f); // from the zoom given
}

TEST(ViewTransform, FrameTargets)
{
    struct Row {
        const char* what;
        QRect bounds;
        QSize canvas;
        bool noZoomIn;
        double current;
        float zoom;
        QPoint shift;
    };
    const Row rows[] = {
        // min(400/100, 400/50) * 0.75; centre (49, 24)
        {"tighter axis", QRect(0, 0, 100, 50), QSize(400, 400), false, 1.0, 3.0f, QPoint(200 - 147, 200 - 72)},
        {"clamped in", QRect(10, 10, 1, 1), QSize(400, 400), false, 1.0, 16.0f, QPoint(200 - 160, 200 - 160)},
        {"clamped out", QRect(0, 0, 10000, 10000), QSize(400, 300), false, 1.0, 0.25f,
         QPoint(200 - 1249, 150 - 1249)},
        {"no zoom in keeps", QRect(0, 0, 10, 10), QSize(400, 400), true, 1.0, 1.0f, QPoint(196, 196)},
        {"no zoom in lets out", QRect(0, 0, 1000, 1000), QSize(400, 400), true, 1.0, (400.0f / 1000.0f) * 0.75f,
         QPoint(50, 50)}, // 200 - 499 * 0.3 = 50.3
    };
    for (const Row& r : rows) {
        float z = 0;
        QPoint s;
        ASSERT_TRUE(frame_target(r.bounds, r.canvas, r.noZoomIn, r.current, &z, &s)) << r.what;
        EXPECT_EQ(z, r.zoom) << r.what;
        EXPECT_EQ(s, r.shift) << r.what;
    }
    float z = 0;
    QPoint s;
    EXPECT_FALSE(frame_target(QRect(0, 0, 0, 0), QSize(400, 400), false, 1.0, &z, &s));
    EXPECT_FALSE(frame_target(QRect(5, 5, 10, 0), QSize(400, 400), false, 1.0, &z, &s));
    // No canvas size yet: the zoom clamps, nothing divides by zero.
    ASSERT_TRUE(frame_target(QRect(0, 0, 10, 10), QSize(0, 0), false, 1.0, &z, &s));
    EXPECT_EQ(z, 0.25f);
}

TEST(ViewTransform, AnimationLandsExactlyOnTheEighthTick)
{
    const struct {
        view_transform from;
        float zoom;
        QPoint shift;
    } rows[] = {
        {view_transform(QPoint(0, 0), 1.0), 3.0f, QPoint(53, 128)},
        {view_transform(QPoint(-77, 19), 0.3), 1.0f, QPoint(0, 0)},
        {view_transform(QPoint(1, 1), 16.0), 0.1f, QPoint(-999, 7)}, // unclamped targets are kept
    };
    for (const auto& r : rows) {
        zoom_animation a;
        a.start(r.from, r.zoom, r.shift);
        view_transform v = r.from;
        double last = v.zoom;
        for (int tick = 1; tick < 8; ++tick) {
            ASSERT_TRUE(a.step(&v)) << tick;
            // Eased, never overshooting: each tick moves toward the target.
            EXPECT_LE(std::abs(v.zoom - r.zoom), std::abs(last - r.zoom) + 1e-6) << tick;
            last = v.zoom;
        }
        EXPECT_FALSE(a.step(&v));
        EXPECT_EQ(v.zoom, double(r.zoom));
        EXPECT_EQ(v.shift, r.shift);
    }
}

TEST(ViewTransform, EventPositionsRoundHalfAwayFromZero)
{
    EXPECT_EQ(round_half_away(QPointF(2.5, -2.5)), QPoint(3, -3));
    EXPECT_EQ(round_half_away(QPointF(2.49, -0.4)), QPoint(2, 0));
    EXPECT_EQ(round_half_away(QPointF(-0.5, 0.5)), QPoint(-1, 1));
}
