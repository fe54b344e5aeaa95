#ifndef QB_TESTS_CANVAS_HARNESS_H
#define QB_TESTS_CANVAS_HARNESS_H
// A shown picker window with one canvas, and small helpers to build buttons,
// send the mouse events that QTest cannot (held buttons, modifiers) and
// count repaints.
#include "button_factory.h"
#include "canvas/picker_view.h"
#include "window/picker_window.h"
#include <gtest/gtest.h>
#include <QtCore/QCoreApplication>
#include <QtGui/QImage>
#include <QtGui/QMouseEvent>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <memory>

struct canvas_harness {
    std::unique_ptr<picker_window> window;
    picker_view* canvas = nullptr;

    explicit canvas_harness(QSize size = QSize(420, 460))
    {
        window = std::make_unique<picker_window>(nullptr);
        window->resize(size);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            ADD_FAILURE() << "the picker window was never exposed";
        canvas = window->frontPicker();
        QCoreApplication::processEvents();
    }

    QImage render() const
    {
        QImage image(canvas->size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        canvas->render(&image);
        return image;
    }

    void send(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers mods = Qt::NoModifier) const
    {
        QMouseEvent e(type, QPointF(pos), QPointF(canvas->mapToGlobal(pos)), button, held, mods);
        QApplication::sendEvent(canvas, &e);
    }
    void press(QPoint pos, Qt::MouseButtons held, Qt::KeyboardModifiers mods = Qt::NoModifier) const
    {
        const int h = int(held);
        send(QEvent::MouseButtonPress, pos, Qt::MouseButton(h & -h), held, mods);
    }
    void move(QPoint pos, Qt::MouseButtons held, Qt::KeyboardModifiers mods = Qt::NoModifier) const
    {
        send(QEvent::MouseMove, pos, Qt::NoButton, held, mods);
    }
    void release(QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers mods = Qt::NoModifier) const
    {
        send(QEvent::MouseButtonRelease, pos, button, Qt::NoButton, mods);
    }
};

// Counts the paint events a widget receives.
struct paint_counter : QObject {
    int paints = 0;
    explicit paint_counter(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    // Delivers what is pending, then starts counting afresh.
    void settle()
    {
        QCoreApplication::processEvents();
        paints = 0;
    }
    int count()
    {
        QCoreApplication::processEvents();
        return paints;
    }
};

inline buttonAttributes make_button(QPoint position, int size, QRgb color, QStringList nodes,
                                    QString label = QString(), int kind = kSelectionButton,
                                    QRgb labelColor = 0x000000)
{
    return make_attributes(position, size, kind, kMelScript, color, labelColor, label, nodes);
}
#endif
