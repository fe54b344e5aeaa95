#include "window/picker_colorMenu.h"
#include "ui/qt_compat.h"
#include "ui/nested_loop.h"

#include <QtCore/QPointer>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>

picker_colorMenu::picker_colorMenu(QVector<unsigned int> const& colors, int columns, int cellSize, QWidget* parent)
    // Undecorated everywhere, so that the cells stand where place() puts them.
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint),
      colors_(colors),
      columns_(columns > 0 ? columns : 1),
      rows_(colors.size() / columns_),
      cellSize_(cellSize)
{
    const QSize size(columns_ * (cellSize_ + spacing_) + spacing_, rows_ * (cellSize_ + spacing_) + spacing_);
    setMinimumSize(size);
    resize(size);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Nothing owns a popup: it goes when it closes, and is never shown twice.
    setAttribute(Qt::WA_DeleteOnClose);
}

void picker_colorMenu::add_row(double saturation, double value, int count, QVector<unsigned int>& out)
{
    double hue = 0.0;
    const double step = 1.0 / 12.0;
    for (int i = 0; i < count; ++i) {
        out.append(QColor::fromHsvF(hue, saturation, value, 1.0).rgba());
        hue += step;
    }
}

void picker_colorMenu::add_row_bw(int count, QVector<unsigned int>& out)
{
    double value = 0.0;
    const double step = 1.0 / 11.0;
    for (int i = 0; i < count; ++i) {
        out.append(QColor::fromHsvF(0.0, 0.0, value, 1.0).rgba());
        value += step;
        if (value >= 1.0)
            value = 1.0;
    }
}

QVector<unsigned int> picker_colorMenu::button_palette()
{
    QVector<unsigned int> colors;
    add_row(0.43, 0.702, 12, colors);
    add_row(0.498, 1.0, 12, colors);
    add_row(1.0, 1.0, 12, colors);
    add_row(1.0, 0.749, 12, colors);
    add_row(1.0, 0.502, 12, colors);
    add_row_bw(12, colors);
    return colors;
}

picker_colorMenu* picker_colorMenu::popup(QVector<unsigned int> const& colors, int columns, QObject* receiver,
                                          const char* slot, QPoint const& global, QColor* current)
{
    auto* menu = new picker_colorMenu(colors, columns, 17, nullptr);
    const int index = current ? menu->findColorIndex(*current) : 0;
    menu->place(global, index);
    if (receiver) {
        QObject::connect(menu, SIGNAL(colorChanged(QRgb)), receiver, slot);
        // The window may go while the popup is open (a scene reset, the
        // host quitting): the popup goes with it rather than linger.
        QPointer<picker_colorMenu> guard(menu);
        QObject::connect(receiver, &QObject::destroyed, menu, [guard] {
            if (guard)
                guard->close();
        });
    }
    menu->show();
    menu->setTracking(index);
    return menu;
}

picker_colorMenu* picker_colorMenu::execute_color(QObject* receiver, QPoint const& global, QColor* current)
{
    nested_loop::shown(QStringLiteral("popup: Button Color"));
    return popup(button_palette(), 12, receiver, SLOT(set_button_color(QRgb)), global, current);
}

picker_colorMenu* picker_colorMenu::execute_bw(QObject* receiver, QPoint const& global, QColor* current)
{
    const QVector<unsigned int> colors{0xFF000000u, 0xFFFFFFFFu};
    nested_loop::shown(QStringLiteral("popup: Label Color"));
    return popup(colors, 1, receiver, SLOT(set_label_color(QRgb)), global, current);
}

int picker_colorMenu::findColorIndex(QColor const& color) const
{
    int best = 0;
    long long bestDistance = -1;
    for (int i = 0; i < colors_.size(); ++i) {
        const long long dr = qRed(colors_[i]) - color.red();
        const long long dg = qGreen(colors_[i]) - color.green();
        const long long db = qBlue(colors_[i]) - color.blue();
        const long long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

QPoint picker_colorMenu::indexToPosition(int index) const
{
    const int pitch = cellSize_ + spacing_;
    return QPoint((index % columns_) * pitch + cellSize_ / 2, (index / columns_) * pitch + cellSize_ / 2 + spacing_);
}

int picker_colorMenu::positionToIndex(QPoint const& point) const
{
    if (point.x() < 0 || point.y() < 0 || point.x() > width() || point.y() > height())
        return -1;
    const int pitch = cellSize_ + spacing_;
    const int column = point.x() / pitch;
    const int row = point.y() / pitch;
    if (column >= columns_ || row >= rows_)
        return -1;
    return row * columns_ + column;
}

void picker_colorMenu::setTracking(int index)
{
    if (index == current_)
        return;
    current_ = index;
    update();
}

void picker_colorMenu::place(QPoint const& global, int index)
{
    const int pitch = cellSize_ + spacing_;
    move(global.x() - cellSize_ / 2 - (index % columns_) * pitch,
         global.y() - cellSize_ / 2 - spacing_ - (index / columns_) * pitch);
}

void picker_colorMenu::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.fillRect(rect(), QColor(40, 40, 40));
    const int pitch = cellSize_ + spacing_;
    if (current_ >= 0) {
        painter.setBrush(highlight_);
        painter.drawRoundedRect(QRectF((current_ % columns_) * pitch, (current_ / columns_) * pitch,
                                       cellSize_ + 2 * spacing_, cellSize_ + 2 * spacing_),
                                2.0, 2.0);
    }
    for (int r = 0; r < rows_; ++r) {
        for (int k = 0; k < columns_; ++k) {
            const int i = r * columns_ + k;
            const QRect cell(spacing_ + k * pitch, spacing_ + r * pitch, cellSize_, cellSize_);
            const QColor color = QColor::fromRgba(colors_[i]);
            painter.fillRect(i == current_ ? cell.adjusted(2, 2, -2, -2) : cell, color);
        }
    }
}

void picker_colorMenu::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint point = qt_compat::local_position(e).toPoint();
    if (point == lastPoint_)
        return;
    setTracking(positionToIndex(point));
    lastPoint_ = point;
}

void picker_colorMenu::mousePressEvent(QMouseEvent*)
{
    // The press that opened the popup was on the toolbox button; its
    // release must not pick. The first press inside arms the popup.
    if (!armed_) {
        armed_ = true;
        return;
    }
    pick();
}

void picker_colorMenu::mouseReleaseEvent(QMouseEvent*)
{
    if (armed_)
        pick();
}

void picker_colorMenu::pick()
{
    QPointer<picker_colorMenu> self(this);
    if (current_ >= 0 && current_ < colors_.size())
        emit colorChanged(colors_[current_]);
    // A receiver's slot may run a nested event loop that closes us.
    if (self)
        close();
}
