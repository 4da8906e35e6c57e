#include "referral/U_encaminhamento_vaga_preenchido.h"

#include "referral/ReferralPictures.h"
#include "referral/ReferralReportBlocks.h"

using namespace referral;
using report::boldFont;
using report::regularFont;

TFrm_escaminhamento_vaga_Preenchido::TFrm_escaminhamento_vaga_Preenchido(
    const report::ReportDataSource& aluno, QObject* parent)
    : ReferralDocument(QStringLiteral("Frm_escaminhamento_vaga_Preenchido"), parent)
{
    // The empty header keeps the pre-printed letterhead's place free.
    const ReferralSheet sheet = addReferralSheet(QuickRep1(), QColor(255, 251, 240), false);

    report::Band& title = *sheet.title;
    const auto text = regularFont(10);
    const auto value = boldFont(10);
    label(title, 8, 30, QStringLiteral("Venho através deste encaminhar o(a) aluno(a):"), text, 60);
    data(title, 8, 36, aluno, QStringLiteral("NOME_ALUNO"), value, 155);
    label(title, 8, 42, QStringLiteral("nascido(a) em"), text);
    data(title, 32, 42, aluno, QStringLiteral("DATA_NASC"), value, 24);
    label(title, 57, 42, QStringLiteral("Filho(a) de:"), text);
    data(title, 8, 48, aluno, QStringLiteral("RESPONSAVEL_1"), value, 155);
    data(title, 8, 55, aluno, QStringLiteral("RESPONSAVEL_2"), value, 155);
    label(title, 8, 61, QStringLiteral("Endereço:"), text);
    data(title, 26, 61, aluno, QStringLiteral("ENDERECO"), value, 92);
    label(title, 119, 61, QStringLiteral("Bairro:"), text);
    data(title, 131, 61, aluno, QStringLiteral("BAIRRO"), value, 46);
    label(title, 8, 67, QStringLiteral("Para ser matriculado(a) no:"), text);
    data(title, 52, 67, aluno, QStringLiteral("NOMES_SERIES"), value, 125);
    label(title, 8, 73, QStringLiteral("Na Escola/CMEI:"), text);
    data(title, 37, 73, aluno, QStringLiteral("NOME_ESCOLAS"), value, 81);
    label(title, 8, 79, QStringLiteral("Periodo:"), text);
    data(title, 26, 79, aluno, QStringLiteral("NOMES_TURNOS"), value, 78);
    title.addStretchedPicture({108, 85}, {72, 44}, documentsBox());
    label(title, 8, 85, QStringLiteral("Contato:"), text);
    data(title, 26, 85, aluno, QStringLiteral("CONTATO_1"), value, 78);
    label(title, 8, 91, QStringLiteral("Contato:"), text);
    data(title, 26, 91, aluno, QStringLiteral("CONTATO_2"), value, 78);
    addPlaceAndDate(title, 19, 129);
    label(title, 145, 215, QStringLiteral("VÁLIDADE : 01 DIA UTIL"), boldFont(10));
}
