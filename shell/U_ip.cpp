#include "shell/U_ip.h"

#include "platform/dialogs/DialogService.h"
#include "shell/U_login.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TFrm_rede::TFrm_rede(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Frm_rede"));
    setWindowTitle(QStringLiteral("Frm_rede"));
    resize(480, 311);

    Button1 = new QPushButton(QStringLiteral("IP EXTERNO"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("IP LOCAL"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("Button3"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Label2"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    for (QPushButton* b : {Button1, Button2, Button3}) {
        b->setAutoDefault(false);
        b->setMinimumSize(110, 40);
    }

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 24, 16, 24);
    grid->addWidget(Button1, 0, 0);
    grid->addWidget(Button2, 1, 0);
    grid->addWidget(Button3, 2, 0);
    grid->addWidget(Label1, 0, 1, Qt::AlignCenter);
    grid->addWidget(Label2, 1, 1, Qt::AlignCenter);
    grid->setColumnStretch(1, 1);

    connect(Button1, &QPushButton::clicked, this, &TFrm_rede::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFrm_rede::Button2Click);
}

void TFrm_rede::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Label1->setText(GetIPReal());
    Label2->setText(GetLocalIP());
}

void TFrm_rede::Button1Click()
{
    dlg::showMessage(this, GetIPReal());
}

void TFrm_rede::Button2Click()
{
    dlg::showMessage(this, GetLocalIP());
}
