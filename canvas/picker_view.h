#ifndef QB_CANVAS_PICKER_VIEW_H
#define QB_CANVAS_PICKER_VIEW_H
#include "canvas/canvas_menu.h"
#include "canvas/control_binding.h"
#include "canvas/overlay_list.h"
#include "document/picker_document.h"
#include "edit/paste_buttons_cmd.h"
#include "model/button_defaults.h"
#include "render/button_painter.h"
#include "render/view_transform.h"

#include <QtCore/QTimer>
#include <QtWidgets/QWidget>

class QCursor;
class banner_overlay;
class canvas_menu;
class marquee_overlay;
class picker_mouse_cmd;

// One picker canvas: the widget showing one document through a pan and
// zoom, turning mouse and keys into selection changes and edit commands.
// The document owns the picker's data and undo stack; this widget owns its
// overlays, its menu and the mouse tracker in progress, and repaints when
// the document says it changed. Painting, trackers, overlays, the menu and
// cursors live in their own files.
class picker_view : public QWidget, public paste_view
{
    Q_OBJECT
public:
    // Shows document (taking it over); new buttons take the values in
    // defaults, which the window keeps and outlive the canvas.
    picker_view(picker_document* document, const button_defaults* defaults, QWidget* parent);
    ~picker_view() override;

    picker_document* document() const { return document_; }
    // The two the document's users need most.
    const QList<buttonRecord>& buttons() const { return document_->buttons(); }
    QUndoStack* undoStack() const { return document_->undoStack(); }
    const button_defaults& defaults() const { return *defaults_; }

    // View transform (picker units <-> canvas pixels).
    const view_transform& view() const { return view_; }
    double zoom() const { return view_.zoom; }
    QPoint shift() const { return view_.shift; }
    QPoint mapToPicker(const QPoint& p) const { return view_.mapToPicker(p); }
    QRect mapToPicker(const QRect& r) const { return view_.mapToPicker(r); }
    QPoint mapToScreen(const QPoint& p) const { return view_.mapToScreen(p); }
    QRect mapToScreen(const QRect& r) const { return view_.mapToScreen(r); }
    QRectF mapToScreenF(const QRect& r) const { return view_.mapToScreenF(r); }
    // Clamped zoom keeping the picker point under anchor in place.
    void setZoom(float zoom, const QPoint& anchor);
    void setShift(const QPoint& shift);
    // Animates to the view given, unclamped.
    void zoomWindow(float zoom, const QPoint& shift);
    void frameBounds(const QRect& bounds, bool noZoomIn);
    bool zoom_animating() const { return zoomTimer_.isActive(); }

    // The first button, in list order, whose outline (its box for the
    // default square) holds point, and whether one meets a canvas band.
    const buttonRecord* find_button(const QPoint& point) const;
    bool touches(const buttonRecord& button, const QRect& band) const;
    // The button under the last press or context menu, if it is still there.
    const buttonRecord* pressed_button() const;

    // The tracker in progress (owned). set_tracker finishes and deletes one
    // still installed; take_tracker hands it over.
    picker_mouse_cmd* tracker() const { return tracker_; }
    void set_tracker(picker_mouse_cmd* tracker);
    picker_mouse_cmd* take_tracker();

    marquee_overlay* marquee() const;
    banner_overlay* banner() const;
    // The context menu "Picker" and the canvas's keyboard actions.
    canvas_menu* menu() const { return menu_; }

    // What the controls show of the host, and a value set there (reread:
    // its lock changed, read it again).
    control_binding& controls() const { return controls_; }
    void attribute_changed(const QString& node, const QString& attribute, double value, bool reread = false);
    // A Ctrl-click that stayed put: a control under point goes back to its
    // attributes' defaults.
    void reset_control_at(const QPoint& point);

    void adjustCursor(bool force);
    bool execute_shortcut(QKeyEvent* e);
    // Asks the window to show this canvas's selection in its toolbox; every
    // edit and selection change does.
    void update_toolbox();
    // A plain click: every canvas's buttons and the window selection list
    // are cleared, this one's here, the others' by the window.
    void clear_all_selected();

signals:
    // An edit of the document is done.
    void changed();
    void toolboxUpdateRequested();
    // clear_all_selected: the window clears the other canvases.
    void clearingAllSelected();

public slots:
    void reset_view();
    void frame_view();
    void animate_zoom();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    friend class canvas_menu; // the press it acts on

    // paste_view: where a paste lands and how it is brought into view.
    QPoint centre_point() const override;
    void reveal(const QRect& pasted) override;

    int button_index_at(const QPoint& point) const;
    void start_animation(float zoom, const QPoint& shift);
    void left_press(QMouseEvent* e, const QPoint& point);
    void finish_tracker();
    void hover(const QPoint& point);
    void follow_list(int index, int change);

    picker_document* document_;
    const button_defaults* defaults_;
    picker_mouse_cmd* tracker_ = nullptr;
    view_transform view_; // shift, then zoom
    QPoint pressPoint_;
    QPoint hoverPoint_;
    QString tooltipText_;
    // The pressed button by list position; -1 for none.
    int pressed_ = -1;
    canvas_menu* menu_ = nullptr;
    QCursor* editCursor_ = nullptr;
    QCursor* addManyCursor_ = nullptr;
    int cursorState_ = 0;
    overlay_list overlays_;
    QTimer zoomTimer_;
    zoom_animation animation_;
    mutable button_painter::sprite_cache sprites_; // painting state only
    mutable control_binding controls_; // a cache of the host's values
};
#endif
