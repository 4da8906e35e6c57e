// The users register: the level pick-list and the delete reserved to level "3".
#include "data/U_datamodulo.h"
#include "platform/widgets/DBComboBox.h"
#include "platform/widgets/DBEdit.h"
#include "registers/U_cadusuario.h"
#include "tests/more_registers/MoreRegistersFixture.h"

#include <QtTest/QTest>

namespace {

using dlg::Button;
using UsersTest = MoreRegistersTest;

TEST_F(UsersTest, DeleteIsAdmittedOnlyToLevel3)
{
    exec(QStringLiteral("insert into USUARIO values (10, 'ALVO', 'ALVO', 'X', '1')"));
    exec(QStringLiteral("insert into USUARIO values (11, 'NIVEL ZERO', 'ZERO', 'ZERO123', '0')"));
    struct Row
    {
        const char* name;
        const char* login;
        const char* password;
        bool admitted;
    };
    const Row rows[] = {
        {"level 0", "ZERO", "ZERO123", false},      {"level 1", "VIDA", "VIDA123", false},
        {"level 2", "ESCOLA", "ESCOLA123", false},  {"level 4", "RH", "RH123", false},
        {"level 3", "SUPORTE", "SUPORTE123", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        signInAs(QLatin1String(r.login), QLatin1String(r.password));
        dialogs->clear();
        auto screen = open<TFrmCadUsuario>();
        ASSERT_TRUE(dm->cdslogin->locate(QStringLiteral("CODIGO"), 10, false, false));
        dialogs->answer(Button::Yes);
        click(screen.get(), "bntexcluir");
        const int left = scalar(QStringLiteral("select count(*) from USUARIO where CODIGO = 10")).toInt();
        if (r.admitted) {
            EXPECT_EQ(dialogs->texts(), (QStringList{QStringLiteral("Autorizado"),
                                                     QStringLiteral("Deseja Excluir o cadastro?")}));
            EXPECT_EQ(left, 0);
        } else {
            ASSERT_EQ(dialogs->shown().size(), 1u);
            EXPECT_EQ(dialogs->shown()[0].title, QStringLiteral("Sem Permissão"));
            EXPECT_EQ(dialogs->shown()[0].text,
                      QStringLiteral("Voce Nao tem Permissão\rChame o Administrador "));
            EXPECT_EQ(dialogs->shown()[0].icon, dlg::Icon::Error);
            EXPECT_EQ(left, 1);
            EXPECT_TRUE(dm->cdslogin->locate(QStringLiteral("CODIGO"), 10, false, false));
        }
        click(screen.get(), "bntsair");
    }
}

TEST_F(UsersTest, TypedLevelAndMaskedPasswordAreSavedInCapitalsWithoutLogin)
{
    auto screen = open<TFrmCadUsuario>();
    auto* combonivel = child<dbw::DBComboBox>(screen.get(), "combonivel");
    QStringList entries;
    for (int i = 0; i < combonivel->count(); ++i)
        entries << combonivel->itemText(i);
    EXPECT_EQ(entries, (QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                    QStringLiteral("3"), QString()}));
    EXPECT_FALSE(child<QWidget>(screen.get(), "dbid")->isEnabled());
    EXPECT_FALSE(combonivel->isEnabled());

    click(screen.get(), "bntnovo");
    const int key = dm->cdslogin->fieldByName(QStringLiteral("CODIGO")).asInteger();
    EXPECT_FALSE(child<QWidget>(screen.get(), "dbid")->isEnabled());
    typeInto(child<dbw::DBEdit>(screen.get(), "dbnome"), QStringLiteral("ana"));
    auto* dbsenha = child<dbw::DBEdit>(screen.get(), "dbsenha");
    typeInto(dbsenha, QStringLiteral("abc1"));
    EXPECT_EQ(dbsenha->displayText(), QStringLiteral("####"));
    typeInto(combonivel->lineEdit(), QStringLiteral("4")); // the human-resources level is not listed
    screenshot(screen.get(), QStringLiteral("usuarios_novo"));
    click(screen.get(), "bntgravar");

    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("Registro salvo com sucesso!")});
    const QString where = QStringLiteral(" from USUARIO where CODIGO = %1").arg(key);
    EXPECT_EQ(scalar(QStringLiteral("select NOME") + where).toString(), QStringLiteral("ANA"));
    EXPECT_EQ(scalar(QStringLiteral("select SENHA") + where).toString(), QStringLiteral("ABC1"));
    EXPECT_EQ(scalar(QStringLiteral("select NIVEL") + where).toString(), QStringLiteral("4"));
    EXPECT_TRUE(scalar(QStringLiteral("select LOGIN") + where).isNull());
}

TEST_F(UsersTest, EachOpeningShowsUsersAddedAtAnotherDesk)
{
    {
        auto screen = open<TFrmCadUsuario>();
        EXPECT_EQ(dm->cdslogin->recordCount(), 4);
        click(screen.get(), "bntsair");
    }
    exec(QStringLiteral("insert into USUARIO values (20, 'OUTRA MESA', 'OUTRA', 'X', '2')"));
    auto screen = open<TFrmCadUsuario>();
    EXPECT_EQ(dm->cdslogin->recordCount(), 5);
    screenshot(screen.get(), QStringLiteral("usuarios"));
}

} // namespace
