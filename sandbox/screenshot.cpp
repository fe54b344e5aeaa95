#include "sandbox/screenshot.h"
#include <QtCore/QSaveFile>
#include <QtGui/QImageWriter>
#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

QList<QWidget*> screen_windows(QWidget* mainWindow)
{
    QList<QWidget*> out;
    if (mainWindow)
        out << mainWindow->window();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (out.contains(w) || !w->isVisible() || !w->isWindow())
            continue;
        const Qt::WindowType type = w->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen || type == Qt::Desktop)
            continue;
        out << w;
    }
    return out;
}

QImage composite_windows(const QList<QWidget*>& windows, QPoint* origin)
{
    QRect area;
    for (QWidget* w : windows)
        area = area.united(w->geometry());
    if (origin)
        *origin = area.topLeft();
    if (area.isEmpty())
        return QImage();
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (QWidget* w : windows) {
        // grab() lays out and renders a hidden window too.
        const QPixmap pixels = w->grab();
        painter.drawPixmap(QRect(w->geometry().topLeft() - area.topLeft(), w->size()), pixels);
    }
    painter.end();
    return image;
}

bool save_screenshot(const QString& path, QWidget* mainWindow, QString* error)
{
    const QImage image = composite_windows(screen_windows(mainWindow));
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("no window to take a screenshot of");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("cannot write \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        if (error)
            *error = QStringLiteral("cannot write \"%1\": %2").arg(path, writer.errorString());
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
