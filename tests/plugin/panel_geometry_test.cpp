#include "plugin/host_services.h"
#include "ui/panel_geometry.h"
#include <gtest/gtest.h>
#include <maya/MStringArray.h>

TEST(PanelGeometry, Rules)
{
    const QList<QRect> one{QRect(0, 0, 1920, 1040)};
    const QList<QRect> two{QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1000)};
    struct Row {
        const char* what;
        QPoint pos;
        QSize size;
        QList<QRect> screens;
        int primary;
        QRect expected;
    };
    const Row rows[] = {
        {"narrow raised", {120, 100}, {100, 300}, one, 0, QRect(120, 100, 150, 300)},
        {"short raised", {120, 100}, {400, 100}, one, 0, QRect(120, 100, 400, 150)},
        {"defaults fit", {120, 100}, {400, 400}, one, 0, QRect(120, 100, 400, 400)},
        {"edges included", {0, 0}, {1920, 1040}, one, 0, QRect(0, 0, 1920, 1040)},
        {"one pixel out recentres", {1, 0}, {1920, 1040}, one, 0, QRect(0, 0, 1920, 1040)},
        {"outside every screen", {5000, 5000}, {400, 300}, two, 0, QRect(760, 370, 400, 300)},
        {"inside the secondary stays", {2000, 100}, {400, 400}, two, 0, QRect(2000, 100, 400, 400)},
        {"straddling two screens recentres on the primary", {1800, 100}, {400, 400}, two, 1,
         QRect(2360, 300, 400, 400)},
    };
    for (const Row& r : rows)
        EXPECT_EQ(panel_geometry(r.pos, r.size, r.screens, r.primary), r.expected) << r.what;
}

TEST(HostServices, StringArrayConversionIsLossless)
{
    MStringArray a;
    a.append("hero:arm_ctrl");
    a.append(MString("\xc3\xa9t\xc3\xa9")); // UTF-8 text survives
    a.append("");
    const QStringList l = MStringArrayToQStringList(a);
    ASSERT_EQ(l.size(), 3);
    EXPECT_EQ(l[0], QStringLiteral("hero:arm_ctrl"));
    EXPECT_EQ(l[1], QString::fromUtf8("\xc3\xa9t\xc3\xa9"));
    EXPECT_TRUE(l[2].isEmpty());
}
