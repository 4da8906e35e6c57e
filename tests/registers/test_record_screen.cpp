// The record-editing cycle, on its reference instance: the school register.
#include "data/U_datamodulo.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"
#include "platform/widgets/DBText.h"
#include "registers/U_cad_escola.h"
#include "tests/registers/RegisterFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

using dlg::Button;

class SchoolRegisterTest : public RegisterTest
{
protected:
    void SetUp() override
    {
        RegisterTest::SetUp();
        schools = scalar(QStringLiteral("select count(*) from ESCOLA")).toInt();
    }
    void open()
    {
        screen = std::make_unique<TFrm_Cad_Escola>();
        screen->show();
        QApplication::setActiveWindow(screen.get());
    }
    template <typename T = dbw::DBEdit> T* child(const char* name) const
    {
        auto* w = screen->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* busca() const { return child<QLineEdit>("Editbusca"); }
    ds::ClientDataSet* cds() const { return dm->cdsescola; }
    bool browseState() const
    {
        bool browse = true;
        for (const char* on : {"bntnovo", "bnteditar", "bntexcluir", "bntsair"})
            browse = browse && button(screen.get(), on)->isEnabled();
        for (const char* off : {"bntgravar", "bntcancelar"})
            browse = browse && !button(screen.get(), off)->isEnabled();
        for (const char* editor : kEditors)
            browse = browse && !child(editor)->isEnabled();
        return browse;
    }
    bool editState() const
    {
        bool edit = true;
        for (const char* off : {"bntnovo", "bnteditar", "bntexcluir", "bntsair"})
            edit = edit && !button(screen.get(), off)->isEnabled();
        for (const char* on : {"bntgravar", "bntcancelar"})
            edit = edit && button(screen.get(), on)->isEnabled();
        for (const char* editor : kEditors)
            edit = edit && child(editor)->isEnabled();
        return edit;
    }
    void replaceText(const char* editor, const QString& text)
    {
        dbw::DBEdit* e = child(editor);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        e->setCursorPosition(0);
        typeInto(e, text);
    }
    QString schoolName(int key) const
    {
        return scalar(QStringLiteral("select ESCOLA from ESCOLA where ESCOLA_ID = %1").arg(key)).toString();
    }
    int currentKey() const { return cds()->fieldByName(QStringLiteral("ESCOLA_ID")).asInteger(); }

    static constexpr const char* kEditors[] = {"dbnome",     "dbarea",        "dbcenso", "dbendereco",
                                               "dbtelefone", "dbcoordenacao", "dbemail"};
    std::unique_ptr<TFrm_Cad_Escola> screen;
    int schools = 0;
};

TEST_F(SchoolRegisterTest, OpensOnEveryRowUnfilteredInBrowseState)
{
    cds()->open();
    cds()->setFilter(QStringLiteral("escola like 'X%'"));
    cds()->setFiltered(true);
    cds()->close(); // left behind by an earlier screen
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("CADASTRO DE ESCOLA"));
    EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("lblmenu"))->text(),
              QStringLiteral("Cadastro de Escola"));
    EXPECT_FALSE(cds()->filtered());
    EXPECT_EQ(cds()->recordCount(), schools);
    EXPECT_EQ(child<dbw::DBGrid>("DBGrid1")->model()->rowCount(), schools);
    EXPECT_TRUE(browseState());
    EXPECT_TRUE(busca()->text().isEmpty());
    EXPECT_TRUE(busca()->isEnabled());
}

TEST_F(SchoolRegisterTest, NewRowIsSavedWithItsKeyMasksAndCase)
{
    open();
    const int expectedKey =
        scalar(QStringLiteral("select gen_id(SEQ_ESCOLA, 0) from rdb$database")).toInt() + 1;
    click(screen.get(), "bntnovo");
    ASSERT_TRUE(editState());
    EXPECT_EQ(cds()->state(), ds::DataSetState::Insert);
    EXPECT_EQ(currentKey(), expectedKey);
    EXPECT_EQ(child<dbw::DBText>("dbcodigo")->text(), QString::number(expectedKey));
    EXPECT_EQ(screen->focusWidget(), child("dbnome"));

    typeInto(child("dbnome"), QStringLiteral("e.m. são joão"));
    typeInto(child("dbtelefone"), QStringLiteral("12345678901"));
    typeInto(child("dbemail"), QStringLiteral("SaoJoao@Escola.Gov"));
    typeInto(child("dbcenso"), QStringLiteral("52abc"));
    click(screen.get(), "bntgravar");
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("Registro salvo com sucesso!")});
    EXPECT_TRUE(browseState());
    EXPECT_EQ(schoolName(expectedKey), QStringLiteral("E.M. SÃO JOÃO"));
    EXPECT_EQ(scalar(QStringLiteral("select TELEFONE || '|' || EMAIL || '|' || CODIGO_CENSO from ESCOLA "
                                    "where ESCOLA_ID = %1")
                         .arg(expectedKey))
                  .toString(),
              QStringLiteral("(12)34567-8901|saojoao@escola.gov|52abc"));
}

TEST_F(SchoolRegisterTest, BlankNameIsRefusedAndTheRowStaysOpen)
{
    open();
    click(screen.get(), "bntnovo");
    typeInto(child("dbnome"), QStringLiteral("   "));
    typeInto(child("dbarea"), QStringLiteral("URBANA"));
    child("dbarea")->setFocus();
    click(screen.get(), "bntgravar");
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("O campo nome é obrigatório")});
    EXPECT_EQ(dialogs->shown().front().buttons, dlg::Buttons(Button::Ok));
    EXPECT_TRUE(editState());
    EXPECT_EQ(cds()->state(), ds::DataSetState::Insert);
    EXPECT_EQ(screen->focusWidget(), child("dbnome"));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from ESCOLA")).toInt(), schools);
}

TEST_F(SchoolRegisterTest, CancelledNewRowLeavesNoRowAndConsumesItsKey)
{
    open();
    click(screen.get(), "bntnovo");
    const int cancelledKey = currentKey();
    typeInto(child("dbnome"), QStringLiteral("DESISTENCIA"));
    click(screen.get(), "bntcancelar");
    EXPECT_TRUE(browseState());
    EXPECT_EQ(cds()->recordCount(), schools);
    EXPECT_FALSE(cds()->locate(QStringLiteral("ESCOLA"), QStringLiteral("DESISTENCIA"), false, false));
    click(screen.get(), "bntnovo");
    EXPECT_EQ(currentKey(), cancelledKey + 1) << "the key is not handed back";
    click(screen.get(), "bntcancelar");
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from ESCOLA")).toInt(), schools);
}

TEST_F(SchoolRegisterTest, EditSavesTheCurrentRowChosenInTheGrid)
{
    open();
    auto* grid = child<dbw::DBGrid>("DBGrid1");
    grid->selectRow(3);
    const int key = currentKey();
    EXPECT_EQ(child("dbnome")->text(), cds()->fieldByName(QStringLiteral("ESCOLA")).asString());
    child("dbarea")->setFocus();
    click(screen.get(), "bnteditar");
    EXPECT_TRUE(editState());
    EXPECT_EQ(cds()->state(), ds::DataSetState::Edit);
    EXPECT_EQ(screen->focusWidget(), child("dbnome"));
    replaceText("dbnome", QStringLiteral("E.M. RENOMEADA"));
    click(screen.get(), "bntgravar");
    EXPECT_TRUE(browseState());
    EXPECT_EQ(schoolName(key), QStringLiteral("E.M. RENOMEADA"));
}

TEST_F(SchoolRegisterTest, DeleteAsksAndOnlyYesRemovesTheRow)
{
    open();
    child<dbw::DBGrid>("DBGrid1")->selectRow(5);
    const int key = currentKey();
    dialogs->answer(Button::No);
    click(screen.get(), "bntexcluir");
    ASSERT_EQ(dialogs->shown().size(), 1u);
    const dlg::Request& question = dialogs->shown().front();
    EXPECT_EQ(question.text, QStringLiteral("Deseja Excluir o cadastro?"));
    EXPECT_EQ(question.title, QStringLiteral("Excluir Cadastro"));
    EXPECT_EQ(question.icon, dlg::Icon::Question);
    EXPECT_EQ(question.defaultButton, Button::Yes);
    EXPECT_EQ(cds()->recordCount(), schools);
    EXPECT_FALSE(schoolName(key).isEmpty());

    dialogs->answer(Button::Yes);
    click(screen.get(), "bntexcluir");
    EXPECT_EQ(dialogs->shown().size(), 2u) << "no message after the delete";
    EXPECT_TRUE(browseState());
    EXPECT_EQ(cds()->recordCount(), schools - 1);
    EXPECT_FALSE(cds()->locate(QStringLiteral("ESCOLA_ID"), key, false, false));
    EXPECT_TRUE(scalar(QStringLiteral("select count(*) from ESCOLA where ESCOLA_ID = %1").arg(key)).toInt() ==
                0);
}

TEST_F(SchoolRegisterTest, OnlySairClosesAndNotWhileEditing)
{
    open();
    screen->close(); // the title-bar button and Alt+F4
    EXPECT_TRUE(screen->isVisible());
    click(screen.get(), "bntnovo");
    EXPECT_FALSE(button(screen.get(), "bntsair")->isEnabled());
    click(screen.get(), "bntsair");
    screen->close();
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(cds()->isEditing());
    click(screen.get(), "bntcancelar");

    typeInto(busca(), QStringLiteral("E.M"));
    click(screen.get(), "bntsair");
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(dialogs->texts().isEmpty());
    EXPECT_FALSE(cds()->isActive());
    EXPECT_FALSE(dm->sqlescola->isActive());
    EXPECT_TRUE(busca()->text().isEmpty());
    EXPECT_EQ(cds()->filter(), QStringLiteral("escola like '%'")) << "clearing the box ran its search";
}

TEST_F(SchoolRegisterTest, EnterMovesToTheNextEditorAndPressesNoButton)
{
    open();
    click(screen.get(), "bnteditar");
    const char* order[] = {"dbnome",     "dbarea",        "dbcenso", "dbendereco",
                           "dbtelefone", "dbcoordenacao", "dbemail"};
    for (size_t i = 0; i + 1 < std::size(order); ++i) {
        child(order[i])->setFocus();
        QTest::keyClick(child(order[i]), Qt::Key_Return);
        EXPECT_EQ(screen->focusWidget(), child(order[i + 1])) << order[i];
    }
    QTest::keyClick(child("dbemail"), Qt::Key_Enter);
    EXPECT_EQ(screen->focusWidget(), busca());
    QTest::keyClick(busca(), Qt::Key_Return);
    EXPECT_EQ(screen->focusWidget(), child<dbw::DBGrid>("DBGrid1"));
    EXPECT_TRUE(editState());
    EXPECT_TRUE(dialogs->texts().isEmpty());
}

TEST_F(SchoolRegisterTest, SearchNarrowsByPrefixWithQuotesAndWildcards)
{
    exec(QStringLiteral("insert into ESCOLA (ESCOLA_ID, ESCOLA) values (900, 'E.M. D''AVILA')"));
    exec(QStringLiteral("insert into ESCOLA (ESCOLA_ID, ESCOLA) values (901, 'e.m. minuscula')"));
    open();
    struct Row
    {
        const char* name;
        QString typed;
        QString filter;
        int rows;
    };
    const Row rows[] = {
        {"prefix", QStringLiteral("cmei"), QStringLiteral("escola like 'CMEI%'"), 11},
        {"quote doubled", QStringLiteral("E.M. D'A"), QStringLiteral("escola like 'E.M. D''A%'"), 1},
        {"percent inside", QStringLiteral("%ALVES"), QStringLiteral("escola like '%ALVES%'"), 1},
        {"underscore", QStringLiteral("_.M."), QStringLiteral("escola like '_.M.%'"), 11},
        {"case-sensitive", QStringLiteral("e.m. min"), QStringLiteral("escola like 'E.M. MIN%'"), 0},
        {"emptied", QString(), QStringLiteral("escola like '%'"), schools + 2},
    };
    for (const Row& r : rows) {
        busca()->clear();
        typeInto(busca(), r.typed);
        EXPECT_EQ(busca()->text(), r.typed.toUpper()) << r.name;
        EXPECT_EQ(cds()->filter(), r.filter) << r.name;
        EXPECT_TRUE(cds()->filtered()) << r.name;
        EXPECT_EQ(cds()->recordCount(), r.rows) << r.name;
    }
    EXPECT_TRUE(dialogs->texts().isEmpty());
}

TEST_F(SchoolRegisterTest, SearchTypedWhileEditingWaitsForTheRowToBeSavedOrCancelled)
{
    open();
    click(screen.get(), "bntnovo");
    typeInto(child("dbnome"), QStringLiteral("E.M. NOVA"));
    typeInto(busca(), QStringLiteral("CMEI"));
    EXPECT_EQ(cds()->state(), ds::DataSetState::Insert) << "the new row is still open";
    EXPECT_FALSE(cds()->filtered());
    EXPECT_TRUE(editState());
    click(screen.get(), "bntgravar");
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("Registro salvo com sucesso!")});
    EXPECT_EQ(cds()->filter(), QStringLiteral("escola like 'CMEI%'"));
    EXPECT_EQ(cds()->recordCount(), 11);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from ESCOLA where ESCOLA = 'E.M. NOVA'")).toInt(), 1);
}

TEST_F(SchoolRegisterTest, SaveRefusedBecauseAnotherWorkstationChangedTheRow)
{
    open();
    child<dbw::DBGrid>("DBGrid1")->selectRow(2);
    const int key = currentKey();
    exec(
        QStringLiteral("update ESCOLA set ESCOLA = 'MUDADA EM OUTRA ESTACAO' where ESCOLA_ID = %1").arg(key));
    click(screen.get(), "bnteditar");
    replaceText("dbnome", QStringLiteral("MINHA ALTERACAO"));
    click(screen.get(), "bntgravar");
    ASSERT_EQ(dialogs->shown().size(), 1u);
    const dlg::Request& box = dialogs->shown().front();
    EXPECT_EQ(box.icon, dlg::Icon::Error);
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("Registro NAO foi salvo: outro usuario alterou")))
        << box.text.toStdString();
    EXPECT_FALSE(dialogs->texts().contains(QStringLiteral("Registro salvo com sucesso!")));
    EXPECT_TRUE(editState()) << "nothing typed is lost";
    EXPECT_TRUE(cds()->isEditing());
    EXPECT_EQ(child("dbnome")->text(), QStringLiteral("MINHA ALTERACAO"));
    EXPECT_EQ(schoolName(key), QStringLiteral("MUDADA EM OUTRA ESTACAO"));

    click(screen.get(), "bntcancelar");
    EXPECT_TRUE(browseState());
    EXPECT_EQ(cds()->changeCount(), 0);
    ASSERT_TRUE(cds()->locate(QStringLiteral("ESCOLA_ID"), key, false, false));
    EXPECT_EQ(child("dbnome")->text(), QStringLiteral("MUDADA EM OUTRA ESTACAO")) << "reloaded";

    click(screen.get(), "bnteditar");
    replaceText("dbnome", QStringLiteral("MINHA ALTERACAO"));
    click(screen.get(), "bntgravar");
    EXPECT_EQ(dialogs->texts().last(), QStringLiteral("Registro salvo com sucesso!"));
    EXPECT_EQ(schoolName(key), QStringLiteral("MINHA ALTERACAO"));
}

TEST_F(SchoolRegisterTest, SaveRefusedByTheDatabaseShowsItsTextAndCanBeRetried)
{
    exec(QStringLiteral("alter table ESCOLA add constraint CK_ESCOLA_NOME check (ESCOLA <> 'PROIBIDA')"));
    open();
    click(screen.get(), "bntnovo");
    const int key = currentKey();
    typeInto(child("dbnome"), QStringLiteral("PROIBIDA"));
    click(screen.get(), "bntgravar");
    ASSERT_EQ(dialogs->shown().size(), 1u);
    const QString text = dialogs->shown().front().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Registro NAO foi salvo: o banco de dados recusou")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("CK_ESCOLA_NOME"))) << text.toStdString();
    EXPECT_TRUE(editState());
    EXPECT_EQ(cds()->state(), ds::DataSetState::Edit) << "the new row stays open";

    replaceText("dbnome", QStringLiteral("PERMITIDA"));
    click(screen.get(), "bntgravar");
    EXPECT_EQ(dialogs->texts().last(), QStringLiteral("Registro salvo com sucesso!"));
    EXPECT_TRUE(browseState());
    EXPECT_EQ(schoolName(key), QStringLiteral("PERMITIDA"));
}

TEST_F(SchoolRegisterTest, DeleteRefusedBecauseAnotherWorkstationChangedTheRow)
{
    open();
    child<dbw::DBGrid>("DBGrid1")->selectRow(4);
    const int key = currentKey();
    exec(QStringLiteral("update ESCOLA set AREA = 'OUTRA' where ESCOLA_ID = %1").arg(key));
    dialogs->answer(Button::Yes);
    click(screen.get(), "bntexcluir");
    ASSERT_EQ(dialogs->shown().size(), 2u);
    EXPECT_TRUE(
        dialogs->shown()[1].text.startsWith(QStringLiteral("Registro NAO foi excluido: outro usuario")));
    EXPECT_EQ(cds()->changeCount(), 0);
    EXPECT_EQ(cds()->recordCount(), schools);
    ASSERT_TRUE(cds()->locate(QStringLiteral("ESCOLA_ID"), key, false, false));
    EXPECT_EQ(child("dbarea")->text(), QStringLiteral("OUTRA")) << "reloaded";
    EXPECT_FALSE(schoolName(key).isEmpty());

    // a later delete works on the fresh row
    dialogs->answer(Button::Yes);
    click(screen.get(), "bntexcluir");
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from ESCOLA where ESCOLA_ID = %1").arg(key)).toInt(), 0);
}

TEST_F(SchoolRegisterTest, OpensAgainAfterAScreenClosedTheConnection)
{
    open();
    click(screen.get(), "bntsair");
    dm->conexao->close(); // as the agenda and the service desk do when they close
    ASSERT_FALSE(dm->conexao->isConnected());
    open();
    EXPECT_EQ(cds()->recordCount(), schools);
    click(screen.get(), "bntnovo");
    typeInto(child("dbnome"), QStringLiteral("DEPOIS DA RECONEXAO"));
    click(screen.get(), "bntgravar");
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("Registro salvo com sucesso!")});
    EXPECT_EQ(
        scalar(QStringLiteral("select count(*) from ESCOLA where ESCOLA = 'DEPOIS DA RECONEXAO'")).toInt(),
        1);
}

TEST_F(SchoolRegisterTest, EmptyListIgnoresEditAndDelete)
{
    exec(QStringLiteral("delete from ESCOLA"));
    open();
    click(screen.get(), "bnteditar");
    click(screen.get(), "bntexcluir");
    EXPECT_TRUE(browseState());
    EXPECT_TRUE(dialogs->texts().isEmpty());
    EXPECT_EQ(cds()->state(), ds::DataSetState::Browse);
}

TEST_F(SchoolRegisterTest, Screenshot)
{
    open();
    child<dbw::DBGrid>("DBGrid1")->selectRow(1);
    screenshot(screen.get(), QStringLiteral("escola_browse"));
    click(screen.get(), "bnteditar");
    screenshot(screen.get(), QStringLiteral("escola_edit"));
    click(screen.get(), "bntcancelar");
}

} // namespace
