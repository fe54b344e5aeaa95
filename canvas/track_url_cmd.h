#ifndef QB_CANVAS_TRACK_URL_CMD_H
#define QB_CANVAS_TRACK_URL_CMD_H
#include "canvas/picker_mouse_cmd.h"
#include <QtCore/QRect>
#include <QtCore/QString>

// A press on a banner link: opens it when the release lands on the link.
class track_url_cmd : public picker_mouse_cmd
{
public:
    track_url_cmd(const QRect& hit, const QPoint& press, const QString& link);
    void update(const QPoint& point, int modifiers) override;
    void finish() override;

private:
    QRect hit_;
    QPoint last_;
    QString link_;
};
#endif
