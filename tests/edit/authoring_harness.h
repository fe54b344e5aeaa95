#ifndef QB_TESTS_AUTHORING_HARNESS_H
#define QB_TESTS_AUTHORING_HARNESS_H
// A shown window with one canvas, the host's selection list set as the host
// sets it, the host's hold on keys, and helpers to answer the context menu
// from inside its own event loop.
#include "canvas_harness.h"
#include "host_keys.h"
#include <QtCore/QTimer>
#include <QtWidgets/QMenu>
#include <QUndoStack>
#include <functional>

struct authoring_harness : canvas_harness {
    host_takes_keys keys;

    authoring_harness() { window->setSelection(QStringList()); }
    ~authoring_harness() { picker_window::selection_.clear(); }

    QUndoStack* undo() const { return canvas->undoStack(); }

    // The pointer over the panel gives it the keys.
    void enter() const
    {
        QEvent e(QEvent::Enter);
        QApplication::sendEvent(window.get(), &e);
    }
    void key(Qt::Key k) const { QTest::keyClick(canvas, k); }

    QAction* action(const QString& text) const
    {
        for (QAction* a : canvas->actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }

    // Right-clicks at pos; answer runs inside the menu's own loop with the
    // menu shown, and the menu is closed afterwards if it is still open.
    void context_menu(QPoint pos, std::function<void(QMenu*)> answer) const
    {
        QTimer::singleShot(0, [answer] {
            QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            answer(menu);
            if (QWidget* still = QApplication::activePopupWidget())
                still->close();
        });
        // The open menu takes the release, not the canvas.
        press(pos, Qt::RightButton);
    }
    // Chooses an entry of the context menu with the mouse.
    void choose(QPoint pos, const QString& text) const
    {
        context_menu(pos, [this, text](QMenu* menu) {
            ASSERT_NE(menu, nullptr);
            QAction* a = action(text);
            ASSERT_NE(a, nullptr);
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(a).center());
        });
    }

    void select(std::initializer_list<int> indices, qint16 state = 1) const
    {
        for (int i : indices)
            canvas->document()->button(i)->state = state;
    }
};
#endif
