#include "platform/report/ReportOutput.h"

#include "platform/report/ReportRenderer.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace report {

namespace {

constexpr int PdfResolution = 1200;

QPageLayout pageLayoutOf(const PageSettings& page)
{
    // The report places everything from the paper's corner, margins included.
    return QPageLayout(QPageSize(QPageSize::A4),
                       page.orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                                 : QPageLayout::Landscape,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace

bool writePdf(const ReportLayout& layout, const PageSettings& page, const QString& path, const QString& title,
              QString* error)
{
    // QPdfWriter does not say why it cannot write; find out first.
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) {
            if (error)
                *error = probe.errorString();
            return false;
        }
    }
    QPdfWriter writer(path);
    writer.setResolution(PdfResolution);
    writer.setPageLayout(pageLayoutOf(page));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Quenara"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error)
            *error = QStringLiteral("Não foi possível gravar o arquivo %1").arg(path);
        return false;
    }
    ReportRenderer::paintPages(painter, writer, layout);
    return painter.end();
}

bool printLayout(const ReportLayout& layout, const PageSettings& page, QPrinter& printer,
                 const QString& title)
{
    printer.setFullPage(true);
    printer.setPageLayout(pageLayoutOf(page));
    if (printer.docName().isEmpty())
        printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const bool range = printer.printRange() == QPrinter::PageRange;
    const bool painted = ReportRenderer::paintPages(painter, printer, layout, range ? printer.fromPage() : 0,
                                                    range ? printer.toPage() : 0);
    return painter.end() && painted;
}

} // namespace report
