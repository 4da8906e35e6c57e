#include "referral/ReferralReportBlocks.h"

namespace referral {

using report::Band;
using report::BandType;
using report::boldFont;
using report::FontSpec;
using report::regularFont;
using report::ReportItem;

ReferralSheet addReferralSheet(report::Report& report, const QColor& frameColour, bool pageNumber)
{
    report.page() = report::PageSettings{report::Orientation::Portrait, QMarginsF(10, 10, 10, 10)};
    const report::Frame frame = report::Frame::all(frameColour);
    ReferralSheet sheet;
    sheet.header = &report.addBand(BandType::PageHeader, 39);
    sheet.header->setFrame(frame);
    sheet.title = &report.addBand(BandType::Title, 220);
    sheet.title->setFrame(frame);
    // Bound to no dataset, so it prints once as an empty framed box.
    sheet.detail = &report.addBand(BandType::Detail, 8);
    sheet.detail->setFrame(frame);
    sheet.footer = &report.addBand(BandType::PageFooter, 8);
    if (pageNumber)
        sheet.footer->addSystemData({180, 2}, report::SystemData::PageNumber, boldFont(10)).onWhite();
    return sheet;
}

ReportItem& label(Band& band, double x, double y, const QString& text, const FontSpec& font, double width)
{
    ReportItem& item = band.addLabel({x, y}, text, font).onWhite();
    if (width > 0)
        item.atLeast(width);
    return item;
}

ReportItem& data(Band& band, double x, double y, const report::ReportDataSource& source, const QString& field,
                 const FontSpec& font, double width)
{
    ReportItem& item = band.addField({x, y}, &source, field, font).onWhite();
    if (width > 0)
        item.cutTo(width);
    return item;
}

void addPlaceAndDate(Band& title, double x, double y)
{
    // One item: the municipality's name is longer than the 11 mm the date was once placed after.
    title.addSystemData({x, y}, report::SystemData::Date, regularFont(10))
        .withPrefix(QStringLiteral("Cormavi, "))
        .named(QStringLiteral("placeAndDate"))
        .onWhite();
}

void addSignatureBlock(Band& title, const report::ReportDataSource& presidente, SignaturePlace place)
{
    const bool upper = place == SignaturePlace::Upper;
    const double x = upper ? 37 : 35;
    const double y = upper ? 152 : 174;
    label(title, x, y, QStringLiteral("_____________________________________________________________"),
          regularFont(10));
    data(title, x, y + 6, presidente, QStringLiteral("NOME_PRESIDENTE"), boldFont(10), 113)
        .aligned(Qt::AlignHCenter);
    if (upper) {
        label(title, 47, 163, QStringLiteral("Presidente da Comissão de Cadastro e Matricula "),
              regularFont(10));
        data(title, 127, 163, presidente, QStringLiteral("DATA_VIGENTE"), boldFont(10), 31);
    } else {
        label(title, 45, 184, QStringLiteral("Presidente da Comissão de Cadastro e Matricula"),
              regularFont(10));
        data(title, 124, 184, presidente, QStringLiteral("DATA_VIGENTE"), boldFont(10), 31);
    }
}

void addHealthNote(Band& title)
{
    label(
        title, 4, 197,
        QStringLiteral("OBS: Em virtude do enfrentamento ao Novo CORONAVÍRUS (COVID), esta secretaria adota "
                       "todas as estratégias  de"),
        regularFont(10));
    label(title, 4, 203,
          QStringLiteral("segurança estabelecidas pela Sec. M. Saúde, utilizando máscaras, álcool em gel e "
                         "higienização do local evitando "),
          regularFont(10));
    label(title, 4, 209, QStringLiteral("assim o risco de contágio do COVID 19."), regularFont(10));
}

void addReferralHeading(Band& title, const report::ReportDataSource& presidente, bool blankSheet)
{
    label(title, 15, 3,
          blankSheet ? QStringLiteral("ENCAMINHAMENTO PARA MATRICULA -")
                     : QStringLiteral("ENCAMINHAMENTO PARA MATRICULA - "),
          boldFont(20));
    data(title, blankSheet ? 158 : 160, 3, presidente, QStringLiteral("ANO_VIGENTE"), boldFont(20));
    label(title, 49, 13, QStringLiteral("ALUNO SEM CADASTRO"), boldFont(20));
}

} // namespace referral
