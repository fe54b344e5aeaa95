// The link banner: layout, what is live, and opening a link on release.
#include "canvas_harness.h"
#include "canvas/banner_overlay.h"
#include "canvas/track_url_cmd.h"
#include <gtest/gtest.h>
#include <QtCore/QUrl>
#include <QtGui/QDesktopServices>

namespace {
struct url_catcher : QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

struct BannerTest : ::testing::Test {
    url_catcher catcher;
    void SetUp() override { QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open"); }
    void TearDown() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
};

void click(const canvas_harness& h, QPoint press, QPoint release)
{
    h.press(press, Qt::LeftButton);
    h.move(release, Qt::LeftButton);
    h.release(release, Qt::LeftButton);
}
} // namespace

TEST_F(BannerTest, LayoutAlongTheBottomEdge)
{
    canvas_harness h(QSize(900, 400));
    banner_overlay* b = h.canvas->banner();
    ASSERT_FALSE(banner_overlay::logo_.isNull());
    const int W = h.canvas->width(), H = h.canvas->height();
    const int logoW = banner_overlay::logo_.width(), logoH = banner_overlay::logo_.height();
    EXPECT_EQ(b->area(), QRect(QPoint(0, H - logoH), QPoint(W - 1, H - 1)));
    EXPECT_EQ(b->image().size(), QSize(W, logoH));
    ASSERT_EQ(b->records().size(), 4);
    QStringList labels;
    int x = logoW + b->gap();
    for (const banner_overlay::bannerRecord& r : b->records()) {
        labels << r.label;
        EXPECT_EQ(r.hit.left(), x) << qPrintable(r.label);
        EXPECT_EQ(r.hit.top(), H - 22);
        EXPECT_EQ(r.hit.bottom(), H);
        EXPECT_TRUE(r.link.startsWith(QStringLiteral("https://quillbrook.example/")));
        x = r.hit.right() + 1 + b->gap();
    }
    EXPECT_EQ(labels, (QStringList{"Learn at Quillbrook", "Free Characters", "Blog", "Forums"}));

    // The grey band fills the bottom 22 rows; above it the image is clear
    // beside the logo.
    const QImage img = h.render();
    EXPECT_EQ(img.pixel(W - 2, H - 2), 0xff929292u);
    EXPECT_EQ(img.pixel(W - 2, H - 22), 0xff929292u);
    EXPECT_EQ(img.pixel(W - 2, H - 23), 0xff333333u);
}

TEST_F(BannerTest, GapNeverBelowTen)
{
    canvas_harness h;
    banner_overlay* b = h.canvas->banner();
    for (int W : {1, 50, 200, 400}) {
        b->resize(W, 300);
        EXPECT_EQ(b->gap(), 10) << W;
        EXPECT_EQ(b->records()[1].hit.left(), b->records()[0].hit.right() + 11) << W;
        EXPECT_EQ(b->image().width(), W);
    }
    b->resize(2000, 300);
    EXPECT_GT(b->gap(), 10);
    // Nothing to lay out on an empty canvas: the last layout stays.
    const QRect area = b->area();
    b->resize(0, 300);
    EXPECT_EQ(b->area(), area);
}

TEST_F(BannerTest, OnlyTheLinksInTheBandAreLive)
{
    canvas_harness h(QSize(900, 400));
    banner_overlay* b = h.canvas->banner();
    const int H = h.canvas->height();
    const QRect link = b->records()[2].hit;
    const int logoW = banner_overlay::logo_.width();
    const struct {
        const char* what;
        QPoint at;
        bool live;
    } rows[] = {
        {"on a link in the band", QPoint(link.center().x(), H - 5), true},
        {"on the link's first column", QPoint(link.left(), H - 1), true},
        {"on the logo", QPoint(logoW / 2, H - 5), false},
        {"on the logo's last column", QPoint(logoW, H - 5), false},
        {"above the band", QPoint(link.center().x(), H - 24), false},
        {"between two links", QPoint(link.left() - 2, H - 5), false},
        {"above the banner", QPoint(link.center().x(), 10), false},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(b->click(r.at), r.live) << r.what;
        EXPECT_EQ(dynamic_cast<track_url_cmd*>(h.canvas->tracker()) != nullptr, r.live) << r.what;
        delete h.canvas->take_tracker();
    }
}

TEST_F(BannerTest, LinkOpensOnlyWhenReleasedOnIt)
{
    canvas_harness h(QSize(900, 400));
    const int H = h.canvas->height();
    const banner_overlay::bannerRecord& blog = h.canvas->banner()->records()[2];
    const QPoint on(blog.hit.center().x(), H - 6);

    click(h, on, QPoint(on.x(), 50)); // dragged off before the release
    EXPECT_TRUE(catcher.opened.isEmpty());
    EXPECT_EQ(h.canvas->tracker(), nullptr);

    click(h, on, on + QPoint(1, 1));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0], QUrl(QStringLiteral("https://quillbrook.example/blog")));

    // A press on the logo opens nothing and installs no tracker.
    click(h, QPoint(20, H - 6), QPoint(20, H - 6));
    EXPECT_EQ(catcher.opened.size(), 1);
}

TEST_F(BannerTest, LinkTrackerParsesTolerantly)
{
    track_url_cmd t(QRect(0, 0, 10, 10), QPoint(5, 5), QStringLiteral("https://quillbrook.example/a b"));
    t.update(QPoint(20, 20), 0);
    t.update(QPoint(9, 9), 0);
    t.finish();
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0].path(), QStringLiteral("/a b"));
}

#include "banner_test.moc"
