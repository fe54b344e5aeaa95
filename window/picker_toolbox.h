#ifndef QB_WINDOW_PICKER_TOOLBOX_H
#define QB_WINDOW_PICKER_TOOLBOX_H
#include <QtCore/QObject>
#include <QtGui/QRgb>

class QAction;
class QHBoxLayout;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class picker_document;
class picker_window;
class toolbox_label_field;

// The toolbox row under the tabs: it shows the colour, size, label and
// label colour of the current canvas's selected buttons, sets them (each
// change one undo step), and keeps the values new buttons take in the
// window's toolboxState.
class picker_toolbox : public QObject
{
    Q_OBJECT
public:
    // The row goes at the end of the window's layout.
    picker_toolbox(picker_window* window, QVBoxLayout* layout);

    // Fresh controls with the defaults.
    void make_toolbox();
    bool toolbox_shown() const;
    // Shows the current canvas's selection in the row and takes those
    // values for new buttons.
    void updateControls();
    // The window is going: nothing reaches it any more.
    void forget_window();

public slots:
    void set_button_color(QRgb which);
    void set_label_color(QRgb which);
    void set_button_size(QAction* entry);
    void set_button_label();
    void toggle_toolbox();
    void do_color_menu();
    void do_labelcolor_menu();
    // The Shape control's entries: a kind (button_shape::kind_t) made for
    // the first selected button's size, the first path of an SVG file, the
    // first selected polygon or path fitted to its size, and Label Only.
    void set_button_shape(int kind);
    void shape_from_svg();
    void fit_shape_to_size();
    void set_button_frame(bool frame);

private:
    void make_shape_button();
    // The current canvas's document when it has selected buttons, or null.
    picker_document* selected_document() const;

    picker_window* window_;
    QVBoxLayout* layout_;
    // The row and its controls; null while the toolbox is hidden.
    QPushButton* colorButton_ = nullptr;
    QPushButton* sizeButton_ = nullptr;
    toolbox_label_field* labelEdit_ = nullptr;
    QPushButton* labelColorButton_ = nullptr;
    QToolButton* shapeButton_ = nullptr;
    QHBoxLayout* toolboxRow_ = nullptr;
};
#endif
