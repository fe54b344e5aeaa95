#ifndef QB_TESTS_CHOOSER_PROBE_H
#define QB_TESTS_CHOOSER_PROBE_H
// Watches for namespace choosers and answers each from inside its own event
// loop: a zero timer finds the active modal widget, records what the chooser
// shows and hands it to the test's answer. Works on the plug-in's dialog
// whether it comes from the linked objects or from the loaded module.
#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollArea>
#include <functional>

namespace chooser {

inline bool is_chooser(QWidget* w)
{
    return w && qstrcmp(w->metaObject()->className(), "picker_editNamespaceDialog") == 0;
}

// The row widgets in row order (they are created row by row).
inline QList<QComboBox*> combos(QWidget* dialog)
{
    return dialog->findChildren<QComboBox*>();
}

inline QStringList row_labels(QWidget* dialog)
{
    QStringList out;
    for (QLabel* l : dialog->findChildren<QLabel*>())
        if (l->text().startsWith(QLatin1String("<b>")))
            out << l->text();
    return out;
}

inline QStringList items(QComboBox* c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}

inline QPushButton* button(QWidget* dialog, const char* text)
{
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == QLatin1String(text))
            return b;
    return nullptr;
}

inline void click(QWidget* dialog, const char* text)
{
    if (QPushButton* b = button(dialog, text))
        QTest::mouseClick(b, Qt::LeftButton);
}

// Picks an offered item by its exact text, through the real combo box.
inline bool choose(QComboBox* c, const QString& text)
{
    const int i = c->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (i < 0)
        return false;
    c->setCurrentIndex(i);
    return true;
}

// Replaces the text of the combo box's line edit by typing.
inline void type(QComboBox* c, const QString& text)
{
    QLineEdit* edit = c->lineEdit();
    // The completer only attaches to a line edit that has taken focus,
    // which needs the dialog to be the active window.
    QWidget* window = c->window();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    edit->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

struct seen {
    QString title;
    QStringList labels;
    QList<QStringList> items;
    QStringList proposals;
    int choosersOpen = 0; // choosers shown at that moment, this one included
    QString note;         // what the test's look() said about the moment
};

class probe
{
public:
    using answer_fn = std::function<void(QDialog* dialog, int n)>;

    explicit probe(answer_fn answer) : answer_(std::move(answer))
    {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    // Called on each chooser before the answer, for what the test wants to
    // note about the moment (the current tab, say).
    std::function<QString(QDialog*)> look;
    QList<seen> choosers;

private:
    void poll()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!is_chooser(w))
            return;
        for (const QPointer<QWidget>& done : handled_)
            if (done == w)
                return;
        handled_.append(w);
        QDialog* dialog = static_cast<QDialog*>(w);
        seen s;
        s.title = dialog->windowTitle();
        s.labels = row_labels(dialog);
        for (QComboBox* c : combos(dialog)) {
            s.items << chooser::items(c);
            s.proposals << c->currentText();
        }
        for (QWidget* top : QApplication::topLevelWidgets())
            if (is_chooser(top) && top->isVisible())
                ++s.choosersOpen;
        if (look)
            s.note = look(dialog);
        choosers.append(s);
        answer_(dialog, choosers.size() - 1);
    }

    answer_fn answer_;
    QTimer timer_;
    QList<QPointer<QWidget>> handled_;
};

} // namespace chooser
#endif
