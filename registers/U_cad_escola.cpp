#include "registers/U_cad_escola.h"

#include "data/U_datamodulo.h"
#include "platform/widgets/DBEdit.h"

#include <QGridLayout>

namespace {
RecordScreen::Params escolaParams()
{
    RecordScreen::Params p;
    p.formName = QStringLiteral("Frm_Cad_Escola");
    p.caption = QStringLiteral("CADASTRO DE ESCOLA");
    p.heading = QStringLiteral("Cadastro de Escola");
    p.chains = {{dm->sqlescola, dm->cdsescola}};
    p.dataSourceName = QStringLiteral("ds_escola");
    p.keyField = QStringLiteral("ESCOLA_ID");
    p.generatorName = QStringLiteral("SP_GEN_ESCOLA");
    p.generatorProcedure = QStringLiteral("SP_GEN_ESCOLA_ID");
    p.searchPrefix = QStringLiteral("escola like ");
    p.gridColumns = {{QStringLiteral("CODIGO_CENSO"), QStringLiteral("CODIGO CENSO")},
                     {QStringLiteral("ESCOLA"), {}},
                     {QStringLiteral("TELEFONE"), {}},
                     {QStringLiteral("COORDENACAO"), {}}};
    return p;
}
} // namespace

TFrm_Cad_Escola::TFrm_Cad_Escola(QWidget* parent) : RecordScreen(escolaParams(), parent)
{
    using dbw::CharCase;
    auto* dbnome = addEdit(QStringLiteral("dbnome"), QStringLiteral("ESCOLA"), QStringLiteral("ESCOLA"),
                           CharCase::Upper, 0, 1, 3);
    auto* dbarea = addEdit(QStringLiteral("dbarea"), QStringLiteral("AREA"), QStringLiteral("AREA"),
                           CharCase::Upper, 1, 0, 2);
    auto* dbcenso = addEdit(QStringLiteral("dbcenso"), QStringLiteral("CODIGO_CENSO"),
                            QStringLiteral("CODIGO_CENSO"), CharCase::Normal, 1, 2);
    auto* dbendereco = addEdit(QStringLiteral("dbendereco"), QStringLiteral("ENDERECO"),
                               QStringLiteral("ENDERECO"), CharCase::Upper, 2, 0, 3);
    auto* dbtelefone = addEdit(QStringLiteral("dbtelefone"), QStringLiteral("TELEFONE"),
                               QStringLiteral("TELEFONE"), CharCase::Upper, 2, 3);
    dbtelefone->setMaxLength(14);
    auto* dbcoordenacao = addEdit(QStringLiteral("dbcoordenacao"), QStringLiteral("COORDENACAO"),
                                  QStringLiteral("COORDENACAO"), CharCase::Upper, 3, 0, 2);
    auto* dbemail = addEdit(QStringLiteral("dbemail"), QStringLiteral("EMAIL"), QStringLiteral("EMAIL"),
                            CharCase::Lower, 3, 2, 2);
    for (int c = 0; c < 4; ++c)
        editorGrid()->setColumnStretch(c, c == 0 ? 1 : 2);
    setNameEditor(dbnome);
    setRowEditors({dbnome, dbarea, dbcenso, dbendereco, dbtelefone, dbcoordenacao, dbemail});
}
