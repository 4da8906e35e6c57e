#include "tests/shell/ShellFixture.h"

#include "common/Deployment.h"
#include "shell/U_ip.h"
#include "shell/U_login.h"
#include "shell/U_sobre.h"
#include "shell/U_whats.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

using namespace shell_test;

namespace {

struct AddressCase
{
    const char* name;
    QString sender;
    QString message;
    QString encodedText; // what follows "&text="
};

class WhatsAppAddress : public ::testing::TestWithParam<AddressCase>
{
};

TEST_P(WhatsAppAddress, CarriesTheWholeMessage)
{
    const AddressCase& c = GetParam();
    const QString address = whatsappAddress(QStringLiteral("5564999990000"), c.sender, c.message);
    EXPECT_EQ(address,
              deployment::whatsappSendUrl() + QStringLiteral("/?phone=5564999990000&text=") + c.encodedText);
    const QUrl url = QUrl::fromEncoded(address.toLatin1(), QUrl::StrictMode);
    ASSERT_TRUE(url.isValid());
    EXPECT_TRUE(url.fragment().isEmpty());
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("phone")), QStringLiteral("5564999990000"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded),
              QStringLiteral("Olá, aqui é: ") + c.sender + QStringLiteral(", ") + c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WhatsAppAddress,
    ::testing::Values(
        AddressCase{"plain", QStringLiteral("SME"), QStringLiteral("Bom dia"),
                    QStringLiteral("Ol%C3%A1%2C%20aqui%20%C3%A9%3A%20SME%2C%20Bom%20dia")},
        AddressCase{"ampersand", QStringLiteral("SME"), QStringLiteral("pai & mae"),
                    QStringLiteral("Ol%C3%A1%2C%20aqui%20%C3%A9%3A%20SME%2C%20pai%20%26%20mae")},
        AddressCase{"hash", QStringLiteral("SME"), QStringLiteral("sala #3"),
                    QStringLiteral("Ol%C3%A1%2C%20aqui%20%C3%A9%3A%20SME%2C%20sala%20%233")},
        AddressCase{
            "accents_and_blanks", QStringLiteral("SECRETARIA DE EDUCAÇÃO"),
            QStringLiteral("  matrícula  aberta "),
            QStringLiteral("Ol%C3%A1%2C%20aqui%20%C3%A9%3A%20SECRETARIA%20DE%20EDUCA%C3%87%C3%83O%2C%20%20%20"
                           "matr%C3%ADcula%20%20aberta%20")},
        AddressCase{"line_break", QStringLiteral("SME"), QStringLiteral("linha 1\nlinha 2"),
                    QStringLiteral("Ol%C3%A1%2C%20aqui%20%C3%A9%3A%20SME%2C%20linha%201%0Alinha%202")}),
    [](const ::testing::TestParamInfo<AddressCase>& info) { return std::string(info.param.name); });

using WhatsAppSender = ShellTest;

TEST_F(WhatsAppSender, PresetsAndTabOrder)
{
    TFrm_Whats form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ENVIO DE MENSAGEM VIA WHATSAPP"));
    EXPECT_EQ(form.edt_ddi->text(), QStringLiteral("55"));
    EXPECT_EQ(form.edt_ddd->text(), deployment::areaCode());
    EXPECT_EQ(form.edtnome->text(), QStringLiteral("SME- SECRETARIA DE EDUCACAO"));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.edt_ddi->setFocus();
    QWidget* expected[] = {form.edt_ddd, form.edtnumero, form.edtnome, form.Memo1, form.Button1};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(WhatsAppSender, SendsTheMessageAndCloses)
{
    TFrm_Whats form;
    form.show();
    QTest::keyClicks(form.edtnumero, QStringLiteral("999990000"));
    form.Memo1->setPlainText(QStringLiteral("Reunião & documentos #2"));
    form.Button1->click();
    ASSERT_EQ(desktop.opened.size(), 1u);
    const QUrlQuery query(desktop.opened[0]);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("phone")),
              QStringLiteral("55") + deployment::areaCode() + QStringLiteral("999990000"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded),
              QStringLiteral("Olá, aqui é: SME- SECRETARIA DE EDUCACAO, Reunião & documentos #2"));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(WhatsAppSender, EmptyMessageIsRefusedAndTheWindowStays)
{
    TFrm_Whats form;
    form.show();
    QTest::keyClicks(form.edtnumero, QStringLiteral("999990000"));
    form.Button1->click();
    EXPECT_EQ(script->texts(), QStringList{QStringLiteral("Por favor preencha todos os campos")});
    EXPECT_TRUE(desktop.opened.empty());
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.close()) << "the close command is ignored";
}

TEST_F(WhatsAppSender, ClearingEmptiesThePresetsToo)
{
    TFrm_Whats form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Memo1->setPlainText(QStringLiteral("x"));
    form.Button2->click();
    for (QLineEdit* box : {form.edt_ddi, form.edt_ddd, form.edtnumero, form.edtnome})
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
    EXPECT_TRUE(form.Memo1->toPlainText().isEmpty());
    EXPECT_TRUE(form.edtnumero->hasFocus());
    QTest::keyClicks(form.edtnumero, QStringLiteral("999990000"));
    form.Button4->click();
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0].toString(),
              deployment::whatsappSendUrl() + QStringLiteral("/?phone=999990000"));
    EXPECT_FALSE(form.isVisible());
}

using NetworkWindow = ShellTest;

TEST_F(NetworkWindow, ShowsBothAddresses)
{
    EchoServer echo("<body>Current IP Address: 192.0.2.44</body>");
    setEchoService(echo.url());
    TFrm_rede form;
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Frm_rede"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("192.0.2.44"));
    EXPECT_EQ(form.Label2->text(), GetLocalIP());
    form.Button1->click();
    form.Button2->click();
    form.Button3->click();
    EXPECT_EQ(script->texts(), (QStringList{QStringLiteral("192.0.2.44"), GetLocalIP()}));
}

TEST_F(NetworkWindow, OfflineShowsTheFailureText)
{
    TFrm_rede form;
    form.show();
    EXPECT_EQ(form.Label1->text(), QStringLiteral("ERRO AO RECUPERAR IP"));
}

using AboutBox = ShellTest;

TEST_F(AboutBox, TitleLinksAndEsc)
{
    TForm_sobre about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    EXPECT_EQ(about.windowTitle(), applicationTitle());
    EXPECT_EQ(applicationTitle(), QStringLiteral("test_shell")) << "the first letter as it stands";
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(about.lblCrome, &enter);
    EXPECT_TRUE(about.lblCrome->font().underline());
    EXPECT_EQ(about.lblCrome->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QTest::mouseClick(about.lblCrome, Qt::LeftButton);
    QTest::mouseClick(about.lblInternet, Qt::LeftButton);
    ASSERT_EQ(desktop.opened.size(), 2u);
    EXPECT_EQ(desktop.opened[0].toString(), deployment::makerWebAddress());
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

} // namespace
