#include "registers/U_cad_turno.h"

#include "data/U_datamodulo.h"
#include "platform/widgets/DBEdit.h"

#include <QGridLayout>

namespace {
RecordScreen::Params turnoParams()
{
    RecordScreen::Params p;
    p.formName = QStringLiteral("Frm_Cad_Turno");
    p.caption = QStringLiteral("CADASTRO DE TURNO");
    p.heading = QStringLiteral("Cadastro de Turno");
    p.chains = {{dm->sqlturno, dm->cdsturno}};
    p.dataSourceName = QStringLiteral("ds_turno");
    p.keyField = QStringLiteral("TUNO_ID");
    p.generatorName = QStringLiteral("SP_GEN_TURNO");
    p.generatorProcedure = QStringLiteral("SP_GEN_TURNO_ID");
    p.searchPrefix = QStringLiteral("turno like ");
    p.gridColumns = {{QStringLiteral("TURNO"), {}}};
    // The filter stays on the data module's dataset from one opening to the next.
    p.resetSearchOnShow = false;
    p.size = QSize(620, 520);
    return p;
}
} // namespace

TFrm_Cad_Turno::TFrm_Cad_Turno(QWidget* parent) : RecordScreen(turnoParams(), parent)
{
    auto* dbnome = addEdit(QStringLiteral("dbnome"), QStringLiteral("TURNO"), QStringLiteral("TURNO"),
                           dbw::CharCase::Normal, 0, 1);
    editorGrid()->setColumnStretch(1, 1);
    setNameEditor(dbnome);
    setRowEditors({dbnome});
}
