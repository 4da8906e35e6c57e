#include "registers/U_cad_cidades.h"

#include "data/U_datamodulo.h"
#include "platform/widgets/DBEdit.h"

#include <QGridLayout>

namespace {
RecordScreen::Params cidadeParams()
{
    RecordScreen::Params p;
    p.formName = QStringLiteral("Frm_Cad_Cidade");
    p.caption = QStringLiteral("CADASTRO DE CIDADES");
    p.heading = QStringLiteral("Cadastro de Cidades");
    p.chains = {{dm->sqlcidade, dm->cdscidade}};
    p.dataSourceName = QStringLiteral("dscidade");
    p.keyField = QStringLiteral("ID");
    p.keyLabel = QStringLiteral("ID");
    p.generatorName = QStringLiteral("SP_GEN_CIDADE");
    p.generatorProcedure = QStringLiteral("SP_GEN_TURNO_ID"); // no generator of its own
    p.searchPrefix = QStringLiteral("CIDADE like ");
    p.resetSearchOnShow = false;
    p.keyPreview = false;
    p.ignoreSystemClose = false;
    p.fixedFrame = false;
    p.size = QSize(620, 520);
    return p;
}
} // namespace

TFrm_Cad_Cidade::TFrm_Cad_Cidade(QWidget* parent) : RecordScreen(cidadeParams(), parent)
{
    auto* dbnome =
        addEdit(QStringLiteral("dbnome"), QStringLiteral("CIDADE"), QString(), dbw::CharCase::Normal, 0, 1);
    editorGrid()->setColumnStretch(1, 1);
    setNameEditor(dbnome);
    setRowEditors({dbnome});
}
