#include "referral/U_procura_vaga.h"

#include "referral/ReferralPictures.h"
#include "referral/ReferralReportBlocks.h"

using namespace referral;
using report::boldFont;
using report::regularFont;

TFrm_Procura_Vaga::TFrm_Procura_Vaga(const report::ReportDataSource& aluno, QObject* parent)
    : ReferralDocument(QStringLiteral("Frm_Procura_Vaga"), parent)
{
    const ReferralSheet sheet = addReferralSheet(QuickRep1(), QColor(Qt::black), true);
    sheet.header->addPicture({4, 0}, letterhead());

    report::Band& title = *sheet.title;
    const auto text = regularFont(10);
    auto value = boldFont(10);
    value.underline = true;
    label(title, 34, 2, QStringLiteral("LISTA DE ESPERA - MATRICULA"), boldFont(20));
    label(title, 11, 28, QStringLiteral("NOME: "), text, 13);
    data(title, 25, 28, aluno, QStringLiteral("NOME_ALUNO"), value, 140);
    label(title, 11, 34, QStringLiteral("DATA DE NASCIMENTO:"), text);
    data(title, 55, 34, aluno, QStringLiteral("DATA_NASC"), value, 34);
    label(title, 11, 42, QStringLiteral("RESPONSAVEL 1:"), text);
    data(title, 43, 42, aluno, QStringLiteral("RESPONSAVEL_1"), value);
    label(title, 11, 51, QStringLiteral("RESPONSAVEL 2:"), text);
    data(title, 42, 51, aluno, QStringLiteral("RESPONSAVEL_2"), value);
    label(title, 10, 58, QStringLiteral("Endereço:"), text);
    data(title, 27, 58, aluno, QStringLiteral("ENDERECO"), value, 78);
    label(title, 107, 58, QStringLiteral("Bairro:"), text);
    data(title, 119, 58, aluno, QStringLiteral("BAIRRO"), value, 46);
    label(title, 10, 65, QStringLiteral("Para ser matriculado(a) no:"), text);
    data(title, 53, 65, aluno, QStringLiteral("NOMES_SERIES"), value, 111);
    label(title, 10, 71, QStringLiteral("Na Escola/CMEI:"), text);
    data(title, 38, 71, aluno, QStringLiteral("NOME_ESCOLAS"), value, 126);
    label(title, 10, 77, QStringLiteral("Turno:"), text);
    data(title, 25, 77, aluno, QStringLiteral("NOMES_TURNOS"), value, 80);
    label(title, 10, 83, QStringLiteral("Contato:"), text);
    data(title, 25, 83, aluno, QStringLiteral("CONTATO_1"), value, 45);
    label(title, 10, 89, QStringLiteral("Contato:"), text);
    data(title, 25, 89, aluno, QStringLiteral("CONTATO_2"), value, 45);
    label(title, 10, 95, QStringLiteral("Observação:"), text);
    data(title, 31, 95, aluno, QStringLiteral("OBS"), value).wrapIn(134, 34);
    addPlaceAndDate(title, 130, 150);
    label(title, 141, 162, QStringLiteral("SEM VALOR"), boldFont(20));
}
