// Report engine throughput: a list of 10,000 rows in the manner of the printed request lists,
// written to PDF; and the time the preview needs to show its first page.
#include "platform/report/Report.h"
#include "platform/report/ReportDataSource.h"
#include "platform/report/ReportRenderer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

constexpr int Rows = 10000;

class BenchSource final : public report::ReportDataSource
{
public:
    BenchSource()
    {
        const QStringList schools = {QStringLiteral("CMEI PEQUENO PRINCIPE"),
                                     QStringLiteral("E.M. JARDIM DAS FLORES"),
                                     QStringLiteral("E.E. PROFESSORA ANA ROSA")};
        for (int i = 0; i < Rows; ++i)
            m_rows.push_back({QStringLiteral("ALUNO NUMERO %1 DA SILVA SAURO").arg(i), schools[i % 3],
                              QStringLiteral("MATERNAL II"), QStringLiteral("MATUTINO"),
                              QStringLiteral("(64)99901-%1").arg(i % 10000, 4, 10, QLatin1Char('0')),
                              QStringLiteral("(64)3651-0000")});
    }
    int rowCount() const override { return int(m_rows.size()); }
    int currentRow() const override { return 0; }
    QString text(int row, const QString& field) const override
    {
        static const QStringList fields = {QStringLiteral("NOME_ALUNO"),   QStringLiteral("NOME_ESCOLAS"),
                                           QStringLiteral("NOMES_SERIES"), QStringLiteral("NOMES_TURNOS"),
                                           QStringLiteral("CONTATO_1"),    QStringLiteral("CONTATO_2")};
        return m_rows[size_t(row)].value(fields.indexOf(field));
    }

private:
    std::vector<QStringList> m_rows;
};

void build(report::Report& r, const BenchSource& source)
{
    using namespace report;
    r.page().orientation = Orientation::Landscape;
    Band& header = r.addBand(BandType::PageHeader, 35);
    header.setFrame(Frame::all());
    header.addLabel({100, 14}, QStringLiteral("RELATORIO GERAL"), boldFont(14)).inColour(Qt::red).onWhite();
    Band& columns = r.addBand(BandType::ColumnHeader, 6);
    columns.setFrame(Frame::all());
    columns.setBackground(QColor(192, 192, 192));
    const double xs[] = {3, 65, 116, 162, 199, 237};
    const double widths[] = {63, 51, 47, 37, 37, 37};
    const char* titles[] = {"Nome", "Escola", "Serie", "Turno", "Contato", "Contato"};
    const char* fields[] = {"NOME_ALUNO",   "NOME_ESCOLAS", "NOMES_SERIES",
                            "NOMES_TURNOS", "CONTATO_1",    "CONTATO_2"};
    Band& detail = r.addBand(BandType::Detail, 6);
    detail.setFrame(Frame::all());
    detail.setDetailSource(&source);
    for (int i = 0; i < 6; ++i) {
        columns.addLabel({xs[i], 1}, QString::fromLatin1(titles[i]), boldFont(9));
        detail.addField({xs[i], 1.5}, &source, QString::fromLatin1(fields[i]), regularFont(7))
            .cutTo(widths[i]);
    }
    r.addBand(BandType::PageFooter, 11);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const BenchSource source;
    report::Report r(QStringLiteral("bench"));
    build(r, source);

    // First preview page: lay out everything, then paint page 1 as the fitted preview does.
    QElapsedTimer first;
    first.start();
    const report::ReportLayout layout = r.layout();
    QImage screen(1100, 780, QImage::Format_ARGB32_Premultiplied);
    screen.fill(Qt::white);
    {
        QPainter painter(&screen);
        report::ReportRenderer::paintPage(painter, layout.pages.front(), 1100 / 297.0);
    }
    const double firstMs = first.nsecsElapsed() / 1e6;

    QTemporaryDir dir;
    QElapsedTimer all;
    all.start();
    if (!r.exportPdf(dir.filePath(QStringLiteral("bench.pdf")))) {
        std::fprintf(stderr, "could not write the PDF\n");
        return 1;
    }
    const double seconds = all.nsecsElapsed() / 1e9;
    const auto pages = double(layout.pages.size());
    std::printf("report_pages_per_second: %.1f pages/s\n", pages / seconds);
    std::printf("report_first_page: %.1f ms\n", firstMs);
    std::fflush(stdout);
    return 0;
}
