#ifndef QB_CANVAS_PICKER_VIEW_H
#define QB_CANVAS_PICKER_VIEW_H
#include <QtWidgets/QWidget>

class picker_window;

// One picker canvas: the widget of one tab.
class picker_view : public QWidget
{
    Q_OBJECT
public:
    explicit picker_view(picker_window* window);
    ~picker_view() override;

    picker_window* window() const { return window_; }

signals:
    void changed();

private:
    picker_window* window_;
};
#endif
