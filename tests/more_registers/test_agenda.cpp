// The agenda: month bar, period query, typed grid, subject, clock, and the connection it
// closes on leaving.
#include "data/U_datamodulo.h"
#include "platform/widgets/DBMemo.h"
#include "registers/U_Cad_Colaborador.h"
#include "registers/U_agendamento.h"
#include "registers/U_agendamento_Grid.h"
#include "tests/more_registers/MoreRegistersFixture.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

using dlg::Button;

class AgendaTest : public MoreRegistersTest
{
protected:
    std::unique_ptr<TForm_Agenda> openAgenda()
    {
        return open<TForm_Agenda>([this] { return now; });
    }
    static QString text(QWidget* screen, const char* label) { return child<QLabel>(screen, label)->text(); }
    int storedBetween(const QString& from, const QString& to) const
    {
        return scalar(QStringLiteral("select count(*) from TBAGENDA where DATA between '%1' and '%2'")
                          .arg(from, to))
            .toInt();
    }
    int stored() const { return scalar(QStringLiteral("select count(*) from TBAGENDA")).toInt(); }

    QDateTime now{QDate(2026, 12, 11), QTime(10, 0, 0)};
};

TEST_F(AgendaTest, OpeningShowsTheMonthAsTheBarNamesIt)
{
    struct Row
    {
        QDate today;
        const char* month;
        int position;
    };
    // in January the bar does not move, so the name stays as the system writes it
    const Row rows[] = {{QDate(2024, 3, 15), "Março", 3},
                        {QDate(2026, 12, 11), "Dezembro", 12},
                        {QDate(2027, 1, 5), "janeiro", 1}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.month);
        now = QDateTime(r.today, QTime(9, 0));
        auto screen = openAgenda();
        EXPECT_EQ(text(screen.get(), "Panel1"), QString::fromUtf8(r.month));
        EXPECT_EQ(text(screen.get(), "Panel3"), QString::number(r.today.year()));
        EXPECT_EQ(child<QScrollBar>(screen.get(), "ScrollBar1")->value(), r.position);
        auto* calendar = child<QCalendarWidget>(screen.get(), "Calendar1");
        EXPECT_EQ(calendar->monthShown(), r.today.month());
        EXPECT_EQ(calendar->yearShown(), r.today.year());
        EXPECT_EQ(child<QDateEdit>(screen.get(), "DateTimePicker1")->date(), r.today);
        click(screen.get(), "speed_sair");
    }
}

TEST_F(AgendaTest, MonthBarWrapsIntoTheNextAndTheYearBefore)
{
    auto screen = openAgenda();
    auto* bar = child<QScrollBar>(screen.get(), "ScrollBar1");
    auto* calendar = child<QCalendarWidget>(screen.get(), "Calendar1");
    struct Step
    {
        const char* name;
        QAbstractSlider::SliderAction action;
        const char* month;
        int year;
        int position;
    };
    const Step steps[] = {
        {"right from December", QAbstractSlider::SliderSingleStepAdd, "Janeiro", 2027, 1},
        {"left from January", QAbstractSlider::SliderSingleStepSub, "Dezembro", 2026, 12},
        {"left to November", QAbstractSlider::SliderSingleStepSub, "Novembro", 2026, 11},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        bar->triggerAction(s.action);
        EXPECT_EQ(text(screen.get(), "Panel1"), QString::fromUtf8(s.month));
        EXPECT_EQ(text(screen.get(), "Panel3"), QString::number(s.year));
        EXPECT_EQ(bar->value(), s.position);
        EXPECT_EQ(calendar->selectedDate(), QDate(s.year, s.position, 11)); // the day is kept
    }
    click(screen.get(), "ScrollBar3");
    EXPECT_EQ(text(screen.get(), "Panel3"), QStringLiteral("2027"));
    EXPECT_EQ(calendar->selectedDate(), QDate(2027, 11, 11));
    EXPECT_EQ(bar->value(), 11);
    click(screen.get(), "ScrollBar2");
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 11, 11));
}

TEST_F(AgendaTest, ConsultarListsThePeriodBothDaysIncluded)
{
    auto screen = openAgenda();
    EXPECT_EQ(dm->cdsagenda->filter(), QStringLiteral("Data>='11/12/2026' and Data<='31/12/2030'"));
    EXPECT_TRUE(dm->cdsagenda->filtered());
    EXPECT_EQ(dm->cdsagenda->recordCount(),
              storedBetween(QStringLiteral("2026-12-11"), QStringLiteral("2030-12-31")));

    child<QDateEdit>(screen.get(), "DateTimePicker1")->setDate(QDate(2026, 12, 1));
    child<QDateEdit>(screen.get(), "DateTimePicker2")->setDate(QDate(2026, 12, 15));
    click(screen.get(), "BitBtn1");
    EXPECT_EQ(dm->cdsagenda->filter(), QStringLiteral("Data>='01/12/2026' and Data<='15/12/2026'"));
    EXPECT_EQ(dm->cdsagenda->recordCount(),
              storedBetween(QStringLiteral("2026-12-01"), QStringLiteral("2026-12-15")));
    EXPECT_GT(dm->cdsagenda->recordCount(), 0);
    screenshot(screen.get(), QStringLiteral("agenda"));
}

TEST_F(AgendaTest, AgendarOnThePickedDayThenTypeAndSave)
{
    auto screen = openAgenda();
    const int before = stored();
    child<QCalendarWidget>(screen.get(), "Calendar1")->setSelectedDate(QDate(2026, 12, 5));
    click(screen.get(), "speed_agenda");
    const int key = dm->cdsagenda->fieldByName(QStringLiteral("CONT")).asInteger();
    EXPECT_EQ(dm->cdsagenda->fieldByName(QStringLiteral("DATA")).asDate(), QDate(2026, 12, 5));
    auto* grid = child<AgendaGrid>(screen.get(), "DBGrid1");
    EXPECT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(grid->currentIndex().column(), 1);
    for (const char* on : {"speed_salvar", "speed_cancelar"})
        EXPECT_TRUE(child<QToolButton>(screen.get(), on)->isEnabled()) << on;

    typeInto(grid, QStringLiteral("0930"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    typeInto(QApplication::focusWidget(), QStringLiteral("Marta Reis"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    typeInto(QApplication::focusWidget(), QStringLiteral("64999887766"));
    screenshot(screen.get(), QStringLiteral("agenda_agendar"));

    click(screen.get(), "speed_salvar"); // the subject is empty
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_EQ(dialogs->shown()[0].title, QStringLiteral("Erro"));
    EXPECT_EQ(dialogs->shown()[0].text, QStringLiteral("O campo abaixo não pode ficar em Branco"));
    EXPECT_EQ(stored(), before);

    typeInto(child<dbw::DBMemo>(screen.get(), "DBMemo1"), QStringLiteral("Matrícula do filho"));
    dialogs->clear();
    dialogs->answer(Button::No);
    click(screen.get(), "speed_salvar");
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("Deseja Salvar o Registro?")});
    EXPECT_EQ(stored(), before);
    dialogs->answer(Button::Yes);
    click(screen.get(), "speed_salvar");
    EXPECT_EQ(stored(), before + 1);
    const QString where = QStringLiteral(" from TBAGENDA where CONT = %1").arg(key);
    EXPECT_EQ(scalar(QStringLiteral("select HORA") + where).toTime(), QTime(9, 30));
    EXPECT_EQ(scalar(QStringLiteral("select NOME") + where).toString(), QStringLiteral("Marta Reis"));
    EXPECT_EQ(scalar(QStringLiteral("select FONE") + where).toString(), QStringLiteral("(64)99988-7766"));
    EXPECT_EQ(scalar(QStringLiteral("select ASSUNTO") + where).toString(),
              QStringLiteral("Matrícula do filho"));
    EXPECT_EQ(scalar(QStringLiteral("select DATA") + where).toDate(), QDate(2026, 12, 5));
    // dated before the query's lower bound, it leaves the list
    EXPECT_FALSE(dm->cdsagenda->locate(QStringLiteral("CONT"), key, false, false));
    EXPECT_TRUE(child<QToolButton>(screen.get(), "speed_agenda")->isEnabled());
}

TEST_F(AgendaTest, ASaveTheDatabaseRefusesKeepsTheRowUntilCancelar)
{
    auto screen = openAgenda();
    const int key = dm->cdsagenda->fieldByName(QStringLiteral("CONT")).asInteger();
    click(screen.get(), "speed_alterar");
    exec(QStringLiteral("delete from TBAGENDA where CONT = %1").arg(key)); // another desk
    auto* memo = child<dbw::DBMemo>(screen.get(), "DBMemo1");
    memo->selectAll();
    typeInto(memo, QStringLiteral("Novo assunto"));
    dialogs->answer(Button::Yes);
    click(screen.get(), "speed_salvar");
    ASSERT_EQ(dialogs->shown().size(), 2u);
    EXPECT_EQ(dialogs->shown()[1].title, QStringLiteral("Erro ao Gravar"));
    EXPECT_TRUE(child<QToolButton>(screen.get(), "speed_salvar")->isEnabled());
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Novo assunto"));

    click(screen.get(), "speed_cancelar");
    EXPECT_EQ(dm->cdsagenda->changeCount(), 0);
    EXPECT_FALSE(dm->cdsagenda->locate(QStringLiteral("CONT"), key, false, false));
    EXPECT_TRUE(child<QToolButton>(screen.get(), "speed_agenda")->isEnabled());
}

TEST_F(AgendaTest, DesmarcarDeletesForGood)
{
    {
        auto screen = openAgenda();
        ASSERT_GT(dm->cdsagenda->recordCount(), 0);
        const int key = dm->cdsagenda->fieldByName(QStringLiteral("CONT")).asInteger();
        dialogs->answer(Button::Yes);
        click(screen.get(), "speed_desmarcar");
        EXPECT_EQ(dialogs->texts(),
                  QStringList{QStringLiteral("Tem certeza que deseja apagar o registro? ")});
        EXPECT_EQ(scalar(QStringLiteral("select count(*) from TBAGENDA where CONT = %1").arg(key)).toInt(),
                  0);
        click(screen.get(), "speed_sair");
    }
    exec(QStringLiteral("delete from TBAGENDA"));
    auto screen = openAgenda();
    dialogs->clear();
    click(screen.get(), "speed_desmarcar");
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("não há registro a ser apagado")});
}

TEST_F(AgendaTest, SairAsksAboutTypingNotSaved)
{
    struct Row
    {
        const char* name;
        Button answer;
        bool written;
    };
    const Row rows[] = {{"discarded", Button::No, false}, {"saved", Button::Yes, true}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        auto screen = openAgenda();
        ASSERT_GT(dm->cdsagenda->recordCount(), 0);
        const int key = dm->cdsagenda->fieldByName(QStringLiteral("CONT")).asInteger();
        const QString name = QStringLiteral("NOME %1").arg(QString(QLatin1String(r.name)).toUpper());
        auto* grid = child<AgendaGrid>(screen.get(), "DBGrid1");
        grid->setFocus();
        grid->selectField(QStringLiteral("NOME"));
        typeInto(grid, name); // typing into a cell opens the row by itself, the buttons stay
        EXPECT_TRUE(child<QToolButton>(screen.get(), "speed_sair")->isEnabled());
        dialogs->clear();
        dialogs->answer(r.answer);
        click(screen.get(), "speed_sair");
        EXPECT_FALSE(screen->isVisible());
        EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("Gravar alterações?")});
        const QString stored =
            scalar(QStringLiteral("select NOME from TBAGENDA where CONT = %1").arg(key)).toString();
        EXPECT_EQ(stored == name, r.written);
    }
}

TEST_F(AgendaTest, ClosingDropsTheConnectionAndTheNextScreenConnectsAgain)
{
    {
        auto screen = openAgenda();
        screen->close(); // the title-bar close does nothing
        EXPECT_TRUE(screen->isVisible());
        EXPECT_TRUE(dm->conexao->isConnected());
        click(screen.get(), "speed_sair");
        EXPECT_FALSE(screen->isVisible());
    }
    EXPECT_FALSE(dm->conexao->isConnected());
    EXPECT_FALSE(dm->cdsagenda->isActive());
    {
        auto colaborador = open<TFrm_Cad_Colaborador>();
        EXPECT_TRUE(dm->conexao->isConnected());
        EXPECT_EQ(dm->cdscolaborador->recordCount(),
                  scalar(QStringLiteral("select count(*) from COLABORADOR")).toInt());
        click(colaborador.get(), "bntsair");
    }
    auto again = openAgenda();
    EXPECT_GT(dm->cdsagenda->recordCount(), 0);
}

TEST_F(AgendaTest, EvenRecordNumbersOnLightGreenAndAClockEverySecond)
{
    auto screen = openAgenda();
    const AgendaGrid::RowColour& colour = child<AgendaGrid>(screen.get(), "DBGrid1")->rowColour();
    EXPECT_FALSE(colour(0, false).has_value()); // record 1
    EXPECT_EQ(colour(1, false), QColor(192, 220, 192));
    EXPECT_FALSE(colour(1, true).has_value());
    EXPECT_EQ(text(screen.get(), "Panel7"), QStringLiteral("Hoje: 11/12/2026 10:00:00"));
    now = now.addSecs(61);
    QTest::qWait(1100);
    EXPECT_EQ(text(screen.get(), "Panel7"), QStringLiteral("Hoje: 11/12/2026 10:01:01"));
    EXPECT_EQ(text(screen.get(), "Label1"), QStringLiteral("Hoje: 11/12/2026"));
}

} // namespace
