#include "registers/U_Cad_Funcionario.h"

#include "common/UFuncoes.h"
#include "data/U_datamodulo.h"
#include "platform/dataset/Conversions.h"
#include "platform/widgets/DBComboBox.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"
#include "shell/AccessCheck.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

RecordScreen::Params funcionarioParams()
{
    RecordScreen::Params p;
    p.formName = QStringLiteral("Frm_Cad_Funcionario");
    p.caption = QStringLiteral("CADASTRO DE FUNCIONARIOS");
    p.heading = QStringLiteral("Cadastro de Funcionario");
    p.chains = {{dm->sqlfuncionario, dm->cdsfuncionario}};
    p.dataSourceName = QStringLiteral("ds_funcionario");
    p.keyField = QStringLiteral("ID");
    p.keyAlignment = Qt::AlignRight | Qt::AlignVCenter;
    p.generatorName = QStringLiteral("SP_GEN_FUNCIONARIO");
    p.generatorProcedure = QStringLiteral("SP_GEN_FUNCIONARIO_ID");
    p.searchPrefix = QStringLiteral("NOME like ");
    p.resetSearchOnShow = false;
    // The title-bar close goes through the save-or-cancel guard.
    p.ignoreSystemClose = false;
    p.size = QSize(1280, 660);
    return p;
}

struct EditorSpec
{
    const char* name;
    const char* field;
    const char* label;
    int row;
    int column;
    int span;
};

// The 24 editors in tab order, placed on a four-column grid.
const EditorSpec kEditors[] = {
    {"dbmatricula", "MATRICULA", "MATRICULA", 0, 1, 1},
    {"dbnome", "NOME", "NOME", 0, 2, 2},
    {"dbdn", "DN", "DN", 1, 0, 1},
    {"dbendereco", "ENDERECO", "ENDERECO", 1, 1, 2},
    {"dbnum", "NUMERO", "NUMERO", 1, 3, 1},
    {"dbbairro", "BAIRRO", "BAIRRO", 2, 0, 2},
    {"dbcidade", "CIDADE", "CIDADE", 2, 2, 1},
    {"dbnatural", "NATURALIDADE", "NATURALIDADE", 2, 3, 1},
    {"dbsexo", "SEXO", "SEXO", 3, 0, 1},
    {"dbfuncao", "FUNCAO", "FUNCAO", 3, 1, 2},
    {"dbdataadmissao", "DATA_ADMISSAO", "DATA ADMISSAO", 3, 3, 1},
    {"dbcpf", "CPF", "CPF", 4, 0, 1},
    {"dbrg", "RG", "RG", 4, 1, 1},
    {"dbrgdata", "RG_D_EMISSAO", "RG ADMISSAO", 4, 2, 1},
    {"dbrgorgao", "RG_ORGAO", "ORGAO", 4, 3, 1},
    {"dbcontato", "CONTATO", "CONTATO", 5, 0, 1},
    {"dbcnh", "CNH", "CNH", 5, 1, 1},
    {"dbcnhcat", "CNH_CAT", "CNH CAT", 5, 2, 1},
    {"dbpassaporte", "PASSAPORTE", "PASSAPORTE", 5, 3, 1},
    {"dbtitulo", "TITULO_ELEITOR", "TITULO", 6, 0, 2},
    {"dbzona", "TITULO_ZONA", "ZONA", 6, 2, 1},
    {"dbsecao", "TITULO_SECAO", "SECAO", 6, 3, 1},
    {"dbmae", "MAE", "MAE", 7, 0, 2},
    {"dbpai", "PAI", "PAI", 7, 2, 2},
};

} // namespace

TFrm_Cad_Funcionario::TFrm_Cad_Funcionario(QWidget* parent)
    : RecordScreen(funcionarioParams(), parent), m_pg(new QTabWidget(this)),
      m_lbIdade(new QLabel(QStringLiteral("idade"), searchStrip()))
{
    QToolButton* bntfiltrar =
        addToolButton(QStringLiteral("bntfiltrar"), QStringLiteral("Filtro"), QStringLiteral("Filtrar"), 6);
    setBrowseOnlyControls({button(QStringLiteral("bntpesquisar")), bntfiltrar});

    QList<QWidget*> editors;
    for (const EditorSpec& e : kEditors) {
        const QString name = QLatin1String(e.name);
        if (name == u"dbsexo") {
            auto* dbsexo = new dbw::DBComboBox(editorArea());
            dbsexo->setObjectName(name);
            dbsexo->setDataSource(dataSource(), QLatin1String(e.field));
            dbsexo->setItems({QStringLiteral("M"), QStringLiteral("F"), QStringLiteral("ND")});
            addEditor(dbsexo, QLatin1String(e.label), e.row, e.column, e.span);
            editors << dbsexo;
            continue;
        }
        dbw::DBEdit* edit = addEdit(name, QLatin1String(e.field), QLatin1String(e.label),
                                    dbw::CharCase::Upper, e.row, e.column, e.span);
        editors << edit;
        if (name == u"dbnome")
            setNameEditor(edit);
        else if (name == u"dbmatricula")
            m_dbmatricula = edit;
        else if (name == u"dbdn")
            m_dbdn = edit;
    }
    // Filled by the screen from the signed-in login, never by the user.
    auto* dbusuario = addEdit(QStringLiteral("dbusuario"), QStringLiteral("USUARIO"),
                              QStringLiteral("USUARIO"), dbw::CharCase::Upper, 8, 0, 2);
    dbusuario->setEnabled(false);
    for (int c = 0; c < 4; ++c)
        editorGrid()->setColumnStretch(c, 1);
    editorGrid()->setRowStretch(18, 1);
    setRowEditors(editors);

    // One tab page "DADOS PESSOAIS - 1": the editors, and the list at the page's right.
    m_pg->setObjectName(QStringLiteral("pg"));
    auto* page = new QWidget(m_pg);
    auto* pageLayout = new QHBoxLayout(page);
    bodyLayout()->removeWidget(editorArea());
    bodyLayout()->removeWidget(DBGrid1());
    editorArea()->setParent(page);
    DBGrid1()->setParent(page);
    pageLayout->addWidget(editorArea(), 3);
    pageLayout->addWidget(DBGrid1(), 2);
    m_pg->addTab(page, QStringLiteral("DADOS PESSOAIS - 1"));
    bodyLayout()->insertWidget(0, m_pg, 1);

    m_lbIdade->setObjectName(QStringLiteral("lb_idade"));
    QFont ageFont = m_lbIdade->font();
    ageFont.setBold(true);
    m_lbIdade->setFont(ageFont);
    m_lbIdade->setMinimumWidth(QFontMetrics(ageFont).horizontalAdvance(QStringLiteral("000 Anos ")));
    searchStrip()->layout()->addWidget(m_lbIdade);
}

void TFrm_Cad_Funcionario::FormShow()
{
    ativabtn();
    showAge();
    Editbusca()->setFocus();
}

void TFrm_Cad_Funcionario::showAge()
{
    // Computed once per opening, for the row current then. Without a birth date (or without
    // rows) the label keeps its text rather than failing the opening.
    const QString shown = m_dbdn->editText();
    if (ds::isBlankDateText(shown))
        return;
    m_lbIdade->setText(ageText(ds::toDate(shown), m_today()));
}

void TFrm_Cad_Funcionario::stampUser()
{
    dataSet()->fieldByName(QStringLiteral("USUARIO")).setAsString(signedInLogin());
}

void TFrm_Cad_Funcionario::bntnovoClick()
{
    RecordScreen::bntnovoClick();
    stampUser();
    m_dbmatricula->setFocus();
}

void TFrm_Cad_Funcionario::bnteditarClick()
{
    RecordScreen::bnteditarClick();
    if (!isEditState())
        return; // nothing to edit
    stampUser();
    m_dbmatricula->setFocus();
}
