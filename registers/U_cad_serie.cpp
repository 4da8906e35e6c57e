#include "registers/U_cad_serie.h"

#include "data/U_datamodulo.h"
#include "platform/widgets/DBEdit.h"

#include <QGridLayout>

namespace {
RecordScreen::Params serieParams()
{
    RecordScreen::Params p;
    p.formName = QStringLiteral("Frm_Cad_Serie");
    p.caption = QStringLiteral("Frm_Cad_Serie");
    p.heading = QStringLiteral("Cadastro de Serie");
    p.chains = {{dm->sqlserie, dm->cdsserie}};
    p.dataSourceName = QStringLiteral("ds_serie");
    p.keyField = QStringLiteral("SERIE_ID");
    p.generatorName = QStringLiteral("SP_GEN_SERIE");
    p.generatorProcedure = QStringLiteral("SP_GEN_SERIE_ID");
    p.searchPrefix = QStringLiteral("serie like ");
    p.gridColumns = {{QStringLiteral("SERIE"), {}}};
    // The filter stays on the data module's dataset from one opening to the next.
    p.resetSearchOnShow = false;
    p.size = QSize(620, 520);
    return p;
}
} // namespace

TFrm_Cad_Serie::TFrm_Cad_Serie(QWidget* parent) : RecordScreen(serieParams(), parent)
{
    auto* dbnome = addEdit(QStringLiteral("dbnome"), QStringLiteral("SERIE"), QStringLiteral("SERIE"),
                           dbw::CharCase::Normal, 0, 1);
    editorGrid()->setColumnStretch(1, 1);
    setNameEditor(dbnome);
    setRowEditors({dbnome});
}
