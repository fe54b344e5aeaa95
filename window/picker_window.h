#ifndef QB_WINDOW_PICKER_WINDOW_H
#define QB_WINDOW_PICKER_WINDOW_H
#include <QtCore/QStringList>
#include <QtCore/QVariantMap>
#include <QtWidgets/QWidget>

class QDockWidget;
class QTabWidget;
class QVBoxLayout;
class picker_view;

// The picker panel's content: tabs of picker canvases.
class picker_window : public QWidget
{
    Q_OBJECT
public:
    explicit picker_window(QDockWidget* dock);
    ~picker_window() override;

    void reset();
    picker_view* frontPicker() const;
    QTabWidget* tabs() const { return tabs_; }

    void setSelection(QStringList const& names);

    // The window's state as plain values (tabs, current tab, selection list),
    // for the sandbox's state dump and for tests that reach the panel only
    // through the toolkit's meta-object system.
    Q_INVOKABLE QVariantMap state_snapshot() const;

    // The window selection list, shared by every window and canvas.
    static QStringList& selection_;

public slots:
    void new_tab();
    void close_tab(int index);

private:
    QTabWidget* tabs_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    bool closing_ = false;
};
#endif
