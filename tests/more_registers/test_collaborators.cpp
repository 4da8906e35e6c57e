// The collaborators: two searches sharing one filter, "Filtro", the memo in capitals.
#include "common/Deployment.h"
#include "data/U_datamodulo.h"
#include "platform/widgets/DBComboBox.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBMemo.h"
#include "registers/U_Cad_Colaborador.h"
#include "tests/more_registers/MoreRegistersFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest/QTest>

namespace {

using dlg::Button;

class CollaboratorsTest : public MoreRegistersTest
{
protected:
    void SetUp() override
    {
        MoreRegistersTest::SetUp();
        screen = open<TFrm_Cad_Colaborador>();
    }
    QLineEdit* nameBox() const { return child<QLineEdit>(screen.get(), "Editbusca"); }
    QLineEdit* schoolBox() const { return child<QLineEdit>(screen.get(), "edtescola"); }
    ds::ClientDataSet* cds() const { return dm->cdscolaborador; }
    QStringList visible(const char* field) const
    {
        QStringList values;
        const int f = cds()->fieldIndex(QLatin1String(field));
        for (int row = 0; row < cds()->recordCount(); ++row)
            values << cds()->value(row, f).toString();
        return values;
    }
    int stored() const { return scalar(QStringLiteral("select count(*) from COLABORADOR")).toInt(); }

    std::unique_ptr<TFrm_Cad_Colaborador> screen;
};

TEST_F(CollaboratorsTest, EachBoxReplacesTheOneFilterWithItsOwnColumn)
{
    EXPECT_EQ(cds()->recordCount(), stored());
    EXPECT_EQ(QApplication::focusWidget(), nameBox());
    exec(QStringLiteral("insert into COLABORADOR (CODIGO_COLABORADOR, NOME_COLABORADOR, ESCOLA) "
                        "values (50, 'D''AVILA SANTOS', 'E.M. ALFA')"));
    click(screen.get(), "bntfiltro");

    struct Row
    {
        const char* name;
        QLineEdit* box;
        QString typed;
        QString filter;
        const char* column;
    };
    const QString school = deployment::fullSchoolList().at(20).left(4);
    const Row rows[] = {
        {"by name", nameBox(), QStringLiteral("d'a"), QStringLiteral("NOME_COLABORADOR like 'D''A%'"),
         "NOME_COLABORADOR"},
        {"by school, whatever the name box holds", schoolBox(), school,
         QStringLiteral("ESCOLA like '%1%'").arg(school), "ESCOLA"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        typeInto(r.box, r.typed);
        EXPECT_EQ(cds()->filter(), r.filter);
        EXPECT_TRUE(cds()->filtered());
        const QStringList values = visible(r.column);
        EXPECT_FALSE(values.isEmpty());
        for (const QString& v : values)
            EXPECT_TRUE(v.startsWith(r.typed.toUpper())) << v.toStdString();
    }
    EXPECT_EQ(nameBox()->text(), QStringLiteral("D'A"));
    screenshot(screen.get(), QStringLiteral("colaboradores_busca"));
}

TEST_F(CollaboratorsTest, ClickIntoASearchBoxReloadsAndEmptiesBoth)
{
    typeInto(nameBox(), QStringLiteral("ZZZ"));
    EXPECT_EQ(cds()->recordCount(), 0);
    typeInto(schoolBox(), QStringLiteral("E.M"));
    exec(QStringLiteral("insert into COLABORADOR (CODIGO_COLABORADOR, NOME_COLABORADOR, ESCOLA) "
                        "values (51, 'NOVO DE OUTRA MESA', 'CMEI X')"));

    QTest::mouseClick(nameBox(), Qt::LeftButton);

    EXPECT_TRUE(nameBox()->text().isEmpty());
    EXPECT_TRUE(schoolBox()->text().isEmpty());
    EXPECT_EQ(cds()->filter(), QStringLiteral("ESCOLA like '%'"));
    EXPECT_EQ(cds()->recordCount(), stored());
    EXPECT_TRUE(cds()->locate(QStringLiteral("CODIGO_COLABORADOR"), 51, false, false));
}

TEST_F(CollaboratorsTest, FiltroAndSearchesWaitWhileARowIsOpen)
{
    click(screen.get(), "bntnovo");
    const int key = cds()->fieldByName(QStringLiteral("CODIGO_COLABORADOR")).asInteger();
    typeInto(child<dbw::DBEdit>(screen.get(), "dbnome"), QStringLiteral("joana"));
    typeInto(child<dbw::DBEdit>(screen.get(), "dbemail"), QStringLiteral("Joana@escola.br"));
    typeInto(child<dbw::DBEdit>(screen.get(), "dbfuncao"), QStringLiteral("diretora"));
    auto* escola = child<dbw::DBComboBox>(screen.get(), "db_look_escola");
    EXPECT_EQ(escola->count(), 32);
    EXPECT_EQ(escola->itemText(31), QStringLiteral("OUTRO(A)S"));
    escola->setCurrentIndex(31);
    emit escola->activated(31);

    click(screen.get(), "bntfiltro");
    QTest::mouseClick(schoolBox(), Qt::LeftButton);
    typeInto(schoolBox(), QStringLiteral("OUT"));
    EXPECT_TRUE(cds()->isEditing());
    EXPECT_EQ(child<dbw::DBEdit>(screen.get(), "dbnome")->text(), QStringLiteral("JOANA"));

    click(screen.get(), "bntgravar");
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("Registro salvo com sucesso!")});
    const QString where = QStringLiteral(" from COLABORADOR where CODIGO_COLABORADOR = %1").arg(key);
    EXPECT_EQ(scalar(QStringLiteral("select NOME_COLABORADOR") + where).toString(), QStringLiteral("JOANA"));
    EXPECT_EQ(scalar(QStringLiteral("select EMAIL") + where).toString(), QStringLiteral("Joana@escola.br"));
    EXPECT_EQ(scalar(QStringLiteral("select FUNCAO") + where).toString(), QStringLiteral("DIRETORA"));
    EXPECT_EQ(scalar(QStringLiteral("select ESCOLA") + where).toString(), QStringLiteral("OUTRO(A)S"));
    // the school search typed meanwhile is in force now
    EXPECT_EQ(cds()->filter(), QStringLiteral("ESCOLA like 'OUT%'"));
    EXPECT_EQ(visible("NOME_COLABORADOR"), QStringList{QStringLiteral("JOANA")});
}

TEST_F(CollaboratorsTest, ObservationsTakeCapitalsForAToZOnlyAndEnterMovesOn)
{
    click(screen.get(), "bntnovo");
    auto* dbobs = child<dbw::DBMemo>(screen.get(), "dbobs");
    typeInto(dbobs, QStringLiteral("manhã e ação"));
    EXPECT_EQ(dbobs->toPlainText(), QStringLiteral("MANHã E AçãO"));
    QTest::keyClick(dbobs, Qt::Key_Return);
    EXPECT_EQ(dbobs->toPlainText(), QStringLiteral("MANHã E AçãO"));
    EXPECT_NE(QApplication::focusWidget(), dbobs);
    EXPECT_EQ(cds()->fieldByName(QStringLiteral("OBS")).asString(), QStringLiteral("MANHã E AçãO"));
    click(screen.get(), "bntcancelar");
}

TEST_F(CollaboratorsTest, DeleteNeedsLevel3)
{
    const int before = stored();
    signInAs(QStringLiteral("ESCOLA"), QStringLiteral("ESCOLA123"));
    click(screen.get(), "bntexcluir");
    EXPECT_EQ(dialogs->texts(),
              QStringList{QStringLiteral("Voce Nao tem Permissão\rChame o Administrador ")});
    EXPECT_EQ(stored(), before);

    dialogs->clear();
    signInAs(QStringLiteral("SUPORTE"), QStringLiteral("SUPORTE123"));
    dialogs->answer(Button::Yes);
    click(screen.get(), "bntexcluir");
    EXPECT_EQ(dialogs->texts(),
              (QStringList{QStringLiteral("Autorizado"), QStringLiteral("Deseja Excluir o cadastro?")}));
    EXPECT_EQ(stored(), before - 1);
}

} // namespace
