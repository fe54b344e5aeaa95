#ifndef QB_SANDBOX_SCREENSHOT_H
#define QB_SANDBOX_SCREENSHOT_H
// The screenshot (--screenshot): the host's main window and every other
// visible top-level window (the floating picker panel, dialogs) painted at
// their places into one image covering them all.
#include <QtCore/QList>
#include <QtCore/QPoint>
#include <QtCore/QString>
#include <QtGui/QImage>

class QWidget;

// The main window first (shown or not: in batch mode it stays hidden but is
// still what the panel floats over), then the visible top-level windows in
// creation order. Menus and tool tips are left out.
QList<QWidget*> screen_windows(QWidget* mainWindow);

// The windows drawn at their screen geometry, later ones over earlier
// ones, into a transparent image over the union of their geometries.
// origin receives the screen position of the image's top-left pixel.
QImage composite_windows(const QList<QWidget*>& windows, QPoint* origin = nullptr);

// Composites screen_windows(mainWindow) and writes it as PNG. False with a
// message.
bool save_screenshot(const QString& path, QWidget* mainWindow, QString* error);
#endif
