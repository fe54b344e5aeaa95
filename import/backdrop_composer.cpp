#include "import/backdrop_composer.h"
#include "import/import_limits.h"
#include "import/report_kinds.h"
#include <QtCore/QFileInfo>
#include <QtGui/QImageReader>
#include <QtGui/QPainter>
#include <QtGui/QTransform>
#include <cmath>

QImage read_bounded_image(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > import_limits::kMaxImageFileBytes)
        return QImage();
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > import_limits::kMaxImagePixels)
        return QImage();
    return reader.read();
}

namespace {

struct piece {
    QPainterPath fill;
    QRgb colour = 0;
    QImage picture;
    QRectF pictureRect;
    QRectF bounds() const
    {
        QRectF r = fill.isEmpty() ? QRectF() : fill.boundingRect();
        return picture.isNull() ? r : r.isNull() ? pictureRect : r.united(pictureRect);
    }
};

} // namespace

composed_backdrop compose_backdrops(const imported_tab& tab, const compose_options& options, import_report* report)
{
    composed_backdrop out;
    const double s = options.scale;
    QList<piece> pieces;
    QRectF area;
    for (const imported_backdrop& b : tab.backdrops) {
        piece p;
        if (qAlpha(b.fill) > 0 && !b.shape.bounds().isEmpty()) {
            QTransform t;
            t.scale(s, s);
            t.translate(b.position.x(), b.position.y());
            p.fill = t.map(b.shape.painterPath());
            p.colour = b.fill;
        }
        if (!b.image.isEmpty()) {
            if (!b.image.found) {
                report->add(report_kind::kImageMissing, b.image.stored);
            } else if (options.readImages) {
                p.picture = read_bounded_image(b.image.resolved);
                if (p.picture.isNull())
                    report->add(report_kind::kImageUnreadable, b.image.resolved);
            }
            if (!p.picture.isNull()) {
                QRectF r = b.imageRect;
                if (r.size().isEmpty()) {
                    // No size of its own: the picture's, about the position.
                    r = QRectF(QPointF(), QSizeF(p.picture.size()));
                    r.moveCenter(b.position);
                }
                p.pictureRect = QRectF(r.topLeft() * s, r.size() * s);
            }
        }
        if (p.fill.isEmpty() && p.picture.isNull())
            continue;
        area = area.isNull() ? p.bounds() : area.united(p.bounds());
        pieces.append(p);
    }
    if (pieces.isEmpty() || area.isEmpty())
        return out;
    const QPointF origin(std::floor(area.left()), std::floor(area.top()));
    const double w = std::ceil(area.right() - origin.x());
    const double h = std::ceil(area.bottom() - origin.y());
    const long long limit = options.maxPixels > 0 ? options.maxPixels : import_limits::kMaxBackgroundPixels;
    if (w > import_limits::kMaxBackgroundSide || h > import_limits::kMaxBackgroundSide || w * h > double(limit)) {
        report->add(report_kind::kBackgroundTooLarge,
                    QStringLiteral("%1 (%2 x %3)").arg(tab.name).arg(qint64(w)).arg(qint64(h)));
        return out;
    }
    QImage image(int(w), int(h), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        report->add(report_kind::kBackgroundTooLarge, tab.name);
        return out;
    }
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.translate(-origin);
    for (const piece& p : pieces) {
        if (!p.fill.isEmpty())
            painter.fillPath(p.fill, QColor::fromRgba(p.colour));
        if (!p.picture.isNull())
            painter.drawImage(p.pictureRect, p.picture);
    }
    painter.end();
    out.image = image.convertToFormat(QImage::Format_ARGB32);
    out.origin = origin;
    return out;
}
