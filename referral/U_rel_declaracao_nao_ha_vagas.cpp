#include "referral/U_rel_declaracao_nao_ha_vagas.h"

#include "referral/ReferralPictures.h"
#include "referral/ReferralReportBlocks.h"

using namespace referral;
using report::boldFont;
using report::regularFont;

TFrm_Rel_Declaracao_nao_ha_vagas::TFrm_Rel_Declaracao_nao_ha_vagas(const report::ReportDataSource& aluno,
                                                                   const report::ReportDataSource& presidente,
                                                                   QObject* parent)
    : ReferralDocument(QStringLiteral("Frm_Rel_Declaracao_nao_ha_vagas"), parent)
{
    const ReferralSheet sheet = addReferralSheet(QuickRep1(), QColor(Qt::black), true);
    sheet.header->addPicture({4, 2}, letterhead());

    report::Band& title = *sheet.title;
    const auto text = regularFont(12);
    const auto value = boldFont(12);
    label(title, 8, 20, QStringLiteral("Declaramos pelos devidos fins que não consta vaga para o"), text,
          110);
    data(title, 120, 20, aluno, QStringLiteral("NOME_ESCOLAS"), value, 69);
    label(title, 9, 30,
          QStringLiteral("no sistema de vagas informado pelas escolas mais próxima da sua residência"), text);
    label(title, 9, 40, QStringLiteral("Endereço:"), text);
    data(title, 30, 40, aluno, QStringLiteral("ENDERECO"), value, 159);
    label(title, 9, 51, QStringLiteral("Bairro:"), text);
    data(title, 30, 51, aluno, QStringLiteral("BAIRRO"), value, 159);
    label(title, 9, 66, QStringLiteral("Obs: As escolas informaram que não há vagas disponíveis. "), text);
    data(title, 9, 73, aluno, QStringLiteral("NOME_ESCOLAS"), value, 110);
    label(title, 8, 85, QStringLiteral("Nome do Aluno"), text);
    data(title, 39, 85, aluno, QStringLiteral("NOME_ALUNO"), value, 144);
    label(title, 8, 92, QStringLiteral("Nome Mãe:"), text);
    data(title, 39, 92, aluno, QStringLiteral("RESPONSAVEL_1"), value, 144);
    label(title, 9, 98, QStringLiteral("Nome Pai:"), text);
    data(title, 39, 99, aluno, QStringLiteral("RESPONSAVEL_2"), value, 144);
    addPlaceAndDate(title, 19, 129);
    addSignatureBlock(title, presidente, SignaturePlace::Upper);
    addHealthNote(title);
}
