#include "referral/U_vagas.h"

#include "common/Deployment.h"
#include "common/PickLists.h"
#include "data/U_datamodulo.h"
#include "platform/dialogs/ErrorReport.h"
#include "platform/widgets/DBComboBox.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"
#include "platform/widgets/DBText.h"
#include "platform/widgets/PickList.h"
#include "referral/U_vagas_Lists.h"
#include "registers/FilterText.h"
#include "shell/AccessCheck.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

RecordScreen::Params vagasParams()
{
    RecordScreen::Params p;
    p.formName = QStringLiteral("Frm_Cad_Vagas");
    p.caption = QStringLiteral("CADASTRO DE VAGAS");
    p.heading = QStringLiteral("Cadastro de VAGAS");
    p.chains = {{dm->sqlvagas, dm->cdsvagas}};
    p.dataSourceName = QStringLiteral("dsvagas");
    p.keyField = QStringLiteral("vaga_codigo");
    p.keyLabel = QString(); // the key has an edit box of its own
    p.generatorName = QStringLiteral("SP_GEN_VAGAS");
    p.generatorProcedure = QStringLiteral("SP_GEN_VAGAS_ID");
    p.gridColumns = {{QStringLiteral("ESCOLA"), {}},
                     {QStringLiteral("QTD_VAGAS"), QStringLiteral("QTD V"), Qt::AlignCenter},
                     {QStringLiteral("SERIE"), {}},
                     {QStringLiteral("TURNO"), {}},
                     {QStringLiteral("Q_MAT_1"), QStringLiteral("QTD GERAL"), Qt::AlignCenter}};
    p.resetSearchOnShow = false;
    p.searchStrip = false;
    p.hiddenButtons = {QStringLiteral("bntpesquisar")};
    p.size = QSize(1107, 516);
    return p;
}

struct ShiftColours
{
    const char* turno;
    QColor text;
};

// Every shift shares the grey-green background; the text colour tells them apart.
const QColor kShiftBackground(146, 182, 177);
const ShiftColours kShiftColours[] = {
    {"MATUTINO", QColor(255, 0, 0)},
    {"VESPERTINO", QColor(0, 0, 128)},
    {"NOTURNO", QColor(0, 128, 0)},
    {"INTEGRAL", QColor(255, 255, 0)},
};

QComboBox* pickList(QWidget* parent, const QString& name, const QStringList& items, const QString& hint = {})
{
    QComboBox* combo = dbw::fixedPickList(parent, name, items);
    combo->setToolTip(hint);
    return combo;
}

dbw::DBComboBox* boundPickList(QWidget* parent, const QString& name, dbw::DataSource* source,
                               const QString& field, const QStringList& items, const QString& hint)
{
    auto* combo = new dbw::DBComboBox(parent);
    combo->setObjectName(name);
    combo->setItems(items);
    combo->setDataSource(source, field);
    combo->setToolTip(hint);
    return combo;
}

QPushButton* filterButton(QWidget* parent, const QString& name)
{
    auto* b = new QPushButton(QStringLiteral("Filtrar"), parent);
    b->setObjectName(name);
    b->setToolTip(QStringLiteral("Clique aqui para Filtrar"));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TFrm_Cad_Vagas::TFrm_Cad_Vagas(QWidget* parent) : RecordScreen(vagasParams(), parent)
{
    auto* filtro =
        addToolButton(QStringLiteral("bntfiltro"), QStringLiteral("Filtro"), QStringLiteral("filtro"), 6);
    connect(filtro, &QToolButton::clicked, this,
            [this] { dlg::guarded(this, [this] { bntfiltroClick(); }); });
    button(QStringLiteral("bntcancelar"))->setToolTip({});
    button(QStringLiteral("bntsair"))->setToolTip({});

    // The editors' tab and the search tab at the left, the grid at the right.
    bodyLayout()->removeWidget(editorArea());
    bodyLayout()->removeWidget(DBGrid1());
    dbcodigo()->hide();
    dbcodigo()->setObjectName(QString());
    m_pg = new QTabWidget(this);
    m_pg->setObjectName(QStringLiteral("pg"));
    auto* cadastro = new QWidget(m_pg);
    cadastro->setObjectName(QStringLiteral("cadastro"));
    buildEditors(cadastro);
    m_pg->addTab(cadastro, QStringLiteral("Cadastro"));
    auto* outros = new QWidget(m_pg);
    outros->setObjectName(QStringLiteral("outros"));
    buildSearchTab(outros);
    m_pg->addTab(outros, QStringLiteral("Outros"));
    m_pg->setMinimumWidth(400);
    auto* columns = new QHBoxLayout;
    columns->addWidget(m_pg, 0);
    DBGrid1()->setObjectName(QStringLiteral("dbgrid_vagas"));
    QFont bold = DBGrid1()->font();
    bold.setBold(true);
    DBGrid1()->setFont(bold);
    for (const auto& [column, width] : {std::pair{0, 200}, {1, 50}, {2, 150}, {3, 90}, {4, 80}})
        DBGrid1()->setColumnWidth(column, width);
    const int turno = dm->cdsvagas->fieldIndex(QStringLiteral("TURNO"));
    DBGrid1()->setCellPainter([turno](const dbw::CellInfo& cell, dbw::CellStyle& style) {
        const QString shift = dm->cdsvagas->value(cell.row, turno).toString();
        for (const ShiftColours& c : kShiftColours) {
            if (shift == QLatin1String(c.turno)) {
                style.background = kShiftBackground;
                style.foreground = c.text;
                style.bold = true;
                return;
            }
        }
    });
    columns->addWidget(DBGrid1(), 1);
    bodyLayout()->insertLayout(0, columns, 1);
    buildBottomStrip();

    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* editar = popup->addAction(QStringLiteral("Editar"));
    editar->setObjectName(QStringLiteral("Editar1"));
    connect(editar, &QAction::triggered, this, [this] { dlg::guarded(this, [this] { bnteditarClick(); }); });
    DBGrid1()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DBGrid1(), &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& at) { popup->popup(DBGrid1()->viewport()->mapToGlobal(at)); });
}

void TFrm_Cad_Vagas::buildEditors(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(editorArea());
    layout->addStretch(1);
    auto* escola =
        boundPickList(editorArea(), QStringLiteral("db_nomeescola"), dataSource(), QStringLiteral("ESCOLA"),
                      vagas_lists::schoolsWithOthers(), QStringLiteral("Selecione a Escola"));
    QPalette grey = escola->palette();
    grey.setColor(QPalette::Button, QColor(192, 192, 192));
    grey.setColor(QPalette::Base, QColor(192, 192, 192));
    escola->setPalette(grey);
    addEditor(escola, QStringLiteral("ESCOLA"), 0, 0, 2);
    auto* serie =
        boundPickList(editorArea(), QStringLiteral("db_nomes_serie"), dataSource(), QStringLiteral("SERIE"),
                      picklists::gradeList(), QStringLiteral("Selecione a Serie"));
    addEditor(serie, QStringLiteral("SERIE"), 1, 0, 2);
    auto* turno =
        boundPickList(editorArea(), QStringLiteral("db_look_nome_turnos"), dataSource(),
                      QStringLiteral("TURNO"), picklists::shiftList(), QStringLiteral("Selecione o turno"));
    addEditor(turno, QStringLiteral("TURNO"), 2, 0);
    auto* codigo = addEdit(QStringLiteral("dbcodigo"), QStringLiteral("VAGA_CODIGO"),
                           QStringLiteral("CODIGO"), dbw::CharCase::Normal, 3, 0);
    auto* usuario = addEdit(QStringLiteral("dbusuario"), QStringLiteral("USUARIO"),
                            QStringLiteral("USUARIO ATUAL"), dbw::CharCase::Upper, 3, 1);

    auto* green = new QFrame(editorArea());
    green->setObjectName(QStringLiteral("Panel3"));
    green->setAutoFillBackground(true);
    QPalette greenPalette = green->palette();
    greenPalette.setColor(QPalette::Window, QColor(0, 128, 64));
    greenPalette.setColor(QPalette::WindowText, Qt::white);
    green->setPalette(greenPalette);
    auto* greenLayout = new QGridLayout(green);
    auto* dbqtd = new dbw::DBEdit(green);
    dbqtd->setObjectName(QStringLiteral("dbqtd"));
    dbqtd->setDataSource(dataSource(), QStringLiteral("Q_MAT_1"));
    dbqtd->setToolTip(QStringLiteral("Quantidade total"));
    auto* dbvagas = new dbw::DBEdit(green);
    dbvagas->setObjectName(QStringLiteral("db_vagas"));
    dbvagas->setDataSource(dataSource(), QStringLiteral("QTD_VAGAS"));
    dbvagas->setToolTip(QStringLiteral("Quantidade de vagas disponivel"));
    greenLayout->addWidget(new QLabel(QStringLiteral("QUANTITATIVO"), green), 0, 0);
    greenLayout->addWidget(new QLabel(QStringLiteral("VAGAS"), green), 0, 1);
    greenLayout->addWidget(dbqtd, 1, 0);
    greenLayout->addWidget(dbvagas, 1, 1);
    editorGrid()->addWidget(green, 8, 0, 1, 2);

    auto* mais = new QPushButton(QStringLiteral("Busca Avancada"), editorArea());
    mais->setObjectName(QStringLiteral("btmaisdados"));
    mais->setToolTip(QStringLiteral("Mais dados "));
    mais->setAutoDefault(false);
    editorGrid()->addWidget(mais, 9, 0, 1, 2);
    auto* data = addEdit(QStringLiteral("dbdataedit"), QStringLiteral("DATA"), QStringLiteral("DATA"),
                         dbw::CharCase::Normal, 5, 0);
    auto* hora = addEdit(QStringLiteral("dbhoraedit"), QStringLiteral("HORA"), QStringLiteral("HORA"),
                         dbw::CharCase::Normal, 5, 1);
    for (QWidget* stamped :
         {static_cast<QWidget*>(usuario), static_cast<QWidget*>(data), static_cast<QWidget*>(hora)})
        stamped->setEnabled(false);
    connect(mais, &QPushButton::clicked, this, [this] { btmaisdadosClick(); });

    setNameEditor(escola);
    setRowEditors({escola, serie, turno, codigo, dbqtd, dbvagas});
    setBrowseOnlyControls({button(QStringLiteral("bntfiltro")), mais});
}

void TFrm_Cad_Vagas::buildSearchTab(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    const QStringList schools = deployment::fullSchoolList();
    auto box = [&](const QString& caption, const QList<QWidget*>& lists, QPushButton* filtrar) {
        auto* group = new QGroupBox(caption, page);
        auto* grid = new QGridLayout(group);
        int column = 0;
        for (QWidget* list : lists) {
            list->setParent(group);
            grid->addWidget(list, 0, column++);
        }
        filtrar->setParent(group);
        grid->addWidget(filtrar, lists.size() > 2 ? 1 : 0, lists.size() > 2 ? 2 : column);
        for (int c = 0; c < column; ++c)
            grid->setColumnStretch(c, 1);
        layout->addWidget(group);
        return filtrar;
    };
    m_edt_nome_escola =
        pickList(page, QStringLiteral("edt_nome_escola"), vagas_lists::vacancyLookupSchools());
    m_edt_nome_serie = pickList(page, QStringLiteral("edt_nome_serie"), picklists::gradeList());
    m_edt_nome_turno = pickList(page, QStringLiteral("edt_nome_turno"), picklists::shiftList());
    m_edt_serie = pickList(page, QStringLiteral("edt_serie"), picklists::gradeList());
    m_edt_pesq_nome_escola = pickList(page, QStringLiteral("edt_pesq_nome_escola"), schools);
    m_db_serie_4 = pickList(page, QStringLiteral("db_serie_4"), picklists::gradeList());
    m_edt_nome_escola_1 = pickList(page, QStringLiteral("edt_nome_escola_1"), schools);

    auto on = [this](QPushButton* b, void (TFrm_Cad_Vagas::*handler)()) {
        connect(b, &QPushButton::clicked, this,
                [this, handler] { dlg::guarded(this, [&] { (this->*handler)(); }); });
    };
    on(box(QStringLiteral("ESCOLA E SERIE E TURNO"), {m_edt_nome_escola, m_edt_nome_serie, m_edt_nome_turno},
           filterButton(page, QStringLiteral("filtrar1"))),
       &TFrm_Cad_Vagas::filtrar1Click);
    on(box(QStringLiteral("Serie"), {m_edt_serie}, filterButton(page, QStringLiteral("filtrar3"))),
       &TFrm_Cad_Vagas::filtrar3Click);
    on(box(QStringLiteral("Escola e Serie"), {m_edt_pesq_nome_escola, m_db_serie_4},
           filterButton(page, QStringLiteral("filtrar4"))),
       &TFrm_Cad_Vagas::filtrar4Click);
    on(box(QStringLiteral("Escola"), {m_edt_nome_escola_1}, filterButton(page, QStringLiteral("filtrar5"))),
       &TFrm_Cad_Vagas::filtrar5Click);
    auto* voltar = new QPushButton(QStringLiteral("Voltar"), page);
    voltar->setObjectName(QStringLiteral("btvoltar"));
    voltar->setAutoDefault(false);
    layout->addWidget(voltar, 0, Qt::AlignRight);
    layout->addStretch(1);
    connect(voltar, &QPushButton::clicked, this, [this] { btvoltarClick(); });
}

void TFrm_Cad_Vagas::buildBottomStrip()
{
    auto* strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("Panel2"));
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 4, 0, 0);
    auto* search = new QVBoxLayout;
    search->setSpacing(1);
    search->addWidget(new QLabel(QStringLiteral("Pesquisar por Escola"), strip));
    m_edt_nome_escola_2 = pickList(strip, QStringLiteral("edt_nome_escola_2"), deployment::fullSchoolList(),
                                   QStringLiteral("Escola"));
    m_edt_nome_escola_2->setMinimumWidth(300);
    search->addWidget(m_edt_nome_escola_2);
    layout->addLayout(search);
    auto* filtrar = filterButton(strip, QStringLiteral("Button1"));
    layout->addWidget(filtrar, 0, Qt::AlignBottom);
    layout->addStretch(1);
    QFont big = font();
    big.setBold(true);
    big.setPixelSize(16);
    auto totalPair = [&](const QString& caption, const QString& name) {
        auto* label = new QLabel(caption, strip);
        label->setFont(big);
        auto* value = new QLabel(strip);
        value->setObjectName(name);
        value->setFont(big);
        value->setMinimumWidth(60);
        layout->addWidget(label, 0, Qt::AlignBottom);
        layout->addWidget(value, 0, Qt::AlignBottom);
        return value;
    };
    m_lbl_total_vagas = totalPair(QStringLiteral("Total Vagas:"), QStringLiteral("lbl_total_vagas"));
    m_lblquantitativo = totalPair(QStringLiteral("Quantitativo:"), QStringLiteral("lblquantitativo"));
    bodyLayout()->addWidget(strip);
    connect(filtrar, &QPushButton::clicked, this, [this] { dlg::guarded(this, [this] { Button1Click(); }); });
}

// ---- show, totals, tabs ---------------------------------------------------------------

void TFrm_Cad_Vagas::FormShow()
{
    ativabtn();
    bntfiltroClick();
    showCadastro(true);
    soma();
}

void TFrm_Cad_Vagas::soma()
{
    // null with no row in view: the labels are emptied
    const QVariant vagas = dm->cdsvagas->aggregateValue(QStringLiteral("qtdv"));
    const QVariant quantitativo = dm->cdsvagas->aggregateValue(QStringLiteral("qtq"));
    m_lbl_total_vagas->setText(vagas.isNull() ? QString() : vagas.toString());
    m_lblquantitativo->setText(quantitativo.isNull() ? QString() : quantitativo.toString());
}

void TFrm_Cad_Vagas::showCadastro(bool on)
{
    m_pg->setTabVisible(0, on);
    m_pg->setTabVisible(1, !on);
    m_pg->setCurrentIndex(on ? 0 : 1);
}

void TFrm_Cad_Vagas::btmaisdadosClick()
{
    showCadastro(false);
}

void TFrm_Cad_Vagas::btvoltarClick()
{
    showCadastro(true);
}

// ---- commands -------------------------------------------------------------------------

bool TFrm_Cad_Vagas::nivel_geral()
{
    return checkAccess(this, QStringLiteral("3"), AccessVariant::Silent);
}

void TFrm_Cad_Vagas::stamp()
{
    const QDateTime now = m_now();
    ds::ClientDataSet* cds = dataSet();
    cds->fieldByName(QStringLiteral("USUARIO")).setAsString(signedInLogin());
    cds->fieldByName(QStringLiteral("DATA")).setAsDate(now.date());
    const QTime time = now.time();
    cds->fieldByName(QStringLiteral("HORA")).setValue(QTime(time.hour(), time.minute()));
}

void TFrm_Cad_Vagas::bntnovoClick()
{
    insertRow(drawKey());
    desativabtn();
    stamp();
}

void TFrm_Cad_Vagas::bnteditarClick()
{
    ds::ClientDataSet* cds = dataSet();
    if (cds->isEmpty() || cds->isEditing())
        return;
    cds->edit();
    desativabtn();
    stamp();
    showCadastro(true);
}

void TFrm_Cad_Vagas::bntgravarClick()
{
    if (saveRow())
        soma();
}

void TFrm_Cad_Vagas::bntfiltroClick()
{
    for (QComboBox* combo : {m_edt_nome_escola, m_edt_nome_escola_1, m_edt_nome_escola_2, m_edt_nome_serie,
                             m_edt_nome_turno, m_edt_serie, m_edt_pesq_nome_escola, m_db_serie_4})
        combo->setCurrentIndex(-1);
    // While a row is open the reload would throw it away.
    if (!reloadList())
        return;
    soma();
    showCadastro(true);
}

// ---- filters --------------------------------------------------------------------------

void TFrm_Cad_Vagas::applyFilter(const QString& text)
{
    ds::ClientDataSet* cds = dm->cdsvagas;
    cds->setFiltered(false);
    cds->setFilter(text);
    cds->setFiltered(true);
    soma();
}

void TFrm_Cad_Vagas::Button1Click()
{
    applyFilter(QStringLiteral("escola = ") + QuotedStr(m_edt_nome_escola_2->currentText()));
}

void TFrm_Cad_Vagas::filtrar1Click()
{
    applyFilter(QStringLiteral("escola = ") + QuotedStr(m_edt_nome_escola->currentText()) +
                QStringLiteral("and serie =") + QuotedStr(m_edt_nome_serie->currentText()) +
                QStringLiteral("and turno =") + QuotedStr(m_edt_nome_turno->currentText()));
}

void TFrm_Cad_Vagas::filtrar3Click()
{
    applyFilter(QStringLiteral("serie = ") + QuotedStr(m_edt_serie->currentText()));
}

void TFrm_Cad_Vagas::filtrar4Click()
{
    applyFilter(QStringLiteral("escola = ") + QuotedStr(m_edt_pesq_nome_escola->currentText()) +
                QStringLiteral("and serie =") + QuotedStr(m_db_serie_4->currentText()));
}

void TFrm_Cad_Vagas::filtrar5Click()
{
    applyFilter(QStringLiteral("escola = ") + QuotedStr(m_edt_nome_escola_1->currentText()));
}
