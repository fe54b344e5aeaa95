#ifndef QB_WINDOW_PICKER_COLORMENU_H
#define QB_WINDOW_PICKER_COLORMENU_H
#include <QtCore/QPoint>
#include <QtCore/QVector>
#include <QtGui/QColor>
#include <QtGui/QRgb>
#include <QtWidgets/QWidget>

// A popup grid of colour cells, shown under the mouse with the colour in
// use marked. A click on a cell sends its colour and closes the popup; the
// press that opened it is let go of first. Each popup is used once and
// deletes itself when closed.
class picker_colorMenu : public QWidget
{
    Q_OBJECT
public:
    picker_colorMenu(QVector<unsigned int> const& colors, int columns, int cellSize, QWidget* parent);

    // The button colour palette and the black-and-white label palette,
    // popped up at global with current marked; the choice reaches the
    // receiver's set_button_color(QRgb) or set_label_color(QRgb). Both
    // return the popup at once, shown.
    static picker_colorMenu* execute_color(QObject* receiver, QPoint const& global, QColor* current);
    static picker_colorMenu* execute_bw(QObject* receiver, QPoint const& global, QColor* current);

    // Palette rows: count hues at one saturation and value, and a grey ramp
    // from black to white.
    static void add_row(double saturation, double value, int count, QVector<unsigned int>& out);
    static void add_row_bw(int count, QVector<unsigned int>& out);
    static QVector<unsigned int> button_palette();

    // The cell nearest to color by squared RGB distance (lowest index on ties).
    int findColorIndex(QColor const& color) const;
    // The centre of cell i (two pixels low, as the placement expects).
    QPoint indexToPosition(int index) const;
    // The cell under a local point, or -1.
    int positionToIndex(QPoint const& point) const;
    void setTracking(int index);
    // Moves the popup so that cell index lies under the global point.
    void place(QPoint const& global, int index);

    int currentIndex() const { return current_; }
    bool armed() const { return armed_; }
    const QVector<unsigned int>& colors() const { return colors_; }

signals:
    void colorChanged(QRgb color);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    static picker_colorMenu* popup(QVector<unsigned int> const& colors, int columns, QObject* receiver,
                                   const char* slot, QPoint const& global, QColor* current);
    void pick();

    QVector<unsigned int> colors_;
    int columns_;
    int rows_;
    int cellSize_;
    int spacing_ = 2;
    int current_ = -1;
    QPoint lastPoint_;
    QColor highlight_{0, 182, 255};
    bool armed_ = false;
};
#endif
