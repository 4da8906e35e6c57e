#include "MemoryDataSource.h"
#include "PdfWords.h"

#include "platform/report/Report.h"
#include "platform/report/TextMetrics.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace report;

namespace {

constexpr double Tolerance = 0.3; // mm

QList<QHash<QString, QString>> numberedRows(int count)
{
    QList<QHash<QString, QString>> rows;
    for (int i = 1; i <= count; ++i)
        rows.append({{QStringLiteral("NOME"), QStringLiteral("Aluno %1").arg(i, 3, 10, QLatin1Char('0'))},
                     {QStringLiteral("ESCOLA"), QStringLiteral("Escola %1").arg(i % 7)}});
    return rows;
}

// A list in the manner of the department's printed lists.
void buildList(Report& report, const ReportDataSource& source)
{
    Band& header = report.addBand(BandType::PageHeader, 20);
    header.setFrame(Frame::all());
    header.addLabel({60, 5}, QStringLiteral("RELATORIO GERAL"), boldFont(14)).inColour(Qt::red).onWhite();
    Band& columns = report.addBand(BandType::ColumnHeader, 6);
    columns.setBackground(QColor(192, 192, 192));
    columns.addLabel({3, 1}, QStringLiteral("Nome"), boldFont(9));
    columns.addLabel({65, 1}, QStringLiteral("Escola"), boldFont(9));
    Band& detail = report.addBand(BandType::Detail, 6);
    detail.setFrame(Frame::all());
    detail.setDetailSource(&source);
    detail.addField({3, 1}, &source, QStringLiteral("NOME"), regularFont(7)).cutTo(63);
    detail.addField({65, 1}, &source, QStringLiteral("ESCOLA"), regularFont(7)).cutTo(51);
    Band& footer = report.addBand(BandType::PageFooter, 11);
    footer.addSystemData({170, 2}, SystemData::PageNumber, boldFont(10)).withPrefix(QStringLiteral("Pag. "));
}

class ReportEngine : public ::testing::Test
{
protected:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
};

TEST_F(ReportEngine, DetailRowsFlowOverPagesWithHeaderOnEachAndColumnsOnce)
{
    MemoryDataSource source(numberedRows(100));
    Report report(QStringLiteral("lista"));
    buildList(report, source);

    const ReportLayout layout = report.layout();

    // 277 mm of printable height: 20 header + 11 footer leave 246, so 41 rows a page, 40 on the
    // first under the column header.
    ASSERT_EQ(layout.pages.size(), 3u);
    int expectedRow = 0;
    for (const LayoutPage& page : layout.pages) {
        const auto headers = page.bandsOfType(BandType::PageHeader);
        ASSERT_EQ(headers.size(), 1u);
        EXPECT_NEAR(headers[0]->rectMm.top(), 10.0, 1e-9);
        EXPECT_EQ(page.bandsOfType(BandType::ColumnHeader).size(), page.number == 1 ? 1u : 0u);
        const auto footers = page.bandsOfType(BandType::PageFooter);
        ASSERT_EQ(footers.size(), 1u);
        EXPECT_NEAR(footers[0]->rectMm.bottom(), 287.0, 1e-9);
        double previousBottom = 0;
        for (const PlacedBand* detail : page.bandsOfType(BandType::Detail)) {
            EXPECT_EQ(detail->row, expectedRow++);
            EXPECT_LE(detail->rectMm.bottom(), footers[0]->rectMm.top() + 1e-9);
            EXPECT_GE(detail->rectMm.top(), previousBottom - 1e-9);
            previousBottom = detail->rectMm.bottom();
        }
        ASSERT_NE(page.findText(QStringLiteral("Pag. %1").arg(page.number)), nullptr);
    }
    EXPECT_EQ(expectedRow, 100);
    EXPECT_EQ(layout.pages[0].bandsOfType(BandType::Detail).size(), 40u);
    EXPECT_EQ(layout.pages[1].bandsOfType(BandType::Detail).size(), 41u);

    ASSERT_TRUE(report.exportPdf(path(QStringLiteral("lista.pdf"))));
    const auto words = readPdfWords(path(QStringLiteral("lista.pdf")));
    for (int page = 1; page <= 3; ++page) {
        EXPECT_EQ(countPhrase(words, QStringLiteral("RELATORIO GERAL"), page), 1) << page;
        EXPECT_EQ(countPhrase(words, QStringLiteral("Nome"), page), page == 1 ? 1 : 0) << page;
        EXPECT_EQ(countPhrase(words, QStringLiteral("Pag. %1").arg(page), page), 1) << page;
    }
    // Rows in the source's order, top to bottom, page after page.
    int lastPage = 1;
    double lastTop = 0;
    for (int i = 1; i <= 100; ++i) {
        const QString name = QStringLiteral("Aluno %1").arg(i, 3, 10, QLatin1Char('0'));
        int page = 0;
        QRectF box;
        for (int p = 1; p <= 3 && box.isNull(); ++p)
            if (!(box = findPhrase(words, name, p)).isNull())
                page = p;
        ASSERT_FALSE(box.isNull()) << name.toStdString();
        EXPECT_TRUE(page > lastPage || (page == lastPage && box.top() > lastTop)) << name.toStdString();
        lastPage = page;
        lastTop = box.top();
    }
}

TEST_F(ReportEngine, ColumnHeaderRepeatsWhenAsked)
{
    MemoryDataSource source(numberedRows(100));
    Report report;
    buildList(report, source);
    report.band(BandType::ColumnHeader)->setRepeatsOnEveryPage(true);

    const ReportLayout layout = report.layout();
    ASSERT_GT(layout.pages.size(), 1u);
    for (const LayoutPage& page : layout.pages) {
        const auto columns = page.bandsOfType(BandType::ColumnHeader);
        ASSERT_EQ(columns.size(), 1u);
        EXPECT_NEAR(columns[0]->rectMm.top(), 30.0, 1e-9); // right under the page header
    }
}

TEST_F(ReportEngine, EmptySourceStillPrintsItsHeaders)
{
    MemoryDataSource source;
    Report report;
    buildList(report, source);

    const ReportLayout layout = report.layout();
    ASSERT_EQ(layout.pages.size(), 1u);
    EXPECT_EQ(layout.pages[0].bandsOfType(BandType::PageHeader).size(), 1u);
    EXPECT_EQ(layout.pages[0].bandsOfType(BandType::ColumnHeader).size(), 1u);
    EXPECT_TRUE(layout.pages[0].bandsOfType(BandType::Detail).empty());
}

TEST_F(ReportEngine, BandsWithoutDetailSourcePrintOnceAndReadTheCurrentRow)
{
    MemoryDataSource aluno(numberedRows(5), 3);
    MemoryDataSource none;
    Report report;
    Band& title = report.addBand(BandType::Title, 50);
    title.addField({8, 10}, &aluno, QStringLiteral("NOME"), boldFont(10));
    title.addField({8, 20}, &none, QStringLiteral("NOME"), boldFont(10)).named(QStringLiteral("vazio"));
    title.addField({8, 30}, &aluno, QStringLiteral("ESCOLA"), boldFont(10))
        .withPrefix(QStringLiteral("Escola: "));
    report.addBand(BandType::Detail, 8).setFrame(Frame::all());

    const ReportLayout layout = report.layout();
    ASSERT_EQ(layout.pages.size(), 1u);
    const LayoutPage& page = layout.pages[0];
    EXPECT_NE(page.findText(QStringLiteral("Aluno 004")), nullptr);
    EXPECT_NE(page.findText(QStringLiteral("Escola: Escola 4")), nullptr);
    ASSERT_NE(page.findNamed(QStringLiteral("vazio")), nullptr);
    EXPECT_EQ(page.findNamed(QStringLiteral("vazio"))->text(), QString());
    const auto details = page.bandsOfType(BandType::Detail);
    ASSERT_EQ(details.size(), 1u);
    EXPECT_NEAR(details[0]->rectMm.top(), 60.0, 1e-9);
}

struct FitCase
{
    const char* name;
    TextFit fit;
    double width;
    double height;
    QString text;
};

class TextFitting : public ::testing::TestWithParam<FitCase>
{
};

TEST_P(TextFitting, TextStaysInsideItsBoxAndKeepsItsWordsInOrder)
{
    const FitCase& c = GetParam();
    Report report;
    Band& title = report.addBand(BandType::Title, 100);
    ReportItem& item = title.addLabel({10, 10}, c.text, regularFont(10));
    if (c.fit == TextFit::Cut)
        item.cutTo(c.width);
    else if (c.fit == TextFit::Grow)
        item.atLeast(c.width);
    else if (c.fit == TextFit::Wrap)
        item.wrapIn(c.width, c.height);

    const ReportLayout layout = report.layout();
    const PlacedItem& placed = layout.pages[0].items.at(0);
    TextMetrics metrics;
    const double lineHeight = metrics.lineHeightMm(regularFont(10));

    EXPECT_NEAR(placed.rectMm.left(), 20.0, 1e-9);
    EXPECT_NEAR(placed.rectMm.top(), 20.0, 1e-9);
    for (const PlacedLine& line : placed.lines) {
        EXPECT_GE(line.originMm.x(), placed.rectMm.left() - 1e-9);
        EXPECT_LE(line.originMm.x() + line.widthMm, placed.rectMm.right() + 1e-6) << line.text.toStdString();
        EXPECT_LE(line.originMm.y() - metrics.ascentMm(regularFont(10)) + lineHeight,
                  placed.rectMm.bottom() + 1e-6);
    }
    switch (c.fit) {
    case TextFit::AutoWidth:
        ASSERT_EQ(placed.lines.size(), 1u);
        EXPECT_EQ(placed.text(), c.text);
        EXPECT_NEAR(placed.rectMm.width(), metrics.widthMm(regularFont(10), c.text), 1e-9);
        break;
    case TextFit::Grow:
        ASSERT_EQ(placed.lines.size(), 1u);
        EXPECT_EQ(placed.text(), c.text);
        EXPECT_NEAR(placed.rectMm.width(), std::max(c.width, metrics.widthMm(regularFont(10), c.text)), 1e-9);
        break;
    case TextFit::Cut: {
        ASSERT_EQ(placed.lines.size(), 1u);
        const QString shown = placed.text();
        EXPECT_TRUE(c.text.startsWith(shown));
        EXPECT_NEAR(placed.rectMm.width(), c.width, 1e-9);
        if (shown.size() < c.text.size()) { // one more character would not have fitted
            EXPECT_GT(metrics.widthMm(regularFont(10), c.text.left(shown.size() + 1)), c.width);
        }
        break;
    }
    case TextFit::Wrap: {
        // Only line breaks differ: the characters come in their order, blanks aside.
        const QString shown = placed.text().remove(QLatin1Char(' '));
        EXPECT_TRUE(QString(c.text).remove(QLatin1Char(' ')).startsWith(shown)) << shown.toStdString();
        EXPECT_GT(placed.lines.size(), 1u);
        EXPECT_LE(double(placed.lines.size()) * lineHeight, c.height + 1e-6);
        break;
    }
    }
}

const QString LongText = QStringLiteral(
    "MAE TRABALHA NO PERIODO DA MANHA E PRECISA DE VAGA PROXIMA DA RESIDENCIA POIS NAO TEM CONDUCAO "
    "PROPRIA E O IRMAO MAIS VELHO JA ESTUDA NA MESMA ESCOLA DESDE O ANO PASSADO");

INSTANTIATE_TEST_SUITE_P(
    Fits, TextFitting,
    ::testing::Values(FitCase{"auto", TextFit::AutoWidth, 0, 0, QStringLiteral("nascido(a) em")},
                      FitCase{"growShort", TextFit::Grow, 60, 0, QStringLiteral("Contato:")},
                      FitCase{"growLong", TextFit::Grow, 60, 0,
                              QStringLiteral("Venho através deste encaminhar o(a) aluno(a):")},
                      FitCase{"cutLong", TextFit::Cut, 24, 0, QStringLiteral("MARIA DA CONCEICAO APARECIDA")},
                      FitCase{"cutShort", TextFit::Cut, 60, 0, QStringLiteral("ANA")},
                      FitCase{"cutEmpty", TextFit::Cut, 60, 0, QString()},
                      FitCase{"wrapAll", TextFit::Wrap, 134, 34, LongText},
                      FitCase{"wrapDrops", TextFit::Wrap, 40, 9, LongText},
                      FitCase{"wrapHugeWord", TextFit::Wrap, 20, 30,
                              QStringLiteral("AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA B")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportEngine, AlignmentPlacesTheLineInsideAFixedBox)
{
    Report report;
    Band& title = report.addBand(BandType::Title, 50);
    title.addLabel({37, 0}, QStringLiteral("JOSE DA SILVA"), boldFont(10))
        .cutTo(113)
        .aligned(Qt::AlignHCenter);
    title.addLabel({37, 10}, QStringLiteral("JOSE DA SILVA"), boldFont(10))
        .cutTo(113)
        .aligned(Qt::AlignRight);

    const ReportLayout layout = report.layout();
    const auto& items = layout.pages[0].items;
    const PlacedLine& centred = items[0].lines[0];
    const PlacedLine& right = items[1].lines[0];
    EXPECT_NEAR(centred.originMm.x() + centred.widthMm / 2, 10 + 37 + 113 / 2.0, 1e-6);
    EXPECT_NEAR(right.originMm.x() + right.widthMm, 10 + 37 + 113, 1e-6);
}

TEST_F(ReportEngine, PdfPutsTextWhereTheLayoutSays)
{
    MemoryDataSource source(numberedRows(3), 1);
    Report report;
    Band& title = report.addBand(BandType::Title, 220);
    title.setFrame(Frame::all());
    struct Probe
    {
        QPointF at;
        FontSpec font;
        QString text;
    };
    const std::vector<Probe> probes = {
        {{8, 30}, regularFont(10), QStringLiteral("Venho através deste encaminhar o(a) aluno(a):")},
        {{15, 3}, boldFont(20), QStringLiteral("ENCAMINHAMENTO PARA MATRICULA -")},
        {{134, 213}, boldFont(12), QStringLiteral("VÁLIDADE : 01 DIA UTIL")},
        {{120, 20}, FontSpec{QStringLiteral("Arial"), 12, true, true}, QStringLiteral("E.M. JARDIM")},
    };
    for (const Probe& p : probes)
        title.addLabel(p.at, p.text, p.font);
    title.addSystemData({30, 129}, SystemData::Date, regularFont(10));

    ASSERT_TRUE(report.exportPdf(path(QStringLiteral("pos.pdf"))));
    const auto words = readPdfWords(path(QStringLiteral("pos.pdf")));
    TextMetrics metrics;
    for (const Probe& p : probes) {
        const QRectF box = findPhrase(words, p.text);
        ASSERT_FALSE(box.isNull()) << p.text.toStdString();
        EXPECT_NEAR(box.left(), 10 + p.at.x(), Tolerance) << p.text.toStdString();
        EXPECT_NEAR(box.top(), 10 + p.at.y(), Tolerance) << p.text.toStdString();
        EXPECT_NEAR(box.width(), metrics.widthMm(p.font, p.text), 0.5) << p.text.toStdString();
    }
    const QRectF date = findPhrase(words, QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    ASSERT_FALSE(date.isNull());
    EXPECT_NEAR(date.left(), 40, Tolerance);
    EXPECT_NEAR(date.top(), 139, Tolerance);
}

TEST_F(ReportEngine, PictureTakesItsNaturalSizeFromItsResolutionOrIsStretched)
{
    QImage atScreen(688, 125, QImage::Format_RGB32);
    atScreen.setDotsPerMeterX(3780);
    atScreen.setDotsPerMeterY(3780);
    QImage sharper(2064, 375, QImage::Format_RGB32);
    sharper.setDotsPerMeterX(3780 * 3);
    sharper.setDotsPerMeterY(3780 * 3);
    Report report;
    Band& header = report.addBand(BandType::PageHeader, 39);
    header.addPicture({4, 2}, atScreen);
    header.addPicture({4, 2}, sharper);
    header.addStretchedPicture({152, 4}, {30, 30}, sharper);

    const ReportLayout layout = report.layout();
    const auto& items = layout.pages[0].items;
    for (int i : {0, 1}) {
        EXPECT_NEAR(items[size_t(i)].rectMm.width(), 688 / 3.78, 0.05);
        EXPECT_NEAR(items[size_t(i)].rectMm.height(), 125 / 3.78, 0.05);
        EXPECT_NEAR(items[size_t(i)].rectMm.left(), 14, 1e-9);
    }
    EXPECT_EQ(items[2].rectMm, QRectF(162, 14, 30, 30));
}

TEST_F(ReportEngine, PageCountIsKnownOnEveryPage)
{
    MemoryDataSource source(numberedRows(100));
    Report report;
    buildList(report, source);
    Band* footer = report.band(BandType::PageFooter);
    footer->addSystemData({10, 2}, SystemData::PageCount, regularFont(8)).withPrefix(QStringLiteral("de "));

    const ReportLayout layout = report.layout();
    for (const LayoutPage& page : layout.pages)
        EXPECT_NE(page.findText(QStringLiteral("de 3")), nullptr) << page.number;
}

TEST_F(ReportEngine, ExportToAnUnwritablePlaceSaysWhy)
{
    Report report;
    report.addBand(BandType::Title, 10);
    QString error;
    EXPECT_FALSE(report.exportPdf(path(QStringLiteral("no/such/folder/x.pdf")), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
