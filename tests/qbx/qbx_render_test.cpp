// qbx render: the picker painted into a PNG as the canvas paints it.
#include "byte_builder.h"
#include "temp_files.h"
#include <gtest/gtest.h>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>

namespace {

struct result {
    int status = -1;
    QByteArray err;
};

result qbx(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(QBX_PATH), args);
    result r;
    if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit)
        r.status = p.exitCode();
    r.err = p.readAllStandardError();
    return r;
}

QString write(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    return write_temp_file(dir, QLatin1String(name), bytes);
}

QRgb rgb(const QImage& img, int x, int y)
{
    return img.pixel(x, y) & 0xffffff;
}

} // namespace

TEST(QbxRender, FramedLikeFrameViewWithEveryLook)
{
    QTemporaryDir dir;
    // Single-node buttons of size 10 at x = 0 and 100, a command button at
    // 50, a two-node one at (50, 30), all unselected.
    byte_builder b;
    b.i32(4).str("Body").str("").i32(4)
        .button(4, 0, {0, 0}, 10, 0, 0, 0xffff0000, 0, "", {"hero:a"})      // top byte ignored
        .button(4, 1, {100, 0}, 10, 0, 0, 0x0000ff00, 0, "", {"hero:b"})
        .button(4, 2, {50, 0}, 10, 1, 0, 0x000000ff, 0, "", {"select -r hero:a;"})
        .button(4, 3, {50, 30}, 10, 0, 0, 0x00ffff00, 0, "", {"hero:c", "hero:d"});
    const QString in = write(dir, "p.qbx", b.bytes());
    const QString out = dir.filePath("p.png");
    ASSERT_EQ(qbx({"render", in, "-o", out}).status, 0);
    QImage img(out);
    ASSERT_EQ(img.size(), QSize(400, 400));

    // Bounds x -4..105, y -4..35 (110 by 40): zoom = 400 / 110 * 0.75, centred on (50, 15).
    const float z = 400.0f / 110.0f * 0.75f;
    auto at = [&](int px, int py) { return QPoint(int(200 - 50 * z + px * z), int(200 - 15 * z + py * z)); };
    EXPECT_EQ(rgb(img, 2, 2), 0x333333u); // the backdrop
    EXPECT_EQ(rgb(img, at(0, 0).x(), at(0, 0).y()), 0xff0000u);
    EXPECT_EQ(rgb(img, at(100, 0).x(), at(100, 0).y()), 0x00ff00u);
    EXPECT_EQ(rgb(img, at(50, 0).x(), at(50, 0).y()), 0x0000ffu); // between the gradient's ends
    EXPECT_EQ(rgb(img, at(50, 30).x(), at(50, 30).y()), 0xffff00u);
    // The two-node button is an ellipse: its box's corner shows the backdrop.
    const QPoint corner = at(46, 26);
    EXPECT_EQ(rgb(img, corner.x(), corner.y()), 0x333333u);
    // The command button is lighter at its top edge than in its middle.
    const QPoint top = at(50, -4) + QPoint(0, 1);
    EXPECT_GT(qBlue(img.pixel(top)) + qGreen(img.pixel(top)), 0xff);

    // Another size, and a picker with no buttons renders the backdrop only.
    ASSERT_EQ(qbx({"render", in, "-o", out, "--size", "120x80"}).status, 0);
    EXPECT_EQ(QImage(out).size(), QSize(120, 80));
    const QString empty = write(dir, "e.qbx", byte_builder().i32(4).str("E").str("").i32(0).bytes());
    ASSERT_EQ(qbx({"render", empty, "-o", out}).status, 0);
    EXPECT_EQ(rgb(QImage(out), 200, 200), 0x333333u);
}

TEST(QbxRender, BadArgumentsFailInOneLine)
{
    QTemporaryDir dir;
    const QString in = write(dir, "e.qbx", byte_builder().i32(4).str("E").str("").i32(0).bytes());
    for (const QStringList& args : {QStringList{"render", in, "-o", dir.filePath("x.png"), "--size", "0x10"},
                                    QStringList{"render", in, "-o", dir.filePath("x.png"), "--size", "big"},
                                    QStringList{"render", in},
                                    QStringList{"render", dir.filePath("missing.qbx"), "-o", dir.filePath("x.png")},
                                    QStringList{"render", in, "-o", dir.filePath("no/such/dir/x.png")}}) {
        const result r = qbx(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith("qbx: ")) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));
}
