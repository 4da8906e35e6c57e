#include "referral/U_encaminhamento_vaga.h"

#include "common/Deployment.h"
#include "referral/ReferralPictures.h"
#include "referral/ReferralReportBlocks.h"

using namespace referral;
using report::boldFont;
using report::regularFont;

TFrm_encaminhamento_vaga::TFrm_encaminhamento_vaga(const report::ReportDataSource& aluno,
                                                   const report::ReportDataSource& presidente,
                                                   QObject* parent)
    : ReferralDocument(QStringLiteral("Frm_encaminhamento_vaga"), parent)
{
    const ReferralSheet sheet = addReferralSheet(QuickRep1(), QColor(Qt::black), true);

    report::Band& header = *sheet.header;
    header.addStretchedPicture({4, 4}, {31, 30}, coatOfArms());
    label(header, 41, 11, QStringLiteral("PREFEITURA MUNICIPAL DE CORMAVI"), boldFont(18));
    label(header, 52, 19, QStringLiteral("SECRETARIA MUNICIPAL DE EDUCAÇÃO"), boldFont(12));
    label(header, 64, 25, QStringLiteral("CNPJ/MF: ") + deployment::departmentTaxNumber(), boldFont(12));
    header.addStretchedPicture({152, 4}, {30, 30}, departmentEmblem());

    report::Band& title = *sheet.title;
    const auto text = regularFont(10);
    const auto value = boldFont(10);
    addReferralHeading(title, presidente, false);
    label(title, 8, 30, QStringLiteral("Venho através deste encaminhar o(a) aluno(a):"), text, 60);
    data(title, 8, 36, aluno, QStringLiteral("NOME_ALUNO"), value, 155);
    label(title, 8, 42, QStringLiteral("nascido(a) em"), text);
    data(title, 32, 42, aluno, QStringLiteral("DATA_NASC"), value, 24);
    label(title, 57, 42, QStringLiteral("Filho(a) de:"), text);
    data(title, 8, 48, aluno, QStringLiteral("RESPONSAVEL_1"), value, 155);
    data(title, 8, 55, aluno, QStringLiteral("RESPONSAVEL_2"), value, 155);
    label(title, 8, 61, QStringLiteral("Endereço:"), text);
    data(title, 26, 61, aluno, QStringLiteral("ENDERECO"), value, 78);
    label(title, 106, 61, QStringLiteral("Bairro:"), text);
    data(title, 117, 61, aluno, QStringLiteral("BAIRRO"), value, 46);
    label(title, 8, 67, QStringLiteral("Para ser matriculado(a) no:"), text);
    data(title, 52, 67, aluno, QStringLiteral("NOMES_SERIES"), value, 88);
    label(title, 8, 73, QStringLiteral("Na Escola/CMEI:"), text);
    data(title, 37, 73, aluno, QStringLiteral("NOME_ESCOLAS"), value, 103);
    label(title, 8, 79, QStringLiteral("Periodo:"), text);
    data(title, 25, 79, aluno, QStringLiteral("NOMES_TURNOS"), value, 79);
    title.addStretchedPicture({108, 79}, {72, 44}, documentsBox());
    label(title, 8, 85, QStringLiteral("Contato:"), text);
    data(title, 25, 85, aluno, QStringLiteral("CONTATO_1"), value, 79);
    label(title, 8, 91, QStringLiteral("Contato:"), text);
    data(title, 25, 91, aluno, QStringLiteral("CONTATO_2"), value, 79);
    addPlaceAndDate(title, 19, 129);
    addSignatureBlock(title, presidente, SignaturePlace::Upper);
    addHealthNote(title);
    label(title, 134, 213, QStringLiteral("VÁLIDADE : 01 DIA UTIL"), boldFont(12));
}
