// qbx render FILE.qbx -o OUT.png [--size WxH]: the picker painted as the
// canvas paints it (backdrop, background, buttons), framed like Frame View.
#include "render/button_painter.h"
#include "render/view_transform.h"
#include "model/button_label.h"
#include "qbx_commands.h"
#include "qbx_files.h"
#include "qbx_output.h"
#include <QtCore/QBuffer>
#include <QtCore/QRegularExpression>
#include <QtCore/QSaveFile>
#include <QtGui/QPainter>

namespace qbx {

namespace {

const int kMaxSide = 8192;

bool parse_size(const QString& text, QSize* size, QString* error)
{
    if (text.isEmpty()) {
        *size = QSize(400, 400);
        return true;
    }
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$")).match(text);
    const int w = m.hasMatch() ? m.captured(1).toInt() : 0;
    const int h = m.hasMatch() ? m.captured(2).toInt() : 0;
    if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide) {
        *error = QStringLiteral("--size wants WIDTHxHEIGHT, each from 1 to %1, not \"%2\"").arg(kMaxSide).arg(text.trimmed());
        return false;
    }
    *size = QSize(w, h);
    return true;
}

QImage paint(const picker_tab_data& tab, const QSize& size)
{
    QList<buttonRecord> buttons;
    QRect bounds;
    for (const buttonAttributes& a : tab.buttons) {
        buttonRecord r(a);
        if (!r.label.isEmpty())
            button_label::apply(a, &r);
        bounds = buttons.isEmpty() ? r.rect : bounds.united(r.rect);
        buttons.append(r);
    }
    view_transform view;
    float zoom = 1.0f;
    QPoint shift;
    if (!buttons.isEmpty() && frame_target(bounds, size, false, 1.0, &zoom, &shift))
        view = view_transform(shift, zoom);

    QImage image(size, QImage::Format_ARGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRect all(QPoint(0, 0), size);
    p.fillRect(all, QColor(51, 51, 51));
    if (!tab.background.isNull())
        p.drawImage(view.mapToScreen(QRect(QPoint(0, 0), tab.background.size())), tab.background);
    button_painter(p, view, nullptr, &tab.pictures).draw_buttons(buttons, all);
    p.end();
    return image;
}

} // namespace

int run_render(const command_line& line)
{
    QSize size;
    QString error;
    if (!parse_size(line.size, &size, &error))
        return fail(error);
    picker_file_check read = picker_file_check::read(line.file);
    if (!read.ok())
        return fail(read.error);
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!paint(read.tab, size).save(&buffer, "PNG"))
            return fail(QStringLiteral("could not encode the picture"));
    }
    QSaveFile out(line.output);
    if (!out.open(QIODevice::WriteOnly) || out.write(png) != png.size() || !out.commit())
        return fail(QStringLiteral("%1: cannot write: %2").arg(line.output, out.errorString()));
    if (read.has_problems()) {
        warn(line.file + QStringLiteral(": ") + read.summary());
        return kExitProblems;
    }
    return kExitOk;
}

} // namespace qbx
