// The registration calendar: one row of six dates, edited in place.
#include "data/U_datamodulo.h"
#include "platform/widgets/DBEdit.h"
#include "registers/U_cad_cronograma_escolar.h"
#include "tests/more_registers/MoreRegistersFixture.h"

#include <QApplication>
#include <QToolButton>

namespace {

const char* const kDates[] = {"db_data_i_ed_i", "db_data_f_ed_i", "db_data_i_e_f",
                              "db_data_f_e_f",  "db_data_i_cad",  "db_data_f_cad"};

class CalendarTest : public MoreRegistersTest
{
protected:
    void SetUp() override
    {
        MoreRegistersTest::SetUp();
        // the schema's one row, with its periods filled in
        exec(QStringLiteral(
            "update CAD_ESCOLAR_CRON set DATA_I_E_I = '2027-01-04', DATA_F_E_I = '2027-01-29', "
            "DATA_I_E_F = '2027-02-01', DATA_F_E_F = '2027-02-26', DATA_I_CAD_GERAL = '2027-03-01', "
            "DATA_F_CAD_GERAL = '2027-03-31' where ID = 1"));
    }
    QStringList shownDates(QWidget* screen) const
    {
        QStringList texts;
        for (const char* name : kDates)
            texts << child<dbw::DBEdit>(screen, name)->text();
        return texts;
    }
    QString stored(const char* column) const
    {
        return scalar(
                   QStringLiteral("select %1 from CAD_ESCOLAR_CRON where ID = 1").arg(QLatin1String(column)))
            .toDate()
            .toString(QStringLiteral("dd/MM/yyyy"));
    }
};

TEST_F(CalendarTest, EditsItsOneRowAndReadsItBack)
{
    {
        auto screen = open<TFrm_Cad_Cronograma_Escolar>();
        EXPECT_EQ(shownDates(screen.get()),
                  (QStringList{QStringLiteral("04/01/2027"), QStringLiteral("29/01/2027"),
                               QStringLiteral("01/02/2027"), QStringLiteral("26/02/2027"),
                               QStringLiteral("01/03/2027"), QStringLiteral("31/03/2027")}));
        for (const char* name : kDates)
            EXPECT_FALSE(child<dbw::DBEdit>(screen.get(), name)->isEnabled()) << name;
        for (const char* hidden : {"bntnovo", "bntexcluir", "bntpesquisar"})
            EXPECT_FALSE(child<QToolButton>(screen.get(), hidden)->isVisible()) << hidden;

        click(screen.get(), "bnteditar");
        for (const char* name : kDates)
            EXPECT_TRUE(child<dbw::DBEdit>(screen.get(), name)->isEnabled()) << name;
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("db_data_i_ed_i"));
        // an end before its start is taken as typed
        retype(child<dbw::DBEdit>(screen.get(), "db_data_f_e_f"), QStringLiteral("20012027"));
        screenshot(screen.get(), QStringLiteral("cronograma_editando"));
        click(screen.get(), "bntgravar");
        EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("Registro salvo com sucesso!")});
        EXPECT_EQ(stored("DATA_F_E_F"), QStringLiteral("20/01/2027"));
        EXPECT_EQ(stored("DATA_I_E_F"), QStringLiteral("01/02/2027"));
        click(screen.get(), "bntsair");
        EXPECT_FALSE(screen->isVisible());
    }
    auto again = open<TFrm_Cad_Cronograma_Escolar>();
    EXPECT_EQ(child<dbw::DBEdit>(again.get(), "db_data_f_e_f")->text(), QStringLiteral("20/01/2027"));
}

TEST_F(CalendarTest, AnEmptyFirstDateIsRefused)
{
    auto screen = open<TFrm_Cad_Cronograma_Escolar>();
    click(screen.get(), "bnteditar");
    retype(child<dbw::DBEdit>(screen.get(), "db_data_i_ed_i"), QString());
    click(screen.get(), "bntgravar");
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("O campo nome é obrigatório")});
    EXPECT_TRUE(dm->cds_cad_cronograma_escolar->isEditing());
    EXPECT_EQ(stored("DATA_I_E_I"), QStringLiteral("04/01/2027"));
    click(screen.get(), "bntcancelar");
}

TEST_F(CalendarTest, TheTitleBarCloseGoesThroughTheGuard)
{
    auto screen = open<TFrm_Cad_Cronograma_Escolar>();
    click(screen.get(), "bnteditar");
    screen->close();
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("Salve ou cancele as operações antes de sair")});
    click(screen.get(), "bntcancelar");
    screen->close();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(dm->cds_cad_cronograma_escolar->isActive());
}

} // namespace
