// The colour palettes: their cells, sizes, preselection, placement,
// painting and the press/release protocol, with real mouse events.
#include "window/picker_colorMenu.h"
#include <gtest/gtest.h>
#include <QtCore/QPointer>
#include <QtGui/QImage>
#include <QtGui/QMouseEvent>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>

namespace {
// Records what a palette sends, under the slot names the palettes use.
class receiver : public QObject
{
    Q_OBJECT
public:
    QList<QRgb> colors, labelColors;
public slots:
    void set_button_color(QRgb which) { colors << which; }
    void set_label_color(QRgb which) { labelColors << which; }
};

// Hover moves, which QTest cannot send to a widget under this platform.
void hover(QWidget* w, QPoint pos)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QColor grey(int v)
{
    return QColor(v, v, v);
}
} // namespace

TEST(ColorMenu, ButtonPaletteCells)
{
    const QVector<unsigned int> c = picker_colorMenu::button_palette();
    ASSERT_EQ(c.size(), 72);
    EXPECT_EQ(c[24], 0xFFFF0000u); // row 3 starts with pure red
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(QColor::fromRgba(c[r * 12]).hsvHue() <= 0, true) << r; // hue 0 (or none, for grey)
    EXPECT_EQ(c[60], 0xFF000000u);
    EXPECT_EQ(c[71], 0xFFFFFFFFu); // the grey ramp ends in white
    for (int i = 61; i < 72; ++i) {
        EXPECT_GT(qRed(c[i]), qRed(c[i - 1])) << i;
        EXPECT_EQ(qRed(c[i]), qGreen(c[i]));
        EXPECT_EQ(qRed(c[i]), qBlue(c[i]));
    }
    for (unsigned int color : c)
        EXPECT_EQ(qAlpha(color), 255);
    // The toolkit's own conversion, cell by cell, for one row.
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(c[36 + i], QColor::fromHsvF(i / 12.0, 1.0, 0.749).rgba()) << i;
}

TEST(ColorMenu, Sizes)
{
    receiver r;
    QPointer<picker_colorMenu> big = picker_colorMenu::execute_color(&r, QPoint(300, 300), nullptr);
    QPointer<picker_colorMenu> bw = picker_colorMenu::execute_bw(&r, QPoint(300, 300), nullptr);
    EXPECT_EQ(big->size(), QSize(230, 116));
    EXPECT_EQ(bw->size(), QSize(21, 40));
    EXPECT_TRUE(big->windowFlags() & Qt::Popup);
    EXPECT_TRUE(big->hasMouseTracking());
    big->close();
    bw->close();
}

TEST(ColorMenu, PreselectionBySquaredDistance)
{
    const QVector<unsigned int> palette = picker_colorMenu::button_palette();
    picker_colorMenu big(palette, 12, 17, nullptr);
    // The nearest cell by hand, for the default button colour.
    const QColor firebrick(178, 34, 34);
    int best = 0;
    long long bestD = -1;
    for (int i = 0; i < palette.size(); ++i) {
        const long long dr = qRed(palette[i]) - 178, dg = qGreen(palette[i]) - 34, db = qBlue(palette[i]) - 34;
        if (bestD < 0 || dr * dr + dg * dg + db * db < bestD) {
            bestD = dr * dr + dg * dg + db * db;
            best = i;
        }
    }
    EXPECT_EQ(big.findColorIndex(firebrick), best);

    picker_colorMenu bw({0xFF000000u, 0xFFFFFFFFu}, 1, 17, nullptr);
    const struct {
        QColor color;
        int index;
    } rows[] = {{grey(0), 0}, {grey(127), 0}, {QColor(127, 100, 20), 0}, {grey(128), 1},
                {grey(255), 1}, {QColor(200, 128, 255), 1}};
    for (const auto& row : rows)
        EXPECT_EQ(bw.findColorIndex(row.color), row.index) << row.color.name().toStdString();
    picker_colorMenu one({0xFF123456u}, 1, 17, nullptr);
    EXPECT_EQ(one.findColorIndex(grey(255)), 0);
}

TEST(ColorMenu, PlacementPutsThePreselectedCellUnderThePoint)
{
    receiver r;
    const QPoint at(400, 300);
    const struct {
        QColor color;
        bool bw;
    } rows[] = {{QColor(178, 34, 34), false}, {QColor(255, 255, 255), false}, {grey(10), true}, {grey(240), true}};
    for (const auto& row : rows) {
        QColor current = row.color;
        QPointer<picker_colorMenu> m = row.bw ? picker_colorMenu::execute_bw(&r, at, &current)
                                              : picker_colorMenu::execute_color(&r, at, &current);
        const int i = m->findColorIndex(row.color);
        EXPECT_EQ(m->currentIndex(), i);
        const int columns = row.bw ? 1 : 12;
        EXPECT_EQ(m->pos(), QPoint(at.x() - 8 - (i % columns) * 19, at.y() - 8 - 2 - (i / columns) * 19));
        // The point is on the cell: its centre vertically, two pixels left
        // of it horizontally.
        const QPoint local = m->mapFromGlobal(at);
        EXPECT_EQ(m->positionToIndex(local), i);
        EXPECT_EQ(m->indexToPosition(i), local);
        m->close();
    }
}

TEST(ColorMenu, HitTest)
{
    picker_colorMenu m(picker_colorMenu::button_palette(), 12, 17, nullptr);
    const struct {
        QPoint p;
        int index;
    } rows[] = {{{0, 0}, 0},      {{18, 18}, 0},   {{19, 0}, 1},    {{19, 19}, 13},  {{227, 10}, 11},
                {{228, 10}, -1},  {{230, 10}, -1}, {{10, 113}, 60}, {{10, 114}, -1}, {{-1, 5}, -1},
                {{5, 117}, -1}};
    for (const auto& row : rows)
        EXPECT_EQ(m.positionToIndex(row.p), row.index) << row.p.x() << "," << row.p.y();
}

TEST(ColorMenu, Painting)
{
    picker_colorMenu m(picker_colorMenu::button_palette(), 12, 17, nullptr);
    m.setTracking(13);
    QImage image(m.size(), QImage::Format_ARGB32);
    m.render(&image);
    EXPECT_EQ(image.pixel(0, 0), qRgb(40, 40, 40));
    EXPECT_EQ(image.pixel(2 + 8, 2 + 8), m.colors()[0]); // a full cell
    EXPECT_EQ(image.pixel(2, 2), m.colors()[0]);
    // The current cell: inset by two on the highlight.
    const int x = 2 + 19, y = 2 + 19;
    EXPECT_EQ(image.pixel(x, y), qRgb(0, 182, 255));
    EXPECT_EQ(image.pixel(x + 2, y + 2), m.colors()[13]);
    EXPECT_EQ(image.pixel(x + 14, y + 14), m.colors()[13]);
    EXPECT_EQ(image.pixel(x + 15, y + 8), qRgb(0, 182, 255));
}

TEST(ColorMenu, OpeningPressKeepsItOpenAndAClickPicksOnce)
{
    receiver r;
    QColor current(178, 34, 34);
    QPointer<picker_colorMenu> m = picker_colorMenu::execute_color(&r, QPoint(300, 300), &current);
    // The release of the press that opened it.
    QTest::mouseRelease(m, Qt::LeftButton, Qt::NoModifier, m->indexToPosition(m->currentIndex()));
    ASSERT_TRUE(m);
    EXPECT_TRUE(m->isVisible());
    EXPECT_TRUE(r.colors.isEmpty());

    const QPoint cell = m->indexToPosition(30);
    hover(m, cell);
    EXPECT_EQ(m->currentIndex(), 30);
    QTest::mouseClick(m, Qt::LeftButton, Qt::NoModifier, cell);
    EXPECT_EQ(r.colors, QList<QRgb>{picker_colorMenu::button_palette()[30]});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(m.isNull()); // closed and gone
}

TEST(ColorMenu, RightBorderStripPicksNothing)
{
    receiver r;
    QPointer<picker_colorMenu> m = picker_colorMenu::execute_color(&r, QPoint(300, 300), nullptr);
    const QPoint strip(m->width() - 1, 10);
    hover(m, strip);
    EXPECT_EQ(m->currentIndex(), -1);
    QTest::mouseClick(m, Qt::LeftButton, Qt::NoModifier, strip);
    EXPECT_TRUE(r.colors.isEmpty());
    EXPECT_FALSE(m && m->isVisible());
}

#include "color_menu_test.moc"
