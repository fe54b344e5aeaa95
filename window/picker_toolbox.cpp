#include "window/picker_toolbox.h"
#include "canvas/picker_view.h"
#include "edit/appearance_cmds.h"
#include "model/svg_path.h"
#include "ui/nested_loop.h"
#include "ui/picker_dialogs.h"
#include "window/picker_colorMenu.h"
#include "window/picker_window.h"
#include "window/selection_summary.h"
#include "window/toolbox_label_field.h"
#include "window/window_menus.h"
#include "window/toolbox_widgets.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QPointer>
#include <QtCore/QSignalBlocker>
#include <QtGui/QCursor>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QAction>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>
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
                             static_cast<QObject*>(labelEdit_), static_cast<QObject*>(labelColorButton_),
                             static_cast<QObject*>(shapeButton_)})
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
    // Room for two digits and the menu's arrow; the row must still fit a
    // panel of its smallest width with the shape control beside it.
    sizeButton_->setMinimumWidth(36);
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
    make_shape_button();
    toolboxRow_->addWidget(shapeButton_);
    toolboxRow_->setStretch(8, 1); // only the label field grows
}

namespace {

// The shapes the toolbox offers, each for a button of the given size.
button_shape offered(int kind, int size)
{
    button_shape shape;
    const int h = qMax(1, size / 2);
    switch (kind) {
    case button_shape::Rounded:
        shape.kind = button_shape::Rounded;
        break;
    case button_shape::Ellipse:
        shape.kind = button_shape::Ellipse;
        break;
    case button_shape::Polygon:
        shape.kind = button_shape::Polygon;
        shape.points = {QPoint(0, -h), QPoint(h, 0), QPoint(0, h), QPoint(-h, 0)};
        break;
    case button_shape::Path:
        // A drop; any path (an SVG file's) fits the button's size the same way.
        shape.kind = button_shape::Path;
        shape.path = QStringLiteral("M0 -10 C6 -4 8 0 8 3 A8 8 0 0 1 -8 3 C-8 0 -6 -4 0 -10 Z");
        shape = shape.fitted(size, size);
        break;
    default:
        break; // the default square
    }
    return shape;
}

const char* const kShapeEntries[] = {"Rectangle", "Rounded Rectangle", "Ellipse", "Polygon", "Path"};

// A 12 x 12 outline of the kind offered.
QIcon shape_icon(int kind)
{
    QPixmap icon(12, 12);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::NoBrush);
    const QPainterPath outline = offered(kind, 10).outline(10);
    if (outline.isEmpty())
        p.drawRect(QRectF(1.5, 1.5, 9, 9));
    else
        p.drawPath(outline.translated(6, 6));
    return QIcon(icon);
}

} // namespace

void picker_toolbox::make_shape_button()
{
    // An icon of the shape, as narrow as the colour buttons: the row must
    // still fit a panel of its smallest width.
    shapeButton_ = new QToolButton;
    shapeButton_->setIcon(shape_icon(button_shape::Rect));
    shapeButton_->setToolTip(QString::fromLatin1("Button Shape"));
    shapeButton_->setPopupMode(QToolButton::InstantPopup);
    QMenu* shapes = new QMenu(nullptr);
    for (int kind = 0; kind < button_shape::kKinds; ++kind)
        connect(shapes->addAction(QString::fromLatin1(kShapeEntries[kind])), &QAction::triggered, this,
                [this, kind] { set_button_shape(kind); });
    shapes->addSeparator();
    connect(shapes->addAction(QString::fromLatin1("From SVG File...")), &QAction::triggered, this,
            &picker_toolbox::shape_from_svg);
    connect(shapes->addAction(QString::fromLatin1("Fit to Size")), &QAction::triggered, this,
            &picker_toolbox::fit_shape_to_size);
    shapes->addSeparator();
    QAction* frameless = shapes->addAction(QString::fromLatin1("Label Only"));
    frameless->setCheckable(true);
    connect(frameless, &QAction::triggered, this, [this](bool on) { set_button_frame(!on); });
    connect(shapeButton_, &QObject::destroyed, shapes, &QObject::deleteLater);
    shapeButton_->setMenu(shapes);
    connect(shapes, &QMenu::aboutToShow, this, [this, frameless] {
        nested_loop::shown(QStringLiteral("menu: Button Shape"));
        picker_view* view = window_ ? window_->frontPicker() : nullptr;
        const selection_summary state =
            view ? selection_summary::collect(view->buttons()) : selection_summary();
        frameless->setChecked(!state.empty() && !state.first->frame);
    });
}

picker_document* picker_toolbox::selected_document() const
{
    picker_view* view = window_ ? window_->frontPicker() : nullptr;
    return view && view->document()->any_selected() ? view->document() : nullptr;
}

void picker_toolbox::set_button_shape(int kind)
{
    picker_document* document = selected_document();
    if (!document)
        return;
    // Made for the size of the first selected button.
    const selection_summary state = selection_summary::collect(document->buttons());
    const int size = state.empty() ? window_->toolbox().size : state.first->size;
    document->undoStack()->push(new change_shape_cmd(document, offered(kind, size)));
}

void picker_toolbox::shape_from_svg()
{
    if (!window_)
        return;
    QPointer<picker_window> window(window_);
    picker_dialogs& dialogs = picker_dialogs::current();
    const QString path =
        dialogs.getOpenFileName(window_, QString::fromLatin1("Choose SVG File"), QString(),
                                QString::fromLatin1("SVG Files (*.svg)"));
    // The dialog ran its own loop: the window or the tab may be gone.
    if (!window || path.isEmpty())
        return;
    QFile file(path);
    QString error;
    QString data;
    if (file.open(QIODevice::ReadOnly) && file.size() <= button_shape::kMaxPathLength * 16)
        data = first_svg_path_data(file.readAll(), &error);
    else
        error = file.isOpen() ? QStringLiteral("the file is too large") : file.errorString();
    button_shape shape;
    shape.kind = button_shape::Path;
    shape.path = data;
    if (data.isEmpty() || data.size() > button_shape::kMaxPathLength || shape.outline(0).isEmpty()) {
        if (error.isEmpty())
            error = QStringLiteral("its first path draws nothing");
        dialogs.warning(window_, QString::fromLatin1("Shape"),
                        QString::fromLatin1("Could not read a shape from \"%1\": %2.")
                            .arg(QDir::toNativeSeparators(path), error),
                        QMessageBox::Ok, QMessageBox::NoButton);
        return;
    }
    picker_document* document = selected_document();
    if (!document)
        return;
    const selection_summary state = selection_summary::collect(document->buttons());
    const int size = state.empty() ? window_->toolbox().size : state.first->size;
    document->undoStack()->push(new change_shape_cmd(document, shape.fitted(size, size)));
}

void picker_toolbox::fit_shape_to_size()
{
    picker_document* document = selected_document();
    if (!document)
        return;
    // The first selected button's polygon or path, scaled to its size.
    const selection_summary state = selection_summary::collect(document->buttons());
    if (state.empty())
        return;
    const button_shape& shape = state.first->shape;
    if (shape.kind != button_shape::Polygon && shape.kind != button_shape::Path)
        return;
    document->undoStack()->push(new change_shape_cmd(document, shape.fitted(state.first->size, state.first->size)));
}

void picker_toolbox::set_button_frame(bool frame)
{
    if (picker_document* document = selected_document())
        document->undoStack()->push(new change_frame_cmd(document, frame));
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
        shapeButton_ = nullptr;
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
    shapeButton_->setIcon(shape_icon(first.shape.kind));
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
