#include "canvas/banner_overlay.h"
#include "canvas/picker_view.h"
#include "canvas/track_url_cmd.h"
#include <QtGui/QFont>
#include <QtGui/QFontMetrics>
#include <QtGui/QPainter>

QImage banner_overlay::logo_;

namespace {
const QRgb kBandColor = 0xFF929292u;
}

banner_overlay::bannerRecord::bannerRecord(const char* label, const char* link)
    : label(QString::fromLatin1(label)), link(QString::fromLatin1(link))
{
}

banner_overlay::banner_overlay(picker_view* view) : view_(view)
{
    records_ << bannerRecord("Learn at Quillbrook", "https://quillbrook.example/learn")
             << bannerRecord("Free Characters", "https://quillbrook.example/characters")
             << bannerRecord("Blog", "https://quillbrook.example/blog")
             << bannerRecord("Forums", "https://quillbrook.example/forums");
    resize(view->width(), view->height());
}

void banner_overlay::resize(int W, int H)
{
    if (W < 1 || H < 1)
        return;
    if (logo_.isNull() || logo_.width() == 0)
        logo_ = QImage(QString::fromLatin1(":/resources/PickerWindowLogoCropped.png"));
    if (logo_.isNull())
        return;

    // Heap strings: the toolkit's font cache outlives the plug-in module.
    const QFont font(QString::fromLatin1("Tahoma"), 12);
    const QFontMetrics metrics(font);
    QVector<int> widths;
    int total = logo_.width();
    for (bannerRecord& r : records_) {
        r.hit = metrics.boundingRect(r.label);
        widths.append(r.hit.width());
        total += r.hit.width();
    }
    gap_ = qMax(int(float(W - total) / (float(records_.size()) + 1.25f)), kMinGap);

    const int logoH = logo_.height();
    QVector<int> xs;
    int x = logo_.width() + gap_;
    for (int i = 0; i < records_.size(); ++i) {
        xs.append(x);
        records_[i].hit = QRect(QPoint(x, H - kBandHeight), QPoint(x + widths[i] - 1, H));
        x += widths[i] + gap_;
    }

    image_ = QImage(W, logoH, QImage::Format_ARGB32);
    image_.fill(Qt::transparent);
    QPainter painter;
    if (painter.begin(&image_)) {
        painter.fillRect(QRect(QPoint(0, logoH - kBandHeight), QPoint(W - 1, logoH - 1)),
                         QColor::fromRgba(kBandColor));
        painter.drawImage(QPoint(0, 3), logo_);
        painter.setFont(font);
        painter.setBrush(Qt::white);
        painter.setPen(Qt::white);
        for (int i = 0; i < records_.size(); ++i)
            painter.drawText(QPoint(xs[i], logoH - 7), records_[i].label);
        painter.end();
    }
    area_ = QRect(QPoint(0, H - logoH), QPoint(W - 1, H - 1));
}

void banner_overlay::draw(QPainter& painter)
{
    painter.drawImage(area_.topLeft(), image_);
}

bool banner_overlay::click(const QPoint& point) const
{
    if (!area_.contains(point))
        return false;
    if (area_.bottom() - point.y() > kBandHeight)
        return false; // only the band is live
    if (point.x() - area_.left() <= logo_.width())
        return false; // the logo is not a link
    for (const bannerRecord& r : records_) {
        if (point.x() >= r.hit.left() && point.x() <= r.hit.right()) {
            view_->set_tracker(new track_url_cmd(r.hit, point, r.link));
            return true;
        }
    }
    return false;
}
