#include "registers/U_cad_cronograma_escolar.h"

#include "data/U_datamodulo.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>

namespace {

RecordScreen::Params cronogramaParams()
{
    RecordScreen::Params p;
    p.formName = QStringLiteral("Frm_Cad_Cronograma_Escolar");
    p.caption = QStringLiteral("Frm_Cad_Cronograma_Escolar");
    p.heading = QStringLiteral("CRONOGRAMA CADASTRO ESCOLAR");
    p.chains = {{dm->sql_cad_cronograma_escolar, dm->cds_cad_cronograma_escolar}};
    p.dataSourceName = QStringLiteral("ds_cad_cronograma_escolar");
    p.keyField = QStringLiteral("ID");
    p.keyLabel = QStringLiteral("ID");
    p.resetSearchOnShow = false;
    p.ignoreSystemClose = false;
    p.fixedFrame = false;
    p.searchStrip = false;
    // One row: nothing to create, delete or search.
    p.hiddenButtons = {QStringLiteral("bntnovo"), QStringLiteral("bntexcluir"),
                       QStringLiteral("bntpesquisar")};
    p.size = QSize(620, 420);
    return p;
}

struct Period
{
    const char* label;
    const char* startEditor;
    const char* startField;
    const char* endEditor;
    const char* endField;
};

const Period kPeriods[] = {
    {"EDUCACAO INFANTIL", "db_data_i_ed_i", "DATA_I_E_I", "db_data_f_ed_i", "DATA_F_E_I"},
    {"ENSINO FUNDAMENTAL", "db_data_i_e_f", "DATA_I_E_F", "db_data_f_e_f", "DATA_F_E_F"},
    {"CADASTROS ESCOLARES", "db_data_i_cad", "DATA_I_CAD_GERAL", "db_data_f_cad", "DATA_F_CAD_GERAL"},
};

} // namespace

TFrm_Cad_Cronograma_Escolar::TFrm_Cad_Cronograma_Escolar(QWidget* parent)
    : RecordScreen(cronogramaParams(), parent)
{
    QList<QWidget*> editors;
    int row = 1;
    for (const Period& period : kPeriods) {
        auto* group = new QGroupBox(QLatin1String(period.label), editorArea());
        auto* dates = new QHBoxLayout(group);
        for (const auto& [name, field] :
             {std::pair{period.startEditor, period.startField}, {period.endEditor, period.endField}}) {
            auto* edit = new dbw::DBEdit(group);
            edit->setObjectName(QLatin1String(name));
            edit->setDataSource(dataSource(), QLatin1String(field));
            edit->setFixedWidth(110);
            dates->addWidget(edit);
            editors << edit;
        }
        dates->addStretch(1);
        addEditor(group, QString(), row++, 0, 2);
    }
    editorGrid()->setColumnStretch(1, 1);
    m_first = static_cast<dbw::DBEdit*>(editors.front());
    setNameEditor(m_first);
    setRowEditors(editors);
    DBGrid1()->setVisible(false); // no list: the screen shows the table's first row
    bodyLayout()->addStretch(1);
}

QString TFrm_Cad_Cronograma_Escolar::nameEditorText() const
{
    // An empty date box still shows its separators; that counts as empty.
    return m_first->editMask().isBlank(m_first->displayText()) ? QString() : m_first->editText();
}
