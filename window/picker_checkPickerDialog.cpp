#include "window/picker_checkPickerDialog.h"
#include "canvas/picker_view.h"
#include "document/picker_document.h"
#include "ui/nested_loop.h"

#include <QtCore/QPointer>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

picker_checkPickerDialog::picker_checkPickerDialog(QWidget* parent, const QList<broken_button>& broken)
    : QDialog(parent), broken_(broken)
{
    setModal(true);
    setWindowTitle(tr("Check Picker"));
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(broken.isEmpty()
                                     ? tr("Every button's nodes are in the scene, one node for each name.")
                                     : tr("%n button(s) with names that are missing or name more than one node:",
                                          nullptr, broken.size()),
                                 this));
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const broken_button& b : broken)
        list_->addItem(broken_report_line(b));
    list_->setVisible(!broken.isEmpty());
    layout->addWidget(list_);
    QDialogButtonBox* box = new QDialogButtonBox(QDialogButtonBox::Close, this);
    if (!broken.isEmpty()) {
        QPushButton* select = box->addButton(tr("Select Buttons"), QDialogButtonBox::AcceptRole);
        select->setDefault(true);
    }
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
}

QVector<int> picker_checkPickerDialog::chosen() const
{
    QVector<int> out;
    for (int row = 0; row < broken_.size(); ++row)
        if (list_->selectedItems().isEmpty() || list_->item(row)->isSelected())
            out << broken_.at(row).index;
    return out;
}

void picker_checkPickerDialog::do_dialog(picker_view* canvas)
{
    QPointer<picker_view> view = canvas;
    picker_document* document = view->document();
    const quint64 generation = document->generation();
    QPointer<picker_checkPickerDialog> dialog = new picker_checkPickerDialog(view, find_broken(document->buttons()));
    int result = QDialog::Rejected;
    {
        const nested_loop loop(QStringLiteral("check picker"));
        result = dialog->exec();
    }
    // A host callback may have destroyed the canvas (and the dialog with
    // it), or replaced its buttons.
    if (!dialog || !view)
        return;
    const QVector<int> chosen = dialog->chosen();
    delete dialog.data();
    if (result != QDialog::Accepted || view->document()->generation() != generation)
        return;
    view->document()->clear_selected();
    view->document()->select_list(chosen, true);
    view->update();
    view->update_toolbox();
}
