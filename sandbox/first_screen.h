#ifndef QB_SANDBOX_FIRST_SCREEN_H
#define QB_SANDBOX_FIRST_SCREEN_H
// Where the demo puts its windows: the main window with its outliner and
// script editor, and the picker panel large enough for the whole body
// picker and clear of the outliner. The panel's place reaches the plug-in
// the way the host's would: through the stored geometry it reads as it
// opens, written in the sandbox's own settings store on a first run only.
#include <QtCore/QRect>
#include <QtCore/QSize>
#include <QtCore/QString>

struct first_screen_layout {
    QRect mainWindow;
    QRect panel;
};

// The layout in the available screen area for a panel of at least
// panelSize: beside the main window when there is room, up to
// preferredWidth wide; else over the main window's right side at
// panelSize, narrowed to keep clear of the leftmost outlinerWidth pixels
// (the outliner).
first_screen_layout first_screen(const QRect& available, const QSize& panelSize, int preferredWidth,
                                 int outlinerWidth);

// The panel size that shows a canvas of canvasSize whole: the canvas plus
// the panel's menu bar, tab bar and frames as the current style draws them.
QSize panel_size_for_canvas(const QSize& canvasSize);

// The demo's layout: the body picker's canvas (its background, drawn
// 320 × 450 by examples/make_demo.cpp) and the panel's link banner, beside
// the main window's outliner.
first_screen_layout demo_first_screen(const QRect& available);

// From here on, every settings store of the process (the plug-in's too) is
// kept under folder, not in the user's own settings.
void use_sandbox_settings(const QString& folder);

// Writes the panel's position and size where the plug-in reads them, unless
// a geometry is stored already (the user moved the panel in an earlier
// run). True when written.
bool store_panel_geometry_once(const QRect& panel);
#endif
