#include "referral/U_rel_doc_necessario_matricula.h"

#include "referral/ReferralPictures.h"

TFrm_Rel_Doc_Necessario_Matri::TFrm_Rel_Doc_Necessario_Matri(QObject* parent)
    : ReferralDocument(QStringLiteral("Frm_Rel_Doc_Necessario_Matri"), parent)
{
    report::Report& report = QuickRep1();
    report.page() = report::PageSettings{report::Orientation::Portrait, QMarginsF(10, 10, 10, 10)};
    report::Band& title = report.addBand(report::BandType::Title, 220);
    title.setFrame(report::Frame::all());
    // Three slips a strip; the last strip runs 3 mm past the band, as on the original sheet.
    const QImage strip = referral::documentsStrip();
    for (double y : {0.0, 55.0, 110.0, 166.0})
        title.addPicture({0, y}, strip);
}
