#include "sandbox/first_screen.h"
#include <QtCore/QSettings>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStyle>
#include <QtWidgets/QTabBar>

namespace {
// The host's main window size when the screen has room for it.
const QSize kMainWindow(1100, 760);
const int kGap = 8;
// The plug-in's own store and keys.
const char kOrganisation[] = "Quillbrook";
const char kApplication[] = "picker";
} // namespace

first_screen_layout first_screen(const QRect& available, const QSize& panelSize, int preferredWidth,
                                 int outlinerWidth)
{
    first_screen_layout out;
    out.mainWindow = QRect(available.topLeft(), kMainWindow.boundedTo(available.size()));
    const QSize panel = panelSize.boundedTo(available.size());
    const int room = available.right() - out.mainWindow.right() - kGap;
    if (room >= panel.width()) {
        // Beside the main window: nothing of it is covered.
        out.panel = QRect(QPoint(out.mainWindow.right() + 1 + kGap, available.top()),
                          QSize(qBound(panel.width(), preferredWidth, room), panel.height()));
        return out;
    }
    // Over the main window's right side at the least width, leaving the
    // script editor what it can; narrowed rather than over the outliner.
    const int left = qMax(available.right() + 1 - panel.width(), out.mainWindow.left() + outlinerWidth + kGap);
    out.panel = QRect(QPoint(left, available.top()), QSize(qMin(panel.width(), available.right() + 1 - left),
                                                            panel.height()));
    return out;
}

QSize panel_size_for_canvas(const QSize& canvasSize)
{
    QMenuBar menus;
    menus.addMenu(QStringLiteral("&File"));
    QTabBar tabs;
    tabs.addTab(QStringLiteral("Body"));
    const int frame = 2 * qApp->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    // The toolbox row under the tabs: its tallest control and 4 pixels
    // above and below.
    const int toolbox = qMax(QPushButton(QStringLiteral("Color")).sizeHint().height(),
                             QLineEdit().sizeHint().height()) + 8;
    // A few pixels of slack: the dock's own margins.
    const int slack = 8;
    return QSize(canvasSize.width() + frame + slack,
                 canvasSize.height() + menus.sizeHint().height() + tabs.sizeHint().height() + toolbox + frame +
                     slack);
}

first_screen_layout demo_first_screen(const QRect& available)
{
    // The panel's link banner, 40 pixels high, lies over the canvas's
    // bottom: the picker goes above it.
    const QSize canvas(320, 450 + 40);
    // Wide enough for the banner's links where the screen allows.
    const int bannerWidth = 600;
    // The main window docks its outliner 220 pixels wide, plus its frame
    // and the splitter's handle.
    const int outliner = 240;
    return first_screen(available, panel_size_for_canvas(canvas), bannerWidth, outliner);
}

void use_sandbox_settings(const QString& folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

bool store_panel_geometry_once(const QRect& panel)
{
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    if (settings.contains(QStringLiteral("pickerSize")) || settings.contains(QStringLiteral("pickerPosition")))
        return false;
    settings.setValue(QStringLiteral("pickerSize"), panel.size());
    settings.setValue(QStringLiteral("pickerPosition"), panel.topLeft());
    settings.sync();
    return true;
}
