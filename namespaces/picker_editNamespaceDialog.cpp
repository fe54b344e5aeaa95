#include "namespaces/picker_editNamespaceDialog.h"
#include "ui/nested_loop.h"
#include "canvas/picker_view.h"
#include "model/namespace_rewrite.h"

#include <QtCore/QPointer>
#include <QtCore/QRegularExpression>
#include <QtGui/QRegularExpressionValidator>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QCompleter>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollArea>

namespace {

// The row's items and the index of its proposal: the namespace itself when
// the scene has it, else a scene namespace ending in ":" + it, else the
// namespace itself put first, so that the row proposes no change.
QStringList chooser_items(const QString& name, const QStringList& available, int* proposal)
{
    int at = available.indexOf(name);
    if (at < 0) {
        const QString suffix = QLatin1Char(':') + name;
        for (int i = 0; i < available.size() && at < 0; ++i)
            if (available.at(i).endsWith(suffix))
                at = i;
    }
    if (at >= 0) {
        *proposal = at;
        return available;
    }
    *proposal = 0;
    return QStringList(name) + available;
}

} // namespace

picker_editNamespaceDialog::picker_editNamespaceDialog(QWidget* parent, QStringList const& current,
                                                       QStringList const& available)
    : QDialog(parent)
{
    setModal(true);
    setWindowTitle(tr("Choose Namespace"));

    QGridLayout* mainGrid = new QGridLayout;
    QLabel* heading = new QLabel(tr("Change Current Namespace to:"));

    QGridLayout* rowGrid = new QGridLayout;
    rowGrid->setContentsMargins(5, 3, 5, 3);
    rowGrid->setVerticalSpacing(2);
    // Only characters a namespace can hold: anything else typed here would
    // end up inside the command buttons' scripts and break them.
    const QRegularExpression namespaceText(QString::fromLatin1("[A-Za-z0-9_:]*"));
    for (int i = 0; i < current.size(); ++i) {
        const QString& name = current.at(i);
        // Escaped: a name read from a picker file is data, not markup.
        QLabel* label = new QLabel(QString::fromLatin1("<b>%1</b>").arg(name.toHtmlEscaped()));
        label->setTextFormat(Qt::RichText);

        int proposal = 0;
        QComboBox* chooser = new QComboBox;
        chooser->addItems(chooser_items(name, available, &proposal));
        chooser->setCurrentIndex(proposal);
        chooser->setMinimumWidth(260);
        chooser->setEditable(true);
        chooser->setValidator(new QRegularExpressionValidator(namespaceText, chooser));
        if (QCompleter* completer = chooser->completer()) {
            completer->setCompletionMode(QCompleter::InlineCompletion);
            // Namespaces differ by case: typing hero must not turn into Hero.
            completer->setCaseSensitivity(Qt::CaseSensitive);
        }

        rowGrid->addWidget(label, i, 0, Qt::AlignRight);
        rowGrid->addWidget(chooser, i, 1);
        rows_.append(nsPairRecord{label, chooser});
    }

    QWidget* rowWidget = new QWidget;
    rowWidget->setLayout(rowGrid);
    QScrollArea* scroll = new QScrollArea;
    scroll->setWidget(rowWidget);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    ok_ = new QPushButton(tr("OK"));
    cancel_ = new QPushButton(tr("Cancel"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    QHBoxLayout* buttonRow = new QHBoxLayout;
    buttonRow->addSpacing(80);
    buttonRow->addWidget(ok_);
    buttonRow->addWidget(cancel_);

    mainGrid->addWidget(heading, 0, 0, 1, 2);
    mainGrid->addWidget(scroll, 1, 0, 1, 2);
    mainGrid->setRowMinimumHeight(2, 14);
    mainGrid->addLayout(buttonRow, 3, 0, 1, 2);
    setLayout(mainGrid);
}

picker_editNamespaceDialog::~picker_editNamespaceDialog() = default;

bool picker_editNamespaceDialog::do_dialog(picker_view* view, QStringList const& current,
                                           QStringList const& available)
{
    if (!view)
        return false;
    // Both on the heap and guarded: the chooser runs its own event loop, in
    // which a host callback (a new scene, say) may destroy the canvas, and
    // the dialog with it as its child.
    QPointer<picker_view> canvas(view);
    QPointer<picker_editNamespaceDialog> dialog = new picker_editNamespaceDialog(view, current, available);
    int result = QDialog::Rejected;
    {
        const nested_loop loop(QStringLiteral("namespace chooser"));
        result = dialog->exec();
    }
    if (!dialog || !canvas)
        return false;
    if (result != QDialog::Accepted) {
        delete dialog.data();
        return false;
    }

    QList<QPair<QString, QString>> choices;
    for (int i = 0; i < dialog->rows_.size() && i < current.size(); ++i)
        choices.append(qMakePair(current.at(i), dialog->rows_.at(i).chooser->currentText()));
    delete dialog.data();

    const namespace_mapping mapping = make_namespace_mapping(choices);
    if (mapping.isEmpty())
        return true;
    picker_document* document = canvas->document();
    for (int i = 0; i < document->count(); ++i) {
        buttonAttributes b = document->buttons()[i].attributes();
        rewrite_button(b, mapping);
        if (b.nodes != document->buttons()[i].nodes)
            document->set_button_nodes(i, b.nodes);
    }
    return true;
}
