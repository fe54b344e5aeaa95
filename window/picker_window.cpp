#include "window/picker_window.h"
#include "canvas/picker_view.h"
#include "model/window_selection.h"

#include <QtGui/QIcon>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QVBoxLayout>

QStringList& picker_window::selection_ = window_selection::names();

picker_window::picker_window(QDockWidget* dock) : QWidget(dock, Qt::WindowFlags())
{
    setWindowTitle(QStringLiteral("QuillbrookPicker"));
    setObjectName(QStringLiteral("QuillbrookPicker"));
    setWindowIcon(QIcon(QStringLiteral(":/resources/QuillbrookLogo.png")));
    setAttribute(Qt::WA_DeleteOnClose);

    tabs_ = new QTabWidget(nullptr);
    tabs_->setMovable(true);
    tabs_->setTabsClosable(true);

    new_tab();

    layout_ = new QVBoxLayout;
    layout_->setSpacing(0);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->addWidget(tabs_);
    setLayout(layout_);
}

picker_window::~picker_window()
{
    closing_ = true;
    for (int i = tabs_->count() - 1; i >= 0; --i)
        close_tab(i);
}

void picker_window::new_tab()
{
    picker_view* view = new picker_view(this);
    const int index = tabs_->addTab(view, tr("Untitled"));
    tabs_->setCurrentIndex(index);
}

void picker_window::close_tab(int index)
{
    picker_view* view = qobject_cast<picker_view*>(tabs_->widget(index));
    if (!view)
        return;
    tabs_->removeTab(index);
    delete view;
}

void picker_window::reset()
{
    for (int i = tabs_->count() - 1; i >= 0; --i)
        close_tab(i);
    new_tab();
}

picker_view* picker_window::frontPicker() const
{
    if (tabs_->count() == 0)
        return nullptr;
    return qobject_cast<picker_view*>(tabs_->currentWidget());
}

void picker_window::setSelection(QStringList const& names)
{
    selection_ = names;
}

QVariantMap picker_window::state_snapshot() const
{
    QVariantMap state;
    state.insert(QStringLiteral("visible"), isVisible());
    state.insert(QStringLiteral("current"), tabs_->currentIndex());
    state.insert(QStringLiteral("selection"), selection_);
    QVariantList tabs;
    for (int i = 0; i < tabs_->count(); ++i) {
        QVariantMap tab;
        tab.insert(QStringLiteral("name"), tabs_->tabText(i));
        tabs.append(tab);
    }
    state.insert(QStringLiteral("tabs"), tabs);
    return state;
}
