#pragma once

#include "platform/report/Report.h"

// The parts that the referral documents share: their page, labels and data items painted on
// white, the place and date, the president's signature block, the health note and the heading.
namespace referral {

struct ReferralSheet
{
    report::Band* header = nullptr;
    report::Band* title = nullptr;
    report::Band* detail = nullptr;
    report::Band* footer = nullptr;
};

// A4 portrait, 10 mm margins; framed page header (39 mm), title (220 mm) and an empty detail
// (8 mm) that prints once; a page footer (8 mm) with the page number unless asked not to.
ReferralSheet addReferralSheet(report::Report& report, const QColor& frameColour, bool pageNumber);

// Labels regular and data bold unless said otherwise; both paint their box white. A width of 0
// makes the item as wide as its text. A data item is cut to its width; a label is the system's
// own text and is never cut: a longer one widens its box.
report::ReportItem& label(report::Band& band, double x, double y, const QString& text,
                          const report::FontSpec& font, double width = 0);
report::ReportItem& data(report::Band& band, double x, double y, const report::ReportDataSource& source,
                         const QString& field, const report::FontSpec& font, double width = 0);

// "Cormavi," and today's date after a blank, 10 pt.
void addPlaceAndDate(report::Band& title, double x, double y);

enum class SignaturePlace { Upper, Lower }; // Lower: the blank referral sheet's
void addSignatureBlock(report::Band& title, const report::ReportDataSource& presidente, SignaturePlace place);

void addHealthNote(report::Band& title);

// "ENCAMINHAMENTO PARA MATRICULA - " with the president's year, and "ALUNO SEM CADASTRO".
void addReferralHeading(report::Band& title, const report::ReportDataSource& presidente, bool blankSheet);

} // namespace referral
