#include "referral/U_encaminhamento_vaga_branco.h"

#include "referral/ReferralPictures.h"
#include "referral/ReferralReportBlocks.h"

using namespace referral;

TFrm_escaminhamento_vaga_branco::TFrm_escaminhamento_vaga_branco(const report::ReportDataSource& presidente,
                                                                 QObject* parent)
    : ReferralDocument(QStringLiteral("Frm_escaminhamento_vaga_branco"), parent)
{
    const ReferralSheet sheet = addReferralSheet(QuickRep1(), QColor(Qt::black), true);
    sheet.header->addPicture({4, 2}, letterhead());
    addReferralHeading(*sheet.title, presidente, true);
    addSignatureBlock(*sheet.title, presidente, SignaturePlace::Lower);
    addHealthNote(*sheet.title);
}
