// The school search: three type-to-find boxes over the schools register.
#include "data/U_datamodulo.h"
#include "referral/U_pesquisa_escolas.h"
#include "tests/referral/ReferralFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

class SchoolSearchTest : public ReferralTest
{
protected:
    void open()
    {
        search = std::make_unique<TFrm_Pesquisa_Escolas>();
        showScreen(search.get());
    }
    void TearDown() override
    {
        search.reset();
        ReferralTest::TearDown();
    }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(search.get(), name); }
    QString filter() const { return dm->cdsescola->filtered() ? dm->cdsescola->filter() : QString(); }
    int count(const QString& where) const
    {
        return scalar(QStringLiteral("select count(*) from ESCOLA where ") + where).toInt();
    }

    std::unique_ptr<TFrm_Pesquisa_Escolas> search;
};

TEST_F(SchoolSearchTest, OpensOnEverySchoolByName)
{
    dm->cdsescola->setFilter(QStringLiteral("escola like 'X%'"));
    dm->cdsescola->setFiltered(true);
    open();
    EXPECT_FALSE(dm->cdsescola->filtered());
    EXPECT_EQ(dm->cdsescola->recordCount(), count(QStringLiteral("1=1")));
    const int name = dm->cdsescola->fieldIndex(QStringLiteral("ESCOLA"));
    for (int row = 1; row < dm->cdsescola->recordCount(); ++row)
        EXPECT_LE(dm->cdsescola->value(row - 1, name).toString(), dm->cdsescola->value(row, name).toString());
    for (const char* name : {"Editbusca", "edt_busca_coordenador"})
        EXPECT_TRUE(box(name)->text().isEmpty());
    EXPECT_EQ(search->windowTitle(), QStringLiteral("Pesquisar Escolas"));
}

TEST_F(SchoolSearchTest, EachBoxReplacesTheSearch)
{
    const QString coordinator =
        scalar(QStringLiteral("select first 1 COORDENACAO from ESCOLA order by ESCOLA_ID")).toString();
    open();
    typeInto(box("edt_busca_coordenador"), coordinator.left(4));
    EXPECT_EQ(filter(), QStringLiteral("coordenacao like '%1%'").arg(coordinator.left(4)));
    EXPECT_EQ(dm->cdsescola->recordCount(),
              count(QStringLiteral("COORDENACAO like '%1%'").arg(coordinator.left(4))));
    typeInto(box("Editbusca"), QStringLiteral("e.m"));
    EXPECT_EQ(filter(), QStringLiteral("escola like 'E.M%'"));
    EXPECT_EQ(dm->cdsescola->recordCount(), 10);
    box("Editbusca")->clear();
    typeInto(box("Editbusca"), QStringLiteral("D'A"));
    EXPECT_EQ(filter(), QStringLiteral("escola like 'D''A%'"));
    EXPECT_EQ(dm->cdsescola->recordCount(), 0);
    child<QPushButton>(search.get(), "btlimpafiltro")->click();
    EXPECT_FALSE(dm->cdsescola->filtered());
    EXPECT_EQ(dm->cdsescola->recordCount(), count(QStringLiteral("1=1")));
    EXPECT_TRUE(box("Editbusca")->text().isEmpty());
}

TEST_F(SchoolSearchTest, ATelephoneIsFoundOnceTypedInFull)
{
    const QString phone =
        scalar(QStringLiteral("select first 1 TELEFONE from ESCOLA order by ESCOLA_ID")).toString();
    open();
    QString digits = phone;
    digits.remove(QRegularExpression(QStringLiteral("[^0-9]")));
    typeInto(box("edtbusca_contato"), digits.left(2));
    EXPECT_EQ(filter(), QStringLiteral("telefone like '(%1)     -    %'").arg(digits.left(2)));
    EXPECT_EQ(dm->cdsescola->recordCount(), 0);
    typeInto(box("edtbusca_contato"), digits.mid(2));
    EXPECT_EQ(dm->cdsescola->recordCount(), count(QStringLiteral("TELEFONE = '%1'").arg(phone)));
    EXPECT_GE(dm->cdsescola->recordCount(), 1);
}

TEST_F(SchoolSearchTest, ClosingClosesTheSchools)
{
    open();
    child<QPushButton>(search.get(), "btSair")->click();
    EXPECT_FALSE(search->isVisible());
    EXPECT_FALSE(dm->cdsescola->isActive());
}

} // namespace
