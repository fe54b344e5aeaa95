// Draws the plug-in's images (logo, banner strip, arrange icons) into a
// folder. Run once by hand when they change; the results are kept in
// resources/images:  make_images <folder>
#include <QtCore/QDir>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <cstdio>

static void drawQuill(QPainter& p, const QRectF& box)
{
    // A feather: a curved vane around a shaft, nib at the bottom left.
    const qreal w = box.width(), h = box.height();
    QPainterPath vane;
    vane.moveTo(box.left() + 0.18 * w, box.bottom() - 0.10 * h);
    vane.cubicTo(box.left() + 0.10 * w, box.top() + 0.45 * h, box.left() + 0.55 * w, box.top() + 0.05 * h,
                 box.right() - 0.05 * w, box.top() + 0.02 * h);
    vane.cubicTo(box.right() - 0.15 * w, box.top() + 0.40 * h, box.left() + 0.55 * w, box.bottom() - 0.20 * h,
                 box.left() + 0.18 * w, box.bottom() - 0.10 * h);
    QLinearGradient g(box.topRight(), box.bottomLeft());
    g.setColorAt(0.0, QColor(120, 200, 255));
    g.setColorAt(1.0, QColor(20, 90, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(vane);
    p.setPen(QPen(QColor(240, 240, 240), qMax<qreal>(1.0, w / 24.0), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(box.left() + 0.08 * w, box.bottom() - 0.02 * h),
               QPointF(box.right() - 0.12 * w, box.top() + 0.12 * h));
}

static QImage logo()
{
    QImage img(64, 64, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 52, 64));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    drawQuill(p, QRectF(10, 8, 44, 48));
    return img;
}

static QImage bannerLogo()
{
    // 196 by 40: the band of the banner covers the lower 22 pixels, so the
    // word sits on the band and the feather rises above it.
    QImage img(196, 40, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 52, 64));
    p.drawRoundedRect(QRectF(0, 18, 196, 22), 4, 4);
    drawQuill(p, QRectF(4, 0, 30, 38));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(235, 235, 235));
    p.drawText(QRectF(38, 18, 154, 22), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Quillbrook"));
    return img;
}

static QImage arrangeIcon(bool horizontal, bool distribute)
{
    QImage img(24, 24, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor line(60, 60, 60), box(70, 140, 220);
    p.setPen(Qt::NoPen);
    p.setBrush(box);
    if (!distribute) {
        // Boxes of different sizes centred on one line.
        p.fillRect(horizontal ? QRect(0, 11, 24, 2) : QRect(11, 0, 2, 24), line);
        const QRect boxes[] = {horizontal ? QRect(2, 6, 6, 12) : QRect(6, 2, 12, 6),
                               horizontal ? QRect(9, 3, 6, 18) : QRect(3, 9, 18, 6),
                               horizontal ? QRect(16, 8, 6, 8) : QRect(8, 16, 8, 6)};
        for (const QRect& r : boxes)
            p.drawRoundedRect(r, 1.5, 1.5);
    } else {
        // Equal boxes at equal steps between two end marks.
        p.fillRect(horizontal ? QRect(0, 2, 2, 20) : QRect(2, 0, 20, 2), line);
        p.fillRect(horizontal ? QRect(22, 2, 2, 20) : QRect(2, 22, 20, 2), line);
        for (int i = 0; i < 3; ++i) {
            const QRect r = horizontal ? QRect(3 + i * 7, 7, 4, 10) : QRect(7, 3 + i * 7, 10, 4);
            p.drawRoundedRect(r, 1, 1);
        }
    }
    return img;
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_images <folder>\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    dir.mkpath(QStringLiteral("."));
    bool ok = logo().save(dir.filePath(QStringLiteral("QuillbrookLogo.png")));
    ok &= bannerLogo().save(dir.filePath(QStringLiteral("PickerWindowLogoCropped.png")));
    ok &= arrangeIcon(true, false).save(dir.filePath(QStringLiteral("align-horizontal.png")));
    ok &= arrangeIcon(false, false).save(dir.filePath(QStringLiteral("align-vertical.png")));
    ok &= arrangeIcon(true, true).save(dir.filePath(QStringLiteral("distribute-horizontal.png")));
    ok &= arrangeIcon(false, true).save(dir.filePath(QStringLiteral("distribute-vertical.png")));
    return ok ? 0 : 1;
}
