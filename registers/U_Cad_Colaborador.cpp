#include "registers/U_Cad_Colaborador.h"

#include "common/Deployment.h"
#include "data/U_datamodulo.h"
#include "platform/dialogs/ErrorReport.h"
#include "platform/widgets/DBComboBox.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"
#include "platform/widgets/DBMemo.h"
#include "registers/FilterText.h"
#include "shell/AccessCheck.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace {

RecordScreen::Params colaboradorParams()
{
    RecordScreen::Params p;
    p.formName = QStringLiteral("Frm_Cad_Colaborador");
    p.caption = QStringLiteral("CADASTRO DE COLABORADOR");
    p.heading = QStringLiteral("Cadastro de Colaborador");
    p.chains = {{dm->sqlcolaborador, dm->cdscolaborador}};
    p.dataSourceName = QStringLiteral("DataSource1");
    p.keyField = QStringLiteral("CODIGO_COLABORADOR");
    p.generatorName = QStringLiteral("SP_GEN_COLABORADOR");
    p.generatorProcedure = QStringLiteral("SP_GEN_COLABORADOR_ID");
    p.searchPrefix = QStringLiteral("NOME_COLABORADOR like ");
    p.gridColumns = {{QStringLiteral("NOME_COLABORADOR"), QStringLiteral("NOME")},
                     {QStringLiteral("ESCOLA"), {}},
                     {QStringLiteral("CONTATO_COLABORADOR"), QStringLiteral("CONTATO")}};
    p.searchStrip = false; // the two search boxes stand in their own group
    p.hiddenButtons = {QStringLiteral("bntpesquisar")};
    p.size = QSize(1080, 560);
    return p;
}

// Hands one widget's events to a function of the screen.
class EventHook final : public QObject
{
public:
    EventHook(QObject* parent, std::function<bool(QObject*, QEvent*)> hook)
        : QObject(parent), m_hook(std::move(hook))
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override { return m_hook(watched, event); }

private:
    std::function<bool(QObject*, QEvent*)> m_hook;
};

QLineEdit* capitalsBox(QWidget* parent, const QString& name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    dbw::forceCharCase(box, dbw::CharCase::Upper);
    return box;
}

} // namespace

TFrm_Cad_Colaborador::TFrm_Cad_Colaborador(QWidget* parent)
    : RecordScreen(colaboradorParams(), parent), m_edtescola(capitalsBox(this, QStringLiteral("edtescola")))
{
    using dbw::CharCase;
    QToolButton* bntfiltro =
        addToolButton(QStringLiteral("bntfiltro"), QStringLiteral("Filtro"), QStringLiteral("Filtro"), 5);
    connect(bntfiltro, &QToolButton::clicked, this,
            [this] { dlg::guarded(this, [this] { bntfiltroClick(); }); });

    auto* dbnome = addEdit(QStringLiteral("dbnome"), QStringLiteral("NOME_COLABORADOR"),
                           QStringLiteral("NOME"), CharCase::Upper, 1, 0, 2);
    auto* dbcontato = addEdit(QStringLiteral("dbcontato"), QStringLiteral("CONTATO_COLABORADOR"),
                              QStringLiteral("CONTATO"), CharCase::Normal, 2, 0);
    dbcontato->setMaxLength(14);
    auto* dbemail = addEdit(QStringLiteral("dbemail"), QStringLiteral("EMAIL"), QStringLiteral("EMAIL"),
                            CharCase::Normal, 2, 1);
    auto* dbfuncao = addEdit(QStringLiteral("dbfuncao"), QStringLiteral("FUNCAO"), QStringLiteral("FUNCAO"),
                             CharCase::Upper, 3, 0);
    auto* db_look_escola = new dbw::DBComboBox(editorArea());
    db_look_escola->setObjectName(QStringLiteral("db_look_escola"));
    db_look_escola->setDataSource(dataSource(), QStringLiteral("ESCOLA"));
    db_look_escola->setItems(deployment::fullSchoolList() + QStringList{QStringLiteral("OUTRO(A)S")});
    addEditor(db_look_escola, QStringLiteral("NOME DA ESCOLA"), 3, 1);
    m_dbobs = new dbw::DBMemo(editorArea());
    m_dbobs->setObjectName(QStringLiteral("dbobs"));
    m_dbobs->setDataSource(dataSource(), QStringLiteral("OBS"));
    m_dbobs->setFixedHeight(64);
    addEditor(m_dbobs, QStringLiteral("OBS"), 4, 0, 2);
    editorGrid()->setColumnStretch(0, 1);
    editorGrid()->setColumnStretch(1, 1);
    setNameEditor(dbnome);
    setRowEditors({dbnome, dbcontato, dbemail, dbfuncao, db_look_escola, m_dbobs});

    // "PESQUISAR": a box for the name and one for the school, under the editors.
    auto* pesquisar = new QGroupBox(QStringLiteral("PESQUISAR"), this);
    auto* boxes = new QGridLayout(pesquisar);
    boxes->addWidget(new QLabel(QStringLiteral("NOME - %"), pesquisar), 0, 0);
    boxes->addWidget(new QLabel(QStringLiteral("ESCOLA - %"), pesquisar), 0, 1);
    Editbusca()->setParent(pesquisar);
    m_edtescola->setParent(pesquisar);
    boxes->addWidget(Editbusca(), 1, 0);
    boxes->addWidget(m_edtescola, 1, 1);
    QWidget::setTabOrder(Editbusca(), m_edtescola);
    connect(m_edtescola, &QLineEdit::textChanged, this,
            [this] { dlg::guarded(this, [this] { edtescolaChange(); }); });

    // The list stands on a panel at the right.
    DBGrid1()->setObjectName(QStringLiteral("dbgrid"));
    QHeaderView* columns = DBGrid1()->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Stretch);
    columns->setSectionResizeMode(2, QHeaderView::ResizeToContents); // the telephone, whole
    bodyLayout()->removeWidget(editorArea());
    bodyLayout()->removeWidget(DBGrid1());
    auto* left = new QVBoxLayout;
    left->addWidget(editorArea());
    left->addWidget(pesquisar);
    left->addStretch(1);
    auto* side = new QHBoxLayout;
    side->addLayout(left, 1);
    side->addWidget(DBGrid1(), 1);
    bodyLayout()->insertLayout(0, side, 1);

    auto* hook = new EventHook(this, [this](QObject* watched, QEvent* event) {
        if (event->type() == QEvent::MouseButtonPress && (watched == Editbusca() || watched == m_edtescola)) {
            dlg::guarded(this, [&] { watched == Editbusca() ? EditbuscaClick() : edtescolaClick(); });
            return false;
        }
        if (event->type() == QEvent::KeyPress && watched == m_dbobs)
            return dbobsKeyPress(static_cast<QKeyEvent*>(event));
        return false;
    });
    Editbusca()->installEventFilter(hook);
    m_edtescola->installEventFilter(hook);
    m_dbobs->installEventFilter(hook);
}

void TFrm_Cad_Colaborador::FormShow()
{
    ativabtn();
    bntfiltroClick();
    Editbusca()->setFocus();
}

void TFrm_Cad_Colaborador::ativabtn()
{
    RecordScreen::ativabtn();
    // a search typed while a row was open takes effect now
    if (m_searchDeferred) {
        m_searchDeferred = false;
        applySearch();
    }
}

void TFrm_Cad_Colaborador::EditbuscaChange()
{
    search(SearchBox::Name);
}

void TFrm_Cad_Colaborador::edtescolaChange()
{
    search(SearchBox::School);
}

void TFrm_Cad_Colaborador::search(SearchBox box)
{
    m_lastSearch = box;
    if (dataSet()->isEditing()) {
        m_searchDeferred = true; // filtering now would post the open row behind the screen's back
        return;
    }
    applySearch();
}

void TFrm_Cad_Colaborador::applySearch()
{
    const bool byName = m_lastSearch == SearchBox::Name;
    ds::ClientDataSet* cds = dataSet();
    cds->setFiltered(false);
    cds->setFilter(byName ? prefixSearchFilter(params().searchPrefix, Editbusca()->text())
                          : prefixSearchFilter(QStringLiteral("ESCOLA like "), m_edtescola->text()));
    cds->setFiltered(true);
}

void TFrm_Cad_Colaborador::bntfiltroClick()
{
    // While a row is open the list is not reloaded: that would throw the row away.
    if (!reloadList())
        return;
    Editbusca()->clear();
    m_edtescola->clear();
}

bool TFrm_Cad_Colaborador::dbobsKeyPress(QKeyEvent* event)
{
    const QString typed = event->text();
    if (typed.size() != 1 || typed.at(0) < QLatin1Char('a') || typed.at(0) > QLatin1Char('z'))
        return false;
    QKeyEvent capital(event->type(), event->key(), event->modifiers(), typed.toUpper(), event->isAutoRepeat(),
                      static_cast<quint16>(event->count()));
    QApplication::sendEvent(m_dbobs, &capital);
    return true;
}

bool TFrm_Cad_Colaborador::nivel()
{
    return checkAccess(this, QStringLiteral("3"), AccessVariant::Announcing);
}
