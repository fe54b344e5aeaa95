// Windows composited into one image at their screen places.
#include "sandbox/screenshot.h"

#include <gtest/gtest.h>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImageReader>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QMenu>

namespace {

QWidget* filled(const QColor& color, const QRect& geometry, QWidget* parent = nullptr,
                Qt::WindowFlags flags = Qt::WindowFlags())
{
    QWidget* w = new QWidget(parent, flags);
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    w->setGeometry(geometry);
    return w;
}

} // namespace

TEST(Screenshot, WindowsSitAtTheirScreenPlacesInTheirUnion)
{
    QMainWindow main;
    main.setCentralWidget(filled(Qt::blue, QRect()));
    main.setGeometry(20, 30, 300, 200);
    // A panel hanging over the main window's right edge, as a floating dock may.
    QWidget* panel = filled(Qt::red, QRect(250, 100, 120, 160), &main, Qt::Tool);
    panel->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel));

    const QList<QWidget*> windows = screen_windows(&main);
    ASSERT_EQ(windows.size(), 2);
    EXPECT_EQ(windows[0], &main); // hidden, yet what the panel floats over
    EXPECT_EQ(windows[1], panel);

    QPoint origin;
    const QImage image = composite_windows(windows, &origin);
    EXPECT_EQ(origin, QPoint(20, 30));
    EXPECT_EQ(image.size(), QSize(350, 230)); // 20..370 by 30..260
    auto at = [&](int x, int y) { return QColor(image.pixel(x - origin.x(), y - origin.y())); };
    EXPECT_EQ(at(100, 150), QColor(Qt::blue));
    EXPECT_EQ(at(260, 110), QColor(Qt::red)); // the panel lies over the main window
    EXPECT_EQ(at(365, 250), QColor(Qt::red));
    // Outside both: transparent, not painted.
    EXPECT_EQ(qAlpha(image.pixel(360 - origin.x(), 40 - origin.y())), 0);
    delete panel;
}

TEST(Screenshot, MenusAndHiddenWindowsAreLeftOut)
{
    QMainWindow main;
    main.setGeometry(0, 0, 100, 100);
    QWidget* hidden = filled(Qt::green, QRect(500, 500, 50, 50), &main, Qt::Tool);
    QMenu menu;
    menu.addAction(QStringLiteral("item"));
    menu.popup(QPoint(400, 400));
    const QList<QWidget*> windows = screen_windows(&main);
    EXPECT_EQ(windows, QList<QWidget*>{&main});
    menu.close();
    delete hidden;
}

TEST(Screenshot, SavedAsPngOrReportedAsFailed)
{
    QMainWindow main;
    main.setCentralWidget(filled(Qt::blue, QRect()));
    main.setGeometry(0, 0, 120, 80);
    QTemporaryDir dir;
    QString error;
    const QString path = dir.filePath("shot.any-suffix");
    ASSERT_TRUE(save_screenshot(path, &main, &error)) << error.toStdString();
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), QByteArray("png"));
    EXPECT_EQ(reader.read().size(), QSize(120, 80));

    EXPECT_FALSE(save_screenshot(dir.filePath("missing/dir/shot.png"), &main, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("cannot write"))) << error.toStdString();
    EXPECT_FALSE(save_screenshot(dir.filePath("none.png"), nullptr, &error));
    EXPECT_EQ(error, QStringLiteral("no window to take a screenshot of"));
}
