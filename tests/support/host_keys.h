#ifndef QB_TESTS_HOST_KEYS_H
#define QB_TESTS_HOST_KEYS_H
// The host's hold on the keyboard, as the panel meets it inside the host.
#include <QtCore/QCoreApplication>
#include <QtCore/QList>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QWidget>

// The host takes key presses before the toolkit's shortcut map sees them:
// shortcut overrides are swallowed, so only the widgets' key handlers see
// the keys.
struct host_takes_keys : QObject {
    host_takes_keys() { qApp->installEventFilter(this); }
    ~host_takes_keys() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::ShortcutOverride)
            return false;
        e->accept();
        return true;
    }
};

// Records the key presses that travel past a widget (to the dock, the host).
struct passed_on : QObject {
    QList<int> keys;
    explicit passed_on(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key != Qt::Key_Shift && key != Qt::Key_Control) // QTest presses these around a key or click
            keys << key;
        return false;
    }
};
#endif
