// What each simple register does differently from the school register.
#include "data/U_datamodulo.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"
#include "registers/U_cad_cidades.h"
#include "registers/U_cad_presidente.h"
#include "registers/U_cad_serie.h"
#include "registers/U_cad_turno.h"
#include "tests/registers/RegisterFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

template <typename Screen> std::unique_ptr<Screen> shown()
{
    auto screen = std::make_unique<Screen>();
    screen->show();
    QApplication::setActiveWindow(screen.get());
    return screen;
}

dbw::DBEdit* nome(QWidget* screen)
{
    return screen->findChild<dbw::DBEdit*>(QStringLiteral("dbnome"));
}

QLineEdit* busca(QWidget* screen)
{
    return screen->findChild<QLineEdit*>(QStringLiteral("Editbusca"));
}

using SimpleRegisterTest = RegisterTest;

TEST_F(SimpleRegisterTest, CaptionsHeadingsAndGridColumns)
{
    struct Row
    {
        std::function<std::unique_ptr<RecordScreen>()> make;
        QString caption;
        QString heading;
        QStringList columns;
    };
    const Row rows[] = {
        {[] { return std::make_unique<TFrm_Cad_Serie>(); },
         QStringLiteral("Frm_Cad_Serie"),
         QStringLiteral("Cadastro de Serie"),
         {QStringLiteral("SERIE")}},
        {[] { return std::make_unique<TFrm_Cad_Turno>(); },
         QStringLiteral("CADASTRO DE TURNO"),
         QStringLiteral("Cadastro de Turno"),
         {QStringLiteral("TURNO")}},
        {[] { return std::make_unique<TFrm_Cad_Cidade>(); },
         QStringLiteral("CADASTRO DE CIDADES"),
         QStringLiteral("Cadastro de Cidades"),
         {QStringLiteral("ID"), QStringLiteral("CIDADE")}},
        {[] { return std::make_unique<TFrm_Cad_Presidente>(); },
         QStringLiteral("CADASTRO DE PRESIDENTE"),
         QStringLiteral("Cadastro de Presidente"),
         {QStringLiteral("PRESIDENTE"), QStringLiteral("DATA VIGENTE"), QStringLiteral("ANO VIGENTE")}},
    };
    for (const Row& r : rows) {
        std::unique_ptr<RecordScreen> screen = r.make();
        screen->show();
        EXPECT_EQ(screen->windowTitle(), r.caption);
        EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("lblmenu"))->text(), r.heading);
        QAbstractItemModel* model = screen->findChild<dbw::DBGrid*>(QStringLiteral("DBGrid1"))->model();
        QStringList titles;
        for (int c = 0; c < model->columnCount(); ++c)
            titles << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        EXPECT_EQ(titles, r.columns) << r.caption.toStdString();
        EXPECT_GT(model->rowCount(), 0) << r.caption.toStdString();
    }
}

TEST_F(SimpleRegisterTest, CitiesAndShiftsDrawFromOneSequenceAndShiftKeyIsTUNO_ID)
{
    int cityKey = 0;
    {
        auto cidade = shown<TFrm_Cad_Cidade>();
        click(cidade.get(), "bntnovo");
        cityKey = dm->cdscidade->fieldByName(QStringLiteral("ID")).asInteger();
        typeInto(nome(cidade.get()), QStringLiteral("Nova Cidade"));
        click(cidade.get(), "bntgravar");
        click(cidade.get(), "bntsair");
    }
    auto turno = shown<TFrm_Cad_Turno>();
    click(turno.get(), "bntnovo");
    EXPECT_EQ(dm->cdsturno->fieldByName(QStringLiteral("TUNO_ID")).asInteger(), cityKey + 1);
    typeInto(nome(turno.get()), QStringLiteral("madrugada"));
    click(turno.get(), "bntgravar");
    EXPECT_EQ(dialogs->texts(), (QStringList{QStringLiteral("Registro salvo com sucesso!"),
                                             QStringLiteral("Registro salvo com sucesso!")}));
    EXPECT_EQ(scalar(QStringLiteral("select CIDADE from CIDADE where ID = %1").arg(cityKey)).toString(),
              QStringLiteral("Nova Cidade"))
        << "typed as is, no capitals";
    EXPECT_EQ(
        scalar(QStringLiteral("select TURNO from TURNO where TUNO_ID = %1").arg(cityKey + 1)).toString(),
        QStringLiteral("madrugada"));

    typeInto(busca(turno.get()), QStringLiteral("mad"));
    EXPECT_EQ(dm->cdsturno->filter(), QStringLiteral("turno like 'MAD%'"));
    EXPECT_EQ(dm->cdsturno->recordCount(), 0) << "small letters are not found by the capitals the box types";
}

// Grades and shifts keep the data module's filter from one opening to the next; so do cities.
TEST_F(SimpleRegisterTest, GradesShiftsAndCitiesKeepTheFilterBetweenOpenings)
{
    exec(QStringLiteral("insert into SERIE (SERIE_ID, SERIE) values (500, null)"));
    const int grades = scalar(QStringLiteral("select count(*) from SERIE")).toInt();
    {
        auto serie = shown<TFrm_Cad_Serie>();
        EXPECT_EQ(dm->cdsserie->recordCount(), grades);
        typeInto(busca(serie.get()), QStringLiteral("MAT"));
        EXPECT_EQ(dm->cdsserie->recordCount(), 3);
        click(serie.get(), "bntsair");
    }
    auto serie = shown<TFrm_Cad_Serie>();
    EXPECT_TRUE(busca(serie.get())->text().isEmpty());
    EXPECT_TRUE(dm->cdsserie->filtered());
    EXPECT_EQ(dm->cdsserie->filter(), QStringLiteral("serie like '%'"));
    EXPECT_EQ(dm->cdsserie->recordCount(), grades - 1) << "the grade without a name is not listed";

    for (auto screen : std::initializer_list<std::function<std::unique_ptr<RecordScreen>()>>{
             [] { return std::make_unique<TFrm_Cad_Turno>(); },
             [] { return std::make_unique<TFrm_Cad_Cidade>(); }}) {
        auto first = screen();
        first->show();
        typeInto(busca(first.get()), QStringLiteral("X"));
        click(first.get(), "bntsair");
        auto second = screen();
        second->show();
        EXPECT_TRUE(dynamic_cast<RecordScreen*>(second.get())->dataSet()->filtered())
            << second->windowTitle().toStdString();
    }
}

TEST_F(SimpleRegisterTest, CityScreenHasNoKeyPreviewAndClosesFromTheTitleBar)
{
    auto cidade = shown<TFrm_Cad_Cidade>();
    EXPECT_TRUE(cidade->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(cidade->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(dm->cdscidade->filter(), QString()) << "nothing typed yet";
    click(cidade.get(), "bnteditar");
    nome(cidade.get())->setFocus();
    QTest::keyClick(nome(cidade.get()), Qt::Key_Return);
    EXPECT_EQ(cidade->focusWidget(), nome(cidade.get())) << "Enter leaves the focus where it is";

    cidade->close(); // title bar while editing: the guard refuses
    EXPECT_TRUE(cidade->isVisible());
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("Salve ou cancele as operações antes de sair")});
    EXPECT_TRUE(dm->cdscidade->isEditing());

    click(cidade.get(), "bntcancelar");
    cidade->close();
    EXPECT_FALSE(cidade->isVisible());
    EXPECT_FALSE(dm->cdscidade->isActive());

    auto again = shown<TFrm_Cad_Cidade>();
    EXPECT_EQ(again->findChild<QLabel*>(QStringLiteral("lblmenu"))->text(),
              QStringLiteral("Cadastro de Cidades"));
    typeInto(busca(again.get()), QStringLiteral("SANTA"));
    EXPECT_EQ(dm->cdscidade->filter(), QStringLiteral("CIDADE like 'SANTA%'"));
    EXPECT_EQ(dm->cdscidade->recordCount(), 1);
}

TEST_F(SimpleRegisterTest, PresidentScreenOnlyEditsAndItsSearchFiltersNothing)
{
    auto presidente = shown<TFrm_Cad_Presidente>();
    for (const char* hidden : {"bntnovo", "bntexcluir", "bntpesquisar"})
        EXPECT_FALSE(button(presidente.get(), hidden)->isVisible()) << hidden;
    for (const char* visible : {"bntgravar", "bnteditar", "bntcancelar", "bntsair"})
        EXPECT_TRUE(button(presidente.get(), visible)->isVisible()) << visible;
    EXPECT_TRUE(busca(presidente.get())->isVisible());
    const int rows = dm->cdspresidente->recordCount();
    typeInto(busca(presidente.get()), QStringLiteral("ZZZ"));
    EXPECT_EQ(dm->cdspresidente->recordCount(), rows);
    EXPECT_EQ(dm->cdspresidente->filter(), QString());

    click(presidente.get(), "bnteditar");
    EXPECT_FALSE(button(presidente.get(), "bntnovo")->isEnabled()) << "still switched, never seen";
    auto* ano = presidente->findChild<dbw::DBEdit*>(QStringLiteral("dbanovigente"));
    ano->setFocus();
    ano->selectAll();
    QTest::keyClick(ano, Qt::Key_Backspace);
    typeInto(ano, QStringLiteral("2027"));
    auto* data = presidente->findChild<dbw::DBEdit*>(QStringLiteral("dbdatavigente"));
    EXPECT_TRUE(data->inputMask().isEmpty()) << "free text, not a date";
    nome(presidente.get())->selectAll();
    QTest::keyClick(nome(presidente.get()), Qt::Key_Backspace);
    click(presidente.get(), "bntgravar");
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("O campo nome é obrigatório")});
    typeInto(nome(presidente.get()), QStringLiteral("Maria Presidente"));
    click(presidente.get(), "bntgravar");
    EXPECT_EQ(dialogs->texts().last(), QStringLiteral("Registro salvo com sucesso!"));
    EXPECT_EQ(
        scalar(QStringLiteral("select NOME_PRESIDENTE || '|' || ANO_VIGENTE from PRESIDENTE")).toString(),
        QStringLiteral("Maria Presidente|2027"));
    presidente->close();
    EXPECT_TRUE(presidente->isVisible()) << "the system close command is ignored";
    click(presidente.get(), "bntsair");
    EXPECT_FALSE(presidente->isVisible());
    EXPECT_TRUE(busca(presidente.get())->text().isEmpty());
}

TEST_F(SimpleRegisterTest, Screenshots)
{
    const std::pair<QString, std::function<std::unique_ptr<RecordScreen>()>> screens[] = {
        {QStringLiteral("serie"), [] { return std::make_unique<TFrm_Cad_Serie>(); }},
        {QStringLiteral("turno"), [] { return std::make_unique<TFrm_Cad_Turno>(); }},
        {QStringLiteral("cidades"), [] { return std::make_unique<TFrm_Cad_Cidade>(); }},
        {QStringLiteral("presidente"), [] { return std::make_unique<TFrm_Cad_Presidente>(); }},
    };
    for (const auto& [name, make] : screens) {
        auto screen = make();
        screen->show();
        screenshot(screen.get(), name);
    }
}

} // namespace
