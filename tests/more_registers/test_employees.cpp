// The employees: the signed-in user's stamp, the age label, the 24 editors.
#include "common/UFuncoes.h"
#include "data/U_datamodulo.h"
#include "platform/widgets/DBEdit.h"
#include "registers/U_Cad_Funcionario.h"
#include "shell/AccessCheck.h"
#include "tests/more_registers/MoreRegistersFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

class EmployeesTest : public MoreRegistersTest
{
protected:
    std::unique_ptr<TFrm_Cad_Funcionario> openOn(const QDate& today)
    {
        auto screen = std::make_unique<TFrm_Cad_Funcionario>();
        screen->setToday([today] { return today; });
        showScreen(screen.get());
        return screen;
    }
};

TEST_F(EmployeesTest, RowsCarryTheLoginOfWhoeverSavedThemLast)
{
    signInAs(QStringLiteral("RH"), QStringLiteral("RH123"));
    auto screen = open<TFrm_Cad_Funcionario>();
    auto* dbusuario = child<dbw::DBEdit>(screen.get(), "dbusuario");
    click(screen.get(), "bntnovo");
    const int key = dm->cdsfuncionario->fieldByName(QStringLiteral("ID")).asInteger();
    EXPECT_EQ(dbusuario->text(), QStringLiteral("RH"));
    EXPECT_FALSE(dbusuario->isEnabled());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("dbmatricula"));
    for (const char* off : {"bntpesquisar", "bntfiltrar"})
        EXPECT_FALSE(child<QToolButton>(screen.get(), off)->isEnabled()) << off;
    typeInto(child<dbw::DBEdit>(screen.get(), "dbnome"), QStringLiteral("pedro alves"));
    click(screen.get(), "bntgravar");
    const QString stamp = QStringLiteral("select USUARIO from FUNCIONARIO where ID = %1").arg(key);
    EXPECT_EQ(scalar(stamp).toString(), QStringLiteral("RH"));
    for (const char* on : {"bntpesquisar", "bntfiltrar"})
        EXPECT_TRUE(child<QToolButton>(screen.get(), on)->isEnabled()) << on;

    struct Row
    {
        const char* name;
        const char* login;
        const char* finish;
        const char* expected;
    };
    const Row rows[] = {
        {"edited and cancelled", "VIDA", "bntcancelar", "RH"},
        {"edited and saved", "SUPORTE", "bntgravar", "SUPORTE"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        setSignedInLoginSource([login = QLatin1String(r.login)] { return QString(login); });
        ASSERT_TRUE(dm->cdsfuncionario->locate(QStringLiteral("ID"), key, false, false));
        click(screen.get(), "bnteditar");
        EXPECT_EQ(dbusuario->text(), QLatin1String(r.login));
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("dbmatricula"));
        click(screen.get(), r.finish);
        EXPECT_EQ(scalar(stamp).toString(), QLatin1String(r.expected));
    }

    typeInto(child<QLineEdit>(screen.get(), "Editbusca"), QStringLiteral("pedro a"));
    EXPECT_EQ(dm->cdsfuncionario->filter(), QStringLiteral("NOME like 'PEDRO A%'"));
    EXPECT_EQ(dm->cdsfuncionario->recordCount(), 1);
}

TEST_F(EmployeesTest, AgeLabelIsTheOpeningRowsAgeOnTheGivenDay)
{
    exec(QStringLiteral("update FUNCIONARIO set DN = '2000-06-01'"));
    struct Row
    {
        QDate today;
        const char* label;
    };
    const Row rows[] = {{QDate(2026, 12, 11), "26 Anos "}, {QDate(2026, 5, 1), "25 Anos "}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        auto screen = openOn(r.today);
        auto* lb_idade = child<QLabel>(screen.get(), "lb_idade");
        EXPECT_EQ(lb_idade->text(), QLatin1String(r.label));
        EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(screen.get(), "Editbusca"));
        dm->cdsfuncionario->last(); // moving on leaves the label alone
        EXPECT_EQ(lb_idade->text(), QLatin1String(r.label));
        screenshot(screen.get(), QStringLiteral("funcionarios"));
        click(screen.get(), "bntsair");
    }
}

TEST_F(EmployeesTest, WithoutABirthDateTheLabelStaysAndTheOpeningGoesOn)
{
    exec(QStringLiteral("update FUNCIONARIO set DN = null"));
    auto screen = openOn(QDate(2026, 12, 11));
    EXPECT_EQ(child<QLabel>(screen.get(), "lb_idade")->text(), QStringLiteral("idade"));
    EXPECT_TRUE(dialogs->texts().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(screen.get(), "Editbusca"));
}

TEST_F(EmployeesTest, EnterWalksThe24EditorsInOrder)
{
    auto screen = open<TFrm_Cad_Funcionario>();
    click(screen.get(), "bntnovo");
    const QStringList expected{
        QStringLiteral("dbmatricula"),  QStringLiteral("dbnome"),         QStringLiteral("dbdn"),
        QStringLiteral("dbendereco"),   QStringLiteral("dbnum"),          QStringLiteral("dbbairro"),
        QStringLiteral("dbcidade"),     QStringLiteral("dbnatural"),      QStringLiteral("dbsexo"),
        QStringLiteral("dbfuncao"),     QStringLiteral("dbdataadmissao"), QStringLiteral("dbcpf"),
        QStringLiteral("dbrg"),         QStringLiteral("dbrgdata"),       QStringLiteral("dbrgorgao"),
        QStringLiteral("dbcontato"),    QStringLiteral("dbcnh"),          QStringLiteral("dbcnhcat"),
        QStringLiteral("dbpassaporte"), QStringLiteral("dbtitulo"),       QStringLiteral("dbzona"),
        QStringLiteral("dbsecao"),      QStringLiteral("dbmae"),          QStringLiteral("dbpai"),
        QStringLiteral("Editbusca")};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(visited, expected);
    click(screen.get(), "bntcancelar");
}

} // namespace
