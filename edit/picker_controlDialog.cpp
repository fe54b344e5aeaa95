#include "edit/picker_controlDialog.h"
#include "document/host_port.h"
#include "ui/nested_loop.h"

#include <QtCore/QPointer>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QDoubleSpinBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QVBoxLayout>

#include <cfloat>

namespace {

// The first node's keyable attributes a control of the kind can set.
QStringList usable_attributes(const QString& node, button_control::kind_t kind)
{
    QStringList out;
    host_port& host = host_port::current();
    for (const QString& name : host.keyable_attributes(node)) {
        const host_attribute a = host.read_attribute(node, name);
        const bool toggles = a.kind == host_attribute::Bool || a.kind == host_attribute::Enum;
        if (kind == button_control::Toggle ? toggles : a.kind == host_attribute::Number)
            out << name;
    }
    return out;
}

QDoubleSpinBox* bound_box(double value)
{
    auto* box = new QDoubleSpinBox;
    box->setRange(-1e9, 1e9);
    box->setDecimals(3);
    box->setValue(value);
    return box;
}

} // namespace

picker_controlDialog::picker_controlDialog(QWidget* parent, buttonAttributes* attributes)
    : QDialog(parent), attributes_(attributes)
{
    const button_control& c = attributes->control;
    static const char* const titles[] = {"", "Slider", "Pad", "Toggle"};
    setWindowTitle(tr(titles[c.kind < button_control::kKinds ? c.kind : 0]));
    auto* form = new QFormLayout;
    auto* nodes = new QLabel(attributes->nodes.join(QStringLiteral(", ")));
    nodes->setWordWrap(true);
    form->addRow(tr("Nodes"), nodes);
    const QStringList names = usable_attributes(attributes->nodes.value(0), c.kind);
    const int axes = button_control::attribute_count(c.kind);
    for (int axis = 0; axis < axes; ++axis) {
        attribute_[axis] = new QComboBox;
        attribute_[axis]->addItems(names);
        const QString current = c.attributes.value(axis);
        if (!current.isEmpty()) {
            if (!names.contains(current))
                attribute_[axis]->addItem(current); // kept, though the host lacks it now
            attribute_[axis]->setCurrentText(current);
        } else if (axis < names.size()) {
            attribute_[axis]->setCurrentIndex(axis);
        }
        min_[axis] = bound_box(axis == 0 ? c.min.x() : c.min.y());
        max_[axis] = bound_box(axis == 0 ? c.max.x() : c.max.y());
        const QString axisName = axes == 2 ? (axis == 0 ? tr("X ") : tr("Y ")) : QString();
        form->addRow(axisName + tr("Attribute"), attribute_[axis]);
        if (c.kind != button_control::Toggle) {
            form->addRow(axisName + tr("Minimum"), min_[axis]);
            form->addRow(axisName + tr("Maximum"), max_[axis]);
        }
        connect(attribute_[axis], &QComboBox::currentTextChanged, this, [this, axis] { attribute_chosen(axis); });
        if (c.attributes.value(axis).isEmpty())
            attribute_chosen(axis); // a new control takes the attribute's range
    }
    if (c.kind == button_control::Slider) {
        orientation_ = new QComboBox;
        orientation_->addItems({tr("Horizontal"), tr("Vertical")});
        orientation_->setCurrentIndex(c.orientation == button_control::Vertical ? 1 : 0);
        form->addRow(tr("Orientation"), orientation_);
    }
    length_ = new QSpinBox;
    length_->setRange(1, button_control::kMaxLength);
    length_->setValue(c.track_length(attributes->size));
    form->addRow(c.kind == button_control::Pad ? tr("Side") : tr("Length"), length_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    okButton_ = buttons->button(QDialogButtonBox::Ok);
    okButton_->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    okButton_->setEnabled(!attribute_[0] || attribute_[0]->count() > 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void picker_controlDialog::attribute_chosen(int axis)
{
    const QString name = attribute_[axis]->currentText();
    if (name.isEmpty())
        return;
    const host_attribute a = host_port::current().read_attribute(attributes_->nodes.value(0), name);
    if (a.kind == host_attribute::Enum && !a.enumValues.isEmpty()) {
        min_[axis]->setValue(a.enumValues.first());
        max_[axis]->setValue(a.enumValues.last());
    } else if (a.hasRange) {
        min_[axis]->setValue(a.min);
        max_[axis]->setValue(a.max);
    }
}

void picker_controlDialog::update_button()
{
    button_control& c = attributes_->control;
    const int axes = button_control::attribute_count(c.kind);
    c.attributes.clear();
    for (int axis = 0; axis < axes; ++axis)
        c.attributes << attribute_[axis]->currentText();
    c.min = QPointF(min_[0]->value(), axes == 2 ? min_[1]->value() : 0);
    c.max = QPointF(max_[0]->value(), axes == 2 ? max_[1]->value() : 0);
    if (orientation_)
        c.orientation = orientation_->currentIndex() == 1 ? button_control::Vertical : button_control::Horizontal;
    c.length = length_->value();
}

bool picker_controlDialog::do_dialog(QWidget* parent, buttonAttributes* attributes)
{
    QPointer<picker_controlDialog> dialog = new picker_controlDialog(parent, attributes);
    int result = QDialog::Rejected;
    {
        const nested_loop loop(QStringLiteral("control editor"));
        result = dialog->exec();
    }
    // A host callback in the dialog's loop may have destroyed the parent,
    // and the dialog with it.
    if (!dialog)
        return false;
    if (result == QDialog::Accepted)
        dialog->update_button();
    delete dialog.data();
    return result == QDialog::Accepted && attributes->control.isValid();
}
