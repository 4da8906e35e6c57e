// The referral register's own behaviour beyond the record-editing cycle.
#include "common/Deployment.h"
#include "common/PickLists.h"
#include "data/U_datamodulo.h"
#include "platform/widgets/DBComboBox.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"
#include "platform/widgets/DBMemo.h"
#include "referral/ReferralDocument.h"
#include "referral/U_Cad_Alunos.h"
#include "tests/referral/ReferralFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

class RequestRegisterTest : public ReferralTest
{
protected:
    void open()
    {
        screen = std::make_unique<TFrm_Cad_Aluno>();
        screen->setClock(&ReferralTest::now);
        screen->setPreview([this](const referral::ReferralDocument& document, QWidget*) {
            previewed << document.objectName();
        });
        showScreen(screen.get());
    }
    void TearDown() override
    {
        screen.reset();
        ReferralTest::TearDown();
    }
    template <typename T = QLineEdit> T* w(const char* name) const { return child<T>(screen.get(), name); }
    QString filter() const { return dm->cdsaluno->filtered() ? dm->cdsaluno->filter() : QString(); }
    int count(const QString& where) const
    {
        return scalar(QStringLiteral("select count(*) from ENCAMINHAMENTO where ") + where).toInt();
    }

    std::unique_ptr<TFrm_Cad_Aluno> screen;
    QStringList previewed;
};

TEST_F(RequestRegisterTest, OpensWithEveryRequestByDateTheCounterAndTheFirstAge)
{
    open();
    ds::ClientDataSet* cds = dm->cdsaluno;
    EXPECT_EQ(cds->recordCount(), count(QStringLiteral("1=1")));
    EXPECT_FALSE(cds->filtered());
    EXPECT_EQ(cds->indexFieldNames(), QStringLiteral("DATA_ATENDIMENTO"));
    EXPECT_EQ(w<QLabel>("lbl_total_aluno")->text(), QString::number(cds->recordCount()));
    cds->first();
    const QDate birth = cds->fieldByName(QStringLiteral("DATA_NASC")).asDate();
    EXPECT_EQ(w<QLabel>("lb_idade")->text(),
              QString::number(birth.daysTo(now().date()) * 4 / 1461) + u" Anos ");
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("CADASTRO DE ALUNOS  PARA ENCAMINHAMENTO"));
    EXPECT_TRUE(w<QToolButton>("bntpesquisar")->isEnabled());
    EXPECT_FALSE(w<dbw::DBEdit>("dbnome")->isEnabled());
    EXPECT_TRUE(dialogs->texts().isEmpty());
}

TEST_F(RequestRegisterTest, TheRowEditorsAndTheirPickLists)
{
    open();
    const char* editors[] = {
        "dbdataatendimento", "dbnome",        "dbdatanasc", "dbstatus",   "dbmae",      "dbpai",
        "dbendereco",        "dbbairro",      "dbcpf",      "dbnis",      "dbrecebebf", "db_look_escola",
        "db_look_turno",     "db_look_serie", "dbcontato1", "dbcontato2", "dbobs",      "dbusuario"};
    for (const char* name : editors)
        EXPECT_NE(screen->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
    const QString date = QStringLiteral("!99/99/0000;1;_");
    const QString cpf = QStringLiteral("000\\.000\\.000\\-00;1;_");
    const QString phone = QStringLiteral("!\\(99\\)00000-0000;1;_");
    const std::pair<const char*, QString> masks[] = {
        {"dbdataatendimento", date}, {"dbdatanasc", date}, {"dbcpf", cpf}, {"dbnis", cpf},
        {"dbcontato1", phone},       {"dbcontato2", phone}};
    for (const auto& [editor, mask] : masks)
        EXPECT_EQ(w<dbw::DBEdit>(editor)->editMask().qtInputMask(), dbw::EditMask::parse(mask).qtInputMask())
            << editor;
    EXPECT_EQ(w<dbw::DBEdit>("dbnome")->charCase(), dbw::CharCase::Upper);
    EXPECT_EQ(w<dbw::DBEdit>("dbcontato2")->charCase(), dbw::CharCase::Normal);
    auto items = [](QComboBox* combo) {
        QStringList out;
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    };
    QStringList schools = deployment::fullSchoolList();
    schools << QStringLiteral("OUTRO(A)S");
    EXPECT_EQ(items(w<dbw::DBComboBox>("db_look_escola")), schools);
    EXPECT_EQ(items(w<dbw::DBComboBox>("dbstatus")), picklists::statusList());
    EXPECT_EQ(items(w<dbw::DBComboBox>("db_look_turno")), picklists::shiftList());
    EXPECT_EQ(items(w<dbw::DBComboBox>("db_look_serie")), picklists::gradeList());
    EXPECT_EQ(items(w<dbw::DBComboBox>("dbrecebebf")),
              (QStringList{QStringLiteral("NAO"), QStringLiteral("SIM")}));
    const QStringList lookup = items(w<QComboBox>("edt_nome_escola"));
    EXPECT_EQ(lookup.size(), 30);
    EXPECT_EQ(lookup.filter(QStringLiteral("E.E. ")).size(), 7);
    EXPECT_FALSE(lookup.contains(QStringLiteral("OUTRO(A)S")));
    EXPECT_EQ(items(w<QComboBox>("edt_nome_serie")), picklists::gradeList());
    EXPECT_EQ(items(w<QComboBox>("edt_nome_turno")), picklists::shiftList());
}

TEST_F(RequestRegisterTest, TheAgeTableReadsAsDesigned)
{
    open();
    auto* tab = w<QWidget>("tbidadeserie");
    QStringList lines;
    for (QGroupBox* box : tab->findChildren<QGroupBox*>()) {
        lines << box->title();
        for (QLabel* label : box->findChildren<QLabel*>())
            lines << label->text();
    }
    const QStringList expected = {
        QStringLiteral("Maternal"),
        QStringLiteral("Maternal I -----------------------> 1 ano"),
        QStringLiteral("Maternal II -----------------------> 2 anos"),
        QStringLiteral("Maternal III -----------------------> 3 anos"),
        QStringLiteral("1° E 2° PERIODO"),
        QStringLiteral("1° PERIODO -----------------------> 4 anos"),
        QStringLiteral("2° PERIODO -----------------------> 5 anos"),
        QStringLiteral("ENSINO FUNDAMENTAL - INICIAL"),
        QStringLiteral("1° E.F. -----------------------> 6 anos"),
        QStringLiteral("2° E.F. -----------------------> 7 anos"),
        QStringLiteral("3° E.F. -----------------------> 8 anos"),
        QStringLiteral("4° E.F. -----------------------> 9 anos"),
        QStringLiteral("5° E.F. -----------------------> 10 anos"),
        QStringLiteral("ENSINO FUNDAMENTAL - FINAL"),
        QStringLiteral("6° E.F. -----------------------> 11 anos"),
        QStringLiteral("7° E.F. -----------------------> 12 anos"),
        QStringLiteral("8° E.F. -----------------------> 13 anos"),
        QStringLiteral("9° E.F. -----------------------> 14 anos"),
        QStringLiteral("ENSINO MEDIO"),
        QStringLiteral("1° E.M. -----------------------> 15 anos"),
        QStringLiteral("2° E.M. -----------------------> 16 anos"),
        QStringLiteral("3° E.M. -----------------------> 17 anos"),
    };
    EXPECT_EQ(lines, expected);
}

// Each box replaces the whole filter with one on its own column.
TEST_F(RequestRegisterTest, TheFilterTextOfEachSearchBox)
{
    open();
    const struct
    {
        const char* box;
        QString typed;
        QString filter;
    } cases[] = {
        {"Editbusca", QStringLiteral("MAR"), QStringLiteral("NOME_ALUNO like 'MAR%'")},
        {"Editbusca", QStringLiteral("d'a"), QStringLiteral("NOME_ALUNO like 'D''A%'")},
        {"edtbuscamae", QStringLiteral("ana"), QStringLiteral("RESPONSAVEL_1 like 'ANA%'")},
        {"edt_obs", QStringLiteral("IRMAO"), QStringLiteral("obs like 'IRMAO%'")},
        {"edtbusca_contato", QStringLiteral("12"), QStringLiteral("CONTATO_1 like '(12)     -    %'")},
    };
    for (const auto& c : cases) {
        auto* box = w(c.box);
        mousePress(box); // starts from the whole list
        QTest::keyClick(box, Qt::Key_Home);
        typeInto(box, c.typed);
        EXPECT_EQ(filter(), c.filter) << c.box;
    }
    // the mother box after the name box: the click emptied the name box
    mousePress(w("Editbusca"));
    typeInto(w("Editbusca"), QStringLiteral("MAR"));
    mousePress(w("edtbuscamae"));
    EXPECT_TRUE(w("Editbusca")->text().isEmpty());
    EXPECT_FALSE(dm->cdsaluno->filtered());
    typeInto(w("edtbuscamae"), QStringLiteral("M"));
    EXPECT_EQ(dm->cdsaluno->recordCount(), count(QStringLiteral("RESPONSAVEL_1 like 'M%'")));
}

TEST_F(RequestRegisterTest, AContactIsFoundOnlyOnceTypedInFull)
{
    const QString contact =
        scalar(QStringLiteral("select first 1 CONTATO_1 from ENCAMINHAMENTO order by CODIGO")).toString();
    open();
    QString digits = contact;
    digits.remove(QRegularExpression(QStringLiteral("[^0-9]")));
    auto* box = w("edtbusca_contato");
    mousePress(box);
    QTest::keyClick(box, Qt::Key_Home); // the click put the cursor where it landed
    typeInto(box, digits.left(6));
    EXPECT_EQ(dm->cdsaluno->recordCount(), 0);
    typeInto(box, digits.mid(6));
    EXPECT_EQ(filter(), QStringLiteral("CONTATO_1 like '") + contact + QStringLiteral("%'"));
    EXPECT_EQ(dm->cdsaluno->recordCount(), count(QStringLiteral("CONTATO_1 = '%1'").arg(contact)));
    EXPECT_GE(dm->cdsaluno->recordCount(), 1);
}

TEST_F(RequestRegisterTest, FiltroListsEveryRequestAndEmptiesTheBoxes)
{
    open();
    typeInto(w("edt_obs"), QStringLiteral("X"));
    exec(QStringLiteral(
        "insert into ENCAMINHAMENTO (CODIGO, NOME_ALUNO, DATA_ATENDIMENTO) values (9001, 'OUTRO POSTO', "
        "'2026-12-10')"));
    clickTool(screen.get(), "bntfiltrar");
    EXPECT_FALSE(dm->cdsaluno->filtered());
    EXPECT_EQ(dm->cdsaluno->recordCount(), count(QStringLiteral("1=1")));
    EXPECT_EQ(w<QLabel>("lbl_total_aluno")->text(), QString::number(count(QStringLiteral("1=1"))));
    for (const char* box : {"Editbusca", "edtbuscamae", "edt_obs"})
        EXPECT_TRUE(w(box)->text().isEmpty()) << box;
    EXPECT_EQ(w("edtbusca_contato")->displayText(), QStringLiteral("(__)_____-____"));
}

// A click into a search box or "Filtro" while a row is open would reload the list and lose it.
TEST_F(RequestRegisterTest, ASearchBoxClickWhileEditingKeepsThePendingRow)
{
    open();
    clickTool(screen.get(), "bntnovo");
    typeInto(w<dbw::DBEdit>("dbnome"), QStringLiteral("PENDENTE"));
    mousePress(w("edtbuscamae"));
    EXPECT_TRUE(dm->cdsaluno->isEditing());
    EXPECT_FALSE(w<QToolButton>("bntfiltrar")->isEnabled());
    EXPECT_FALSE(w<QToolButton>("bntpesquisar")->isEnabled());
    typeInto(w("edtbuscamae"), QStringLiteral("ZZ"));
    EXPECT_TRUE(dm->cdsaluno->isEditing());
    EXPECT_EQ(w<dbw::DBEdit>("dbnome")->text(), QStringLiteral("PENDENTE"));
    clickTool(screen.get(), "bntgravar");
    EXPECT_EQ(count(QStringLiteral("NOME_ALUNO = 'PENDENTE'")), 1);
    // the search typed meanwhile applies once the row is saved
    EXPECT_EQ(filter(), QStringLiteral("RESPONSAVEL_1 like 'ZZ%'"));
}

TEST_F(RequestRegisterTest, ARequestWithoutBirthDateOpensCleanly)
{
    exec(QStringLiteral("update ENCAMINHAMENTO set DATA_NASC = null"));
    open();
    EXPECT_TRUE(dialogs->texts().isEmpty());
    EXPECT_TRUE(w<QLabel>("lb_idade")->text().isEmpty());
    EXPECT_EQ(w<QLabel>("lbl_total_aluno")->text(), QString::number(count(QStringLiteral("1=1"))));
    EXPECT_EQ(QApplication::focusWidget(), w("Editbusca"));
}

TEST_F(RequestRegisterTest, AnEmptyListOpensCleanly)
{
    exec(QStringLiteral("delete from ENCAMINHAMENTO"));
    open();
    EXPECT_TRUE(dialogs->texts().isEmpty());
    EXPECT_EQ(w<QLabel>("lbl_total_aluno")->text(), QStringLiteral("0"));
}

TEST_F(RequestRegisterTest, TheAgeFollowsTheGridByClickAndArrowKeys)
{
    open();
    auto* grid = w<dbw::DBGrid>("dbgrid_aluno");
    auto ageOf = [](int row) {
        const int field = dm->cdsaluno->fieldIndex(QStringLiteral("DATA_NASC"));
        const QDate birth = dm->cdsaluno->value(row, field).toDate();
        return QString::number(birth.daysTo(now().date()) * 4 / 1461) + u" Anos ";
    };
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(dm->cdsaluno->recNo(), 1);
    EXPECT_EQ(w<QLabel>("lb_idade")->text(), ageOf(1));
    const QRect cell = grid->visualRect(grid->model()->index(4, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QApplication::processEvents();
    EXPECT_EQ(dm->cdsaluno->recNo(), 4);
    EXPECT_EQ(w<QLabel>("lb_idade")->text(), ageOf(4));
    // a double click edits the row
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QApplication::processEvents();
    EXPECT_EQ(dm->cdsaluno->state(), ds::DataSetState::Edit);
    EXPECT_EQ(w<dbw::DBEdit>("dbusuario")->text(), QStringLiteral("VIDA"));
    EXPECT_EQ(QApplication::focusWidget(), w<dbw::DBEdit>("dbdataatendimento"));
}

TEST_F(RequestRegisterTest, EditarStampsTheCurrentLogin)
{
    signInAs(QStringLiteral("SUPORTE"), QStringLiteral("SUPORTE123"));
    open();
    clickTool(screen.get(), "bnteditar");
    EXPECT_EQ(dm->cdsaluno->fieldByName(QStringLiteral("USUARIO")).asString(), QStringLiteral("SUPORTE"));
    EXPECT_FALSE(w<dbw::DBEdit>("dbusuario")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), w<dbw::DBEdit>("dbdataatendimento"));
}

TEST_F(RequestRegisterTest, ACpfIsCheckedOnlyWhenComplete)
{
    open();
    clickTool(screen.get(), "bntnovo");
    auto* cpf = w<dbw::DBEdit>("dbcpf");
    const struct
    {
        QString typed;
        bool reported;
    } cases[] = {
        {QStringLiteral("123456"), false},      // in part
        {QString(), false},                     // empty
        {QStringLiteral("12345678909"), false}, // right check digits
        {QStringLiteral("11111111111"), false}, // equal digits pass the check
        {QStringLiteral("12345678908"), true},
    };
    for (const auto& c : cases) {
        dialogs->clear();
        cpf->setFocus();
        cpf->selectAll();
        QTest::keyClick(cpf, Qt::Key_Delete);
        typeInto(cpf, c.typed);
        typeInto(w<dbw::DBEdit>("dbnis"), QString());
        EXPECT_EQ(dialogs->texts(), c.reported ? QStringList{QStringLiteral("CPF INVÁLIDO")} : QStringList())
            << c.typed.toStdString();
    }
}

TEST_F(RequestRegisterTest, RemarksAreTypedInCapitals)
{
    open();
    clickTool(screen.get(), "bntnovo");
    auto* obs = w<dbw::DBMemo>("dbobs");
    obs->setFocus();
    QTest::keyClicks(obs, QStringLiteral("mae 1a"));
    QTest::sendKeyEvent(QTest::Click, obs, Qt::Key_unknown, QStringLiteral("ç"), Qt::NoModifier);
    QTest::keyClick(obs, Qt::Key_Return); // moves on, no new line
    EXPECT_EQ(obs->toPlainText(), QStringLiteral("MAE 1Aç"));
    EXPECT_EQ(dm->cdsaluno->fieldByName(QStringLiteral("OBS")).asString(), QStringLiteral("MAE 1Aç"));
    EXPECT_NE(QApplication::focusWidget(), obs);
}

TEST_F(RequestRegisterTest, TheVacancyLookUp)
{
    open();
    w<QTabWidget>("PageControl1")->setCurrentWidget(w<QWidget>("tbvagas"));
    const int all = scalar(QStringLiteral("select count(*) from VAGAS")).toInt();
    EXPECT_EQ(dm->cdsvagas->recordCount(), all);
    pick(w<QComboBox>("edt_nome_escola"), QStringLiteral("E.M. PAULO FREIRE"));
    clickButton(screen.get(), "filtrar1");
    EXPECT_EQ(dm->cdsvagas->filter(),
              QStringLiteral("escola = 'E.M. PAULO FREIRE'and serie =''and turno =''"));
    EXPECT_EQ(dm->cdsvagas->recordCount(), 0);
    pick(w<QComboBox>("edt_nome_serie"), QStringLiteral("EJA"));
    pick(w<QComboBox>("edt_nome_turno"), QStringLiteral("NOTURNO"));
    clickButton(screen.get(), "filtrar1");
    EXPECT_EQ(dm->cdsvagas->filter(),
              QStringLiteral("escola = 'E.M. PAULO FREIRE'and serie ='EJA'and turno ='NOTURNO'"));
    EXPECT_EQ(dm->cdsvagas->recordCount(),
              scalar(QStringLiteral("select count(*) from VAGAS where ESCOLA = 'E.M. PAULO "
                                    "FREIRE' and SERIE = 'EJA' and TURNO = 'NOTURNO'"))
                  .toInt());
    typeInto(w("edt_busca_vagas"), QStringLiteral("cmei"));
    EXPECT_EQ(dm->cdsvagas->filter(), QStringLiteral("escola like 'CMEI%'"));
    EXPECT_EQ(dm->cdsvagas->recordCount(),
              scalar(QStringLiteral("select count(*) from VAGAS where ESCOLA like 'CMEI%'")).toInt());
    // shown again, the tab starts over
    w<QTabWidget>("PageControl1")->setCurrentIndex(0);
    w<QTabWidget>("PageControl1")->setCurrentWidget(w<QWidget>("tbvagas"));
    EXPECT_FALSE(dm->cdsvagas->filtered());
    EXPECT_EQ(w<QComboBox>("edt_nome_escola")->currentIndex(), -1);
    EXPECT_TRUE(w("edt_busca_vagas")->text().isEmpty());
}

TEST_F(RequestRegisterTest, DeleteIsForLevelThreeAfterAutorizado)
{
    const struct
    {
        const char* login;
        const char* password;
        QStringList boxes;
    } cases[] = {
        {"VIDA", "VIDA123", {QStringLiteral("Voce Nao tem Permissão\rChame o Administrador ")}},
        {"ESCOLA", "ESCOLA123", {QStringLiteral("Voce Nao tem Permissão\rChame o Administrador ")}},
        {"RH", "RH123", {QStringLiteral("Voce Nao tem Permissão\rChame o Administrador ")}},
        {"SUPORTE",
         "SUPORTE123",
         {QStringLiteral("Autorizado"), QStringLiteral("Deseja Excluir o cadastro?")}},
    };
    const int before = count(QStringLiteral("1=1"));
    for (const auto& c : cases) {
        signInAs(QLatin1String(c.login), QLatin1String(c.password));
        open();
        dialogs->clear();
        if (c.boxes.size() > 1) {
            dialogs->answer(dlg::Button::Ok); // "Autorizado"
            dialogs->answer(dlg::Button::No);
        }
        clickTool(screen.get(), "bntexcluir");
        EXPECT_EQ(dialogs->texts(), c.boxes) << c.login;
        if (c.boxes.size() == 1) {
            EXPECT_EQ(dialogs->shown().front().title, QStringLiteral("Sem Permissão"));
        }
        EXPECT_EQ(count(QStringLiteral("1=1")), before) << c.login;
        clickTool(screen.get(), "bntsair");
    }
    // level 3, answered Yes: gone from the grid and the database
    dialogs->answer(dlg::Button::Ok);
    dialogs->answer(dlg::Button::Yes);
    open();
    const int key = dm->cdsaluno->fieldByName(QStringLiteral("CODIGO")).asInteger();
    clickTool(screen.get(), "bntexcluir");
    EXPECT_EQ(count(QStringLiteral("CODIGO = %1").arg(key)), 0);
}

TEST_F(RequestRegisterTest, AFailedSaveIsNotReportedAsSaved)
{
    open();
    clickTool(screen.get(), "bntnovo");
    typeInto(w<dbw::DBEdit>("dbnome"), QStringLiteral("CHAVE REPETIDA"));
    dm->cdsaluno->fieldByName(QStringLiteral("CODIGO")).setAsInteger(1); // taken
    clickTool(screen.get(), "bntgravar");
    EXPECT_FALSE(dialogs->texts().contains(QStringLiteral("Registro salvo com sucesso!")));
    EXPECT_TRUE(dialogs->texts().last().startsWith(QStringLiteral("Registro NAO foi salvo")));
    EXPECT_TRUE(dm->cdsaluno->isEditing());
    EXPECT_TRUE(w<QToolButton>("bntgravar")->isEnabled());
    EXPECT_EQ(count(QStringLiteral("NOME_ALUNO = 'CHAVE REPETIDA'")), 0);
}

TEST_F(RequestRegisterTest, EveryDocumentCommandPreviewsItsDocument)
{
    open();
    const struct
    {
        const char* action;
        const char* document;
    } cases[] = {
        {"ImprimirEncaminhamento1", "Frm_Rel_Declaracao_nao_ha_vagas"},
        {"ImprimirListadeEspera1", "Frm_Procura_Vaga"},
        {"ImprimirEncaminhamento2", "Frm_escaminhamento_vaga_Preenchido"},
        {"EncaminhamentoCompleto1", "Frm_encaminhamento_vaga"},
        {"DeclaraosemVaga1", "Frm_Rel_Declaracao_nao_ha_vagas"},
        {"EncaminhamentoCompleto2", "Frm_encaminhamento_vaga"},
    };
    for (const auto& c : cases) {
        previewed.clear();
        auto* action = screen->findChild<QAction*>(QLatin1String(c.action));
        ASSERT_NE(action, nullptr) << c.action;
        action->trigger();
        EXPECT_EQ(previewed, QStringList{QLatin1String(c.document)}) << c.action;
    }
    EXPECT_EQ(w<QMenu>("PopupMenu1")->actions().size(), 2);
}

TEST_F(RequestRegisterTest, WhatsappOpensTheWindowItIsGiven)
{
    open();
    QWidget* owner = nullptr;
    screen->setWhatsappOpener([&](QWidget* o) { owner = o; });
    clickTool(screen.get(), "Button1");
    EXPECT_EQ(owner, screen.get());
}

} // namespace
