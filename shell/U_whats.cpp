#include "shell/U_whats.h"

#include "common/Deployment.h"
#include "platform/dialogs/DialogService.h"
#include "platform/system/DesktopActions.h"
#include "shell/EnterMovesFocus.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

namespace {

QString encoded(const QString& text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QLineEdit* edit(const char* name, const QString& preset, QWidget* parent)
{
    auto* box = new QLineEdit(preset, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QPushButton* button(const char* name, const QString& text, const QString& hint, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    return b;
}

} // namespace

QString whatsappDirectAddress(const QString& number)
{
    return deployment::whatsappSendUrl() + QStringLiteral("/?phone=") + encoded(number);
}

QString whatsappAddress(const QString& number, const QString& name, const QString& message)
{
    return whatsappDirectAddress(number) + QStringLiteral("&text=") +
           encoded(QStringLiteral("Olá, aqui é: ") + name + QStringLiteral(", ") + message);
}

TFrm_Whats::TFrm_Whats(QWidget* parent) : ShellDialog(parent)
{
    setObjectName(QStringLiteral("Frm_Whats"));
    setWindowTitle(QStringLiteral("ENVIO DE MENSAGEM VIA WHATSAPP"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    setFixedSize(412, 253);

    edt_ddi = edit("edt_ddi", QStringLiteral("55"), this);
    edt_ddd = edit("edt_ddd", deployment::areaCode(), this);
    edtnumero = edit("edtnumero", QString(), this);
    edtnumero->setToolTip(QStringLiteral("Digite aqui somente o numero sem o DDI e sem DDD"));
    edtnome = edit("edtnome", QStringLiteral("SME- SECRETARIA DE EDUCACAO"), this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setTabChangesFocus(true);
    Button1 = button("Button1", QStringLiteral("ENVIAR - COM MSG"), QStringLiteral("ENVIAR - COM MSG"), this);
    Button2 = button("Button2", QStringLiteral("LIMPAR CAMPOS"), QStringLiteral("LIMPAR CAMPOS"), this);
    Button3 = button("Button3", QStringLiteral("Sair"), QStringLiteral("SAIR"), this);
    Button4 = button("Button4", QStringLiteral("DIRETO SEM MSG"), QString(), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("DDI - PAIS"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("DDD - UF"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("TELEFONE"), this), 0, 2, 1, 2);
    grid->addWidget(edt_ddi, 1, 0);
    grid->addWidget(edt_ddd, 1, 1);
    grid->addWidget(edtnumero, 1, 2, 1, 2);
    edt_ddi->setMaximumWidth(80);
    edt_ddd->setMaximumWidth(80);
    grid->addWidget(new QLabel(QStringLiteral("Nome"), this), 2, 0, 1, 3);
    grid->addWidget(edtnome, 3, 0, 1, 4);
    grid->addWidget(Memo1, 4, 0, 4, 3);
    grid->addWidget(Button1, 4, 3);
    grid->addWidget(Button2, 5, 3);
    grid->addWidget(Button3, 6, 3);
    grid->addWidget(Button4, 8, 0, 1, 4);
    grid->setColumnStretch(2, 1);

    setTabOrder(edt_ddi, edt_ddd);
    setTabOrder(edt_ddd, edtnumero);
    setTabOrder(edtnumero, edtnome);
    setTabOrder(edtnome, Memo1);
    setTabOrder(Memo1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button4);

    connect(Button1, &QPushButton::clicked, this, &TFrm_Whats::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFrm_Whats::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &ShellDialog::leave);
    connect(Button4, &QPushButton::clicked, this, &TFrm_Whats::Button4Click);
    for (QPushButton* b : {Button1, Button2, Button3, Button4})
        b->setAutoDefault(false);
    installEnterMovesFocus(this);
}

void TFrm_Whats::Button1Click()
{
    const QString number = edt_ddi->text() + edt_ddd->text() + edtnumero->text();
    const QString message = Memo1->toPlainText();
    if (edtnumero->text().isEmpty() || edtnome->text().isEmpty() || message.isEmpty()) {
        dlg::showMessage(this, QStringLiteral("Por favor preencha todos os campos"));
        return;
    }
    openAndClose(whatsappAddress(number, edtnome->text(), message));
}

void TFrm_Whats::Button4Click()
{
    openAndClose(whatsappDirectAddress(edt_ddi->text() + edt_ddd->text() + edtnumero->text()));
}

void TFrm_Whats::Button2Click()
{
    for (QLineEdit* box : {edt_ddi, edt_ddd, edtnumero, edtnome})
        box->clear();
    Memo1->clear();
    edtnumero->setFocus();
}

void TFrm_Whats::openAndClose(const QString& address)
{
    const QUrl url = QUrl::fromEncoded(address.toLatin1(), QUrl::StrictMode);
    if (!sys::openUrl(url)) {
        dlg::showError(this, QStringLiteral("Não foi possível abrir ") + address);
        return;
    }
    leave();
}
