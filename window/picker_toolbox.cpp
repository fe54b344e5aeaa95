#include "window/picker_toolbox.h"
#include "canvas/picker_view.h"
#include "edit/appearance_cmds.h"
#include "ui/nested_loop.h"
#include "window/picker_colorMenu.h"
#include "window/picker_window.h"
#include "window/selection_summary.h"
#include "window/toolbox_label_field.h"
#include "window/window_menus.h"
#include "window/toolbox_widgets.h"

#include <QtCore/QSignalBlocker>
#include <QtGui/QCursor>
#include <QAction>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QVBoxLayout>

namespace {

QPushButton* color_button(QRgb color, const char* tip)
{
    auto* button = new QPushButton(QString());
    button->setIcon(make_icon(color));
    button->setToolTip(QString::fromLatin1(tip));
    return button;
}
} // namespace

picker_toolbox::picker_toolbox(picker_window* window, QVBoxLayout* layout)
    : QObject(window), window_(window), layout_(layout)
{
    make_toolbox();
    layout_->addSpacing(4);
    layout_->addLayout(toolboxRow_);
    layout_->addSpacing(4);
}

void picker_toolbox::forget_window()
{
    // Its controls may still signal as the window's children go.
    for (QObject* control : {static_cast<QObject*>(colorButton_), static_cast<QObject*>(sizeButton_),
                             static_cast<QObject*>(labelEdit_), static_cast<QObject*>(labelColorButton_)})
        if (control)
            QObject::disconnect(control, nullptr, this, nullptr);
    window_ = nullptr;
}

void picker_toolbox::make_toolbox()
{
    const button_defaults defaults;
    colorButton_ = color_button(defaults.color, "Button Color");
    connect(colorButton_, &QPushButton::pressed, this, &picker_toolbox::do_color_menu);
    labelColorButton_ = color_button(defaults.labelColor, "Label Color");
    connect(labelColorButton_, &QPushButton::pressed, this, &picker_toolbox::do_labelcolor_menu);

    sizeButton_ = new QPushButton(QString());
    sizeButton_->setToolTip(QString::fromLatin1("Button Size"));
    // The menu has no parent: it goes with its button.
    QMenu* sizes = new QMenu(nullptr);
    for (int size = 5; size <= 20; ++size)
        sizes->addAction(QString::number(size));
    connect(sizeButton_, &QObject::destroyed, sizes, &QObject::deleteLater);
    sizeButton_->setMenu(sizes);
    sizeButton_->setMinimumWidth(50);
    QAction* ten = sizes->actions().at(defaults.size - 5);
    sizes->setActiveAction(ten);
    sizeButton_->setText(ten->text());
    if (window_)
        window_->toolbox().size = defaults.size;
    sizeButton_->setStyleSheet(QString::fromLatin1("text-align: left; padding: 3px"));
    connect(sizes, &QMenu::triggered, this, &picker_toolbox::set_button_size);
    // The button runs the menu in a loop of the toolkit's own.
    connect(sizes, &QMenu::aboutToShow, [] { nested_loop::shown(QStringLiteral("menu: Button Size")); });

    labelEdit_ = new toolbox_label_field;
    labelEdit_->setToolTip(QString::fromLatin1("Button Label"));
    connect(labelEdit_, &QLineEdit::editingFinished, this, &picker_toolbox::set_button_label);

    toolboxRow_ = new QHBoxLayout;
    toolboxRow_->addSpacing(8);
    toolboxRow_->addWidget(new QLabel(QString::fromLatin1("Color:")));
    toolboxRow_->addWidget(colorButton_);
    toolboxRow_->addSpacing(8);
    toolboxRow_->addWidget(new QLabel(QString::fromLatin1("Size:")));
    toolboxRow_->addWidget(sizeButton_);
    toolboxRow_->addSpacing(8);
    toolboxRow_->addWidget(new QLabel(QString::fromLatin1("Label:")));
    toolboxRow_->addWidget(labelEdit_);
    toolboxRow_->addWidget(labelColorButton_);
    toolboxRow_->addSpacing(8);
    toolboxRow_->setStretch(8, 1); // only the label field grows
}

bool picker_toolbox::toolbox_shown() const
{
    // Tabs, spacing, the row, spacing.
    return layout_ && layout_->count() >= 4;
}

void picker_toolbox::toggle_toolbox()
{
    if (!window_)
        return;
    if (toolbox_shown()) {
        QLayoutItem* items[3];
        for (QLayoutItem*& item : items)
            item = layout_->takeAt(1);
        // Forgotten first: a control losing focus as it goes may still
        // signal, and must find the toolbox already hidden.
        QHBoxLayout* row = toolboxRow_;
        colorButton_ = nullptr;
        sizeButton_ = nullptr;
        labelEdit_ = nullptr;
        labelColorButton_ = nullptr;
        toolboxRow_ = nullptr;
        clear_layout(row);
        for (QLayoutItem* item : items)
            delete item; // the row itself is one of them
        window_->menus()->toolbox_shown(false);
    } else {
        // Fresh controls with the defaults; the buttons selected now keep
        // their size (showing is no choice of "10").
        make_toolbox();
        layout_->addSpacing(4);
        layout_->addLayout(toolboxRow_);
        layout_->addSpacing(4);
        window_->menus()->toolbox_shown(true);
    }
}

void picker_toolbox::updateControls()
{
    if (!window_ || !toolbox_shown() || window_->tabs()->count() == 0)
        return;
    picker_view* view = window_->frontPicker();
    if (!view || view->buttons().isEmpty())
        return;
    const selection_summary state = selection_summary::collect(view->buttons());
    if (state.empty())
        return;
    const buttonRecord& first = *state.first;
    colorButton_->setIcon(make_icon(first.color));
    {
        const QSignalBlocker block(sizeButton_);
        sizeButton_->setText(QString::number(first.size));
    }
    {
        // Showing a label is no edit of it.
        const QSignalBlocker block(labelEdit_);
        labelEdit_->show_text(state.common_label());
    }
    labelColorButton_->setIcon(make_icon(first.labelColor));
    picker_window::toolboxState& toolbox = window_->toolbox();
    toolbox.color = first.color;
    toolbox.labelColor = first.labelColor;
    toolbox.label = labelEdit_->text();
    toolbox.size = first.size;
}

void picker_toolbox::set_button_color(QRgb which)
{
    if (colorButton_)
        colorButton_->setIcon(make_icon(which));
    picker_view* view = window_ ? window_->frontPicker() : nullptr;
    if (view && view->document()->any_selected())
        view->undoStack()->push(new change_color_cmd(view->document(), which));
}

void picker_toolbox::set_label_color(QRgb which)
{
    if (labelColorButton_)
        labelColorButton_->setIcon(make_icon(which));
    picker_view* view = window_ ? window_->frontPicker() : nullptr;
    if (view && view->document()->any_selected())
        view->undoStack()->push(new change_labelc_cmd(view->document(), which));
}

void picker_toolbox::set_button_size(QAction* entry)
{
    if (!entry || !window_)
        return;
    if (sizeButton_)
        sizeButton_->setText(entry->text());
    bool ok = false;
    const int size = entry->text().toInt(&ok, 10);
    int& chosen = window_->toolbox().size;
    chosen = ok ? size : kDefaultButtonSize;
    picker_view* view = window_->frontPicker();
    if (view && view->document()->any_selected())
        view->undoStack()->push(new change_size_cmd(view->document(), chosen));
}

void picker_toolbox::set_button_label()
{
    if (!labelEdit_ || !window_)
        return;
    // The field also reports when it merely loses focus: after Enter, or
    // when it was never typed in. Applying then would add an empty undo
    // step, or write the shown text (empty for mixed labels) over every
    // selected label. Enter always applies; leaving only after typing.
    if (!labelEdit_->hasFocus() && !labelEdit_->isModified())
        return;
    labelEdit_->setModified(false);
    picker_view* view = window_->frontPicker();
    if (view && view->document()->any_selected())
        view->undoStack()->push(new change_label_cmd(view->document(), labelEdit_->text()));
}

void picker_toolbox::do_color_menu()
{
    if (!window_)
        return;
    QColor current = QColor::fromRgb(window_->toolbox().color);
    picker_colorMenu::execute_color(this, QCursor::pos(), &current);
}

void picker_toolbox::do_labelcolor_menu()
{
    if (!window_)
        return;
    QColor current = QColor::fromRgb(window_->toolbox().labelColor);
    picker_colorMenu::execute_bw(this, QCursor::pos(), &current);
}
