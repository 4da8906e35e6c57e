#include "referral/U_Cad_Alunos.h"

#include "common/PickLists.h"
#include "common/UFuncoes.h"
#include "data/U_datamodulo.h"
#include "platform/dataset/Conversions.h"
#include "platform/dialogs/ErrorReport.h"
#include "platform/report/DataSetSource.h"
#include "platform/widgets/DBComboBox.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"
#include "platform/widgets/DBMemo.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/PickList.h"
#include "referral/TotalPanel.h"
#include "referral/U_Cad_Alunos_SearchBoxes.h"
#include "referral/U_encaminhamento_vaga.h"
#include "referral/U_encaminhamento_vaga_preenchido.h"
#include "referral/U_pesquisa.h"
#include "referral/U_procura_vaga.h"
#include "referral/U_rel_declaracao_nao_ha_vagas.h"
#include "referral/U_vagas_Lists.h"
#include "registers/FilterText.h"
#include "shell/AccessCheck.h"
#include "shell/U_whats.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace {

RecordScreen::Params alunoParams()
{
    RecordScreen::Params p;
    p.formName = QStringLiteral("Frm_Cad_Aluno");
    p.caption = QStringLiteral("CADASTRO DE ALUNOS  PARA ENCAMINHAMENTO");
    p.heading = QStringLiteral("Cadastro de Alunos");
    p.chains = {
        {dm->sqlaluno, dm->cdsaluno}, {dm->sqlvagas, dm->cdsvagas}, {dm->sqlpresidente, dm->cdspresidente}};
    p.dataSourceName = QStringLiteral("ds_aluno");
    p.keyField = QStringLiteral("CODIGO");
    p.generatorName = QStringLiteral("SP_GEN_ENCAMINHAMENTO");
    p.generatorProcedure = QStringLiteral("SP_GEN_ENCAMINHAMENTO_ID");
    p.searchPrefix = QStringLiteral("NOME_ALUNO like ");
    p.gridColumns = {{QStringLiteral("DATA_ATENDIMENTO"), QStringLiteral("DATA"), Qt::AlignCenter},
                     {QStringLiteral("NOME_ALUNO"), QStringLiteral("ALUNO")},
                     {QStringLiteral("STATUS"), QStringLiteral("STATUS"), Qt::AlignCenter}};
    p.resetSearchOnShow = false; // the show sequence runs "Filtro" instead
    p.searchStrip = false;       // four boxes of its own at the bottom
    p.size = QSize(1125, 581);
    return p;
}

// "<grade> -----------------------> <age>"
QLabel* ageLine(QWidget* parent, const QString& grade, const QString& age)
{
    return new QLabel(grade + u' ' + QString(23, u'-') + u"> " + age, parent);
}

dbw::DBComboBox* pickList(QWidget* parent, const QString& name, dbw::DataSource* source, const QString& field,
                          const QStringList& items)
{
    auto* combo = new dbw::DBComboBox(parent);
    combo->setObjectName(name);
    combo->setItems(items);
    combo->setDataSource(source, field);
    return combo;
}

QLineEdit* capitalsBox(QWidget* parent, const QString& name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    dbw::forceCharCase(box, dbw::CharCase::Upper);
    return box;
}

QLabel* whiteLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

} // namespace

TFrm_Cad_Aluno::TFrm_Cad_Aluno(QWidget* parent)
    : RecordScreen(alunoParams(), parent), m_dsVagas(new dbw::DataSource(dm->cdsvagas, this))
{
    m_dsVagas->setObjectName(QStringLiteral("ds_vagas"));
    m_preview = [](const referral::ReferralDocument& document, QWidget* owner) { document.preview(owner); };
    m_openWhatsapp = [](QWidget* owner) {
        TFrm_Whats whatsapp(owner);
        whatsapp.exec();
    };

    auto* whats = addToolButton(QStringLiteral("Button1"), QStringLiteral("Whatsapp"), {}, 6);
    auto* filtro = addToolButton(QStringLiteral("bntfiltrar"), QStringLiteral("Filtro"), {}, 7);
    for (const char* name : {"bntcancelar", "bntpesquisar", "bntsair"})
        button(QLatin1String(name))->setToolTip({});
    setBrowseOnlyControls({button(QStringLiteral("bntpesquisar")), filtro});
    connect(whats, &QToolButton::clicked, this, [this] { dlg::guarded(this, [this] { Button1Click(); }); });
    connect(filtro, &QToolButton::clicked, this,
            [this] { dlg::guarded(this, [this] { bntfiltrarClick(); }); });

    // The body: the page control at the left, the requests at the right.
    bodyLayout()->removeWidget(editorArea());
    bodyLayout()->removeWidget(DBGrid1());
    auto* columns = new QHBoxLayout;
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    auto* cadastro = new QWidget(m_pages);
    cadastro->setObjectName(QStringLiteral("tbcadastro"));
    auto* cadastroLayout = new QVBoxLayout(cadastro);
    cadastroLayout->addWidget(editorArea());
    cadastroLayout->addStretch(1);
    m_pages->addTab(cadastro, QStringLiteral("CADASTRO"));
    auto* idade = new QWidget(m_pages);
    idade->setObjectName(QStringLiteral("tbidadeserie"));
    buildAgeTable(idade);
    m_pages->addTab(idade, QStringLiteral("IDADE-SERIE"));
    m_tbvagas = new QWidget(m_pages);
    m_tbvagas->setObjectName(QStringLiteral("tbvagas"));
    buildVacancyTab(m_tbvagas);
    m_pages->addTab(m_tbvagas, QStringLiteral("VAGAS"));
    m_pages->setMinimumWidth(600);
    columns->addWidget(m_pages, 0);
    DBGrid1()->setObjectName(QStringLiteral("dbgrid_aluno"));
    DBGrid1()->setColumnWidth(0, 84);
    DBGrid1()->setColumnWidth(1, 240);
    DBGrid1()->setColumnWidth(2, 110);
    columns->addWidget(DBGrid1(), 1);
    bodyLayout()->insertLayout(0, columns, 1);

    buildEditors();
    buildSearchGroup();
    buildMenus();
    connectHandlers();
}

void TFrm_Cad_Aluno::buildEditors()
{
    using dbw::CharCase;
    auto edit = [this](const char* name, const char* field, const char* label, CharCase charCase, int row,
                       int column, int span = 1) {
        return addEdit(QLatin1String(name), QLatin1String(field), QLatin1String(label), charCase, row, column,
                       span);
    };
    m_dbdataatendimento =
        edit("dbdataatendimento", "DATA_ATENDIMENTO", "DATA ATENDIMENTO", CharCase::Normal, 0, 1);
    m_dbdatanasc = edit("dbdatanasc", "DATA_NASC", "DATA NASC", CharCase::Normal, 0, 2);
    auto* dbstatus = pickList(editorArea(), QStringLiteral("dbstatus"), dataSource(),
                              QStringLiteral("STATUS"), picklists::statusList());
    addEditor(dbstatus, QStringLiteral("STATUS"), 0, 3);
    auto* dbnome = edit("dbnome", "NOME_ALUNO", "NOME", CharCase::Upper, 1, 0, 4);
    auto* dbmae = edit("dbmae", "RESPONSAVEL_1", "MAE", CharCase::Upper, 2, 0, 2);
    auto* dbpai = edit("dbpai", "RESPONSAVEL_2", "PAI", CharCase::Upper, 2, 2, 2);
    auto* dbendereco = edit("dbendereco", "ENDERECO", "ENDERECO", CharCase::Upper, 3, 0, 3);
    auto* dbbairro = edit("dbbairro", "BAIRRO", "BAIRRO", CharCase::Upper, 3, 3);
    m_dbcpf = edit("dbcpf", "CPF", "CPF", CharCase::Upper, 4, 0);
    auto* dbnis = edit("dbnis", "NIS_ALUNO", "NIS_ALUNO", CharCase::Upper, 4, 1);
    dbnis->setEditMask(QStringLiteral("000\\.000\\.000\\-00;1;_"));
    auto* dbrecebebf = pickList(editorArea(), QStringLiteral("dbrecebebf"), dataSource(),
                                QStringLiteral("RECEBE_S_N"), {QStringLiteral("NAO"), QStringLiteral("SIM")});
    addEditor(dbrecebebf, QStringLiteral("RECEBE_S_N"), 4, 2);
    auto* escola = pickList(editorArea(), QStringLiteral("db_look_escola"), dataSource(),
                            QStringLiteral("NOME_ESCOLAS"), vagas_lists::schoolsWithOthers());
    QPalette grey = escola->palette();
    grey.setColor(QPalette::Button, QColor(192, 192, 192));
    grey.setColor(QPalette::Base, QColor(192, 192, 192));
    escola->setPalette(grey);
    addEditor(escola, QStringLiteral("ESCOLA"), 5, 0, 2);
    auto* turno = pickList(editorArea(), QStringLiteral("db_look_turno"), dataSource(),
                           QStringLiteral("NOMES_TURNOS"), picklists::shiftList());
    addEditor(turno, QStringLiteral("TURNO"), 5, 2);
    auto* serie = pickList(editorArea(), QStringLiteral("db_look_serie"), dataSource(),
                           QStringLiteral("NOMES_SERIES"), picklists::gradeList());
    addEditor(serie, QStringLiteral("SERIE"), 5, 3);
    auto* dbcontato1 = edit("dbcontato1", "CONTATO_1", "CONTATO 1", CharCase::Upper, 6, 0);
    auto* dbcontato2 = edit("dbcontato2", "CONTATO_2", "CONTATO 2", CharCase::Normal, 6, 1);
    m_dbusuario = edit("dbusuario", "USUARIO", "USUARIO", CharCase::Upper, 6, 2, 2);
    m_dbusuario->setEnabled(false);
    m_dbobs = new dbw::DBMemo(editorArea());
    m_dbobs->setObjectName(QStringLiteral("dbobs"));
    m_dbobs->setDataSource(dataSource(), QStringLiteral("OBS"));
    m_dbobs->setMaximumHeight(64);
    editorGrid()->addWidget(m_dbobs, 14, 0, 1, 4);
    for (int c = 0; c < 4; ++c)
        editorGrid()->setColumnStretch(c, 1);

    setNameEditor(dbnome);
    setRowEditors({m_dbdataatendimento, dbnome, m_dbdatanasc, dbstatus, dbmae, dbpai, dbendereco, dbbairro,
                   m_dbcpf, dbnis, dbrecebebf, escola, turno, serie, dbcontato1, dbcontato2, m_dbobs});
}

void TFrm_Cad_Aluno::buildAgeTable(QWidget* page)
{
    struct Box
    {
        const char* caption;
        std::vector<std::pair<const char*, const char*>> lines;
    };
    const Box boxes[] = {
        {"Maternal", {{"Maternal I", "1 ano"}, {"Maternal II", "2 anos"}, {"Maternal III", "3 anos"}}},
        {"1° E 2° PERIODO", {{"1° PERIODO", "4 anos"}, {"2° PERIODO", "5 anos"}}},
        {"ENSINO FUNDAMENTAL - INICIAL",
         {{"1° E.F.", "6 anos"},
          {"2° E.F.", "7 anos"},
          {"3° E.F.", "8 anos"},
          {"4° E.F.", "9 anos"},
          {"5° E.F.", "10 anos"}}},
        {"ENSINO FUNDAMENTAL - FINAL",
         {{"6° E.F.", "11 anos"}, {"7° E.F.", "12 anos"}, {"8° E.F.", "13 anos"}, {"9° E.F.", "14 anos"}}},
        {"ENSINO MEDIO", {{"1° E.M.", "15 anos"}, {"2° E.M.", "16 anos"}, {"3° E.M.", "17 anos"}}},
    };
    auto* grid = new QGridLayout(page);
    int index = 0;
    for (const Box& box : boxes) {
        auto* group = new QGroupBox(QString::fromUtf8(box.caption), page);
        auto* lines = new QVBoxLayout(group);
        for (const auto& [grade, age] : box.lines)
            lines->addWidget(ageLine(group, QString::fromUtf8(grade), QString::fromUtf8(age)));
        lines->addStretch(1);
        grid->addWidget(group, index / 2, index % 2);
        ++index;
    }
    grid->setRowStretch(3, 1);
}

void TFrm_Cad_Aluno::buildVacancyTab(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    auto* box = new QGroupBox(QStringLiteral("ESCOLA E SERIE E TURNO"), page);
    auto* boxLayout = new QGridLayout(box);
    m_edt_nome_escola =
        dbw::fixedPickList(box, QStringLiteral("edt_nome_escola"), vagas_lists::vacancyLookupSchools());
    m_edt_nome_serie = dbw::fixedPickList(box, QStringLiteral("edt_nome_serie"), picklists::gradeList());
    m_edt_nome_turno = dbw::fixedPickList(box, QStringLiteral("edt_nome_turno"), picklists::shiftList());
    auto* filtrar1 = new QPushButton(QStringLiteral("Filtrar"), box);
    filtrar1->setObjectName(QStringLiteral("filtrar1"));
    filtrar1->setAutoDefault(false);
    boxLayout->addWidget(m_edt_nome_escola, 0, 0, 1, 2);
    boxLayout->addWidget(m_edt_nome_serie, 1, 0);
    boxLayout->addWidget(m_edt_nome_turno, 1, 1);
    boxLayout->addWidget(filtrar1, 2, 1);
    top->addWidget(box, 2);
    auto* search = new QVBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("Pesquisar por Escola - %"), page));
    m_edt_busca_vagas = capitalsBox(page, QStringLiteral("edt_busca_vagas"));
    search->addWidget(m_edt_busca_vagas);
    search->addStretch(1);
    top->addLayout(search, 1);
    layout->addLayout(top);
    m_dbgrid_vagas = new dbw::DBGrid(page);
    m_dbgrid_vagas->setObjectName(QStringLiteral("dbgrid_vagas"));
    m_dbgrid_vagas->setDataSource(m_dsVagas);
    m_dbgrid_vagas->setColumns({{QStringLiteral("QTD_VAGAS"), {}, Qt::AlignCenter},
                                {QStringLiteral("ESCOLA"), {}},
                                {QStringLiteral("SERIE"), {}},
                                {QStringLiteral("TURNO"), {}}});
    m_dbgrid_vagas->setColumnWidth(0, 80);
    m_dbgrid_vagas->setColumnWidth(1, 230);
    m_dbgrid_vagas->setColumnWidth(2, 190);
    m_dbgrid_vagas->setColumnWidth(3, 90);
    layout->addWidget(m_dbgrid_vagas, 1);

    connect(filtrar1, &QPushButton::clicked, this,
            [this] { dlg::guarded(this, [this] { filtrar1Click(); }); });
    connect(m_edt_busca_vagas, &QLineEdit::textChanged, this,
            [this] { dlg::guarded(this, [this] { edt_busca_vagasChange(); }); });
}

void TFrm_Cad_Aluno::buildSearchGroup()
{
    auto* group = new QFrame(this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setAutoFillBackground(true);
    QPalette palette = group->palette();
    palette.setColor(QPalette::Window, QColor(0x2e, 0x75, 0xb6));
    group->setPalette(palette);
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(whiteLabel(QStringLiteral("Digite para Localizar"), group), 0, 0, 1, 4);
    searchStrip()->layout()->removeWidget(Editbusca());
    Editbusca()->setParent(group);
    m_edtbuscamae = capitalsBox(group, QStringLiteral("edtbuscamae"));
    m_edt_obs = capitalsBox(group, QStringLiteral("edt_obs"));
    m_edtbusca_contato = search_boxes::makePhoneBox(group, QStringLiteral("edtbusca_contato"));
    layout->addWidget(whiteLabel(QStringLiteral("ALUNO"), group), 1, 0);
    layout->addWidget(whiteLabel(QStringLiteral("MAE"), group), 1, 1);
    layout->addWidget(whiteLabel(QStringLiteral("OBS"), group), 1, 2);
    layout->addWidget(Editbusca(), 2, 0);
    layout->addWidget(m_edtbuscamae, 2, 1);
    layout->addWidget(m_edt_obs, 2, 2);
    layout->addWidget(m_edtbusca_contato, 2, 3);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 3);
    layout->setColumnStretch(2, 3);
    layout->setColumnStretch(3, 2);
    m_lb_idade = new QLabel(QStringLiteral("idade"), group);
    m_lb_idade->setObjectName(QStringLiteral("lb_idade"));
    QFont big = m_lb_idade->font();
    big.setPixelSize(30);
    big.setBold(true);
    m_lb_idade->setFont(big);
    QPalette yellow = m_lb_idade->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    m_lb_idade->setPalette(yellow);
    m_lb_idade->setMinimumWidth(170);
    layout->addWidget(m_lb_idade, 1, 4, 2, 1);
    bodyLayout()->addWidget(group);

    // The heading's counter, and the buttons the menus run.
    auto* heading = findChild<QFrame*>(QStringLiteral("PnlPadrao"));
    QFrame* total = totalPanel(heading, &m_lbl_total_aluno);
    const struct
    {
        const char* name;
        const char* caption;
        void (TFrm_Cad_Aluno::*handler)();
    } hidden[] = {
        {"bntencaminhamento", "Imprimir", &TFrm_Cad_Aluno::bntencaminhamentoClick},
        {"bntdeclaracaovaga", " Sem Vaga", &TFrm_Cad_Aluno::bntdeclaracaovagaClick},
        {"btn_encaminhamento_espera", "Lista Espera", &TFrm_Cad_Aluno::btn_encaminhamento_esperaClick},
    };
    for (const auto& h : hidden) {
        auto* b = new QPushButton(QString::fromUtf8(h.caption), heading);
        b->setObjectName(QLatin1String(h.name));
        b->setVisible(false);
        connect(b, &QPushButton::clicked, this,
                [this, handler = h.handler] { dlg::guarded(this, [&] { (this->*handler)(); }); });
    }
    heading->layout()->addWidget(total);
}

void TFrm_Cad_Aluno::buildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* relatorios = bar->addMenu(QStringLiteral("Relatorios"));
    relatorios->setObjectName(QStringLiteral("Relatorios1"));
    auto item = [this](QMenu* menu, const char* name, const QString& caption,
                       void (TFrm_Cad_Aluno::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this,
                [this, handler] { dlg::guarded(this, [&] { (this->*handler)(); }); });
    };
    item(relatorios, "ImprimirEncaminhamento1", QStringLiteral("Declaracao Sem vaga"),
         &TFrm_Cad_Aluno::bntdeclaracaovagaClick);
    item(relatorios, "ImprimirListadeEspera1", QStringLiteral("Lista de Espera"),
         &TFrm_Cad_Aluno::btn_encaminhamento_esperaClick);
    item(relatorios, "ImprimirEncaminhamento2", QStringLiteral("Encaminhamento"),
         &TFrm_Cad_Aluno::bntencaminhamentoClick);
    item(relatorios, "EncaminhamentoCompleto1", QStringLiteral("Encaminhamento Completo"),
         &TFrm_Cad_Aluno::EncaminhamentoCompleto1Click);
    layout()->setMenuBar(bar);

    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    item(popup, "DeclaraosemVaga1", QStringLiteral("Declaração sem Vaga"),
         &TFrm_Cad_Aluno::bntdeclaracaovagaClick);
    item(popup, "EncaminhamentoCompleto2", QStringLiteral("Encaminhamento Completo"),
         &TFrm_Cad_Aluno::EncaminhamentoCompleto1Click);
    DBGrid1()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DBGrid1(), &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& at) { popup->popup(DBGrid1()->viewport()->mapToGlobal(at)); });
}

void TFrm_Cad_Aluno::connectHandlers()
{
    auto guardedCall = [this](auto&& call) { return [this, call] { dlg::guarded(this, call); }; };
    for (QLineEdit* box : {m_edtbuscamae, m_edt_obs, m_edtbusca_contato})
        connect(box, &QLineEdit::textChanged, this, guardedCall([this, box] { searchChanged(box); }));
    // Clicking into a search box starts from the whole list (EditbuscaClick and the like).
    for (QLineEdit* box : {Editbusca(), m_edtbuscamae, m_edt_obs, m_edtbusca_contato, m_edt_busca_vagas})
        search_boxes::onClick(box, guardedCall([this] { bntfiltrarClick(); }));

    // dbcpfExit, dbdatanascExit: once the focus has gone and the editor has written its text.
    new search_boxes::EventWatch(m_dbcpf, QEvent::FocusOut, [this, guardedCall](QEvent*) {
        QTimer::singleShot(0, this, guardedCall([this] { dbcpfExit(); }));
        return false;
    });
    new search_boxes::EventWatch(m_dbdatanasc, QEvent::FocusOut, [this, guardedCall](QEvent*) {
        QTimer::singleShot(0, this, guardedCall([this] { dbdatanascExit(); }));
        return false;
    });
    // dbobsKeyPress: small letters a to z become capitals, anything else stays as typed.
    new search_boxes::EventWatch(m_dbobs, QEvent::KeyPress, [this](QEvent* event) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() != 1 || typed.at(0) < u'a' || typed.at(0) > u'z')
            return false;
        m_dbobs->insertPlainText(typed.toUpper());
        return true;
    });

    connect(DBGrid1(), &QAbstractItemView::clicked, this, guardedCall([this] { showAge(); }));
    connect(DBGrid1(), &QAbstractItemView::doubleClicked, this, guardedCall([this] { bnteditarClick(); }));
    new search_boxes::EventWatch(DBGrid1(), QEvent::KeyPress, [this, guardedCall](QEvent* event) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down)
            QTimer::singleShot(0, this, guardedCall([this] { showAge(); })); // the row reached
        return false;
    });
    connect(m_pages, &QTabWidget::currentChanged, this, [this, guardedCall](int index) {
        if (m_pages->widget(index) == m_tbvagas)
            guardedCall([this] { filtrar_vagas(); })();
    });
}

// ---- states and the show sequence -----------------------------------------------------

void TFrm_Cad_Aluno::ativabtn()
{
    RecordScreen::ativabtn();
    // a search typed while the row was open takes effect now
    if (QLineEdit* box = std::exchange(m_pendingSearch, nullptr))
        applySearch(box);
}

void TFrm_Cad_Aluno::FormShow()
{
    ativabtn();
    showAge();
    bntfiltrarClick();
    Editbusca()->setFocus();
    writeTotal();
}

void TFrm_Cad_Aluno::writeTotal()
{
    m_lbl_total_aluno->setText(QString::number(dataSet()->recordCount()));
}

// ---- commands -------------------------------------------------------------------------

void TFrm_Cad_Aluno::bntnovoClick()
{
    insertRow(drawKey());
    desativabtn();
    ds::ClientDataSet* cds = dataSet();
    cds->fieldByName(QStringLiteral("DATA_ATENDIMENTO")).setAsDate(today());
    cds->fieldByName(QStringLiteral("USUARIO")).setAsString(signedInLogin());
    focusNameEditor();
}

void TFrm_Cad_Aluno::bnteditarClick()
{
    ds::ClientDataSet* cds = dataSet();
    if (cds->isEmpty() || cds->isEditing())
        return;
    cds->edit();
    desativabtn();
    cds->fieldByName(QStringLiteral("USUARIO")).setAsString(signedInLogin());
    m_dbdataatendimento->setFocus();
}

bool TFrm_Cad_Aluno::nivel()
{
    return checkAccess(this, QStringLiteral("3"), AccessVariant::Announcing);
}

void TFrm_Cad_Aluno::bntpesquisarClick()
{
    TFrm_Filtro search(this);
    search.setClock(m_now);
    search.exec();
}

void TFrm_Cad_Aluno::Button1Click()
{
    m_openWhatsapp(this);
}

void TFrm_Cad_Aluno::bntfiltrarClick()
{
    // While a row is open the reload would throw it away; the click changes nothing then.
    if (!reloadList())
        return;
    limpar_campos_edit();
    writeTotal();
}

void TFrm_Cad_Aluno::limpar_campos_edit()
{
    // Emptied by program, the boxes filter nothing: "Filtro" leaves every request listed.
    m_pendingSearch = nullptr;
    for (QLineEdit* box : {m_edtbuscamae, m_edt_obs, Editbusca(), m_edtbusca_contato})
        search_boxes::clearQuietly(box);
}

// ---- search boxes ---------------------------------------------------------------------

void TFrm_Cad_Aluno::searchChanged(QLineEdit* box)
{
    if (isEditState()) {
        m_pendingSearch = box; // filtering now would post the open row behind the screen's back
        return;
    }
    applySearch(box);
}

void TFrm_Cad_Aluno::applySearch(QLineEdit* box)
{
    QString prefix;
    QString typed = box->text();
    if (box == m_edtbuscamae) {
        prefix = QStringLiteral("RESPONSAVEL_1 like ");
    } else if (box == m_edt_obs) {
        prefix = QStringLiteral("obs like ");
    } else {
        prefix = QStringLiteral("CONTATO_1 like ");
        typed = search_boxes::phoneText(box);
    }
    ds::ClientDataSet* cds = dataSet();
    cds->setFiltered(false);
    cds->setFilter(prefixSearchFilter(prefix, typed));
    cds->setFiltered(true);
}

// ---- CPF and age ----------------------------------------------------------------------

void TFrm_Cad_Aluno::dbcpfExit()
{
    const QString cpf = m_dbcpf->editText();
    if (cpf.contains(u' '))
        return; // not filled in completely
    if (!TestaCpf(cpf)) {
        dlg::showMessage(this, QStringLiteral("CPF INVÁLIDO"));
        m_dbcpf->setFocus();
    }
}

void TFrm_Cad_Aluno::dbdatanascExit()
{
    const QString text = m_dbdatanasc->editText();
    if (!ds::isBlankDateText(text)) {
        try {
            ds::toDate(text);
        } catch (const ds::ConversionError&) {
            return; // the editor reports the date it could not take
        }
    }
    showAge();
}

void TFrm_Cad_Aluno::showAge()
{
    const QString text = m_dbdatanasc->editText();
    // No birth date (or no row): no age, and the handler goes on.
    if (ds::isBlankDateText(text)) {
        m_lb_idade->clear();
        return;
    }
    m_lb_idade->setText(ageText(ds::toDate(text), today()));
}

// ---- vacancy look-up ------------------------------------------------------------------

void TFrm_Cad_Aluno::filtrar_vagas()
{
    for (QComboBox* combo : {m_edt_nome_escola, m_edt_nome_serie, m_edt_nome_turno})
        combo->setCurrentIndex(-1);
    ds::ClientDataSet* vagas = dm->cdsvagas;
    vagas->close();
    vagas->setFiltered(false);
    vagas->open();
    search_boxes::clearQuietly(m_edt_busca_vagas);
}

void TFrm_Cad_Aluno::filtrar1Click()
{
    ds::ClientDataSet* vagas = dm->cdsvagas;
    vagas->setFiltered(false);
    vagas->setFilter(QStringLiteral("escola = ") + QuotedStr(m_edt_nome_escola->currentText()) +
                     QStringLiteral("and serie =") + QuotedStr(m_edt_nome_serie->currentText()) +
                     QStringLiteral("and turno =") + QuotedStr(m_edt_nome_turno->currentText()));
    vagas->setFiltered(true);
}

void TFrm_Cad_Aluno::edt_busca_vagasChange()
{
    ds::ClientDataSet* vagas = dm->cdsvagas;
    vagas->setFiltered(false);
    vagas->setFilter(prefixSearchFilter(QStringLiteral("escola like "), m_edt_busca_vagas->text()));
    vagas->setFiltered(true);
}

// ---- documents ------------------------------------------------------------------------

void TFrm_Cad_Aluno::showDocument(const referral::ReferralDocument& document)
{
    m_preview(document, this);
}

void TFrm_Cad_Aluno::bntencaminhamentoClick()
{
    const report::DataSetSource aluno(*dm->cdsaluno);
    const TFrm_escaminhamento_vaga_Preenchido document(aluno, this);
    showDocument(document);
}

void TFrm_Cad_Aluno::EncaminhamentoCompleto1Click()
{
    const report::DataSetSource aluno(*dm->cdsaluno);
    const report::DataSetSource presidente(*dm->cdspresidente);
    const TFrm_encaminhamento_vaga document(aluno, presidente, this);
    showDocument(document);
}

void TFrm_Cad_Aluno::btn_encaminhamento_esperaClick()
{
    const report::DataSetSource aluno(*dm->cdsaluno);
    const TFrm_Procura_Vaga document(aluno, this);
    showDocument(document);
}

void TFrm_Cad_Aluno::bntdeclaracaovagaClick()
{
    const report::DataSetSource aluno(*dm->cdsaluno);
    const report::DataSetSource presidente(*dm->cdspresidente);
    const TFrm_Rel_Declaracao_nao_ha_vagas document(aluno, presidente, this);
    showDocument(document);
}
