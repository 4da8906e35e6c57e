// The vacancy register: filters, totals, stamps, tabs, shift colours and the delete check.
#include "data/U_datamodulo.h"
#include "platform/widgets/DBComboBox.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"
#include "referral/U_vagas.h"
#include "tests/referral/ReferralFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>

#include <map>
#include <set>

namespace {

class VacancyRegisterTest : public ReferralTest
{
protected:
    void open()
    {
        screen = std::make_unique<TFrm_Cad_Vagas>();
        screen->setClock(&ReferralTest::now);
        showScreen(screen.get());
    }
    void TearDown() override
    {
        screen.reset();
        ReferralTest::TearDown();
    }
    template <typename T = QComboBox> T* w(const char* name) const { return child<T>(screen.get(), name); }
    QString sum(const char* column, const QString& where = QStringLiteral("1=1")) const
    {
        const QVariant v =
            scalar(QStringLiteral("select sum(%1) from VAGAS where %2").arg(QLatin1String(column), where));
        return v.isNull() ? QString() : QString::number(v.toLongLong());
    }
    QString totals() const
    {
        return w<QLabel>("lbl_total_vagas")->text() + u'|' + w<QLabel>("lblquantitativo")->text();
    }
    bool cadastroShown() const
    {
        auto* pg = w<QTabWidget>("pg");
        return pg->isTabVisible(0) && !pg->isTabVisible(1) && pg->currentIndex() == 0;
    }

    std::unique_ptr<TFrm_Cad_Vagas> screen;
};

TEST_F(VacancyRegisterTest, OpensWithEveryRowAndTheTotals)
{
    open();
    EXPECT_EQ(dm->cdsvagas->recordCount(), scalar(QStringLiteral("select count(*) from VAGAS")).toInt());
    EXPECT_FALSE(dm->cdsvagas->filtered());
    EXPECT_TRUE(cadastroShown());
    EXPECT_EQ(totals(), sum("QTD_VAGAS") + u'|' + sum("Q_MAT_1"));
    EXPECT_FALSE(w<QToolButton>("bntpesquisar")->isVisible());
    EXPECT_TRUE(w<QToolButton>("bntfiltro")->isEnabled());
}

// Each button replaces the whole filter; the totals follow the rows in view.
TEST_F(VacancyRegisterTest, TheFilterTextOfEachButtonAndItsTotals)
{
    open();
    const QString school = QStringLiteral("E.M. PAULO FREIRE");
    const struct
    {
        const char* button;
        std::vector<std::pair<const char*, QString>> picks;
        QString filter;
        QString where;
    } cases[] = {
        {"Button1",
         {{"edt_nome_escola_2", school}},
         QStringLiteral("escola = 'E.M. PAULO FREIRE'"),
         QStringLiteral("ESCOLA = 'E.M. PAULO FREIRE'")},
        {"filtrar1",
         {{"edt_nome_escola", school},
          {"edt_nome_serie", QStringLiteral("EJA")},
          {"edt_nome_turno", QStringLiteral("NOTURNO")}},
         QStringLiteral("escola = 'E.M. PAULO FREIRE'and serie ='EJA'and turno ='NOTURNO'"),
         QStringLiteral("ESCOLA = 'E.M. PAULO FREIRE' and SERIE = 'EJA' and TURNO = 'NOTURNO'")},
        {"filtrar3",
         {{"edt_serie", QStringLiteral("MATERNAL II")}},
         QStringLiteral("serie = 'MATERNAL II'"),
         QStringLiteral("SERIE = 'MATERNAL II'")},
        {"filtrar4",
         {{"edt_pesq_nome_escola", school}, {"db_serie_4", QStringLiteral("1° PERIODO")}},
         QStringLiteral("escola = 'E.M. PAULO FREIRE'and serie ='1° PERIODO'"),
         QStringLiteral("ESCOLA = 'E.M. PAULO FREIRE' and SERIE = '1° PERIODO'")},
        {"filtrar5",
         {{"edt_nome_escola_1", school}},
         QStringLiteral("escola = 'E.M. PAULO FREIRE'"),
         QStringLiteral("ESCOLA = 'E.M. PAULO FREIRE'")},
    };
    for (const auto& c : cases) {
        clickTool(screen.get(), "bntfiltro");
        clickButton(screen.get(), "btmaisdados");
        for (const auto& [list, item] : c.picks)
            pick(w(list), item);
        clickButton(screen.get(), c.button);
        EXPECT_EQ(dm->cdsvagas->filter(), c.filter) << c.button;
        EXPECT_EQ(dm->cdsvagas->recordCount(),
                  scalar(QStringLiteral("select count(*) from VAGAS where ") + c.where).toInt())
            << c.button;
        EXPECT_EQ(totals(), sum("QTD_VAGAS", c.where) + u'|' + sum("Q_MAT_1", c.where)) << c.button;
    }
    EXPECT_NE(totals(), QStringLiteral("|"));
}

TEST_F(VacancyRegisterTest, NoSchoolChosenListsNothingAndEmptiesTheTotals)
{
    open();
    clickButton(screen.get(), "Button1");
    EXPECT_EQ(dm->cdsvagas->filter(), QStringLiteral("escola = ''"));
    EXPECT_EQ(dm->cdsvagas->recordCount(), 0);
    EXPECT_EQ(totals(), QStringLiteral("|"));
    clickTool(screen.get(), "bntfiltro");
    EXPECT_EQ(totals(), sum("QTD_VAGAS") + u'|' + sum("Q_MAT_1"));
}

TEST_F(VacancyRegisterTest, NovoStampsUserDateAndTimeAndGravarNeedsASchool)
{
    signInAs(QStringLiteral("ESCOLA"), QStringLiteral("ESCOLA123"));
    open();
    clickButton(screen.get(), "btmaisdados");
    clickTool(screen.get(), "bntnovo");
    EXPECT_EQ(w<dbw::DBEdit>("dbusuario")->text(), QStringLiteral("ESCOLA"));
    EXPECT_EQ(w<dbw::DBEdit>("dbdataedit")->text(), QStringLiteral("11/12/2026"));
    EXPECT_EQ(w<dbw::DBEdit>("dbhoraedit")->text(), QStringLiteral("14:35"));
    EXPECT_FALSE(cadastroShown()); // "Novo" keeps the tab in view
    EXPECT_TRUE(w<dbw::DBEdit>("dbcodigo")->isEnabled());
    EXPECT_FALSE(w<dbw::DBEdit>("dbdataedit")->isEnabled());
    clickTool(screen.get(), "bntgravar");
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("O campo nome é obrigatório")});
    clickButton(screen.get(), "btvoltar");
    pick(w<dbw::DBComboBox>("db_nomeescola"), QStringLiteral("CMEI RAIO DE SOL"));
    pick(w<dbw::DBComboBox>("db_nomes_serie"), QStringLiteral("MATERNAL I"));
    pick(w<dbw::DBComboBox>("db_look_nome_turnos"), QStringLiteral("INTEGRAL"));
    typeInto(w<dbw::DBEdit>("db_vagas"), QStringLiteral("4"));
    typeInto(w<dbw::DBEdit>("dbqtd"), QStringLiteral("20"));
    const int key = dm->cdsvagas->fieldByName(QStringLiteral("VAGA_CODIGO")).asInteger();
    clickTool(screen.get(), "bntgravar");
    EXPECT_EQ(dialogs->texts().last(), QStringLiteral("Registro salvo com sucesso!"));
    const QString row = QStringLiteral(" from VAGAS where VAGA_CODIGO = %1").arg(key);
    EXPECT_EQ(scalar(QStringLiteral("select USUARIO") + row).toString(), QStringLiteral("ESCOLA"));
    EXPECT_EQ(scalar(QStringLiteral("select DATA") + row).toDate(), now().date());
    EXPECT_EQ(scalar(QStringLiteral("select QTD_VAGAS") + row).toInt(), 4);
    EXPECT_EQ(totals(), sum("QTD_VAGAS") + u'|' + sum("Q_MAT_1"));

    // "Editar" stamps again and brings the editors' tab back
    clickButton(screen.get(), "btmaisdados");
    screen->findChild<QAction*>(QStringLiteral("Editar1"))->trigger();
    EXPECT_TRUE(cadastroShown());
    EXPECT_EQ(dm->cdsvagas->state(), ds::DataSetState::Edit);
    EXPECT_FALSE(w<QToolButton>("bntfiltro")->isEnabled());
    EXPECT_FALSE(child<QWidget>(screen.get(), "btmaisdados")->isEnabled());
}

TEST_F(VacancyRegisterTest, BuscaAvancadaAndVoltarSwitchTheTabs)
{
    open();
    clickButton(screen.get(), "btmaisdados");
    EXPECT_FALSE(cadastroShown());
    EXPECT_TRUE(w<QTabWidget>("pg")->isTabVisible(1));
    clickButton(screen.get(), "btvoltar");
    EXPECT_TRUE(cadastroShown());
    clickButton(screen.get(), "btmaisdados");
    clickTool(screen.get(), "bntfiltro");
    EXPECT_TRUE(cadastroShown());
}

TEST_F(VacancyRegisterTest, RowsArePaintedByShift)
{
    exec(QStringLiteral("update VAGAS set TURNO = 'matutino' where VAGA_CODIGO = 1"));
    exec(QStringLiteral("update VAGAS set TURNO = 'OUTRO' where VAGA_CODIGO = 2"));
    open();
    auto* grid = w<dbw::DBGrid>("dbgrid_vagas");
    ASSERT_TRUE(grid->cellPainter());
    const QColor background(146, 182, 177);
    const std::map<QString, QColor> expected = {
        {QStringLiteral("MATUTINO"), QColor(255, 0, 0)},
        {QStringLiteral("VESPERTINO"), QColor(0, 0, 128)},
        {QStringLiteral("NOTURNO"), QColor(0, 128, 0)},
        {QStringLiteral("INTEGRAL"), QColor(255, 255, 0)},
    };
    const int turno = dm->cdsvagas->fieldIndex(QStringLiteral("TURNO"));
    std::set<QString> seen;
    for (int row = 0; row < dm->cdsvagas->recordCount(); ++row) {
        const QString shift = dm->cdsvagas->value(row, turno).toString();
        for (int column = 0; column < 5; ++column) {
            dbw::CellStyle style;
            grid->cellPainter()({row, column, -1, column == 0}, style);
            const auto colour = expected.find(shift);
            if (colour == expected.end()) {
                EXPECT_FALSE(style.background.has_value()) << shift.toStdString();
                EXPECT_FALSE(style.foreground.has_value()) << shift.toStdString();
            } else {
                EXPECT_EQ(style.background, background);
                EXPECT_EQ(style.foreground, colour->second) << shift.toStdString();
                EXPECT_TRUE(style.bold);
            }
        }
        seen.insert(shift);
    }
    EXPECT_EQ(seen.size(), 6u); // the four shifts, lower case and another text
}

TEST_F(VacancyRegisterTest, DeleteIsForLevelThreeWithoutAnnouncement)
{
    const struct
    {
        const char* login;
        const char* password;
        QString box;
    } cases[] = {
        {"VIDA", "VIDA123", QStringLiteral("Voce Nao tem Permissão\rChame o Administrador ")},
        {"ESCOLA", "ESCOLA123", QStringLiteral("Voce Nao tem Permissão\rChame o Administrador ")},
        {"RH", "RH123", QStringLiteral("Voce Nao tem Permissão\rChame o Administrador ")},
        {"SUPORTE", "SUPORTE123", QStringLiteral("Deseja Excluir o cadastro?")},
    };
    const int before = scalar(QStringLiteral("select count(*) from VAGAS")).toInt();
    for (const auto& c : cases) {
        signInAs(QLatin1String(c.login), QLatin1String(c.password));
        open();
        dialogs->clear();
        if (c.box.startsWith(u'D'))
            dialogs->answer(dlg::Button::No);
        clickTool(screen.get(), "bntexcluir");
        EXPECT_EQ(dialogs->texts(), QStringList{c.box}) << c.login;
        EXPECT_EQ(scalar(QStringLiteral("select count(*) from VAGAS")).toInt(), before);
        clickTool(screen.get(), "bntsair");
    }
    dialogs->answer(dlg::Button::Yes);
    open();
    clickTool(screen.get(), "bntexcluir");
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from VAGAS")).toInt(), before - 1);
}

} // namespace
