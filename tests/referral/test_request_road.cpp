// The road of one request: registered, looked up against the vacancies, saved, printed and
// found again through the request search.
#include "data/U_datamodulo.h"
#include "platform/widgets/DBComboBox.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"
#include "platform/widgets/DBText.h"
#include "referral/ReferralDocument.h"
#include "referral/U_Cad_Alunos.h"
#include "referral/U_pesquisa.h"
#include "tests/referral/ReferralFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

const QString kChild = QStringLiteral("ANA CLARA DE TESTE");

class RequestRoadTest : public ReferralTest
{
};

TEST_F(RequestRoadTest, ARequestIsRegisteredSavedPrintedAndFoundAgain)
{
    const int requests = scalar(QStringLiteral("select count(*) from ENCAMINHAMENTO")).toInt();
    TFrm_Cad_Aluno screen;
    screen.setClock(&ReferralTest::now);
    QStringList previewed;
    screen.setPreview([&](const referral::ReferralDocument& document, QWidget*) {
        previewed << document.objectName() + u':' +
                         dm->cdsaluno->fieldByName(QStringLiteral("NOME_ALUNO")).asString();
    });
    showScreen(&screen);
    EXPECT_EQ(child<QLabel>(&screen, "lbl_total_aluno")->text(), QString::number(requests));
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(&screen, "Editbusca"));

    // "Novo": a fresh key, today's date and the signed-in login.
    clickTool(&screen, "bntnovo");
    auto* dbnome = child<dbw::DBEdit>(&screen, "dbnome");
    EXPECT_EQ(QApplication::focusWidget(), dbnome);
    EXPECT_EQ(child<dbw::DBEdit>(&screen, "dbdataatendimento")->text(), QStringLiteral("11/12/2026"));
    EXPECT_EQ(child<dbw::DBEdit>(&screen, "dbusuario")->text(), QStringLiteral("VIDA"));
    const int key = dm->cdsaluno->fieldByName(QStringLiteral("CODIGO")).asInteger();
    EXPECT_GT(key, requests);
    EXPECT_EQ(child<dbw::DBText>(&screen, "dbcodigo")->text(), QString::number(key));

    typeInto(dbnome, kChild);
    auto* nasc = child<dbw::DBEdit>(&screen, "dbdatanasc");
    typeInto(nasc, QStringLiteral("10032021"));
    auto* mae = child<dbw::DBEdit>(&screen, "dbmae");
    typeInto(mae, QStringLiteral("MARIA DE TESTE"));
    EXPECT_EQ(child<QLabel>(&screen, "lb_idade")->text(), QStringLiteral("5 Anos "));

    // An invalid CPF is reported and the focus goes back; a valid one passes.
    auto* cpf = child<dbw::DBEdit>(&screen, "dbcpf");
    typeInto(cpf, QStringLiteral("12345678908"));
    typeInto(child<dbw::DBEdit>(&screen, "dbnis"), QString());
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("CPF INVÁLIDO")});
    EXPECT_EQ(QApplication::focusWidget(), cpf);
    cpf->selectAll();
    typeInto(cpf, QStringLiteral("12345678909"));
    typeInto(child<dbw::DBEdit>(&screen, "dbnis"), QString());
    EXPECT_EQ(dialogs->texts().size(), 1);

    pick(child<dbw::DBComboBox>(&screen, "dbstatus"), QStringLiteral("AGUARDANDO"));
    pick(child<dbw::DBComboBox>(&screen, "db_look_escola"), QStringLiteral("E.M. PAULO FREIRE"));
    pick(child<dbw::DBComboBox>(&screen, "db_look_serie"), QStringLiteral("1° PERIODO"));
    pick(child<dbw::DBComboBox>(&screen, "db_look_turno"), QStringLiteral("MATUTINO"));

    // The vacancies of a school, grade and shift on "VAGAS".
    const QVariant school =
        scalar(QStringLiteral("select first 1 ESCOLA from VAGAS where ESCOLA <> 'E.E. TIRADENTES' "
                              "order by VAGA_CODIGO"));
    const QVariant grade =
        scalar(QStringLiteral("select first 1 SERIE from VAGAS where ESCOLA = '%1' order by VAGA_CODIGO")
                   .arg(school.toString()));
    const QVariant shift =
        scalar(QStringLiteral("select first 1 TURNO from VAGAS where ESCOLA = '%1' and SERIE = '%2' "
                              "order by VAGA_CODIGO")
                   .arg(school.toString(), grade.toString()));
    auto* pages = child<QTabWidget>(&screen, "PageControl1");
    pages->setCurrentWidget(child<QWidget>(&screen, "tbvagas"));
    EXPECT_EQ(dm->cdsvagas->recordCount(), scalar(QStringLiteral("select count(*) from VAGAS")).toInt());
    pick(child<QComboBox>(&screen, "edt_nome_escola"), school.toString());
    pick(child<QComboBox>(&screen, "edt_nome_serie"), grade.toString());
    pick(child<QComboBox>(&screen, "edt_nome_turno"), shift.toString());
    clickButton(&screen, "filtrar1");
    const int offers =
        scalar(
            QStringLiteral("select count(*) from VAGAS where ESCOLA = '%1' and SERIE = '%2' and TURNO = '%3'")
                .arg(school.toString(), grade.toString(), shift.toString()))
            .toInt();
    EXPECT_GE(offers, 1);
    EXPECT_EQ(dm->cdsvagas->recordCount(), offers);
    pages->setCurrentIndex(0);

    // "Gravar": one INSERT, read back from the database.
    clickTool(&screen, "bntgravar");
    EXPECT_EQ(dialogs->texts().last(), QStringLiteral("Registro salvo com sucesso!"));
    EXPECT_TRUE(child<QToolButton>(&screen, "bntnovo")->isEnabled());
    const QString row = QStringLiteral("from ENCAMINHAMENTO where CODIGO = %1").arg(key);
    EXPECT_EQ(scalar(QStringLiteral("select NOME_ALUNO ") + row).toString(), kChild);
    EXPECT_EQ(scalar(QStringLiteral("select USUARIO ") + row).toString(), QStringLiteral("VIDA"));
    EXPECT_EQ(scalar(QStringLiteral("select DATA_ATENDIMENTO ") + row).toDate(), now().date());
    EXPECT_EQ(scalar(QStringLiteral("select DATA_NASC ") + row).toDate(), QDate(2021, 3, 10));
    EXPECT_EQ(scalar(QStringLiteral("select CPF ") + row).toString(), QStringLiteral("123.456.789-09"));
    EXPECT_EQ(
        scalar(QStringLiteral(
                   "select NOME_ESCOLAS || '/' || NOMES_SERIES || '/' || NOMES_TURNOS || '/' || STATUS ") +
               row)
            .toString(),
        QStringLiteral("E.M. PAULO FREIRE/1° PERIODO/MATUTINO/AGUARDANDO"));
    EXPECT_TRUE(scalar(QStringLiteral("select ID_ESCOLA ") + row).isNull());

    // The full referral prints the saved request.
    screen.findChild<QAction*>(QStringLiteral("EncaminhamentoCompleto1"))->trigger();
    EXPECT_EQ(previewed, QStringList{QStringLiteral("Frm_encaminhamento_vaga:") + kChild});

    // Found again: by period, by school, grade, shift and status, and by name; a double click
    // picks it for the register.
    const int inDecember = scalar(QStringLiteral("select count(*) from ENCAMINHAMENTO where DATA_ATENDIMENTO "
                                                 "between '2026-12-01' and '2026-12-11'"))
                               .toInt();
    bool searched = false;
    onNextModal([&](QWidget* window) {
        auto* search = qobject_cast<TFrm_Filtro*>(window);
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(child<QDateEdit>(search, "DateTimePicker1")->date(), QDate(2026, 12, 1));
        EXPECT_EQ(child<QDateEdit>(search, "DateTimePicker2")->date(), QDate(2026, 12, 11));
        auto found = [key] { return dm->cdsaluno->locate(QStringLiteral("CODIGO"), key, false, false); };

        clickButton(search, "BitBtn6");
        EXPECT_EQ(dm->cdsaluno->filter(),
                  QStringLiteral("data_atendimento>='01/12/2026' and data_atendimento<='11/12/2026'"));
        EXPECT_EQ(dm->cdsaluno->recordCount(), inDecember);
        EXPECT_EQ(child<QLabel>(search, "lbl_total_aluno")->text(), QString::number(inDecember));
        EXPECT_TRUE(found());

        pick(child<QComboBox>(search, "db_escola_5"), QStringLiteral("E.M. PAULO FREIRE"));
        pick(child<QComboBox>(search, "db_serie_5"), QStringLiteral("1° PERIODO"));
        pick(child<QComboBox>(search, "db_turno_5"), QStringLiteral("MATUTINO"));
        pick(child<QComboBox>(search, "db_status_5"), QStringLiteral("AGUARDANDO"));
        clickButton(search, "Button3");
        EXPECT_TRUE(found());

        auto* name = child<QLineEdit>(search, "edtpesquisa");
        mousePress(name);
        EXPECT_EQ(child<QComboBox>(search, "db_escola_5")->currentIndex(), -1);
        typeInto(name, QStringLiteral("ANA CLARA D"));
        EXPECT_EQ(dm->cdsaluno->filter(), QStringLiteral("NOME_ALUNO like 'ANA CLARA D%'"));
        EXPECT_EQ(dm->cdsaluno->recordCount(), 1);
        auto* grid = child<dbw::DBGrid>(search, "dbgrid");
        const QRect cell = grid->visualRect(grid->model()->index(0, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QApplication::processEvents();
        EXPECT_FALSE(search->isVisible());
        searched = true;
    });
    clickTool(&screen, "bntpesquisar");
    EXPECT_TRUE(searched);
    EXPECT_EQ(dm->cdsaluno->fieldByName(QStringLiteral("CODIGO")).asInteger(), key);
    EXPECT_EQ(dm->cdsaluno->filter(), QStringLiteral("NOME_ALUNO like 'ANA CLARA D%'"));
    EXPECT_TRUE(dm->cdsaluno->filtered());
    EXPECT_EQ(dbnome->text(), kChild);

    // The declaration prints the request picked there.
    screen.findChild<QAction*>(QStringLiteral("DeclaraosemVaga1"))->trigger();
    EXPECT_EQ(previewed.last(), QStringLiteral("Frm_Rel_Declaracao_nao_ha_vagas:") + kChild);
}

} // namespace
