#include "platform/report/PreviewPageView.h"

#include "platform/report/ReportRenderer.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace report {

namespace {
constexpr int Gap = 12; // grey around the paper
}

PreviewPageView::PreviewPageView(const ReportLayout& layout, QWidget* parent)
    : QWidget(parent), m_layout(layout)
{
    setObjectName(QStringLiteral("previewPage"));
    resize(sizeHint());
}

void PreviewPageView::setPageIndex(int index)
{
    m_pageIndex = std::clamp(index, 0, std::max(0, int(m_layout.pages.size()) - 1));
    update();
}

void PreviewPageView::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, 0.1, 8.0);
    resize(sizeHint());
    update();
}

double PreviewPageView::dotsPerMm() const
{
    return m_zoom * logicalDpiX() / 25.4;
}

QSizeF PreviewPageView::paperPx() const
{
    return m_layout.paperSizeMm * dotsPerMm();
}

double PreviewPageView::zoomToFit(const QSize& area, bool widthOnly) const
{
    const double unit = logicalDpiX() / 25.4;
    const double byWidth = (area.width() - 2.0 * Gap) / (m_layout.paperSizeMm.width() * unit);
    const double byHeight = (area.height() - 2.0 * Gap) / (m_layout.paperSizeMm.height() * unit);
    return widthOnly ? byWidth : std::min(byWidth, byHeight);
}

QSize PreviewPageView::sizeHint() const
{
    const QSizeF paper = paperPx();
    return QSize(int(std::ceil(paper.width())) + 2 * Gap, int(std::ceil(paper.height())) + 2 * Gap);
}

void PreviewPageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().dark());
    const QRectF paper(QPointF(Gap, Gap), paperPx());
    painter.fillRect(paper.translated(3, 3), QColor(60, 60, 60));
    painter.fillRect(paper, Qt::white);
    if (m_layout.pages.empty())
        return;
    painter.setClipRect(paper);
    ReportRenderer::paintPage(painter, m_layout.pages[size_t(m_pageIndex)], dotsPerMm(), paper.topLeft());
}

} // namespace report
