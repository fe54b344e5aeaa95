#ifndef QB_CANVAS_PICKER_VIEW_H
#define QB_CANVAS_PICKER_VIEW_H
#include "canvas/button_painter.h"
#include "canvas/overlay_list.h"
#include "canvas/stream_part_cache.h"
#include "canvas/view_transform.h"
#include "model/buttonRecord.h"
#include "model/button_block_cache.h"
#include "model/button_set.h"

#include <QtCore/QDataStream>
#include <QtCore/QList>
#include <QtCore/QTimer>
#include <QtGui/QPixmap>
#include <QUndoStack>
#include <QtWidgets/QWidget>

class QAction;
class QCursor;
class QMenu;
class banner_overlay;
class marquee_overlay;
class picker_mouse_cmd;
class picker_window;

// One picker canvas: the widget of one tab. It owns the picker's buttons,
// background, overlays, undo stack and the mouse tracker in progress, and
// shows them through a pan and zoom. Painting, trackers, overlays and
// cursors live in their own files; this class routes events to them.
class picker_view : public QWidget
{
    Q_OBJECT
public:
    explicit picker_view(picker_window* window);
    ~picker_view() override;

    picker_window* window() const { return window_; }

    // View transform (picker units <-> canvas pixels).
    const view_transform& view() const { return view_; }
    double zoom() const { return view_.zoom; }
    QPoint shift() const { return view_.shift; }
    QPoint mapToPicker(const QPoint& p) const { return view_.mapToPicker(p); }
    QPoint mapToScreen(const QPoint& p) const { return view_.mapToScreen(p); }
    QRect mapToPicker(const QRect& r) const { return view_.mapToPicker(r); }
    QRect mapToScreen(const QRect& r) const { return view_.mapToScreen(r); }
    QRectF mapToScreenF(const QRect& r) const { return view_.mapToScreenF(r); }

    // Clamped zoom keeping the picker point under anchor in place.
    void setZoom(float zoom, const QPoint& anchor);
    void setShift(const QPoint& shift);
    // Animates to the view given, unclamped.
    void zoomWindow(float zoom, const QPoint& shift);
    QRect button_bounds(bool selectedOnly) const;
    void frameBounds(const QRect& bounds, bool noZoomIn);
    bool zoom_animating() const { return zoomTimer_.isActive(); }

    // Buttons. push_button appends (index < 0) or inserts and returns the
    // button's index; the caller keeps pop_button's index valid.
    const QList<buttonRecord>& buttons() const { return buttons_; }
    int push_button(const buttonAttributes& attributes, int index);
    void pop_button(int index);
    void make_button_label(const buttonAttributes& attributes, buttonRecord* record);
    void set_button_label(buttonRecord* record, const QString& text);
    void set_button_size(buttonRecord* record, int size);
    // A record to change in place: what the picker data holds may change.
    buttonRecord* button(int index)
    {
        touch_buttons();
        return &buttons_[index];
    }
    void reset_buttons();
    // The first button, in list order, whose canvas box holds point.
    buttonRecord* find_button(const QPoint& point);
    buttonRecord* pressed_button() const { return pressed_; }

    // Bumped whenever the list gains, loses or replaces records, so that a
    // tracker holding a position in it can tell it is stale.
    quint64 buttons_generation() const { return generation_; }
    int index_of(const buttonRecord* record) const;

    // Selection bookkeeping: button states from node names and back.
    bool any_selected() const;
    bool conform_to_set(const button_set& set);
    bool conform_to_selection();
    void append_selected(button_set& set) const;
    bool conform_to_selected();
    bool clear_selected();
    bool unselect(buttonRecord* button);
    bool select_bounds(const QRect& rect, bool additive);
    void select_list(const QVector<int>& indices, bool flagsOnly);
    // Queues a command button's script for the host's idle time.
    void do_button_action(const buttonAttributes& button);
    // The tooltip of a selection button: its nodes, at most four lines.
    static QString hover_text(const QStringList& nodes);

    void setBackground(const QString& name, const QPixmap& image);
    // The picker file this canvas was last loaded from or saved to; empty
    // when never saved.
    const QString& filePath() const { return filePath_; }
    void setFilePath(const QString& path) { filePath_ = path; }

    // The button block of the picker data, as every stream layout holds it.
    void streamTo(QDataStream& stream) const;
    // This tab's two blocks of the window stream, encoded when first asked
    // for after a change to what they hold, and kept until the next.
    const QByteArray& encoded_background() const;
    const QByteArray& encoded_buttons() const;
    // Change every time what the block holds may change, and are never the
    // same for two canvases: a writer that kept a block's compressed bytes
    // knows them by these.
    quint64 background_revision() const { return backgroundRevision_; }
    quint64 buttons_revision() const { return buttonsRevision_; }
    void streamFrom(QDataStream& stream, int version);
    // Replaces every button (the undo stack is cleared first).
    void set_buttons(QList<buttonAttributes> const& buttons);
    // The attributes of the fully selected buttons, in canvas order.
    QList<buttonAttributes> getButtons() const;
    const QPixmap& background() const { return background_; }
    const QString& backgroundName() const { return backgroundName_; }

    QUndoStack* undoStack() { return &undo_; }
    const QUndoStack* undoStack() const { return &undo_; }

    // The tracker in progress (owned). set_tracker finishes and deletes one
    // still installed; take_tracker hands it over.
    picker_mouse_cmd* tracker() const { return tracker_; }
    void set_tracker(picker_mouse_cmd* tracker);
    picker_mouse_cmd* take_tracker();

    marquee_overlay* marquee() const;
    banner_overlay* banner() const;
    QMenu* context_menu() const { return menu_; }
    QAction* command_action() const { return commandAction_; }
    QCursor* edit_cursor() const { return editCursor_; }
    QCursor* add_many_cursor() const { return addManyCursor_; }

    void adjustCursor(bool force);
    bool execute_shortcut(QKeyEvent* e);
    void setWidgetShortcut(QAction* action, const QKeySequence& sequence) const;

    // Brings the window's toolbox in line with this canvas's selection;
    // every edit and selection change calls it.
    void update_toolbox() const;
    // Pushes a nudge of the selected buttons by one step, if any is selected.
    void nudge_buttons(int dx, int dy);

    // Namespaces (picker_view_namespaces.cpp): the ones the buttons use,
    // sorted, appended to out; and binding them to the scene's, asking the
    // user when one is missing or when forced.
    void collectCurrentNamespace(QStringList& out) const;
    void rebind(QStringList const& scene, bool force);

    void draw_buttons(QPainter& painter, const QRect& area) const;
    void draw_one_button(QPainter& painter, const buttonRecord& button) const;
    void draw_command_button(QPainter& painter, const buttonRecord& button) const;
    void draw_label(QPainter& painter, const buttonRecord& button, const QPointF& centre) const;

signals:
    void changed();

public slots:
    void add_one_button();
    void add_many_buttons();
    void update_button();
    void delete_button();
    void add_command_button();
    void change_background();
    void align_horizontal();
    void align_vertical();
    void distribute_horizontal();
    void distribute_vertical();
    void adjust_size_up();
    void adjust_size_down();
    void reset_view();
    void frame_view();
    void animate_zoom();
    void nudge_left();
    void nudge_right();
    void nudge_up();
    void nudge_down();

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
    // Every access that may change a button's stored attributes calls it;
    // when in doubt, call it: a block kept too long corrupts the scene data.
    void touch_buttons() { buttonsRevision_ = next_revision(); }
    static quint64 next_revision();
    bool releases_own_background() const;
    void make_actions();
    QAction* make_action(const QString& text, void (picker_view::*slot)());
    void start_animation(float zoom, const QPoint& shift);
    void show_context_menu(QMouseEvent* e, const QPoint& point);
    void left_press(QMouseEvent* e, const QPoint& point);
    void finish_tracker();
    void name_command_action();

    picker_window* window_;
    picker_mouse_cmd* tracker_ = nullptr;
    view_transform view_; // shift, then zoom
    QString filePath_;
    QPoint pressPoint_;
    QPoint hoverPoint_;
    QString tooltipText_;
    QMenu* menu_ = nullptr;
    QMenu* buttonsMenu_ = nullptr;
    QAction* addOneAction_ = nullptr;
    QAction* addManyAction_ = nullptr;
    QAction* updateAction_ = nullptr;
    QAction* deleteAction_ = nullptr;
    QAction* commandAction_ = nullptr;
    QAction* resetViewAction_ = nullptr;
    QAction* frameViewAction_ = nullptr;
    QAction* alignHorizontalAction_ = nullptr;
    QAction* alignVerticalAction_ = nullptr;
    QAction* distributeHorizontalAction_ = nullptr;
    QAction* distributeVerticalAction_ = nullptr;
    QAction* nudgeLeftAction_ = nullptr;
    QAction* nudgeRightAction_ = nullptr;
    QAction* nudgeUpAction_ = nullptr;
    QAction* nudgeDownAction_ = nullptr;
    QAction* increaseSizeAction_ = nullptr;
    QAction* decreaseSizeAction_ = nullptr;
    QCursor* editCursor_ = nullptr;
    QCursor* addManyCursor_ = nullptr;
    int cursorState_ = 0;
    QList<buttonRecord> buttons_;
    quint64 generation_ = 0;
    quint64 buttonsRevision_ = next_revision();
    quint64 backgroundRevision_ = next_revision();
    mutable stream_part_cache buttonsPart_;
    mutable button_block_cache buttonBlock_;
    mutable stream_part_cache backgroundPart_;
    buttonRecord* pressed_ = nullptr;
    overlay_list overlays_;
    QUndoStack undo_;
    QTimer zoomTimer_;
    zoom_animation animation_;
    QPixmap background_;
    QString backgroundName_;
    mutable button_painter::sprite_cache sprites_; // painting state only
};
#endif
