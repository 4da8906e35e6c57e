#include "referral/TotalPanel.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QVBoxLayout>

QFrame* totalPanel(QWidget* parent, QLabel** counter)
{
    auto* total = new QFrame(parent);
    total->setObjectName(QStringLiteral("pnl_total"));
    total->setAutoFillBackground(true);
    QPalette purple = total->palette();
    purple.setColor(QPalette::Window, QColor(128, 0, 128));
    purple.setColor(QPalette::WindowText, Qt::white);
    total->setPalette(purple);
    auto* layout = new QVBoxLayout(total);
    layout->setContentsMargins(10, 2, 10, 2);
    layout->setSpacing(0);
    layout->addWidget(new QLabel(QStringLiteral("Total Geral "), total), 0, Qt::AlignHCenter);
    auto* label = new QLabel(QStringLiteral("total"), total);
    label->setObjectName(QStringLiteral("lbl_total_aluno"));
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPixelSize(18);
    label->setFont(bold);
    layout->addWidget(label, 0, Qt::AlignHCenter);
    *counter = label;
    return total;
}
