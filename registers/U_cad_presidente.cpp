#include "registers/U_cad_presidente.h"

#include "data/U_datamodulo.h"
#include "platform/widgets/DBEdit.h"

#include <QGridLayout>

namespace {
RecordScreen::Params presidenteParams()
{
    RecordScreen::Params p;
    p.formName = QStringLiteral("Frm_Cad_Presidente");
    p.caption = QStringLiteral("CADASTRO DE PRESIDENTE");
    p.heading = QStringLiteral("Cadastro de Presidente");
    p.chains = {{dm->sqlpresidente, dm->cdspresidente}};
    p.dataSourceName = QStringLiteral("ds_presidente");
    p.keyField = QStringLiteral("CODIGO_PRESIDENTE");
    p.keyAlignment = Qt::AlignRight | Qt::AlignVCenter;
    p.generatorName = QStringLiteral("SP_GEN_PRESIDENTE");
    p.generatorProcedure = QStringLiteral("SP_GEN_PRESIDENTE_ID");
    p.gridColumns = {{QStringLiteral("NOME_PRESIDENTE"), QStringLiteral("PRESIDENTE")},
                     {QStringLiteral("DATA_VIGENTE"), QStringLiteral("DATA VIGENTE")},
                     {QStringLiteral("ANO_VIGENTE"), QStringLiteral("ANO VIGENTE")}};
    p.resetSearchOnShow = false;
    p.hiddenButtons = {QStringLiteral("bntnovo"), QStringLiteral("bntexcluir"),
                       QStringLiteral("bntpesquisar")};
    p.size = QSize(760, 540);
    return p;
}
} // namespace

TFrm_Cad_Presidente::TFrm_Cad_Presidente(QWidget* parent) : RecordScreen(presidenteParams(), parent)
{
    using dbw::CharCase;
    auto* dbnome = addEdit(QStringLiteral("dbnome"), QStringLiteral("NOME_PRESIDENTE"),
                           QStringLiteral("PRESIDENTE"), CharCase::Normal, 0, 1, 2);
    auto* db_cidade = addEdit(QStringLiteral("db_cidade"), QStringLiteral("CIDADE"), QStringLiteral("CIDADE"),
                              CharCase::Normal, 1, 0, 2);
    auto* dbdatavigente = addEdit(QStringLiteral("dbdatavigente"), QStringLiteral("DATA_VIGENTE"),
                                  QStringLiteral("DATA VIGENTE"), CharCase::Normal, 1, 2);
    auto* dbanovigente = addEdit(QStringLiteral("dbanovigente"), QStringLiteral("ANO_VIGENTE"),
                                 QStringLiteral("ANO VIGENTE"), CharCase::Normal, 2, 0);
    for (int c = 0; c < 3; ++c)
        editorGrid()->setColumnStretch(c, 1);
    setNameEditor(dbnome);
    setRowEditors({dbnome, db_cidade, dbdatavigente, dbanovigente});
}
