#include "MemoryDataSource.h"
#include "PdfWords.h"

#include "platform/report/PreviewPageView.h"
#include "platform/report/Report.h"
#include "platform/report/ReportPreview.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace report;

namespace {

class Preview : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QList<QHash<QString, QString>> rows;
        for (int i = 1; i <= 90; ++i)
            rows.append({{QStringLiteral("NOME"), QStringLiteral("Linha %1").arg(i)}});
        m_source = MemoryDataSource(rows);
        m_report.addBand(BandType::PageHeader, 20)
            .addLabel({5, 5}, QStringLiteral("CABECALHO"), boldFont(14));
        Band& detail = m_report.addBand(BandType::Detail, 6);
        detail.setDetailSource(&m_source);
        detail.addField({3, 1}, &m_source, QStringLiteral("NOME"), regularFont(9));
        m_report.addBand(BandType::PageFooter, 10)
            .addSystemData({170, 2}, SystemData::PageNumber, boldFont(10))
            .withPrefix(QStringLiteral("Pagina "));
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    MemoryDataSource m_source;
    Report m_report{QStringLiteral("QuickRep1")};
};

TEST_F(Preview, OpensWithTheWholePageInItsWindow)
{
    ReportPreview preview(m_report);
    preview.resize(700, 900);
    preview.show();
    QApplication::processEvents();

    EXPECT_TRUE(preview.fitsWholePage());
    EXPECT_EQ(preview.currentPage(), 1);
    EXPECT_EQ(preview.pageCount(), 3);
    auto* scroll = preview.findChild<QScrollArea*>(QStringLiteral("previewScroll"));
    auto* page = preview.findChild<PreviewPageView*>(QStringLiteral("previewPage"));
    ASSERT_NE(scroll, nullptr);
    ASSERT_NE(page, nullptr);
    EXPECT_LE(page->width(), scroll->viewport()->width());
    EXPECT_LE(page->height(), scroll->viewport()->height());
    // ...and not much smaller than it can be in one direction.
    EXPECT_GE(std::max(double(page->width()) / scroll->viewport()->width(),
                       double(page->height()) / scroll->viewport()->height()),
              0.95);

    preview.resize(500, 600);
    QApplication::processEvents();
    EXPECT_LE(page->height(), scroll->viewport()->height());
}

TEST_F(Preview, NavigatesWithinItsPages)
{
    ReportPreview preview(m_report);
    preview.show();
    auto* label = preview.findChild<QLabel*>(QStringLiteral("lblPagina"));
    auto action = [&](const char* name) { return preview.findChild<QAction*>(QString::fromLatin1(name)); };
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Página 1 de 3"));
    EXPECT_FALSE(action("actPrevious")->isEnabled());

    action("actNext")->trigger();
    EXPECT_EQ(preview.currentPage(), 2);
    action("actLast")->trigger();
    EXPECT_EQ(preview.currentPage(), 3);
    EXPECT_FALSE(action("actNext")->isEnabled());
    preview.nextPage();
    EXPECT_EQ(preview.currentPage(), 3);
    action("actFirst")->trigger();
    EXPECT_EQ(preview.currentPage(), 1);
    EXPECT_EQ(label->text(), QStringLiteral("Página 1 de 3"));
}

TEST_F(Preview, ZoomLeavesTheFittedViewUntilAskedBack)
{
    ReportPreview preview(m_report);
    preview.resize(700, 900);
    preview.show();
    QApplication::processEvents();
    const double fitted = preview.zoom();

    preview.findChild<QAction*>(QStringLiteral("actZoomIn"))->trigger();
    EXPECT_FALSE(preview.fitsWholePage());
    EXPECT_NEAR(preview.zoom(), fitted * 1.25, 1e-9);
    preview.findChild<QAction*>(QStringLiteral("actActualSize"))->trigger();
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.0);
    preview.resize(800, 900);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.0);
    preview.findChild<QAction*>(QStringLiteral("actFitPage"))->trigger();
    EXPECT_TRUE(preview.fitsWholePage());
    EXPECT_LT(preview.zoom(), 1.0);
}

TEST_F(Preview, SaveProposesAPdfAndWritesWhatIsShown)
{
    ReportPreview preview(m_report);
    QString proposed;
    const QString target = path(QStringLiteral("salvo")); // no suffix: .pdf is added
    preview.setFileChooser([&](QWidget*, const QString& suggested) {
        proposed = suggested;
        return target;
    });

    ASSERT_TRUE(preview.save());
    EXPECT_TRUE(proposed.endsWith(QStringLiteral("QuickRep1.pdf")));
    const auto words = readPdfWords(target + QStringLiteral(".pdf"));
    EXPECT_EQ(countPhrase(words, QStringLiteral("Linha 90"), 3), 1);
    EXPECT_EQ(countPhrase(words, QStringLiteral("Pagina 2"), 2), 1);

    preview.setFileChooser([](QWidget*, const QString&) { return QString(); });
    EXPECT_FALSE(preview.save());
}

TEST_F(Preview, SaveFailureIsReportedToTheCaller)
{
    ReportPreview preview(m_report);
    QSignalSpy failed(&preview, &ReportPreview::saveFailed);
    preview.setFileChooser(
        [&](QWidget*, const QString&) { return path(QStringLiteral("nao/existe/x.pdf")); });

    EXPECT_FALSE(preview.save());
    ASSERT_EQ(failed.count(), 1);
    EXPECT_FALSE(failed.at(0).at(0).toString().isEmpty());
}

TEST_F(Preview, SaveFailureGoesToTheApplicationsHandlerWhenOneIsSet)
{
    QString reported;
    QWidget* from = nullptr;
    ReportPreview::setSaveErrorHandler([&](QWidget* preview, const QString& message) {
        from = preview;
        reported = message;
    });
    ReportPreview::setDefaultFileChooser(
        [&](QWidget*, const QString&) { return path(QStringLiteral("nao/existe.pdf")); });
    ReportPreview preview(m_report);
    EXPECT_FALSE(preview.save());
    ReportPreview::setSaveErrorHandler({});
    ReportPreview::setDefaultFileChooser({});
    EXPECT_EQ(from, &preview);
    EXPECT_FALSE(reported.isEmpty());
}

TEST_F(Preview, DocumentPreviewIsModalAndClosesThroughItsCloseCommand)
{
    // The preview of Report::preview runs its own loop; close it from inside that loop.
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<ReportPreview*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        seen = preview->isModal() && preview->fitsWholePage();
        preview->findChild<QAction*>(QStringLiteral("actClose"))->trigger();
    });
    m_report.preview(nullptr);
    EXPECT_TRUE(seen);
}

TEST_F(Preview, PrintsThePagesChosenInThePrintDialog)
{
    ReportPreview preview(m_report);
    const QString out = path(QStringLiteral("impresso.pdf"));
    preview.setPrintDialogRunner([&](QPrinter& printer, QWidget*) {
        EXPECT_EQ(printer.fromPage(), 1);
        EXPECT_EQ(printer.toPage(), 3);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        return true;
    });
    ASSERT_TRUE(preview.print());
    const auto words = readPdfWords(out);
    EXPECT_EQ(countPhrase(words, QStringLiteral("Pagina 2"), 1), 1);
    EXPECT_EQ(countPhrase(words, QStringLiteral("Pagina 3"), 2), 1);
    EXPECT_EQ(countPhrase(words, QStringLiteral("Linha 1"), 1), 0);

    bool asked = false;
    preview.setPrintDialogRunner([&](QPrinter&, QWidget*) { return asked = true, false; });
    EXPECT_FALSE(preview.print());
    EXPECT_TRUE(asked);
}

} // namespace
