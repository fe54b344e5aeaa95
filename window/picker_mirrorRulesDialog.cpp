#include "window/picker_mirrorRulesDialog.h"
#include "model/buttonRecord.h"
#include "ui/nested_loop.h"

#include <QtCore/QPointer>
#include <QtCore/QRegularExpression>
#include <QtGui/QRegularExpressionValidator>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QVBoxLayout>

namespace {

QString hex(QRgb color)
{
    return QStringLiteral("#%1").arg(qulonglong(color & 0x00FFFFFFu), 6, 16, QLatin1Char('0')).toUpper();
}

bool read_hex(const QString& text, QRgb* out)
{
    bool ok = false;
    const uint v = text.mid(1).toUInt(&ok, 16);
    if (!ok || text.size() != 7 || !text.startsWith(QLatin1Char('#')))
        return false;
    *out = v;
    return true;
}

} // namespace

picker_mirrorRulesDialog::picker_mirrorRulesDialog(QWidget* parent, const mirror_settings& settings)
    : QDialog(parent)
{
    setModal(true);
    setWindowTitle(tr("Mirror Rules"));
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        tr("Name parts that mark the two sides (l_ at the start, _l at the end, Left as a word):"), this));

    table_ = new QTableWidget(0, 2, this);
    table_->setHorizontalHeaderLabels({tr("Left"), tr("Right")});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->hide();
    layout->addWidget(table_);
    QHBoxLayout* rowButtons = new QHBoxLayout;
    QPushButton* add = new QPushButton(tr("Add Rule"), this);
    QPushButton* remove = new QPushButton(tr("Remove Rule"), this);
    QPushButton* defaults = new QPushButton(tr("Default Rules"), this);
    rowButtons->addWidget(add);
    rowButtons->addWidget(remove);
    rowButtons->addStretch();
    rowButtons->addWidget(defaults);
    layout->addLayout(rowButtons);

    QGridLayout* grid = new QGridLayout;
    axisOption_ = new QCheckBox(tr("Mirror axis at x:"), this);
    axis_ = new QSpinBox(this);
    axis_->setRange(-buttonRecord::kCoordinateLimit, buttonRecord::kCoordinateLimit);
    grid->addWidget(axisOption_, 0, 0);
    grid->addWidget(axis_, 0, 1, 1, 2);
    colorOption_ = new QCheckBox(tr("Swap side colours:"), this);
    const QRegularExpression rgb(QStringLiteral("#[0-9A-Fa-f]{0,6}"));
    leftColor_ = new QLineEdit(this);
    rightColor_ = new QLineEdit(this);
    for (QLineEdit* e : {leftColor_, rightColor_})
        e->setValidator(new QRegularExpressionValidator(rgb, e));
    leftColor_->setToolTip(tr("Left side colour, #RRGGBB"));
    rightColor_->setToolTip(tr("Right side colour, #RRGGBB"));
    grid->addWidget(colorOption_, 1, 0);
    grid->addWidget(leftColor_, 1, 1);
    grid->addWidget(rightColor_, 1, 2);
    layout->addLayout(grid);

    problem_ = new QLabel(this);
    problem_->setStyleSheet(QStringLiteral("color: #D03030"));
    problem_->setWordWrap(true);
    layout->addWidget(problem_);
    QDialogButtonBox* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = box->button(QDialogButtonBox::Ok);
    layout->addWidget(box);

    show_rules(settings.rules.isEmpty() ? side_rules::default_pairs() : settings.rules);
    axisOption_->setChecked(settings.hasAxis);
    axis_->setValue(settings.axis);
    colorOption_->setChecked(settings.hasColors);
    leftColor_->setText(hex(settings.hasColors ? settings.leftColor : 0x3070E0u));
    rightColor_->setText(hex(settings.hasColors ? settings.rightColor : 0xD03030u));

    connect(add, &QPushButton::clicked, this, &picker_mirrorRulesDialog::add_rule);
    connect(remove, &QPushButton::clicked, this, &picker_mirrorRulesDialog::remove_rule);
    connect(defaults, &QPushButton::clicked, this, &picker_mirrorRulesDialog::default_rules);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellChanged, this, &picker_mirrorRulesDialog::check);
    connect(axisOption_, &QCheckBox::toggled, this, &picker_mirrorRulesDialog::check);
    connect(colorOption_, &QCheckBox::toggled, this, &picker_mirrorRulesDialog::check);
    connect(leftColor_, &QLineEdit::textChanged, this, &picker_mirrorRulesDialog::check);
    connect(rightColor_, &QLineEdit::textChanged, this, &picker_mirrorRulesDialog::check);
    check();
}

void picker_mirrorRulesDialog::show_rules(const side_pairs& pairs)
{
    const QSignalBlocker quiet(table_);
    table_->setRowCount(0);
    for (const side_pair& p : pairs) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        table_->setItem(row, 0, new QTableWidgetItem(p.first));
        table_->setItem(row, 1, new QTableWidgetItem(p.second));
    }
}

side_pairs picker_mirrorRulesDialog::rules() const
{
    side_pairs out;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const QTableWidgetItem* left = table_->item(row, 0);
        const QTableWidgetItem* right = table_->item(row, 1);
        const QString l = left ? left->text().trimmed() : QString();
        const QString r = right ? right->text().trimmed() : QString();
        if (!l.isEmpty() || !r.isEmpty()) // an empty row is no rule
            out.append(side_pair(l, r));
    }
    return out;
}

QString picker_mirrorRulesDialog::problem() const
{
    const side_pairs pairs = rules();
    if (pairs.isEmpty())
        return tr("Give at least one rule.");
    if (pairs.size() > side_rules::kMaxPairs)
        return tr("At most %1 rules.").arg(side_rules::kMaxPairs);
    for (int i = 0; i < pairs.size(); ++i) {
        const QString why = side_rules::check_pair(pairs[i].first, pairs[i].second);
        if (!why.isEmpty())
            return tr("Rule %1: %2.").arg(i + 1).arg(why);
    }
    QRgb c = 0;
    if (colorOption_->isChecked() && (!read_hex(leftColor_->text(), &c) || !read_hex(rightColor_->text(), &c)))
        return tr("Side colours are written #RRGGBB.");
    return QString();
}

void picker_mirrorRulesDialog::check()
{
    const QString why = problem();
    problem_->setText(why);
    ok_->setEnabled(why.isEmpty());
}

void picker_mirrorRulesDialog::add_rule()
{
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setCurrentCell(row, 0);
    table_->editItem(table_->item(row, 0));
    check();
}

void picker_mirrorRulesDialog::remove_rule()
{
    const int row = table_->currentRow();
    if (row >= 0)
        table_->removeRow(row);
    check();
}

void picker_mirrorRulesDialog::default_rules()
{
    show_rules(side_rules::default_pairs());
    check();
}

mirror_settings picker_mirrorRulesDialog::settings() const
{
    mirror_settings out;
    out.rules = rules();
    if (out.rules == side_rules::default_pairs())
        out.rules.clear();
    out.hasAxis = axisOption_->isChecked();
    out.axis = out.hasAxis ? axis_->value() : 0;
    out.hasColors = colorOption_->isChecked() && read_hex(leftColor_->text(), &out.leftColor)
                    && read_hex(rightColor_->text(), &out.rightColor);
    if (!out.hasColors)
        out.leftColor = out.rightColor = 0;
    return out;
}

bool picker_mirrorRulesDialog::do_dialog(QWidget* parent, mirror_settings* settings)
{
    QPointer<picker_mirrorRulesDialog> dialog = new picker_mirrorRulesDialog(parent, *settings);
    int result = QDialog::Rejected;
    {
        const nested_loop loop(QStringLiteral("mirror rules"));
        result = dialog->exec();
    }
    // A host callback may have destroyed the parent, and the dialog with it.
    if (!dialog)
        return false;
    const bool accepted = result == QDialog::Accepted && dialog->problem().isEmpty();
    if (accepted)
        *settings = dialog->settings();
    delete dialog.data();
    return accepted;
}
