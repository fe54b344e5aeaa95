#include "model/button_label.h"
#include <QtGui/QFontMetrics>
#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <QtCore/QCache>
#include <QtCore/QPair>
#include <QtCore/QtMath>

QFont button_label::font()
{
    // A heap string: the toolkit's font cache outlives the plug-in module.
    QFont f(QString::fromLatin1("Tahoma"), 12, QFont::Normal, false);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QSize button_label::pictureSize(const QString& text)
{
    const QRect r = QFontMetrics(font()).boundingRect(text);
    int w = r.width();
    int h = r.height();
    if (w % 2 != 0)
        ++w;
    if (h % 2 != 0)
        ++h;
    return QSize(w, h);
}

QRect button_label::labelRect(const QPoint& position, int size, const QSize& picture)
{
    const int W = qMax(picture.width() + 2, size);
    const int H = qMax(picture.height(), size);
    return QRect(position.x() - (W - 1) / 2, position.y() - (H - 1) / 2, W, H);
}

QImage button_label::render(const QString& text, QRgb color, qreal pixelRatio)
{
    const QSize size = pictureSize(text);
    QImage image(qCeil(size.width() * pixelRatio), qCeil(size.height() * pixelRatio), QImage::Format_ARGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    if (image.isNull())
        return image; // an empty text measures nothing
    QPainter painter(&image);
    painter.setFont(font());
    painter.setBrush(QBrush(Qt::black, Qt::SolidPattern));
    painter.setPen(QColor(color)); // the top byte is never painted
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignHCenter | Qt::AlignVCenter, text);
    return image;
}

namespace {

// Pickers repeat their labels (the sides of a rig, tabs of one character),
// and a scene restores thousands of them at once: one rendered picture per
// text and colour serves every button showing it. Images, not pixmaps, so
// that nothing of the window system outlives the application here.
QImage cachedPicture(const QString& text, QRgb color)
{
    using Key = QPair<QString, QRgb>;
    static QCache<Key, QImage> pictures(16 << 20); // bytes
    const Key key(text, color);
    if (const QImage* kept = pictures.object(key))
        return *kept;
    // In the pixmaps' own format: a pixmap made from it is a plain copy.
    const QImage image = button_label::render(text, color).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    pictures.insert(key, new QImage(image), int(qMin<qint64>(image.sizeInBytes() + text.size() * 2 + 64, 1 << 24)));
    return image;
}

} // namespace

void button_label::apply(const buttonAttributes& attributes, buttonRecord* record)
{
    const QImage image = cachedPicture(attributes.label, attributes.labelColor);
    record->labelPicture = QPixmap::fromImage(image);
    record->rect = labelRect(attributes.position, attributes.size, image.size());
    record->fit_shape();
}

