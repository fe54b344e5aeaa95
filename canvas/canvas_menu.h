#ifndef QB_CANVAS_CANVAS_MENU_H
#define QB_CANVAS_CANVAS_MENU_H
#include <QtCore/QObject>
#include <QtCore/QPoint>

class QAction;
class QMenu;
class QMouseEvent;
class picker_view;

// A canvas's context menu "Picker" with its "Buttons" submenu, and the
// keyboard-only nudges: the actions (added to the canvas, whose own
// dispatch searches them), which of them are live when the menu opens, and
// the slots they run, each pushing one command on the document's undo
// stack (add many excepted, which installs its tracker).
class canvas_menu : public QObject
{
    Q_OBJECT
public:
    explicit canvas_menu(picker_view* view);

    QMenu* context_menu() const { return menu_; }
    QAction* command_action() const { return commandAction_; }
    // Runs the menu for a right press at a canvas point (the pressed button
    // already known to the canvas).
    void show_at(QMouseEvent* e, const QPoint& point);
    // Pushes a nudge of the selected buttons by one step, if any is selected.
    void nudge_buttons(int dx, int dy);

public slots:
    void add_one_button();
    void add_many_buttons();
    void update_button();
    void delete_button();
    void add_command_button();
    // A slider, pad or toggle for the host's selection through the control
    // editor, or the pressed control edited in it.
    void add_slider();
    void add_pad();
    void add_toggle();
    void change_background();
    void align_horizontal();
    void align_vertical();
    void distribute_horizontal();
    void distribute_vertical();
    void adjust_size_up();
    void adjust_size_down();
    void nudge_left();
    void nudge_right();
    void nudge_up();
    void nudge_down();
    // A picture on the selected buttons, drawn in their shapes.
    void set_image();
    void remove_image();
    // Mirrored copies of the selected buttons, or the buttons mirrored in place.
    void mirror_buttons();
    void flip_buttons();
    // One button per selected control, its outline the control's curves
    // as the host's front, side or top camera sees them.
    void add_from_front();
    void add_from_side();
    void add_from_top();
    // Waits for a click that puts the picker's mirror axis there.
    void set_mirror_axis();

private:
    QAction* make_action(const QString& text, void (canvas_menu::*slot)());
    QAction* make_view_action(const QString& text, void (picker_view::*slot)());
    void make_actions();
    void name_command_action();
    void add_control(int kind);
    void arrange(int mode);
    void add_from_controls(int view);

    picker_view* view_;
    QMenu* menu_ = nullptr;
    QMenu* buttonsMenu_ = nullptr;
    QMenu* controlsMenu_ = nullptr;
    QAction* addOneAction_ = nullptr;
    QAction* addManyAction_ = nullptr;
    QAction* updateAction_ = nullptr;
    QAction* deleteAction_ = nullptr;
    QAction* commandAction_ = nullptr;
    QAction* controlActions_[3] = {nullptr, nullptr, nullptr};
    QAction* setImageAction_ = nullptr;
    QAction* removeImageAction_ = nullptr;
};
#endif
