#include "tests/shell/ShellFixture.h"

#include "common/Deployment.h"
#include "data/U_datamodulo.h"
#include "shell/AccessCheck.h"
#include "shell/StatusPanels.h"
#include "shell/U_login.h"
#include "shell/U_menu.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

using namespace shell_test;
using testing_support::DialogScript;

namespace {

const QString kEmpty = QStringLiteral("Os Campos Não podem Permanecer Vazio");
const QString kWrong = QStringLiteral("Usúario e Senha Incorretos");

struct SignInCase
{
    const char* name;
    QString typedLogin;
    QString typedPassword;
    QStringList boxes; // texts of the boxes shown
    bool signedIn;
    bool keepsText; // the boxes keep what was typed
};

class SignIn : public ShellTest, public ::testing::WithParamInterface<SignInCase>
{
};

TEST_P(SignIn, ComparesExactlyAfterTheLikeQuery)
{
    const SignInCase& c = GetParam();
    createWindows();
    QTest::keyClicks(FrmLogin->EdtUsuario, c.typedLogin);
    QTest::keyClicks(FrmLogin->EdtSenha, c.typedPassword);
    const QString shownLogin = FrmLogin->EdtUsuario->text();
    const QString shownPassword = FrmLogin->EdtSenha->text();
    EXPECT_EQ(shownLogin, c.typedLogin.toUpper()) << "the box turns letters into capitals";
    FrmLogin->BtnAcessar->click();

    EXPECT_EQ(script->texts(), c.boxes);
    for (const auto& box : script->shown()) {
        if (!c.signedIn) {
            EXPECT_EQ(box.title, QStringLiteral("Erro"));
        }
    }
    EXPECT_EQ(Frm_Menu->isVisible(), c.signedIn);
    if (c.keepsText || c.signedIn) {
        EXPECT_EQ(FrmLogin->EdtUsuario->text(), shownLogin);
        EXPECT_EQ(FrmLogin->EdtSenha->text(), shownPassword);
    } else {
        EXPECT_TRUE(FrmLogin->EdtUsuario->text().isEmpty());
        EXPECT_TRUE(FrmLogin->EdtSenha->text().isEmpty());
    }
    if (c.signedIn) {
        EXPECT_EQ(signedInLogin(), shownLogin);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SignIn,
    ::testing::Values(
        SignInCase{"right",
                   QStringLiteral("VIDA"),
                   QStringLiteral("VIDA123"),
                   {QStringLiteral("Seja bem vindo VIDA ao inicio do Sistema ")},
                   true,
                   true},
        SignInCase{"typed_in_small_letters",
                   QStringLiteral("vida"),
                   QStringLiteral("vida123"),
                   {QStringLiteral("Seja bem vindo VIDA ao inicio do Sistema ")},
                   true,
                   true},
        SignInCase{
            "wrong_login", QStringLiteral("NINGUEM"), QStringLiteral("VIDA123"), {kWrong}, false, false},
        SignInCase{
            "wrong_password", QStringLiteral("VIDA"), QStringLiteral("ERRADA"), {kWrong}, false, false},
        SignInCase{"both_wrong", QStringLiteral("NINGUEM"), QStringLiteral("ERRADA"), {kWrong}, false, false},
        SignInCase{"wildcard_password", QStringLiteral("VIDA"), QStringLiteral("%"), {}, false, true},
        SignInCase{"wildcard_login", QStringLiteral("%"), QStringLiteral("VIDA123"), {}, false, true},
        SignInCase{"wildcards_in_both", QStringLiteral("%"), QStringLiteral("%"), {kWrong}, false, false},
        SignInCase{"empty_password", QStringLiteral("VIDA"), QString(), {kEmpty}, false, false},
        SignInCase{"empty_login", QString(), QStringLiteral("VIDA123"), {kEmpty}, false, false},
        SignInCase{"stored_in_small_letters",
                   QStringLiteral("ana"),
                   QStringLiteral("ana123"),
                   {kWrong},
                   false,
                   false}),
    [](const ::testing::TestParamInfo<SignInCase>& info) { return std::string(info.param.name); });

using LoginForm = ShellTest;

TEST_F(LoginForm, EnterMovesToAcessarAndASecondEnterSignsIn)
{
    createWindows();
    FrmLogin->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FrmLogin));
    FrmLogin->EdtUsuario->setFocus();
    QTest::keyClicks(FrmLogin->EdtUsuario, QStringLiteral("VIDA"));
    QTest::keyClick(FrmLogin->EdtUsuario, Qt::Key_Return);
    EXPECT_TRUE(FrmLogin->EdtSenha->hasFocus());
    QTest::keyClicks(FrmLogin->EdtSenha, QStringLiteral("VIDA123"));
    QTest::keyClick(FrmLogin->EdtSenha, Qt::Key_Return);
    EXPECT_TRUE(FrmLogin->BtnAcessar->hasFocus());
    EXPECT_TRUE(script->texts().isEmpty());
    QTest::keyClick(FrmLogin->BtnAcessar, Qt::Key_Return);
    EXPECT_EQ(script->texts(), QStringList{QStringLiteral("Seja bem vindo VIDA ao inicio do Sistema ")});
    EXPECT_FALSE(FrmLogin->isVisible());
    EXPECT_TRUE(Frm_Menu->isVisible());
}

TEST_F(LoginForm, ShowsVersionAddressesAndIgnoresTheCloseCommand)
{
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    createWindows();
    FrmLogin->show();
    EXPECT_EQ(FrmLogin->lblversao->text(), QStringLiteral("Versão....:1.0.0.0"));
    EXPECT_EQ(FrmLogin->stat1->text(0), QStringLiteral("Ip Externo.:ERRO AO RECUPERAR IP"));
    EXPECT_TRUE(FrmLogin->stat1->text(1).startsWith(QStringLiteral("Ip Local.:")));
    EXPECT_EQ(FrmLogin->EdtSenha->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                     FrmLogin->EdtSenha),
              '*');
    EXPECT_TRUE(dm->cdslogin->isActive());
    EXPECT_FALSE(FrmLogin->close());
    EXPECT_TRUE(FrmLogin->isVisible());
    FrmLogin->tmrRedeTimer();
    EXPECT_TRUE(FrmLogin->lbl_rede->text() == QStringLiteral("Status Internet: Conectado") ||
                FrmLogin->lbl_rede->text() == QStringLiteral("Status Internet: Desconectado"));
}

TEST_F(LoginForm, ExternalAddressComesFromTheEchoService)
{
    EchoServer echo("<html><head><title>Current IP Check</title></head>"
                    "<body>Current IP Address: 203.0.113.7</body></html>\r\n");
    setEchoService(echo.url());
    createWindows();
    FrmLogin->show();
    EXPECT_EQ(FrmLogin->stat1->text(0), QStringLiteral("Ip Externo.:203.0.113.7"));
}

TEST_F(LoginForm, AtualizarAsksThenOpensTheDownloadAndEnds)
{
    createWindows();
    script->answer(dlg::Button::No);
    FrmLogin->btnatualizar->click();
    ASSERT_EQ(script->shown().size(), 1u);
    EXPECT_EQ(script->shown()[0].title, QStringLiteral("Quenara SISTEMAS"));
    EXPECT_EQ(script->shown()[0].text, QStringLiteral("A T E N Ç Ã O ! ! !\rDeseja fazer atualização ?"));
    EXPECT_TRUE(desktop.opened.empty());
    EXPECT_EQ(desktop.terminations, 0);

    script->answer(dlg::Button::Yes);
    FrmLogin->btnatualizar->click();
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0].toString(), deployment::updateDownloadUrl());
    EXPECT_TRUE(desktop.opened[0].path().endsWith(QStringLiteral("/educacao/zevaduz/ESCOLAR.exe")));
    EXPECT_EQ(desktop.terminations, 1);
}

TEST_F(LoginForm, SairEndsAndTheContactOpensWhatsApp)
{
    createWindows();
    FrmLogin->show();
    QTest::mouseClick(FrmLogin->lblcontato, Qt::LeftButton);
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0].toString(), deployment::whatsappSendUrl() + QStringLiteral("?phone=") +
                                                deployment::supportWhatsappNumber());
    FrmLogin->BtnSair->click();
    EXPECT_EQ(desktop.terminations, 1);
}

TEST(ExternalAddress, KeepsTheDigitsAndDotsOfTheReply)
{
    EXPECT_EQ(externalAddressFromReply("<html><head><title>Current IP Check</title></head>"
                                       "<body>Current IP Address: 198.51.100.23</body></html>"),
              QStringLiteral("198.51.100.23"));
    EXPECT_EQ(externalAddressFromReply("  10.0.0.1\n"), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(externalAddressFromReply("no address here"), QString());
}

TEST(ExternalAddress, FailureTextWhenTheServiceCannotBeReached)
{
    setEchoService(refusedUrl());
    EXPECT_EQ(GetIPReal(), QStringLiteral("ERRO AO RECUPERAR IP"));
    setEchoService(QUrl());
}

TEST(ExternalAddress, AServiceThatNeverAnswersIsGivenUpQuickly)
{
    EchoServer silent("", false);
    setEchoService(silent.url());
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(GetIPReal(), QStringLiteral("ERRO AO RECUPERAR IP"));
    EXPECT_LT(clock.elapsed(), 5000);
    setEchoService(QUrl());
}

} // namespace
