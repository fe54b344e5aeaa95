#include "window/rig_update_bar.h"
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

rig_update_bar::rig_update_bar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("rig_update_bar"));
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    text_ = new QLabel(this);
    text_->setWordWrap(true);
    use_ = new QPushButton(QString::fromLatin1("Use the rig's new picker"), this);
    keep_ = new QPushButton(QString::fromLatin1("Keep mine"), this);
    layout->addWidget(text_, 1);
    layout->addWidget(use_);
    layout->addWidget(keep_);
    connect(use_, &QPushButton::clicked, this, &rig_update_bar::use_rig);
    connect(keep_, &QPushButton::clicked, this, &rig_update_bar::keep_mine);
    hide();
}

void rig_update_bar::offer(const QString& picker, int mine, int rigs)
{
    text_->setText(tr("The rig's picker \"%1\" changed since this tab was made from it (version %2, now %3).")
                       .arg(picker)
                       .arg(mine)
                       .arg(rigs));
    show();
}
