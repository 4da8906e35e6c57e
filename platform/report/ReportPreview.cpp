#include "platform/report/ReportPreview.h"

#include "platform/report/PreviewPageView.h"
#include "platform/report/Report.h"
#include "platform/report/ReportOutput.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>

namespace report {

namespace {

constexpr double ZoomStep = 1.25;

QString defaultChooseFile(QWidget* parent, const QString& suggestedPath)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Salvar relatório"), suggestedPath,
                                        QStringLiteral("Arquivo PDF (*.pdf)"));
}

bool defaultRunPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

ReportPreview::SaveErrorHandler& saveErrorHandler()
{
    static ReportPreview::SaveErrorHandler handler;
    return handler;
}

ReportPreview::FileChooser& defaultFileChooser()
{
    static ReportPreview::FileChooser chooser;
    return chooser;
}

ReportPreview::PrintDialogRunner& defaultPrintDialogRunner()
{
    static ReportPreview::PrintDialogRunner runner;
    return runner;
}

} // namespace

void ReportPreview::setSaveErrorHandler(SaveErrorHandler handler)
{
    saveErrorHandler() = std::move(handler);
}

void ReportPreview::setDefaultFileChooser(FileChooser chooser)
{
    defaultFileChooser() = std::move(chooser);
}

void ReportPreview::setDefaultPrintDialogRunner(PrintDialogRunner runner)
{
    defaultPrintDialogRunner() = std::move(runner);
}

ReportPreview::ReportPreview(const Report& report, QWidget* parent)
    : QDialog(parent), m_report(report), m_layout(report.layout()),
      m_fileChooser(defaultFileChooser() ? defaultFileChooser() : FileChooser(defaultChooseFile)),
      m_printDialogRunner(defaultPrintDialogRunner() ? defaultPrintDialogRunner()
                                                     : PrintDialogRunner(defaultRunPrintDialog))
{
    if (saveErrorHandler())
        connect(this, &ReportPreview::saveFailed, this,
                [this](const QString& message) { saveErrorHandler()(this, message); });
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("Visualizar Impressão"));
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("previewScroll"));
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_view = new PreviewPageView(m_layout);
    m_scroll->setWidget(m_view);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    layout->addWidget(findChild<QToolBar*>(QStringLiteral("previewToolBar")));
    layout->addWidget(m_scroll, 1);

    // Most of the screen's height, so that a fitted A4 page is still readable.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        resize(std::min(available.width(), int(available.height() * 0.9 * 0.8)),
               int(available.height() * 0.9));
    }
    refreshState();
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::buildToolBar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("previewToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto add = [&](const QString& name, const QString& text, const QKeySequence& key, auto slot) {
        QAction* action = bar->addAction(text);
        action->setObjectName(name);
        if (!key.isEmpty())
            action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(QStringLiteral("actPrint"), QStringLiteral("Imprimir"), QKeySequence::Print, &ReportPreview::print);
    add(QStringLiteral("actSave"), QStringLiteral("Salvar PDF"), QKeySequence::Save, &ReportPreview::save);
    bar->addSeparator();
    m_first = add(QStringLiteral("actFirst"), QStringLiteral("|<"), QKeySequence(Qt::CTRL | Qt::Key_Home),
                  &ReportPreview::firstPage);
    m_previous = add(QStringLiteral("actPrevious"), QStringLiteral("<"), QKeySequence(Qt::Key_PageUp),
                     &ReportPreview::previousPage);
    m_pageLabel = new QLabel(bar);
    m_pageLabel->setObjectName(QStringLiteral("lblPagina"));
    m_pageLabel->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(m_pageLabel);
    m_next = add(QStringLiteral("actNext"), QStringLiteral(">"), QKeySequence(Qt::Key_PageDown),
                 &ReportPreview::nextPage);
    m_last = add(QStringLiteral("actLast"), QStringLiteral(">|"), QKeySequence(Qt::CTRL | Qt::Key_End),
                 &ReportPreview::lastPage);
    m_first->setToolTip(QStringLiteral("Primeira página"));
    m_previous->setToolTip(QStringLiteral("Página anterior"));
    m_next->setToolTip(QStringLiteral("Próxima página"));
    m_last->setToolTip(QStringLiteral("Última página"));
    bar->addSeparator();
    add(QStringLiteral("actFitPage"), QStringLiteral("Página inteira"), QKeySequence(),
        &ReportPreview::fitPage);
    add(QStringLiteral("actFitWidth"), QStringLiteral("Largura"), QKeySequence(), &ReportPreview::fitWidth);
    add(QStringLiteral("actActualSize"), QStringLiteral("100%"), QKeySequence(), &ReportPreview::actualSize);
    add(QStringLiteral("actZoomOut"), QStringLiteral("-"), QKeySequence::ZoomOut, &ReportPreview::zoomOut);
    add(QStringLiteral("actZoomIn"), QStringLiteral("+"), QKeySequence::ZoomIn, &ReportPreview::zoomIn);
    bar->addSeparator();
    add(QStringLiteral("actClose"), QStringLiteral("Fechar"), QKeySequence(), &ReportPreview::reject);
}

int ReportPreview::currentPage() const
{
    return m_view->pageIndex() + 1;
}

double ReportPreview::zoom() const
{
    return m_view->zoom();
}

void ReportPreview::showPage(int number)
{
    m_view->setPageIndex(number - 1);
    m_scroll->verticalScrollBar()->setValue(0);
    refreshState();
}

void ReportPreview::firstPage()
{
    showPage(1);
}

void ReportPreview::previousPage()
{
    showPage(currentPage() - 1);
}

void ReportPreview::nextPage()
{
    showPage(currentPage() + 1);
}

void ReportPreview::lastPage()
{
    showPage(pageCount());
}

void ReportPreview::setZoom(double zoom, Fit fit)
{
    m_fit = fit;
    m_view->setZoom(zoom);
}

void ReportPreview::applyFit()
{
    if (m_fit == Fit::None)
        return;
    // The viewport less room for the bar that appears when the width alone is fitted.
    QSize area = m_scroll->viewport()->size();
    if (m_fit == Fit::Width)
        area.rwidth() -= m_scroll->verticalScrollBar()->sizeHint().width();
    else
        area = m_scroll->size() - QSize(2 * m_scroll->frameWidth(), 2 * m_scroll->frameWidth());
    m_view->setZoom(m_view->zoomToFit(area, m_fit == Fit::Width));
}

void ReportPreview::fitPage()
{
    m_fit = Fit::Page;
    applyFit();
}

void ReportPreview::fitWidth()
{
    m_fit = Fit::Width;
    applyFit();
}

void ReportPreview::actualSize()
{
    setZoom(1.0, Fit::None);
}

void ReportPreview::zoomIn()
{
    setZoom(zoom() * ZoomStep, Fit::None);
}

void ReportPreview::zoomOut()
{
    setZoom(zoom() / ZoomStep, Fit::None);
}

bool ReportPreview::save()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(m_report.name() + QStringLiteral(".pdf"));
    QString path = m_fileChooser(this, suggested);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    return saveTo(path);
}

bool ReportPreview::saveTo(const QString& path)
{
    QString error;
    if (writePdf(m_layout, m_report.page(), path, m_report.name(), &error))
        return true;
    emit saveFailed(error);
    return false;
}

bool ReportPreview::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_report.name());
    printer.setFromTo(1, pageCount());
    if (!m_printDialogRunner(printer, this))
        return false;
    return printLayout(m_layout, m_report.page(), printer, m_report.name());
}

void ReportPreview::refreshState()
{
    const int page = currentPage();
    const int count = pageCount();
    m_pageLabel->setText(QStringLiteral("Página %1 de %2").arg(page).arg(count));
    m_first->setEnabled(page > 1);
    m_previous->setEnabled(page > 1);
    m_next->setEnabled(page < count);
    m_last->setEnabled(page < count);
}

void ReportPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    applyFit();
}

void ReportPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    applyFit();
}

} // namespace report
