// The request search: it filters the data module's requests for the register.
#include "data/U_datamodulo.h"
#include "platform/widgets/DBGrid.h"
#include "referral/U_pesquisa.h"
#include "tests/referral/ReferralFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QtTest/QTest>

namespace {

class RequestSearchTest : public ReferralTest
{
protected:
    void open()
    {
        dm->sqlaluno->open();
        dm->cdsaluno->open();
        search = std::make_unique<TFrm_Filtro>();
        search->setClock(&ReferralTest::now);
        showScreen(search.get());
    }
    void TearDown() override
    {
        search.reset();
        ReferralTest::TearDown();
    }
    template <typename T = QComboBox> T* w(const char* name) const { return child<T>(search.get(), name); }
    int count(const QString& where) const
    {
        return scalar(QStringLiteral("select count(*) from ENCAMINHAMENTO where ") + where).toInt();
    }
    QString total() const { return w<QLabel>("lbl_total_aluno")->text(); }

    std::unique_ptr<TFrm_Filtro> search;
};

TEST_F(RequestSearchTest, OpensOnEveryRequestAndTheCurrentMonth)
{
    dm->cdsaluno->setFilter(QStringLiteral("status = 'URGENTE'"));
    dm->cdsaluno->setFiltered(true);
    open();
    EXPECT_FALSE(dm->cdsaluno->filtered());
    EXPECT_EQ(total(), QString::number(count(QStringLiteral("1=1"))));
    EXPECT_EQ(w<QDateEdit>("DateTimePicker1")->date(), QDate(2026, 12, 1));
    EXPECT_EQ(w<QDateEdit>("DateTimePicker2")->date(), QDate(2026, 12, 11));
    EXPECT_EQ(search->windowTitle(), QStringLiteral("Pesquisa"));
}

TEST_F(RequestSearchTest, ThePeriodIncludesBothEnds)
{
    const QDate served = scalar(QStringLiteral("select max(DATA_ATENDIMENTO) from ENCAMINHAMENTO "
                                               "where DATA_ATENDIMENTO < '2026-12-01'"))
                             .toDate();
    open();
    const struct
    {
        QDate from, to;
        QString filter;
        int rows;
    } cases[] = {
        {served, served,
         QStringLiteral("data_atendimento>='%1' and data_atendimento<='%1'")
             .arg(served.toString(QStringLiteral("dd/MM/yyyy"))),
         count(QStringLiteral("DATA_ATENDIMENTO = '%1'").arg(served.toString(Qt::ISODate)))},
        {served.addDays(1), served.addDays(1), {}, 0},
        {QDate(2026, 12, 1), QDate(2026, 12, 9),
         QStringLiteral("data_atendimento>='01/12/2026' and data_atendimento<='09/12/2026'"),
         count(QStringLiteral("DATA_ATENDIMENTO between '2026-12-01' and '2026-12-09'"))},
        {QDate(2026, 12, 9), QDate(2026, 12, 1), {}, 0}, // from after to
    };
    for (const auto& c : cases) {
        w<QDateEdit>("DateTimePicker1")->setDate(c.from);
        w<QDateEdit>("DateTimePicker2")->setDate(c.to);
        clickButton(search.get(), "BitBtn6");
        if (!c.filter.isEmpty()) {
            EXPECT_EQ(dm->cdsaluno->filter(), c.filter);
        }
        EXPECT_EQ(dm->cdsaluno->recordCount(), c.rows) << c.from.toString().toStdString();
        EXPECT_EQ(total(), QString::number(c.rows));
    }
    EXPECT_GE(cases[0].rows, 1);
}

TEST_F(RequestSearchTest, TheFourWayAndTwoWayFilters)
{
    open();
    const QString school = QStringLiteral("E.M. PAULO FREIRE");
    pick(w("db_escola_5"), school);
    pick(w("db_serie_5"), QStringLiteral("EJA"));
    pick(w("db_turno_5"), QStringLiteral("NOTURNO"));
    clickButton(search.get(), "Button3");
    EXPECT_EQ(dm->cdsaluno->filter(),
              QStringLiteral("nome_escolas = 'E.M. PAULO FREIRE'and nomes_series ='EJA'"
                             "and nomes_turnos ='NOTURNO'and status =''"));
    EXPECT_EQ(dm->cdsaluno->recordCount(), 0); // the status left unselected
    EXPECT_EQ(total(), QStringLiteral("0"));
    pick(w("db_status_5"), QStringLiteral("AGUARDANDO"));
    clickButton(search.get(), "Button3");
    EXPECT_EQ(dm->cdsaluno->filter(),
              QStringLiteral("nome_escolas = 'E.M. PAULO FREIRE'and nomes_series ='EJA'"
                             "and nomes_turnos ='NOTURNO'and status ='AGUARDANDO'"));

    const QVariant busy =
        scalar(QStringLiteral("select first 1 NOME_ESCOLAS || '|' || STATUS from ENCAMINHAMENTO "
                              "order by CODIGO"));
    const QStringList parts = busy.toString().split(u'|');
    pick(w("db_escola_3"), parts[0]);
    pick(w("db_status_3"), parts[1]);
    clickButton(search.get(), "btn_filtra_esc_status");
    EXPECT_EQ(dm->cdsaluno->filter(),
              QStringLiteral("nome_escolas = '%1'and status ='%2'").arg(parts[0], parts[1]));
    const int rows = count(QStringLiteral("NOME_ESCOLAS = '%1' and STATUS = '%2'").arg(parts[0], parts[1]));
    EXPECT_GE(rows, 1);
    EXPECT_EQ(dm->cdsaluno->recordCount(), rows);
    EXPECT_EQ(total(), QString::number(rows));
}

TEST_F(RequestSearchTest, TheNameSearchesStartFromTheWholeListAndLeaveTheCounter)
{
    open();
    clickButton(search.get(), "BitBtn6");
    const QString counted = total();
    const struct
    {
        const char* box;
        QString typed;
        QString filter;
        QString where;
    } cases[] = {
        {"edtpesquisa", QStringLiteral("mar"), QStringLiteral("NOME_ALUNO like 'MAR%'"),
         QStringLiteral("NOME_ALUNO like 'MAR%'")},
        {"edtbuscamae", QStringLiteral("an"), QStringLiteral("RESPONSAVEL_1 like 'AN%'"),
         QStringLiteral("RESPONSAVEL_1 like 'AN%'")},
    };
    for (const auto& c : cases) {
        pick(w("db_status_3"), QStringLiteral("URGENTE"));
        auto* box = w<QLineEdit>(c.box);
        mousePress(box);
        EXPECT_EQ(w("db_status_3")->currentIndex(), -1);
        const QString afterClear = total();
        typeInto(box, c.typed);
        EXPECT_EQ(dm->cdsaluno->filter(), c.filter);
        EXPECT_EQ(dm->cdsaluno->recordCount(), count(c.where));
        EXPECT_EQ(total(), afterClear); // not counted by the name search
    }
    EXPECT_NE(counted, total());
    clickButton(search.get(), "btn_filtro");
    EXPECT_FALSE(dm->cdsaluno->filtered());
    EXPECT_TRUE(w<QLineEdit>("edtpesquisa")->text().isEmpty());
}

TEST_F(RequestSearchTest, SairKeepsTheFilterAndTheCloseButtonDoesNothing)
{
    open();
    typeInto(w<QLineEdit>("edtpesquisa"), QStringLiteral("MAR"));
    search->close();
    EXPECT_TRUE(search->isVisible());
    clickButton(search.get(), "btn_sair");
    EXPECT_FALSE(search->isVisible());
    EXPECT_TRUE(dm->cdsaluno->filtered());
    EXPECT_EQ(dm->cdsaluno->filter(), QStringLiteral("NOME_ALUNO like 'MAR%'"));
}

} // namespace
