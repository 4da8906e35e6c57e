#include "platform/report/Report.h"

#include "platform/report/ReportLayouter.h"
#include "platform/report/ReportOutput.h"
#include "platform/report/ReportPreview.h"

namespace report {

Report::Report(const QString& name) : m_name(name) {}

Band& Report::addBand(BandType type, double heightMm)
{
    for (Band& band : m_bands)
        if (band.type() == type) {
            band = Band(type, heightMm);
            return band;
        }
    m_bands.emplace_back(type, heightMm);
    return m_bands.back();
}

Band* Report::band(BandType type)
{
    for (Band& band : m_bands)
        if (band.type() == type)
            return &band;
    return nullptr;
}

const Band* Report::band(BandType type) const
{
    for (const Band& band : m_bands)
        if (band.type() == type)
            return &band;
    return nullptr;
}

ReportLayout Report::layout() const
{
    return layout(QDateTime::currentDateTime());
}

ReportLayout Report::layout(const QDateTime& now) const
{
    return layoutReport(*this, now);
}

bool Report::exportPdf(const QString& path, QString* error) const
{
    return writePdf(layout(), m_page, path, m_name, error);
}

void Report::print(QPrinter& printer) const
{
    printLayout(layout(), m_page, printer, m_name);
}

void Report::preview(QWidget* parent) const
{
    ReportPreview window(*this, parent);
    window.exec();
}

} // namespace report
