#include "referral/U_pesquisa.h"

#include "common/PickLists.h"
#include "data/U_datamodulo.h"
#include "platform/dialogs/ErrorReport.h"
#include "platform/system/Locale.h"
#include "platform/widgets/CharCase.h"
#include "platform/widgets/DBGrid.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/PickList.h"
#include "referral/TotalPanel.h"
#include "referral/U_Cad_Alunos_SearchBoxes.h"
#include "referral/U_vagas_Lists.h"
#include "registers/FilterText.h"
#include "shell/EnterMovesFocus.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QPushButton* pushButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& hint = {})
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

// Each pick-list under its label, in one row.
void addLabelled(QGridLayout* grid, int column, const QString& label, QWidget* widget)
{
    grid->addWidget(new QLabel(label, widget->parentWidget()), 0, column);
    grid->addWidget(widget, 1, column);
}

} // namespace

TFrm_Filtro::TFrm_Filtro(QWidget* parent)
    : QDialog(parent), m_ds_busca(new dbw::DataSource(dm->cdsaluno, this))
{
    setObjectName(QStringLiteral("Frm_Filtro"));
    setWindowTitle(QStringLiteral("Pesquisa"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(766, 573);
    m_ds_busca->setObjectName(QStringLiteral("ds_busca"));

    auto* root = new QVBoxLayout(this);

    auto* four = new QGroupBox(QStringLiteral("ESCOLA E SERIE E TURNO E STATUS"), this);
    four->setObjectName(QStringLiteral("GroupBox1"));
    four->setAutoFillBackground(true);
    QPalette yellow = four->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 160));
    four->setPalette(yellow);
    auto* fourGrid = new QGridLayout(four);
    m_db_escola_5 = dbw::fixedPickList(four, QStringLiteral("db_escola_5"), vagas_lists::schoolsWithOthers());
    m_db_serie_5 = dbw::fixedPickList(four, QStringLiteral("db_serie_5"), picklists::gradeList());
    m_db_turno_5 = dbw::fixedPickList(four, QStringLiteral("db_turno_5"), picklists::shiftList());
    m_db_status_5 = dbw::fixedPickList(four, QStringLiteral("db_status_5"), picklists::statusList());
    addLabelled(fourGrid, 0, QStringLiteral("Escola"), m_db_escola_5);
    addLabelled(fourGrid, 1, QStringLiteral("Serie"), m_db_serie_5);
    addLabelled(fourGrid, 2, QStringLiteral("Turno"), m_db_turno_5);
    addLabelled(fourGrid, 3, QStringLiteral("Status"), m_db_status_5);
    auto* button3 = pushButton(four, QStringLiteral("Button3"), QStringLiteral("Filtrar"));
    fourGrid->addWidget(button3, 1, 4);
    fourGrid->setColumnStretch(0, 3);
    fourGrid->setColumnStretch(1, 3);
    fourGrid->setColumnStretch(2, 2);
    fourGrid->setColumnStretch(3, 2);
    root->addWidget(four);

    auto* middle = new QHBoxLayout;
    auto* two = new QGroupBox(QStringLiteral("Escola e Status"), this);
    two->setObjectName(QStringLiteral("GroupBox2"));
    auto* twoGrid = new QGridLayout(two);
    m_db_escola_3 = dbw::fixedPickList(two, QStringLiteral("db_escola_3"), vagas_lists::schoolsWithOthers());
    m_db_status_3 = dbw::fixedPickList(two, QStringLiteral("db_status_3"), picklists::statusList());
    addLabelled(twoGrid, 0, QStringLiteral("Escola"), m_db_escola_3);
    addLabelled(twoGrid, 1, QStringLiteral("Status"), m_db_status_3);
    auto* escStatus = pushButton(two, QStringLiteral("btn_filtra_esc_status"), QStringLiteral("Filtrar"));
    twoGrid->addWidget(escStatus, 1, 2);
    twoGrid->setColumnStretch(0, 3);
    twoGrid->setColumnStretch(1, 2);
    middle->addWidget(two, 3);

    auto* period = new QFrame(this);
    period->setObjectName(QStringLiteral("Panel1"));
    period->setFrameShape(QFrame::StyledPanel);
    auto* periodLayout = new QGridLayout(period);
    m_DateTimePicker1 = new QDateEdit(period);
    m_DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    m_DateTimePicker2 = new QDateEdit(period);
    m_DateTimePicker2->setObjectName(QStringLiteral("DateTimePicker2"));
    for (QDateEdit* picker : {m_DateTimePicker1, m_DateTimePicker2}) {
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    }
    auto* consultar = pushButton(period, QStringLiteral("BitBtn6"), QStringLiteral("Consultar"));
    periodLayout->addWidget(m_DateTimePicker1, 0, 0);
    periodLayout->addWidget(m_DateTimePicker2, 0, 1);
    periodLayout->addWidget(consultar, 1, 0, 1, 2);
    middle->addWidget(period, 2);

    QFrame* total = totalPanel(this, &m_lbl_total_aluno);
    middle->addWidget(total, 1);
    root->addLayout(middle);

    auto* names = new QGridLayout;
    m_edtpesquisa = new QLineEdit(this);
    m_edtpesquisa->setObjectName(QStringLiteral("edtpesquisa"));
    m_edtbuscamae = new QLineEdit(this);
    m_edtbuscamae->setObjectName(QStringLiteral("edtbuscamae"));
    for (QLineEdit* box : {m_edtpesquisa, m_edtbuscamae})
        dbw::forceCharCase(box, dbw::CharCase::Upper);
    names->addWidget(new QLabel(QStringLiteral("Nome do Aluno"), this), 0, 0);
    names->addWidget(new QLabel(QStringLiteral("Nome da Mae"), this), 0, 1);
    names->addWidget(m_edtpesquisa, 1, 0);
    names->addWidget(m_edtbuscamae, 1, 1);
    auto* limpar = pushButton(this, QStringLiteral("btn_filtro"), QStringLiteral("Limpar Filtro"),
                              QStringLiteral("Limpar Filtro"));
    auto* sair = pushButton(this, QStringLiteral("btn_sair"), QStringLiteral("Sair"), QStringLiteral("Sair"));
    names->addWidget(limpar, 1, 2);
    names->addWidget(sair, 1, 3);
    names->setColumnStretch(0, 1);
    names->setColumnStretch(1, 1);
    root->addLayout(names);

    m_dbgrid = new dbw::DBGrid(this);
    m_dbgrid->setObjectName(QStringLiteral("dbgrid"));
    m_dbgrid->setDataSource(m_ds_busca);
    m_dbgrid->setColumns({{QStringLiteral("NOME_ALUNO"), {}},
                          {QStringLiteral("CONTATO_1"), {}},
                          {QStringLiteral("CONTATO_2"), {}},
                          {QStringLiteral("RESPONSAVEL_1"), {}}});
    root->addWidget(m_dbgrid, 1);

    auto on = [this](QPushButton* b, void (TFrm_Filtro::*handler)()) {
        connect(b, &QPushButton::clicked, this,
                [this, handler] { dlg::guarded(this, [&] { (this->*handler)(); }); });
    };
    on(button3, &TFrm_Filtro::Button3Click);
    on(escStatus, &TFrm_Filtro::btn_filtra_esc_statusClick);
    on(consultar, &TFrm_Filtro::BitBtn6Click);
    on(limpar, &TFrm_Filtro::btn_filtroClick);
    on(sair, &TFrm_Filtro::btn_sairClick);
    connect(m_edtpesquisa, &QLineEdit::textChanged, this, [this] {
        dlg::guarded(this, [this] { nameSearch(m_edtpesquisa, QStringLiteral("NOME_ALUNO like ")); });
    });
    connect(m_edtbuscamae, &QLineEdit::textChanged, this, [this] {
        dlg::guarded(this, [this] { nameSearch(m_edtbuscamae, QStringLiteral("RESPONSAVEL_1 like ")); });
    });
    for (QLineEdit* box : {m_edtpesquisa, m_edtbuscamae})
        search_boxes::onClick(box, [this] { dlg::guarded(this, [this] { btn_filtroClick(); }); });
    connect(m_dbgrid, &QAbstractItemView::doubleClicked, this, [this] { btn_sairClick(); });
    installEnterMovesFocus(this);
}

void TFrm_Filtro::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        dlg::guarded(this, [this] { FormShow(); });
}

void TFrm_Filtro::closeEvent(QCloseEvent* event)
{
    // The system's close command is ignored: "Sair" or a double click leaves.
    if (!m_leaving)
        event->ignore();
}

void TFrm_Filtro::FormShow()
{
    const QDate today = m_now().date();
    m_DateTimePicker1->setDate(QDate(today.year(), today.month(), 1));
    m_DateTimePicker2->setDate(today);
    writeTotal();
    btn_filtroClick();
}

void TFrm_Filtro::writeTotal()
{
    m_lbl_total_aluno->setText(QString::number(dm->cdsaluno->recordCount()));
}

void TFrm_Filtro::btn_filtroClick()
{
    for (QComboBox* combo :
         {m_db_escola_5, m_db_serie_5, m_db_status_5, m_db_turno_5, m_db_escola_3, m_db_status_3})
        combo->setCurrentIndex(-1);
    ds::ClientDataSet* cds = dm->cdsaluno;
    cds->close();
    cds->setFiltered(false);
    cds->open();
    // emptied by program, the name boxes filter nothing: every request stays listed
    search_boxes::clearQuietly(m_edtpesquisa);
    search_boxes::clearQuietly(m_edtbuscamae);
    writeTotal();
}

void TFrm_Filtro::BitBtn6Click()
{
    ds::ClientDataSet* cds = dm->cdsaluno;
    if (!cds->isActive())
        cds->open();
    cds->setFilter(QStringLiteral("data_atendimento>=") +
                   QuotedStr(sys::shortDate(m_DateTimePicker1->date())) + QStringLiteral(" and ") +
                   QStringLiteral("data_atendimento<=") +
                   QuotedStr(sys::shortDate(m_DateTimePicker2->date())));
    cds->setFiltered(true);
    writeTotal();
}

void TFrm_Filtro::Button3Click()
{
    ds::ClientDataSet* cds = dm->cdsaluno;
    cds->setFiltered(false);
    cds->setFilter(QStringLiteral("nome_escolas = ") + QuotedStr(m_db_escola_5->currentText()) +
                   QStringLiteral("and nomes_series =") + QuotedStr(m_db_serie_5->currentText()) +
                   QStringLiteral("and nomes_turnos =") + QuotedStr(m_db_turno_5->currentText()) +
                   QStringLiteral("and status =") + QuotedStr(m_db_status_5->currentText()));
    cds->setFiltered(true);
    writeTotal();
}

void TFrm_Filtro::btn_filtra_esc_statusClick()
{
    ds::ClientDataSet* cds = dm->cdsaluno;
    cds->setFiltered(false);
    cds->setFilter(QStringLiteral("nome_escolas = ") + QuotedStr(m_db_escola_3->currentText()) +
                   QStringLiteral("and status =") + QuotedStr(m_db_status_3->currentText()));
    cds->setFiltered(true);
    writeTotal();
}

void TFrm_Filtro::nameSearch(QLineEdit* box, const QString& prefix)
{
    ds::ClientDataSet* cds = dm->cdsaluno;
    cds->setFiltered(false);
    cds->setFilter(prefixSearchFilter(prefix, box->text()));
    cds->setFiltered(true);
}

void TFrm_Filtro::btn_sairClick()
{
    m_leaving = true;
    done(QDialog::Accepted);
    m_leaving = false;
}
