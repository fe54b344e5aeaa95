#ifndef QB_TESTS_MODAL_ANSWER_H
#define QB_TESTS_MODAL_ANSWER_H
// Answers the next real modal dialog from inside its own event loop: a
// zero timer looks for the active modal widget and hands it to act, trying
// again on the next turn of the loop until the dialog is up.
#include <QtCore/QTimer>
#include <QtWidgets/QApplication>
#include <functional>

inline void answer_modal(std::function<void(QWidget*)> act, int turnsLeft = 1000)
{
    QTimer::singleShot(0, [act, turnsLeft] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            act(w);
            return;
        }
        if (turnsLeft > 0)
            answer_modal(act, turnsLeft - 1);
    });
}
#endif
