#include "canvas/track_url_cmd.h"
#include <QtCore/QUrl>
#include <QtGui/QDesktopServices>

track_url_cmd::track_url_cmd(const QRect& hit, const QPoint& press, const QString& link)
    : hit_(hit), last_(press), link_(link)
{
}

void track_url_cmd::update(const QPoint& point, int)
{
    last_ = point;
}

void track_url_cmd::finish()
{
    if (hit_.contains(last_))
        QDesktopServices::openUrl(QUrl(link_, QUrl::TolerantMode));
}
